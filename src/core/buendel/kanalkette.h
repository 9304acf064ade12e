#pragma once
// A channel model as a chain over its states that emits one bit per step: K0[s][s'] is
// the probability that a bit sent in state s is correct and the next bit is sent in s',
// K1[s][s'] the same for an error. The rows of K0 + K1 sum to 1. This is how the
// generators define the models, with their nominal probabilities:
// - BSC: one state, error with p.
// - GE: error with the state's probability, then the state changes per bit with
//   p(G|G) resp. p(G|B), whatever the bit was.
// - MC: error with the state's probability; the state changes only after an error,
//   with q(G|G) resp. q(G|B).
// - SW: error with the state's probability; after an error the next state is drawn
//   anew (Z1 with pZ1, Z2 with pZ2, Z3 the remainder), whatever the current one.
// The chain starts in its stationary law, so every block of a long sequence has the same
// statistics; for MC and SW this is the share of bits spent in each state.

#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zor {

struct Kanalkette {
    using Matrix = std::array<std::array<double, 3>, 3>;
    int zustaende = 1;
    std::array<double, 3> start{};
    Matrix K0{}, K1{};
};

Kanalkette bscKette(double p);
Kanalkette geKette(const ModellWerte& w);
Kanalkette mcKette(const ModellWerte& w);
Kanalkette swKette(const ModellWerte& w);

// The chain of a set's model; nothing for a file-fed or inactive set.
std::optional<Kanalkette> kanalkette(const Satzparameter& p);

// The chain seen by one row of a block interleaver of depth d: a step sends one bit and
// lets d - 1 bits of the other rows pass unseen, K_b * (K0 + K1)^(d - 1). The start law
// stays stationary.
Kanalkette verschachtelt(const Kanalkette& k, std::uint64_t tiefe);

}  // namespace zor
