#pragma once
// Batch means: the spread of a simulated mean from the means of consecutive equal parts
// of the run. Parts far longer than the chain's memory are nearly independent, so the
// half-width t(0.975; B - 1) * s / sqrt(B) of their B means bounds the overall mean at
// about 95 %.

#include <optional>
#include <span>

namespace zor {

// The half-width of the 95 % interval of the mean from the batch means; nothing with
// fewer than two batches.
std::optional<double> chargenHalbbreite(std::span<const double> chargen);

}  // namespace zor
