#pragma once
// The text parts of the lab protocol: each set with its model, every parameter, seed, N
// and derived quantities, and the correlation durations. The program and zorwerk-render
// lay them out on the protocol's pages beside the diagrams.

#include <string>
#include <vector>

#include "core/models/zor_state.h"

namespace zor {

struct Protokollabschnitt {
    std::string titel;
    std::vector<std::string> zeilen;
};

// Set `satz`: "Parametersatz 1: Gilbert-Elliott, Simulation", then one line per parameter
// as the dialogs label it, the derived quantities; an inactive set says so.
Protokollabschnitt protokollSatz(const ZorState& s, int satz);

// The correlation durations of the active sets as the FKF shows them.
Protokollabschnitt protokollDauern(const ZorState& s);

inline constexpr const char* PROTOKOLL_TITEL = "Versuchsprotokoll – Zorwerk und Multimedia";

}  // namespace zor
