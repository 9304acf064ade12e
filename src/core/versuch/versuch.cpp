#include "core/versuch/versuch.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>

#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/io/dateityp.h"
#include "core/models/eingaberegeln.h"
#include "core/models/optionseingabe.h"
#include "core/models/parametereingabe.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"
#include "core/util/systemfehler.h"
#include "core/util/zahlpruefung.h"

namespace zor {
namespace {

struct Modellname {
    const char* name;
    Modellart art;
};
constexpr Modellname MODELLE[] = {{"inaktiv", Modellart::Inaktiv}, {"bsc", Modellart::BSC},
                                  {"ge", Modellart::GE},           {"mc", Modellart::MC},
                                  {"sw", Modellart::SW},           {"datei", Modellart::Datei}};

const char* modellName(Modellart art) {
    for (const auto& m : MODELLE)
        if (m.art == art) return m.name;
    return "inaktiv";
}

enum class Regel { Wahrscheinlichkeit, Startwert, Bits };

// One value of a model's parameter array: its key after "MODEL.", its place, its rule.
struct Parameter {
    Modellart art;
    const char* schluessel;
    int index;
    Regel regel;
};

constexpr Parameter PARAMETER[] = {
    {Modellart::BSC, "p", bsc::p, Regel::Wahrscheinlichkeit},
    {Modellart::BSC, "startwert", bsc::Startwert, Regel::Startwert},
    {Modellart::BSC, "n", bsc::Durchlaeufe, Regel::Bits},
    {Modellart::GE, "startwert", gemc::Startwert, Regel::Startwert},
    {Modellart::GE, "n", gemc::Durchlaeufe, Regel::Bits},
    {Modellart::GE, "pgg", gemc::Good_From_Good, Regel::Wahrscheinlichkeit},
    {Modellart::GE, "pbb", gemc::Bad_From_Bad, Regel::Wahrscheinlichkeit},
    {Modellart::GE, "pgb", gemc::Good_From_Bad, Regel::Wahrscheinlichkeit},
    {Modellart::GE, "pbg", gemc::Bad_From_Good, Regel::Wahrscheinlichkeit},
    {Modellart::GE, "good", gemc::Good, Regel::Wahrscheinlichkeit},
    {Modellart::GE, "bad", gemc::Bad, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "startwert", gemc::Startwert, Regel::Startwert},
    {Modellart::MC, "n", gemc::Durchlaeufe, Regel::Bits},
    {Modellart::MC, "pgg", gemc::Good_From_Good, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "pbb", gemc::Bad_From_Bad, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "pgb", gemc::Good_From_Bad, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "pbg", gemc::Bad_From_Good, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "good", gemc::Good, Regel::Wahrscheinlichkeit},
    {Modellart::MC, "bad", gemc::Bad, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "startwert", sw::Startwert, Regel::Startwert},
    {Modellart::SW, "n", sw::Durchlaeufe, Regel::Bits},
    {Modellart::SW, "pz1", sw::pZ1, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "pz2", sw::pZ2, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "pz3", sw::pZ3, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "e1", sw::pFehlerZ1, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "e2", sw::pFehlerZ2, Regel::Wahrscheinlichkeit},
    {Modellart::SW, "e3", sw::pFehlerZ3, Regel::Wahrscheinlichkeit},
};

constexpr Modellart ARRAY_MODELLE[] = {Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW};

using Sicht = Satzsicht<ZorState>;
using KSicht = Satzsicht<const ZorState>;

// A set's 0/1 choices: the curve kind of the current model, and those each dialog keeps.
struct Schalter {
    const char* schluessel;
    int& (*feld)(const Sicht&);
};
const Schalter SCHALTER[] = {
    {"simulation", [](const Sicht& v) -> int& { return v.sim; }},
    {"gemc", [](const Sicht& v) -> int& { return v.gemc; }},
    {"bsc.abstaende", [](const Sicht& v) -> int& { return v.BSC_simfabs; }},
    {"ge.simulation", [](const Sicht& v) -> int& { return v.GE_sim; }},
    {"mc.simulation", [](const Sicht& v) -> int& { return v.MC_sim; }},
};

// The options of a curve document as its dialog edits them.
template <class O>
struct Optionsfeld {
    const char* schluessel;
    int O::*flag;                         // a 0/1 choice, or
    std::string Skalierungstexte::*text;  // an axis entry
};
const Optionsfeld<FavOptionen> FAV_FELDER[] = {
    {"cursor", &FavOptionen::cursor, nullptr},
    {"uhr", &FavOptionen::uhr, nullptr},
    {"ordinate", &FavOptionen::ordinate, nullptr},
    {"linear", &FavOptionen::abszisse, nullptr},
    {"ak", &FavOptionen::AB, nullptr},
    {"band", &FavOptionen::band, nullptr},
    {"punkte", nullptr, &Skalierungstexte::abszisse},
    {"dekade_unten", nullptr, &Skalierungstexte::a1},
    {"dekade_oben", nullptr, &Skalierungstexte::a2},
};
const Optionsfeld<FkfOptionen> FKF_FELDER[] = {
    {"cursor", &FkfOptionen::cursor, nullptr},
    {"uhr", &FkfOptionen::uhr, nullptr},
    {"ordinate", &FkfOptionen::ordinate, nullptr},
    {"erneuernd", &FkfOptionen::erneuernd, nullptr},
    {"band", &FkfOptionen::band, nullptr},
    {"punkte", nullptr, &Skalierungstexte::abszisse},
    {"dekade_unten", nullptr, &Skalierungstexte::a1},
    {"dekade_oben", nullptr, &Skalierungstexte::a2},
};

std::string flagText(int v) { return v != 0 ? "1" : "0"; }

template <class O, std::size_t K>
void optionenSchreiben(std::string& t, const char* abschnitt, const O& o, const Optionsfeld<O> (&felder)[K]) {
    t += std::string("\n[") + abschnitt + "]\n";
    for (const auto& f : felder)
        t += std::string(f.schluessel) + "=" + (f.flag ? flagText(o.*f.flag) : o.texte.*f.text) + "\n";
}

// --- reading ---

struct Eintrag {
    std::string wert;
    int zeile = 0;
    bool benutzt = false;
};

class Leser {
public:
    explicit Leser(std::map<std::string, Eintrag>& e) : eintraege_(e) {}

