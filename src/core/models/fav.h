#pragma once
// The error-gap distribution P(a >= k), k = 1..d: closed formulas, simulations with the
// shared generation procedures, the normalisation of a gap histogram and the point
// probabilities p(a = k). Every function fills all points of the span it is given; its
// size is the number of points d (FAV_defbereich), 1..100.

#include "core/models/konfidenz_werte.h"
#include "core/models/zor_state.h"
#include "core/util/fortschritt.h"

#include <cstdint>
#include <span>

namespace zor {

inline constexpr const char* FAV_TITEL_BSC = "Fehlerabstandsverteilung (BSC-Modell)";
inline constexpr const char* FAV_TITEL_GE = "Fehlerabstandsverteilung (GE-Modell)";
inline constexpr const char* FAV_TITEL_DATEI = "Fehlerabstandsverteilung (aus Datei)";

using Kurve = std::span<STRUCT_PUNKT>;
using KurveLesen = std::span<const STRUCT_PUNKT>;

// Closed formulas; Wert is p for BSC, the parameter array otherwise.
void FAV_BSC_THEORIE(float Wert, Kurve ptGraph);
void FAV_GE_THEORIE(const float* Wert, Kurve ptGraph);
void FAV_MC_THEORIE(const float* Wert, Kurve ptGraph);
void FAV_SW_THEORIE(const float* Wert, Kurve ptGraph);

// Simulations over n bits, the set's exact Durchlaeufe (durchlaeufe()); the bit-by-bit
// ones report progress, all stop early when the progress says the job was cancelled.
// With k, also the curve's confidence band (konfidenz.h).
void FAV_BSC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int fabs, Fortschritt& f,
                        Konfidenz* k = nullptr);
void FAV_GE_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, Fortschritt& f, Konfidenz* k = nullptr);
void FAV_MC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k = nullptr);
void FAV_SW_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k = nullptr);

// Turns a gap histogram (anzahl[k - 1] = gaps of length k, at least ptGraph.size()
// entries) into y = (gaps >= k) / summe; without any gap the whole curve is 1.
void FAV_Normierung(Kurve ptGraph, std::span<const std::int64_t> anzahl, long long summe, long long ueberlauf);

// p(a = k) = P(a >= k) - P(a >= k + 1); the last point repeats the one before it.
void FAV_Punktwahrscheinlichkeiten(KurveLesen ptFAV, Kurve ptFAVa);

// The curve of no error at all: y = 1 everywhere.
void FAV_Leer(Kurve ptGraph);

}  // namespace zor
