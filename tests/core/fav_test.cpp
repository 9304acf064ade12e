// The error-gap distribution: closed formulas with their worked numbers and edge cases,
// the normalisation, and every simulation against its theory within five standard errors.

#include "aufzeichnender_fortschritt.h"
#include "fkf_statistik.h"

#include "models/fav.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>

using namespace zor;

namespace {

using Punkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;

const ZorState START = startZustand();
constexpr float N = 1000000;
constexpr int D = 50;

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
    for (int j = 1; j < 20; ++j) EXPECT_EQ(p[static_cast<std::size_t>(j)].y, 0.0f);
    FAV_BSC_THEORIE(0.0f, erste(p, 20));
    for (int j = 0; j < 20; ++j) EXPECT_EQ(p[static_cast<std::size_t>(j)].y, 1.0f);
}

// Without transitions each state keeps half the bits, so a gap is drawn in GOOD with
// probability eG / (eG + eB); the replaced zero products must not spoil that.
TEST(FavTheorie, GeWithoutTransitionsWeighsTheStatesByTheirErrors) {
    ModellWerte w = START.GEWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    w[gemc::Good_From_Good] = w[gemc::Bad_From_Bad] = 1;
    Punkte p{};
    FAV_GE_THEORIE(w.data(), erste(p, 30));
    const double eG = w[gemc::Good], eB = w[gemc::Bad];
    for (int k = 1; k <= 30; ++k)
        EXPECT_NEAR(p[static_cast<std::size_t>(k - 1)].y,
                    eG / (eG + eB) * std::pow(1 - eG, k - 1) + eB / (eG + eB) * std::pow(1 - eB, k - 1), 1e-6)
            << k;
}

TEST(FavTheorie, McAndSwAreMixturesOfGeometricGaps) {
    ModellWerte mc = START.MCWert1;
    mc[gemc::Good_From_Bad] = mc[gemc::Bad_From_Good] = 0;
    Punkte p{};
    FAV_MC_THEORIE(mc.data(), erste(p, 10));
    EXPECT_NEAR(p[3].y, 0.5 * std::pow(0.9, 3) + 0.5 * std::pow(0.6, 3), 1e-6);
    const ModellWerte& s = START.SWWert1;
    FAV_SW_THEORIE(s.data(), erste(p, 10));
    EXPECT_NEAR(p[0].y, 1.0, 1e-6);
    EXPECT_NEAR(p[2].y, 0.05 * std::pow(1 - 0.045, 2) + 0.2 * std::pow(1 - 0.5228, 2) + 0.75 * std::pow(0.2, 2), 1e-6);
}

TEST(FavNormierung, HandMadeHistograms) {
    // Gaps 1, 1, 2, 4 and one longer than d = 4: P(a >= k) = 5/5, 3/5, 2/5, 2/5.
    std::array<std::int64_t, 4> anzahl = {2, 1, 0, 1};
    Punkte p{};
    FAV_Normierung(erste(p, 4), anzahl, 5, 1);
    const float erwartet[] = {1.0f, 0.6f, 0.4f, 0.4f};
    for (int j = 0; j < 4; ++j) {
        EXPECT_FLOAT_EQ(p[static_cast<std::size_t>(j)].y, erwartet[j]);
        EXPECT_EQ(p[static_cast<std::size_t>(j)].x, static_cast<float>(j + 1));
    }
    // No gap at all: the whole curve is 1.
    std::array<std::int64_t, 4> leer{};
    FAV_Normierung(erste(p, 4), leer, 0, 0);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(p[static_cast<std::size_t>(j)].y, 1.0f);
}

