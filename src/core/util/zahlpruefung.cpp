#include "core/util/zahlpruefung.h"

#include <cmath>
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

bool ganzzahlig(float v) {
    return std::isfinite(v) && std::trunc(v) == v;
}

}  // namespace zor
