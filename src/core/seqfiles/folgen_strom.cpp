#include "seqfiles/folgen_strom.h"

#include <bit>
#include <cstring>

namespace zor {

namespace {
// The eight FFO characters of every byte value.
struct BitZeichen {
    std::array<std::array<char, 8>, 256> z{};
    BitZeichen() {
        for (int b = 0; b < 256; ++b)
            for (int j = 0; j < 8; ++j) z[b][j] = (b >> (7 - j)) & 1 ? FFO_FEHLER : FFO_KORREKT;
    }
};
const BitZeichen BIT_ZEICHEN;
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

bool AbstandZaehler::fehler() {
    if (c_ > 0x7FFFFFFFu) {
        zuGross_ = true;
        return false;
    }
    if (pos_ + FAB_RECORD > puffer_.size() && !leeren()) return false;
    const auto v = static_cast<std::uint32_t>(c_);
    puffer_[pos_++] = static_cast<unsigned char>(v);
    puffer_[pos_++] = static_cast<unsigned char>(v >> 8);
    puffer_[pos_++] = static_cast<unsigned char>(v >> 16);
    puffer_[pos_++] = static_cast<unsigned char>(v >> 24);
    c_ = 1;
    return true;
}

bool AbstandZaehler::bits(std::span<const unsigned char> bytes) {
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

}  // namespace zor
