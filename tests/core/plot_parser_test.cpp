// The template interpreter: every record type, selectors, values, and faulty input.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "core/plot/achse.h"
#include "core/plot/plotzahlen.h"
#include "plot_hilfen.h"
#include "zeichnungsvorlage.h"

using namespace zor;
using Art = Zeichenaufruf::Art;

// Only the low byte of a colour component counts (300 is 44).
TEST(Plotag, GeometryRecordsDrawWithTheirPenAndBrush) {
    const auto z = zeichne(
        "k Rahmen\n"
        "f 40,1,2,300\n"
        "h 10,20,30\n"
        "l 1,2,3,4\n"
        "r -100,200,300,-400\n"
        "e 5,6,7,8\n"
        "d 1000,2000,0.7,0.9,500.5\n"
        "p -3000,4000,-2.356,0.6,2000,400");
    EXPECT_EQ(z.ergebnis, 1);
    wieVorlage(z.dc, "vorlage_geometrie");
}

TEST(Plotag, StartsWithThinBlackPenAndWhiteBrushAndRestoresTheCallers) {
    AufzeichnendeLeinwand dc;
    dc.setzeStift({55, {1, 1, 1}});
    dc.setzePinsel({9, 9, 9});
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    EXPECT_EQ(plotag(dc, "l 0,0,1,1 f 7,1,2,3 h 4,5,6 t 0,0,100,l,@,0,0,0,x", {}, 0, 'a'), 1);
    EXPECT_EQ(dc.aufrufe().at(0).stift, (Stift{10, SCHWARZ}));
    EXPECT_EQ(dc.aufrufe().at(0).pinsel, WEISS);
    EXPECT_EQ(dc.stift(), (Stift{55, {1, 1, 1}}));
    EXPECT_EQ(dc.pinsel(), (Farbe{9, 9, 9}));
    EXPECT_EQ(dc.schrift(), (Schrift{Schriftfamilie::Swiss, 1050}));
}

TEST(Plotag, LastRecordBeforeEndOfFileIsDrawn) {
    for (const char* ende : {"", "\n", "  \n\n\t"}) {
        const auto z = zeichne(std::string("l 0,0,1,1\nl 2,2,3,3") + ende);
        EXPECT_EQ(z.ergebnis, 1);
        EXPECT_EQ(z.nur(Art::Linie).size(), 2u) << '"' << ende << '"';
    }
    EXPECT_EQ(zeichne("").ergebnis, 1);
}

