// zor fav MODEL [--theory] [--points D] [--ak] [--json]
#include "befehle.h"
#include "kurven_ausgabe.h"
#include "core/models/eingaberegeln.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/models/kurven_ermitteln.h"

#include <iostream>
#include <memory>
#include <vector>

namespace zorcli {

Ausfuehrung favEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        bool theorie = false, ak = false, json = false;
        std::string punkte = "50";
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_flag("--theory", o->theorie, "theoretische Kurve statt Simulation");
    sub.add_option("--points", o->punkte, "Anzahl der Fehlerabstände k = 1..D (20 bis 100)");
    sub.add_flag("--ak", o->ak, "Wahrscheinlichkeiten p(a=k) statt P(a>=k)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");

    return [o]() {
        const auto d = zor::abszisseEingabe(o->punkte);
        if (!d) {
            std::cerr << zor::TEXT_FEHLEINGABE_ABSZISSE << '\n';
            return FALSCHE_EINGABE;
        }
        const auto wahl = satzAusOptionen(o->modell, 0, o->theorie);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        TerminalFortschritt fortschritt;
        auto e = zor::FAV_Satz(wahl.satz, *d, fortschritt);
        if (meldungenAusgeben(e)) return FEHLGESCHLAGEN;
        if (o->ak) {
            std::vector<zor::STRUCT_PUNKT> ak(e.kurve.size());
            zor::FAV_Punktwahrscheinlichkeiten(e.kurve, ak);
            e.kurve = std::move(ak);
        }
        kurveAusgeben(e.kurve, o->json, {}, e.ms, {});
        return ERFOLG;
    };
}

}  // namespace zorcli
