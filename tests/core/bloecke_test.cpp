#include "sequenzdateien.h"
#include "testnamen.h"

#include "core/buendel/auswertung.h"
#include "core/buendel/bloecke.h"
#include "core/buendel/blockzaehler.h"
#include "core/models/fehlerquellen.h"
#include "core/models/vorgaben.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

using namespace zor;

namespace {

Satzparameter mitVorgabe(const char* name, std::uint64_t bits = 10000) {
    const auto v = vorgabe(name);
    Satzparameter p = startparameter(v->art, v->satz, 0);
    p.Durchlaeufe = bits;
    return p;
}

// The binomial law, from logarithms in long double: a computation of its own.
double binomial(std::uint64_t n, std::uint64_t m, double p) {
    const long double l = std::lgamma(static_cast<long double>(n) + 1) - std::lgamma(static_cast<long double>(m) + 1) -
                          std::lgamma(static_cast<long double>(n - m) + 1) + m * std::log(static_cast<long double>(p)) +
                          (n - m) * std::log1p(-static_cast<long double>(p));
    return static_cast<double>(std::exp(l));
}

}  // namespace

TEST(ExakteBloecke, BscIsTheBinomialLaw) {
    for (const double p : {0.1, 0.001})
        for (const std::uint64_t n : {1u, 63u, 1023u, 10000u}) {
            const int M = static_cast<int>(std::min<std::uint64_t>(n, 400));
            const auto P = blockverteilung(bscKette(p), n, M);
            double rest = 1;
            for (int m = 0; m <= M; ++m) {
                ASSERT_NEAR(P[static_cast<std::size_t>(m)], binomial(n, static_cast<std::uint64_t>(m), p), 1e-12)
                    << "p " << p << " n " << n << " m " << m;
                rest -= binomial(n, static_cast<std::uint64_t>(m), p);
            }
            EXPECT_NEAR(P.back(), std::max(rest, 0.0), 1e-12) << "p " << p << " n " << n;
        }
}

// One preset of each model over every error count of 10^4 bits; the others with the
// counts above 64 gathered in the last entry.
TEST(ExakteBloecke, EveryModelSumsToOneOverAllErrorCounts) {
    for (const auto& [name, M] : {std::pair{"ge1", 10000}, std::pair{"mc2", 10000}, std::pair{"sw1", 10000},
                                  std::pair{"ge2", 64}, std::pair{"mc1", 64}, std::pair{"sw2", 64}}) {
        const auto k = *kanalkette(mitVorgabe(name));
        const auto P = blockverteilung(k, 10000, M);
        EXPECT_NEAR(std::accumulate(P.begin(), P.end(), 0.0), 1.0, 1e-12) << name;
        if (M == 10000) {
            EXPECT_EQ(P.back(), 0.0) << name;  // no block has more errors than bits
        }
        for (double x : P) ASSERT_GE(x, 0.0) << name;
    }
}

