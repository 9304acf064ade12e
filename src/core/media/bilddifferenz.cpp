#include "core/media/bilddifferenz.h"

#include <cmath>
#include <limits>

namespace zor {

std::optional<Bilddifferenz> bilddifferenz(const DibBild& original, const DibBild& kopie) {
    if (original.breite != kopie.breite || original.hoehe != kopie.hoehe) return std::nullopt;
    Bilddifferenz d;
    d.bild.breite = original.breite;
    d.bild.hoehe = original.hoehe;
    const std::size_t n = original.pixel.size();
    d.bild.pixel.resize(n);
    std::array<std::uint64_t, 3> quadrate{};  // sums of squared differences, blue first
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t a = original.pixel[i], b = kopie.pixel[i];
        if ((a ^ b) & 0xFFFFFFu) {
            ++d.pixel;
            d.bild.pixel[i] = DIFFERENZ_ROT;
            for (int k = 0; k < 3; ++k) {
                const int u = static_cast<int>(a >> (8 * k) & 0xFFu) - static_cast<int>(b >> (8 * k) & 0xFFu);
                quadrate[k] += static_cast<std::uint64_t>(u * u);
            }
        } else {
            d.bild.pixel[i] = gedimmt(a);
        }
    }
    for (int k = 0; k < 3; ++k) {
        const double mse = n == 0 ? 0.0 : static_cast<double>(quadrate[k]) / static_cast<double>(n);
        d.psnr[2 - k] = mse == 0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(255.0 * 255.0 / mse);
    }
    return d;
}

}  // namespace zor
