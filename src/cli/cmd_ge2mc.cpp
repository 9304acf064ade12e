// zor ge2mc --pgb X --pbg Y --good A --bad B [--json]
#include "befehle.h"
#include "kurven_ausgabe.h"

#include "core/models/eingaberegeln.h"
#include "core/models/umrechnung.h"
#include "modell_optionen.h"

#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung ge2mcEinrichten(CLI::App& sub) {
    struct Optionen {
        std::string pgb, pbg, good, bad;
        bool json = false;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("--pgb", o->pgb, "GE: Übergang p(G|B)")->required();
    sub.add_option("--pbg", o->pbg, "GE: Übergang p(B|G)")->required();
    sub.add_option("--good", o->good, "GE: Fehlerwahrscheinlichkeit im Zustand GOOD")->required();
    sub.add_option("--bad", o->bad, "GE: Fehlerwahrscheinlichkeit im Zustand BAD")->required();
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");

    return [o]() {
        zor::ModellWerte w = zor::startZustand().GEWert1;
        const std::pair<const char*, std::pair<const std::string*, int>> felder[] = {
            {"--pgb", {&o->pgb, zor::gemc::Good_From_Bad}},
            {"--pbg", {&o->pbg, zor::gemc::Bad_From_Good}},
            {"--good", {&o->good, zor::gemc::Good}},
            {"--bad", {&o->bad, zor::gemc::Bad}},
        };
        for (const auto& [option, feld] : felder) {
            const auto v = zor::wahrscheinlichkeitEingabe(*feld.first);
            if (!v) {
                std::cerr << eingabefehler(option, feld.first, zor::wahrscheinlichkeitRegel(*feld.first)) << "\n";
                return FALSCHE_EINGABE;
            }
            w[static_cast<std::size_t>(feld.second)] = *v;
        }
        if (!zor::geUebergaengeGueltig(w)) {
            const char* option = w[zor::gemc::Good_From_Bad] == 0.0f ? "--pgb" : "--pbg";
            std::cerr << eingabefehler(option, nullptr, zor::Eingaberegel::GeUebergangNull) << "\n";
            return FALSCHE_EINGABE;
        }
        zor::uebergaengeErgaenzen(w);
        const zor::GE_TO_MC_STRUCT r = zor::Umrechnung(w.data());
        if (!zor::mcModellGueltig(r)) {
            std::cerr << zor::TEXT_KEIN_MC_MODELL << "\n";
            return FEHLGESCHLAGEN;
        }
        const std::pair<const char*, float> werte[] = {
            {"GeGood", r.GeGood},   {"GeBad", r.GeBad},
            {"GeGoodFromBad", r.GeGoodFromBad}, {"GeBadFromGood", r.GeBadFromGood},
            {"McGood", r.McGood},   {"McBad", r.McBad},
            {"McGoodFromBad", r.McGoodFromBad}, {"McBadFromGood", r.McBadFromGood},
            {"GeToMcMittel", r.GeToMcMittel}, {"GeToMcKorrelation", r.GeToMcKorrelation},
        };
        if (o->json) {
            JsonObjekt objekt;
            for (const auto& [name, wert] : werte) objekt.zahl(name, wert);
            std::cout << objekt.json() << '\n';
        } else {
            for (const auto& [name, wert] : werte) std::cout << name << '=' << kurvenzahl(wert) << '\n';
        }
        return ERFOLG;
    };
}

}  // namespace zorcli
