// The error-gap distribution: the worked number and edge cases of the closed formulas,
// the normalisation and the point probabilities. Every model against its Markov chain
// is in fkf_test.cpp.

#include "aufzeichnender_fortschritt.h"

#include "models/fav.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace zor;

namespace {

using Punkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;

const ZorState START = startZustand();
KeinFortschritt still;

Kurve erste(Punkte& p, int d) { return Kurve(p).first(static_cast<std::size_t>(d)); }

TEST(FavTheorie, GeStartValuesOfSet1GiveTheWorkedNumber) {
    Punkte p{};
    FAV_GE_THEORIE(START.GEWert1.data(), erste(p, 50));
    EXPECT_FLOAT_EQ(p[0].y, 1.0f);
    EXPECT_NEAR(p[1].y, 0.708, 0.0005);
    for (int j = 0; j < 50; ++j) EXPECT_EQ(p[static_cast<std::size_t>(j)].x, static_cast<float>(j + 1));
}

TEST(FavTheorie, BscEdgeProbabilities) {
    Punkte p{};
    FAV_BSC_THEORIE(1.0f, erste(p, 20));
    EXPECT_EQ(p[0].y, 1.0f);
    for (std::size_t j = 1; j < 20; ++j) EXPECT_EQ(p[j].y, 0.0f);
    FAV_BSC_THEORIE(0.0f, erste(p, 20));
    for (std::size_t j = 0; j < 20; ++j) EXPECT_EQ(p[j].y, 1.0f);
}

// Without transitions a GE gap is drawn in GOOD with probability eG / (eG + eB), as each
// state keeps half the bits; the replaced zero products must not spoil that. MC weighs
// both states equally.
TEST(FavTheorie, WithoutTransitionsTheStatesMix) {
    ModellWerte w = START.GEWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    w[gemc::Good_From_Good] = w[gemc::Bad_From_Bad] = 1;
    Punkte p{};
    FAV_GE_THEORIE(w.data(), erste(p, 30));
    for (int k = 1; k <= 30; ++k)
        EXPECT_NEAR(p[static_cast<std::size_t>(k - 1)].y, (0.01 * std::pow(0.99, k - 1) + 0.4 * std::pow(0.6, k - 1)) / 0.41, 1e-6);
    w = START.MCWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    FAV_MC_THEORIE(w.data(), erste(p, 10));
    EXPECT_NEAR(p[3].y, 0.5 * std::pow(0.9, 3) + 0.5 * std::pow(0.6, 3), 1e-6);
}

TEST(FavNormierung, HandMadeHistograms) {
    // Gaps 1, 1, 2, 4 and one longer than d = 4: P(a >= k) = 5/5, 3/5, 2/5, 2/5.
    std::array<std::int64_t, 4> anzahl = {2, 1, 0, 1};
    Punkte p{};
    FAV_Normierung(erste(p, 4), anzahl, 5, 1);
    const float erwartet[] = {1.0f, 0.6f, 0.4f, 0.4f};
    for (std::size_t j = 0; j < 4; ++j) {
        EXPECT_FLOAT_EQ(p[j].y, erwartet[j]);
        EXPECT_EQ(p[j].x, static_cast<float>(j + 1));
    }
    // No gap at all: the whole curve is 1.
    std::array<std::int64_t, 4> leer{};
    FAV_Normierung(erste(p, 4), leer, 0, 0);
    for (std::size_t j = 0; j < 4; ++j) EXPECT_EQ(p[j].y, 1.0f);
    // 2^24 + 1 gaps of length 1 and one of length 2: a float counter would lose the odd one.
    const std::array<std::int64_t, 2> viele = {(std::int64_t{1} << 24) + 1, 1};
    FAV_Normierung(erste(p, 2), viele, (1LL << 24) + 2, 0);
    EXPECT_EQ(p[1].y, static_cast<float>(1.0 / (16777216.0 + 2.0)));
}

TEST(FavPunktwahrscheinlichkeiten, DifferencesAndTheRepeatedLastPoint) {
    Punkte p{}, a{};
    FAV_BSC_THEORIE(0.25f, erste(p, 20));
    FAV_Punktwahrscheinlichkeiten(KurveLesen(p).first(20), erste(a, 20));
    for (int k = 1; k < 20; ++k) EXPECT_NEAR(a[static_cast<std::size_t>(k - 1)].y, 0.25 * std::pow(0.75, k - 1), 1e-6);
    EXPECT_EQ(a[19].y, a[18].y);
    EXPECT_EQ(a[19].x, 20.0f);
}

TEST(FavSimulationRand, NoErrorGivesOnes) {
    Punkte p{};
    p.fill({7.0f, 7.0f});
    const BscWerte ohne = {0.0f, 1265.0f, 10000.0f};
    FAV_BSC_SIMULATION(ohne.data(), erste(p, 50), 1, still);
    for (std::size_t j = 0; j < 50; ++j) EXPECT_EQ(p[j].y, 1.0f);
}

TEST(FavSimulationRand, BitByBitSimulationsReportProgress) {
    Punkte p{};
    AufzeichnenderFortschritt f;
    FAV_GE_SIMULATION(START.GEWert1.data(), erste(p, 50), f);
    EXPECT_EQ(f.label, FAV_TITEL_GE);
    EXPECT_EQ(f.status, "wird berechnet!");
    EXPECT_EQ(f.starts, 1);
    EXPECT_EQ(f.enden, 1);
    ASSERT_EQ(f.schritte.size(), 100u);  // N = 10000: triggers at 1, 101, ..., 9901
    EXPECT_EQ(f.schritte.back(), 100);
}

}  // namespace
