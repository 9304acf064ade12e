#include "corruption/kanaele.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>

#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

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
        (k % 2 == 0 ? aF_ : aU_)[k / 2] = mul;
        (k % 2 == 0 ? cF_ : cU_)[k / 2] = add;
    }
    for (int start = 0; start < 2; ++start)
        for (unsigned tg = 0; tg < 16; ++tg)
            for (unsigned tb = 0; tb < 16; ++tb) {
                unsigned zustand = static_cast<unsigned>(start), zustaende = 0;
                for (unsigned j = 0; j < 4; ++j) {
                    zustaende |= zustand << j;
                    zustand = ((zustand != 0 ? tg : tb) >> j) & 1u;
                }
                gang_[start][tg][tb] = static_cast<std::uint8_t>(zustaende | zustand << 4);
            }
}

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

// The outcomes of one byte's draws, bit j for the j-th bit: error in GOOD, error in BAD,
// GOOD next from GOOD, GOOD next from BAD.
struct GeAusgaenge {
    unsigned fg, fb, tg, tb;
};

// Computes the outcomes of the sixteen draws that follow generator state s.
class GeKanal::Ziehungen {
public:
#if defined(__SSE4_1__)
    explicit Ziehungen(const GeKanal& k)
        : aF0_(laden(k.aF_)), aF1_(laden(k.aF_ + 4)), cF0_(laden(k.cF_)), cF1_(laden(k.cF_ + 4)),
          aU0_(laden(k.aU_)), aU1_(laden(k.aU_ + 4)), cU0_(laden(k.cU_)), cU1_(laden(k.cU_ + 4)),
          fg_(_mm_set1_epi32(k.fehlerGood_ + 1)), fb_(_mm_set1_epi32(k.fehlerBad_ + 1)),
          tg_(_mm_set1_epi32(k.bleibtGood_)), tb_(_mm_set1_epi32(k.wirdGood_)) {}

    GeAusgaenge operator()(std::uint32_t s) const {
        const __m128i s4 = _mm_set1_epi32(static_cast<int>(s));
        const __m128i f0 = ziehung(aF0_, cF0_, s4), f1 = ziehung(aF1_, cF1_, s4);
        const __m128i u0 = ziehung(aU0_, cU0_, s4), u1 = ziehung(aU1_, cU1_, s4);
        return {unter(fg_, f0, f1), unter(fb_, f0, f1), unter(tg_, u0, u1), unter(tb_, u0, u1)};
    }

private:
    static __m128i laden(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static __m128i ziehung(__m128i a, __m128i c, __m128i s4) {
        return _mm_and_si128(_mm_srli_epi32(_mm_add_epi32(_mm_mullo_epi32(a, s4), c), 16), _mm_set1_epi32(0x7FFF));
    }
    // Bit j: draw j < grenze.
    static unsigned unter(__m128i grenze, __m128i z0, __m128i z1) {
        return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(grenze, z0)))) |
               static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(grenze, z1)))) << 4;
    }
    __m128i aF0_, aF1_, cF0_, cF1_, aU0_, aU1_, cU0_, cU1_, fg_, fb_, tg_, tb_;
#else
    explicit Ziehungen(const GeKanal& k) : k_(k) {}

    GeAusgaenge operator()(std::uint32_t s) const {
        GeAusgaenge g{0, 0, 0, 0};
        for (unsigned j = 0; j < 8; ++j) {
            const int f = static_cast<int>(((k_.aF_[j] * s + k_.cF_[j]) >> 16) & 0x7FFFu);
            const int u = static_cast<int>(((k_.aU_[j] * s + k_.cU_[j]) >> 16) & 0x7FFFu);
            g.fg |= static_cast<unsigned>(f <= k_.fehlerGood_) << j;
            g.fb |= static_cast<unsigned>(f <= k_.fehlerBad_) << j;
            g.tg |= static_cast<unsigned>(u < k_.bleibtGood_) << j;
            g.tb |= static_cast<unsigned>(u < k_.wirdGood_) << j;
        }
        return g;
    }

private:
    const GeKanal& k_;
#endif
};

void GeKanal::anwenden(std::span<unsigned char> bytes) {
    const auto& umkehr = umgekehrt();
    const Ziehungen ausgaenge(*this);
    const std::uint32_t sprungA = aU_[7], sprungC = cU_[7];
    unsigned zustand = static_cast<unsigned>(zustand_);
    std::uint32_t s = s_;
    std::uint64_t fehler = 0;
    for (unsigned char& b : bytes) {
        const GeAusgaenge g = ausgaenge(s);
        s = sprungA * s + sprungC;
        const unsigned vorne = gang_[zustand][g.tg & 15][g.tb & 15];
        const unsigned hinten = gang_[vorne >> 4][g.tg >> 4][g.tb >> 4];
        zustand = hinten >> 4;
        const unsigned inGood = (vorne & 15) | (hinten & 15) << 4;
        const unsigned maske = umkehr[(inGood & g.fg) | (~inGood & g.fb & 0xFFu)];
        b = static_cast<unsigned char>(b ^ maske);
        fehler += static_cast<unsigned>(std::popcount(maske));
    }
    zustand_ = static_cast<int>(zustand);
    s_ = s;
    fehler_ += fehler;
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
