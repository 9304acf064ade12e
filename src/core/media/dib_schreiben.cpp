#include "core/media/dib.h"
#include "core/io/ausgabedatei.h"
#include "core/util/format.h"
#include "core/util/systemfehler.h"

#include <algorithm>

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

Ergebnis speichereDib(const DibBild& bild, const std::string& ziel, const Eingaben& geschuetzt) {
    if (auto nein = ausgabeVerweigert(ziel, geschuetzt)) return Ergebnis::Fehler(std::move(*nein), TITEL_PROGRAMM, Symbol::Stopp);
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
    Ausgabedatei aus(ziel, geschuetzt);
    aus.schreiben(kopf.data(), kopf.size());
    // Rows go out in pieces, so a very wide image needs no row-sized buffer.
    constexpr std::uint32_t STUECK = 1 << 16;
    std::vector<unsigned char> teil(3 * std::size_t{std::min(bild.breite, STUECK)} + 3, 0);
    const std::size_t fuellung = static_cast<std::size_t>(zb - 3 * std::uint64_t{bild.breite});
    for (std::uint32_t y = bild.hoehe; y-- > 0;) {
        const std::uint32_t* p = bild.pixel.data() + std::uint64_t{y} * bild.breite;
        for (std::uint32_t x0 = 0; x0 < bild.breite; x0 += STUECK) {
            const std::uint32_t n = std::min(STUECK, bild.breite - x0);
            for (std::uint32_t x = 0; x < n; ++x) {
                teil[3 * x] = static_cast<unsigned char>(p[x0 + x]);
                teil[3 * x + 1] = static_cast<unsigned char>(p[x0 + x] >> 8);
                teil[3 * x + 2] = static_cast<unsigned char>(p[x0 + x] >> 16);
            }
            aus.schreiben(teil.data(), 3 * std::size_t{n});
        }
        const unsigned char null[3] = {};
        aus.schreiben(null, fuellung);
    }
    if (!aus.abschliessen())
        return Ergebnis::Fehler(mitGrund(format(TEXT_DIB_SPEICHERN, ziel.c_str()), aus.fehlernummer()), TITEL_PROGRAMM,
                                Symbol::Ausrufezeichen);
    return Ergebnis::Erfolg();
}

}  // namespace zor
