#pragma once
// The error-correlation function R(k), k = 0..D: closed formulas, the two estimators
// (general equation on the bit sequence, renewal equation from the gap histogram) over
// sequences of the shared generation procedures, and the correlation duration.
// Every function fills all points of the span it is given: D + 1 points, D <= 100.

#include "core/models/fav.h"
#include "core/models/fkf_packed.h"
#include "core/models/konfidenz_werte.h"
#include "core/models/zor_state.h"
#include "core/util/fortschritt.h"

#include <cstdint>
#include <span>

namespace zor {

inline constexpr const char* FKF_TITEL_BSC = "Fehlerkorrelationsfunktion (BSC-Modell)";
inline constexpr const char* FKF_TITEL_GE = "Fehlerkorrelationsfunktion (GE-Modell)";
inline constexpr const char* FKF_TITEL_DATEI = "Fehlerkorrelationsfunktion (aus Datei)";

// Closed formulas, from the set's parameter array.
void FKF_BSC_THEORIE(const float* Wert, Kurve ptGraph);
void FKF_GE_THEORIE(const float* Wert, Kurve ptGraph);
void FKF_MC_THEORIE(const float* Wert, Kurve ptGraph);
void FKF_SW_THEORIE(const float* Wert, Kurve ptGraph);

// Estimates over n simulated bits, the set's exact Durchlaeufe (durchlaeufe());
// erneuernd = 0: general equation, otherwise the renewal equation. The bit-by-bit
// procedures report progress; all stop early when the job was cancelled. With k, also
// the curve's confidence band (konfidenz.h).
void FKF_BSC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int fabs, int erneuernd, Fortschritt& f,
                        Konfidenz* k = nullptr);
void FKF_GE_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, Fortschritt& f,
                       Konfidenz* k = nullptr);
void FKF_MC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, const Fortschritt& f,
                       Konfidenz* k = nullptr);
void FKF_SW_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, const Fortschritt& f,
                       Konfidenz* k = nullptr);

// Renewal equation: x[j - 1] counts the gaps of length j, summe all errors; ptGraph[0].y
// holds R(0). R(k) = sum over j = 1..k of f(j) R(k - j), f(j) = x[j - 1] / summe.
void FKF_RENEWAL(long long summe, std::span<const std::int64_t> x, Kurve ptGraph);

// General estimate from integer counts: x = k, R(k) = zaehler[k] / bits (0 when bits = 0).
void FKF_ausZaehlern(const Korrelationszaehler& zaehler, std::uint64_t bits, Kurve ptGraph);

// The curve of no error at all: R = 0 everywhere.
void FKF_Leer(Kurve ptGraph);

struct Korrelationswerte {
    float zaehler = 0, nenner = 0, DK = 0;
};

// Correlation duration of a curve with D = ptGraph.size() - 1 >= 2, clamped to 0..D;
// 0 when the denominator is not positive (no decaying correlation).
Korrelationswerte Korrelationsdauer(KurveLesen R);
// The same for a sampled curve: also 0 when its band shows no decay out of the noise.
Korrelationswerte Korrelationsdauer(KurveLesen R, const Konfidenz& k);

}  // namespace zor
