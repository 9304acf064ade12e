// What "Konfidenzband anzeigen" adds to the curve documents, on the recording canvas:
// the band behind the sampled curves, the readout with half-widths, the hints, the
// duration's interval and the CSV columns; nothing of it with the option off.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/documents/kurven_csv.h"
#include "core/documents/kurven_malen.h"
#include "core/documents/kurvenband.h"
#include "core/documents/messcursor.h"
#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/util/format.h"
#include "modellzustand.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

const Vorlagenquelle LEER = [](std::string_view) { return std::optional<std::string>("k leer\n"); };
KeinFortschritt still;

// GE set 1 simulated over n bits, set 2 the GE theory of the same parameters.
ZorState simUndTheorie(std::uint64_t n, int band = 1) {
    ZorState s = mit(GE1, GE2, 1, 0);
    s.GEWert2 = s.GEWert1;
    durchlaeufeSetzen(s, Modellart::GE, 0, n);
    s.FAV_band = s.FKF_band = band;
    s.FKF.ordinate = 1;
    EXPECT_TRUE(FAV_Ermitteln(s, still));
    EXPECT_TRUE(FKF_Ermitteln(s, still));
    return s;
}

std::vector<Zeichenaufruf> polygone(const AufzeichnendeLeinwand& dc) { return dc.nur(Art::Polygon); }

bool hatText(const AufzeichnendeLeinwand& dc, const std::string& t) {
    for (const auto& a : dc.nur(Art::Text))
        if (a.text == t) return true;
    return false;
}

}  // namespace

// The band is one polygon per sampled set, light, before anything else: along the upper
// ends and back along the lower ones, where a linear ordinate puts R = 0 at -8000.
TEST(BandMalen, OnePolygonPerSampledSetBehindEverything) {
    const ZorState s = simUndTheorie(100000);
    AufzeichnendeLeinwand dc;
    FKF_Paint(dc, s, LEER, 0);
    const auto p = polygone(dc);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].pinsel, (Farbe{191, 191, 228}));  // dark blue (0, 0, 150) mostly white
    const std::size_t n = static_cast<std::size_t>(s.FKF_defbereich) + 1;
    ASSERT_EQ(p[0].punkte.size(), 2 * n);
    const Konfidenz& k = s.konfidenzFKF1;
    for (std::size_t i : {std::size_t{0}, std::size_t{1}, n - 1}) {
        const float y = s.ptFKF1[i].y, h = k.band.halb[i];
        const int x = static_cast<int>(-7500 + static_cast<long>(i) * s.FKF_xnorm);
        EXPECT_EQ(p[0].punkte[i], (LPunkt{x, static_cast<int>(12500 * std::min(y + h, 1.0f) - 8000)})) << i;
        EXPECT_EQ(p[0].punkte[2 * n - 1 - i], (LPunkt{x, static_cast<int>(12500 * std::max(y - h, 0.0f) - 8000)})) << i;
    }
    // Drawn first: before the grid's first line.
    const auto& alle = dc.aufrufe();
    const auto erstesPolygon = std::find_if(alle.begin(), alle.end(), [](const auto& a) { return a.art == Art::Polygon; });
    const auto ersteLinie = std::find_if(alle.begin(), alle.end(), [](const auto& a) { return a.art == Art::Linie; });
    EXPECT_LT(erstesPolygon - alle.begin(), ersteLinie - alle.begin());

    ZorState aus = s;
    aus.FKF_band = 0;
    AufzeichnendeLeinwand ohne;
    FKF_Paint(ohne, aus, LEER, 0);
    EXPECT_TRUE(polygone(ohne).empty());
    for (const auto& t : ohne.texte()) EXPECT_EQ(t.find("Band"), std::string::npos) << t;
}

