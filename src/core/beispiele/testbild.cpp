#include "core/beispiele/testbild.h"

namespace zor::beispiele {

namespace {

enum : std::uint8_t { SCHWARZ, WEISS, ROT, GRUEN, BLAU, GELB, GRAU, HELLGRAU };
constexpr std::uint32_t GRAU_START = 16, FARB_START = 136, STUFEN = 120;

// A fully saturated hue, 0 <= stufe < STUFEN around the colour circle.
constexpr std::uint32_t farbton(std::uint32_t stufe) {
    const std::uint32_t pos = stufe * 1530 / STUFEN, f = pos % 255;
    std::uint32_t r = 0, g = 0, b = 0;
    switch (pos / 255) {
    case 0: r = 255; g = f; break;
    case 1: r = 255 - f; g = 255; break;
    case 2: g = 255; b = f; break;
    case 3: g = 255 - f; b = 255; break;
    case 4: r = f; b = 255; break;
    default: r = 255; b = 255 - f; break;
    }
    return r << 16 | g << 8 | b;
}

constexpr std::array<std::uint32_t, 256> palette() {
    std::array<std::uint32_t, 256> p{};
    const std::uint32_t grund[16] = {0x000000, 0xFFFFFF, 0xD02020, 0x20A040, 0x2040C0, 0xF0D020, 0x808080, 0xC0C0C0,
                                     0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xFF8000, 0x00FFFF};
    for (std::uint32_t i = 0; i < 16; ++i) p[i] = grund[i];
    for (std::uint32_t i = 0; i < STUFEN; ++i) {
        const std::uint32_t v = i * 255 / (STUFEN - 1);
        p[GRAU_START + i] = v << 16 | v << 8 | v;
        p[FARB_START + i] = farbton(i);
    }
    return p;
}

constexpr auto PALETTE = palette();

// Four flat panels across the top, each with one sharp-edged shape.
std::uint8_t feld(std::uint32_t x, std::uint32_t y) {
    const std::uint32_t nr = x / 80, fx = x % 80;
    switch (nr) {
    case 0: {
        const int dx = static_cast<int>(fx) - 40, dy = static_cast<int>(y) - 48;
        return dx * dx + dy * dy <= 28 * 28 ? SCHWARZ : WEISS;
    }
    case 1: return y >= 44 && y < 52 ? WEISS : ROT;
    case 2: return fx >= 36 && fx < 44 ? WEISS : GRUEN;
    default: return fx >= 25 && fx < 55 && y >= 33 && y < 63 ? GELB : BLAU;
    }
}

}  // namespace

const std::array<std::uint32_t, 256>& bildPalette() { return PALETTE; }

std::uint8_t bildIndex(std::uint32_t x, std::uint32_t y) {
    if (y < 96) return feld(x, y);
    if (y < 160) {
        if (x < 160) return ((x / 8) + (y / 8)) % 2 ? WEISS : SCHWARZ;
        const std::uint32_t sx = x - 160, breite = 1u << (sx / 40);  // 1, 2, 4, 8 pixels
        return (sx % 40) / breite % 2 ? WEISS : SCHWARZ;
    }
    if (y < 200) return static_cast<std::uint8_t>(GRAU_START + x * STUFEN / BILD_BREITE);
    return static_cast<std::uint8_t>(FARB_START + x * STUFEN / BILD_BREITE);
}

}  // namespace zor::beispiele
