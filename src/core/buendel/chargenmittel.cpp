#include "core/buendel/chargenmittel.h"

#include <cmath>

namespace zor {

namespace {
// Small degrees of freedom exactly; above them the Cornish-Fisher series is within 1e-4.
constexpr double T975[] = {12.7062, 4.30265, 3.18245, 2.77645, 2.57058, 2.44691, 2.36462, 2.30600, 2.26216, 2.22814};
}  // namespace

double tQuantil975(int f) {
    if (f < 1) f = 1;
    if (f <= 10) return T975[f - 1];
    const double z = 1.959963984540054, z2 = z * z, v = f;
    return z + z * (z2 + 1) / (4 * v) + z * ((5 * z2 + 16) * z2 + 3) / (96 * v * v) +
           z * (((3 * z2 + 19) * z2 + 17) * z2 - 15) / (384 * v * v * v);
}

std::optional<double> chargenHalbbreite(std::span<const double> chargen) {
    const std::size_t b = chargen.size();
    if (b < 2) return std::nullopt;
    double mittel = 0;
    for (double x : chargen) mittel += x;
    mittel /= static_cast<double>(b);
    double quadrate = 0;
    for (double x : chargen) quadrate += (x - mittel) * (x - mittel);
    const double s = std::sqrt(quadrate / static_cast<double>(b - 1));
    return tQuantil975(static_cast<int>(b - 1)) * s / std::sqrt(static_cast<double>(b));
}

}  // namespace zor
