#pragma once
// Where templates come from: a directory first (so a teacher can change a picture by
// putting an edited copy there), then whatever the program has built in.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/plot/plotag.h"

namespace zor {

// Templates are small; anything larger than this is not one.
inline constexpr std::size_t MAX_VORLAGENGROESSE = 1 << 20;

// The text of the template `name` in `verzeichnis`; the name matches case-blind when
// no file has exactly that name. Nothing when it is missing, unreadable or too large.
std::optional<std::string> vorlageAusVerzeichnis(const std::filesystem::path& verzeichnis, std::string_view name);

// A source that asks the directory first and then `eingebaut` (may be empty).
Vorlagenquelle vorlagenquelle(std::filesystem::path verzeichnis, Vorlagenquelle eingebaut);

}  // namespace zor
