// The two curve documents on the recording canvas: where the curves of each axis mode
// land, tick steps, which sets draw, the paper colours, the correlation-duration
// markers and the printed cursor.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/documents/kurven_malen.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/graphpaint.h"
#include "core/util/format.h"
#include "modellzustand.h"
#include "plot_hilfen.h"
#include "testnamen.h"
#include "zeichnungsvorlage.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

// An empty template: the static layer adds nothing, so every call is the painting's own.
const Vorlagenquelle LEER = [](std::string_view) { return std::optional<std::string>("k leer\n"); };
constexpr Farbe GRUEN{0, 150, 0};

// GE theory in set 1, BSC theory in set 2, computed as the documents compute them.
ZorState mitKurven(int d = 100, int m2 = BSC2) {
    ZorState s = mit(GE1, m2, 0, 0);
    s.FAV_defbereich = d;
    s.FKF_defbereich = d;
    s.FKF_xnorm = 16000 / d;
    KeinFortschritt still;
    EXPECT_TRUE(FAV_Ermitteln(s, still));
    EXPECT_TRUE(FKF_Ermitteln(s, still));
    return s;
}

std::vector<Zeichenaufruf> kurven(const AufzeichnendeLeinwand& dc) {
    std::vector<Zeichenaufruf> k;
    for (const auto& a : dc.nur(Art::Polylinie))
        if (a.stift.breite == 70) k.push_back(a);
    return k;
}

std::vector<Zeichenaufruf> dkLinien(const AufzeichnendeLeinwand& dc) {
    std::vector<Zeichenaufruf> l;
    for (const auto& a : dc.nur(Art::Linie))
        if (a.stift.farbe == GRUEN) l.push_back(a);
    return l;
}

// The anchor of the first text equal to t, or nothing.
std::optional<LPunkt> textBei(const AufzeichnendeLeinwand& dc, const std::string& t) {
    for (const auto& a : dc.nur(Art::Text))
        if (a.text == t) return a.punkte.at(0);
    return std::nullopt;
}

int linY(float y) { return static_cast<int>(12500 * y - 8000); }
int logY(const ZorState& s, float y) { return logOrdinate(y, s.FAV_wertneg, s.FAV_wertpos, s.FAV_ynorm_log, -8000); }

}  // namespace

struct FavAchsenFall {
    std::string name;
    int abszisse, ordinate;
    int xK1, xK10, xK100;     // where k = 1, 10, 100 are drawn
    const char* achsentext;   // a label only this mode's axes carry
    int achsentextX;
};

class FavAchsen : public testing::TestWithParam<FavAchsenFall> {};

TEST_P(FavAchsen, KurvenpunkteUndBeschriftung) {
    const auto& f = GetParam();
    ZorState s = mitKurven();
    s.FAV_abszisse = f.abszisse;
    s.FAV.ordinate = f.ordinate;
    AufzeichnendeLeinwand dc = bildschirmLeinwand();
    const Gezeichnet g = FAV_Paint(dc, s, LEER, 0);
    EXPECT_EQ(g, (Gezeichnet{1, 1}));
    const auto k = kurven(dc);
    ASSERT_EQ(k.size(), 2u);
    for (int satz = 0; satz < 2; ++satz) {
        const auto& kurve = satz == 0 ? s.ptFAV1 : s.ptFAV2;
        const auto& p = k[static_cast<std::size_t>(satz)].punkte;
        ASSERT_EQ(p.size(), 100u);
        EXPECT_EQ(p[0].x, f.xK1);
        EXPECT_EQ(p[9].x, f.xK10);
        EXPECT_EQ(p[99].x, f.xK100);
        for (std::size_t i = 0; i < p.size(); ++i)
            EXPECT_EQ(p[i].y, f.ordinate ? linY(kurve[i].y) : logY(s, kurve[i].y)) << "k = " << i + 1;
    }
    const auto t = textBei(dc, f.achsentext);
    ASSERT_TRUE(t) << f.achsentext;
    EXPECT_EQ(t->x, f.achsentextX);
}

// Linear abscissa: k at k x 320 - 7500; 100 points tick every 10 (label "10" at -4300).
// Ordinate labels stand right-aligned left of the axis, at -7500 - 1.5 x 230.
INSTANTIATE_TEST_SUITE_P(
    Modi, FavAchsen,
    testing::Values(FavAchsenFall{"LinearLogarithmisch", 1, 0, -7180, -4300, 24500, "10", -4300},
                    FavAchsenFall{"LinearLinear", 1, 1, -7180, -4300, 24500, "0.2", -7845},
                    FavAchsenFall{"LogarithmischLinear", 0, 1, -7500, 500, 8500, "1e+01", 500},
                    FavAchsenFall{"LogarithmischLogarithmisch", 0, 0, -7500, 500, 8500, "1e+02", 8500}),
    testnamen::NachName{});

