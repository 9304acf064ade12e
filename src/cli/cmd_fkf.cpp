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
        bool theorie = false, band = false, json = false;
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

    return [o]() {
        const auto D = zor::abszisseEingabe(o->lags);
        if (!D) {
            std::cerr << zor::TEXT_FEHLEINGABE_ABSZISSE << '\n';
            return FALSCHE_EINGABE;
        }
        if (o->methode != "general" && o->methode != "renewal") {
            std::cerr << "Unbekannte Berechnungsmethode: " << o->methode << " (general oder renewal)\n";
            return FALSCHE_EINGABE;
        }
        auto wahl = zustandAusOptionen(o->modell, 0, o->theorie);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        zor::ZorState& s = wahl.zustand;
        if (o->band && !gezaehlt(s)) return ablehnen({zor::TEXT_BAND_NUR_GEZAEHLT});
        s.FKF_defbereich = *D;
        s.FKF_erneuernd = o->methode == "renewal" ? 1 : 0;
        TerminalFortschritt fortschritt;
        const auto bericht = zor::FKF_Ermitteln(s, fortschritt);
        if (meldungenAusgeben(bericht)) return FEHLGESCHLAGEN;
        const auto kurve = std::span<const zor::STRUCT_PUNKT>(s.ptFKF1).first(static_cast<std::size_t>(*D) + 1);
        const zor::Konfidenz& k = s.konfidenzFKF[0];
        std::vector<std::pair<std::string, std::string>> weitere = {
            {"Korrelationsdauer", kurvenzahl(s.DK1)},
            {"zaehler", kurvenzahl(s.zaehler1)},
            {"nenner", kurvenzahl(s.nenner1)},
            {"Korrelationsdauer_hinweis", jsonTextOderNull(s.DK1 == 0 ? zor::TEXT_KEINE_ABKLINGENDE_KORRELATION : "")}};
        if (o->band) {
            weitere.emplace_back("Korrelationsdauer_intervall",
                                 k ? "[" + kurvenzahl(k.dauerUnten) + ", " + kurvenzahl(k.dauerOben) + "]" : "null");
            weitere.emplace_back("hinweis", bandHinweis(k, kurve, zor::bandPruefpunkt(false)));
        }
        kurveAusgeben(kurve, o->json, weitere, s.FKF_uhr1, bericht.meldungen, {o->band, k ? &k.band : nullptr});
        return ERFOLG;
    };
}

}  // namespace zorcli
