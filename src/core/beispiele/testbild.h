#pragma once
// The teaching set's test picture, in palette indices, so the 24-bit and the 8-bit bitmap
// show the same scene: flat areas (where a single flipped bit stands out as a dot), sharp
// edges (a disc, bars, a checkerboard, stripes one to eight pixels wide) and two gradients.

#include <array>
#include <cstdint>

namespace zor::beispiele {

inline constexpr std::uint32_t BILD_BREITE = 320, BILD_HOEHE = 240;

// 256 colours 0x00RRGGBB: 16 plain colours, a grey ramp of 120 steps, a hue ramp of 120.
const std::array<std::uint32_t, 256>& bildPalette();

// The palette index at column x and row y (row 0 at the top).
std::uint8_t bildIndex(std::uint32_t x, std::uint32_t y);

}  // namespace zor::beispiele
