#pragma once
// The difference picture of two equally sized bitmaps: the original dimmed, every changed
// pixel in full red on it, the number of changed pixels and the PSNR of each colour channel.
// The changed bits are those of the files (unterschiedeZaehlen), as a comparison file counts them.

#include "core/media/dib.h"

#include <array>
#include <optional>

namespace zor {

inline constexpr std::uint32_t DIFFERENZ_ROT = 0xFFFF0000u;

struct Bilddifferenz {
    DibBild bild;
    std::uint64_t pixel = 0;           // changed pixels
    std::array<double, 3> psnr{};      // red, green, blue in dB; +inf for an unchanged channel
};

// Nothing when the sizes differ.
std::optional<Bilddifferenz> bilddifferenz(const DibBild& original, const DibBild& kopie);

// A pixel of the original as the difference picture shows it when unchanged.
constexpr std::uint32_t gedimmt(std::uint32_t p) {
    std::uint32_t q = 0xFF000000u;
    for (int s = 0; s < 24; s += 8) q |= (0xC0u + ((p >> s & 0xFFu) >> 2)) << s;
    return q;
}

inline constexpr const char* TEXT_DIFFERENZ =
    "%llu Bildpunkte und %llu Bits verschieden; PSNR Rot %s dB, Grün %s dB, Blau %s dB";

inline constexpr const char* TEXT_DIFFERENZ_TITEL = "Differenz %s – %s: %s";
inline constexpr const char* TEXT_DIFFERENZ_OHNE_DATEI =
    "Ein Differenzbild braucht die Datei des Bildes: bitte das Bild über „Öffnen“ laden.";

}  // namespace zor
