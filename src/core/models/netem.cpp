#include "core/models/netem.h"

#include "core/models/eingaberegeln.h"
#include "core/util/format.h"
#include "core/util/zahlpruefung.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

namespace zor {
namespace {

std::vector<std::string_view> woerter(std::string_view zeile) {
    std::vector<std::string_view> w;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && std::isspace(static_cast<unsigned char>(zeile[i]))) ++i;
        const std::size_t anfang = i;
        while (i < zeile.size() && !std::isspace(static_cast<unsigned char>(zeile[i]))) ++i;
        if (i > anfang) w.push_back(zeile.substr(anfang, i - anfang));
    }
    return w;
}

// As the emulator's own reader: an optional value follows while the next word starts
// like a number. Signs count too, so that "-1%" is refused rather than passed over.
bool zahlartig(std::string_view w) {
    return !w.empty() && (std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '.' || w[0] == '-' || w[0] == '+');
}

// A percentage "12.5%" or "12.5", 0 to 100, in the dialogs' number syntax.
std::optional<double> prozent(std::string_view w) {
    if (!w.empty() && w.back() == '%') w.remove_suffix(1);
    if (fehler(w) != 0) return std::nullopt;
    const double v = std::strtod(std::string(w).c_str(), nullptr);
    if (!(v >= 0.0 && v <= 100.0)) return std::nullopt;
    return v;
}

float anteil(double prozentwert) { return static_cast<float>(prozentwert / 100.0); }

std::string prozentText(float v) {
    for (int stellen = 0; stellen <= 60; ++stellen) {
        const std::string t = format("%.*f", stellen, static_cast<double>(v) * 100.0);
        if (anteil(std::strtod(t.c_str(), nullptr)) == v) return t + "%";
    }
    return format("%.9g%%", static_cast<double>(v) * 100.0);
}

NetemErgebnis abgelehnt(std::string text) { return {std::nullopt, std::move(text)}; }

// The values after "gemodel" or "random", up to the first word that is no number.
struct Werte {
    std::vector<double> zahlen;
    std::string fehler;
};
Werte werteLesen(const std::vector<std::string_view>& w, std::size_t ab, const char* const* namen, std::size_t anzahl) {
    Werte r;
    for (std::size_t i = ab; i < w.size() && r.zahlen.size() < anzahl && zahlartig(w[i]); ++i) {
        const auto v = prozent(w[i]);
        if (!v) {
            r.fehler = "Unzulässige Prozentangabe „" + std::string(w[i]) + "“ bei " + namen[r.zahlen.size()] +
                       ": erlaubt sind Zahlen von 0 bis 100, mit Dezimalpunkt (kein Komma), wahlweise mit %.";
            return r;
        }
        r.zahlen.push_back(*v);
    }
    return r;
}

NetemErgebnis gemodel(const std::vector<std::string_view>& w, std::size_t ab) {
    static constexpr const char* NAMEN[] = {"p", "r", "1-h", "1-k"};
    const Werte v = werteLesen(w, ab, NAMEN, 4);
    if (!v.fehler.empty()) return abgelehnt(v.fehler);
    if (v.zahlen.empty()) return abgelehnt("Nach „loss gemodel“ fehlt p, die Übergangswahrscheinlichkeit GOOD → BAD in Prozent.");
    const double p = v.zahlen[0];
    const double r = v.zahlen.size() > 1 ? v.zahlen[1] : 100.0 - p;
    NetemModell m;
    m.art = Modellart::GE;
    m.Bad_From_Good = anteil(p);
    m.Good_From_Bad = anteil(r);
    m.Bad = anteil(v.zahlen.size() > 2 ? v.zahlen[2] : 100.0);
    m.Good = anteil(v.zahlen.size() > 3 ? v.zahlen[3] : 0.0);
    if (!geUebergangGueltig(m.Bad_From_Good) || !geUebergangGueltig(m.Good_From_Bad))
        return abgelehnt("p und r müssen größer als 0 % sein: im Gilbert-Elliott-Modell wird jeder Zustand "
                         "betreten und wieder verlassen (Übergänge > 0).");
    return {m, {}};
}

