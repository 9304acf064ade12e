#include "core/models/eingaberegeln.h"

#include <gtest/gtest.h>

using namespace zor;

TEST(Eingaben, ProbabilitySeedAndRunsFollowTheDialogRanges) {
    EXPECT_EQ(wahrscheinlichkeitEingabe("1"), 1.0f);
    EXPECT_EQ(wahrscheinlichkeitEingabe("0"), 0.0f);
    EXPECT_EQ(wahrscheinlichkeitEingabe("-0"), 0.0f);
    EXPECT_FALSE(wahrscheinlichkeitEingabe("1.0001"));
    EXPECT_FALSE(wahrscheinlichkeitEingabe("-0.1"));
    EXPECT_FALSE(wahrscheinlichkeitEingabe("0,5"));

    EXPECT_EQ(startwertEingabe("9999"), 9999.0f);
    EXPECT_EQ(startwertEingabe("1"), 1.0f);
    EXPECT_FALSE(startwertEingabe("10000"));
    EXPECT_FALSE(startwertEingabe("12.5"));
    EXPECT_FALSE(startwertEingabe("0"));

    EXPECT_EQ(durchlaeufeEingabe("1"), 1.0f);
    EXPECT_EQ(durchlaeufeEingabe("1e6"), 1e6f);
    EXPECT_FALSE(durchlaeufeEingabe("0"));
    EXPECT_FALSE(durchlaeufeEingabe("2.5"));
}

TEST(Eingaben, AbscissaIsAWholeNumberFrom20To100) {
    EXPECT_EQ(abszisseEingabe("20"), 20);
    EXPECT_EQ(abszisseEingabe("100"), 100);
    EXPECT_EQ(abszisseEingabe("5e1"), 50);
    for (const char* falsch : {"20.5", "19", "101", "", "50,0", "1e3"}) EXPECT_FALSE(abszisseEingabe(falsch)) << falsch;
}

TEST(Eingaben, OrdinateNeedsWholeExponentsWithTheLowerBelowTheUpper) {
    const auto eine = ordinateEingabe("10", "9");
    ASSERT_TRUE(eine);
    EXPECT_EQ(eine->a1, 10);
    EXPECT_EQ(eine->a2, 9);
    EXPECT_TRUE(ordinateEingabe("1", "0"));
    const std::pair<const char*, const char*> falsch[] = {{"3", "3"}, {"2", "5"}, {"11", "0"}, {"4", "-1"},
                                                         {"0", "0"},  {"2.5", "1"}, {"5", "x"}};
    for (const auto& [a1, a2] : falsch) EXPECT_FALSE(ordinateEingabe(a1, a2)) << a1 << " / " << a2;
}

namespace {

GeMcTexte gueltigeTexte() { return {"3457", "1e4", "0.1", "0.01", "0.01", "0.4"}; }

}  // namespace

TEST(Parameterpruefung, BscChecksProbabilityThenSeedThenRunsAndStoresOnlyWhenAllPass) {
    BscWerte w = {0.5f, 7.0f, 8.0f};
    const BscWerte vorher = w;
    // Both p and the seed are wrong: p comes first and brings the probability notice.
    Parameterpruefung p = bscParameterPruefen({"1.5", "0", "10"}, w);
    EXPECT_FALSE(p);
    EXPECT_EQ(p.index, bsc::p);
    EXPECT_STREQ(p.meldung.text.c_str(), TEXT_613);
    EXPECT_EQ(p.meldung.titel, "Eingabefehler");
    p = bscParameterPruefen({"0.1", "12.5", "10"}, w);
    EXPECT_EQ(p.index, bsc::Startwert);
    EXPECT_STREQ(p.meldung.text.c_str(), TEXT_612);
    EXPECT_EQ(bscParameterPruefen({"0.1", "12", "0"}, w).index, bsc::Durchlaeufe);
    EXPECT_EQ(w, vorher);

    ASSERT_TRUE(bscParameterPruefen({"1", "9999", "1"}, w));
    EXPECT_EQ(w, (BscWerte{1.0f, 9999.0f, 1.0f}));
}

