// The cursor of the free-scale diagrams: where a mouse position snaps on linear and log
// axes, where the line lands, what the readout says for sets with and without a point
// there, the keys over both curves' places, and the cursor in the burst picture.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/documents/buendel_einstellungen.h"
#include "core/documents/diagrammcursor.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "testnamen.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

// 16000 units: four per 4000 on the linear axis, two decades of 8000 on the log one.
const Skala LINEAR = Skala::linear(4, 16000);
const Skala LOG = Skala::logarithmisch(1, 100, 16000);
const Skala Y = Skala::linear(1, 12500);

const std::vector<Wertpunkt> EINS{{1, 0.5}, {2, 0.25}, {4, 0.125}};
const std::vector<Wertpunkt> ZWEI{{1, 0.75}, {2, 0.5}, {3, 0.375}};

struct Fall {
    std::string name;
    Skala x;
    Satzkurven kurven;
    double maus;  // logical x
    double stelle;
    int linie;
    std::vector<std::string> werte;  // abscissa, the shown sets, the difference
};

std::vector<std::string> texte(const AufzeichnendeLeinwand& dc) {
    std::vector<std::string> t;
    for (const auto& a : dc.nur(Art::Text)) t.push_back(a.text);
    return t;
}

}  // namespace

class Diagrammcursor : public testing::TestWithParam<Fall> {};

TEST_P(Diagrammcursor, SchnapptEinUndLiest) {
    const Fall& f = GetParam();
    const Cursorbild bild{{f.x, Y}, f.kurven};
    const auto stelle = bild.unterMaus(f.maus);
    ASSERT_TRUE(stelle);
    EXPECT_EQ(*stelle, f.stelle);
    AufzeichnendeLeinwand dc;
    bild.malen(dc, *stelle, 0);
    const auto linie = dc.nur(Art::InvertierteLinie);
    ASSERT_EQ(linie.size(), 1u);
    EXPECT_EQ(linie[0].punkte[0], (LPunkt{f.linie, DIAGRAMM_Y0}));
    EXPECT_EQ(linie[0].punkte[1], (LPunkt{f.linie, DIAGRAMM_YENDE}));
    // The labels come first, then the values.
    const auto t = texte(dc);
    const std::size_t beschriftungen = f.werte.size() == 4 ? 3 : 2;
    ASSERT_EQ(t.size(), beschriftungen + f.werte.size());
    EXPECT_EQ(std::vector<std::string>(t.begin() + static_cast<std::ptrdiff_t>(beschriftungen), t.end()), f.werte);
}

// Hand-computed: linear x = -7500 + 4000 k; log x = -7500 + 8000 log10(k), truncated.
INSTANTIATE_TEST_SUITE_P(
    Tabelle, Diagrammcursor,
    testing::Values(
        Fall{"LinearAufDemPunkt", LINEAR, {EINS, ZWEI}, 500, 2, 500, {"2", "0.25", "0.5", "-0.25"}},
        // 2.9 lies nearer to 3 than to 2 on either axis, but 3 is set 2's alone.
        Fall{"LinearNurSatz2HatDieStelle", LINEAR, {EINS, ZWEI}, 4100, 3, 4500, {"3", "–", "0.375", "–"}},
        // Between 2 and 4 of set 1 alone: on the linear axis 2.9 is nearer to 2 ...
        Fall{"LinearZwischenZweiUndVier", LINEAR, {EINS, std::nullopt}, 4100, 2, 500, {"2", "0.25"}},
        // ... on the log axis nearer to 4 (the boundary is sqrt(8) = 2.83).
        Fall{"LogZwischenZweiUndVier", LOG, {EINS, std::nullopt}, -7500 + 3699, 4, -2683, {"4", "0.125"}},
        Fall{"LogErsterPunkt", LOG, {EINS, ZWEI}, -7400, 1, -7500, {"1", "0.5", "0.75", "-0.25"}},
        Fall{"Satz2OhneKurve", LOG, {EINS, std::vector<Wertpunkt>{}}, 500, 4, -2683, {"4", "0.125", "–", "–"}},
        Fall{"NurSatz2Gezeigt", LINEAR, {std::nullopt, ZWEI}, 9500, 3, 4500, {"3", "0.375"}}),
    testnamen::NachName{});