TEST(BandMalen, HintsNameTheLengthAndCountTheTheoryInsideTheBand) {
    ZorState s = simUndTheorie(10000);
    AufzeichnendeLeinwand dc;
    FKF_Paint(dc, s, LEER, 0);
    const std::size_t n = static_cast<std::size_t>(s.FKF_defbereich) + 1;
    int drin = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const float y = s.ptFKF1[i].y, h = s.konfidenzFKF1.band.halb[i];
        drin += std::max(y - h, 0.0f) <= s.ptFKF2[i].y && s.ptFKF2[i].y <= std::min(y + h, 1.0f);
    }
    EXPECT_TRUE(hatText(dc, "Theorie im Band: " + std::to_string(drin) + " von " + std::to_string(n) + " Punkten"));
    const auto noetig = noetigeLaenge(s.konfidenzFKF1, KurveLesen(s.ptFKF1).first(n), 1);
    ASSERT_TRUE(noetig);  // 10000 bits give R(1) from a few dozen error pairs
    EXPECT_GT(*noetig, 10000u);
    EXPECT_TRUE(hatText(dc, folgeZuKurz(noetig)));
    // A theory of other parameters is no reference.
    s.GEWert2[gemc::Bad] = 0.3f;
    AufzeichnendeLeinwand anders;
    FKF_Paint(anders, s, LEER, 0);
    for (const auto& t : anders.texte()) EXPECT_EQ(t.rfind("Theorie im Band", 0), std::string::npos) << t;
}

TEST(BandCursor, ReadoutGivesTheHalfWidthOfASampledCurveOnly) {
    const ZorState s = simUndTheorie(100000);
    const CursorKurven k = fkfCursorKurven(s, {1, 1});
    AufzeichnendeLeinwand dc;
    Markierung(dc, fkfCursorGeometrie(s), k, 3);
    EXPECT_TRUE(hatText(dc, mitHalbbreite(s.ptFKF1[3].y, s.konfidenzFKF1.band.halb[3])));
    EXPECT_TRUE(hatText(dc, format("%.5g", static_cast<double>(s.ptFKF2[3].y))));  // the theory as ever
    AufzeichnendeLeinwand papier;
    Cursor_drucken(papier, 0, -8000, 5500, 1, 0, s.ptFKF1[3], {}, halbbreiteBei(k.b1, 3));
    EXPECT_TRUE(hatText(papier, mitHalbbreite(s.ptFKF1[3].y, s.konfidenzFKF1.band.halb[3])));
}

TEST(BandDauer, LabelShowsTheIntervalOrWhyThereIsNone) {
    ZorState s = simUndTheorie(1000000);
    const Konfidenz& k = s.konfidenzFKF1;
    ASSERT_GT(s.DK1, 0.0f);
    AufzeichnendeLeinwand dc;
    DK_Beschriftung(dc, s);
    EXPECT_TRUE(hatText(dc, format("= %.1f (95 %%: %.1f – %.1f)", s.DK1, k.dauerUnten, k.dauerOben)));
    s.Modell.M1 = BSC1;  // a memoryless channel: no duration, and the note why
    durchlaeufeSetzen(s, Modellart::BSC, 0, 100000);
    s.FKF.ermittelt1 = 0;
    EXPECT_TRUE(FKF_Ermitteln(s, still));
    AufzeichnendeLeinwand bsc;
    DK_Beschriftung(bsc, s);
    EXPECT_TRUE(hatText(bsc, "= 0.0 (keine abklingende Korrelation)"));
}

TEST(BandCsv, FourMoreColumnsWithTheBandsEnds) {
    const ZorState s = simUndTheorie(100000);
    const std::string csv = FKF_Csv(s);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "k,Satz 1,Satz 2,Satz 1 unten,Satz 1 oben,Satz 2 unten,Satz 2 oben");
    const std::string zeile0 = csv.substr(csv.find('\n') + 1, csv.find('\n', csv.find('\n') + 1) - csv.find('\n') - 1);
    const float y = s.ptFKF1[0].y, h = s.konfidenzFKF1.band.halb[0];
    EXPECT_EQ(zeile0, "0," + kurvenzahl(y) + "," + kurvenzahl(s.ptFKF2[0].y) + "," + kurvenzahl(y - h) + "," +
                          kurvenzahl(y + h) + ",,");
    ZorState aus = s;
    aus.FKF_band = 0;
    EXPECT_EQ(FKF_Csv(aus).substr(0, 16), "k,Satz 1,Satz 2\n");
}
