#pragma once
// Where two files first differ, for showing a corrupted copy beside its original.

#include <cstdint>
#include <optional>
#include <string>

namespace zor {

// The offset of the first byte in which the files differ (a length difference counts at
// the shorter length); nothing when they are equal or either cannot be read.
std::optional<std::uint64_t> ersterUnterschied(const std::string& datei1, const std::string& datei2);

}  // namespace zor
