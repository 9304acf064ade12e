// The legend of exported and printed curve diagrams on the recording canvas: one line per
// active set in that set's curve colour with model, kind and N, the caption, its place,
// and nothing at all for "keine".

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/documents/kurven_malen.h"
#include "core/documents/kurvenband.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/graphpaint.h"
#include "core/plot/textlage.h"
#include "modellzustand.h"
#include "plot_hilfen.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

KeinFortschritt still;

// GE simulated over 250000 bits in set 1, BSC theory in set 2, curves computed.
ZorState geSimBscTheorie() {
    ZorState s = mit(GE1, BSC2, 1, 0);
    durchlaeufeSetzen(s, Modellart::GE, 0, 250000);
    EXPECT_TRUE(FAV_Ermitteln(s, still));
    EXPECT_TRUE(FKF_Ermitteln(s, still));
    return s;
}

std::optional<Zeichenaufruf> text(const AufzeichnendeLeinwand& dc, const std::string& t) {
    for (const auto& a : dc.nur(Art::Text))
        if (a.text == t) return a;
    return std::nullopt;
}

// The colour sample left of a legend line: a line of the curves' width in that colour.
bool musterIn(const AufzeichnendeLeinwand& dc, Farbe f) {
    for (const auto& l : dc.nur(Art::Linie))
        if (l.stift.farbe == f && l.stift.breite == 70) return true;
    return false;
}

LRechteck kasten(const AufzeichnendeLeinwand& dc) {
    const auto r = dc.nur(Art::Rechteck);
    EXPECT_EQ(r.size(), 1u);
    return r.empty() ? LRechteck{} : *r.front().rechteck;
}

}  // namespace

TEST(Legende, JederAktiveSatzInSeinerKurvenfarbe) {
    ZorState s = geSimBscTheorie();
    for (const int drucken : {0, 1}) {
        AufzeichnendeLeinwand dc = bildschirmLeinwand();
        LegendeMalen(dc, s, true, Legendenort::ObenRechts, drucken);
        // The same selectors the curves are painted with: model ids on screen, 12/13 on paper.
        const Farbe f1 = kurvenfarbe(s.farbe, drucken ? 12 : GE1), f2 = kurvenfarbe(s.farbe, drucken ? 13 : BSC2);
        ASSERT_NE(f1, f2);
        const auto eins = text(dc, "Satz 1: Gilbert-Elliott, Simulation, N = 250.000");
        const auto zwei = text(dc, "Satz 2: BSC, Theorie");
        ASSERT_TRUE(eins && zwei) << "drucken = " << drucken;
        EXPECT_EQ(eins->textfarbe, f1);
        EXPECT_EQ(zwei->textfarbe, f2);
        EXPECT_TRUE(musterIn(dc, f1));
        EXPECT_TRUE(musterIn(dc, f2));
        const auto titel = text(dc, "Fehlerabstandsverteilung P(a ≥ k)");
        ASSERT_TRUE(titel);
        EXPECT_EQ(titel->textfarbe, SCHWARZ);
        // Set 1 above set 2, the caption above both.
        EXPECT_GT(titel->punkte[0].y, eins->punkte[0].y);
        EXPECT_GT(eins->punkte[0].y, zwei->punkte[0].y);
    }
}

TEST(Legende, InaktiverSatzUndDateiquelle) {
    ZorState s = mit(INAKTIV, DATEI2);
    s.Datei2.szFileName = "/tmp/versuch/kanal.ffo";
    AufzeichnendeLeinwand dc = bildschirmLeinwand();
    LegendeMalen(dc, s, false, Legendenort::UntenRechts, 1);
    std::vector<std::string> zeilen;
    for (const auto& t : dc.texte())
        if (t.rfind("Satz", 0) == 0) zeilen.push_back(t);
    EXPECT_EQ(zeilen, (std::vector<std::string>{"Satz 2: Datei kanal.ffo"}));
    EXPECT_TRUE(text(dc, "Fehlerkorrelationsfunktion"));
}

