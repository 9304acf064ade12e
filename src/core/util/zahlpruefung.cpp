#include "core/util/zahlpruefung.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace zor {

int fehler(std::string_view text) {
    // State machine; -1 = invalid. Rows: state, columns: sign, point, digit, exponent mark.
    static constexpr int uebergang[7][4] = {
        {1, 3, 2, -1},    // 0 start
        {-1, -1, 2, -1},  // 1 after the sign
        {-1, 5, 2, 6},    // 2 integer digits
        {-1, -1, 5, -1},  // 3 point without integer digits
        {-1, -1, 4, -1},  // 4 exponent digits
        {-1, -1, 5, 6},   // 5 fraction digits
        {4, -1, 4, -1},   // 6 after the exponent mark
    };
    int zustand = 0;
    for (char c : text) {
        int spalte;
        if (c == '+' || c == '-') spalte = 0;
        else if (c == '.') spalte = 1;
        else if (c >= '0' && c <= '9') spalte = 2;
        else if (c == 'e' || c == 'E') spalte = 3;
        else return 1;
        zustand = uebergang[zustand][spalte];
        if (zustand < 0) return 1;
    }
    return (zustand == 2 || zustand == 4 || zustand == 5) ? 0 : 1;
}

float alsFloat(std::string_view text) {
    return static_cast<float>(std::atof(std::string(text).c_str()));
}

std::optional<std::uint64_t> ganzeZahl(std::string_view text) {
    if (fehler(text) != 0) return std::nullopt;
    bool negativ = false;
    std::string ziffern;  // significant digits, the decimal point removed
    long long exponent = 0;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') negativ = text[i++] == '-';
    bool bruch = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            bruch = true;
            continue;
        }
        if (ziffern.empty() && text[i] == '0') {
            if (bruch) --exponent;  // a leading zero after the point only shifts
            continue;
        }
        ziffern += text[i];
        if (bruch) --exponent;
    }
    if (i < text.size()) {
        // The syntax allows "1E+" (no exponent digits): exponent 0. Long exponents are capped,
        // they only decide between "too large" and "fraction".
        const std::string e(text.substr(i + 1));
        const long long e10 = std::strtoll(e.c_str(), nullptr, 10);
        exponent += std::clamp(e10, -100000LL, 100000LL);
    }
    while (!ziffern.empty() && ziffern.back() == '0') {
        ziffern.pop_back();
        ++exponent;
    }
    if (ziffern.empty()) return std::uint64_t{0};
    if (negativ || exponent < 0) return std::nullopt;  // below 0 or a fraction
    if (static_cast<long long>(ziffern.size()) + exponent > 20) return std::nullopt;
    ziffern.append(static_cast<std::size_t>(exponent), '0');
    std::uint64_t wert = 0;
    for (char c : ziffern) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (wert > (UINT64_MAX - d) / 10) return std::nullopt;
        wert = wert * 10 + d;
    }
    return wert;
}

bool ganzzahlig(float v) {
    return std::isfinite(v) && std::trunc(v) == v;
}

}  // namespace zor
