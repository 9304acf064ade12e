// zor fit DATEI [--models bsc,ge,mc,sw] [--lags D] [--json], or MODEL instead of DATEI
#include "befehle.h"
#include "json_ausgabe.h"
#include "modell_optionen.h"
#include "terminal_fortschritt.h"

#include "core/anpassung/anpassung.h"
#include "core/anpassung/folge_lesen.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/models/eingaberegeln.h"

#include <chrono>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace zorcli {

namespace {

struct Modellwahl {
    const char* name;
    zor::Modellart art;
};
constexpr Modellwahl WAHL[] = {{"bsc", zor::Modellart::BSC},
                               {"ge", zor::Modellart::GE},
                               {"mc", zor::Modellart::MC},
                               {"sw", zor::Modellart::SW}};

// "bsc,ge" -> the kinds, each once; nothing for an unknown name (named in `falsch`).
std::optional<std::vector<zor::Modellart>> modelleLesen(const std::string& liste, std::string& falsch) {
    std::vector<zor::Modellart> arten;
    std::stringstream in(liste);
    for (std::string name; std::getline(in, name, ',');) {
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const Modellwahl* w = nullptr;
        for (const auto& m : WAHL)
            if (name == m.name) w = &m;
        if (!w) {
            falsch = name;
            return std::nullopt;
        }
        if (std::find(arten.begin(), arten.end(), w->art) == arten.end()) arten.push_back(w->art);
    }
    if (arten.empty()) return std::nullopt;
    return arten;
}

std::string optionaleZahl(const std::optional<double>& v) { return v ? jsonZahl(*v) : "null"; }

std::string modellJson(const zor::Modellanpassung& m) {
    std::vector<std::string> parameter;
    for (const zor::Schaetzwert& s : m.parameter)
        parameter.push_back(JsonObjekt()
                                .text("name", s.name)
                                .zahl("wert", s.wert)
                                .wert("standardfehler", optionaleZahl(s.standardfehler))
                                .wert("am_rand", s.amRand ? "true" : "false")
                                .json());
    return JsonObjekt()
        .text("modell", zor::modellname(m.art))
        .wert("rang", std::to_string(m.rang))
        .wert("parameter", jsonFeld(parameter))
        .zahl("lnL", m.lnL)
        .zahl("AIC", m.AIC)
        .zahl("BIC", m.BIC)
        .zahl("KS", m.KS)
        .wert("FKF_Abweichung", optionaleZahl(m.fkfAbweichung))
        .wert("konvergiert", m.konvergiert ? "true" : "false")
        .wert("iterationen", std::to_string(m.iterationen))
        .wert("gleichwertig", m.gleichwertig ? jsonText(zor::modellname(*m.gleichwertig)) : "null")
        .json();
}

void jsonAusgeben(const zor::Anpassung& a, const std::string& quelle, const std::vector<std::string>& hinweise,
                  long long ms) {
    std::vector<std::string> modelle, texte;
    for (const zor::Modellanpassung& m : a.modelle) modelle.push_back(modellJson(m));
    for (const std::string& h : hinweise) texte.push_back(jsonText(h));
    std::cout << JsonObjekt()
                     .text("quelle", quelle)
                     .wert("bits", std::to_string(a.bits))
                     .wert("fehler", std::to_string(a.fehler))
                     .wert("rest", std::to_string(a.rest))
                     .wert("modelle", jsonFeld(modelle))
                     .wert("hinweise", jsonFeld(texte))
                     .wert("ms", std::to_string(ms))
                     .json()
              << '\n';
}

}  // namespace

Ausfuehrung fitEinrichten(CLI::App& sub) {
    struct Optionen {
        ModellOptionen modell;
        std::string datei;
        std::string modelle = "bsc,ge,mc,sw";
        std::string lags = "50";
        bool json = false;
    };
    auto o = std::make_shared<Optionen>();
    sub.add_option("DATEI", o->datei, "Fehlerfolge (*.FFO), Fehlerabstand (*.FAB) oder Vergleichsdatei (*.VGL)");
    modellOptionenHinzufuegen(sub, o->modell);
    sub.add_option("--models", o->modelle, "anzupassende Modelle, durch Kommas getrennt: bsc,ge,mc,sw");
    sub.add_option("--lags", o->lags, "höchster Abstand D der verglichenen Korrelationsfunktionen (20 bis 100)");
    sub.add_flag("--json", o->json, "Ausgabe als JSON-Objekt");

    return [o]() {
        const auto D = abszisseLesen(o->lags);
        if (!D) return FALSCHE_EINGABE;
        std::string falsch;
        const auto modelle = modelleLesen(o->modelle, falsch);
        if (!modelle) {
            std::cerr << "Unbekanntes Modell in --models: \"" << falsch << "\" (erlaubt: bsc, ge, mc, sw)\n";
            return FALSCHE_EINGABE;
        }
        const bool mitModell = !o->modell.model.empty() || !o->modell.preset.empty();
        if (o->datei.empty() == !mitModell) {
            std::cerr << "Bitte entweder eine DATEI oder ein Modell (--model/--preset) angeben.\n";
            return FALSCHE_EINGABE;
        }
        TerminalFortschritt fortschritt;
        const auto beginn = std::chrono::steady_clock::now();
        zor::Folgeneingabe e;
        std::string quelle = o->datei;
        if (mitModell) {
            const auto wahl = satzAusOptionen(o->modell, 0, false);
            if (wahl.ablehnung) return ablehnen(*wahl.ablehnung);
            quelle = o->modell.preset.empty() ? o->modell.model : o->modell.preset;
            e = zor::folgeVonSatz(wahl.satz, fortschritt);
        } else {
            e = zor::folgeLesen(o->datei, fortschritt);
        }
        if (!e.ok) {
            std::cerr << e.meldung.text << '\n';
            return e.abgelehnt ? FALSCHE_EINGABE : FEHLGESCHLAGEN;
        }
        for (const std::string& h : e.hinweise) std::cerr << h << '\n';

        zor::Anpassungsoptionen optionen;
        optionen.modelle = *modelle;
        optionen.lags = *D;
        const zor::Anpassung a = zor::anpassen(e.folge, optionen, fortschritt);
        if (!a.ok) {
            std::cerr << a.meldung.text << '\n';
            return FEHLGESCHLAGEN;
        }
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - beginn);
        if (o->json) {
            std::vector<std::string> hinweise = e.hinweise;
            hinweise.insert(hinweise.end(), a.hinweise.begin(), a.hinweise.end());
            jsonAusgeben(a, quelle, hinweise, static_cast<long long>(ms.count()));
        } else {
            std::cout << "Fehlerfolge: " << quelle << "\n" << zor::anpassungText(a);
        }
        return ERFOLG;
    };
}

}  // namespace zorcli