    // The entry "abschnitt.schluessel", marked as read.
    const Eintrag* hole(const std::string& name) {
        const auto it = eintraege_.find(name);
        if (it == eintraege_.end()) return nullptr;
        it->second.benutzt = true;
        return &it->second;
    }

    std::optional<std::string> fehler;

    void abweisen(const Eintrag& e, const std::string& name) {
        if (!fehler) fehler = format(TEXT_VERSUCH_WERT, e.zeile, name.c_str(), e.wert.c_str());
    }

    // A 0/1 choice into `ziel`, left as it is when absent.
    void flag(const std::string& name, int& ziel) {
        const Eintrag* e = hole(name);
        if (!e) return;
        if (e->wert == "0" || e->wert == "1")
            ziel = e->wert == "1";
        else
            abweisen(*e, name);
    }

private:
    std::map<std::string, Eintrag>& eintraege_;
};

// Reads one set's model, choices and parameters into the state.
void satzLesen(Leser& l, ZorState& s, int satz) {
    const std::string abschnitt = "satz" + std::to_string(satz + 1) + ".";
    const Sicht v = satzSicht(s, satz);
    Modellart art = modellart(v.M);
    if (const Eintrag* e = l.hole(abschnitt + "modell")) {
        const auto* m = std::find_if(std::begin(MODELLE), std::end(MODELLE),
                                     [&](const Modellname& n) { return e->wert == n.name; });
        if (m == std::end(MODELLE)) return l.abweisen(*e, abschnitt + "modell");
        art = m->art;
    }
    for (const auto& sch : SCHALTER) l.flag(abschnitt + sch.schluessel, sch.feld(v));
    for (Modellart a : ARRAY_MODELLE) {
        const auto w = modellWerte(v, a);
        std::optional<std::uint64_t> bits;
        bool pgg = false, pbb = false;
        for (const Parameter& p : PARAMETER) {
            if (p.art != a) continue;
            const std::string name = abschnitt + modellName(a) + "." + p.schluessel;
            const Eintrag* e = l.hole(name);
            if (!e) continue;
            pgg |= p.index == gemc::Good_From_Good && a != Modellart::SW;
            pbb |= p.index == gemc::Bad_From_Bad && a != Modellart::SW;
            const auto i = static_cast<std::size_t>(p.index);
            if (p.regel == Regel::Bits) {
                bits = durchlaeufeEingabe(e->wert);
                if (!bits) return l.abweisen(*e, name);
                continue;
            }
            const auto wert =
                p.regel == Regel::Startwert ? startwertEingabe(e->wert) : wahrscheinlichkeitEingabe(e->wert);
            if (!wert) return l.abweisen(*e, name);
            w[i] = *wert;
        }
        // The dialogs enter only the transitions away; a hand-written file may do the same.
        if (a == Modellart::GE || a == Modellart::MC) {
            if (!pgg) w[gemc::Good_From_Good] = bleiben(w[gemc::Bad_From_Good]);
            if (!pbb) w[gemc::Bad_From_Bad] = bleiben(w[gemc::Good_From_Bad]);
        }
        if (bits) durchlaeufeSetzen(s, a, satz, *bits);
        if (a == Modellart::BSC) continue;
        if (const ParameterPruefung pr = werteGemeinsamPruefen(a, w); !pr && !l.fehler) {
            const char* grund = pr.art == Ablehnung::Zustandssumme ? TEXT_ZUSTANDSSUMME : TEXT_613;
            l.fehler = format(TEXT_VERSUCH_GEMEINSAM, satz + 1, modellName(a), grund);
        }
    }
    if (const Eintrag* e = l.hole(abschnitt + "datei")) {
        if (e->wert.empty()) return l.abweisen(*e, abschnitt + "datei");
        v.Datei = STRUCT_DATEI{};
        v.Datei.szFileName = e->wert;
    }
    if (art == Modellart::Datei && v.Datei.szFileName.empty() && !l.fehler)
        l.fehler = format(TEXT_VERSUCH_DATEI_FEHLT, satz + 1);
    v.M = static_cast<std::int16_t>(modellId(art, satz));
    // A file is always counted, never a formula.
    if (art == Modellart::Datei) v.sim = 1;
}

template <class O, std::size_t K>
void optionenLesen(Leser& l, const char* abschnitt, O& o, const Optionsfeld<O> (&felder)[K]) {
    for (const auto& f : felder) {
        const std::string name = std::string(abschnitt) + "." + f.schluessel;
        if (f.flag) {
            l.flag(name, o.*f.flag);
        } else if (const Eintrag* e = l.hole(name)) {
            o.texte.*f.text = e->wert;
        }
    }
}

bool istName(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    });
}