// Worked by hand. GE with eG = 0, eB = 1 counts BAD bits: P(0, 2) = piG p(G|G),
// P(2, 2) = piB p(B|B). MC with eG = 1/2, eB = 1 and both changes certain: piG = 2/3;
// P(0, 2) = 2/3 * 1/2 * 1/2, P(2, 2) = 2/3 * 1/2 * 1 + 1/3 * 1 * 1/2.
TEST(ExakteBloecke, TwoBitWorkedNumbers) {
    auto werte = [](float gg, float gb, float eG, float eB) {
        ModellWerte w{};
        w[gemc::Good_From_Good] = gg, w[gemc::Good_From_Bad] = gb, w[gemc::Good] = eG, w[gemc::Bad] = eB;
        return w;
    };
    const double piG = 0.5 / 0.75;
    auto P = blockverteilung(geKette(werte(0.75f, 0.5f, 0.0f, 1.0f)), 2, 2);
    EXPECT_NEAR(P[0], piG * 0.75, 1e-15);
    EXPECT_NEAR(P[2], (1 - piG) * 0.5, 1e-15);
    EXPECT_EQ(P[3], 0.0);

    const ModellWerte mc = werte(0.0f, 1.0f, 0.5f, 1.0f);
    P = blockverteilung(mcKette(mc), 2, 1);
    EXPECT_NEAR(P[0], 1.0 / 6, 1e-15);
    EXPECT_NEAR(P[1], 1.0 / 3, 1e-15);
    EXPECT_NEAR(P[2], 1.0 / 2, 1e-15);  // "more than 1"

    // Depth 2: the block is bits 0 and 2 of the channel, bit 1 passes unseen. Both wrong:
    // G(err)B(err)G(err) 2/3*1/2*1/2 + B(err)G(err)B(err) 1/3*1/2 + B(err)G(ok)G(err)
    // 1/3*1/2*1/2 = 5/12; both right only G(ok)G(ok)G(ok) = 2/3*1/8 = 1/12.
    P = blockverteilung(verschachtelt(mcKette(mc), 2), 2, 2);
    EXPECT_NEAR(P[0], 1.0 / 12, 1e-15);
    EXPECT_NEAR(P[1], 1.0 / 2, 1e-15);
    EXPECT_NEAR(P[2], 5.0 / 12, 1e-15);
}

namespace {

// The errors of each whole block of n bits, de-interleaved the plain way: frames of d * n
// bits, block r of a frame taking the bits r, r + d, r + 2d, ...
std::vector<int> blockfehler(const std::vector<unsigned char>& bits, std::uint64_t n, std::uint64_t d) {
    std::vector<int> fehler;
    for (std::uint64_t f = 0; f < bits.size() / (n * d); ++f)
        for (std::uint64_t r = 0; r < d; ++r) {
            int e = 0;
            for (std::uint64_t j = 0; j < n; ++j) e += bits[f * n * d + r + j * d];
            fehler.push_back(e);
        }
    return fehler;
}

std::vector<unsigned char> simuliert(const Satzparameter& p, std::uint64_t n) {
    std::vector<unsigned char> bits(n);
    mitBitQuelle(p, SwStart::Zustand, [&](auto& q) {
        for (auto& b : bits) b = static_cast<unsigned char>(q.bit());
    });
    return bits;
}

struct SimFall {
    const char* name;
    const char* vorgabe;
    std::uint64_t tiefe;
};
const SimFall SIM_FAELLE[] = {
    {"Ge1", "ge1", 1}, {"Ge2", "ge2", 1}, {"Mc1", "mc1", 1}, {"Mc2", "mc2", 1},
    {"Sw1", "sw1", 1}, {"Sw2", "sw2", 1}, {"Ge1Tiefe8", "ge1", 8}, {"Mc1Tiefe5", "mc1", 5},
};

}  // namespace

class SimulierteBloecke : public ::testing::TestWithParam<SimFall> {};
INSTANTIATE_TEST_SUITE_P(Vorgaben, SimulierteBloecke, ::testing::ValuesIn(SIM_FAELLE), testnamen::NachName{});