TEST(Legende, KeineMaltNichts) {
    ZorState s = geSimBscTheorie();
    AufzeichnendeLeinwand dc = bildschirmLeinwand();
    LegendeMalen(dc, s, true, Legendenort::Keine, 0);
    LegendeMalen(dc, s, false, Legendenort::Keine, 1);
    EXPECT_TRUE(dc.aufrufe().empty());
}

// On the screen's proportions and on a page whose text is wide against the plot (the
// printed page): the box stays in the plot, its texts inside it, and on the FKF below the
// correlation-duration labels.
TEST(Legende, ObenOderUntenRechtsImDiagramm) {
    ZorState s = geSimBscTheorie();
    const LRechteck diagramm{-7500, 5500, 9500, -8000};
    for (const bool bildschirm : {true, false}) {
        for (const bool fav : {true, false}) {
            std::optional<LRechteck> oben, unten;
            for (const auto ort : {Legendenort::ObenRechts, Legendenort::UntenRechts}) {
                AufzeichnendeLeinwand dc = bildschirm ? bildschirmLeinwand() : AufzeichnendeLeinwand{};
                if (!fav) DK_Beschriftung(dc, s);
                std::vector<LRechteck> dauern;
                for (const auto& t : dc.nur(Art::Text)) dauern.push_back(dc.kasten(t));
                dc.leeren();
                LegendeMalen(dc, s, fav, ort, 1);
                const LRechteck r = kasten(dc);
                EXPECT_TRUE(innerhalb(r, diagramm)) << bildschirm << fav;
                for (const auto& t : dc.nur(Art::Text)) EXPECT_TRUE(innerhalb(dc.kasten(t), r)) << t.text;
                for (const LRechteck& d : dauern) EXPECT_FALSE(ueberlappen(r, d)) << bildschirm;
                (ort == Legendenort::ObenRechts ? oben : unten) = r;
            }
            EXPECT_GT(oben->unten, unten->oben);
            EXPECT_EQ(oben->rechts, unten->rechts);
        }
    }
}

// With bands on, the hints "Theorie im Band" stand in a corner of the plot too; the legend
// must not cover them, whichever corner they share.
TEST(Legende, WeichtDenBandhinweisenAus) {
    ZorState s = mit(GE1, GE2, 1, 0);
    s.GEWert2 = s.GEWert1;
    durchlaeufeSetzen(s, Modellart::GE, 0, 200000);
    s.FAV_band = s.FKF_band = 1;
    ASSERT_TRUE(FAV_Ermitteln(s, still));
    ASSERT_TRUE(FKF_Ermitteln(s, still));
    for (const int ordinate : {0, 1}) {
        s.FAV.ordinate = s.FKF.ordinate = ordinate;
        for (const bool fav : {true, false}) {
            for (const auto ort : {Legendenort::ObenRechts, Legendenort::UntenRechts}) {
                AufzeichnendeLeinwand dc = bildschirmLeinwand();
                if (fav)
                    FAV_Paint(
                        dc, s, [](std::string_view) { return std::optional<std::string>("k leer\n"); }, 0);
                else
                    FKF_Paint(
                        dc, s, [](std::string_view) { return std::optional<std::string>("k leer\n"); }, 0);
                std::vector<LRechteck> hinweise;
                for (const auto& t : dc.nur(Art::Text))
                    if (t.text.find("im Band") != std::string::npos) hinweise.push_back(dc.kasten(t));
                ASSERT_FALSE(hinweise.empty()) << "fav " << fav << " ordinate " << ordinate;
                dc.leeren();
                LegendeMalen(dc, s, fav, ort, 0);
                EXPECT_TRUE(text(dc, fav ? "Fehlerabstandsverteilung P(a ≥ k), mit 95-%-Konfidenzband"
                                         : "Fehlerkorrelationsfunktion, mit 95-%-Konfidenzband"));
                const LRechteck r = kasten(dc);
                for (const LRechteck& h : hinweise)
                    EXPECT_FALSE(ueberlappen(r, h))
                        << "fav " << fav << " ordinate " << ordinate << " oben " << (ort == Legendenort::ObenRechts);
            }
        }
    }
}
