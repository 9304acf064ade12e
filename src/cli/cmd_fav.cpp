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

namespace zorcli {

Ausfuehrung favEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        bool theorie = false, ak = false, band = false, json = false;
        std::string punkte = "50";
    };
    auto o = std::make_shared<Optionen>();
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_flag("--theory", o->theorie, "theoretische Kurve statt Simulation");
    sub.add_option("--points", o->punkte, "Anzahl der Fehlerabstände k = 1..D (20 bis 100)");
    sub.add_flag("--ak", o->ak, "Wahrscheinlichkeiten p(a=k) statt P(a>=k)");
    sub.add_flag("--band", o->band, "95-%-Konfidenzband: Spalten lower,upper (JSON: Felder lower, upper)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");

    return [o]() {
        const auto d = zor::abszisseEingabe(o->punkte);
        if (!d) {
            std::cerr << zor::TEXT_FEHLEINGABE_ABSZISSE << '\n';
            return FALSCHE_EINGABE;
        }
        auto wahl = zustandAusOptionen(o->modell, 0, o->theorie);
        if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
        zor::ZorState& s = wahl.zustand;
        if (o->band && !gezaehlt(s)) return ablehnen({zor::TEXT_BAND_NUR_GEZAEHLT});
        s.FAV_defbereich = *d;
        TerminalFortschritt fortschritt;
        const auto bericht = zor::FAV_Ermitteln(s, fortschritt);
        if (meldungenAusgeben(bericht)) return FEHLGESCHLAGEN;
        if (o->ak) zor::FAV_PunkteAbleiten(s);
        const auto kurve = std::span<const zor::STRUCT_PUNKT>(o->ak ? s.ptFAVa1 : s.ptFAV1).first(static_cast<std::size_t>(*d));
        const zor::Konfidenz& k = s.konfidenzFAV[0];
        std::vector<std::pair<std::string, std::string>> weitere;
        if (o->band) weitere.emplace_back("hinweis", bandHinweis(k, kurve, zor::bandPruefpunkt(o->ak)));
        kurveAusgeben(kurve, o->json, weitere, s.FAV_uhr1, {}, {o->band, k ? (o->ak ? &k.punktband : &k.band) : nullptr});
        return ERFOLG;
    };
}

}  // namespace zorcli