NetemErgebnis zufallsverlust(const std::vector<std::string_view>& w, std::size_t ab) {
    static constexpr const char* NAMEN[] = {"P", "der Korrelation"};
    const Werte v = werteLesen(w, ab, NAMEN, 2);
    if (!v.fehler.empty()) return abgelehnt(v.fehler);
    if (v.zahlen.empty()) return abgelehnt("Nach „loss random“ fehlt P, die Verlustwahrscheinlichkeit in Prozent.");
    if (v.zahlen.size() > 1 && v.zahlen[1] != 0.0)
        return abgelehnt("Eine Korrelation bei „loss random“ wird nicht unterstützt (das Handbuch von netem rät "
                         "selbst davon ab); für gebündelte Verluste „loss gemodel“ verwenden.");
    NetemModell m;
    m.art = Modellart::BSC;
    m.p = anteil(v.zahlen[0]);
    return {m, {}};
}

}  // namespace

NetemErgebnis netemLesen(std::string_view zeile) {
    const auto w = woerter(zeile);
    std::size_t loss = w.size();
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] != "loss") continue;
        if (loss != w.size()) return abgelehnt("Die Zeile enthält mehr als ein „loss“.");
        loss = i;
    }
    if (loss == w.size() || loss + 1 == w.size())
        return abgelehnt(std::string("Die Zeile enthält kein Verlustmodell von netem.\n") + TEXT_NETEM_UNTERSTUETZT);
    const std::string_view art = w[loss + 1];
    if (art == "gemodel") return gemodel(w, loss + 2);
    if (art == "random") return zufallsverlust(w, loss + 1 + 1);
    if (zahlartig(art)) return zufallsverlust(w, loss + 1);  // "loss 1%": the short form of random
    if (art == "state")
        return abgelehnt(std::string("Das 4-Zustands-Modell „loss state …“ wird nicht unterstützt.\n") +
                         TEXT_NETEM_UNTERSTUETZT);
    return abgelehnt("Unbekanntes Verlustmodell „" + std::string(art) + "“.\n" + TEXT_NETEM_UNTERSTUETZT);
}

void netemEintragen(const NetemModell& m, std::span<float> werte) {
    if (m.art == Modellart::BSC && werte.size() == std::tuple_size_v<BscWerte>) {
        werte[bsc::p] = m.p;
    } else if (m.art == Modellart::GE && werte.size() == std::tuple_size_v<ModellWerte>) {
        ModellWerte w;
        std::copy(werte.begin(), werte.end(), w.begin());
        w[gemc::Good_From_Bad] = m.Good_From_Bad;
        w[gemc::Bad_From_Good] = m.Bad_From_Good;
        w[gemc::Good] = m.Good;
        w[gemc::Bad] = m.Bad;
        uebergaengeErgaenzen(w);
        std::copy(w.begin(), w.end(), werte.begin());
    }
}

void netemEintragen(const NetemModell& m, Satzparameter& p) {
    if (p.art == m.art) netemEintragen(m, std::span(p.Wert).first(m.art == Modellart::BSC ? 3 : 8));
}

std::optional<std::string> netemZeile(const Satzparameter& p) {
    return netemZeile(p.art, std::span(p.Wert).first(p.art == Modellart::BSC ? 3 : 8));
}

std::optional<std::string> netemZeile(Modellart art, std::span<const float> w) {
    if (art == Modellart::BSC && w.size() == std::tuple_size_v<BscWerte>) return "loss random " + prozentText(w[bsc::p]);
    if (art != Modellart::GE || w.size() != std::tuple_size_v<ModellWerte>) return std::nullopt;
    return "loss gemodel " + prozentText(w[gemc::Bad_From_Good]) + " " + prozentText(w[gemc::Good_From_Bad]) + " " +
           prozentText(w[gemc::Bad]) + " " + prozentText(w[gemc::Good]);
}

}  // namespace zor
