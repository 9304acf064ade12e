// The measurement cursor: the key table with its ties and bounds, the mouse bounds of
// both documents, and the readout's texts, places and colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/documents/kurven_malen.h"
#include "core/documents/messcursor.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "modellzustand.h"
#include "plot_hilfen.h"
#include "testnamen.h"
#include "zeichnungsvorlage.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

// Five points with exact ties: set 1 peaks at 1 and 2 and sinks at 3 and 4; set 2
// peaks at 1 only and sinks at 0 and 4; the absolute difference is 0.25 at 0, 2 and 3
// and 0 at 1 and 4.
const std::array<STRUCT_PUNKT, 5> EINS{{{0, 0.5f}, {1, 0.75f}, {2, 0.75f}, {3, 0.25f}, {4, 0.25f}}};
const std::array<STRUCT_PUNKT, 5> ZWEI{{{0, 0.25f}, {1, 0.75f}, {2, 0.5f}, {3, 0.5f}, {4, 0.25f}}};

CursorKurven kurven(int G1, int G2) { return {EINS, ZWEI, G1, G2}; }

}  // namespace

struct TastenFall {
    std::string name;
    Cursortaste taste;
    int xpos;
    int G1, G2;
    int rechtsBis;
    int erwartet;
};

class Tasten : public testing::TestWithParam<TastenFall> {};

TEST_P(Tasten, NeuePosition) {
    const auto& f = GetParam();
    EXPECT_EQ(cursorTaste(f.taste, f.xpos, 5, f.rechtsBis, kurven(f.G1, f.G2)), f.erwartet);
}

using T = Cursortaste;
INSTANTIATE_TEST_SUITE_P(
    Tabelle, Tasten,
    testing::Values(TastenFall{"BildAufEinzelnSpaetererGewinnt", T::BildAuf, 0, 1, 0, 4, 2},
                    TastenFall{"BildAufEinzelnNurAbPosition", T::BildAuf, 3, 1, 0, 4, 4},
                    TastenFall{"BildAufNurSatz2", T::BildAuf, 0, 0, 1, 4, 1},
                    TastenFall{"BildAufBeideGroessteDifferenzSpaeter", T::BildAuf, 4, 1, 1, 4, 3},
                    TastenFall{"BildAbEinzelnSpaetererGewinnt", T::BildAb, 0, 1, 0, 4, 4},
                    TastenFall{"BildAbNurSatz2SpaetererGewinnt", T::BildAb, 0, 0, 1, 4, 4},
                    TastenFall{"BildAufNurSatz2AbPositionSpaeter", T::BildAuf, 2, 0, 1, 4, 3},
                    TastenFall{"BildAbBeideKleinsteDifferenzSpaeter", T::BildAb, 0, 1, 1, 4, 4},
                    TastenFall{"BildAufOhneKurveBleibt", T::BildAuf, 2, 0, 0, 4, 2},
                    TastenFall{"EndeLetzterPunkt", T::Ende, 1, 1, 1, 4, 4},
                    TastenFall{"Pos1", T::Pos1, 3, 1, 1, 4, 0},
                    TastenFall{"LinksBeiNullBleibt", T::Links, 0, 1, 0, 4, 0},
                    TastenFall{"Links", T::Links, 3, 1, 0, 4, 2},
                    TastenFall{"RechtsAmEndeBleibt", T::Rechts, 4, 1, 0, 4, 4},
                    TastenFall{"RechtsBisDReichtUeberEnde", T::Rechts, 4, 1, 0, 5, 5}),
    testnamen::NachName{});

TEST(CursorTasten, BildAbBeiGleichenKurvenWaehltLetzteMessstelle) {
    EXPECT_EQ(cursorTaste(T::BildAb, 0, 5, 5, {EINS, EINS, 1, 1}), 4);
}

TEST(CursorTasten, ExtremaBleibenInnerhalbDerKurve) {
    // d larger than the curves: the search stops at their end instead of reading past it.
    EXPECT_EQ(cursorTaste(T::BildAuf, 0, 50, 50, {std::span(EINS).first(3), {}, 1, 0}), 2);
}

TEST(CursorMaus, FavGrenzen) {
    ZorState s = startZustand();  // 50 points, 320 units each; point 0 begins at -7180
    EXPECT_FALSE(favMausPosition(-7180, s));
    EXPECT_EQ(favMausPosition(-7179, s), 0);
    EXPECT_EQ(favMausPosition(-7180 + 320 * 7 + 5, s), 7);
    EXPECT_EQ(favMausPosition(-7180 + 320 * 50 - 1, s), 49);
    EXPECT_FALSE(favMausPosition(-7180 + 320 * 50, s));
}

TEST(CursorMaus, FkfGrenzenBleibenBeiD) {
    ZorState s = startZustand();
    s.FKF_defbereich = 50;
    s.FKF_xnorm = 320;
    EXPECT_FALSE(fkfMausPosition(-7500, s));
    EXPECT_EQ(fkfMausPosition(-7499, s), 0);
    EXPECT_EQ(fkfMausPosition(-7500 + 320 * 3 + 1, s), 3);
    EXPECT_EQ(fkfMausPosition(-7500 + 320 * 50, s), 50);
    EXPECT_EQ(fkfMausPosition(321 * 50 - 7501, s), 50);
    EXPECT_FALSE(fkfMausPosition(321 * 50 - 7500, s));
    // With a step much smaller than 16000 / D the bound reaches past lag D.
    s.FKF_xnorm = 20;
    EXPECT_EQ(fkfMausPosition(21 * 50 - 7501, s), 50);
}

