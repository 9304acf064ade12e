#include "core/models/eingaberegeln.h"

#include "core/util/zahlpruefung.h"

#include <array>
#include <cmath>
#include <limits>

namespace zor {

const char* regelText(Eingaberegel r) {
    using enum Eingaberegel;
    switch (r) {
    case Keine: break;
    case Komma: return "Dezimalzahlen werden mit Punkt geschrieben, nicht mit Komma.";
    case KeineZahl: return "die Eingabe ist keine Zahl.";
    case UeberEins: return "eine Wahrscheinlichkeit darf nicht größer als 1 sein.";
    case UnterNull: return "eine Wahrscheinlichkeit darf nicht kleiner als 0 sein.";
    case Startwert: return "der Startwert muss eine ganze Zahl von 1 bis 9999 sein.";
    case Durchlaeufe: return "die Zahl der Durchläufe muss eine ganze Zahl von 1 bis 18446744073709551615 sein.";
    case GeUebergangNull: return "beim GE-Modell darf kein Übergang 0 sein.";
    case McFehlerNull: return "beim MC-Modell darf die Fehlerwahrscheinlichkeit nicht 0 sein.";
    case SwSumme: return "die Wahrscheinlichkeiten der drei Zustände müssen zusammen 1 ergeben.";
    case SwFehlerNull: return "ein Zustand, der gewählt werden kann, muss Fehler machen können.";
    case Abszisse: return "das Ende der Abszisse muss eine ganze Zahl von 20 bis 100 sein.";
    case DekadeUnten: return "die untere Grenze 1e-a braucht eine ganze Zahl a von 1 bis 10.";
    case DekadeOben: return "die obere Grenze 1e-a braucht eine ganze Zahl a von 0 bis 9.";
    case DekadenFolge: return "die untere Grenze muss kleiner als die obere sein.";
    }
    return "";
}

std::string feldZeile(std::string_view feld, Eingaberegel r) {
    return "Feld „" + std::string(feld) + "“: " + regelText(r);
}

Eingaberegel wahrscheinlichkeitRegel(std::string_view text) {
    if (fehler(text) != 0)
        return text.find(',') != std::string_view::npos ? Eingaberegel::Komma : Eingaberegel::KeineZahl;
    const float v = alsFloat(text);
    if (v > 1.0f) return Eingaberegel::UeberEins;
    if (v < 0.0f) return Eingaberegel::UnterNull;
    if (!(v >= 0.0f)) return Eingaberegel::KeineZahl;
    return Eingaberegel::Keine;
}

std::optional<float> wahrscheinlichkeitEingabe(std::string_view text) {
    if (wahrscheinlichkeitRegel(text) != Eingaberegel::Keine) return std::nullopt;
    return alsFloat(text);
}

std::optional<float> startwertEingabe(std::string_view text) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!(v >= 1.0f && v <= 9999.0f) || !ganzzahlig(v)) return std::nullopt;
    return v;
}

std::optional<std::uint64_t> durchlaeufeEingabe(std::string_view text) {
    const auto n = ganzeZahl(text);
    if (!n || *n == 0) return std::nullopt;
    return n;
}

namespace {

// A whole number within [von, bis] in the dialogs' syntax.
std::optional<int> ganzeZahl(std::string_view text, float von, float bis) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!ganzzahlig(v) || v < von || v > bis) return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

std::optional<int> abszisseEingabe(std::string_view text) { return ganzeZahl(text, 20.0f, 100.0f); }

std::optional<int> untereDekadeEingabe(std::string_view text) { return ganzeZahl(text, 1.0f, 10.0f); }
std::optional<int> obereDekadeEingabe(std::string_view text) { return ganzeZahl(text, 0.0f, 9.0f); }

std::optional<Ordinatenbereich> ordinateEingabe(std::string_view a1, std::string_view a2) {
    const auto unten = untereDekadeEingabe(a1);
    const auto oben = obereDekadeEingabe(a2);
    if (!unten || !oben || *unten <= *oben) return std::nullopt;
    return Ordinatenbereich{*unten, *oben};
}

bool geUebergangGueltig(double v) { return v > 0.0 && v <= 1.0; }

bool geUebergaengeGueltig(const ModellWerte& w) {
    return geUebergangGueltig(w[gemc::Good_From_Bad]) && geUebergangGueltig(w[gemc::Bad_From_Good]);
}

bool mcFehlerGueltig(const ModellWerte& w) { return w[gemc::Good] != 0.0f && w[gemc::Bad] != 0.0f; }

bool swWahlGueltig(const ModellWerte& w) {
    const float summe = w[sw::pZ1] + w[sw::pZ2] + w[sw::pZ3];
    return std::fabs(summe - 1.0f) <= 4.0f * std::numeric_limits<float>::epsilon();
}

void uebergaengeErgaenzen(ModellWerte& w) {
    w[gemc::Good_From_Good] = bleiben(w[gemc::Bad_From_Good]);
    w[gemc::Bad_From_Bad] = bleiben(w[gemc::Good_From_Bad]);
}

}  // namespace zor
