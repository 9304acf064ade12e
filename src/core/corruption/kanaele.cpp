#include "core/corruption/kanaele.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>


namespace zor {

namespace {
// Above this p, drawing per bit is cheaper than a logarithm per error.
constexpr double LUECKEN_BIS = 0.05;

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

Zufall64::Zufall64(std::uint64_t seed) {
    for (auto& s : s_) s = splitmix64(seed);
}

BscKanal::BscKanal(double p, Zufall64& z) : z_(z) {
    if (!(p > 0.0)) {
        art_ = Art::Keine;
    } else if (p >= 1.0) {
        art_ = Art::Alle;
    } else if (p <= LUECKEN_BIS) {
        art_ = Art::Luecken;
        lnQ_ = std::log1p(-p);
        korrektBisFehler_ = naechsteLuecke();
    } else {
        art_ = Art::Bitweise;
        schwelle_ = static_cast<std::uint64_t>(std::ldexp(p, 64));
    }
}

// Geometric number of correct bits before the next error: P(k) = (1 - p)^k p.
std::uint64_t BscKanal::naechsteLuecke() {
    const double k = std::floor(std::log(z_.offenUnten()) / lnQ_);
    return k >= 1.8e19 ? std::numeric_limits<std::uint64_t>::max() : static_cast<std::uint64_t>(k);
}

void BscKanal::anwenden(std::span<unsigned char> bytes) {
    switch (art_) {
    case Art::Keine: return;
    case Art::Alle:
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(~b);
        fehler_ += 8 * bytes.size();
        return;
    case Art::Luecken: luecken(bytes); return;
    case Art::Bitweise: bitweise(bytes); return;
    }
}

// Bit t of a span is bit t mod 8 of byte t div 8: the decisions run from the least
// significant bit up.
void BscKanal::luecken(std::span<unsigned char> bytes) {
    const std::uint64_t bits = 8 * static_cast<std::uint64_t>(bytes.size());
    std::uint64_t t = 0;
    while (korrektBisFehler_ < bits - t) {
        t += korrektBisFehler_;
        bytes[t >> 3] ^= static_cast<unsigned char>(1u << (t & 7));
        ++fehler_;
        ++t;
        korrektBisFehler_ = naechsteLuecke();
    }
    korrektBisFehler_ -= bits - t;
}

void BscKanal::bitweise(std::span<unsigned char> bytes) {
    Zufall64 z = z_;  // a local copy: the byte stores cannot alias it, so it stays in registers
    std::uint64_t fehler = 0;
    for (unsigned char& b : bytes) {
        unsigned maske = 0;
        for (unsigned j = 0; j < 8; ++j) maske |= static_cast<unsigned>(z() < schwelle_) << j;
        b = static_cast<unsigned char>(b ^ maske);
        fehler += static_cast<unsigned>(std::popcount(maske));
    }
    z_ = z;
    fehler_ += fehler;
}

int MM_GE_StartZustand(const GeMcAuftrag& a, Zufall& z) {
    z.srand(static_cast<std::uint32_t>(a.StartWert));
    if (a.Good_From_Bad == 0.0f && a.Bad_From_Good == 0.0f) return z.gleich() < 0.5f ? GOOD : BAD;
    const float anteilGood = static_cast<float>(static_cast<double>(a.Good_From_Bad) /
                                                (static_cast<double>(a.Good_From_Bad) + a.Bad_From_Good));
    return z.gleich() < anteilGood ? GOOD : BAD;
}

ModellWerte alsModellWerte(const GeMcAuftrag& a) {
    ModellWerte w{};
    w[gemc::Startwert] = static_cast<float>(a.StartWert);
    w[gemc::Good_From_Good] = a.Good_From_Good;
    w[gemc::Bad_From_Bad] = a.Bad_From_Bad;
    w[gemc::Good_From_Bad] = a.Good_From_Bad;
    w[gemc::Bad_From_Good] = a.Bad_From_Good;
    w[gemc::Good] = a.Good;
    w[gemc::Bad] = a.Bad;
    return w;
}

GeKanal::GeKanal(const GeMcAuftrag& a, Zufall& z)
    : kern_(alsModellWerte(a).data()), z_(z), zustand_(MM_GE_StartZustand(a, z)) {}

namespace {

// Bit j of the draws' outcomes becomes bit 7 - j of the mask (most significant bit first).
const std::array<std::uint8_t, 256>& umgekehrt() {
    static const auto tabelle = [] {
        std::array<std::uint8_t, 256> t{};
        for (unsigned i = 0; i < 256; ++i) {
            unsigned r = 0;
            for (unsigned j = 0; j < 8; ++j) r |= ((i >> j) & 1u) << (7 - j);
            t[i] = static_cast<std::uint8_t>(r);
        }
        return t;
    }();
    return tabelle;
}

}  // namespace

void GeKanal::anwenden(std::span<unsigned char> bytes) {
    const auto& umkehr = umgekehrt();
    std::array<GeAchtBits, 512> acht;  // small enough to stay in the first-level cache
    std::uint32_t s = z_.zustand();    // the kernel jumps ahead on the raw state
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), acht.size());
        kern_.erzeugen(s, zustand_, std::span(acht).first(n));
        std::uint64_t fehler = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned maske = umkehr[acht[i].fehler];
            bytes[i] = static_cast<unsigned char>(bytes[i] ^ maske);
            fehler += static_cast<unsigned>(std::popcount(maske));
        }
        fehler_ += fehler;
        bytes = bytes.subspan(n);
    }
    z_.srand(s);
}

McKanal::McKanal(const GeMcAuftrag& a, Zufall& z)
    : z_(z), regel_(alsModellWerte(a).data(), z),
      korrektBisFehler_(static_cast<std::uint64_t>(regel_.naechster(z).g - 1)) {}

// Bit t of a span is bit 7 - t mod 8 of byte t div 8 (most significant first).
void McKanal::anwenden(std::span<unsigned char> bytes) {
    const std::uint64_t bits = 8 * static_cast<std::uint64_t>(bytes.size());
    std::uint64_t t = 0;
    while (korrektBisFehler_ < bits - t) {
        t += korrektBisFehler_;
        bytes[t >> 3] ^= static_cast<unsigned char>(0x80u >> (t & 7));
        ++fehler_;
        ++t;
        korrektBisFehler_ = static_cast<std::uint64_t>(regel_.naechster(z_).g - 1);
    }
    korrektBisFehler_ -= bits - t;
}

}  // namespace zor
