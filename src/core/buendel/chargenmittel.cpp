#include "core/buendel/chargenmittel.h"

#include "core/models/konfidenz.h"

#include <cmath>

namespace zor {

std::optional<double> chargenHalbbreite(std::span<const double> chargen) {
    const std::size_t b = chargen.size();
    if (b < 2) return std::nullopt;
    double mittel = 0;
    for (double x : chargen) mittel += x;
    mittel /= static_cast<double>(b);
    double quadrate = 0;
    for (double x : chargen) quadrate += (x - mittel) * (x - mittel);
    const double s = std::sqrt(quadrate / static_cast<double>(b - 1));
    return studentT975(static_cast<int>(b - 1)) * s / std::sqrt(static_cast<double>(b));
}

}  // namespace zor
