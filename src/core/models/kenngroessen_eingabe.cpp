#include "core/models/kenngroessen_eingabe.h"

#include "core/models/eingaberegeln.h"
#include "core/util/format.h"
#include "core/util/zahlpruefung.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zor {
namespace {

constexpr double UNENDLICH = std::numeric_limits<double>::infinity();

Zielbereich bereich(double von, bool vonOffen, double bis, bool bisOffen) {
    Zielbereich b{von, bis, vonOffen, bisOffen, false};
    b.leer = !(von < bis || (von == bis && !vonOffen && !bisOffen));
    return b;
}

Zielbereich keiner() { return {0, 0, false, false, true}; }

// GE: p(G|B) = 1 / L, and the share of BAD, (pm - eG) / (eB - eG), must come from a
// p(B|G) in (0, 1]: (pm - eG) / (eB - pm) <= L.
Zielbereich geBereich(const Zielwerte& z, Zielfeld feld) {
    const double pm = z.fehlerwahrscheinlichkeit, L = z.buendellaenge, eB = z.fehlerBad, eG = z.fehlerGood;
    switch (feld) {
    case Zielfeld::Fehlerwahrscheinlichkeit:
        if (!(L >= 1) || !(eB > eG)) return keiner();
        return bereich(eG, true, (L * eB + eG) / (L + 1), false);
    case Zielfeld::Buendellaenge:
        if (!(eG < pm && pm < eB)) return keiner();
        return bereich(std::max(1.0, (pm - eG) / (eB - pm)), false, UNENDLICH, false);
    case Zielfeld::FehlerBad:
        if (!(L >= 1) || !(pm > eG)) return keiner();
        return bereich(pm + (pm - eG) / L, false, 1.0, false);
    case Zielfeld::FehlerGood:
        if (!(L >= 1)) return keiner();
        return bereich(std::max(0.0, pm - L * (eB - pm)), false, pm, true);
    }
    return keiner();
}

// MC: the state changes after errors, so per bit BAD is left with eB q(G|B) = 1 / L and
// GOOD with eG q(B|G); both q must lie in [0, 1], and eG > 0.
Zielbereich mcBereich(const Zielwerte& z, Zielfeld feld) {
    const double pm = z.fehlerwahrscheinlichkeit, L = z.buendellaenge, eB = z.fehlerBad, eG = z.fehlerGood;
    switch (feld) {
    case Zielfeld::Fehlerwahrscheinlichkeit:
        if (!(eG > 0) || !(eB > eG) || !(L * eB >= 1)) return keiner();
        return bereich(eG, false, eG * (1 + L * eB) / (1 + L * eG), false);
    case Zielfeld::Buendellaenge:
        if (!(eG > 0) || !(eG <= pm && pm < eB)) return keiner();
        return bereich(std::max(1.0 / eB, (pm - eG) / ((eB - pm) * eG)), false, UNENDLICH, false);
    case Zielfeld::FehlerBad: {
        if (!(eG > 0) || !(pm >= eG) || !(L >= 1)) return keiner();
        const double von = pm + (pm - eG) / (L * eG);
        if (1.0 / L > von) return bereich(1.0 / L, false, 1.0, false);
        return bereich(von, von == pm, 1.0, false);  // BAD must err more often than the mean
    }
    case Zielfeld::FehlerGood:
        if (!(pm > 0) || !(pm < eB) || !(L * eB >= 1)) return keiner();
        return bereich(pm / (1 + L * (eB - pm)), false, pm, false);
    }
    return keiner();
}

double wertVon(const Zielwerte& z, Zielfeld feld) {
    switch (feld) {
    case Zielfeld::Fehlerwahrscheinlichkeit: return z.fehlerwahrscheinlichkeit;
    case Zielfeld::Buendellaenge: return z.buendellaenge;
    case Zielfeld::FehlerBad: return z.fehlerBad;
    case Zielfeld::FehlerGood: return z.fehlerGood;
    }
    return 0;
}

bool imBereich(const Zielbereich& b, double v) {
    if (b.leer || std::isnan(v)) return false;
    const bool unten = b.vonOffen ? v > b.von : v >= b.von;
    const bool oben = b.bis == UNENDLICH || (b.bisOffen ? v < b.bis : v <= b.bis);
    return unten && oben;
}

// Seven significant digits; a closed bound is rounded inwards, so that typing the number
// shown is accepted.
std::string grenze(double v, int richtung) {
    std::string t = format("%.7g", v);
    const double gezeigt = std::strtod(t.c_str(), nullptr);
    if (v != 0 && richtung != 0 && (gezeigt - v) * richtung < 0) {
        const double stelle = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 6);
        t = format("%.7g", gezeigt + richtung * stelle);
    }
    return t;
}

