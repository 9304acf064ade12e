#include "core/models/kenngroessen.h"

#include "core/models/fkf.h"
#include "core/models/parametereingabe.h"

#include <array>
#include <cmath>
#include <limits>

namespace zor {
namespace {

constexpr double UNENDLICH = std::numeric_limits<double>::infinity();

double kehrwert(double x) { return x > 0 ? 1.0 / x : UNENDLICH; }

// Mean length of a run of adjacent errors when an error is followed by another with
// probability f1, independently of the run so far.
double fehlerlauf(double f1) { return f1 < 1 ? 1.0 / (1.0 - f1) : UNENDLICH; }

double korrelationsdauer(Modellart art, const float* w, int D) {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> r{};
    const Kurve R = Kurve(r).first(static_cast<std::size_t>(D) + 1);
    switch (art) {
    case Modellart::BSC: FKF_BSC_THEORIE(w, R); break;
    case Modellart::GE: FKF_GE_THEORIE(w, R); break;
    case Modellart::MC: FKF_MC_THEORIE(w, R); break;
    default: FKF_SW_THEORIE(w, R); break;
    }
    return Korrelationsdauer(R).DK;
}

// GE and MC: a chain of GOOD and BAD that leaves GOOD with `zuBad` and BAD with `zuGood`
// per bit. Without any change each state holds half the bits, as the start draw gives.
Kenngroessen zweiZustaende(double eG, double eB, double zuBad, double zuGood) {
    const double mB = zuBad + zuGood > 0 ? zuBad / (zuBad + zuGood) : 0.5;
    Kenngroessen k;
    k.fehlerwahrscheinlichkeit = (1 - mB) * eG + mB * eB;
    k.zustaende = {{"GOOD", 1 - mB, kehrwert(zuBad)}, {"BAD", mB, kehrwert(zuGood)}};
    k.buendellaenge = k.zustaende[1].verweildauer;
    return k;
}

// SW draws a state per gap, independently: state i holds c_i / e_i of the mean gap.
// Terms with e_i = 0 count 0, as in the theory's mean gap.
Kenngroessen dreiZustaende(const float* w) {
    const double c[3] = {w[sw::pZ1], w[sw::pZ2], w[sw::pZ3]};
    const double e[3] = {w[sw::pFehlerZ1], w[sw::pFehlerZ2], w[sw::pFehlerZ3]};
    static constexpr const char* NAMEN[3] = {"Z1", "Z2", "Z3"};
    double G = 0, f1 = 0;
    for (int i = 0; i < 3; ++i) {
        if (e[i] > 0) G += c[i] / e[i];
        f1 += c[i] * e[i];
    }
    Kenngroessen k;
    k.fehlerwahrscheinlichkeit = kehrwert(G) == UNENDLICH ? 0.0 : 1.0 / G;
    for (int i = 0; i < 3; ++i) {
        const double anteil = G > 0 && e[i] > 0 ? c[i] / e[i] / G : 0.0;
        // A stay is a run of gaps drawn in the same state: 1 / (1 - c_i) gaps of 1 / e_i bits.
        k.zustaende.push_back({NAMEN[i], anteil, kehrwert((1 - c[i]) * e[i])});
    }
    k.buendellaenge = fehlerlauf(f1);
    return k;
}

}  // namespace

std::optional<Kenngroessen> kenngroessen(Modellart art, std::span<const float> werte, int D) {
    const std::size_t groesse = art == Modellart::BSC ? std::tuple_size_v<BscWerte> : std::tuple_size_v<ModellWerte>;
    if (werte.size() != groesse || D < 2 || D >= FKF_PUNKTE) return std::nullopt;
    const float* w = werte.data();
    Kenngroessen k;
    switch (art) {
    case Modellart::BSC:
        k.fehlerwahrscheinlichkeit = w[bsc::p];
        k.buendellaenge = fehlerlauf(w[bsc::p]);
        break;
    case Modellart::GE:
        k = zweiZustaende(w[gemc::Good], w[gemc::Bad], w[gemc::Bad_From_Good], w[gemc::Good_From_Bad]);
        break;
    case Modellart::MC:
        // The state changes only after an error: per bit with e * q.
        k = zweiZustaende(w[gemc::Good], w[gemc::Bad], static_cast<double>(w[gemc::Good]) * w[gemc::Bad_From_Good],
                          static_cast<double>(w[gemc::Bad]) * w[gemc::Good_From_Bad]);
        break;
    case Modellart::SW: k = dreiZustaende(w); break;
    default: return std::nullopt;
    }
    k.abstand = kehrwert(k.fehlerwahrscheinlichkeit);
    k.korrelationsdauer = korrelationsdauer(art, w, D);
    return k;
}

std::optional<Kenngroessen> kenngroessen(const Satzparameter& p, int D) {
    return kenngroessen(p.art, std::span(p.Wert).first(p.art == Modellart::BSC ? 3 : 8), D);
}

std::optional<Kenngroessen> kenngroessen(const ZorState& s, int satz) {
    return kenngroessen(satzparameter(s, satz), s.FKF_defbereich);
}

std::optional<Kenngroessen> kenngroessenAusEingaben(Modellart art, std::span<const std::string> texte, int D) {
    const bool bscArt = art == Modellart::BSC;
    std::array<float, 8> werte{};
    const std::size_t groesse = bscArt ? 3 : 8;
    if (texte.size() != groesse) return std::nullopt;
    std::vector<std::string> t(texte.begin(), texte.end());
    const int start = bscArt ? int{bsc::Startwert} : int{gemc::Startwert};
    const int laeufe = bscArt ? int{bsc::Durchlaeufe} : int{gemc::Durchlaeufe};
    t[static_cast<std::size_t>(start)] = t[static_cast<std::size_t>(laeufe)] = "1";
    const std::span<float> w = std::span(werte).first(groesse);
    if (!parameterPruefen(art, t, w)) return std::nullopt;
    return kenngroessen(art, w, D);
}

std::vector<Kennzeile> kennzeilen(const Kenngroessen& k) {
    std::vector<Kennzeile> z = {
        {"Fehlerwahrscheinlichkeit", "mittlere Fehlerwahrscheinlichkeit", "pm", k.fehlerwahrscheinlichkeit, false}};
    for (const auto& s : k.zustaende)
        if (std::string(s.name) != "GOOD")
            z.push_back({std::string("Anteil_") + s.name, std::string("Anteil der Bits in ") + s.name,
                         std::string("Anteil ") + s.name, s.anteil, false});
    for (const auto& s : k.zustaende)
        z.push_back({std::string("Verweildauer_") + s.name, std::string("mittlere Verweildauer in ") + s.name,
                     std::string("Verweildauer ") + s.name, s.verweildauer, true});
    z.push_back({"Fehlerabstand", "mittlerer Fehlerabstand", "Fehlerabstand", k.abstand, true});
    z.push_back({"Buendellaenge", "mittlere Bündellänge", "Bündellänge", k.buendellaenge, true});
    z.push_back({"Korrelationsdauer", "Korrelationsdauer", "Korrelationsdauer", k.korrelationsdauer, true});
    return z;
}

}  // namespace zor
