#include "core/beispiele/bytefolge.h"
#include "core/beispiele/erzeuger.h"
#include "core/beispiele/testbild.h"
#include "core/media/dib.h"

namespace zor::beispiele {

Ergebnis bild24Schreiben(const std::string& pfad) {
    DibBild bild;
    bild.breite = BILD_BREITE;
    bild.hoehe = BILD_HOEHE;
    bild.pixel.resize(std::size_t{BILD_BREITE} * BILD_HOEHE);
    for (std::uint32_t y = 0; y < BILD_HOEHE; ++y)
        for (std::uint32_t x = 0; x < BILD_BREITE; ++x)
            bild.pixel[std::size_t{y} * BILD_BREITE + x] = 0xFF000000u | bildPalette()[bildIndex(x, y)];
    return speichereDib(bild, pfad, {});  // a bitmap is never a file a set reads
}

std::vector<unsigned char> bild8Bytes() {
    constexpr std::uint32_t kopf = 14 + 40 + 256 * 4;
    constexpr std::uint32_t zeile = (BILD_BREITE + 3) & ~3u;
    Bytefolge b;
    b.text("BM");
    b.le32(kopf + zeile * BILD_HOEHE);
    b.le32(0);
    b.le32(kopf);
    b.le32(40);
    b.le32(BILD_BREITE);
    b.le32(BILD_HOEHE);  // positive: bottom-up rows
    b.le16(1);
    b.le16(8);
    b.le32(0);  // uncompressed
    b.le32(zeile * BILD_HOEHE);
    b.le32(2835);  // 72 dpi
    b.le32(2835);
    b.le32(256);
    b.le32(0);
    for (std::uint32_t farbe : bildPalette()) b.le32(farbe);  // blue, green, red, 0
    for (std::uint32_t y = BILD_HOEHE; y-- > 0;) {
        for (std::uint32_t x = 0; x < zeile; ++x) b.byte(x < BILD_BREITE ? bildIndex(x, y) : 0);
    }
    return b.bytes();
}

}  // namespace zor::beispiele
