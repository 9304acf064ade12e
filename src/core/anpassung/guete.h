#pragma once
// How well a fitted model describes the sequence, beyond its likelihood: the largest
// distance between the gap distributions (Kolmogorov-Smirnov) and the relative deviation
// of the error-correlation functions; and the sequence's own curves for both.

#include "core/anpassung/abstandsfolge.h"
#include "core/models/zor_state.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace zor {

// A model's P(a >= k), asked for ascending k >= 1.
using Abstandsgesetz = std::function<double(std::uint64_t k)>;

// The law of a fitted model from its parameters in the fit's order (BSC {p}, GE and MC
// {to BAD, to GOOD, error in GOOD, in BAD}, SW {pZ1, pZ2, pZ3, e1, e2, e3}).
Abstandsgesetz abstandsgesetz(Modellart art, const std::vector<double>& theta);

// max over k of |share of the sequence's gaps >= k - P(a >= k)|. The sequence's share is a
// step function, so only the distinct gaps g and g + 1 need to be compared.
double ksAbstand(const Abstandswerte& w, const Abstandsgesetz& modell);

// sqrt of the mean of ((R_folge(k) - R_modell(k)) / R_modell(k))^2 over k = 1..D, points
// where the model is 0 left out; nothing when none is left.
std::optional<double> fkfAbweichung(std::span<const STRUCT_PUNKT> folge, std::span<const STRUCT_PUNKT> modell);

// The sequence's P(a >= k), k = 1..punkte (punkte <= 100), as the FAV document counts a file.
std::vector<STRUCT_PUNKT> folgenFav(const Abstandswerte& w, int punkte);
// The sequence's R(k), k = 0..lags (lags <= 100), by the general estimator over its bits.
std::vector<STRUCT_PUNKT> folgenFkf(const Abstandsfolge& f, int lags);

}  // namespace zor
