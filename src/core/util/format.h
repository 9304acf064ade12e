#pragma once
// printf-style formatting of the German message texts.

#include <string>

namespace zor {

std::string format(const char* muster, ...) __attribute__((format(printf, 1, 2)));

}  // namespace zor
