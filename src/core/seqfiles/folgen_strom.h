#pragma once
// The FFO/FAB byte rules as streaming pieces, shared by the converters, the derivation
// from a comparison file, the bin view's export and the pattern corruption:
// - FfoPuffer writes sequence characters ('0'/'1') in large chunks;
// - AbstandZaehler turns errors and correct bits into FAB records;
// - fabExpandieren writes one record as characters (v - 1 '0' then '1'; v <= 1: "1").
// Bits of a byte file run most significant bit first.

#include "core/io/formate.h"
#include "core/io/ausgabedatei.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace zor {

class FfoPuffer {
public:
    explicit FfoPuffer(Ausgabedatei& aus) : aus_(aus) {}
    bool nullen(std::uint64_t n);
    bool eins() { return platz(1) && (puffer_[pos_++] = FFO_FEHLER, true); }
    // The eight characters of one byte's bits, most significant first.
    bool bitsVon(std::span<const unsigned char> bytes);
    bool leeren();

private:
    bool platz(std::size_t n) { return pos_ + n <= puffer_.size() || leeren(); }
    Ausgabedatei& aus_;
    std::array<char, std::size_t{1} << 18> puffer_;
    std::size_t pos_ = 0;
};

class AbstandZaehler {
public:
    explicit AbstandZaehler(Ausgabedatei& aus) : aus_(aus) {}
    void korrekt(std::uint64_t n) { c_ += n; }
    // Writes the gap up to this error; false on a write failure or a gap beyond 32 bits.
    bool fehler() {
        if (c_ > 0x7FFFFFFFu || pos_ + FAB_RECORD > puffer_.size()) return fehlerLangsam();
        const auto v = static_cast<std::uint32_t>(c_);
        puffer_[pos_] = static_cast<unsigned char>(v);
        puffer_[pos_ + 1] = static_cast<unsigned char>(v >> 8);
        puffer_[pos_ + 2] = static_cast<unsigned char>(v >> 16);
        puffer_[pos_ + 3] = static_cast<unsigned char>(v >> 24);
        pos_ += FAB_RECORD;
        c_ = 1;
        return true;
    }
    // Bits of bytes, most significant first; a set bit is an error.
    bool bits(std::span<const unsigned char> bytes);
    // FFO characters as FfoLeser hands them out (only "0" and "1").
    bool zeichen(std::span<const unsigned char> text);
    bool leeren();
    bool zuGross() const { return zuGross_; }
    // Correct bits after the last error: a FAB has no record for them.
    std::uint64_t offeneKorrekte() const { return c_ - 1; }

private:
    bool fehlerLangsam();
    bool bytesEinzeln(std::span<const unsigned char> bytes);
    bool zeichenEinzeln(std::span<const unsigned char> text);
    Ausgabedatei& aus_;
    std::uint64_t c_ = 1;
    std::array<unsigned char, std::size_t{1} << 16> puffer_;
    std::size_t pos_ = 0;
    bool zuGross_ = false;
};

// Appends the characters of one FAB record.
inline bool fabExpandieren(FfoPuffer& ffo, std::int32_t v) {
    if (v > 1 && !ffo.nullen(static_cast<std::uint64_t>(v) - 1)) return false;
    return ffo.eins();
}

// The gaps in the bits of bytes, most significant bit first, a set bit an error: calls
// fehler(c) for every error with c, the correct bits since the previous error plus one.
// c carries over from one block to the next (1 at the start of a sequence).
template <class F>
void bitAbstaende(std::span<const unsigned char> bytes, std::uint64_t& c, F&& fehler) {
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        if (w == 0) {
            c += 64;
            continue;
        }
        if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
        int gelesen = 0;
        while (w != 0) {
            const int vorne = std::countl_zero(w);
            fehler(c + static_cast<std::uint64_t>(vorne - gelesen));
            c = 1;
            gelesen = vorne + 1;
            w &= ~(std::uint64_t{1} << 63 >> vorne);
        }
        c += static_cast<std::uint64_t>(64 - gelesen);
    }
    for (; i < bytes.size(); ++i)
        for (int j = 7; j >= 0; --j) {
            if ((bytes[i] >> j) & 1u) {
                fehler(c);
                c = 1;
            } else {
                ++c;
            }
        }
}

}  // namespace zor
