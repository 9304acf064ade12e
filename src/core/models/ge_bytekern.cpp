#include "core/models/ge_bytekern.h"

#include "core/models/fehlerquellen.h"

#include <cmath>

#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

namespace zor {

GeBytekern::GeBytekern(const float* wert)
    : fehlerGood_(static_cast<int>(std::floor(static_cast<double>(wert[gemc::Good]) * 32768.0))),
      fehlerBad_(static_cast<int>(std::floor(static_cast<double>(wert[gemc::Bad]) * 32768.0))),
      bleibtGood_(schwelle(wert[gemc::Good_From_Good])), wirdGood_(schwelle(wert[gemc::Good_From_Bad])) {
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

// The outcomes of one byte's draws, bit j for the j-th bit: error in GOOD, error in BAD,
// GOOD next from GOOD, GOOD next from BAD.
namespace {
struct GeAusgaenge {
    unsigned fg, fb, tg, tb;
};
}  // namespace

// Computes the outcomes of the sixteen draws that follow generator state s.
class GeBytekern::Ziehungen {
public:
#if defined(__SSE4_1__)
    explicit Ziehungen(const GeBytekern& k)
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
    explicit Ziehungen(const GeBytekern& k) : k_(k) {}

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
    const GeBytekern& k_;
#endif
};

void GeBytekern::erzeugen(std::uint32_t& s, int& zustand, std::span<GeAchtBits> aus) const {
    const Ziehungen ausgaenge(*this);
    const std::uint32_t sprungA = aU_[7], sprungC = cU_[7];
    unsigned z = static_cast<unsigned>(zustand);
    std::uint32_t t = s;
    for (GeAchtBits& a : aus) {
        const GeAusgaenge g = ausgaenge(t);
        t = sprungA * t + sprungC;
        const unsigned vorne = gang_[z][g.tg & 15][g.tb & 15];
        const unsigned hinten = gang_[vorne >> 4][g.tg >> 4][g.tb >> 4];
        z = hinten >> 4;
        const unsigned inGood = (vorne & 15) | (hinten & 15) << 4;
        a = {(inGood & g.fg) | (~inGood & g.fb & 0xFFu), inGood};
    }
    zustand = static_cast<int>(z);
    s = t;
}

}  // namespace zor
