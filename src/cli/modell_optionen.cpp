#include "modell_optionen.h"

#include "befehle.h"
#include "core/models/vorgaben.h"
#include "core/seqfiles/dateityp.h"
#include "core/util/zahlpruefung.h"

#include <filesystem>
#include <iostream>
#include <vector>

namespace zorcli {

using namespace zor;

namespace {

struct Art {
    const char* name;
    Modellart art;
};
constexpr Art ARTEN[] = {{"bsc", Modellart::BSC}, {"ge", Modellart::GE}, {"mc", Modellart::MC},
                         {"sw", Modellart::SW},   {"file", Modellart::Datei}};

// One optional text option, where it goes in the parameter array, and how it is checked.
enum class Pruefung { Wahrscheinlichkeit, Startwert, Durchlaeufe };
struct Feld {
    const char* option;
    const std::optional<std::string>* wert;
    int index;
    Pruefung pruefung;
};

bool fehlermeldung(const std::string& text, int& code, int c = FALSCHE_EINGABE) {
    std::cerr << text << "\n";
    code = c;
    return false;
}

bool felderSetzen(const std::vector<Feld>& felder, float* ziel, int& code) {
    for (const Feld& f : felder) {
        if (!*f.wert) continue;
        const std::string& text = **f.wert;
        std::optional<float> v;
        const char* hinweis = "";
        switch (f.pruefung) {
        case Pruefung::Wahrscheinlichkeit:
            v = wahrscheinlichkeitEingabe(text);
            hinweis = "unzuläßige Eingabe! Erlaubt sind Werte von 0 bis 1, mit Dezimalpunkt (kein Komma).";
            break;
        case Pruefung::Startwert:
            v = startwertEingabe(text);
            hinweis = "Startwert kann ganzzahlige Werte zwischen 1 und 9999 annehmen!";
            break;
        case Pruefung::Durchlaeufe:
            v = durchlaeufeEingabe(text);
            hinweis = "Simulationsdurchlauf muß eine ganze Zahl > 0 sein!";
            break;
        }
        if (!v) return fehlermeldung(std::string("Eingabefehler bei ") + f.option + " (\"" + text + "\"): " + hinweis, code);
        ziel[f.index] = *v;
    }
    return true;
}

// Options given that the chosen model does not read.
bool fremdeOptionen(const std::vector<Feld>& fremd, const std::string& modell, int& code) {
    for (const Feld& f : fremd)
        if (*f.wert) return fehlermeldung(std::string("Die Option ") + f.option + " gehört nicht zum Modell " + modell + ".", code);
    return true;
}

bool dateiQuelle(const ModellOptionen& o, STRUCT_DATEI& datei, int& code) {
    if (!o.file) return fehlermeldung("Für --model file fehlt --file PFAD.", code);
    const auto typ = Dateityp(*o.file);
    if (!typ) return fehlermeldung(TEXT_KEIN_GUELTIGER_DATEINAME, code, FEHLGESCHLAGEN);
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(*o.file, ec);
    if (ec || !std::filesystem::is_regular_file(*o.file, ec))
        return fehlermeldung("Datei kann nicht gelesen werden! (" + *o.file + ")", code, FEHLGESCHLAGEN);
    if (groesse == 0) return fehlermeldung("Dateilänge == 0", code, FEHLGESCHLAGEN);
    datei.datei = *typ;
    datei.laenge = static_cast<std::int32_t>(groesse > 0x7FFFFFFF ? 0x7FFFFFFF : groesse);
    datei.szFileName = std::filesystem::absolute(*o.file, ec).string();
    return true;
}

}  // namespace

void modellOptionenHinzufuegen(CLI::App& sub, ModellOptionen& o) {
    sub.add_option("--model", o.model, "Modell: bsc, ge, mc, sw oder file");
    sub.add_option("--preset", o.preset, "Startwerte: bsc1 bsc2 ge1 ge2 mc1 mc2 sw1 sw2");
    sub.add_option("--p", o.p, "BSC: Fehlerwahrscheinlichkeit p");
    sub.add_flag("--gaps", o.gaps, "BSC: simuliert mit Fehlerabstand");
    sub.add_option("--pgb", o.pgb, "GE/MC: Übergang p(G|B)");
    sub.add_option("--pbg", o.pbg, "GE/MC: Übergang p(B|G)");
    sub.add_option("--good", o.good, "GE/MC: Fehlerwahrscheinlichkeit im Zustand GOOD");
    sub.add_option("--bad", o.bad, "GE/MC: Fehlerwahrscheinlichkeit im Zustand BAD");
    sub.add_option("--pz1", o.pz1, "SW: Wahrscheinlichkeit von Z1");
    sub.add_option("--pz2", o.pz2, "SW: Wahrscheinlichkeit von Z2");
    sub.add_option("--pz3", o.pz3, "SW: Wahrscheinlichkeit von Z3");
    sub.add_option("--e1", o.e1, "SW: Fehlerwahrscheinlichkeit in Z1");
    sub.add_option("--e2", o.e2, "SW: Fehlerwahrscheinlichkeit in Z2");
    sub.add_option("--e3", o.e3, "SW: Fehlerwahrscheinlichkeit in Z3");
    sub.add_option("--file", o.file, "Datei: FFO- oder FAB-Datei als Quelle");
    sub.add_option("--seed", o.seed, "Startwert des Zufallsgenerators (1 bis 9999)");
    sub.add_option("--n", o.n, "Durchläufe bei Simulation N (Bits)");
}

std::optional<ZorState> zustandAusOptionen(const ModellOptionen& o, int satz, bool theorie, int& code) {
    ZorState s = startZustand();
    const ZorState start = s;
    Modellart art = Modellart::Inaktiv;
    int vorlageSatz = 0;
    std::string modellName = o.model;

    if (!o.model.empty() && !o.preset.empty()) {
        fehlermeldung("Bitte entweder --model oder --preset angeben, nicht beides.", code);
        return std::nullopt;
    }
    if (!o.preset.empty()) {
        if (const auto v = vorgabe(o.preset)) art = v->art, vorlageSatz = v->satz;
        modellName = o.preset;
    } else {
        for (const auto& a : ARTEN)
            if (o.model == a.name) art = a.art;
    }
    if (art == Modellart::Inaktiv) {
        fehlermeldung(o.model.empty() && o.preset.empty()
                          ? "Bitte ein Modell angeben: --model bsc|ge|mc|sw|file oder --preset NAME."
                          : "Unbekanntes Modell: " + modellName,
                      code);
        return std::nullopt;
    }

    const std::vector<Feld> bscFelder = {{"--p", &o.p, bsc::p, Pruefung::Wahrscheinlichkeit},
                                         {"--seed", &o.seed, bsc::Startwert, Pruefung::Startwert},
                                         {"--n", &o.n, bsc::Durchlaeufe, Pruefung::Durchlaeufe}};
    const std::vector<Feld> gemcFelder = {{"--seed", &o.seed, gemc::Startwert, Pruefung::Startwert},
                                          {"--n", &o.n, gemc::Durchlaeufe, Pruefung::Durchlaeufe},
                                          {"--pgb", &o.pgb, gemc::Good_From_Bad, Pruefung::Wahrscheinlichkeit},
                                          {"--pbg", &o.pbg, gemc::Bad_From_Good, Pruefung::Wahrscheinlichkeit},
                                          {"--good", &o.good, gemc::Good, Pruefung::Wahrscheinlichkeit},
                                          {"--bad", &o.bad, gemc::Bad, Pruefung::Wahrscheinlichkeit}};
    const std::vector<Feld> swFelder = {{"--seed", &o.seed, sw::Startwert, Pruefung::Startwert},
                                        {"--n", &o.n, sw::Durchlaeufe, Pruefung::Durchlaeufe},
                                        {"--pz1", &o.pz1, sw::pZ1, Pruefung::Wahrscheinlichkeit},
                                        {"--pz2", &o.pz2, sw::pZ2, Pruefung::Wahrscheinlichkeit},
                                        {"--pz3", &o.pz3, sw::pZ3, Pruefung::Wahrscheinlichkeit},
                                        {"--e1", &o.e1, sw::pFehlerZ1, Pruefung::Wahrscheinlichkeit},
                                        {"--e2", &o.e2, sw::pFehlerZ2, Pruefung::Wahrscheinlichkeit},
                                        {"--e3", &o.e3, sw::pFehlerZ3, Pruefung::Wahrscheinlichkeit}};
    const std::vector<Feld> nurBsc = {{"--p", &o.p, 0, {}}};
    const std::vector<Feld> nurGemc = {{"--pgb", &o.pgb, 0, {}}, {"--pbg", &o.pbg, 0, {}},
                                       {"--good", &o.good, 0, {}}, {"--bad", &o.bad, 0, {}}};
    const std::vector<Feld> nurSw = {{"--pz1", &o.pz1, 0, {}}, {"--pz2", &o.pz2, 0, {}}, {"--pz3", &o.pz3, 0, {}},
                                     {"--e1", &o.e1, 0, {}},   {"--e2", &o.e2, 0, {}},   {"--e3", &o.e3, 0, {}}};
    const std::vector<Feld> nurDatei = {{"--file", &o.file, 0, {}}};
    const std::vector<Feld> simulation = {{"--seed", &o.seed, 0, {}}, {"--n", &o.n, 0, {}}};

    bool gut = true;
    switch (art) {
    case Modellart::BSC: {
        auto& w = bscWerte(s, satz);
        w = bscWerte(start, vorlageSatz);
        gut = fremdeOptionen(nurGemc, modellName, code) && fremdeOptionen(nurSw, modellName, code) &&
              fremdeOptionen(nurDatei, modellName, code) && felderSetzen(bscFelder, w.data(), code);
        bscSimfabsVon(s, satz) = o.gaps ? 1 : 0;
        break;
    }
    case Modellart::GE:
    case Modellart::MC: {
        const bool ge = art == Modellart::GE;
        auto& w = ge ? geWerte(s, satz) : mcWerte(s, satz);
        w = ge ? geWerte(start, vorlageSatz) : mcWerte(start, vorlageSatz);
        gut = fremdeOptionen(nurBsc, modellName, code) && fremdeOptionen(nurSw, modellName, code) &&
              fremdeOptionen(nurDatei, modellName, code) && felderSetzen(gemcFelder, w.data(), code);
        if (gut && (o.pgb || o.pbg)) {
            w[gemc::Good_From_Good] = 1.0f - w[gemc::Bad_From_Good];
            w[gemc::Bad_From_Bad] = 1.0f - w[gemc::Good_From_Bad];
        }
        if (gut && ge && (w[gemc::Good_From_Bad] == 0.0f || w[gemc::Bad_From_Good] == 0.0f))
            gut = fehlermeldung("Eingabefehler: Übergänge = 0 (GE-Modell): --pgb und --pbg müssen > 0 sein.", code);
        if (gut && !ge && (w[gemc::Good] == 0.0f || w[gemc::Bad] == 0.0f))
            gut = fehlermeldung("Eingabefehler: beim MC-Modell müssen --good und --bad > 0 sein.", code);
        break;
    }
    case Modellart::SW: {
        auto& w = swWerte(s, satz);
        w = swWerte(start, vorlageSatz);
        gut = fremdeOptionen(nurBsc, modellName, code) && fremdeOptionen(nurGemc, modellName, code) &&
              fremdeOptionen(nurDatei, modellName, code) && felderSetzen(swFelder, w.data(), code);
        break;
    }
    case Modellart::Datei:
        gut = fremdeOptionen(nurBsc, modellName, code) && fremdeOptionen(nurGemc, modellName, code) &&
              fremdeOptionen(nurSw, modellName, code) && fremdeOptionen(simulation, modellName, code) &&
              dateiQuelle(o, dateiVon(s, satz), code);
        break;
    case Modellart::Inaktiv:
        break;
    }
    if (gut && o.gaps && art != Modellart::BSC) gut = fehlermeldung("--gaps gilt nur für das BSC-Modell.", code);
    if (!gut) return std::nullopt;

    modellVon(s, satz) = static_cast<std::int16_t>(modellId(art, satz));
    simVon(s, satz) = (theorie && art != Modellart::Datei) ? 0 : 1;
    return s;
}

}  // namespace zorcli