TEST(FavPaint, PunktwahrscheinlichkeitenNachModellAB) {
    ZorState s = mitKurven(50);
    s.Modell.AB = 1;
    s.FAV_abszisse = 1;
    s.FAV.ordinate = 1;
    AufzeichnendeLeinwand dc;
    FAV_Paint(dc, s, LEER, 0);
    const auto k = kurven(dc);
    ASSERT_EQ(k.size(), 2u);
    // p(a = k) = P(a >= k) - P(a >= k + 1), derived by the painting itself.
    EXPECT_EQ(k[0].punkte[3].y, linY(s.ptFAV1[3].y - s.ptFAV1[4].y));
    EXPECT_EQ(k[0].punkte[49].y, k[0].punkte[48].y);
}

struct Teilung {
    std::string name;
    bool fav;
    int d;
    bool fuenf;  // ticks every 5 points
};

class Tickschritt : public testing::TestWithParam<Teilung> {};

TEST_P(Tickschritt, FuenfBisSechzigSonstZehn) {
    const auto& f = GetParam();
    ZorState s = mitKurven(f.d);
    s.FAV_abszisse = 1;
    AufzeichnendeLeinwand dc = bildschirmLeinwand();
    if (f.fav)
        FAV_Paint(dc, s, LEER, 0);
    else
        FKF_Paint(dc, s, LEER, 0);
    const int xnorm = f.fav ? s.FAV_xnorm : s.FKF_xnorm;
    EXPECT_EQ(textBei(dc, "5").has_value(), f.fuenf);
    const auto zehn = textBei(dc, "10");
    ASSERT_TRUE(zehn);
    EXPECT_EQ(zehn->x, -7500 + 10 * xnorm);
}

INSTANTIATE_TEST_SUITE_P(Grenze, Tickschritt,
                         testing::Values(Teilung{"Fav60", true, 60, true}, Teilung{"Fav61", true, 61, false},
                                         Teilung{"Fkf60", false, 60, true}, Teilung{"Fkf61", false, 61, false}),
                         testnamen::NachName{});

TEST(FkfPaint, KurvenpunkteSindDieWerteDerKurve) {
    for (int linear : {0, 1}) {
        ZorState s = mitKurven(40);
        s.FKF.ordinate = linear;
        AufzeichnendeLeinwand dc;
        EXPECT_EQ(FKF_Paint(dc, s, LEER, 0), (Gezeichnet{1, 1}));
        const auto k = kurven(dc);
        ASSERT_EQ(k.size(), 2u);
        const auto& p = k[1].punkte;
        ASSERT_EQ(p.size(), 41u);  // lags 0..D
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_EQ(p[i].x, -7500 + static_cast<int>(i) * 400);
            const float y = s.ptFKF2[i].y;
            EXPECT_EQ(p[i].y, linear ? linY(y) : logOrdinate(y, s.FKF_wertneg, s.FKF_wertpos, s.FKF_ynorm_log, -8000));
        }
        // The markers lie above the curves only where the curves start at the top.
        EXPECT_EQ(dkLinien(dc).size(), linear ? 4u : 2u);
    }
}

TEST(KurvenPaint, SatzOhneModellZeichnetNichts) {
    ZorState s = mitKurven(50, INAKTIV);
    AufzeichnendeLeinwand fav, fkf;
    EXPECT_EQ(FAV_Paint(fav, s, LEER, 0), (Gezeichnet{1, 0}));
    EXPECT_EQ(FKF_Paint(fkf, s, LEER, 0), (Gezeichnet{1, 0}));
    EXPECT_EQ(kurven(fav).size(), 1u);
    EXPECT_EQ(kurven(fkf).size(), 1u);
    EXPECT_EQ(dkLinien(fkf).size(), 1u);
    for (const auto& k : kurven(fkf)) EXPECT_EQ(k.stift.farbe, farbeAus(s.farbe[0]));
}

