#pragma once
// Gap counting shared by the error-gap distribution and the renewal estimate of the
// error-correlation function. Counts are integers: a float counter stops at 2^24.
// Gaps are counted per batch of the sequence (one batch when no band is wanted): a gap
// belongs to the batch in which its closing error lies, so a gap that crosses a border
// is counted once, whole, and the batches add up to the histogram of the whole sequence.

#include "core/models/chargen.h"
#include "core/models/zor_state.h"
#include "core/util/fortschritt.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zor {

struct Abstandshistogramm {
    // anzahl[j - 1] counts the gaps of length j for j = 1..grenze.
    explicit Abstandshistogramm(int grenze_) : grenze(grenze_) {}

    void zaehlen(long long g) {
        if (g <= grenze)
            ++anzahl[static_cast<std::size_t>(g - 1)];
        else
            ++ueberlauf;
        ++summe;
    }

    Abstandshistogramm& operator+=(const Abstandshistogramm& h) {
        for (std::size_t i = 0; i < anzahl.size(); ++i) anzahl[i] += h.anzahl[i];
        summe += h.summe;
        ueberlauf += h.ueberlauf;
        return *this;
    }

    int grenze;
    std::array<std::int64_t, FKF_PUNKTE> anzahl{};
    long long summe = 0;      // gaps counted
    long long ueberlauf = 0;  // gaps longer than grenze
};

// The gap histograms of the batches of one sequence and the bits each batch covers.
struct Chargenabstaende {
    Chargenabstaende(int grenze, Chargenteilung t)
        : teilung(t), charge(static_cast<std::size_t>(t.anzahl()), Abstandshistogramm(grenze)),
          bits(static_cast<std::size_t>(t.anzahl()), 0) {}

    // The batches' bits when the teilung cuts the bits themselves.
    void bitsNachTeilung() {
        for (int j = 0; j < teilung.anzahl(); ++j)
            bits[static_cast<std::size_t>(j)] = teilung.grenze(j + 1) - teilung.grenze(j);
    }
    Abstandshistogramm gesamt() const {
        Abstandshistogramm h(charge.front().grenze);
        for (const auto& c : charge) h += c;
        return h;
    }
    std::uint64_t alleBits() const {
        std::uint64_t b = 0;
        for (auto x : bits) b += x;
        return b;
    }

    Chargenteilung teilung;
    std::vector<Abstandshistogramm> charge;
    std::vector<std::uint64_t> bits;
};

// Exactly n bits of a bit source, batches cut by bits; a gap counter starts at 1, grows
// per correct bit and restarts after each error. Correct bits after the last error are
// not counted.
template <class Quelle>
void bitsZaehlen(Quelle& q, std::uint64_t bits, Chargenabstaende& c, Fortschritt& f) {
    long long z = 1;
    Schritte::prozent(bits).ueber(0, bits, f, [&](std::uint64_t a, std::uint64_t b) {
        c.teilung.stuecke(a, b, [&](int j, std::uint64_t von, std::uint64_t bis) {
            Abstandshistogramm& h = c.charge[static_cast<std::size_t>(j)];
            for (std::uint64_t i = von; i < bis; ++i) {
                if (q.bit()) {
                    h.zaehlen(z);
                    z = 1;
                } else {
                    ++z;
                }
            }
        });
    });
    c.bitsNachTeilung();
}

// Gaps of a gap source over n bits, batches cut by bits; the gap that reaches or passes
// bit n is not counted. A cancelled job stops early.
template <class Quelle>
void abstaendeInnerhalb(Quelle& q, std::uint64_t n, Chargenabstaende& c, const Fortschritt& f) {
    Abbruchfrage abbruch(f);
    // rest: bits from the last counted error to bit n; unsigned, so no count overflows.
    int j = 0;
    std::uint64_t naechsteGrenze = c.teilung.grenze(1);
    auto g = static_cast<std::uint64_t>(q.naechster().g);
    for (std::uint64_t rest = n; g < rest && !abbruch.jetzt(); g = static_cast<std::uint64_t>(q.naechster().g)) {
        rest -= g;
        // The closing error lies at bit n - rest - 1.
        while (n - rest > naechsteGrenze && j + 1 < c.teilung.anzahl()) naechsteGrenze = c.teilung.grenze(++j + 1);
        c.charge[static_cast<std::size_t>(j)].zaehlen(static_cast<long long>(g));
    }
    c.bitsNachTeilung();
}

// Gaps of a gap source over n bits, the gap that reaches or passes bit n included (it
// falls into the last batch). A cancelled job stops early.
template <class Quelle>
void abstaendeBisUeber(Quelle& q, std::uint64_t n, Chargenabstaende& c, const Fortschritt& f) {
    Abbruchfrage abbruch(f);
    int j = 0;
    std::uint64_t naechsteGrenze = c.teilung.grenze(1);
    for (std::uint64_t rest = n; rest > 0 && !abbruch.jetzt();) {
        const auto g = static_cast<std::uint64_t>(q.naechster().g);
        rest -= g < rest ? g : rest;
        while (n - rest > naechsteGrenze && j + 1 < c.teilung.anzahl()) naechsteGrenze = c.teilung.grenze(++j + 1);
        c.charge[static_cast<std::size_t>(j)].zaehlen(static_cast<long long>(g));
    }
    c.bitsNachTeilung();
}

}  // namespace zor
