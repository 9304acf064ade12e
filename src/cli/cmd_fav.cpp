// zor fav MODEL [--theory] [--points D] [--ak] [--band] [--json]
#include "befehle.h"
#include "kurven_ausgabe.h"
#include "core/models/eingaberegeln.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"

#include <iostream>
#include <memory>
#include <vector>

namespace zorcli {

Ausfuehrung favEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        bool theorie = false, ak = false, band = false, json = false, csvDe = false;
        std::string punkte = "50";
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_flag("--theory", o->theorie, "theoretische Kurve statt Simulation");
    sub.add_option("--points", o->punkte, "Anzahl der Fehlerabstände k = 1..D (20 bis 100)");
    sub.add_flag("--ak", o->ak, "Wahrscheinlichkeiten p(a=k) statt P(a>=k)");
    sub.add_flag("--band", o->band, "95-%-Konfidenzband: Spalten lower,upper (JSON: Felder lower, upper)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");
    csvDeHinzufuegen(sub, o->csvDe);

    return [o]() {
        const auto d = abszisseLesen(o->punkte);
        if (!d) return FALSCHE_EINGABE;
        const auto wahl = satzAusOptionen(o->modell, 0, o->theorie, true);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        if (o->band && !gezaehlt(wahl.satz)) return ablehnen({zor::TEXT_BAND_NUR_GEZAEHLT});
        TerminalFortschritt fortschritt;
        auto e = zor::FAV_Satz(wahl.satz, *d, fortschritt);
        if (meldungenAusgeben(e)) return FEHLGESCHLAGEN;
        if (o->ak) {
            std::vector<zor::STRUCT_PUNKT> ak(e.kurve.size());
            zor::FAV_Punktwahrscheinlichkeiten(e.kurve, ak);
            e.kurve = std::move(ak);
        }
        const zor::Konfidenz& k = e.konfidenz;
        std::vector<std::pair<std::string, std::string>> weitere;
        if (o->band) weitere.emplace_back("hinweis", bandHinweis(k, e.kurve, zor::bandPruefpunkt(o->ak)));
        kurveAusgeben(e.kurve, {o->json, o->csvDe}, weitere, e.ms, {},
                      {o->band, k ? (o->ak ? &k.punktband : &k.band) : nullptr});
        return ERFOLG;
    };
}

}  // namespace zorcli