// Simulated counts of blocks with more than t errors lie within 5 sigma of the exact law;
// sigma from the spread of 20 parts of the run (bursty models keep their blocks
// correlated), at least the binomial one and at least one block.
TEST_P(SimulierteBloecke, CountsMatchTheExactLawWithinFiveSigma) {
    const SimFall& f = GetParam();
    const Satzparameter p = mitVorgabe(f.vorgabe);
    const auto bits = simuliert(p, 1000000);
    const auto kette = verschachtelt(*kanalkette(p), f.tiefe);
    for (const std::uint64_t n : {63u, 255u}) {
        const auto P = blockverteilung(kette, n, 7);
        const auto fehler = blockfehler(bits, n, f.tiefe);
        const double bloecke = static_cast<double>(fehler.size());
        for (int t = 0; t <= 7; ++t) {
            std::vector<double> teile(20);
            for (std::size_t i = 0; i < fehler.size(); ++i) teile[i * 20 / fehler.size()] += fehler[i] > t;
            double ueber = 0;
            for (std::size_t m = static_cast<std::size_t>(t) + 1; m < P.size(); ++m) ueber += P[m];
            const double summe = std::accumulate(teile.begin(), teile.end(), 0.0);
            double var = 0;
            for (double c : teile) var += (c - summe / 20) * (c - summe / 20);
            var = var / 19 * 20;  // of the sum of the 20 parts
            const double sigma = std::sqrt(std::max({var, bloecke * ueber * (1 - ueber), 1.0}));
            EXPECT_NEAR(summe, bloecke * ueber, 5 * sigma) << "n " << n << " t " << t;
        }
    }
}

// The counter against the plain de-interleaving, with an incomplete last frame.
TEST(Blockzaehler, CountsTheBlocksOfWholeFramesByTheirRows) {
    const std::string ffo = bitsAlsFfo(zufallsBytes(130, 5)).substr(0, 1037);
    std::vector<unsigned char> bits;
    for (char c : ffo) bits.push_back(c == '1');
    for (const std::uint64_t n : {1u, 7u, 64u})
        for (const std::uint64_t d : {1u, 3u, 16u}) {
            Blockzaehler z(n, 5, d);
            for (std::uint64_t i = 0; i < bits.size(); ++i)
                if (bits[i]) z.fehler(i);
            z.ende(bits.size());
            std::vector<std::uint64_t> erwartet(7);
            for (const int e : blockfehler(bits, n, d)) ++erwartet[std::min(e, 6)];
            EXPECT_EQ(z.anzahl(), erwartet) << "n " << n << " d " << d;
            EXPECT_EQ(z.bloecke(), bits.size() / (n * d) * d);
        }
}

// Without errors every whole block counts with 0; a frame longer than the run, not at all.
TEST(Blockzaehler, NoErrorsAndNoWholeBlock) {
    Blockzaehler z(10, 2), kurz(10, 2, 4);
    z.ende(35);
    kurz.fehler(3);
    kurz.ende(39);
    EXPECT_EQ(z.anzahl(), (std::vector<std::uint64_t>{3, 0, 0, 0}));
    EXPECT_EQ(kurz.anteile(), (std::vector<double>{0, 0, 0, 0}));
}

TEST(Blockauswertung, SimulatedSetsHaveExactAndCountedCurvesWithTheirInterleavedTwins) {
    Satzparameter p = mitVorgabe("ge1", 200000);
    KeinFortschritt still;
    const BlockOptionen o{.n = 31, .M = 6, .t = 8, .tiefe = 4, .nMax = 100, .punkte = 7};
    const Blockbericht b = bloeckeErmitteln(p, o, still);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.laengen, (std::vector<std::uint64_t>{15, 29, 43, 58, 72, 86, 100}));
    ASSERT_TRUE(b.exakt && b.exaktVerschachtelt && b.gezaehlt && b.gezaehltVerschachtelt);
    EXPECT_EQ(b.gezaehlt->bloecke, 200000u / 31);
    EXPECT_EQ(b.gezaehltVerschachtelt->bloecke, 200000u / 124 * 4);
    EXPECT_EQ(b.exakt->rest.size(), 7u);
    // Interleaving spreads GE bursts: with t well above the mean 4.5 errors in 100 bits,
    // fewer blocks fail (with t = 1 more would).
    EXPECT_LT(b.exaktVerschachtelt->rest.back(), b.exakt->rest.back());

    p.sim = 0;  // theoretical: nothing to count
    const Blockbericht t = bloeckeErmitteln(p, o, still);
    EXPECT_TRUE(t.exakt && !t.gezaehlt);
}
