#pragma once
// The checked header of a bitmap, as the pixel decoders need it.

#include <array>
#include <cstdint>

namespace zor {

class Bytequelle;
struct DibBild;

enum DibKompression : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

struct DibKopf {
    std::uint32_t breite = 0, hoehe = 0;
    bool obenZuerst = false;  // top-down rows
    std::uint16_t bits = 0;
    std::uint32_t kompression = BI_RGB;
    std::uint32_t sizeImage = 0;
    std::array<std::uint32_t, 3> masken{};  // red, green, blue
    std::array<std::uint32_t, 256> farben{};
    std::uint64_t pixelOffset = 0;
};

// Row length in bytes, padded to 4.
inline std::uint64_t zeilenBytes(const DibKopf& k) { return ((std::uint64_t{k.bits} * k.breite + 31) & ~std::uint64_t{31}) / 8; }

// Complete rows the file holds from the pixel offset on.
std::uint64_t vorhandeneZeilen(const DibKopf& k, std::uint64_t dateigroesse);

// Decode into bild (already sized and filled); return the number of rows the data lacked.
std::uint32_t dekodiereUnkomprimiert(Bytequelle& q, const DibKopf& k, DibBild& bild);
std::uint32_t dekodiereRle(Bytequelle& q, const DibKopf& k, DibBild& bild);

}  // namespace zor
