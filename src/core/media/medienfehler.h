#pragma once
// The English failure texts of the platform's media and picture readers in German: one
// table of the known texts; an unknown one is named in parentheses after a German sentence.

#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The German text for a known reader message (matched at its start, so a detail the
// reader appends does not matter), else nothing.
std::optional<std::string> bekannterMedienfehler(std::string_view englisch);

// Always German: the known text, or "Die Wiedergabe meldet einen Fehler (ORIGINAL)."; an
// empty message gives the general sentence alone.
std::string medienfehler(std::string_view englisch);

// For pictures: the known text, else the original (what follows is the caller's sentence).
std::string bildfehler(std::string_view englisch);

}  // namespace zor
