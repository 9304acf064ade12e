#pragma once
// Two images of the same size side by side, with a third panel marking where they differ:
// the student sees the original, the corrupted copy and where the channel struck.

#include "core/media/dib.h"

#include <optional>

namespace zor {

inline constexpr std::uint32_t VERGLEICH_LUECKE = 8;             // grey gap between panels
inline constexpr std::uint32_t VERGLEICH_GLEICH = 0xFF000000u;    // mask: equal pixel
inline constexpr std::uint32_t VERGLEICH_ANDERS = 0xFFFF2020u;    // mask: differing pixel

struct Bildvergleich {
    DibBild bild;                  // original | copy | mask
    std::uint64_t verschieden = 0; // differing pixels
};

// Nothing when the sizes differ.
std::optional<Bildvergleich> vergleicheBilder(const DibBild& a, const DibBild& b);

inline constexpr const char* TEXT_VERGLEICH_GROESSE =
    "Die Bilder sind verschieden groß (%u × %u und %u × %u) und lassen sich nicht vergleichen.";
inline constexpr const char* TEXT_VERGLEICH_TITEL = "%s – %s: %llu Bildpunkte verschieden";

}  // namespace zor
