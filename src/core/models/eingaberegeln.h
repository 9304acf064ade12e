#pragma once
// The entry rules of the model parameters and the curve options with their notices,
// shared by the dialogs and the command-line tool. Every entry is read as text: it must
// pass the number syntax (`fehler`: no comma, no spaces), is converted with atof and
// rounded to single precision; "whole" means truncation gives the same value.

#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zor {

inline constexpr const char* TITEL_EINGABEFEHLER = "Eingabefehler";
// The notice after a refused start value or number of runs (dialog 612).
inline constexpr const char* TEXT_612 =
    "1. Startwert kann ganzzahlige Werte\nzwischen 1 und 9999 annehmen!\n2. Simulationsdurchlauf muss > 0 sein!\n(nur ZOR)";
// The notice after a refused probability (dialog 613).
inline constexpr const char* TEXT_613 =
    "unzulässige Eingabe!\nmögliche Fehler:\n1. Wert >1\n2. Wert < 0\n3. Komma wurde verwendet\n4. Übergänge = 0 (GE-Modell)";
inline constexpr const char* TITEL_OPTIONEN = "Optionen";
inline constexpr const char* TEXT_FEHLEINGABE_ABSZISSE =
    "Fehleingabe bei Skalierung Abszisse; es muss gelten:\n\n- Eingabewert muss ganzzahlig sein\n - 20 <= Eingabewert <= 100";
inline constexpr const char* TEXT_FEHLEINGABE_ORDINATE =
    "Fehleingabe bei Skalierung Ordinate; es muss gelten:\n \n- untere Bereichsgrenze >= 1e-10  (1. Wert) \n"
    "- obere  Bereichsgrenze <= 1e-0   (2. Wert) \n- untere Bereichsgrenze <  obere Bereichsgrenze";

// The rule a refused entry broke, explained on a second line under the notice that names
// the field (dialogs) or the option (zor).
enum class Eingaberegel {
    Keine,
    Komma,
    KeineZahl,
    UeberEins,
    UnterNull,
    Startwert,
    Durchlaeufe,
    GeUebergangNull,
    McFehlerNull,
    SwSumme,
    SwFehlerNull,
    Abszisse,
    DekadeUnten,
    DekadeOben,
    DekadenFolge,
};
// The rule as a German sentence ending with a full stop; empty for Keine.
const char* regelText(Eingaberegel r);
// "Feld „<feld>“: <rule>", the line under a refusal.
std::string feldZeile(std::string_view feld, Eingaberegel r);
// Why a probability entry is refused: a comma, no number, above 1, below 0; Keine when it holds.
Eingaberegel wahrscheinlichkeitRegel(std::string_view text);

// Single entries: the value, or nothing when refused.
// A probability within [0, 1]; 0, 1 and "-0" are accepted.
std::optional<float> wahrscheinlichkeitEingabe(std::string_view text);
// A start value: whole, 1 to 9999.
std::optional<float> startwertEingabe(std::string_view text);
// A number of simulated bits: whole, 1 to 2^64 - 1, read exactly (no rounding to
// single precision; "1e8" is the whole number 100000000).
std::optional<std::uint64_t> durchlaeufeEingabe(std::string_view text);
// The end of the curve options' abscissa (points or lags): whole, 20 to 100.
std::optional<int> abszisseEingabe(std::string_view text);

// The decades of the logarithmic ordinate from 1e-a1 to 1e-a2: a1 whole in 1..10,
// a2 whole in 0..9.
std::optional<int> untereDekadeEingabe(std::string_view text);
std::optional<int> obereDekadeEingabe(std::string_view text);
// Both decades, and a1 > a2. All three checks are made also for a linear ordinate.
struct Ordinatenbereich {
    int a1 = 0, a2 = 0;
};
std::optional<Ordinatenbereich> ordinateEingabe(std::string_view a1, std::string_view a2);

// A GE transition lies in (0, 1]: 0 would leave a state never entered or never left.
bool geUebergangGueltig(double v);
// Rules on a whole GE or MC parameter array (after each entry passed).
// GE: neither transition p(G|B) nor p(B|G) may be 0.
bool geUebergaengeGueltig(const ModellWerte& w);
// MC: the transitions may be 0, but neither error probability Good nor Bad.
bool mcFehlerGueltig(const ModellWerte& w);
// SW: the three state choice probabilities sum to 1 within single-precision rounding.
bool swWahlGueltig(const ModellWerte& w);
// The probability of staying in a state, given that of leaving it, in single precision.
inline float bleiben(float verlassen) { return 1.0f - verlassen; }
// p(G|G) = 1 - p(B|G) and p(B|B) = 1 - p(G|B).
void uebergaengeErgaenzen(ModellWerte& w);

}  // namespace zor
