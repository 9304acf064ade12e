#include "core/media/dib.h"

#include "core/media/bytequelle.h"
#include "core/media/dib_kopf.h"
#include "core/util/format.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <optional>

namespace zor {

namespace {

std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

DibErgebnis fehler(std::string text) {
    DibErgebnis e;
    e.meldung = {std::move(text), TITEL_PROGRAMM, Symbol::Ausrufezeichen};
    return e;
}

bool formatBekannt(std::uint16_t bits, std::uint32_t kompression) {
    switch (kompression) {
    case BI_RGB: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case BI_RLE8: return bits == 8;
    case BI_RLE4: return bits == 4;
    case BI_BITFIELDS: return bits == 16 || bits == 32;
    default: return false;
    }
}

struct Rohkopf {
    std::uint32_t biSize = 0;
    std::int64_t breite = 0, hoehe = 0;
    std::uint32_t clrUsed = 0;
    bool kern = false;
};

// Reads the info or core header at `basis`; fills k's format fields. Empty text = fine.
std::string leseInfokopf(Bytequelle& q, std::uint64_t basis, Rohkopf& r, DibKopf& k) {
    unsigned char h[52] = {};
    const std::size_t n = q.lies(basis, h, sizeof h);
    if (n < 4) return TEXT_DIB_KURZ;
    r.biSize = le32(h);
    if (r.biSize == 12) {
        if (n < 12) return TEXT_DIB_KURZ;
        r.kern = true;
        r.breite = le16(h + 4);
        r.hoehe = le16(h + 6);
        k.bits = le16(h + 10);
        return {};
    }
    if (r.biSize < 40 || r.biSize > q.groesse() - basis) return format(TEXT_DIB_KOPF, r.biSize);
    r.breite = static_cast<std::int32_t>(le32(h + 4));
    r.hoehe = static_cast<std::int32_t>(le32(h + 8));
    k.bits = le16(h + 14);
    k.kompression = le32(h + 16);
    k.sizeImage = le32(h + 20);
    r.clrUsed = le32(h + 32);
    if (r.biSize >= 52 && k.kompression == BI_BITFIELDS) k.masken = {le32(h + 40), le32(h + 44), le32(h + 48)};
    return {};
}

std::uint32_t anzahlFarben(const Rohkopf& r, std::uint16_t bits) {
    if (r.clrUsed != 0 && !r.kern) return r.clrUsed;
    return bits <= 8 ? 1u << bits : 0u;
}

// The colour table at `pos`; entries missing in the file stay black. True when complete.
bool leseFarben(Bytequelle& q, std::uint64_t pos, std::uint64_t anzahl, bool kern, DibKopf& k) {
    const std::size_t eintrag = kern ? 3 : 4;
    const std::size_t genutzt = static_cast<std::size_t>(std::min<std::uint64_t>(anzahl, 256));
    unsigned char roh[256 * 4];
    const std::size_t n = q.lies(pos, roh, genutzt * eintrag) / eintrag;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char* e = roh + i * eintrag;
        k.farben[i] = 0xFF000000u | std::uint32_t{e[2]} << 16 | std::uint32_t{e[1]} << 8 | e[0];
    }
    for (std::size_t i = n; i < k.farben.size(); ++i) k.farben[i] = 0xFF000000u;
    return n == genutzt;
}

// Pixels that no byte of the file stands for: up to this many (or as many as the file
// holds) are shown grey or in the background colour; beyond that the claim is not believed.
constexpr std::uint64_t OHNE_DATEN_MAX = std::uint64_t{1} << 20;
// An RLE stream paints at most 255 pixels per two bytes, and a row end finishes a row of
// any width: a generous bound for what a stream of n bytes can stand for.
constexpr std::uint64_t RLE_PIXEL_JE_BYTE = 4096;

// Keeps the memory of an image within what its file can account for: rows of an
// uncompressed image that the file lacks beyond the bound are cut off (with a note), and
// an RLE image far larger than its stream is refused. The refusal, or nothing.
std::optional<DibErgebnis> anDatenGemessen(const Bytequelle& q, DibKopf& k, bool rle, std::string& notiz) {
    const std::uint64_t breite = k.breite, hoehe = k.hoehe;
    if (rle) {
        const std::uint64_t strom = q.groesse() > k.pixelOffset ? q.groesse() - k.pixelOffset : 0;
        if (breite * hoehe <= std::max(4 * OHNE_DATEN_MAX, RLE_PIXEL_JE_BYTE * strom)) return std::nullopt;
        return fehler(format(TEXT_DIB_RLE_KURZ, static_cast<unsigned long long>(strom), static_cast<unsigned long>(breite),
                             static_cast<unsigned long>(hoehe)));
    }
    const std::uint64_t da = std::min(vorhandeneZeilen(k, q.groesse()), hoehe);
    if ((hoehe - da) * breite <= std::max(OHNE_DATEN_MAX, da * breite)) return std::nullopt;
    if (da == 0)
        return fehler(format(TEXT_DIB_KEINE_DATEN, static_cast<unsigned long>(breite), static_cast<unsigned long>(hoehe)));
    notiz = format(TEXT_DIB_ABGESCHNITTEN, static_cast<unsigned long>(da), static_cast<unsigned long>(hoehe));
    // The file's first rows are the image's bottom rows (or its top rows, top-down).
    k.hoehe = static_cast<std::uint32_t>(da);
    return std::nullopt;
}

}  // namespace

