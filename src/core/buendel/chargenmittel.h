#pragma once
// Batch means: the spread of a simulated mean from the means of consecutive equal parts
// of the run. Parts far longer than the chain's memory are nearly independent, so the
// half-width t(0.975; B - 1) * s / sqrt(B) of their B means bounds the overall mean at
// about 95 %.

#include <optional>
#include <span>

namespace zor {

// Upper 97.5 % quantile of Student's t with f degrees of freedom (f >= 1).
double tQuantil975(int f);

// The half-width of the 95 % interval of the mean from the batch means; nothing with
// fewer than two batches.
std::optional<double> chargenHalbbreite(std::span<const double> chargen);

}  // namespace zor