VersuchGelesen abgelehnt(const std::string& text) { return {Ergebnis::Fehler(text, TITEL_VERSUCH, Symbol::Stopp), {}}; }

}  // namespace

std::string versuchSchreiben(const ZorState& s, std::string_view dokumente) {
    std::string t = "# Zorwerk-Versuch\nzorversuch=" + std::to_string(VERSUCH_FORMAT) + "\n";
    ZorState kopie = s;  // the choices' table hands out writable fields
    for (int satz = 0; satz < 2; ++satz) {
        const KSicht v = satzSicht(s, satz);
        const Modellart art = modellart(v.M);
        t += "\n[satz" + std::to_string(satz + 1) + "]\nmodell=" + modellName(art) + "\n";
        for (const auto& sch : SCHALTER)
            t += std::string(sch.schluessel) + "=" + flagText(sch.feld(satzSicht(kopie, satz))) + "\n";
        for (const Parameter& p : PARAMETER) {
            const auto w = modellWerte(v, p.art);
            const std::string wert = p.regel == Regel::Bits ? std::to_string(durchlaeufe(s, p.art, satz))
                                                            : kurvenzahl(w[static_cast<std::size_t>(p.index)]);
            t += std::string(modellName(p.art)) + "." + p.schluessel + "=" + wert + "\n";
        }
        if (art == Modellart::Datei) t += "datei=" + v.Datei.szFileName + "\n";
    }
    optionenSchreiben(t, "fav", favOptionen(s), FAV_FELDER);
    optionenSchreiben(t, "fkf", fkfOptionen(s), FKF_FELDER);
    t += "\n[dokumente]\noffen=" + std::string(dokumente) + "\n\n[ende]\n";
    return t;
}

