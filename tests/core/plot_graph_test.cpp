// Curve painting on linear and logarithmic scales, and the colour by model id.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

#include "core/models/zor_state.h"
#include "core/plot/graphpaint.h"
#include "core/plot/plotzahlen.h"
#include "plot_hilfen.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

const Farbtabelle FARBE = startZustand().farbe;

std::vector<STRUCT_PUNKT> kurve(std::initializer_list<STRUCT_PUNKT> p) { return p; }

}  // namespace

struct FarbFall {
    short modell;
    Farbe farbe;
};

class Kurvenfarbe : public ::testing::TestWithParam<FarbFall> {};

TEST_P(Kurvenfarbe, ByModelIdWithWidth70AndCallerPenRestored) {
    AufzeichnendeLeinwand dc;
    dc.setzeStift({55, SCHWARZ});
    const auto pt = kurve({{1, 0.5f}, {2, 0.25f}});
    GraphPaint_LIN(dc, pt, 0, 10, 100, 0, 2, GetParam().modell, FARBE);
    ASSERT_EQ(dc.aufrufe().size(), 1u);
    EXPECT_EQ(dc.aufrufe()[0].stift, (Stift{70, GetParam().farbe}));
    EXPECT_EQ(dc.stift(), (Stift{55, SCHWARZ}));
}

INSTANTIATE_TEST_SUITE_P(Plot, Kurvenfarbe,
                         ::testing::Values(FarbFall{0, {0, 0, 150}}, FarbFall{1, {0, 0, 150}},
                                           FarbFall{5, {0, 0, 150}}, FarbFall{6, {150, 0, 0}},
                                           FarbFall{10, {150, 0, 0}}, FarbFall{12, {0, 0, 250}},
                                           FarbFall{13, {250, 0, 0}}, FarbFall{11, {250, 0, 0}}),
                         [](const auto& fall) { return "Modell" + std::to_string(fall.param.modell); });

TEST(GraphPaint, LinearPlacesPointsByIndex) {
    AufzeichnendeLeinwand dc;
    const auto pt = kurve({{99, 0.0f}, {99, 0.3f}, {99, 1.0f}, {99, 0.9f}});
    GraphPaint_LIN(dc, pt, -7500, 320, 12500, -8000, 3, 1, FARBE);
    EXPECT_EQ(dc.aufrufe().at(0).punkte, pkte({{-7500, -8000}, {-7180, -4250}, {-6860, 4500}}));
}

TEST(GraphPaint, LogarithmicOrdinate) {
    // 1e-5 .. 1 over five decades of 2500 units from -8000.
    const auto L = [](float y) { return logOrdinate(y, 1e-5f, 1.0f, 2500, -8000); };
    EXPECT_EQ(L(0.0f), -8800);        // zero and below the range: 1.1 x yunten
    EXPECT_EQ(L(1e-6f), -8800);
    EXPECT_EQ(L(1e-5f), -8000);
    EXPECT_EQ(L(0.5f), 3747);
    EXPECT_EQ(L(1.0f), 4500);
    EXPECT_EQ(L(1.05f), 4552);         // up to 1.1 x ywertpos still on the scale
    EXPECT_EQ(L(2.0f), 5750);          // above: 1.1 x the full span
    EXPECT_EQ(L(std::numeric_limits<float>::quiet_NaN()), -8800);

    AufzeichnendeLeinwand dc;
    const auto pt = kurve({{0, 1.0f}, {0, 0.0f}, {0, 0.5f}});
    GraphPaint_LOG(dc, pt, -7500, 320, 1e-5f, 1.0f, 2500, -8000, 3, 7, FARBE);
    EXPECT_EQ(dc.aufrufe().at(0).punkte, pkte({{-7500, 4500}, {-7180, -8800}, {-6860, 3747}}));
}

TEST(GraphPaint, LogarithmicAbscissaUsesTheStoredX) {
    const auto pt = kurve({{1, 1.0f}, {2, 0.5f}, {10, 0.2f}, {100, 0.0f}, {0, 0.1f}});
    AufzeichnendeLeinwand dc;
    GraphPaint_LO_LO(dc, pt, -7500, 8000, 1e-5f, 1.0f, 2500, -8000, 4, 1, FARBE);
    EXPECT_EQ(dc.aufrufe().at(0).punkte, pkte({{-7500, 4500}, {-5091, 3747}, {500, 2752}, {8500, -8800}}));
}

TEST(GraphPaint, LinLogAndBoundedPointCount) {
    const auto pt = kurve({{1, 0.0f}, {10, 0.2f}, {100, 0.5f}, {-3, 0.5f}});
    AufzeichnendeLeinwand dc;
    GraphPaint_LI_LO(dc, pt, -7500, 8000, 12500, -8000, 3, 1, FARBE);
    EXPECT_EQ(dc.aufrufe().at(0).punkte, pkte({{-7500, -8000}, {500, -5500}, {8500, -1750}}));

    // More points asked for than the curve has; a non-positive x on a log abscissa.
    dc.leeren();
    GraphPaint_LI_LO(dc, pt, -7500, 8000, 12500, -8000, 1000, 1, FARBE);
    ASSERT_EQ(dc.aufrufe().at(0).punkte.size(), 4u);
    EXPECT_EQ(dc.aufrufe()[0].punkte[3].x, 0);  // log10 of a negative x is NaN
    dc.leeren();
    GraphPaint_LOG(dc, pt, 0, 1, 1e-5f, 1.0f, 2500, -8000, -5, 1, FARBE);
    EXPECT_TRUE(dc.aufrufe().at(0).punkte.empty());
}
