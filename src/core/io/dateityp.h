#pragma once
// The two rules by which a file name is taken for an error-sequence (FFO) or an
// error-gap (FAB) file.

#include <optional>
#include <string_view>

namespace zor {

constexpr int TYP_FFO = 1;
constexpr int TYP_FAB = 0;

inline constexpr const char* TEXT_KEIN_GUELTIGER_DATEINAME = "Kein gültiger Dateiname!";

// Channel-model rule: the name ends in ".FFO" or ".FAB", each letter in either case.
// TYP_FFO or TYP_FAB; nothing for any other name (the caller shows the message above).
std::optional<int> Dateityp(std::string_view name);

// Multimedia rule: FFO when the name contains ".FFO" or ".ffo" anywhere, FAB otherwise.
int dateitypMultimedia(std::string_view name);

}  // namespace zor