std::string bereichsmeldung(Modellart art, Zielfeld feld, const Zielbereich& b) {
    const std::string name = zielfeldName(feld);
    if (b.leer) {
        const char* bedingung =
            art == Modellart::GE
                ? "Es muss gelten: Fehlerwahrscheinlichkeit in GOOD < mittlere Fehlerwahrscheinlichkeit < "
                  "Fehlerwahrscheinlichkeit in BAD, mittlere Bündellänge mindestens 1 Bit."
                : "Es muss gelten: 0 < Fehlerwahrscheinlichkeit in GOOD <= mittlere Fehlerwahrscheinlichkeit < "
                  "Fehlerwahrscheinlichkeit in BAD, mittlere Bündellänge mindestens 1 / Fehlerwahrscheinlichkeit in BAD.";
        return "Bei den übrigen Angaben ist für " + name + " kein Wert möglich.\n" + bedingung;
    }
    const char* einheit = feld == Zielfeld::Buendellaenge ? " Bit" : "";
    std::string t = "Mögliche Werte für " + name + " bei den übrigen Angaben: ";
    t += (b.vonOffen ? "größer als " + grenze(b.von, 0) : "mindestens " + grenze(b.von, 1)) + einheit;
    if (b.bis != UNENDLICH)
        t += std::string(" und ") + (b.bisOffen ? "kleiner als " + grenze(b.bis, 0) : "höchstens " + grenze(b.bis, -1)) +
             einheit;
    return t + ".";
}

}  // namespace

const char* zielfeldName(Zielfeld feld) {
    switch (feld) {
    case Zielfeld::Fehlerwahrscheinlichkeit: return "die mittlere Fehlerwahrscheinlichkeit";
    case Zielfeld::Buendellaenge: return "die mittlere Bündellänge (Verweildauer in BAD)";
    case Zielfeld::FehlerBad: return "die Fehlerwahrscheinlichkeit in BAD";
    case Zielfeld::FehlerGood: return "die Fehlerwahrscheinlichkeit in GOOD";
    }
    return "";
}

Zielbereich zielbereich(Modellart art, const Zielwerte& z, Zielfeld feld) {
    if (art == Modellart::GE) return geBereich(z, feld);
    if (art == Modellart::MC) return mcBereich(z, feld);
    return keiner();
}

Zielergebnis uebergaengeAusZielen(Modellart art, const Zielwerte& z, Zielfeld bearbeitet) {
    const Zielbereich b = zielbereich(art, z, bearbeitet);
    if (!imBereich(b, wertVon(z, bearbeitet))) return {std::nullopt, bereichsmeldung(art, bearbeitet, b), z};
    const double pm = z.fehlerwahrscheinlichkeit, L = z.buendellaenge, eB = z.fehlerBad, eG = z.fehlerGood;
    const double mB = (pm - eG) / (eB - eG);
    const double gb = art == Modellart::GE ? 1.0 / L : 1.0 / (eB * L);
    const double bg = art == Modellart::GE ? gb * mB / (1 - mB) : mB / ((1 - mB) * eG * L);
    // At a bound the quotients may land a rounding step outside [0, 1].
    const Zieluebergaenge u{static_cast<float>(std::clamp(gb, 0.0, 1.0)), static_cast<float>(std::clamp(bg, 0.0, 1.0))};
    if (art == Modellart::GE && (u.Good_From_Bad == 0.0f || u.Bad_From_Good == 0.0f))
        return {std::nullopt, bereichsmeldung(art, bearbeitet, b), z};
    return {u, {}, z};
}

Zielergebnis uebergaengeAusZieltexten(Modellart art, const std::array<std::string, 4>& texte, Zielfeld bearbeitet) {
    double werte[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto feld = static_cast<Zielfeld>(i);
        const std::string& t = texte[static_cast<std::size_t>(i)];
        std::optional<double> v;
        if (feld == Zielfeld::Buendellaenge) {
            if (fehler(t) == 0) v = std::atof(t.c_str());
        } else if (const auto p = wahrscheinlichkeitEingabe(t)) {
            v = *p;
        }
        if (v) {
            werte[i] = *v;
        } else if (feld != bearbeitet) {
            return {std::nullopt, std::string("Unzulässige Eingabe für ") + zielfeldName(feld) +
                                      ": Wahrscheinlichkeiten von 0 bis 1, die Bündellänge in Bit, "
                                      "mit Dezimalpunkt (kein Komma).",
                    {}};
        } else {
            werte[i] = std::numeric_limits<double>::quiet_NaN();  // refused below, with its range
        }
    }
    return uebergaengeAusZielen(art, {werte[0], werte[1], werte[2], werte[3]}, bearbeitet);
}

void zieleEintragen(ModellWerte& w, const Zielwerte& z, const Zieluebergaenge& u) {
    w[gemc::Good] = static_cast<float>(z.fehlerGood);
    w[gemc::Bad] = static_cast<float>(z.fehlerBad);
    w[gemc::Good_From_Bad] = u.Good_From_Bad;
    w[gemc::Bad_From_Good] = u.Bad_From_Good;
    uebergaengeErgaenzen(w);
}

}  // namespace zor
