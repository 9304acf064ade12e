#pragma once
// The random error generators of the channel models. State lives with the caller; the
// random source is passed in. Error: draw <= error probability. Transition: draw < probability.

#include "core/models/zufall.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zor {

// GE/MC state numbering.
constexpr int GOOD = 1;
constexpr int BAD = 0;

// Gap standing for "no further error" (p = 0), also the cap for gaps beyond 32 bits.
constexpr long KEIN_FEHLER_ABSTAND = 10000000;

// ln(1/u) for every possible draw u = k/32768, k = 0..32767 (entry 0 unused).
const double* lnKehrwert();

// Gaps for one fixed p, tabulated for every possible draw: exactly the gaps
// Fehlerabstand gives, without two logarithms per gap.
class Abstandsziehung {
public:
    explicit Abstandsziehung(float p = 0.0f);

    // The gap that the draw k/32768 (k >= 1) gives for 0 < p < 1.
    long fuerZiehung(int k) const { return tabelle_[static_cast<std::size_t>(k)]; }

    long operator()(Zufall& z) const {
        if (fest_ != 0) return fest_;
        int k;
        do { k = z.rand(); } while (k == 0);
        return tabelle_[static_cast<std::size_t>(k)];
    }

private:
    std::vector<std::int32_t> tabelle_;
    long fest_ = 0;  // the gap for p = 0 and p = 1, which need no draw
};

// lambda = ln(1 / (1 - p)) in single precision, as every gap formula uses it.
inline float abstandsLambda(float p) { return static_cast<float>(std::log(1.0 / (1.0 - static_cast<double>(p)))); }

// trunc(ln(1/u) / lambda) + 1, capped where it would leave the 32-bit range.
inline long abstandAus(double lnKehrwertU, float lambda) {
    const double g = std::trunc(lnKehrwertU * (1.0 / static_cast<double>(lambda))) + 1.0;
    return g > 2147483647.0 ? KEIN_FEHLER_ABSTAND : static_cast<long>(g);
}

// One geometric error gap: P(gap = k) = (1 - p)^(k - 1) * p, k >= 1. Draws of 0 are skipped.
inline long Fehlerabstand(float p, Zufall& z) {
    if (p == 1.0f) return 1;
    if (p == 0.0f) return KEIN_FEHLER_ABSTAND;
    int k;
    do { k = z.rand(); } while (k == 0);
    return abstandAus(lnKehrwert()[k], abstandsLambda(p));
}

// One GE bit in the current state, then the state change. Exactly two draws.
inline void GE_Fehlerfolge(int* zustand, int* bit, const float* wert, Zufall& z) {
    const float pFehler = *zustand != 0 ? wert[6] : wert[7];
    *bit = z.gleich() <= pFehler ? 1 : 0;
    const float u = z.gleich();
    if (*zustand == 1)
        *zustand = u < wert[2] ? 1 : 0;
    else
        *zustand = u < wert[4] ? 1 : 0;
}

// Seeds with Wert[0] and draws the GE start state from the stationary distribution.
void GE_Startzustand(int* zustand, const float* Wert, Zufall& z);

// Seeds with Wert[0] and draws the MC start state (share of bits spent in each state).
void MC_Startzustand(int* zustand, const float* Wert, Zufall& z);

// Seeds with Wert[0] and draws the SW start state from the stationary distribution.
void SW_Startzustand(short* zustand, const float* Wert, Zufall& z);

// MC state change after an error. One draw.
inline void MC_Zustand(int* zustand, const float* Wert, Zufall& z) {
    const float u = z.gleich();
    if (*zustand == 1)
        *zustand = u < Wert[2] ? 1 : 0;
    else
        *zustand = u < Wert[4] ? 1 : 0;
}

// SW state for the next gap, independent of the current one. One draw.
inline void SW_Zustand(short* zustand, const float* Wert, Zufall& z) {
    const float zufall = z.gleich();
    if (zufall < Wert[3])
        *zustand = 1;
    else if (static_cast<double>(Wert[3]) + Wert[4] > zufall)
        *zustand = 2;
    else
        *zustand = 3;
}

}  // namespace zor
