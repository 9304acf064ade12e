#pragma once
// A state with the start values and the given model ids and curve kinds of both sets.

#include "core/models/zor_state.h"

inline zor::ZorState mit(int m1, int m2, int sim1 = 1, int sim2 = 1) {
    zor::ZorState s = zor::startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(m1);
    s.Modell.M2 = static_cast<std::int16_t>(m2);
    s.Modell.sim1 = sim1;
    s.Modell.sim2 = sim2;
    return s;
}
