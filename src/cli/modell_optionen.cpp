#include "modell_optionen.h"

#include "core/io/dateityp.h"
#include "core/models/eingaberegeln.h"
#include "core/models/netem.h"
#include "core/models/parametereingabe.h"
#include "core/models/vorgaben.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/systemfehler.h"
#include "core/versuch/versuch.h"

#include <algorithm>
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

using Regel = std::optional<float> (*)(std::string_view);
// Which rule a refused text broke, in the dialogs' words.
using Warum = Eingaberegel (*)(std::string_view);
Eingaberegel startwertRegel(std::string_view) { return Eingaberegel::Startwert; }
Eingaberegel durchlaeufeRegel(std::string_view) { return Eingaberegel::Durchlaeufe; }

// The check of --n for the table; the exact count is set after the table's values.
std::optional<float> nEingabe(std::string_view text) {
    const auto n = durchlaeufeEingabe(text);
    return n ? std::optional<float>(static_cast<float>(*n)) : std::nullopt;
}

// One optional text option, the models that read it, where it goes in their parameter
// array, and the entry rule it follows.
struct Feld {
    const char* option;
    std::optional<std::string> ModellOptionen::*wert;
    std::vector<Modellart> arten;
    int index;
    Regel regel;
    Warum warum;
};

const std::vector<Feld>& felder() {
    using enum Modellart;
    using O = ModellOptionen;
    static const std::vector<Feld> f = {
        {"--p", &O::p, {BSC}, bsc::p, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--seed", &O::seed, {BSC, GE, MC, SW}, -1, startwertEingabe, startwertRegel},
        {"--n", &O::n, {BSC, GE, MC, SW}, -1, nEingabe, durchlaeufeRegel},
        {"--pgb", &O::pgb, {GE, MC}, gemc::Good_From_Bad, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--pbg", &O::pbg, {GE, MC}, gemc::Bad_From_Good, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--good", &O::good, {GE, MC}, gemc::Good, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--bad", &O::bad, {GE, MC}, gemc::Bad, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--pz1", &O::pz1, {SW}, sw::pZ1, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--pz2", &O::pz2, {SW}, sw::pZ2, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--pz3", &O::pz3, {SW}, sw::pZ3, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--e1", &O::e1, {SW}, sw::pFehlerZ1, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--e2", &O::e2, {SW}, sw::pFehlerZ2, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--e3", &O::e3, {SW}, sw::pFehlerZ3, wahrscheinlichkeitEingabe, wahrscheinlichkeitRegel},
        {"--file", &O::file, {Datei}, -1, nullptr, nullptr},
    };
    return f;
}

bool istSimulation(const Feld& f) { return f.wert == &ModellOptionen::seed || f.wert == &ModellOptionen::n; }

bool liest(const Feld& f, Modellart art) { return std::find(f.arten.begin(), f.arten.end(), art) != f.arten.end(); }

// Seed and runs sit at different places of the BSC array and the others.
int indexFuer(const Feld& f, Modellart art) {
    if (f.index >= 0) return f.index;
    const bool start = f.wert == &ModellOptionen::seed;
    if (art == Modellart::BSC) return start ? bsc::Startwert : bsc::Durchlaeufe;
    return start ? gemc::Startwert : gemc::Durchlaeufe;  // the same places for SW
}

// Refuses options the model does not read, then sets the given ones in the order of the table.
std::optional<Ablehnung> felderSetzen(const ModellOptionen& o, Modellart art, const std::string& modell, float* ziel) {
    // Seed and runs are named last: they are foreign only to a file source.
    for (bool simulation : {false, true})
        for (const Feld& f : felder())
            if (istSimulation(f) == simulation && o.*f.wert && !liest(f, art))
                return Ablehnung{std::string("Die Option ") + f.option + " gehört nicht zum Modell " + modell + "."};
    for (const Feld& f : felder()) {
        if (!(o.*f.wert) || !f.regel || !liest(f, art)) continue;
        const std::string& text = *(o.*f.wert);
        const auto v = f.regel(text);
        if (!v) return Ablehnung{eingabefehler(f.option, &text, f.warum(text))};
        ziel[indexFuer(f, art)] = *v;
    }
    return std::nullopt;
}

std::optional<Ablehnung> dateiQuelle(const ModellOptionen& o, STRUCT_DATEI& datei) {
    if (!o.file) return Ablehnung{"Für --model file fehlt --file PFAD."};
    const Quellpruefung q = dateiquellePruefen(*o.file);
    switch (q.grund) {
    case Quellpruefung::Grund::Name: return Ablehnung{TEXT_KEIN_GUELTIGER_DATEINAME};
    case Quellpruefung::Grund::Lesen:
        return Ablehnung{mitGrund(std::string(TEXT_NICHT_GELESEN) + " (" + *o.file + ")", q.fehlernummer), FEHLGESCHLAGEN};
    case Quellpruefung::Grund::Leer: return Ablehnung{std::string(TEXT_LAENGE_NULL) + "\n" + *o.file};
    case Quellpruefung::Grund::Keiner: break;
    }
    std::error_code ec;
    datei = q.datei;
    datei.szFileName = std::filesystem::absolute(*o.file, ec).string();
    return std::nullopt;
}

// A netem line names the model and all its parameters; only seed and runs may be added.
std::optional<Ablehnung> netemWaehlen(const ModellOptionen& o, Modellart& art) {
    if (!o.model.empty() || !o.preset.empty()) return Ablehnung{"Bitte nur eines von --model, --preset und --netem angeben."};
    for (const Feld& f : felder())
        if (o.*f.wert && !istSimulation(f))
            return Ablehnung{std::string("Die Option ") + f.option + " lässt sich nicht mit --netem verbinden."};
    const auto n = netemLesen(*o.netem);
    if (!n) return Ablehnung{n.meldung};
    art = n.modell->art;
    return std::nullopt;
}

// The model kind and the set whose start values it begins from, or the refusal.
std::optional<Ablehnung> modellWaehlen(const ModellOptionen& o, Modellart& art, int& vorlageSatz) {
    if (o.netem) return netemWaehlen(o, art);
    if (!o.model.empty() && !o.preset.empty()) return Ablehnung{"Bitte entweder --model oder --preset angeben, nicht beides."};
    if (!o.preset.empty())
        if (const auto v = vorgabe(o.preset)) art = v->art, vorlageSatz = v->satz;
    for (const auto& a : ARTEN)
        if (o.preset.empty() && o.model == a.name) art = a.art;
    if (art != Modellart::Inaktiv) return std::nullopt;
    if (o.model.empty() && o.preset.empty())
        return Ablehnung{"Bitte ein Modell angeben: --model bsc|ge|mc|sw|file oder --preset NAME."};
    return Ablehnung{"Unbekanntes Modell: " + (o.preset.empty() ? o.model : o.preset)};
}

// What zor says for a refusal of the rules over several values: the option of the
// refused value and the rule.
std::string gemeinsamText(Modellart art, const ParameterPruefung& p) {
    for (const Feld& f : felder())
        if (f.index == p.index && liest(f, art)) return eingabefehler(f.option, nullptr, p.regel);
    return eingabefehler("", nullptr, p.regel);
}

// The options over the start values already in p.
std::optional<Ablehnung> parameterSetzen(const ModellOptionen& o, const std::string& modell, Satzparameter& p) {
    const Modellart art = p.art;
    if (art == Modellart::BSC && (o.gaps || !o.versuch)) p.BSC_simfabs = o.gaps ? 1 : 0;
    if (auto a = felderSetzen(o, art, modell, art == Modellart::Datei ? nullptr : p.Wert.data())) return a;
    ModellWerte& w = p.Wert;
    switch (art) {
    case Modellart::GE:
    case Modellart::MC:
        if (o.pgb || o.pbg) uebergaengeErgaenzen(w);
        [[fallthrough]];
    case Modellart::SW:
        if (const ParameterPruefung pr = werteGemeinsamPruefen(art, w); !pr) return Ablehnung{gemeinsamText(art, pr)};
        return std::nullopt;
    case Modellart::Datei:
        if (!o.file && !p.Datei.szFileName.empty()) return std::nullopt;  // the experiment's source
        return dateiQuelle(o, p.Datei);
    default: return std::nullopt;
    }
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
    sub.add_option("--netem", o.netem, "Verlustmodell von netem: \"loss gemodel p [r [1-h [1-k]]]\" oder \"loss random P\"");
    sub.add_option("--versuch", o.versuch,
                   "Parametersatz aus einer Versuchsdatei (.zorversuch); ausdrücklich angegebene Optionen "
                   "haben Vorrang, --model/--preset/--netem ersetzen sein Modell")
        ->type_name("DATEI");
    sub.add_option("--versuchssatz", o.versuchssatz, "welcher Satz des Versuchs: 1 oder 2")->type_name("1|2");
    sub.add_option("--seed", o.seed, "Startwert des Zufallsgenerators (1 bis 9999)");
    sub.add_option("--n", o.n, "Durchläufe bei Simulation N (Bits)");
}

namespace {

// The experiment's set as the starting point: its model, unless --model names another,
// whose values the experiment also keeps. Preset and netem start from their own values.
std::optional<Ablehnung> versuchsSatz(const ModellOptionen& o, bool gewaehlt, Modellart& art, Satzparameter& p) {
    if (o.versuchssatz != 1 && o.versuchssatz != 2) return Ablehnung{"--versuchssatz ist 1 oder 2."};
    const VersuchGelesen g = versuchLaden(*o.versuch);
    if (!g) return Ablehnung{g.ergebnis.meldung.text};
    for (const auto& h : g.versuch.hinweise) std::cerr << h << '\n';
    if (gewaehlt && o.model.empty()) return std::nullopt;
    ZorState z = g.versuch.zustand;
    const int vs = o.versuchssatz - 1;
    if (gewaehlt) modellVon(z, vs) = static_cast<std::int16_t>(modellId(art, vs));
    const int satz = p.satz;
    p = satzparameter(z, vs);
    p.satz = satz;
    art = p.art;
    if (art == Modellart::Inaktiv)
        return Ablehnung{"Parametersatz " + std::to_string(o.versuchssatz) + " des Versuchs ist inaktiv."};
    return std::nullopt;
}

}  // namespace

Satzwahl satzAusOptionen(const ModellOptionen& o, int satz, bool theorie, bool kurve) {
    Satzwahl wahl;
    Modellart art = Modellart::Inaktiv;
    int vorlage = 0;
    const bool gewaehlt = !o.model.empty() || !o.preset.empty() || o.netem;
    if (!o.versuch || gewaehlt) wahl.ablehnung = modellWaehlen(o, art, vorlage);
    if (wahl.ablehnung) return wahl;
    Satzparameter& p = wahl.satz;
    p = startparameter(art, vorlage, satz);
    if (o.versuch) wahl.ablehnung = versuchsSatz(o, gewaehlt, art, p);
    if (wahl.ablehnung) return wahl;
    const bool formel = theorie || (kurve && o.versuch && p.sim == 0);
    const std::string modell = o.netem             ? "netem"
                               : !o.preset.empty() ? o.preset
                               : !o.model.empty()  ? o.model
                                                   : "des Versuchs";
    wahl.ablehnung = parameterSetzen(o, modell, p);
    if (!wahl.ablehnung && o.netem)
        netemEintragen(*netemLesen(*o.netem).modell, p);
    if (!wahl.ablehnung && o.n && art != Modellart::Datei) {
        p.Durchlaeufe = *durchlaeufeEingabe(*o.n);
        p.Wert[static_cast<std::size_t>(durchlaeufeIndex(art))] = static_cast<float>(p.Durchlaeufe);
    }
    if (!wahl.ablehnung && o.gaps && art != Modellart::BSC) wahl.ablehnung = Ablehnung{"--gaps gilt nur für das BSC-Modell."};
    p.sim = (formel && art != Modellart::Datei) ? 0 : 1;
    return wahl;
}

std::string eingabefehler(const std::string& option, const std::string* text, zor::Eingaberegel regel) {
    std::string zeile = "Eingabefehler bei " + option;
    if (text) zeile += " (\"" + *text + "\")";
    return zeile + ": " + zor::regelText(regel);
}

int ablehnen(const Ablehnung& a) {
    std::cerr << a.text << "\n";
    return a.code;
}

std::optional<int> abszisseLesen(const std::string& text) {
    const auto d = zor::abszisseEingabe(text);
    if (!d) std::cerr << zor::TEXT_FEHLEINGABE_ABSZISSE << '\n';
    return d;
}

}  // namespace zorcli
