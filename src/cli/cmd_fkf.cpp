// zor fkf MODEL [--theory] [--lags D] [--method general|renewal] [--band] [--json]
#include "befehle.h"
#include "kurven_ausgabe.h"
#include "core/models/eingaberegeln.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"

#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung fkfEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        bool theorie = false, band = false, json = false, csvDe = false;
        std::string lags = "50";
        std::string methode = "general";
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_flag("--theory", o->theorie, "theoretische Kurve statt Simulation");
    sub.add_option("--lags", o->lags, "höchster Abstand D der Korrelation (20 bis 100)");
    sub.add_option("--method", o->methode, "Berechnungsmethode: general (Allg.-Gl. 1.19) oder renewal (aus FAV-Gl. 1.26)");
    sub.add_flag("--band", o->band,
                 "95-%-Konfidenzband: Spalten lower,upper (JSON: Felder lower, upper und das Intervall der Korrelationsdauer)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");
    csvDeHinzufuegen(sub, o->csvDe);

    return [o]() {
        const auto D = abszisseLesen(o->lags);
        if (!D) return FALSCHE_EINGABE;
        if (o->methode != "general" && o->methode != "renewal") {
            std::cerr << "Unbekannte Berechnungsmethode: " << o->methode << " (general oder renewal)\n";
            return FALSCHE_EINGABE;
        }
        const auto wahl = satzAusOptionen(o->modell, 0, o->theorie, true);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        if (o->band && !gezaehlt(wahl.satz)) return ablehnen({zor::TEXT_BAND_NUR_GEZAEHLT});
        TerminalFortschritt fortschritt;
        const auto e = zor::FKF_Satz(wahl.satz, *D, o->methode == "renewal" ? 1 : 0, fortschritt);
        if (meldungenAusgeben(e)) return FEHLGESCHLAGEN;
        const zor::Korrelationswerte& w = e.dauer;
        const zor::Konfidenz& k = e.konfidenz;
        std::vector<std::pair<std::string, std::string>> weitere = {
            {"Korrelationsdauer", kurvenzahl(w.DK)},
            {"zaehler", kurvenzahl(w.zaehler)},
            {"nenner", kurvenzahl(w.nenner)},
            {"Korrelationsdauer_hinweis", jsonTextOderNull(w.DK == 0 ? zor::TEXT_KEINE_ABKLINGENDE_KORRELATION : "")}};
        if (o->band) {
            weitere.emplace_back("Korrelationsdauer_intervall",
                                 k ? jsonFeld({jsonZahl(k.dauerUnten), jsonZahl(k.dauerOben)}) : "null");
            weitere.emplace_back("hinweis", bandHinweis(k, e.kurve, zor::bandPruefpunkt(false)));
        }
        kurveAusgeben(e.kurve, {o->json, o->csvDe}, weitere, e.ms, e.meldungen, {o->band, k ? &k.band : nullptr});
        return ERFOLG;
    };
}

}  // namespace zorcli
