#pragma once
// The feature modules the frame loads, as their descriptions: one row per module.

#include <vector>

#include "app/context/beschreibung.h"

namespace zor::app {

const std::vector<const Modul*>& alleModule();

}  // namespace zor::app