TEST(Plotag, PolylineEndsAtHash) {
    const auto eins = zeichne("z 0,0,100,200#");
    ASSERT_EQ(eins.nur(Art::Polylinie).size(), 1u);
    EXPECT_EQ(eins.nur(Art::Polylinie)[0].punkte, pkte({{0, 0}, {100, 200}}));

    const auto mehr = zeichne("z 0,0;1,2;3,4\n5,6 7,8# l 9,9,9,9");
    EXPECT_EQ(mehr.ergebnis, 1);
    EXPECT_EQ(mehr.nur(Art::Polylinie)[0].punkte, pkte({{0, 0}, {1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    EXPECT_EQ(mehr.nur(Art::Linie).size(), 1u);
}

TEST(Plotag, ConditionalTextBySelector) {
    const char* vorlage =
        "t 0,100,10,l,a,0,0,1,nur a\n"
        "t 0,200,10,l,b,0,0,2,nur b hier\n"
        "t 0,300,10,l,@,0,0,0,immer";
    EXPECT_EQ(zeichne(vorlage, {}, 0, 'a').dc.texte(), (std::vector<std::string>{"nur a", "immer"}));
    EXPECT_EQ(zeichne(vorlage, {}, 0, 'b').dc.texte(), (std::vector<std::string>{"nur b hier", "immer"}));
    EXPECT_EQ(zeichne(vorlage, {}, 0, 'm').dc.texte(), (std::vector<std::string>{"immer"}));
}

TEST(Plotag, ConditionalTextPlacementAndFont) {
    const auto z = zeichne("t 100,1000,250,r,@,0,0,0,Text");
    const auto t = z.nur(Art::Text).at(0);
    EXPECT_EQ(t.schrift, (Schrift{Schriftfamilie::Swiss, 925}));
    EXPECT_EQ(t.ausrichtung, Ausrichtung::Rechts);
    EXPECT_EQ(t.punkte[0], (LPunkt{100, 1000 - 296}));  // ascent 740, 0.4 of it below y
}

TEST(Plotag, ConditionalTextWithParameterValue) {
    const std::array<float, 3> werte{0.1f, 1265.0f, 1.0e-7f};
    const char* vorlage =
        "t 0,0,10,l,a,1,0,1,p =\n"
        "t 0,0,10,l,a,1,1,0,SWZ\n"
        "t 0,0,10,l,a,1,2,0,klein\n"
        "t 0,0,10,l,a,0,2,0,ohne";
    EXPECT_EQ(zeichne(vorlage, werte).dc.texte(),
              (std::vector<std::string>{"p = 0.1", "SWZ 1265", "klein 1e-07", "ohne"}));
    EXPECT_EQ(zeichne(vorlage).dc.texte(), (std::vector<std::string>{"p =", "SWZ", "klein", "ohne"}));
}

TEST(Plotag, TextColourBySelectionAndBackground) {
    const char* vorlage = "b 0,0,150 150,0,0 c 1,2,3 t 0,0,10,l,@,0,0,0,x";
    const auto satz1 = zeichne(vorlage, {}, 0).nur(Art::Text).at(0);
    const auto satz2 = zeichne(vorlage, {}, 1).nur(Art::Text).at(0);
    EXPECT_EQ(satz1.textfarbe, (Farbe{0, 0, 150}));
    EXPECT_EQ(satz2.textfarbe, (Farbe{150, 0, 0}));
    EXPECT_EQ(satz1.texthintergrund, (Farbe{1, 2, 3}));
}

// Font 10 x 3.7 = 37: ascent 29, "PP" is 44 wide and 37 high; the second font is 29.
TEST(Plotag, RaisedAndLoweredSecondText) {
    wieVorlage(zeichne("s 1000,2000,10,8,l,0,PP 2").dc, "vorlage_hochgestellt");
    wieVorlage(zeichne("s 1000,2000,10,8,c,1,PP k").dc, "vorlage_tiefgestellt");
    EXPECT_EQ(zeichne("s 0,0,10,8,l,2,PP k").nur(Art::Text).size(), 1u);
}

TEST(Plotag, SymbolTextIsTranslatedToUnicode) {
    const auto t = zeichne("y -50,60,100,l,Dt=a\xb3p").nur(Art::Text).at(0);
    EXPECT_EQ(t.text, "Δτ=α≥π");
    EXPECT_EQ(t.schrift, (Schrift{Schriftfamilie::Symbol, 370}));
    EXPECT_EQ(t.ausrichtung, Ausrichtung::Links);
    EXPECT_EQ(t.punkte[0], (LPunkt{-50, 60 - 118}));
    EXPECT_EQ(zeichne("y 0,0,10,c,≤l").dc.texte().at(0), "≤λ");
}

TEST(Plotag, AxisRecordsDrawCrossWithAndWithoutLabels) {
    const auto mit = zeichne("a -7500,-8000,9500,5500,-7500,-8000,230,1600,n,2500,n,5,0.2");
    EXPECT_EQ(mit.ergebnis, 1);
    EXPECT_EQ(mit.nur(Art::Polygon).size(), 2u);
    EXPECT_EQ(mit.dc.texte().size(), 15u);  // 10 on x, 5 on y
    const auto ohne = zeichne("u -7500,-8000,9500,5500,-7500,-8000,230");
    EXPECT_EQ(ohne.nur(Art::Linie).size(), 2u);
    EXPECT_EQ(ohne.nur(Art::Polygon).size(), 2u);
    EXPECT_TRUE(ohne.dc.texte().empty());
}

struct FehlerFall {
    const char* name;
    const char* vorlage;
    std::size_t linienDavor;
};

class FehlerhaftePlotdatei : public ::testing::TestWithParam<FehlerFall> {};

TEST_P(FehlerhaftePlotdatei, KeepsWhatCameBeforeAndReportsAtTheOrigin) {
    const std::array<float, 3> werte{1, 2, 3};
    AufzeichnendeLeinwand dc;
    dc.setzeStift({55, SCHWARZ});
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    EXPECT_EQ(plotag(dc, GetParam().vorlage, werte, 0, 'a'), 0);
    EXPECT_EQ(dc.nur(Art::Linie).size(), GetParam().linienDavor);
    const auto& letzter = dc.aufrufe().back();
    EXPECT_EQ(letzter.art, Art::Text);
    EXPECT_EQ(letzter.text, TEXT_FEHLERHAFTE_PLOTDATEI);
    EXPECT_EQ(letzter.punkte[0], (LPunkt{0, 0}));
    EXPECT_EQ(letzter.ausrichtung, Ausrichtung::Mitte);
    EXPECT_EQ(letzter.schrift, (Schrift{Schriftfamilie::Swiss, 1050}));
    EXPECT_EQ(letzter.stift, (Stift{55, SCHWARZ}));
}

INSTANTIATE_TEST_SUITE_P(
    Plotag, FehlerhaftePlotdatei,
    ::testing::Values(
        FehlerFall{"UnknownLetter", "l 0,0,1,1\nx 1,2", 1}, FehlerFall{"UpperCase", "L 0,0,1,1", 0},
        FehlerFall{"Digit", "l 0,0,1,1 l 1,1,2,2 7", 2}, FehlerFall{"Sign", "- 0,0", 0},
        FehlerFall{"TruncatedLine", "l 0,0,1,1\nl 0,0,1", 1}, FehlerFall{"BlankBeforeComma", "l 0 ,0,1,1", 0},
        FehlerFall{"LetterForNumber", "l 0,0,1,x", 0}, FehlerFall{"PolylineWithoutHash", "l 0,0,1,1 z 0,0,1,1,2,2", 1},
        FehlerFall{"PolylineBrokenPoint", "z 0,0,1,;", 0}, FehlerFall{"MissingWords", "t 0,0,10,l,a,0,0,3,eins zwei", 0},
        FehlerFall{"SecondTextMissing", "s 0,0,10,8,l,0,P", 0}, FehlerFall{"OneColourOnly", "b 0,0,150", 0},
        FehlerFall{"AxisCut", "a -7500,-8000,9500,5500,-7500,-8000,230,1600,n", 0},
        FehlerFall{"ValueIndexOutside", "t 0,0,10,l,a,1,3,0,p", 0},
        FehlerFall{"NegativeIndex", "t 0,0,10,l,a,1,-1,0,p", 0},
        FehlerFall{"IntegerOverflow", "l 99999999999,0,0,0", 0}, FehlerFall{"NotANumber", "d 0,0,nan,1,1", 0},
        FehlerFall{"Infinity", "d 0,0,1,1,inf", 0}, FehlerFall{"HugeReal", "d 0,0,1,1,1e400", 0},
        FehlerFall{"BeyondFloat", "d 0,0,1,1,3.5e38", 0},
        FehlerFall{"PlusMinus", "l +-5,0,0,0", 0}, FehlerFall{"TagAlone", "l", 0}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Plotag, AbsurdNumbersStayBounded) {
    const auto z = zeichne(
        "a -2000000000,-2000000000,2000000000,2000000000,0,0,1,1,n,1,l,1,1\n"
        "a -10,-10,10,10,0,0,0,0,n,-5,n,1,1\n"
        "f 2000000000,0,0,0 l 2147483647,-2147483648,0,0\n"
        "d 0,0,1,1,3e38 p 0,0,1e30,1,2147483647,2147483647\n"
        "t 0,0,2147483647,l,@,0,0,0,gross");
    EXPECT_EQ(z.ergebnis, 1);
    EXPECT_LE(z.dc.aufrufe().size(), 4u * MAX_STRICHE + 20);
    for (const auto& a : z.dc.aufrufe())
        for (const auto& p : a.punkte) {
            EXPECT_LE(std::abs(p.x), PLOT_GRENZE);
            EXPECT_LE(std::abs(p.y), PLOT_GRENZE);
        }
}

// Under the line rule, texts of absurd size are placed or left out, never wrapped round.
TEST(Plotag, AbsurdTextsUnderTheLineRuleStayBounded) {
    AufzeichnendeLeinwand dc;
    EXPECT_EQ(plotag(dc,
                     "t -9600,8000,2147483647,l,@,0,0,0,Kopf\n"
                     "t -9600,7990,2147483647,l,@,0,0,0,Zeile\n"
                     "t -9,8,-633059260,l,@,0,0,0,negative_Schrifthoehe\n"
                     "t 268435455,268435455,250,l,@,0,0,0,Rand\n"
                     "t 268435455,268435455,250,l,@,0,0,0,Rand",
                     {}, 0, 'a', Textregel::Zeilen),
              1);
    for (const auto& a : dc.nur(Art::Text)) {
        EXPECT_LE(std::abs(a.punkte[0].x), PLOT_GRENZE) << a.text;
        EXPECT_LE(std::abs(a.punkte[0].y), PLOT_GRENZE) << a.text;
    }
}

TEST(Plotag, MissingTemplateCountsAsFaulty) {
    AufzeichnendeLeinwand dc;
    const Vorlagenquelle keine = [](std::string_view) { return std::optional<std::string>{}; };
    EXPECT_EQ(plotag(dc, keine, "FKF.PLT", {}, 0, 'a'), 0);
    EXPECT_EQ(dc.texte(), (std::vector<std::string>{TEXT_FEHLERHAFTE_PLOTDATEI}));

    const Vorlagenquelle eine = [](std::string_view name) {
        return name == "A.PLT" ? std::optional<std::string>("l 0,0,1,1") : std::nullopt;
    };
    dc.leeren();
    EXPECT_EQ(plotag(dc, eine, "A.PLT", {}, 0, 'a'), 1);
    EXPECT_EQ(dc.nur(Art::Linie).size(), 1u);
}

// Font 925 on the recording canvas: ascent 740, 555 per character.
TEST(Plotag, ZeilenregelSetztBeruehrendeTexteFortOderLaesstSieWeg) {
    const std::string vorlage =
        "t -9600,8000,250,l,@,0,0,0,Kopf\n"
        "t -9600,7500,250,l,@,0,0,0,Zeile\n"
        "t -7000,7300,250,c,@,0,0,0,Achse\n"
        "t -9600,7400,250,l,@,0,0,0,viel_zu_lang_fuer_den_Rest_der_Kopfzeile_hier";
    AufzeichnendeLeinwand wie;
    plotag(wie, vorlage, {}, 0, 'a');
    EXPECT_EQ(wie.texte().size(), 4u);

    AufzeichnendeLeinwand dc;
    EXPECT_EQ(plotag(dc, vorlage, {}, 0, 'a', Textregel::Zeilen), 1);
    const auto t = dc.nur(Art::Text);
    ASSERT_EQ(dc.texte(), (std::vector<std::string>{"Kopf", "Zeile"}));
    EXPECT_EQ(t[0].punkte[0], (LPunkt{-9600, 8000 - 296}));
    // On the heading's baseline, one character's width after its end.
    EXPECT_EQ(t[1].punkte[0], (LPunkt{-9600 + 4 * 555 + 555, 8000 - 296}));
}
