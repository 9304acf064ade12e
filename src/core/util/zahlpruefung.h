#pragma once
// Syntax check of decimal numbers as typed into the dialogs.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zor {

// 0 if the text is a well-formed decimal number, 1 otherwise. Accepts 0.5, .5, 5.,
// 1e-3 and 1E+; refuses the empty text, +.5, 1e, 0,5 and anything with spaces.
int fehler(std::string_view text);

// atof rounded to single precision, as the dialogs read an entry.
float alsFloat(std::string_view text);

// Truncation to an integer gives the same value.
bool ganzzahlig(float v);

// The exact value of a text that passes `fehler` when it is a whole number from 0 to
// 2^64 - 1 ("1e8" and "2.50e1" included); nothing for a fraction, a negative value or
// anything larger. Read digit by digit, so no count is rounded through a float.
std::optional<std::uint64_t> ganzeZahl(std::string_view text);

}  // namespace zor
