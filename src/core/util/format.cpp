#include "core/util/format.h"

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace zor {

std::string format(const char* muster, ...) {
    va_list a;
    va_start(a, muster);
    va_list b;
    va_copy(b, a);
    const int n = std::vsnprintf(nullptr, 0, muster, a);
    va_end(a);
    std::string s(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(s.data(), s.size() + 1, muster, b);
    va_end(b);
    return s;
}

std::string kurvenzahl(double v) {
    char text[40];
    const auto f = static_cast<float>(v);
    // A float passed in arrives widened; its shortest double text would show the noise
    // of the widening, so such values are printed as the float they are.
    const auto r = std::isfinite(v) && static_cast<double>(f) == v ? std::to_chars(text, text + sizeof text, f)
                                                                    : std::to_chars(text, text + sizeof text, v);
    return std::string(text, r.ptr);
}

std::string csvDeutsch(std::string_view csv) {
    std::string t(csv);
    for (char& c : t) c = c == ',' ? ';' : c == '.' ? ',' : c;
    return t;
}

}  // namespace zor
