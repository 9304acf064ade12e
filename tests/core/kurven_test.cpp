// The curves: worked numbers and edge cases of the closed formulas, the normalisation,
// the renewal equation and the correlation duration on hand-made data. Then every model:
// its FAV and FKF theories against its Markov chain, and the simulations within five
// standard errors derived from that chain.

#include "aufzeichnender_fortschritt.h"
#include "fkf_statistik.h"

#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/kurven_ermitteln.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace zor;

namespace {

using FavPunkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;
using Punkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;

const ZorState START = startZustand();
constexpr float N = 1000000;
constexpr std::uint64_t BITS = 1000000;
constexpr int D = 50;
KeinFortschritt still;

Kurve erste(FavPunkte& p, int d) { return Kurve(p).first(static_cast<std::size_t>(d)); }
Kurve lags(Punkte& p, int d) { return Kurve(p).first(static_cast<std::size_t>(d) + 1); }
float y(const Punkte& p, int k) { return p[static_cast<std::size_t>(k)].y; }

TEST(FavNormierung, HandMadeHistograms) {
    // Gaps 1, 1, 2, 4 and one longer than d = 4: P(a >= k) = 5/5, 3/5, 2/5, 2/5.
    std::array<std::int64_t, 4> anzahl = {2, 1, 0, 1};
    FavPunkte p{};
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
    FavPunkte p{}, a{};
    FAV_BSC_THEORIE(0.25f, erste(p, 20));
    FAV_Punktwahrscheinlichkeiten(KurveLesen(p).first(20), erste(a, 20));
    for (int k = 1; k < 20; ++k) EXPECT_NEAR(a[static_cast<std::size_t>(k - 1)].y, 0.25 * std::pow(0.75, k - 1), 1e-6);
    EXPECT_EQ(a[19].y, a[18].y);
    EXPECT_EQ(a[19].x, 20.0f);
}

// p = 0 never errs, p = 1 always: R(k) = p and the gap is always 1.
TEST(Theorie, BscEdges) {
    for (float q : {0.0f, 1.0f}) {
        FavPunkte a{};
        Punkte r{};
        const BscWerte w = {q, 1, 1};
        FAV_BSC_THEORIE(q, erste(a, 20));
        FKF_BSC_THEORIE(w.data(), lags(r, 20));
        for (int k = 0; k <= 20; ++k) EXPECT_EQ(y(r, k), q) << k;
        for (std::size_t j = 0; j < 20; ++j) EXPECT_EQ(a[j].y, j == 0 || q == 0 ? 1.0f : 0.0f) << j;
    }
}

// Without transitions GE keeps half the bits in each state, so a gap is drawn in GOOD
// with probability eG / (eG + eB); the replaced zero products must not spoil that. MC
// weighs both states equally and falls back to R(0) = eG + eB. SW without any error gives
// zeros rather than an infinite mean gap.
TEST(Theorie, DegenerateModels) {
    ModellWerte w = START.GEWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    w[gemc::Good_From_Good] = w[gemc::Bad_From_Bad] = 1;
    FavPunkte a{};
    Punkte p{};
    FAV_GE_THEORIE(w.data(), erste(a, 30));
    FKF_GE_THEORIE(w.data(), lags(p, 20));
    for (int k = 1; k <= 30; ++k)
        EXPECT_NEAR(a[static_cast<std::size_t>(k - 1)].y, (0.01 * std::pow(0.99, k - 1) + 0.4 * std::pow(0.6, k - 1)) / 0.41, 1e-6);
    for (int k = 1; k <= 20; ++k) EXPECT_NEAR(y(p, k), (0.01 * 0.01 + 0.4 * 0.4) / 2, 1e-7);
    w = START.MCWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    FAV_MC_THEORIE(w.data(), erste(a, 10));
    FKF_MC_THEORIE(w.data(), lags(p, 5));
    EXPECT_NEAR(a[3].y, 0.5 * std::pow(0.9, 3) + 0.5 * std::pow(0.6, 3), 1e-6);
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
    // No error at all: a zero histogram and R(0) = 0 give zeros, not 0 / 0.
    std::array<std::int64_t, 4> leer{};
    p.fill({7.0f, 7.0f});
    p[0].y = 0.0f;
    FKF_RENEWAL(0, leer, lags(p, 3));
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(y(p, k), 0.0f);
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
    // Two negative values do not divide into a positive duration: the curve does not decay.
    EXPECT_EQ(dauer({0.5f, 0.1f, 0.15f, 0.2f}).DK, 0.0f);
}

// --- every model: FAV and FKF theory against the chain, simulations against theory ---

class KurvenModell : public ::testing::TestWithParam<kurvenstatistik::Modellfall> {};

// |sim - theo| <= 5 se at every point; x runs from x0 in both.
template <class P>
void innerhalb(const P& sim, const P& theo, const std::vector<double>& se, int x0, const char* was) {
    for (std::size_t j = 0; j < se.size(); ++j) {
        EXPECT_EQ(sim[j].x, static_cast<float>(j) + static_cast<float>(x0)) << was;
        EXPECT_EQ(theo[j].x, sim[j].x) << was;
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
    const auto favTheo = FAV_Satz(satzparameter(s, fall.satz), D, still).kurve;
    const auto theo = FKF_Satz(satzparameter(s, fall.satz), D, 0, still).kurve;
    for (std::size_t j = 0; j < D; ++j) EXPECT_NEAR(favTheo[j].y, fav.wert[j], 1e-6) << "FAV, k = " << j + 1;
    for (std::size_t k = 0; k <= D; ++k) EXPECT_NEAR(theo[k].y, fkf.wert[k], 1e-6) << "FKF, k = " << k;
    simVon(s, fall.satz) = 1;
    const auto favSim = FAV_Satz(satzparameter(s, fall.satz), D, still).kurve;
    innerhalb(favSim, favTheo, fav.se, 1, "FAV");
    // The renewal estimate suits renewal processes only (independent gaps: BSC, SW).
    const bool erneuerung = fall.art == Modellart::BSC || fall.art == Modellart::SW;
    for (int erneuernd = 0; erneuernd <= (erneuerung ? 1 : 0); ++erneuernd) {
        const auto sim = FKF_Satz(satzparameter(s, fall.satz), D, erneuernd, still).kurve;
        innerhalb(sim, theo, erneuernd ? kurvenstatistik::fkfErneuerndSE(kette, D, N) : fkf.se, 0,
                  erneuernd ? "FKF renewal" : "FKF general");
    }
}

INSTANTIATE_TEST_SUITE_P(AlleModelle, KurvenModell, ::testing::ValuesIn(kurvenstatistik::MODELLE),
                         kurvenstatistik::fallname);

// p = 0: the gap source never errs, so the gap distribution is 1 and both correlation
// estimates are 0; the bit-by-bit source still errs on a draw of 0, once in 32768 bits.
TEST(SimulationRand, BscWithPZero) {
    const BscWerte w = {0.0f, 1265.0f, N};
    FavPunkte a{};
    FAV_BSC_SIMULATION(w.data(), BITS, erste(a, D), 1, still);
    for (std::size_t j = 0; j < D; ++j) EXPECT_EQ(a[j].y, 1.0f);
    Punkte p{};
    for (int erneuernd : {0, 1}) {
        p.fill({7.0f, 7.0f});
        FKF_BSC_SIMULATION(w.data(), BITS, lags(p, D), 1, erneuernd, still);
        for (int k = 0; k <= D; ++k) EXPECT_EQ(y(p, k), 0.0f);
    }
    FKF_BSC_SIMULATION(w.data(), BITS, lags(p, D), 0, 0, still);
    EXPECT_NEAR(y(p, 0), 1.0 / 32768, 5 * std::sqrt(1.0 / 32768 / N));
}

// Over 2^24 products: a float accumulator would stop at 16777216.
TEST(SimulationRand, CountsAreExactBeyondFloatPrecision) {
    const BscWerte immer = {1.0f, 1.0f, 20000000.0f};
    Punkte p{};
    FKF_BSC_SIMULATION(immer.data(), 20000000, lags(p, 100), 0, 0, still);
    for (int k = 0; k <= 100; ++k) EXPECT_EQ(y(p, k), static_cast<float>((20000000.0 - 101) / 20000000.0));
}

TEST(SimulationRand, BitByBitSimulationsReportProgress) {
    FavPunkte p{};
    AufzeichnenderFortschritt f;
    FAV_GE_SIMULATION(START.GEWert1.data(), durchlaeufe(START, Modellart::GE, 0), erste(p, 50), f);
    EXPECT_EQ(f.label, FAV_TITEL_GE);
    EXPECT_EQ(f.status, "wird berechnet!");
    EXPECT_EQ(f.starts, 1);
    EXPECT_EQ(f.enden, 1);
    ASSERT_EQ(f.schritte.size(), 100u);  // N = 10000: triggers at 1, 101, ..., 9901
    EXPECT_EQ(f.schritte.back(), 100);
}

}  // namespace
