#include "core/media/dib.h"
#include "core/io/ausgabedatei.h"
#include "core/util/format.h"

#include <vector>

namespace zor {

namespace {

void le16(std::vector<unsigned char>& v, std::uint32_t x) {
    v.push_back(static_cast<unsigned char>(x));
    v.push_back(static_cast<unsigned char>(x >> 8));
}
void le32(std::vector<unsigned char>& v, std::uint32_t x) {
    le16(v, x & 0xFFFF);
    le16(v, x >> 16);
}

}  // namespace

Ergebnis speichereDib(const DibBild& bild, const std::string& ziel) {
    const std::uint64_t zb = (std::uint64_t{bild.breite} * 3 + 3) & ~std::uint64_t{3};
    const std::uint64_t daten = zb * bild.hoehe;
    std::vector<unsigned char> kopf;
    kopf.push_back('B');
    kopf.push_back('M');
    le32(kopf, static_cast<std::uint32_t>(54 + daten));
    le32(kopf, 0);
    le32(kopf, 54);
    le32(kopf, 40);
    le32(kopf, bild.breite);
    le32(kopf, bild.hoehe);
    le16(kopf, 1);
    le16(kopf, 24);
    le32(kopf, 0);
    le32(kopf, static_cast<std::uint32_t>(daten));
    for (int i = 0; i < 4; ++i) le32(kopf, 0);
    Ausgabedatei aus(ziel);
    aus.schreiben(kopf.data(), kopf.size());
    std::vector<unsigned char> zeile(static_cast<std::size_t>(zb), 0);
    for (std::uint32_t y = bild.hoehe; y-- > 0;) {
        const std::uint32_t* p = bild.pixel.data() + std::uint64_t{y} * bild.breite;
        for (std::uint32_t x = 0; x < bild.breite; ++x) {
            zeile[3 * x] = static_cast<unsigned char>(p[x]);
            zeile[3 * x + 1] = static_cast<unsigned char>(p[x] >> 8);
            zeile[3 * x + 2] = static_cast<unsigned char>(p[x] >> 16);
        }
        aus.schreiben(zeile.data(), zeile.size());
    }
    if (!aus.abschliessen()) return Ergebnis::Fehler(format(TEXT_DIB_SPEICHERN, ziel.c_str()), TITEL_PROGRAMM, Symbol::Ausrufezeichen);
    return Ergebnis::Erfolg();
}

}  // namespace zor