VersuchGelesen versuchLesen(std::string_view text) {
    std::map<std::string, Eintrag> eintraege;
    std::string abschnitt;
    bool kopf = false, ende = false;
    int format_ = 0;
    int zeile = 0;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view z = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        ++zeile;
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        if (z.empty() || z.front() == '#' || z.front() == ';') continue;
        if (ende) return abgelehnt(format(TEXT_VERSUCH_ZEILE, zeile, "Text nach „[ende]“."));
        if (!kopf) {
            // The first entry says what the file is; anything else is not an experiment.
            constexpr std::string_view KOPF = "zorversuch=";
            const auto n = z.starts_with(KOPF) && fehler(z.substr(KOPF.size())) == 0 ? ganzeZahl(z.substr(KOPF.size()))
                                                                                     : std::nullopt;
            if (!n || *n < 1) return abgelehnt(TEXT_VERSUCH_KEINER);
            kopf = true;
            format_ = static_cast<int>(std::min<std::uint64_t>(*n, 1000000));
            continue;
        }
        if (z.front() == '[') {
            if (z.size() < 3 || z.back() != ']' || !istName(z.substr(1, z.size() - 2)))
                return abgelehnt(format(TEXT_VERSUCH_ZEILE, zeile, std::string(z).c_str()));
            abschnitt = std::string(z.substr(1, z.size() - 2));
            ende = abschnitt == "ende";
            continue;
        }
        const auto gleich = z.find('=');
        if (gleich == std::string_view::npos || !istName(z.substr(0, gleich)))
            return abgelehnt(format(TEXT_VERSUCH_ZEILE, zeile, std::string(z).c_str()));
        const std::string schluessel(z.substr(0, gleich));
        const std::string wert(z.substr(gleich + 1));
        std::string name = abschnitt;
        if (!name.empty()) name += ".";
        name += schluessel;
        if (eintraege.count(name)) return abgelehnt(format(TEXT_VERSUCH_DOPPELT, zeile, name.c_str()));
        eintraege[name] = {wert, zeile, false};
    }
    if (!kopf) return abgelehnt(TEXT_VERSUCH_KEINER);
    if (!ende) return abgelehnt(TEXT_VERSUCH_UNVOLLSTAENDIG);

    VersuchGelesen g;
    ZorState& s = g.versuch.zustand;
    InitVar(s);
    Leser l(eintraege);
    satzLesen(l, s, 0);
    satzLesen(l, s, 1);
    FavOptionen fav = favOptionen(s);
    FkfOptionen fkf = fkfOptionen(s);
    optionenLesen(l, "fav", fav, FAV_FELDER);
    optionenLesen(l, "fkf", fkf, FKF_FELDER);
    if (l.fehler) return abgelehnt(*l.fehler);
    for (const auto& [name, f] :
         {std::pair{"FAV", favOptionenAnwenden(s, fav)}, std::pair{"FKF", fkfOptionenAnwenden(s, fkf)}})
        if (f != Optionsfehler::Keiner)
            return abgelehnt(
                format(TEXT_VERSUCH_OPTIONEN, name,
                       f == Optionsfehler::Abszisse ? TEXT_FEHLEINGABE_ABSZISSE : TEXT_FEHLEINGABE_ORDINATE));
    if (const Eintrag* e = l.hole("dokumente.offen")) {
        std::string gesehen;
        for (char c : e->wert) {
            if (c < 'a' || c > 'z' || gesehen.find(c) != std::string::npos)
                return abgelehnt(format(TEXT_VERSUCH_WERT, e->zeile, "dokumente.offen", e->wert.c_str()));
            gesehen += c;
        }
        g.versuch.dokumente = gesehen;
    }
    s.Modell.inaktiv = s.Modell.M1 == 0 && s.Modell.M2 == 0;
    if (format_ > VERSUCH_FORMAT) g.versuch.hinweise.push_back(format(TEXT_VERSUCH_NEUER, format_));
    std::vector<std::pair<int, std::string>> unbekannt;
    for (const auto& [name, e] : eintraege)
        if (!e.benutzt) unbekannt.emplace_back(e.zeile, name);
    std::sort(unbekannt.begin(), unbekannt.end());
    for (const auto& [z, name] : unbekannt)
        g.versuch.hinweise.push_back(format(TEXT_VERSUCH_UNBEKANNT, z, name.c_str()));
    return g;
}

