#pragma once
// Exact block statistics of a channel chain: the probability P(m, n) of exactly m errors
// in a block of n bits, by a forward recursion over (state, errors) that starts in the
// chain's stationary law. Errors beyond M are kept together in one last entry, so the
// entries always sum to 1 and a small tail probability is summed, never left over as
// 1 minus something close to 1.

#include "core/buendel/kanalkette.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zor {

// P(0, n) ... P(M, n) and, as entry M + 1, P(> M, n). n >= 0, M >= 0.
std::vector<double> blockverteilung(const Kanalkette& k, std::uint64_t n, int M);

// P(> t, n) for each block length n of `laengen` (ascending), from one recursion.
std::vector<double> restfehlerkurve(const Kanalkette& k, std::span<const std::uint64_t> laengen, int t);

}  // namespace zor
