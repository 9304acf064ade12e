#pragma once
// What a sampled curve knows of its own uncertainty: the half-widths of its 95 %
// confidence band and, for the correlation function, the duration's interval. Kept
// beside the curve; computed in konfidenz.h.

#include <algorithm>
#include <array>
#include <cstdint>

namespace zor {

inline constexpr const char* TEXT_KEINE_ABKLINGENDE_KORRELATION = "keine abklingende Korrelation";

// Points of the longest curve (the correlation function up to lag 100).
inline constexpr int BAND_PUNKTE = 101;

// Half-widths of a band around a curve, point for point; the band is the curve plus and
// minus them, kept within the probabilities 0..1.
struct Kurvenband {
    std::array<float, BAND_PUNKTE> halb{};
    float unten(std::size_t i, float y) const { return std::max(y - halb[i], 0.0f); }
    float oben(std::size_t i, float y) const { return std::min(y + halb[i], 1.0f); }
};

// The confidence of one sampled curve.
struct Konfidenz {
    int chargen = 0;          // batches used; 0: no band (a closed formula, or too short)
    std::uint64_t fehler = 0; // errors counted
    std::uint64_t bits = 0;   // bits of the sequence
    Kurvenband band;          // FAV: P(a >= k) at point k - 1; FKF: R(k) at point k
    Kurvenband punktband;     // FAV only: p(a = k)
    // FKF only: the correlation duration's interval, and whether the curve's decay stands
    // out of the noise (its denominator's band stays above 0).
    float dauerUnten = 0, dauerOben = 0;
    bool abklingend = true;

    explicit operator bool() const { return chargen > 0; }
};

}  // namespace zor
