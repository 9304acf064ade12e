#include "core/media/zeilen.h"
#include "core/util/systemfehler.h"

#include "core/io/job_ergebnis.h"

#include <array>
#include <cstring>
#include <vector>

namespace zor {

namespace {

constexpr char ZIFFERN[] = "0123456789ABCDEF";

// The offset column: at least `stellen` upper-case hex digits.
char* offsetSchreiben(char* p, std::uint64_t wert, int stellen) {
    char tmp[16];
    int n = 0;
    do {
        tmp[n++] = ZIFFERN[wert & 15];
        wert >>= 4;
    } while (wert != 0);
    while (n < stellen) tmp[n++] = '0';
    while (n > 0) *p++ = tmp[--n];
    return p;
}

char zeichen(unsigned char b) { return b >= 32 && b <= 126 ? static_cast<char>(b) : '.'; }

char* fuellen(char* p, std::size_t n) {
    std::memset(p, ' ', n);
    return p + n;
}

// The eight "0"/"1" characters of every byte value, most significant bit first.
const std::array<std::array<char, 8>, 256>& bitZeichen() {
    static const auto tabelle = [] {
        std::array<std::array<char, 8>, 256> t{};
        for (int b = 0; b < 256; ++b)
            for (int j = 0; j < 8; ++j) t[b][j] = (b >> (7 - j)) & 1 ? '1' : '0';
        return t;
    }();
    return tabelle;
}

std::size_t hexZeile(char* aus, std::span<const unsigned char> bytes, std::uint64_t offset) {
    const std::size_t fehlend = HEX_BYTES - bytes.size();
    char* p = offsetSchreiben(aus, offset, 5);
    *p++ = '|';
    for (const unsigned char b : bytes) {
        *p++ = '|';
        *p++ = ZIFFERN[b >> 4];
        *p++ = ZIFFERN[b & 15];
    }
    p = fuellen(p, 3 * fehlend);
    *p++ = '|';
    *p++ = '|';
    for (const unsigned char b : bytes) *p++ = zeichen(b);
    *p++ = '|';
    p = fuellen(p, 6 * fehlend);
    return static_cast<std::size_t>(p - aus);
}

std::size_t binZeile(char* aus, std::span<const unsigned char> bytes, std::uint64_t offset) {
    const std::size_t fehlend = BIN_BYTES - bytes.size();
    const auto& bits = bitZeichen();
    char* p = offsetSchreiben(aus, offset, 6);
    *p++ = '|';
    *p++ = '|';
    for (const unsigned char b : bytes) {
        std::memcpy(p, bits[b].data(), 8);
        p += 8;
        *p++ = '|';
    }
    p = fuellen(p, 9 * fehlend);
    *p++ = '|';
    for (const unsigned char b : bytes) *p++ = zeichen(b);
    *p++ = '|';
    p = fuellen(p, 6 * fehlend);
    return static_cast<std::size_t>(p - aus);
}

}  // namespace

std::size_t snapLine(Ansicht art, char* aus, std::span<const unsigned char> bytes, std::uint64_t offset) {
    return art == Ansicht::Hex ? hexZeile(aus, bytes, offset) : binZeile(aus, bytes, offset);
}

std::string hex_SnapLine(std::span<const unsigned char> bytes, std::uint64_t offset) {
    char zeile[ZEILE_MAX];
    return {zeile, hexZeile(zeile, bytes.first(std::min<std::size_t>(bytes.size(), HEX_BYTES)), offset)};
}

std::string bin_SnapLine(std::span<const unsigned char> bytes, std::uint64_t offset) {
    char zeile[ZEILE_MAX];
    return {zeile, binZeile(zeile, bytes.first(std::min<std::size_t>(bytes.size(), BIN_BYTES)), offset)};
}

Ergebnis alleZeilen(Ansicht art, const std::string& datei, const std::function<bool(std::string_view)>& senke,
                    std::size_t block) {
    const std::size_t proZeile = art == Ansicht::Hex ? HEX_BYTES : BIN_BYTES;
    block = std::max(block / proZeile, std::size_t{1}) * proZeile;  // lines never straddle blocks
    Blockleser in(datei, block);
    if (!in.offen()) return Ergebnis::Fehler(mitGrund(format(TEXT_ANSICHT_OEFFNEN, datei.c_str()), in.fehlernummer()));

    constexpr std::size_t AUSGABE = std::size_t{1} << 20;
    std::vector<char> text(AUSGABE + ZEILE_MAX + 1);
    std::size_t fuellung = 0;
    std::uint64_t offset = 0;
    auto zeile = [&](std::span<const unsigned char> bytes) {
        fuellung += snapLine(art, text.data() + fuellung, bytes, offset);
        text[fuellung++] = '\n';
        offset += proZeile;
        if (fuellung < AUSGABE) return true;
        const bool weiter = senke({text.data(), fuellung});
        fuellung = 0;
        return weiter;
    };
    for (auto b = in.naechster(); !b.empty(); b = in.naechster())
        for (std::size_t i = 0; i < b.size(); i += proZeile)
            if (!zeile(b.subspan(i, std::min(proZeile, b.size() - i)))) return Ergebnis::Fehler("");
    if (in.fehler()) return Ergebnis::Fehler(format(TEXT_ANSICHT_LESEN, datei.c_str()));
    if (!zeile({}) || (fuellung > 0 && !senke({text.data(), fuellung}))) return Ergebnis::Fehler("");
    return Ergebnis::Erfolg();
}

}  // namespace zor
