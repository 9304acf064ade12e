// The error-correlation function: edge cases of the closed formulas, the renewal equation
// and the correlation duration on hand-made data. Then every model: the FAV and FKF
// theories against its Markov chain, and the simulations within five standard errors.

#include "fkf_statistik.h"

#include "models/fav.h"
#include "models/fkf.h"
#include "models/kurven_ermitteln.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace zor;

namespace {

using Punkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;

const ZorState START = startZustand();
constexpr float N = 1000000;
constexpr int D = 50;
KeinFortschritt still;

Kurve lags(Punkte& p, int d) { return Kurve(p).first(static_cast<std::size_t>(d) + 1); }
float y(const Punkte& p, int k) { return p[static_cast<std::size_t>(k)].y; }

TEST(FkfTheorie, BscIsTheRateAndItsSquare) {
    Punkte p{};
    for (float q : {0.0f, 1.0f, 0.1f}) {
        const BscWerte w = {q, 1, 1};
        FKF_BSC_THEORIE(w.data(), lags(p, 50));
        EXPECT_FLOAT_EQ(y(p, 0), q);
        for (int k = 1; k <= 50; ++k) EXPECT_FLOAT_EQ(y(p, k), q * q);
        EXPECT_EQ(p[50].x, 50.0f);
    }
}

// Without transitions GE keeps half the bits in each state; MC falls back to eG + eB.
// SW without any error gives zeros rather than an infinite mean gap.
TEST(FkfTheorie, DegenerateModels) {
    Punkte p{};
    ModellWerte w = START.GEWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    FKF_GE_THEORIE(w.data(), lags(p, 20));
    for (int k = 1; k <= 20; ++k) EXPECT_NEAR(y(p, k), (0.01 * 0.01 + 0.4 * 0.4) / 2, 1e-7);
    w = START.MCWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    FKF_MC_THEORIE(w.data(), lags(p, 5));
    EXPECT_NEAR(y(p, 0), 0.1 + 0.4, 1e-7);
    w = START.SWWert1;
    w[sw::pFehlerZ1] = w[sw::pFehlerZ2] = w[sw::pFehlerZ3] = 0;
    FKF_SW_THEORIE(w.data(), lags(p, 10));
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(y(p, k), 0.0f);
}

TEST(FkfRenewal, HandMadeHistogram) {
    // Four errors with gaps 1, 1, 2 and one longer than D; R(0) = 0.5.
    std::array<std::int64_t, 4> x = {2, 1, 0, 0};
    Punkte p{};
    p[0].y = 0.5f;
    FKF_RENEWAL(4, x, lags(p, 3));
    EXPECT_FLOAT_EQ(y(p, 1), 0.25f);    // f1 R0
    EXPECT_FLOAT_EQ(y(p, 2), 0.25f);    // f1 R1 + f2 R0 = 0.125 + 0.125
    EXPECT_FLOAT_EQ(y(p, 3), 0.1875f);  // f1 R2 + f2 R1 = 0.125 + 0.0625
    // No error at all: a zero histogram and R(0) = 0 give zeros.
    std::array<std::int64_t, 4> leer{};
    Punkte q{};
    FKF_RENEWAL(0, leer, lags(q, 3));
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(y(q, k), 0.0f);
}

Korrelationswerte dauer(const std::vector<float>& R) {
    Punkte p{};
    for (std::size_t k = 0; k < R.size(); ++k) p[k] = {static_cast<float>(k), R[k]};
    return Korrelationsdauer(KurveLesen(p).first(R.size()));
}

TEST(FkfKorrelationsdauer, SumsAndClamps) {
    const auto w = dauer({0.5f, 0.3f, 0.2f, 0.1f});
    EXPECT_FLOAT_EQ(w.zaehler, 0.2f + 0.1f + 0.0f);
    EXPECT_FLOAT_EQ(w.nenner, 0.6f - 0.2f - 0.1f);
    EXPECT_FLOAT_EQ(w.DK, 1.0f);
    // A negative quotient gives 0, one above D gives D, a zero denominator gives 0.
    EXPECT_EQ(dauer({0.5f, 0.05f, 0.2f, 0.1f}).DK, 0.0f);
    EXPECT_EQ(dauer({0.5f, 0.3f, 0.38f, 0.1f}).DK, 3.0f);
    EXPECT_EQ(dauer({0.25f, 0.25f, 0.25f, 0.25f}).DK, 0.0f);
}

// --- every model: FAV and FKF theory against the chain, simulations against theory ---

class KurvenModell : public ::testing::TestWithParam<kurvenstatistik::Modellfall> {};

// |sim - theo| <= 5 se at every point; x runs from x0.
template <class P>
void innerhalb(const P& sim, const P& theo, const std::vector<double>& se, int x0, const char* was) {
    for (std::size_t j = 0; j < se.size(); ++j) {
        EXPECT_EQ(sim[j].x, static_cast<float>(j) + static_cast<float>(x0)) << was;
        EXPECT_LE(std::abs(sim[j].y - theo[j].y), 5 * se[j] + 1e-7)
            << was << ", x = " << sim[j].x << ": " << sim[j].y << " vs " << theo[j].y << ", se " << se[j];
    }
}

TEST_P(KurvenModell, TheoryIsExactAndSimulationsLieWithinFiveStandardErrors) {
    const auto& fall = GetParam();
    ZorState s = kurvenstatistik::zustand(fall, N);
    const auto kette = kurvenstatistik::kette(s, fall);
    const auto fav = kurvenstatistik::fav(kette, D, N);
    const auto fkf = kurvenstatistik::fkfAllgemein(kette, D, N);
    std::array<STRUCT_PUNKT, FAV_PUNKTE> favTheo{}, favSim{};
    Punkte theo{};
    FAV_Satz(s, fall.satz, Kurve(favTheo).first(D), still);
    FKF_Satz(s, fall.satz, lags(theo, D), 0, still);
    for (std::size_t j = 0; j < D; ++j) EXPECT_NEAR(favTheo[j].y, fav.wert[j], 1e-6) << "FAV, k = " << j + 1;
    for (int k = 0; k <= D; ++k) EXPECT_NEAR(y(theo, k), fkf.wert[static_cast<std::size_t>(k)], 1e-6) << "FKF, k = " << k;
    simVon(s, fall.satz) = 1;
    FAV_Satz(s, fall.satz, Kurve(favSim).first(D), still);
    innerhalb(favSim, favTheo, fav.se, 1, "FAV");
    // The renewal estimate suits renewal processes only (independent gaps: BSC, SW).
    const bool erneuerung = fall.art == Modellart::BSC || fall.art == Modellart::SW;
    for (int erneuernd = 0; erneuernd <= (erneuerung ? 1 : 0); ++erneuernd) {
        Punkte sim{};
        FKF_Satz(s, fall.satz, lags(sim, D), erneuernd, still);
        innerhalb(sim, theo, erneuernd ? kurvenstatistik::fkfErneuerndSE(kette, D, N) : fkf.se, 0,
                  erneuernd ? "FKF renewal" : "FKF general");
    }
}

INSTANTIATE_TEST_SUITE_P(AlleModelle, KurvenModell, ::testing::ValuesIn(kurvenstatistik::MODELLE),
                         kurvenstatistik::fallname);

// p = 0: the gap source never errs, so both estimates are 0; the bit-by-bit source still
// errs on a draw of 0, once in 32768 bits.
TEST(FkfSchaetzungRand, BscWithPZero) {
    const BscWerte w = {0.0f, 1265.0f, N};
    Punkte p{};
    for (int erneuernd : {0, 1}) {
        p.fill({7.0f, 7.0f});
        FKF_BSC_SIMULATION(w.data(), lags(p, D), 1, erneuernd, still);
        for (int k = 0; k <= D; ++k) EXPECT_EQ(y(p, k), 0.0f);
    }
    FKF_BSC_SIMULATION(w.data(), lags(p, D), 0, 0, still);
    EXPECT_NEAR(y(p, 0), 1.0 / 32768, 5 * std::sqrt(1.0 / 32768 / N));
}

// Over 2^24 products: a float accumulator would stop at 16777216.
TEST(FkfSchaetzungRand, CountsAreExactBeyondFloatPrecision) {
    const BscWerte immer = {1.0f, 1.0f, 20000000.0f};
    Punkte p{};
    FKF_BSC_SIMULATION(immer.data(), lags(p, 100), 0, 0, still);
    for (int k = 0; k <= 100; ++k) EXPECT_EQ(y(p, k), static_cast<float>((20000000.0 - 101) / 20000000.0));
}

}  // namespace