TEST(FavNormierung, CountsBeyondFloatPrecisionStayExact) {
    // 2^24 + 1 gaps of length 1 and one of length 2: a float counter would lose the odd one.
    std::array<std::int64_t, 2> anzahl = {(std::int64_t{1} << 24) + 1, 1};
    Punkte p{};
    FAV_Normierung(erste(p, 2), anzahl, (1LL << 24) + 2, 0);
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

// --- simulations against theory -------------------------------------------------------


struct SimFall {
    std::string name;
    std::function<void(Kurve, Fortschritt&)> simulation;
    std::function<void(Kurve)> theorie;
    kurvenstatistik::Kette kette;
};

template <class W>
W mitN(W w, int index) {
    w[static_cast<std::size_t>(index)] = N;
    return w;
}

std::vector<SimFall> simFaelle() {
    static const BscWerte bsc = mitN(START.BSCWert1, bsc::Durchlaeufe);
    static const BscWerte bsc2 = mitN(START.BSCWert2, bsc::Durchlaeufe);
    static const ModellWerte ge1 = mitN(START.GEWert1, gemc::Durchlaeufe), ge2 = mitN(START.GEWert2, gemc::Durchlaeufe);
    static const ModellWerte mc1 = mitN(START.MCWert1, gemc::Durchlaeufe), mc2 = mitN(START.MCWert2, gemc::Durchlaeufe);
    static const ModellWerte sw1 = mitN(START.SWWert1, sw::Durchlaeufe), sw2 = mitN(START.SWWert2, sw::Durchlaeufe);
    using namespace kurvenstatistik;
    return {
        {"BSC_bitweise", [](Kurve k, Fortschritt& f) { FAV_BSC_SIMULATION(bsc.data(), k, 0, f); },
         [](Kurve k) { FAV_BSC_THEORIE(bsc[bsc::p], k); }, kurvenstatistik::bsc(bsc[bsc::p])},
        {"BSC_Abstaende", [](Kurve k, Fortschritt& f) { FAV_BSC_SIMULATION(bsc2.data(), k, 1, f); },
         [](Kurve k) { FAV_BSC_THEORIE(bsc2[bsc::p], k); }, kurvenstatistik::bsc(bsc2[bsc::p])},
        {"GE_Satz1", [](Kurve k, Fortschritt& f) { FAV_GE_SIMULATION(ge1.data(), k, f); },
         [](Kurve k) { FAV_GE_THEORIE(ge1.data(), k); }, ge(ge1)},
        {"GE_Satz2", [](Kurve k, Fortschritt& f) { FAV_GE_SIMULATION(ge2.data(), k, f); },
         [](Kurve k) { FAV_GE_THEORIE(ge2.data(), k); }, ge(ge2)},
        {"MC_Satz1", [](Kurve k, Fortschritt&) { FAV_MC_SIMULATION(mc1.data(), k); },
         [](Kurve k) { FAV_MC_THEORIE(mc1.data(), k); }, mc(mc1)},
        {"MC_Satz2", [](Kurve k, Fortschritt&) { FAV_MC_SIMULATION(mc2.data(), k); },
         [](Kurve k) { FAV_MC_THEORIE(mc2.data(), k); }, mc(mc2)},
        {"SW_Satz1", [](Kurve k, Fortschritt&) { FAV_SW_SIMULATION(sw1.data(), k); },
         [](Kurve k) { FAV_SW_THEORIE(sw1.data(), k); }, kurvenstatistik::sw(sw1)},
        {"SW_Satz2", [](Kurve k, Fortschritt&) { FAV_SW_SIMULATION(sw2.data(), k); },
         [](Kurve k) { FAV_SW_THEORIE(sw2.data(), k); }, kurvenstatistik::sw(sw2)},
    };
}

class FavSimulation : public ::testing::TestWithParam<SimFall> {};

TEST_P(FavSimulation, LiesWithinFiveStandardErrorsOfTheTheory) {
    const SimFall& fall = GetParam();
    Punkte sim{}, theo{};
    KeinFortschritt f;
    fall.simulation(erste(sim, D), f);
    fall.theorie(erste(theo, D));
    const auto se = kurvenstatistik::favSE(fall.kette, D, N);
    EXPECT_EQ(sim[0].y, 1.0f);
    for (std::size_t j = 1; j < D; ++j) {
        EXPECT_EQ(sim[j].x, theo[j].x);
        EXPECT_LE(std::abs(sim[j].y - theo[j].y), 5 * se[j] + 1e-7)
            << "k = " << j + 1 << ": " << sim[j].y << " vs " << theo[j].y << ", se " << se[j];
    }
}

INSTANTIATE_TEST_SUITE_P(AlleModelle, FavSimulation, ::testing::ValuesIn(simFaelle()),
                         [](const auto& fall) { return fall.param.name; });

TEST(FavSimulationRand, NoErrorGivesOnesAndLongGapsRaiseEveryPoint) {
    Punkte p{};
    KeinFortschritt f;
    const BscWerte ohne = {0.0f, 1265.0f, 10000.0f};
    FAV_BSC_SIMULATION(ohne.data(), erste(p, 50), 1, f);
    for (int j = 0; j < 50; ++j) EXPECT_EQ(p[static_cast<std::size_t>(j)].y, 1.0f);
    // p = 0.001: nearly all gaps exceed d = 20; they still count, so the last point is
    // their share and not 0.
    const BscWerte selten = {0.001f, 1265.0f, N};
    FAV_BSC_SIMULATION(selten.data(), erste(p, 20), 0, f);
    const auto se = kurvenstatistik::favSE(kurvenstatistik::bsc(0.001), 20, N);
    EXPECT_LE(std::abs(p[19].y - std::pow(0.999, 19)), 5 * se[19]);
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
