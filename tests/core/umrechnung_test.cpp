// GE to MC: the worked numbers, and the MC model it returns has the GE model's
// error-gap distribution.

#include "core/models/fav.h"
#include "core/models/umrechnung.h"

#include "testnamen.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

using namespace zor;

namespace {

ModellWerte ge(float gb, float bg, float eG, float eB) {
    return {1, 10000, 1.0f - bg, 1.0f - gb, gb, bg, eG, eB};
}

TEST(Umrechnung, StartValuesOfSet1) {
    const ZorState s = startZustand();
    const auto r = Umrechnung(s.GEWert1.data());
    EXPECT_NEAR(r.GeToMcMittel, 0.04545, 1e-5);
    EXPECT_NEAR(r.GeToMcKorrelation, 8.0909, 1e-4);
    // The start values of MC set 2 are the rounded equivalent of GE set 1.
    EXPECT_NEAR(r.McGood, s.MCWert2[gemc::Good], 5e-4);
    EXPECT_NEAR(r.McBad, s.MCWert2[gemc::Bad], 5e-4);
    EXPECT_NEAR(r.McGoodFromBad, s.MCWert2[gemc::Good_From_Bad], 5e-4);
    EXPECT_NEAR(r.McBadFromGood, s.MCWert2[gemc::Bad_From_Good], 5e-4);
}

TEST(Umrechnung, NoCorrelationDurationOnceTheTransitionsReachOne) {
    EXPECT_EQ(Umrechnung(ge(0.5f, 0.5f, 0.01f, 0.4f).data()).GeToMcKorrelation, 0.0f);
    EXPECT_EQ(Umrechnung(ge(0.7f, 0.6f, 0.01f, 0.4f).data()).GeToMcKorrelation, 0.0f);
    EXPECT_NEAR(Umrechnung(ge(0.4f, 0.1f, 0.01f, 0.4f).data()).GeToMcKorrelation, 1.0, 1e-6);
}

class UmrechnungGleicheFav : public ::testing::TestWithParam<ModellWerte> {};

TEST_P(UmrechnungGleicheFav, McTheoryEqualsGeTheoryAtEveryGap) {
    const ModellWerte& g = GetParam();
    const auto r = Umrechnung(g.data());
    const ModellWerte mc = {1, 10000, 1.0f - r.McBadFromGood, 1.0f - r.McGoodFromBad, r.McGoodFromBad, r.McBadFromGood,
                            r.McGood, r.McBad};
    for (std::size_t i = gemc::Good_From_Good; i < mc.size(); ++i) {
        EXPECT_GE(mc[i], 0.0f) << i;
        EXPECT_LE(mc[i], 1.0f) << i;
    }
    std::array<STRUCT_PUNKT, FAV_PUNKTE> a{}, b{};
    FAV_GE_THEORIE(g.data(), a);
    FAV_MC_THEORIE(mc.data(), b);
    for (std::size_t j = 0; j < a.size(); ++j) EXPECT_NEAR(a[j].y, b[j].y, 1e-5) << "k = " << j + 1;
}

INSTANTIATE_TEST_SUITE_P(Parametersaetze, UmrechnungGleicheFav,
                         ::testing::Values(startZustand().GEWert1, startZustand().GEWert2, ge(0.3f, 0.05f, 0.001f, 0.2f),
                                           ge(0.02f, 0.002f, 0.0001f, 0.1f), ge(0.5f, 0.3f, 0.05f, 0.5f),
                                           ge(0.6f, 0.3f, 0.02f, 0.6f), ge(0.05f, 0.05f, 0.1f, 0.1f)),
                         [](const auto& fall) {
                             const ModellWerte& w = fall.param;
                             char name[96];
                             const auto d = [&](std::size_t i) { return static_cast<double>(w[i]); };
                             std::snprintf(name, sizeof name, "gb%g_bg%g_good%g_bad%g", d(gemc::Good_From_Bad),
                                           d(gemc::Bad_From_Good), d(gemc::Good), d(gemc::Bad));
                             return testnamen::bereinigt(name);
                         });

}  // namespace

TEST(Umrechnung, WithoutAValidMcEquivalentTheResultIsRefused) {
    // p(G|B) + p(B|G) above 1 gives probabilities outside [0, 1] or NaN.
    for (const auto& [gb, bg] : {std::pair{0.9f, 0.5f}, std::pair{1.0f, 1.0f}, std::pair{0.6f, 0.6f}})
        EXPECT_FALSE(mcModellGueltig(Umrechnung(ge(gb, bg, 0.01f, 0.4f).data()))) << gb << " " << bg;
    EXPECT_TRUE(mcModellGueltig(Umrechnung(ge(0.5f, 0.5f, 0.01f, 0.4f).data())));
    EXPECT_TRUE(mcModellGueltig(Umrechnung(startZustand().GEWert1.data())));
}
