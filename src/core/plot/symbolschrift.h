#pragma once
// The classic "Symbol" font placed Greek letters and mathematical signs on the
// code points of Latin letters ('a' = alpha, 'D' = Delta, 0xB3 = greater-or-equal).
// Templates keep writing them that way; the canvas gets the Unicode characters.

#include <string>
#include <string_view>

namespace zor {

// Translates symbol-font text to UTF-8. Byte sequences that already are well-formed
// multi-byte UTF-8 pass through unchanged, so a template may also write "≥" directly.
std::string symbolNachUnicode(std::string_view text);

}  // namespace zor