TEST(KurvenPaint, PapierfarbenBlauUndRot) {
    ZorState s = mitKurven(50);
    for (int drucken : {0, 1}) {
        AufzeichnendeLeinwand fav, fkf;
        FAV_Paint(fav, s, LEER, drucken);
        FKF_Paint(fkf, s, LEER, drucken);
        for (const auto* dc : {&fav, &fkf}) {
            const auto k = kurven(*dc);
            ASSERT_EQ(k.size(), 2u);
            EXPECT_EQ(k[0].stift.farbe, farbeAus(s.farbe[drucken ? 4 : 0]));
            EXPECT_EQ(k[1].stift.farbe, farbeAus(s.farbe[drucken ? 5 : 1]));
        }
    }
}

TEST(KurvenPaint, GedruckterCursorNurAufPapierUndNurMitCursor) {
    ZorState s = mitKurven(50);
    s.FAV_xpos = 4;
    s.FKF_xpos = 4;
    for (int cursor : {0, 1})
        for (int drucken : {0, 1}) {
            s.Cursor.FAV = s.Cursor.FKF = cursor;
            AufzeichnendeLeinwand fav = bildschirmLeinwand(), fkf = bildschirmLeinwand();
            FAV_Paint(fav, s, LEER, drucken);
            FKF_Paint(fkf, s, LEER, drucken);
            const auto lf = fav.nur(Art::InvertierteLinie), lk = fkf.nur(Art::InvertierteLinie);
            if (!(cursor && drucken)) {
                EXPECT_TRUE(lf.empty() && lk.empty());
                continue;
            }
            ASSERT_EQ(lf.size(), 1u);
            ASSERT_EQ(lk.size(), 1u);
            EXPECT_EQ(lf[0].punkte[0], (LPunkt{5 * 320 - 7500, -8000}));
            EXPECT_EQ(lf[0].punkte[1], (LPunkt{5 * 320 - 7500, 5500}));
            // On paper the line sits on the curve point, not on the screen cursor's step.
            EXPECT_EQ(lk[0].punkte[0].x, 4 * s.FKF_xnorm - 7500);
            const auto wert = textBei(fkf, format("%.5g", static_cast<double>(s.ptFKF2[4].y)));
            ASSERT_TRUE(wert);
            EXPECT_EQ(wert->x, 4800);
            for (const auto& t : fkf.nur(Art::Text))
                if (t.text == "Differenz:") {
                    EXPECT_EQ(t.schrift.hoehe, 814);
                }
            EXPECT_TRUE(textBei(fav, "Differenz:"));
        }
}

// The duration markers as drawn: the smaller duration's label lower, equal ones with set 1
// on top, set 1 alone, and a duration of 0 (the label clear of the ordinate's arrow).
TEST(DkBeschriftung, WieVorlage) {
    struct Fall {
        const char* name;
        float dk1, dk2;
        int m2;
    };
    for (const Fall f : {Fall{"dk_satz1_kleiner", 3.5f, 9.25f, BSC2}, Fall{"dk_satz2_kleiner", 9.25f, 3.5f, BSC2},
                         Fall{"dk_gleich", 6.0f, 6.0f, BSC2}, Fall{"dk_nur_satz1", 3.5f, 1.0f, INAKTIV},
                         Fall{"dk_null", 12.34f, 0.0f, BSC2}}) {
        SCOPED_TRACE(f.name);
        ZorState s = mit(GE1, f.m2);
        s.FKF_xnorm = 320;
        s.DK1 = f.dk1, s.zaehler1 = 1.5f, s.nenner1 = 0.125f;
        s.DK2 = f.dk2, s.zaehler2 = 7.0f, s.nenner2 = 3.0f;
        AufzeichnendeLeinwand dc = bildschirmLeinwand();
        dc.setzeStift({55, GRUEN});
        DK_Beschriftung(dc, s);
        wieVorlage(dc, f.name);
        EXPECT_EQ(dc.schrift().hoehe, 1050);
        EXPECT_EQ(dc.ausrichtung(), Ausrichtung::Mitte);
    }
}

TEST(KurvenPaint, GedruckterCursorHinterDenPunktenDrucktKeineWerte) {
    ZorState s = mitKurven(50);
    s.Cursor.FAV = 1;
    s.FAV_xpos = 70;  // left over from a larger point count
    AufzeichnendeLeinwand dc;
    FAV_Paint(dc, s, LEER, 1);
    std::vector<std::string> cursortexte;
    for (const auto& t : dc.nur(Art::Text))
        if (t.schrift.hoehe == 814) cursortexte.push_back(t.text);
    EXPECT_EQ(cursortexte, (std::vector<std::string>{"Abszisse:", "Ordinate:"}));
}
