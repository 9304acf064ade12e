#pragma once
// Bursts of an error sequence with a guard band g: a burst begins and ends with an error
// and holds no run of g or more correct bits; bursts are separated by at least g correct
// bits. With g = 1 a burst is a run of adjacent errors. A burst's length runs from its
// first to its last error, its weight is its number of errors, and the gap between two
// bursts is the number of correct bits from the one's last error to the other's first
// (always at least g). Correct bits before the first and after the last error belong to
// no gap; a burst at either end counts as far as the sequence shows it.
//
// The sequence is given by its error positions in ascending order, so one pass over an
// FFO or FAB file or a simulation finds every burst.

#include <cstdint>
#include <optional>
#include <vector>

namespace zor {

struct Buendel {
    std::uint64_t anfang = 0;   // position of the first error
    std::uint64_t laenge = 0;   // bits from the first to the last error
    std::uint64_t gewicht = 0;  // errors
    friend bool operator==(const Buendel&, const Buendel&) = default;
};

class Buendelfinder {
public:
    explicit Buendelfinder(std::uint64_t schutz) : schutz_(schutz < 1 ? 1 : schutz) {}

    // An error at `pos` (beyond every earlier one). A burst it closes goes to
    // fertig(burst, gap before it), the gap 0 for the first burst.
    template <class F>
    void fehler(std::uint64_t pos, F&& fertig) {
        if (gewicht_ == 0) {
            anfang_ = letzter_ = pos;
            gewicht_ = 1;
            return;
        }
        const std::uint64_t korrekt = pos - letzter_ - 1;
        if (korrekt < schutz_) {
            letzter_ = pos;
            ++gewicht_;
            return;
        }
        fertig(Buendel{anfang_, letzter_ - anfang_ + 1, gewicht_}, abstand_);
        abstand_ = korrekt;
        anfang_ = letzter_ = pos;
        gewicht_ = 1;
    }

    // The end of the sequence: the open burst, if any, goes to fertig.
    template <class F>
    void ende(F&& fertig) {
        if (gewicht_ != 0) fertig(Buendel{anfang_, letzter_ - anfang_ + 1, gewicht_}, abstand_);
        gewicht_ = 0;
    }

private:
    std::uint64_t schutz_;
    std::uint64_t anfang_ = 0, letzter_ = 0, gewicht_ = 0;
    std::uint64_t abstand_ = 0;
};

// Counts of one burst quantity (values 1, 2, ...): exactly up to K, beyond in one number.
struct Verteilung {
    std::vector<std::uint64_t> anzahl;  // anzahl[k - 1]: values equal to k, k = 1..K
    std::uint64_t ueberlauf = 0;        // values above K
    std::uint64_t werte = 0;            // all values
    std::uint64_t summe = 0;            // their sum

    explicit Verteilung(int K = 0) : anzahl(static_cast<std::size_t>(K < 0 ? 0 : K)) {}
    void zaehlen(std::uint64_t wert) {
        ++werte;
        summe += wert;
        if (wert - 1 < anzahl.size())
            ++anzahl[wert - 1];
        else
            ++ueberlauf;
    }
    // The mean of all values, also those above K; 0 without values.
    double mittel() const { return werte ? static_cast<double>(summe) / static_cast<double>(werte) : 0.0; }
    // P(X >= k) and p(X = k) for k = 1..K; all 0 without values.
    std::vector<double> abWert() const;
    std::vector<double> genau() const;
};

enum class Groesse { Laenge, Gewicht, Abstand };
inline constexpr Groesse GROESSEN[] = {Groesse::Laenge, Groesse::Gewicht, Groesse::Abstand};

// The mean of a quantity with the half-width of its batch-means interval, where known.
struct Mittelwert {
    double wert = 0;
    std::optional<double> halbbreite;
};

struct Buendelstatistik {
    std::uint64_t schutz = 1;
    std::uint64_t bits = 0;  // length of the sequence
    Verteilung laenge, gewicht, abstand;
    Mittelwert mittel[3];  // by Groesse

    const Verteilung& von(Groesse g) const {
        return g == Groesse::Laenge ? laenge : g == Groesse::Gewicht ? gewicht : abstand;
    }
    std::uint64_t buendel() const { return laenge.werte; }
};

// Bursts into the three distributions; with `chargen` > 1 and a known length also into
// that many equal parts of the sequence for the batch-means intervals (a burst belongs to
// the part of its last error, the gap before it with it).
class Buendelzaehler {
public:
    Buendelzaehler(std::uint64_t schutz, int K, std::uint64_t bits = 0, int chargen = 0);

    void fehler(std::uint64_t pos) {
        finder_.fehler(pos, [this](const Buendel& b, std::uint64_t abstand) { eintragen(b, abstand); });
    }
    void ende(std::uint64_t bits);

    Buendelstatistik ergebnis() const;

private:
    void eintragen(const Buendel& b, std::uint64_t abstand);

    struct Charge {
        std::uint64_t buendel = 0, laengen = 0, gewichte = 0, abstaende = 0, abstandssumme = 0;
    };
    Buendelfinder finder_;
    Buendelstatistik s_;
    std::uint64_t chargenlaenge_ = 0;
    std::vector<Charge> chargen_;
};

}  // namespace zor
