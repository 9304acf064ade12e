#include "core/documents/protokoll.h"

#include "core/documents/kennzeilen.h"
#include "core/documents/kurven_malen.h"
#include "core/models/kenngroessen.h"
#include "core/models/satzparameter.h"
#include "core/util/format.h"

namespace zor {
namespace {

struct Parameterzeile {
    const char* name;
    int index;
};

// The parameters of each model in the dialogs' order; seed and N come first for all.
std::vector<Parameterzeile> parameterzeilen(Modellart art) {
    switch (art) {
    case Modellart::BSC: return {{"Fehlerwahrscheinlichkeit p", bsc::p}};
    case Modellart::GE:
    case Modellart::MC: {
        const bool ge = art == Modellart::GE;
        return {{ge ? "p(G|B)" : "q(G|B)", gemc::Good_From_Bad},
                {ge ? "p(B|G)" : "q(B|G)", gemc::Bad_From_Good},
                {ge ? "p(G|G)" : "q(G|G)", gemc::Good_From_Good},
                {ge ? "p(B|B)" : "q(B|B)", gemc::Bad_From_Bad},
                {"Fehlerwahrscheinlichkeit im Zustand GOOD", gemc::Good},
                {"Fehlerwahrscheinlichkeit im Zustand BAD", gemc::Bad}};
    }
    case Modellart::SW:
        return {{"pZ1", sw::pZ1},
                {"pZ2", sw::pZ2},
                {"pZ3", sw::pZ3},
                {"Zustand Z1: e1", sw::pFehlerZ1},
                {"Zustand Z2: e2", sw::pFehlerZ2},
                {"Zustand Z3: e3", sw::pFehlerZ3}};
    default: return {};
    }
}

// GE, MC and SW keep the seed at the same index.
int startwertIndex(Modellart art) { return art == Modellart::BSC ? int{bsc::Startwert} : int{gemc::Startwert}; }

}  // namespace

Protokollabschnitt protokollSatz(const ZorState& s, int satz) {
    Protokollabschnitt a;
    const Satzparameter p = satzparameter(s, satz);
    a.titel = format("Parametersatz %d", satz + 1);
    if (p.art == Modellart::Inaktiv) {
        a.zeilen.emplace_back("inaktiv");
        return a;
    }
    a.zeilen.push_back(legendenzeile(s, satz));
    if (p.art == Modellart::Datei) {
        a.zeilen.push_back("Datei: " + p.Datei.szFileName);
        a.zeilen.push_back(format("Art: %s, Länge %lld Byte", p.Datei.datei == 1 ? "FFO" : "FAB",
                                  static_cast<long long>(p.Datei.laenge)));
        return a;
    }
    a.zeilen.push_back(
        format("Startwert Zufallsgenerator SWZ = %.0f", static_cast<double>(p.Wert[startwertIndex(p.art)])));
    a.zeilen.push_back(format("Durchläufe bei Simulation N = %llu", static_cast<unsigned long long>(p.Durchlaeufe)));
    for (const Parameterzeile& z : parameterzeilen(p.art))
        a.zeilen.push_back(format("%s = %.7g", z.name, static_cast<double>(p.Wert[static_cast<std::size_t>(z.index)])));
    if (const auto k = kenngroessen(s, satz)) {
        a.zeilen.emplace_back("Kenngrößen:");
        for (const Kennzeile& z : kennzeilen(*k)) a.zeilen.push_back("  " + kennzeileText(z));
    }
    return a;
}

Protokollabschnitt protokollDauern(const ZorState& s) {
    Protokollabschnitt a{"Korrelationsdauern (Fehlerkorrelationsfunktion)", {}};
    for (int satz = 0; satz < 2; ++satz) {
        const auto v = satzSicht(s, satz);
        if (v.M == 0) continue;
        const Konfidenz& k = v.FKF_konfidenz;
        if (v.DK == 0)
            a.zeilen.push_back(format("Satz %d: D_k = 0 (%s)", satz + 1, TEXT_KEINE_ABKLINGENDE_KORRELATION));
        else if (s.FKF_band && k)
            a.zeilen.push_back(format("Satz %d: D_k = %.2f (95 %%: %.2f – %.2f)", satz + 1, static_cast<double>(v.DK),
                                      static_cast<double>(k.dauerUnten), static_cast<double>(k.dauerOben)));
        else
            a.zeilen.push_back(format("Satz %d: D_k = %.2f (= %.3e / %.3e)", satz + 1, static_cast<double>(v.DK),
                                      static_cast<double>(v.zaehler), static_cast<double>(v.nenner)));
    }
    return a;
}

}  // namespace zor
