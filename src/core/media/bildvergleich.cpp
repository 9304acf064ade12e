#include "core/media/bildvergleich.h"

#include <algorithm>

namespace zor {

std::optional<Bildvergleich> vergleicheBilder(const DibBild& a, const DibBild& b) {
    if (a.breite != b.breite || a.hoehe != b.hoehe) return std::nullopt;
    Bildvergleich v;
    const std::uint32_t w = a.breite;
    v.bild.breite = 3 * w + 2 * VERGLEICH_LUECKE;
    v.bild.hoehe = a.hoehe;
    v.bild.pixel.assign(std::uint64_t{v.bild.breite} * v.bild.hoehe, DIB_GRAU);
    for (std::uint32_t y = 0; y < a.hoehe; ++y) {
        const std::uint32_t* za = a.pixel.data() + std::uint64_t{y} * w;
        const std::uint32_t* zb = b.pixel.data() + std::uint64_t{y} * w;
        std::uint32_t* ziel = v.bild.pixel.data() + std::uint64_t{y} * v.bild.breite;
        std::copy_n(za, w, ziel);
        std::copy_n(zb, w, ziel + w + VERGLEICH_LUECKE);
        std::uint32_t* maske = ziel + 2 * (w + VERGLEICH_LUECKE);
        for (std::uint32_t x = 0; x < w; ++x) {
            const bool anders = za[x] != zb[x];
            maske[x] = anders ? VERGLEICH_ANDERS : VERGLEICH_GLEICH;
            v.verschieden += anders;
        }
    }
    return v;
}

}  // namespace zor
