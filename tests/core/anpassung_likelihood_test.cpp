// The likelihoods of the model fit against a plain forward computation over the bits, and
// the gap laws against the curve formulas.

#include "anpassungsfaelle.h"
#include "testnamen.h"

#include "core/anpassung/anpassung.h"
#include "core/anpassung/einzelmodelle.h"
#include "core/anpassung/guete.h"
#include "core/models/fav.h"
#include "core/models/umrechnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace zor;

namespace {

using Matrix = std::vector<std::vector<double>>;

// ln P(bits) under a hidden chain written out bit by bit: state i makes an error with e[i],
// then moves by the rows of nachKorrekt or nachFehler.
double vorwaerts(const std::string& bits, std::vector<double> a, const std::vector<double>& e, const Matrix& nachKorrekt,
                 const Matrix& nachFehler) {
    double ln = 0;
    for (const char c : bits) {
        const bool fehler = c == '1';
        std::vector<double> neu(a.size(), 0.0);
        for (std::size_t i = 0; i < a.size(); ++i)
            for (std::size_t j = 0; j < a.size(); ++j)
                neu[j] += a[i] * (fehler ? e[i] : 1 - e[i]) * (fehler ? nachFehler : nachKorrekt)[i][j];
        double s = 0;
        for (const double v : neu) s += v;
        ln += std::log(s);
        for (std::size_t j = 0; j < a.size(); ++j) a[j] = neu[j] / s;
    }
    return ln;
}

// The same for each model as its generator runs it, from the fit's parameters.
double vorwaerts(Modellart art, const std::vector<double>& t, const std::string& bits) {
    switch (art) {
    case Modellart::BSC: return vorwaerts(bits, {1.0}, {t[0]}, {{1.0}}, {{1.0}});
    case Modellart::GE: {
        const Matrix T{{1 - t[0], t[0]}, {t[1], 1 - t[1]}};
        return vorwaerts(bits, {t[1] / (t[0] + t[1]), t[0] / (t[0] + t[1])}, {t[2], t[3]}, T, T);
    }
    case Modellart::MC: {
        const double g = t[1] * t[3], b = t[0] * t[2];
        return vorwaerts(bits, {g / (g + b), b / (g + b)}, {t[2], t[3]}, {{1, 0}, {0, 1}},
                         {{1 - t[0], t[0]}, {t[1], 1 - t[1]}});
    }
    default: {
        const std::vector<double> c{t[0], t[1], t[2]};
        return vorwaerts(bits, c, {t[3], t[4], t[5]}, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {c, c, c});
    }
    }
}

std::string alsBits(const Abstandsfolge& f) {
    std::string s;
    for (const std::uint32_t g : f.abstaende) s += std::string(g - 1, '0') + '1';
    return s + std::string(f.rest, '0');
}

std::vector<double> werteVon(const Modellanpassung& m) {
    std::vector<double> t;
    for (const Schaetzwert& s : m.parameter) t.push_back(s.wert);
    return t;
}

class LikelihoodBitweise : public ::testing::TestWithParam<Anpassungsfall> {};

// Every fitted model's reported ln L is the probability of exactly these bits, trailing
// correct bits included, whichever model made them.
TEST_P(LikelihoodBitweise, FittedLnLEqualsTheForwardComputationOverTheBits) {
    const Abstandsfolge f = simulieren(GetParam(), 7, 3000);
    ASSERT_GT(f.fehler(), 5u);
    KeinFortschritt kein;
    const Anpassung a = anpassen(f, {}, kein);
    ASSERT_TRUE(a.ok) << a.meldung.text;
    ASSERT_EQ(a.modelle.size(), 4u);
    const std::string bits = alsBits(f);
    for (const Modellanpassung& m : a.modelle) {
        const double erwartet = vorwaerts(m.art, werteVon(m), bits);
        EXPECT_NEAR(m.lnL, erwartet, 1e-9 * std::fabs(erwartet)) << modellname(m.art);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, LikelihoodBitweise, ::testing::ValuesIn(anpassungsfaelle()), testnamen::NachName{});

// Away from any fit: parameters where the powers of long gaps leave the range of doubles
// unless they are rescaled, and a sequence ending in a long run of correct bits.
TEST(Likelihood, LongGapsAndTheTrailingRunAreExact) {
    Abstandsfolge f;
    f.abstaende = {1, 1, 2, 4000, 1, 3, 90000, 2};
    f.rest = 25000;
    for (const std::uint32_t g : f.abstaende) f.bits += g;
    f.bits += f.rest;
    const Abstandswerte w = abstandswerte(f);
    const std::string bits = alsBits(f);
    const Zweiparameter t{0.002, 0.03, 0.0004, 0.45};
    for (const Modellart art : {Modellart::GE, Modellart::MC}) {
        const std::vector<double> v(t.begin(), t.end());
        const double erwartet = vorwaerts(art, v, bits);
        EXPECT_NEAR(zweiLnL(art, t, w, f.rest), erwartet, 1e-9 * std::fabs(erwartet)) << modellname(art);
    }
    const Swparameter s{0.2, 0.5, 0.0001, 0.01, 0.7};
    const double erwartet = vorwaerts(Modellart::SW, {0.2, 0.5, 0.3, 0.0001, 0.01, 0.7}, bits);
    EXPECT_NEAR(swLnL(s, w, f.rest), erwartet, 1e-9 * std::fabs(erwartet));
}

// GE and its MC equivalent give every sequence the same probability: the equivalence the
// ranking relies on holds for the whole sequence, not only for the gap distribution.
TEST(Likelihood, GeAndItsMcEquivalentAgreeOnEverySequence) {
    const auto faelle = anpassungsfaelle();
    const Abstandsfolge f = simulieren(faelle[2], 3, 200000);
    const Abstandswerte w = abstandswerte(f);
    for (const Anpassungsfall& fall : faelle) {
        if (fall.art != Modellart::GE) continue;
        const GE_TO_MC_STRUCT r = Umrechnung(fall.werte.data());
        ASSERT_TRUE(mcModellGueltig(r)) << fall.name;
        const double ge = zweiLnL(Modellart::GE, {fall.werte[gemc::Bad_From_Good], fall.werte[gemc::Good_From_Bad],
                                                  fall.werte[gemc::Good], fall.werte[gemc::Bad]}, w, f.rest);
        const double mc = zweiLnL(Modellart::MC, {r.McBadFromGood, r.McGoodFromBad, r.McGood, r.McBad}, w, f.rest);
        // Umrechnung rounds to single precision.
        EXPECT_NEAR(ge, mc, 1e-5 * std::fabs(ge)) << fall.name;
    }
}

// The gap laws the KS distance uses against the curves' closed formulas.
TEST(Abstandsgesetz, AgreesWithTheTheoryCurves) {
    for (const Anpassungsfall& fall : anpassungsfaelle()) {
        std::array<STRUCT_PUNKT, FAV_PUNKTE> kurve{};
        const float* w = fall.werte.data();
        std::vector<double> t;
        switch (fall.art) {
        case Modellart::BSC: FAV_BSC_THEORIE(w[0], kurve), t = {w[0]}; break;
        case Modellart::GE:
        case Modellart::MC:
            (fall.art == Modellart::GE ? FAV_GE_THEORIE : FAV_MC_THEORIE)(w, kurve);
            t = {w[gemc::Bad_From_Good], w[gemc::Good_From_Bad], w[gemc::Good], w[gemc::Bad]};
            break;
        default:
            FAV_SW_THEORIE(w, kurve);
            t = {w[sw::pZ1], w[sw::pZ2], w[sw::pZ3], w[sw::pFehlerZ1], w[sw::pFehlerZ2], w[sw::pFehlerZ3]};
        }
        const Abstandsgesetz p = abstandsgesetz(fall.art, t);
        for (std::uint64_t k = 1; k <= FAV_PUNKTE; ++k)
            EXPECT_NEAR(p(k), kurve[k - 1].y, 2e-6) << fall.name << " k=" << k;
    }
}

// The KS distance against the largest difference found by trying every k.
TEST(Abstandsgesetz, KsDistanceIsTheLargestDifferenceOverAllK) {
    const Abstandsfolge f = simulieren(anpassungsfaelle()[7], 11, 20000);
    const Abstandswerte w = abstandswerte(f, false);
    const auto modell = [](std::uint64_t k) { return std::pow(0.93, static_cast<double>(k - 1)); };
    double erwartet = 0;
    for (std::uint64_t k = 1; k <= w.werte.back() + 1; ++k) {
        std::size_t mindestens = 0;
        for (const std::uint32_t g : f.abstaende) mindestens += g >= k;
        erwartet = std::max(erwartet, std::fabs(static_cast<double>(mindestens) / static_cast<double>(f.fehler()) - modell(k)));
    }
    EXPECT_DOUBLE_EQ(ksAbstand(w, modell), erwartet);
}

// R(k) of the sequence by the estimator written out over the bits.
TEST(Abstandsgesetz, SequenceCorrelationIsTheGeneralEstimate) {
    const Abstandsfolge f = simulieren(anpassungsfaelle()[2], 5, 5000);
    const std::string bits = alsBits(f);
    const int D = 20;
    const auto R = folgenFkf(f, D);
    for (int k = 0; k <= D; ++k) {
        double s = 0;
        for (std::size_t n = 0; n + D + 1 < bits.size(); ++n) s += (bits[n] == '1') * (bits[n + k] == '1');
        EXPECT_FLOAT_EQ(R[static_cast<std::size_t>(k)].y, static_cast<float>(s / static_cast<double>(bits.size()))) << k;
    }
}

}  // namespace
