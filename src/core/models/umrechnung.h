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

// Whether the result is a McCullough model at all: with p(G|B) + p(B|G) > 1 there is
// none, and the formulas give numbers that are no probabilities.
bool mcAequivalentGueltig(const GE_TO_MC_STRUCT& r);

}  // namespace zor