TEST(DiagrammcursorMaus, AusserhalbDerFlaecheOderOhneKurvenNichts) {
    const Cursorbild bild{{LINEAR, Y}, {EINS, ZWEI}};
    EXPECT_FALSE(bild.unterMaus(DIAGRAMM_X0 - 1));
    EXPECT_FALSE(bild.unterMaus(DIAGRAMM_XENDE + 1));
    const Cursorbild leer{{LINEAR, Y}, {std::vector<Wertpunkt>{}, std::nullopt}};
    EXPECT_FALSE(leer.unterMaus(0));
    AufzeichnendeLeinwand dc;
    leer.malen(dc, 2, 0);
    EXPECT_TRUE(dc.aufrufe().empty());
}

TEST(DiagrammcursorAnzeige, WeichtSteigendenKurvenNachUntenAus) {
    const std::vector<Wertpunkt> steigend{{1, 0.1}, {3, 0.9}, {4, 0.95}};
    for (const bool fallend : {true, false}) {
        const Cursorbild bild{{LINEAR, Y}, {fallend ? EINS : steigend, std::nullopt}};
        AufzeichnendeLeinwand dc;
        bild.malen(dc, 1, 0);
        const int y = dc.nur(Art::Text).front().punkte[0].y;  // "Abszisse:"
        EXPECT_EQ(y > DIAGRAMM_Y0 + 12500 / 2, fallend) << y;
    }
}

TEST(DiagrammcursorTasten, LaufenUeberDieStellenBeiderKurven) {
    const Cursorbild bild{{LINEAR, Y}, {EINS, ZWEI}};  // places 1, 2, 3, 4
    using T = Cursortaste;
    EXPECT_EQ(bild.nachTaste(T::Rechts, 2), 3);
    EXPECT_EQ(bild.nachTaste(T::Rechts, 4), 4);
    EXPECT_EQ(bild.nachTaste(T::Links, 1), 1);
    EXPECT_EQ(bild.nachTaste(T::Links, 3.2), 2);  // from the place it stands on
    EXPECT_EQ(bild.nachTaste(T::Pos1, 3), 1);
    EXPECT_EQ(bild.nachTaste(T::Ende, 1), 4);
    // A place beyond the axis is not offered.
    const Cursorbild kurz{{Skala::linear(2, 16000), Y}, {EINS, ZWEI}};
    EXPECT_EQ(kurz.nachTaste(T::Ende, 1), 2);
}

TEST(DiagrammcursorBild, AufDemBildschirmUndAufPapier) {
    // Lengths 1, 1, 2 counted for set 1: P(L >= k) = 1, 1/3 over k = 1, 2.
    Buendeldaten d;
    Buendelbericht b;
    b.gezaehlt = true;
    b.statistik.laenge = Verteilung(2);
    for (const std::uint64_t l : {1u, 1u, 2u}) b.statistik.laenge.zaehlen(l);
    d.buendel = {b, std::nullopt};
    Buendeleinstellungen e;
    e.yLog = false;
    e.buendel.punkte = 2;
    e.cursor = true;
    e.cursorX = 1.7;  // snaps to 2
    const ZorState s = startZustand();
    AufzeichnendeLeinwand dc;
    buendelMalen(dc, s, e, d, 0);
    const auto linie = dc.nur(Art::InvertierteLinie);
    ASSERT_EQ(linie.size(), 1u);
    EXPECT_EQ(linie[0].punkte[0].x, 8500);  // k = 2 at the end of a 0 .. 2 axis
    const auto t = dc.texte();
    EXPECT_EQ(t.back(), "0.33333");
    AufzeichnendeLeinwand papier;
    buendelMalen(papier, s, e, d, 1);
    EXPECT_EQ(papier.nur(Art::Text).back().schrift.hoehe, CURSOR_SCHRIFTHOEHE_DRUCK);
    e.cursor = false;
    AufzeichnendeLeinwand ohne;
    buendelMalen(ohne, s, e, d, 0);
    EXPECT_TRUE(ohne.nur(Art::InvertierteLinie).empty());
}
