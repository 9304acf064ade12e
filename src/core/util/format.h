#pragma once
// printf-style formatting of the German message texts.

#include <string>

namespace zor {

std::string format(const char* muster, ...) __attribute__((format(printf, 1, 2)));

// A number with at least 9 significant digits ("%.9g"): enough to give a float back
// exactly, so curve outputs of the CLI and the documents agree digit for digit.
std::string kurvenzahl(double v);

}  // namespace zor