TEST(Parameterpruefung, GeRefusesAZeroTransitionWhichMcAccepts) {
    GeMcTexte t = gueltigeTexte();
    t.goodFromBad = "0";
    ModellWerte ge{}, mc{};
    const Parameterpruefung p = geParameterPruefen(t, ge);
    EXPECT_FALSE(p);
    EXPECT_EQ(p.index, gemc::Good_From_Bad);
    EXPECT_STREQ(p.meldung.text.c_str(), TEXT_613);
    EXPECT_EQ(ge, ModellWerte{});
    t.goodFromBad = "0.1";
    t.badFromGood = "-0";
    EXPECT_EQ(geParameterPruefen(t, ge).index, gemc::Bad_From_Good);

    t.goodFromBad = "0";
    ASSERT_TRUE(mcParameterPruefen(t, mc));
    EXPECT_EQ(mc[gemc::Bad_From_Bad], 1.0f);
    EXPECT_EQ(mc[gemc::Good_From_Good], 1.0f);
}

TEST(Parameterpruefung, McRefusesAZeroErrorProbabilityWhichGeAccepts) {
    GeMcTexte t = gueltigeTexte();
    t.bad = "0";
    ModellWerte ge{}, mc{};
    EXPECT_EQ(mcParameterPruefen(t, mc).index, gemc::Bad);
    t.bad = "0.4";
    t.good = "0";
    EXPECT_EQ(mcParameterPruefen(t, mc).index, gemc::Good);
    EXPECT_EQ(mc, ModellWerte{});
    EXPECT_TRUE(geParameterPruefen(t, ge));
}

TEST(Parameterpruefung, GeMcOrderIsSeedRunsThenTheFourProbabilities) {
    GeMcTexte t = gueltigeTexte();
    t.bad = "2";
    t.durchlaeufe = "0";
    ModellWerte w{};
    Parameterpruefung p = geParameterPruefen(t, w);
    EXPECT_EQ(p.index, gemc::Durchlaeufe);
    EXPECT_STREQ(p.meldung.text.c_str(), TEXT_612);
    t.durchlaeufe = "100";
    t.good = "0,1";
    EXPECT_EQ(mcParameterPruefen(t, w).index, gemc::Good);
    t.good = "0.01";
    EXPECT_EQ(mcParameterPruefen(t, w).index, gemc::Bad);
}

TEST(Parameterpruefung, StoredTransitionsAreTheSinglePrecisionComplements) {
    ModellWerte w{};
    ASSERT_TRUE(geParameterPruefen(gueltigeTexte(), w));
    EXPECT_EQ(w[gemc::Startwert], 3457.0f);
    EXPECT_EQ(w[gemc::Durchlaeufe], 1e4f);
    EXPECT_EQ(w[gemc::Good_From_Bad], 0.1f);
    EXPECT_EQ(w[gemc::Bad_From_Good], 0.01f);
    EXPECT_EQ(w[gemc::Good_From_Good], 1.0f - 0.01f);
    EXPECT_EQ(w[gemc::Bad_From_Bad], 1.0f - 0.1f);
    EXPECT_EQ(w[gemc::Good], 0.01f);
    EXPECT_EQ(w[gemc::Bad], 0.4f);
}

TEST(Parameterpruefung, SwChoiceProbabilitiesMustSumToOne) {
    ModellWerte w = startZustand().SWWert1;
    EXPECT_TRUE(swWahlGueltig(w));
    const std::array<float, 3> gut[] = {{0.2f, 0.3f, 0.5f}, {1.0f, 0.0f, 0.0f}, {0.1f, 0.7f, 0.2f}};
    const std::array<float, 3> falsch[] = {{1.0f, 1.0f, 1.0f}, {0.2f, 0.3f, 0.4f}, {0.0f, 0.0f, 0.0f}};
    for (const auto& p : gut) {
        w[sw::pZ1] = p[0], w[sw::pZ2] = p[1], w[sw::pZ3] = p[2];
        EXPECT_TRUE(swWahlGueltig(w)) << p[0] << " " << p[1] << " " << p[2];
    }
    for (const auto& p : falsch) {
        w[sw::pZ1] = p[0], w[sw::pZ2] = p[1], w[sw::pZ3] = p[2];
        EXPECT_FALSE(swWahlGueltig(w)) << p[0] << " " << p[1] << " " << p[2];
    }
}