VersuchGelesen versuchLaden(const std::string& pfad) {
    std::string text;
    {
        Blockleser b(pfad, 64 * 1024);
        if (!b.offen()) return abgelehnt(mitGrund(format(TEXT_VERSUCH_NICHT_GELESEN, pfad.c_str()), b.fehlernummer()));
        if (b.groesse() > VERSUCH_HOECHSTGROESSE) return abgelehnt(format(TEXT_VERSUCH_ZU_GROSS, pfad.c_str()));
        // The size is checked again while reading: the file may grow meanwhile.
        for (auto block = b.naechster(); !block.empty(); block = b.naechster()) {
            if (text.size() + block.size() > VERSUCH_HOECHSTGROESSE)
                return abgelehnt(format(TEXT_VERSUCH_ZU_GROSS, pfad.c_str()));
            text.append(reinterpret_cast<const char*>(block.data()), block.size());
        }
        if (b.fehler()) return abgelehnt(mitGrund(format(TEXT_VERSUCH_NICHT_GELESEN, pfad.c_str()), b.fehlernummer()));
    }
    VersuchGelesen g = versuchLesen(text);
    if (!g) return g;
    const std::filesystem::path ordner = std::filesystem::path(pfad).parent_path();
    for (int satz = 0; satz < 2; ++satz) {
        const Sicht v = satzSicht(g.versuch.zustand, satz);
        if (modellart(v.M) != Modellart::Datei) continue;
        std::filesystem::path quelle(v.Datei.szFileName);
        if (quelle.is_relative()) quelle = ordner / quelle;
        const std::string name = quelle.lexically_normal().string();
        const Quellpruefung q = dateiquellePruefen(name);
        if (!q) {
            const std::string grund = q.grund == Quellpruefung::Grund::Name ? TEXT_KEIN_GUELTIGER_DATEINAME
                                      : q.grund == Quellpruefung::Grund::Leer
                                          ? TEXT_LAENGE_NULL
                                          : mitGrund(TEXT_NICHT_GELESEN, q.fehlernummer);
            return abgelehnt(format(TEXT_VERSUCH_QUELLE, satz + 1, name.c_str(), grund.c_str()));
        }
        v.Datei = q.datei;
        v.Datei.szFileName = name;
    }
    return g;
}

Ergebnis versuchSpeichern(const std::string& pfad, const ZorState& s, std::string_view dokumente,
                          const std::vector<std::string>& eingaben) {
    if (const auto nein = ausgabeVerweigert(pfad, eingaben))
        return Ergebnis::Fehler(*nein, TITEL_VERSUCH, Symbol::Stopp);
    const std::string text = versuchSchreiben(s, dokumente);
    Ausgabedatei a(pfad, eingaben);
    if (a.ok() && a.schreiben(text.data(), text.size()) && a.abschliessen()) return Ergebnis::Erfolg();
    return Ergebnis::Fehler(mitGrund(format(TEXT_VERSUCH_NICHT_GESCHRIEBEN, pfad.c_str()), a.fehlernummer()),
                            TITEL_VERSUCH, Symbol::Stopp);
}

void versuchUebernehmen(ZorState& ziel, const ZorState& quelle) {
    for (int satz = 0; satz < 2; ++satz) {
        const Sicht z = satzSicht(ziel, satz);
        const KSicht q = satzSicht(quelle, satz);
        z.M = q.M;
        z.sim = q.sim;
        z.BSC_simfabs = q.BSC_simfabs;
        z.GE_sim = q.GE_sim;
        z.MC_sim = q.MC_sim;
        z.gemc = q.gemc;
        z.BSCWert = q.BSCWert;
        z.GEWert = q.GEWert;
        z.MCWert = q.MCWert;
        z.SWWert = q.SWWert;
        z.Datei = q.Datei;
        z.N = q.N;
        ungueltigMachen(ziel, satz);
    }
    ziel.Modell.inaktiv = quelle.Modell.inaktiv;
    // Applying stored options cannot fail: they passed the same rules when read.
    (void)favOptionenAnwenden(ziel, favOptionen(quelle));
    (void)fkfOptionenAnwenden(ziel, fkfOptionen(quelle));
}

}  // namespace zor
