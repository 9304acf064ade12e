#include "core/corruption/eingabe.h"

#include "core/corruption/verschachtelung.h"
#include "core/io/blockleser.h"
#include "core/io/dateijob.h"
#include "core/util/systemfehler.h"
#include "core/util/zahlpruefung.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zor {

int MM_Fehler(std::string_view text) { return fehler(text); }

std::uint64_t MmFileSize(const std::string& name) {
    const Blockleser datei(name, 1);
    return datei.offen() ? datei.groesse() : MM_KEINE_GROESSE;
}

GeMcEingaben geVorgabe() { return {}; }
GeMcEingaben mcVorgabe() {
    GeMcEingaben e;
    e.good = "0.1";
    return e;
}

namespace {

EingabePruefung abgelehnt(Eingabefehler art, Feld feld, std::string text, std::string titel, Symbol s) {
    return {art, feld, {std::move(text), std::move(titel), s}, {}};
}

const char* feldname(Feld f) {
    switch (f) {
    case Feld::P: return "Fehlerwahrscheinlichkeit";
    case Feld::GoodFromBad: return "Übergang von BAD nach GOOD";
    case Feld::BadFromGood: return "Übergang von GOOD nach BAD";
    case Feld::Good: return "Zustand 'GOOD'";
    case Feld::Bad: return "Zustand 'BAD'";
    default: return "Startwert";
    }
}

// The one rule the entry broke, for the line under notice 613.
std::string wahrscheinlichkeitGrund(Feld f, const std::string& text, bool geUebergang) {
    const std::string kopf = std::string("Feld „") + feldname(f) + "“: „" + text + "“ ";
    if (text.find(',') != std::string::npos) return kopf + "enthält ein Komma; Dezimalzahlen mit Punkt schreiben.";
    if (MM_Fehler(text) != 0) return kopf + "ist keine Zahl.";
    const double v = std::atof(text.c_str());
    if (v > 1) return kopf + "ist größer als 1.";
    if (v < 0) return kopf + "ist kleiner als 0.";
    if (geUebergang) return kopf + "ist 0; ein Übergang des GE-Modells muss größer als 0 sein.";
    return kopf + "liegt nicht zwischen 0 und 1.";
}

EingabePruefung wahrscheinlichkeitAbgelehnt(Feld feld, const std::string& text, bool geUebergang = false) {
    auto p = abgelehnt(Eingabefehler::Wahrscheinlichkeit, feld, TEXT_613, TITEL_EINGABEFEHLER, Symbol::Keins);
    p.grund = wahrscheinlichkeitGrund(feld, text, geUebergang);
    return p;
}

// Protected bytes (a whole number, also written as 1e3), the input and its size.
EingabePruefung dateiPruefen(const std::string& eingabe, const std::string& text, bool automatisch,
                             std::uint64_t& nProtect) {
    // Read exactly: through a double, 2^53 + 1 protected bytes would become 2^53.
    // Beyond 2^64 no file is large enough; the size check refuses it.
    const bool riesig = MM_Fehler(text) == 0 && std::atof(text.c_str()) >= 0x1p64;
    const auto wert = automatisch ? std::optional<std::uint64_t>(0)
                      : riesig    ? std::optional<std::uint64_t>(UINT64_MAX)
                                  : ganzeZahl(text);
    if (!wert) return abgelehnt(Eingabefehler::Geschuetzt, Feld::Geschuetzt, TEXT_GESCHUETZT, TITEL_MM_ZOR, Symbol::Stopp);
    nProtect = *wert;
    const std::uint64_t l = MmFileSize(eingabe);
    if (l == MM_KEINE_GROESSE)
        return abgelehnt(Eingabefehler::Eingabedatei, Feld::Eingabe,
                         mitGrund(format(TEXT_OEFFNEN_1, eingabe.c_str()), Blockleser(eingabe, 1).fehlernummer()),
                         TITEL_FEHLER, Symbol::Stopp);
    if (l <= nProtect)
        return abgelehnt(Eingabefehler::Groesse, Feld::Geschuetzt,
                         format(TEXT_GROESSE, static_cast<unsigned long long>(l),
                                0LL),  // nothing is left to corrupt, also when more is protected
                         TITEL_FEHLER, Symbol::Stopp);
    return {};
}

// A start value by the one seed rule: whole, 1 to 9999.
EingabePruefung startwertPruefen(const std::string& text, int& startwert) {
    const auto v = startwertEingabe(text);
    if (!v) {
        auto p = abgelehnt(Eingabefehler::Startwert, Feld::Startwert, TEXT_612, TITEL_EINGABEFEHLER, Symbol::Keins);
        p.grund = "Feld „Startwert“: „" + text + "“ ist keine ganze Zahl von 1 bis 9999.";
        return p;
    }
    startwert = static_cast<int>(*v);
    return {};
}

// A probability within [0, 1], or a GE transition within (0, 1]. The BSC keeps atof's
// double, the others round to single precision.
template <class T>
bool wahrscheinlichkeit(const std::string& text, bool geUebergang, T& ziel) {
    ziel = static_cast<T>(std::atof(text.c_str()));
    if (MM_Fehler(text) != 0) return false;
    return geUebergang ? geUebergangGueltig(ziel) : ziel >= T(0) && ziel <= T(1);
}

// The interleaver depth: a whole number from 1 to MAX_TIEFE.
EingabePruefung tiefePruefen(const std::string& text, std::uint32_t& tiefe) {
    const auto v = ganzeZahl(text);
    if (!v || *v < 1 || *v > MAX_TIEFE)
        return abgelehnt(Eingabefehler::Tiefe, Feld::Tiefe, TEXT_TIEFE, TITEL_MM_ZOR, Symbol::Stopp);
    tiefe = static_cast<std::uint32_t>(*v);
    return {};
}

EingabePruefung geMcPruefen(const GeMcEingaben& e, GeMcAuftrag& a, bool ge) {
    a.eingabe = e.eingabe;
    a.ausgabe = e.ausgabe;
    a.kopfAutomatisch = e.kopfAutomatisch || e.nProtect == SCHUTZ_AUTOMATISCH;
    if (auto p = dateiPruefen(e.eingabe, e.nProtect, a.kopfAutomatisch, a.nProtect); !p) return p;
    if (auto p = startwertPruefen(e.startwert, a.StartWert); !p) return p;
    if (!wahrscheinlichkeit(e.goodFromBad, ge, a.Good_From_Bad))
        return wahrscheinlichkeitAbgelehnt(Feld::GoodFromBad, e.goodFromBad, ge);
    if (!wahrscheinlichkeit(e.badFromGood, ge, a.Bad_From_Good))
        return wahrscheinlichkeitAbgelehnt(Feld::BadFromGood, e.badFromGood, ge);
    if (!wahrscheinlichkeit(e.good, false, a.Good)) return wahrscheinlichkeitAbgelehnt(Feld::Good, e.good);
    if (!wahrscheinlichkeit(e.bad, false, a.Bad)) return wahrscheinlichkeitAbgelehnt(Feld::Bad, e.bad);
    a.Good_From_Good = bleiben(a.Bad_From_Good);
    a.Bad_From_Bad = bleiben(a.Good_From_Bad);
    return tiefePruefen(e.tiefe, a.tiefe);
}

}  // namespace

EingabePruefung bscPruefen(const BscEingaben& e, BscAuftrag& a) {
    a.eingabe = e.eingabe;
    a.ausgabe = e.ausgabe;
    a.kopfAutomatisch = e.kopfAutomatisch || e.nProtect == SCHUTZ_AUTOMATISCH;
    if (auto p = dateiPruefen(e.eingabe, e.nProtect, a.kopfAutomatisch, a.nProtect); !p) return p;
    if (auto p = startwertPruefen(e.startwert, a.Startwert); !p) return p;
    if (!wahrscheinlichkeit(e.p, false, a.fFehlerWBSC)) return wahrscheinlichkeitAbgelehnt(Feld::P, e.p);
    return tiefePruefen(e.tiefe, a.tiefe);
}

EingabePruefung gePruefen(const GeMcEingaben& e, GeMcAuftrag& a) { return geMcPruefen(e, a, true); }
EingabePruefung mcPruefen(const GeMcEingaben& e, GeMcAuftrag& a) { return geMcPruefen(e, a, false); }

}  // namespace zor
