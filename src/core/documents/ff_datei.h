#pragma once
// The first bits of a file-fed set as the error-sequence document shows them: an
// error-sequence file's first characters (at most 5000), or an error-gap file's records
// expanded into bits. Only the length recorded when the file was chosen is read.

#include <optional>
#include <string>

#include "core/models/zor_state.h"

namespace zor {

// An error-sequence file shows at most this many characters.
inline constexpr long FF_FFO_HOECHSTENS = 5000;

// At most `anzahl` characters "0" and "1", read with the formats' readers; fewer when the
// file ends first. Nothing when the file cannot be read; when that is because of a
// character other than "0" and "1", `grund` gets the message naming its position.
std::optional<std::string> FF_DateiFolge(const STRUCT_DATEI& datei, long anzahl, std::string* grund = nullptr);

}  // namespace zor
