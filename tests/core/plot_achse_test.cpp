// Axis cross, tick labels, grid, triangles and arrows at the coordinates their
// formulas give, on the curve documents' geometry.

#include <gtest/gtest.h>

#include "core/plot/achse.h"
#include "plot_hilfen.h"
#include "zeichnungsvorlage.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

// The curve documents' axis cross; scales are set per test.
Achsendaten diagramm(int xskala, char a, int yskala, char b, float xwert, float ywert) {
    return {-7500, -8000, 9500, 5500, -7500, -8000, 230, xskala, a, yskala, b, xwert, ywert};
}

struct Beschriftung {
    std::string text;
    LPunkt ort;
    bool operator==(const Beschriftung&) const = default;
};

std::vector<Beschriftung> beschriftungen(const AufzeichnendeLeinwand& dc, Ausrichtung ausrichtung) {
    std::vector<Beschriftung> aus;
    for (const auto& t : dc.nur(Art::Text))
        if (t.ausrichtung == ausrichtung) aus.push_back({t.text, t.punkte[0]});
    return aus;
}

}  // namespace

// Arrowheads 665 long and 360 wide at the positive ends.
TEST(Achse, CrossWithArrowheadsAtThePositiveEnds) {
    AufzeichnendeLeinwand dc;
    Achse(dc, diagramm(0, 'n', 0, 'n', 0, 0));
    wieVorlage(dc, "achsenkreuz");
}

// Labels in font 230 x 3.7 = 851 (ascent 680): y labels sit 272 below their tick; the
// caller's font comes back.
TEST(Achsenbeschriftung, LinearAxesStartAtTheOriginWithoutLabel) {
    AufzeichnendeLeinwand dc;
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    Achsenbeschriftung(dc, diagramm(1600, 'n', 2500, 'n', 5, 0.2f));
    wieVorlage(dc, "achsen_linear");
    EXPECT_EQ(dc.schrift(), (Schrift{Schriftfamilie::Swiss, 1050}));
}

TEST(Achsenbeschriftung, LogarithmicAxesLabelTheOriginOneDecadeLower) {
    AufzeichnendeLeinwand dc = bildschirmLeinwand();
    Achsenbeschriftung(dc, diagramm(8000, 'l', 2500, 'l', 1.0f, -4.0f));
    std::vector<std::string> texte;
    std::vector<int> orte;
    for (const auto& b : beschriftungen(dc, Ausrichtung::Mitte)) {
        texte.push_back(b.text);
        orte.push_back(b.ort.x);
    }
    EXPECT_EQ(texte, (std::vector<std::string>{"1e+00", "1e+01", "1e+02"}));
    EXPECT_EQ(orte, (std::vector<int>{-7500, 500, 8500}));
    // On a screen-sized window the y labels sit at every tick, the origin's one decade lower.
    const auto y = beschriftungen(dc, Ausrichtung::Rechts);
    ASSERT_EQ(y.size(), 6u);
    EXPECT_EQ(y[0].text, "1e-05");
    EXPECT_EQ(y[5].text, "1e+00");
    EXPECT_NEAR(y[5].ort.y - y[0].ort.y, 5 * 2500, 1);
}

TEST(Achsenbeschriftung, TicksLeftOfTheOriginCountNegative) {
    AufzeichnendeLeinwand dc;
    // Element size 15: labels narrow enough that every tick keeps its own.
    Achsenbeschriftung(dc, {-1000, 0, 1000, 0, 0, 0, 15, 300, 'n', 0, 'l', 0.5f, 1});
    const auto x = beschriftungen(dc, Ausrichtung::Mitte);
    // i starts at -1000 / 300 = -3 (truncated), the last tick lies below 1000 - 52.5.
    ASSERT_EQ(x.size(), 6u);
    EXPECT_EQ(x[0].text, "-1.5");
    EXPECT_EQ(x[0].ort.x, -900);
    EXPECT_EQ(x[2].text, "-0.5");
    EXPECT_EQ(x[3].text, "0.5");
    EXPECT_EQ(x[5].text, "1.5");
    EXPECT_EQ(x[5].ort.x, 900);
    EXPECT_EQ(dc.nur(Art::Linie).size(), 7u);

    dc.leeren();
    Achsenbeschriftung(dc, {-1000, 0, 1000, 0, 0, 0, 15, 300, 'l', 0, 'l', 2.0f, 1});
    EXPECT_EQ(beschriftungen(dc, Ausrichtung::Mitte).front().text, "-1e+04");
    EXPECT_EQ(beschriftungen(dc, Ausrichtung::Mitte)[3].text, "1e+01");
}

// Labels wider than a tick step keep every 2nd, 5th, 10th ... tick, counted from the origin.
TEST(Achsenbeschriftung, ZuBreiteBeschriftungNurAnJedemKtenStrich) {
    struct F {
        int groesse, skala;
        long long schritt;
    } faelle[] = {{100, 300, 5}, {40, 300, 2}, {100, 120, 20}};
    for (const auto& f : faelle) {
        AufzeichnendeLeinwand dc;
        Achsenbeschriftung(dc, {-9000, 0, 9000, 0, 0, 0, f.groesse, f.skala, 'n', 0, 'l', 0.5f, 1});
        const auto x = beschriftungen(dc, Ausrichtung::Mitte);
        ASSERT_GE(x.size(), 2u) << f.groesse;
        for (const auto& b : x) EXPECT_EQ(b.ort.x % (f.schritt * f.skala), 0) << b.text;
        EXPECT_EQ(x[1].ort.x - x[0].ort.x, f.schritt * f.skala) << f.groesse;
    }
}

TEST(Achsenbeschriftung, NonPositiveStepsDrawNothing) {
    AufzeichnendeLeinwand dc;
    Achsenbeschriftung(dc, {-1000, -1000, 1000, 1000, 0, 0, 100, 0, 'n', -10, 'n', 1, 1});
    EXPECT_TRUE(dc.aufrufe().empty());
}

// x: -7500 + 320 k below 8695 (k = 0..50); y: -8000 + 500 k below 4695 (k = 0..25).
TEST(Diagonal, DottedGreyGridFiveLinesPerTick) {
    AufzeichnendeLeinwand dc;
    dc.setzeStift({55, SCHWARZ});
    Diagonal(dc, diagramm(1600, 'n', 2500, 'l', 5, -4));
    wieVorlage(dc, "gitter");
    EXPECT_EQ(dc.stift(), (Stift{55, SCHWARZ}));
}

TEST(Dreieck, CornersFollowDirectionAndOpening) {
    AufzeichnendeLeinwand dc;
    Dreieck(dc, 1000, 2000, 0.7f, 0.9f, 500.5f);
    EXPECT_EQ(dc.aufrufe().at(0).punkte, pkte({{1000, 2000}, {516, 1877}, {796, 1544}}));
}

TEST(Pfeil, ShaftThenHead) {
    AufzeichnendeLeinwand dc;
    Pfeil(dc, -3000, 4000, -2.356f, 0.6f, 2000, 400);
    ASSERT_EQ(dc.aufrufe().size(), 2u);
    EXPECT_EQ(dc.aufrufe()[0].art, Art::Linie);
    EXPECT_EQ(dc.aufrufe()[0].punkte, pkte({{-3000, 4000}, {-1586, 5414}}));
    EXPECT_EQ(dc.aufrufe()[1].art, Art::Polygon);
    EXPECT_EQ(dc.aufrufe()[1].punkte, pkte({{-3000, 4000}, {-2646, 4186}, {-2813, 4353}}));
}
