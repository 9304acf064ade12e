// zor kenngroessen MODEL [--lags D] [--json]
#include "befehle.h"
#include "json_ausgabe.h"
#include "kurven_ausgabe.h"
#include "modell_optionen.h"

#include "core/models/eingaberegeln.h"
#include "core/models/kenngroessen.h"

#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung kenngroessenEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        std::string lags = "50";
        bool json = false;
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_option("--lags", o->lags, "höchster Abstand D der Korrelation für die Korrelationsdauer (20 bis 100)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");

    return [o]() {
        const auto D = abszisseLesen(o->lags);
        if (!D) return FALSCHE_EINGABE;
        const auto wahl = satzAusOptionen(o->modell, 0, true);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        const auto k = zor::kenngroessen(wahl.satz, *D);
        if (!k) {
            std::cerr << "Kenngrößen gibt es für die Modelle BSC, GE, MC und SW, nicht für eine Datei.\n";
            return FALSCHE_EINGABE;
        }
        const auto zeilen = zor::kennzeilen(*k);
        if (o->json) {
            JsonObjekt objekt;
            for (const auto& z : zeilen) objekt.zahl(z.schluessel, z.wert);
            std::cout << objekt.json() << '\n';
        } else {
            for (const auto& z : zeilen) std::cout << z.schluessel << '=' << kurvenzahl(z.wert) << '\n';
        }
        return ERFOLG;
    };
}

}  // namespace zorcli
