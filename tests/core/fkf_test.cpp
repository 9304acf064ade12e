// The error-correlation function: closed formulas and their edge cases, the renewal
// equation and the correlation duration on hand-made data, and the estimates of every
// model against theory within five standard errors derived from the model.

#include "fkf_statistik.h"

#include "models/fkf.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>

using namespace zor;

namespace {

using Punkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;

const ZorState START = startZustand();

Kurve lags(Punkte& p, int D) { return Kurve(p).first(static_cast<std::size_t>(D) + 1); }
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

TEST(FkfTheorie, GeStartsAtTheMeanRateAndKeepsAConstantWithoutTransitions) {
    Punkte p{};
    FKF_GE_THEORIE(START.GEWert1.data(), lags(p, 50));
    EXPECT_NEAR(y(p, 0), 0.01 * 0.1 / 0.11 + 0.4 * 0.01 / 0.11, 1e-7);
    ModellWerte w = START.GEWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;
    FKF_GE_THEORIE(w.data(), lags(p, 20));
    const double pm = (0.01 + 0.4) / 2;
    for (int k = 1; k <= 20; ++k) EXPECT_NEAR(y(p, k), pm * pm + (0.4 - pm) * (pm - 0.01), 1e-7);
}

TEST(FkfTheorie, McFallbacksAndTheExponentKMinusOne) {
    Punkte p{};
    ModellWerte w = START.MCWert1;
    w[gemc::Good_From_Bad] = w[gemc::Bad_From_Good] = 0;  // S = 0
    FKF_MC_THEORIE(w.data(), lags(p, 5));
    EXPECT_NEAR(y(p, 0), 0.1 + 0.4, 1e-7);
    // lambda = 1 - q(B|G) eG - q(G|B) eB = 0 with eG = eB = 1 and q(B|G) + q(G|B) = 1.
    w = {1, 1, 0.5f, 0.5f, 0.5f, 0.5f, 1.0f, 1.0f};
    FKF_MC_THEORIE(w.data(), lags(p, 5));
    const double pm = 1.0;
    EXPECT_NEAR(y(p, 1), pm * pm + (pm - 1) * (1 - pm), 1e-7);
    for (int k = 2; k <= 5; ++k) EXPECT_NEAR(y(p, k), pm * pm, 1e-7);
    w = {1, 1, 0.75f, 0.5f, 0.5f, 0.25f, 0.5f, 1.0f};  // lambda = 1 - 0.125 - 0.5 = 0.375
    FKF_MC_THEORIE(w.data(), lags(p, 3));
    const double pm2 = 0.75 * 0.5 / (0.125 + 0.5);
    EXPECT_NEAR(y(p, 1), pm2 * pm2 + (pm2 - 0.5) * (1 - pm2), 1e-7);
    EXPECT_NEAR(y(p, 3), pm2 * pm2 + (pm2 - 0.5) * (1 - pm2) * 0.375 * 0.375, 1e-7);
}

TEST(FkfTheorie, SwIsARenewalProcessOfItsMixedGaps) {
    Punkte p{};
    FKF_SW_THEORIE(START.SWWert1.data(), lags(p, 3));
    const double c[3] = {0.05, 0.2, 0.75}, e[3] = {0.045, 0.5228, 0.8};
    double G = 0, f1 = 0, f2 = 0;
    for (int i = 0; i < 3; ++i) {
        G += c[i] / e[i];
        f1 += c[i] * e[i];
        f2 += c[i] * (1 - e[i]) * e[i];
    }
    EXPECT_NEAR(y(p, 0), 1 / G, 1e-6);
    EXPECT_NEAR(y(p, 1), f1 / G, 1e-6);
    EXPECT_NEAR(y(p, 2), (f1 * f1 + f2) / G, 1e-6);
    // An error probability of 0 adds nothing to the mean gap; all of them 0 gives no errors.
    ModellWerte w = START.SWWert1;
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
    EXPECT_FLOAT_EQ(y(p, 1), 0.25f);           // f1 R0
    EXPECT_FLOAT_EQ(y(p, 2), 0.25f);           // f1 R1 + f2 R0 = 0.125 + 0.125
    EXPECT_FLOAT_EQ(y(p, 3), 0.1875f);         // f1 R2 + f2 R1 = 0.125 + 0.0625
    // No error at all: a zero histogram and R(0) = 0 give zeros.
    std::array<std::int64_t, 4> leer{};
    Punkte q{};
    FKF_RENEWAL(0, leer, lags(q, 3));
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(y(q, k), 0.0f);
}

TEST(FkfKorrelationsdauer, SumsAndClamps) {
    Punkte p{};
    const float R[] = {0.5f, 0.3f, 0.2f, 0.1f};
    for (int k = 0; k <= 3; ++k) p[static_cast<std::size_t>(k)] = {static_cast<float>(k), R[k]};
    auto w = Korrelationsdauer(KurveLesen(p).first(4));
    EXPECT_FLOAT_EQ(w.zaehler, 0.2f + 0.1f + 0.0f);
    EXPECT_FLOAT_EQ(w.nenner, 0.6f - 0.2f - 0.1f);
    EXPECT_FLOAT_EQ(w.DK, 1.0f);
    // A negative quotient gives 0, one above D gives D, a zero denominator gives 0.
    p[1].y = 0.05f;
    EXPECT_EQ(Korrelationsdauer(KurveLesen(p).first(4)).DK, 0.0f);
    const float flach[] = {0.5f, 0.3f, 0.38f, 0.1f};
    for (int k = 0; k <= 3; ++k) p[static_cast<std::size_t>(k)].y = flach[k];
    EXPECT_EQ(Korrelationsdauer(KurveLesen(p).first(4)).DK, 3.0f);
    for (int k = 0; k <= 3; ++k) p[static_cast<std::size_t>(k)].y = 0.25f;
    EXPECT_EQ(Korrelationsdauer(KurveLesen(p).first(4)).DK, 0.0f);
}

// --- estimates against theory -----------------------------------------------------------

constexpr float N = 1000000;
constexpr int D = 50;

struct FkfFall {
    std::string name;
    std::function<void(Kurve, int)> simulation;  // (curve, erneuernd)
    std::function<void(Kurve)> theorie;
    kurvenstatistik::Kette kette;
    bool erneuerung;  // a renewal process, for which the renewal estimate is suitable
};

template <class W>
W mitN(W w, int index) {
    w[static_cast<std::size_t>(index)] = N;
    return w;
}

std::vector<FkfFall> fkfFaelle() {
    static const BscWerte b1 = mitN(START.BSCWert1, bsc::Durchlaeufe), b2 = mitN(START.BSCWert2, bsc::Durchlaeufe);
    static const ModellWerte ge1 = mitN(START.GEWert1, gemc::Durchlaeufe), ge2 = mitN(START.GEWert2, gemc::Durchlaeufe);
    static const ModellWerte mc1 = mitN(START.MCWert1, gemc::Durchlaeufe), mc2 = mitN(START.MCWert2, gemc::Durchlaeufe);
    static const ModellWerte sw1 = mitN(START.SWWert1, sw::Durchlaeufe), sw2 = mitN(START.SWWert2, sw::Durchlaeufe);
    static KeinFortschritt f;
    using namespace kurvenstatistik;
    return {
        {"BSC_bitweise", [](Kurve k, int e) { FKF_BSC_SIMULATION(b1.data(), k, 0, e, f); },
         [](Kurve k) { FKF_BSC_THEORIE(b1.data(), k); }, kurvenstatistik::bsc(b1[bsc::p]), true},
        {"BSC_Abstaende", [](Kurve k, int e) { FKF_BSC_SIMULATION(b2.data(), k, 1, e, f); },
         [](Kurve k) { FKF_BSC_THEORIE(b2.data(), k); }, kurvenstatistik::bsc(b2[bsc::p]), true},
        {"GE_Satz1", [](Kurve k, int e) { FKF_GE_SIMULATION(ge1.data(), k, e, f); },
         [](Kurve k) { FKF_GE_THEORIE(ge1.data(), k); }, ge(ge1), false},
        {"GE_Satz2", [](Kurve k, int e) { FKF_GE_SIMULATION(ge2.data(), k, e, f); },
         [](Kurve k) { FKF_GE_THEORIE(ge2.data(), k); }, ge(ge2), false},
        {"MC_Satz1", [](Kurve k, int e) { FKF_MC_SIMULATION(mc1.data(), k, e); },
         [](Kurve k) { FKF_MC_THEORIE(mc1.data(), k); }, mc(mc1), false},
        {"MC_Satz2", [](Kurve k, int e) { FKF_MC_SIMULATION(mc2.data(), k, e); },
         [](Kurve k) { FKF_MC_THEORIE(mc2.data(), k); }, mc(mc2), false},
        {"SW_Satz1", [](Kurve k, int e) { FKF_SW_SIMULATION(sw1.data(), k, e); },
         [](Kurve k) { FKF_SW_THEORIE(sw1.data(), k); }, kurvenstatistik::sw(sw1), true},
        {"SW_Satz2", [](Kurve k, int e) { FKF_SW_SIMULATION(sw2.data(), k, e); },
         [](Kurve k) { FKF_SW_THEORIE(sw2.data(), k); }, kurvenstatistik::sw(sw2), true},
    };
}

void innerhalb(const Punkte& sim, const Punkte& theo, const std::vector<double>& se) {
    for (int k = 0; k <= D; ++k) {
        EXPECT_EQ(sim[static_cast<std::size_t>(k)].x, static_cast<float>(k));
        EXPECT_LE(std::abs(y(sim, k) - y(theo, k)), 5 * se[static_cast<std::size_t>(k)] + 1e-7)
            << "k = " << k << ": " << y(sim, k) << " vs " << y(theo, k) << ", se " << se[static_cast<std::size_t>(k)];
    }
}

class FkfSchaetzung : public ::testing::TestWithParam<FkfFall> {};

TEST_P(FkfSchaetzung, GeneralEquationWithinFiveStandardErrors) {
    Punkte sim{}, theo{};
    GetParam().simulation(lags(sim, D), 0);
    GetParam().theorie(lags(theo, D));
    innerhalb(sim, theo, kurvenstatistik::fkfAllgemeinSE(GetParam().kette, D, N));
}

class FkfErneuerung : public ::testing::TestWithParam<FkfFall> {};

TEST_P(FkfErneuerung, RenewalEquationWithinFiveStandardErrors) {
    Punkte sim{}, theo{};
    GetParam().simulation(lags(sim, D), 1);
    GetParam().theorie(lags(theo, D));
    innerhalb(sim, theo, kurvenstatistik::fkfErneuerndSE(GetParam().kette, D, N));
}

std::vector<FkfFall> erneuerungsprozesse() {
    std::vector<FkfFall> faelle;
    for (auto& f : fkfFaelle())
        if (f.erneuerung) faelle.push_back(f);
    return faelle;
}

INSTANTIATE_TEST_SUITE_P(AlleModelle, FkfSchaetzung, ::testing::ValuesIn(fkfFaelle()),
                         [](const auto& fall) { return fall.param.name; });
// The renewal estimate suits renewal processes only (independent gaps: BSC, SW).
INSTANTIATE_TEST_SUITE_P(Erneuerungsprozesse, FkfErneuerung, ::testing::ValuesIn(erneuerungsprozesse()),
                         [](const auto& fall) { return fall.param.name; });

TEST(FkfSchaetzungRand, RenewalWithoutErrorsGivesZeros) {
    const BscWerte ohne = {0.0f, 1265.0f, N};
    Punkte p{};
    KeinFortschritt f;
    FKF_BSC_SIMULATION(ohne.data(), lags(p, D), 1, 1, f);
    for (int k = 0; k <= D; ++k) EXPECT_EQ(y(p, k), 0.0f);
}

TEST(FkfSchaetzungRand, BitByBitBscWithPZeroStillErrsOnADrawOfZero) {
    const BscWerte w = {0.0f, 1265.0f, N};
    Punkte p{};
    KeinFortschritt f;
    FKF_BSC_SIMULATION(w.data(), lags(p, D), 0, 0, f);
    EXPECT_GT(y(p, 0), 0.0f);
    EXPECT_NEAR(y(p, 0), 1.0 / 32768, 5 * std::sqrt(1.0 / 32768 / N));
}

// Over 2^24 products: a float accumulator would stop at 16777216.
TEST(FkfSchaetzungRand, CountsAreExactBeyondFloatPrecision) {
    const BscWerte immer = {1.0f, 1.0f, 20000000.0f};
    Punkte p{};
    KeinFortschritt f;
    FKF_BSC_SIMULATION(immer.data(), lags(p, 100), 0, 0, f);
    for (int k = 0; k <= 100; ++k) EXPECT_EQ(y(p, k), static_cast<float>((20000000.0 - 101) / 20000000.0));
}

}  // namespace
