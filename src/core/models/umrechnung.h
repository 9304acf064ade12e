#pragma once
// The McCullough model with the same error-gap distribution as a Gilbert-Elliott model,
// with the GE model's mean error probability and correlation duration.

namespace zor {

struct GE_TO_MC_STRUCT {
    float GeGood = 0, GeBad = 0;
    float GeGoodFromBad = 0, GeBadFromGood = 0;
    float McGood = 0, McBad = 0;
    float McGoodFromBad = 0, McBadFromGood = 0;
    float GeToMcMittel = 0;
    float GeToMcKorrelation = 0;
};

// Wert: a GE parameter array with p(G|G) and p(B|B) already stored as complements.
// Every intermediate value is rounded to single precision; square and root in double.
GE_TO_MC_STRUCT Umrechnung(const float* Wert);

inline constexpr const char* TEXT_KEIN_MC_MODELL =
    "Zu diesem GE-Modell gibt es kein gültiges äquivalentes MC-Modell!\n"
    "(Die Summe der Übergänge p(G|B) + p(B|G) darf höchstens 1 sein.)";

// False when the result is no MC model: transitions of the GE model summing to more than
// 1, or any MC value that is not a probability in [0, 1] (also NaN or infinite).
bool mcModellGueltig(const GE_TO_MC_STRUCT& r);

}  // namespace zor
