#include "core/models/generatoren.h"
#include "core/models/zor_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace zor;

namespace {
// The draw a fresh generator with this seed gives first, as the generators see it.
float ersteZiehung(std::uint32_t seed) {
    Zufall z(seed);
    return z.gleich();
}
}  // namespace

TEST(Zufall, IsTheClassicLcgWithFifteenBitOutput) {
    Zufall z(1);
    // The classic runtime's first values for seed 1.
    EXPECT_EQ(z.rand(), 41);
    EXPECT_EQ(z.rand(), 18467);
    EXPECT_EQ(z.rand(), 6334);
    Zufall a(4711), b(4711);
    for (int i = 0; i < 1000; ++i) {
        const int r = a.rand();
        ASSERT_EQ(r, b.rand());
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(Fehlerabstand, FixedValuesAndLargestGapsOverEveryPossibleDraw) {
    Zufall z(1);
    EXPECT_EQ(Fehlerabstand(1.0f, z), 1);
    EXPECT_EQ(Fehlerabstand(0.0f, z), 10000000);
    EXPECT_EQ(z.zustand(), 1u) << "p = 0 and p = 1 consume no draw";

    struct Fall {
        float p;
        long groesster;
    };
    for (const Fall f : {Fall{0.5f, 15}, Fall{0.1f, 99}, Fall{0.001f, 10393}}) {
        Abstandsziehung ziehung(f.p);
        long klein = 1L << 40, gross = 0;
        for (int k = 1; k < 32768; ++k) {
            klein = std::min(klein, ziehung.fuerZiehung(k));
            gross = std::max(gross, ziehung.fuerZiehung(k));
        }
        EXPECT_EQ(klein, 1) << f.p;
        EXPECT_EQ(gross, f.groesster) << f.p;
    }
    // Beyond the 32-bit range the gap is capped.
    EXPECT_EQ(Abstandsziehung(1e-10f).fuerZiehung(1), KEIN_FEHLER_ABSTAND);
    // The largest draw still gives a gap in range: ln(32768/32767) / 1e-10 + 1.
    EXPECT_NEAR(static_cast<double>(Abstandsziehung(1e-10f).fuerZiehung(32767)), 305181.0, 1.0);
}

TEST(Fehlerabstand, SkipsDrawsOfZeroAndAgreesWithThePrecomputedForm) {
    // Seed 0 draws 38 first; find a seed whose first draw is 0 instead.
    std::uint32_t nullSeed = 0;
    for (std::uint32_t s = 1; s < 2000000 && nullSeed == 0; ++s)
        if (Zufall(s).rand() == 0) nullSeed = s;
    ASSERT_NE(nullSeed, 0u);
    Zufall z(nullSeed), danach(nullSeed);
    danach.rand();
    const int zweite = danach.rand();
    EXPECT_EQ(Fehlerabstand(0.3f, z), Abstandsziehung(0.3f).fuerZiehung(zweite));

    Zufall a(99), b(99);
    for (int i = 0; i < 10000; ++i) {
        const float u = [&] { float v; do { v = a.gleich(); } while (v == 0.0f); return v; }();
        const double direkt = std::trunc(std::log(1.0 / static_cast<double>(u)) *
                                         (1.0 / static_cast<double>(static_cast<float>(std::log(1.0 / (1.0 - 0.3))))));
        ASSERT_EQ(Fehlerabstand(0.3f, b), static_cast<long>(direkt) + 1);
    }
}

TEST(Schwellen, ADrawEqualToTheErrorProbabilityIsAnErrorButTakesNoTransition) {
    const std::uint32_t seed = 1234;
    const float u = ersteZiehung(seed);
    ASSERT_GT(u, 0.0f);
    ModellWerte w{};
    // One GE step from `zustand` with a fresh generator: the new state and the bit.
    auto schritt = [&](int zustand) {
        Zufall z(seed);
        int bit = 0;
        GE_Fehlerfolge(&zustand, &bit, w.data(), z);
        return std::pair{zustand, bit};
    };
    // State BAD with error probability exactly u: the bit is an error.
    w[gemc::Bad] = u;
    w[gemc::Good_From_Bad] = 1.0f;
    EXPECT_EQ(schritt(BAD).second, 1);
    w[gemc::Bad] = u - 1.0f / 32768.0f;
    EXPECT_EQ(schritt(BAD).second, 0);
    // A transition threshold equal to the draw is not taken.
    Zufall vorher(seed);
    vorher.rand();
    const float zweite = vorher.gleich();
    w[gemc::Good_From_Good] = zweite;
    EXPECT_EQ(schritt(GOOD).first, BAD);
    w[gemc::Good_From_Good] = zweite + 1.0f / 32768.0f;
    EXPECT_EQ(schritt(GOOD).first, GOOD);
    // MC and SW thresholds likewise.
    ModellWerte m{};
    m[gemc::Good_From_Bad] = u;
    Zufall z1(seed);
    int mz = BAD;
    MC_Zustand(&mz, m.data(), z1);
    EXPECT_EQ(mz, BAD);
    ModellWerte s{};
    s[sw::pZ1] = u;
    s[sw::pZ2] = 0.0f;
    Zufall z2(seed);
    short sz = 0;
    SW_Zustand(&sz, s.data(), z2);
    EXPECT_EQ(sz, 3);
}

TEST(Startzustand, ZeroTransitionsChooseByHalvesOrThirds) {
    for (std::uint32_t seed : {1u, 2u, 3u, 17u, 1265u, 9999u}) {
        const float u = ersteZiehung(seed);
        ModellWerte ge{};
        ge[0] = static_cast<float>(seed);
        ge[gemc::Good_From_Good] = 1.0f;  // p(B|G) = 0
        ge[gemc::Bad_From_Bad] = 1.0f;    // p(G|B) = 0
        Zufall z;
        int zustand = -1;
        GE_Startzustand(&zustand, ge.data(), z);
        EXPECT_EQ(zustand, u < 0.5f ? GOOD : BAD) << seed;
        // ... and never leaves it.
        const int start = zustand;
        for (int i = 0; i < 1000; ++i) {
            int bit = 0;
            GE_Fehlerfolge(&zustand, &bit, ge.data(), z);
            ASSERT_EQ(zustand, start);
        }

        ModellWerte mc{};
        mc[0] = static_cast<float>(seed);
        mc[gemc::Good] = 0.1f;  // both products Good_From_Bad*Bad and Bad_From_Good*Good are 0
        GE_Startzustand(&zustand, ge.data(), z);
        MC_Startzustand(&zustand, mc.data(), z);
        EXPECT_EQ(zustand, u < 0.5f ? GOOD : BAD) << seed;

        ModellWerte sw{};
        sw[0] = static_cast<float>(seed);
        short s = 0;
        SW_Startzustand(&s, sw.data(), z);
        EXPECT_EQ(s, u < 1.0 / 3.0 ? 1 : (u < 2.0 / 3.0 ? 2 : 3)) << seed;
    }
}

TEST(Startzustand, FollowsTheStationaryWeights) {
    // GE: GOOD when p(G|B)/(p(G|B)+p(B|G)) > u. The first draw grows with the seed by
    // about 1e-4 per step, so the seeds are spread over their range to reach every state.
    for (std::uint32_t seed = 1; seed < 10000; seed += 37) {
        const float u = ersteZiehung(seed);
        const ZorState s = startZustand();
        Zufall z;
        int zustand = -1;
        ModellWerte ge = s.GEWert1;
        ge[0] = static_cast<float>(seed);
        GE_Startzustand(&zustand, ge.data(), z);
        EXPECT_EQ(zustand, 0.1 / (0.1 + 0.01) > u ? GOOD : BAD);

        ModellWerte mc = s.MCWert1;
        mc[0] = static_cast<float>(seed);
        MC_Startzustand(&zustand, mc.data(), z);
        const double g = double(mc[4]) * mc[7], b = double(mc[5]) * mc[6];
        EXPECT_EQ(zustand, g / (g + b) > u ? GOOD : BAD);

        ModellWerte sw = s.SWWert1;
        sw[0] = static_cast<float>(seed);
        short sz = 0;
        SW_Startzustand(&sz, sw.data(), z);
        const double w1 = double(sw[3]) * sw[6] * sw[7], w2 = double(sw[4]) * sw[5] * sw[7],
                     w3 = double(sw[2]) * sw[5] * sw[6];
        const float n = static_cast<float>(w1 + w2 + w3);
        EXPECT_EQ(sz, w1 / n > u ? 1 : ((w1 + w2) / n > u ? 2 : 3));
    }
}