namespace {

// The recording canvas's descent at height 1050 is 210: texts anchored at their bottom
// have their baseline that far up.
constexpr int UNTERLAENGE = 210;

}  // namespace

// The readout as drawn: both curves with their difference (set 1 blue, set 2 red), set 2
// alone in the first line, and the smaller printed readout.
TEST(CursorAnzeige, WieVorlage) {
    AufzeichnendeLeinwand beide = bildschirmLeinwand(), satz2 = bildschirmLeinwand(), gedruckt;
    Cursor_Beschriftung(beide, kurven(1, 1));
    Markierung(beide, {-7180, -8000, 5500, 320}, kurven(1, 1), 3);
    wieVorlage(beide, "cursor_beide");
    Cursor_Beschriftung(satz2, kurven(0, 1));
    Markierung(satz2, {-7500, -8000, 5500, 321}, kurven(0, 1), 2);
    wieVorlage(satz2, "cursor_satz2");
    Cursor_drucken(gedruckt, 1234.7f, -8000, 5500, 1, 0, EINS[2], ZWEI[2]);
    wieVorlage(gedruckt, "cursor_gedruckt");
    EXPECT_EQ(gedruckt.schrift().hoehe, 1050) << "the screen height is restored";
}

TEST(CursorAnzeige, PositionHinterDerKurveZeigtNurDieLinie) {
    AufzeichnendeLeinwand dc;
    Markierung(dc, {-7500, -8000, 5500, 321}, kurven(1, 1), 5);  // one past the last point
    EXPECT_TRUE(dc.nur(Art::Text).empty());
    EXPECT_EQ(dc.nur(Art::InvertierteLinie).size(), 1u);
}

TEST(CursorAnzeige, BereicheDeckenLinieUndWerte) {
    AufzeichnendeLeinwand dc;
    const CursorGeometrie g{-7180, -8000, 5500, 320};
    Markierung(dc, g, kurven(1, 1), 1);
    const auto bereiche = Markierung_Bereiche(dc, g, kurven(1, 1), 1);
    const auto innen = [&](LPunkt p) {
        for (const auto& r : bereiche)
            if (r.links <= p.x && p.x <= r.rechts && r.unten <= p.y && p.y <= r.oben) return true;
        return false;
    };
    const auto linie = dc.nur(Art::InvertierteLinie)[0];
    EXPECT_TRUE(innen(linie.punkte[0]) && innen(linie.punkte[1]));
    for (const auto& a : dc.nur(Art::Text)) {
        const Textmass m = AufzeichnendeLeinwand::mass(a.schrift, a.text);
        const LPunkt p = a.punkte[0];
        // Both ends of the text's cell, from its bottom to its top.
        EXPECT_TRUE(innen({p.x, p.y - UNTERLAENGE}) && innen({p.x + m.breite, p.y - UNTERLAENGE + m.hoehe})) << a.text;
    }
}

// On screen as on paper the line stands on the point it reads, also at the last lag.
TEST(CursorAnzeige, FkfLinieStehtAufDemLetztenPunkt) {
    ZorState s = startZustand();
    s.FKF_defbereich = 100;
    s.FKF_xnorm = 16000 / 100;
    AufzeichnendeLeinwand dc;
    Markierung(dc, fkfCursorGeometrie(s), kurven(1, 0), 100);
    EXPECT_EQ(dc.nur(Art::InvertierteLinie)[0].punkte[0].x, 100 * 160 - 7500);
}

// Four stacked windows leave the readout no room for its rows: it stands on one line
// below the plot area's top, in order, and values with a band's half-width still end
// before the next label.
TEST(CursorAnzeige, FlachesFensterEineZeile) {
    Kurvenband band;
    band.halb.fill(0.0123f);
    const CursorKurven k{EINS, ZWEI, 1, 1, &band, &band};
    for (const auto& [breite, hoehe] : {std::pair{1590, 150}, {795, 72}}) {
        AufzeichnendeLeinwand dc;
        dc.setzeGeraet(Abbildung::fenstereigenschaften(breite, hoehe));
        dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
        Cursor_Beschriftung(dc, k);
        Markierung(dc, {-7180, -8000, 5500, 320}, k, 3);
        std::vector<LRechteck> kaesten;
        for (const auto& t : dc.nur(Art::Text)) kaesten.push_back(dc.kasten(t));
        ASSERT_EQ(kaesten.size(), 7u) << breite;
        std::sort(kaesten.begin(), kaesten.end(), [](const auto& a, const auto& b) { return a.links < b.links; });
        for (std::size_t i = 0; i < kaesten.size(); ++i) {
            EXPECT_EQ(kaesten[i].unten, kaesten[0].unten) << breite << " text " << i;
            EXPECT_LE(kaesten[i].oben, 5500) << breite << " text " << i;
            EXPECT_LE(kaesten[i].rechts, 9500) << breite << " text " << i;
            if (i > 0) {
                EXPECT_LT(kaesten[i - 1].rechts, kaesten[i].links) << breite << " text " << i;
            }
        }
        EXPECT_EQ(Cursor_Unterkante(dc), kaesten[0].unten) << "the duration labels go below the line";
    }
}
