#include "core/seqfiles/folgen_strom.h"

#include <bit>
#include <cstring>

namespace zor {

namespace {

// The first byte of a block on top, as the bits are read.
std::uint64_t grossEndig(std::uint64_t w) {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(w);
    return w;
}

// A FAB record is little-endian on every machine.
std::uint32_t kleinEndig(std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::big) return __builtin_bswap32(v);
    return v;
}

// The eight FFO characters of every byte value.
struct BitZeichen {
    std::array<std::array<char, 8>, 256> z{};
    BitZeichen() {
        for (int b = 0; b < 256; ++b)
            for (int j = 0; j < 8; ++j) z[b][j] = (b >> (7 - j)) & 1 ? FFO_FEHLER : FFO_KORREKT;
    }
};
const BitZeichen BIT_ZEICHEN;

// 0x80 in every byte of the eight checked characters at p that is a "1".
std::uint64_t fehlerMaske(const unsigned char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    return ((w ^ 0x3030303030303030ull) << 7) & 0x8080808080808080ull;
}
}  // namespace

bool FfoPuffer::leeren() {
    const bool gut = aus_.schreiben(puffer_.data(), pos_);
    pos_ = 0;
    return gut;
}

bool FfoPuffer::nullen(std::uint64_t n) {
    while (n > 0) {
        if (pos_ == puffer_.size() && !leeren()) return false;
        const std::size_t teil = static_cast<std::size_t>(std::min<std::uint64_t>(n, puffer_.size() - pos_));
        std::memset(puffer_.data() + pos_, FFO_KORREKT, teil);
        pos_ += teil;
        n -= teil;
    }
    return true;
}

bool FfoPuffer::bitsVon(std::span<const unsigned char> bytes) {
    for (const unsigned char b : bytes) {
        if (!platz(8)) return false;
        std::memcpy(puffer_.data() + pos_, BIT_ZEICHEN.z[b].data(), 8);
        pos_ += 8;
    }
    return true;
}

bool AbstandZaehler::leeren() {
    const bool gut = aus_.schreiben(puffer_.data(), pos_);
    pos_ = 0;
    return gut;
}

// A gap beyond 32 bits, or a full buffer to write out first.
bool AbstandZaehler::fehlerLangsam() {
    if (c_ > 0x7FFFFFFFu) {
        zuGross_ = true;
        return false;
    }
    return leeren() && fehler();
}

bool AbstandZaehler::zeichenEinzeln(std::span<const unsigned char> text) {
    for (const unsigned char c : text) {
        if (c != FFO_FEHLER)
            ++c_;
        else if (!fehler())
            return false;
    }
    return true;
}

// Eight characters at a time: words without an error only advance the counter; in the
// others every character stores the counter and only an error keeps the record, so the
// dense case runs without a branch per character.
bool AbstandZaehler::zeichen(std::span<const unsigned char> text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        const std::uint64_t m = fehlerMaske(text.data() + i);
        if (m == 0) {
            c_ += 8;
            continue;
        }
        if (c_ + 8 > 0x7FFFFFFFu || pos_ + 8 * FAB_RECORD > puffer_.size()) {
            if (!zeichenEinzeln(text.subspan(i, 8))) return false;
            continue;
        }
        // Locals: stores into the byte buffer could otherwise alias the members.
        auto c = static_cast<std::uint32_t>(c_);
        std::size_t pos = pos_;
        unsigned char* ziel = puffer_.data();
        for (int j = 0; j < 8; ++j) {
            const auto e = static_cast<std::uint32_t>((m >> (8 * j + 7)) & 1u);
            ziel[pos] = static_cast<unsigned char>(c);
            ziel[pos + 1] = static_cast<unsigned char>(c >> 8);
            ziel[pos + 2] = static_cast<unsigned char>(c >> 16);
            ziel[pos + 3] = static_cast<unsigned char>(c >> 24);
            pos += FAB_RECORD * e;
            c = (c + 1) & (e - 1u);  // 0 after an error, then + 1 below
            c += e;
        }
        c_ = c;
        pos_ = pos;
    }
    return zeichenEinzeln(text.subspan(i));
}

bool AbstandZaehler::bytesEinzeln(std::span<const unsigned char> bytes) {
    for (const unsigned char b : bytes) {
        if (b == 0) {
            c_ += 8;
            continue;
        }
        unsigned rest = b;  // bit 7 is the first bit of the byte
        int gelesen = 0;
        while (rest != 0) {
            const int vorne = std::countl_zero(static_cast<unsigned char>(rest));
            c_ += static_cast<std::uint64_t>(vorne - gelesen);
            if (!fehler()) return false;
            gelesen = vorne + 1;
            rest &= ~(0x80u >> vorne);
        }
        c_ += static_cast<std::uint64_t>(8 - gelesen);
    }
    return true;
}

// Eight bytes at a time as one word, first bit on top: one count and one store per error,
// no check per error while the word's records surely fit and no gap can pass 32 bits.
bool AbstandZaehler::bits(std::span<const unsigned char> bytes) {
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        if (w == 0) {
            c_ += 64;
            continue;
        }
        if (c_ + 64 > 0x7FFFFFFFu || pos_ + 64 * FAB_RECORD > puffer_.size()) {
            if (!bytesEinzeln(bytes.subspan(i, 8))) return false;
            continue;
        }
        w = grossEndig(w);
        auto c = static_cast<std::uint32_t>(c_);
        std::size_t pos = pos_;
        int gelesen = 0;
        while (w != 0) {
            const int vorne = std::countl_zero(w);
            c += static_cast<std::uint32_t>(vorne - gelesen);
            const std::uint32_t le = kleinEndig(c);
            std::memcpy(puffer_.data() + pos, &le, FAB_RECORD);
            pos += FAB_RECORD;
            c = 1;
            gelesen = vorne + 1;
            w &= ~(std::uint64_t{1} << 63 >> vorne);
        }
        c_ = c + static_cast<std::uint32_t>(64 - gelesen);
        pos_ = pos;
    }
    return bytesEinzeln(bytes.subspan(i));
}

}  // namespace zor