DibErgebnis leseDib(Bytequelle& q, std::uint64_t maxPixel) {
    unsigned char fk[14] = {};
    if (q.lies(0, fk, sizeof fk) < sizeof fk) return fehler(TEXT_DIB_KURZ);
    // Without "BM" the file is a packed DIB: the info header comes first.
    const bool mitDateikopf = fk[0] == 'B' && fk[1] == 'M';
    const std::uint64_t basis = mitDateikopf ? 14 : 0;
    const std::uint32_t bfOffBits = mitDateikopf ? le32(fk + 10) : 0;

    DibKopf k;
    Rohkopf r;
    if (std::string f = leseInfokopf(q, basis, r, k); !f.empty()) return fehler(f);
    if (r.breite <= 0 || r.hoehe == 0) return fehler(format(TEXT_DIB_MASSE, static_cast<long>(r.breite), static_cast<long>(r.hoehe)));
    if (!formatBekannt(k.bits, k.kompression)) return fehler(format(TEXT_DIB_FORMAT, unsigned{k.bits}, k.kompression));
    k.obenZuerst = r.hoehe < 0;
    const std::uint64_t breite = static_cast<std::uint64_t>(r.breite);
    const std::uint64_t hoehe = static_cast<std::uint64_t>(r.hoehe < 0 ? -r.hoehe : r.hoehe);
    if (breite * hoehe > maxPixel)
        return fehler(format(TEXT_DIB_GROSS, static_cast<unsigned long>(breite), static_cast<unsigned long>(hoehe),
                             static_cast<unsigned long long>(maxPixel)));
    k.breite = static_cast<std::uint32_t>(breite);
    k.hoehe = static_cast<std::uint32_t>(hoehe);

    std::uint64_t farbPos = basis + r.biSize;
    if (k.kompression == BI_BITFIELDS && r.biSize < 52) {
        unsigned char m[12];
        if (q.lies(farbPos, m, sizeof m) < sizeof m) return fehler(TEXT_DIB_MASKEN);
        k.masken = {le32(m), le32(m + 4), le32(m + 8)};
        farbPos += 12;
    } else if (k.kompression != BI_BITFIELDS) {
        k.masken = k.bits == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
    }
    const std::uint64_t farben = anzahlFarben(r, k.bits);
    const bool farbenGanz = leseFarben(q, farbPos, k.bits <= 8 ? farben : 0, r.kern, k);
    k.pixelOffset = bfOffBits != 0 ? bfOffBits : farbPos + farben * (r.kern ? 3 : 4);

    const bool rle = k.kompression == BI_RLE8 || k.kompression == BI_RLE4;
    std::string notiz;
    if (auto nein = anDatenGemessen(q, k, rle, notiz)) return *nein;

    DibErgebnis e;
    e.bild.breite = k.breite;
    e.bild.hoehe = k.hoehe;
    try {
        if (rle)
            e.bild.pixel.assign(std::uint64_t{k.breite} * k.hoehe, k.farben[0]);
        else
            e.bild.pixel.resize(std::uint64_t{k.breite} * k.hoehe);  // every row is decoded or filled grey
    } catch (const std::bad_alloc&) {
        return fehler(format(TEXT_DIB_SPEICHER, static_cast<unsigned long>(k.breite), static_cast<unsigned long>(k.hoehe)));
    }
    e.fehlendeZeilen = rle ? dekodiereRle(q, k, e.bild) : dekodiereUnkomprimiert(q, k, e.bild);
    e.ok = true;
    if (e.fehlendeZeilen > 0)
        notiz += (notiz.empty() ? "" : "\n") + format(TEXT_DIB_ZEILEN, static_cast<unsigned long>(e.fehlendeZeilen), static_cast<unsigned long>(k.hoehe));
    if (!farbenGanz) notiz += (notiz.empty() ? "" : "\n") + std::string(TEXT_DIB_FARBEN);
    if (!notiz.empty()) e.meldung = {notiz, TITEL_PROGRAMM, Symbol::Information};
    return e;
}

DibErgebnis OpenDIB(const std::string& datei, std::uint64_t maxPixel) {
    std::string warum;
    auto q = oeffneDatei(datei, warum);
    if (!q) return fehler(warum);
    return leseDib(*q, maxPixel);
}

DibErgebnis dibAusSpeicher(std::span<const unsigned char> bytes, std::uint64_t maxPixel) {
    SpeicherQuelle q(bytes);
    return leseDib(q, maxPixel);
}

}  // namespace zor
