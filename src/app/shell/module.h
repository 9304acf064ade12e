#pragma once
// The list of feature modules the frame loads: one row per module.

#include <memory>
#include <vector>

#include "app/context/befehlsmodul.h"

namespace zor::app {

std::vector<std::unique_ptr<Befehlsmodul>> erzeugeModule(Kontext& kontext);

}  // namespace zor::app
