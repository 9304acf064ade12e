#pragma once
// The named presets: a model kind with the start values of set 1 or set 2
// (bsc1 bsc2 ge1 ge2 mc1 mc2 sw1 sw2), shared by the command-line tool and the renderer.

#include <optional>
#include <string_view>

#include "core/models/zor_state.h"

namespace zor {

struct Vorgabe {
    const char* name;
    Modellart art;
    int satz;  // whose start values
};

std::optional<Vorgabe> vorgabe(std::string_view name);

// Set `satz` becomes the preset's model, simulated, with the preset's start values.
void vorgabeSetzen(ZorState& s, int satz, const Vorgabe& v);

}  // namespace zor
