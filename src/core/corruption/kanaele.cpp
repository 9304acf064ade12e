#include "corruption/kanaele.h"

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

BscKanal::BscKanal(double p, std::uint32_t startwert) : z_(startwert) {
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
    for (unsigned char& b : bytes) {
        unsigned maske = 0;
        for (unsigned j = 0; j < 8; ++j) maske |= static_cast<unsigned>(z_() < schwelle_) << j;
        b = static_cast<unsigned char>(b ^ maske);
        fehler_ += static_cast<unsigned>(std::popcount(maske));
    }
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

GeKanal::GeKanal(const GeMcAuftrag& a)
    : fehlerGood_(static_cast<int>(std::floor(static_cast<double>(a.Good) * 32768.0))),
      fehlerBad_(static_cast<int>(std::floor(static_cast<double>(a.Bad) * 32768.0))),
      bleibtGood_(schwelle(a.Good_From_Good)), wirdGood_(schwelle(a.Good_From_Bad)) {
    Zufall z;
    zustand_ = MM_GE_StartZustand(a, z);
    s_ = z.zustand();
    std::uint32_t mul = 1, add = 0;
    for (int k = 0; k < 16; ++k) {
        mul *= 214013u;
        add = add * 214013u + 2531011u;
        a_[k] = mul;
        c_[k] = add;
    }
}

void GeKanal::anwenden(std::span<unsigned char> bytes) {
    int zustand = zustand_;
    std::uint32_t s = s_;
    for (unsigned char& b : bytes) {
        int r[16];
        for (int k = 0; k < 16; ++k) r[k] = static_cast<int>(((a_[k] * s + c_[k]) >> 16) & 0x7FFFu);
        s = a_[15] * s + c_[15];
        unsigned maske = 0;
        for (int j = 0; j < 8; ++j) {
            const bool good = zustand != 0;
            maske = maske << 1 | static_cast<unsigned>(r[2 * j] <= (good ? fehlerGood_ : fehlerBad_));
            zustand = r[2 * j + 1] < (good ? bleibtGood_ : wirdGood_) ? 1 : 0;
        }
        b = static_cast<unsigned char>(b ^ maske);
        fehler_ += static_cast<unsigned>(std::popcount(maske));
    }
    zustand_ = zustand;
    s_ = s;
}

McKanal::McKanal(const GeMcAuftrag& a)
    : wert_(alsModellWerte(a)), quelle_(wert_.data()),
      korrektBisFehler_(static_cast<std::uint64_t>(quelle_.naechster().g - 1)) {}

// Bit t of a span is bit 7 - t mod 8 of byte t div 8 (most significant first).
void McKanal::anwenden(std::span<unsigned char> bytes) {
    const std::uint64_t bits = 8 * static_cast<std::uint64_t>(bytes.size());
    std::uint64_t t = 0;
    while (korrektBisFehler_ < bits - t) {
        t += korrektBisFehler_;
        bytes[t >> 3] ^= static_cast<unsigned char>(0x80u >> (t & 7));
        ++fehler_;
        ++t;
        korrektBisFehler_ = static_cast<std::uint64_t>(quelle_.naechster().g - 1);
    }
    korrektBisFehler_ -= bits - t;
}

}  // namespace zor
