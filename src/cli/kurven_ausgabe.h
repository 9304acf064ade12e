#pragma once
// Output of the curve subcommands: CSV lines "k,value" or one JSON object.

#include "core/models/zor_state.h"
#include "core/models/kurven_ermitteln.h"
#include "core/util/format.h"
#include "json_ausgabe.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zorcli {

// Numbers are written as the core's curve outputs write them.
using zor::kurvenzahl;

// Prints the curve as CSV, or with --json as an object with "points", the given further
// members (name, JSON value, e.g. a kurvenzahl), "ms" and "warnung" (null without warnings).
void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, bool json,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen);

// Writes every message to stderr; true when the curve failed.
bool meldungenAusgeben(const zor::Satzkurve& kurve);

}  // namespace zorcli
