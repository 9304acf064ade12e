// The parameter dialogs' entry rules: order, model-specific refusals, complements, and
// the three-state model's rules; the options dialogs' entry and apply rules.

#include "core/models/optionseingabe.h"
#include "core/models/parametereingabe.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace zor;

namespace {

struct Fall {
    const char* name;
    Modellart art;
    int index;         // the entry changed from a valid set
    const char* text;
    Ablehnung erwartet;
    int abgelehnt;     // index of the refused entry
    Eingaberegel regel = Eingaberegel::Keine;  // the rule its second line names
};

std::vector<std::string> gueltig(Modellart art) {
    switch (art) {
    case Modellart::BSC: return {"0.1", "1265", "10000"};
    case Modellart::SW: return {"2227", "10000", "0.75", "0.05", "0.2", "0.045", "0.5228", "0.8"};
    default: return {"3457", "10000", "", "", "0.1", "0.01", "0.01", "0.4"};
    }
}

class Parameterregeln : public ::testing::TestWithParam<Fall> {};

TEST_P(Parameterregeln, RefuseWithTheRightDialogAndKeepTheArray) {
    const Fall& f = GetParam();
    auto texte = gueltig(f.art);
    texte[static_cast<std::size_t>(f.index)] = f.text;
    std::vector<float> werte(texte.size(), 42.0f);
    const ParameterPruefung p = parameterPruefen(f.art, texte, werte);
    EXPECT_EQ(p.art, f.erwartet);
    EXPECT_EQ(p.regel, f.regel);
    if (f.erwartet == Ablehnung::Keine) return;
    EXPECT_EQ(p.index, f.abgelehnt);
    EXPECT_EQ(werte, std::vector<float>(texte.size(), 42.0f)) << "a refused dialog stores nothing";
}

using A = Ablehnung;
using M = Modellart;
using R = Eingaberegel;
// One row per refusal kind and model; the field rules' own edges are held by their tests.
const Fall FAELLE[] = {
    {"BscP1", M::BSC, bsc::p, "1", A::Keine, -1},
    {"BscPUeber1", M::BSC, bsc::p, "1.0001", A::Wahrscheinlichkeit, bsc::p, R::UeberEins},
    {"BscStartwert10000", M::BSC, bsc::Startwert, "10000", A::Startwert, bsc::Startwert, R::Startwert},
    {"BscDurchlaeufe0", M::BSC, bsc::Durchlaeufe, "0", A::Startwert, bsc::Durchlaeufe, R::Durchlaeufe},
    {"GeUebergangNull", M::GE, gemc::Good_From_Bad, "0", A::Wahrscheinlichkeit, gemc::Good_From_Bad,
     R::GeUebergangNull},
    {"GeUebergangBgNull", M::GE, gemc::Bad_From_Good, "0", A::Wahrscheinlichkeit, gemc::Bad_From_Good,
     R::GeUebergangNull},
    {"GeGoodNull", M::GE, gemc::Good, "0", A::Keine, -1},
    {"McUebergangNull", M::MC, gemc::Good_From_Bad, "0", A::Keine, -1},
    {"McGoodNull", M::MC, gemc::Good, "0", A::Wahrscheinlichkeit, gemc::Good, R::McFehlerNull},
    {"McBadNull", M::MC, gemc::Bad, "0", A::Wahrscheinlichkeit, gemc::Bad, R::McFehlerNull},
    {"McStartwertLeer", M::MC, gemc::Startwert, "", A::Startwert, gemc::Startwert, R::Startwert},
    {"SwSummeUnter1", M::SW, sw::pZ1, "0.7", A::Zustandssumme, sw::pZ1, R::SwSumme},
    {"SwSummeInnerhalbDerRundung", M::SW, sw::pZ3, "0.7500001", A::Keine, -1},
    {"SwZustandOhneFehler", M::SW, sw::pFehlerZ2, "0", A::Wahrscheinlichkeit, sw::pFehlerZ2, R::SwFehlerNull},
    {"SwFehlerUeber1", M::SW, sw::pFehlerZ3, "1.5", A::Wahrscheinlichkeit, sw::pFehlerZ3, R::UeberEins},
    {"BscPKomma", M::BSC, bsc::p, "0,5", A::Wahrscheinlichkeit, bsc::p, R::Komma},
    {"GeGoodNegativ", M::GE, gemc::Good, "-0.1", A::Wahrscheinlichkeit, gemc::Good, R::UnterNull},
    {"McBadKeineZahl", M::MC, gemc::Bad, "abc", A::Wahrscheinlichkeit, gemc::Bad, R::KeineZahl},
    {"SwStartwertKomma", M::SW, sw::Startwert, "12,5", A::Startwert, sw::Startwert, R::Komma},
    // The number syntax itself is the parser's; here only that the dialog reads 14 characters.
    {"NurVierzehnZeichen", M::BSC, bsc::p, "0.500000000000xyz", A::Keine, -1},
};

INSTANTIATE_TEST_SUITE_P(Dialoge, Parameterregeln, ::testing::ValuesIn(FAELLE),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(Parameterpruefung, ChecksInTheDialogsOrder) {
    // BSC: p comes before the seed; GE: seed and runs before the probabilities.
    std::vector<float> w(3);
    EXPECT_EQ(parameterPruefen(Modellart::BSC, std::vector<std::string>{"2", "0", "0"}, w).index, bsc::p);
    std::vector<float> g(8);
    const std::vector<std::string> ge = {"3457", "0", "", "", "2", "2", "2", "2"};
    EXPECT_EQ(parameterPruefen(Modellart::GE, ge, g).art, Ablehnung::Startwert);
}

// The array gets the count in single precision, the result the count itself; the entry's
// text for the count reads back as the same count within the dialogs' 14 characters.
TEST(Parameterpruefung, TheNumberOfBitsIsExact) {
    std::vector<float> w(3);
    for (std::uint64_t n : {std::uint64_t{16777217}, std::uint64_t{123456789}, std::uint64_t{99999999999999},
                            std::uint64_t{10000000000000000000u}, std::uint64_t{123000000000000000}}) {
        const std::string text = durchlaeufeText(n);
        EXPECT_LE(text.size(), EINGABE_ZEICHEN) << text;
        const auto p = parameterPruefen(Modellart::BSC, std::vector<std::string>{"0.1", "1", text}, w);
        ASSERT_TRUE(p) << text;
        EXPECT_EQ(p.durchlaeufe, n);
        EXPECT_EQ(w[bsc::Durchlaeufe], static_cast<float>(n));
    }
    for (const char* falsch : {"1e20", "99999999999e10", "1.5"}) {
        const auto p = parameterPruefen(Modellart::BSC, std::vector<std::string>{"0.1", "1", falsch}, w);
        EXPECT_EQ(p.art, Ablehnung::Startwert) << falsch;
        EXPECT_EQ(p.index, bsc::Durchlaeufe);
    }
}

TEST(Parameterpruefung, StoresGeAndMcTransitionsWithTheirComplements) {
    std::vector<float> w(8, 7.0f);
    const std::vector<std::string> t = {"12", "300", "0.5", "0.5", "0.3", "0.02", "0.001", "0.6"};
    ASSERT_TRUE(parameterPruefen(Modellart::MC, t, w));
    EXPECT_EQ(w, (std::vector<float>{12, 300, 1.0f - 0.02f, 1.0f - 0.3f, 0.3f, 0.02f, 0.001f, 0.6f}));
}

// --- options ----------------------------------------------------------------------

TEST(Optionen, OpenWithTheStateAsText) {
    ZorState s = startZustand();
    s.FKF_defbereich = 70;
    s.FKF_wertneg = 1e-3f;  // log10 of the float is a hair above -3
    const FkfOptionen o = fkfOptionen(s);
    EXPECT_EQ(o.texte.abszisse, "70");
    EXPECT_EQ(o.texte.a1, "3");
    EXPECT_EQ(o.texte.a2, "0");
    EXPECT_EQ(favOptionen(s).texte.abszisse, "50");
}

struct Skalierungsfall {
    const char* name;
    Skalierungstexte texte;
    Optionsfehler erwartet;
    std::optional<Skalierungsfehler> grund;  // the edit and the rule the second line names
};

class Optionsregeln : public ::testing::TestWithParam<Skalierungsfall> {};

TEST_P(Optionsregeln, BothDialogsRefuseAlikeAndApplyNothing) {
    const auto& f = GetParam();
    for (bool fav : {false, true}) {
        ZorState s = startZustand();
        const ZorState vorher = s;
        const Optionsfehler e = fav ? favOptionenAnwenden(s, FavOptionen{1, 1, 1, 1, 1, f.texte, 1})
                                    : fkfOptionenAnwenden(s, FkfOptionen{1, 1, 1, 1, f.texte, 1});
        EXPECT_EQ(e, f.erwartet) << (fav ? "FAV" : "FKF");
        const auto grund = skalierungsfehler(f.texte);
        ASSERT_EQ(grund.has_value(), f.grund.has_value());
        if (e == Optionsfehler::Keiner) continue;
        EXPECT_EQ(grund->feld, f.grund->feld);
        EXPECT_EQ(grund->regel, f.grund->regel);
        EXPECT_EQ(s.Cursor.FAVon + s.Cursor.FKFon + s.FAV_uhr + s.FKF_uhr + s.FKF_erneuernd + s.Modell.AB + s.FAV_band +
                      s.FKF_band,
                  0);
        EXPECT_EQ(s.FAV_xlindef, vorher.FAV_xlindef);
        EXPECT_EQ(s.FKF_defbereich, vorher.FKF_defbereich);
    }
}

// The ranges themselves are the field rules'; here that each dialog refuses by them.
using F = Skalierungsfeld;
const Skalierungsfall SKALEN[] = {
    {"Abszisse20", {"20", "5", "0"}, Optionsfehler::Keiner, std::nullopt},
    {"Abszisse19", {"19", "5", "0"}, Optionsfehler::Abszisse, Skalierungsfehler{F::Abszisse, R::Abszisse}},
    {"GleicheDekaden", {"50", "4", "4"}, Optionsfehler::Ordinate, Skalierungsfehler{F::UntereDekade, R::DekadenFolge}},
    {"UntereDekade11", {"50", "11", "4"}, Optionsfehler::Ordinate, Skalierungsfehler{F::UntereDekade, R::DekadeUnten}},
    {"ObereDekadeKomma", {"50", "5", "0,5"}, Optionsfehler::Ordinate, Skalierungsfehler{F::ObereDekade, R::DekadeOben}},
    {"AbszisseVorOrdinate", {"7", "4", "4"}, Optionsfehler::Abszisse, Skalierungsfehler{F::Abszisse, R::Abszisse}},
};

INSTANTIATE_TEST_SUITE_P(Dialoge, Optionsregeln, ::testing::ValuesIn(SKALEN),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(Optionen, OneDecadeSpansTheWholeOrdinate) {
    ZorState s = startZustand();
    ASSERT_EQ(fkfOptionenAnwenden(s, FkfOptionen{0, 0, 0, 0, {"50", "10", "9"}}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FKF_ynorm_log, 12500);
    EXPECT_EQ(s.FKF_wertneg, 1e-10f);
    EXPECT_EQ(s.FKF_wertpos, 1e-9f);
    ASSERT_EQ(fkfOptionenAnwenden(s, FkfOptionen{0, 0, 0, 0, {"50", "1", "0"}}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FKF_ynorm_log, 12500);
    EXPECT_EQ(s.FKF_wertpos, 1.0f);
    ASSERT_EQ(fkfOptionenAnwenden(s, FkfOptionen{0, 0, 0, 0, {"60", "7", "0"}}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FKF_ynorm_log, 1785);
    EXPECT_EQ(s.FKF_xnorm, 16000 / 60);
}

// Every sampled curve carries its band, so showing it recomputes nothing.
TEST(Optionen, ShowingTheBandKeepsTheCurves) {
    ZorState s = startZustand();
    s.FAV.ermittelt1 = s.FKF.ermittelt1 = 1;
    ASSERT_EQ(fkfOptionenAnwenden(s, FkfOptionen{0, 0, 0, 0, {"50", "5", "0"}, 1}), Optionsfehler::Keiner);
    ASSERT_EQ(favOptionenAnwenden(s, FavOptionen{0, 0, 0, 1, 0, {"50", "5", "0"}, 1}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FKF_band + s.FAV_band, 2);
    EXPECT_EQ(s.FKF.ermittelt1 + s.FAV.ermittelt1, 2);
    EXPECT_EQ(fkfOptionen(s).band + favOptionen(s).band, 2);
}

// Lowering D keeps the curves; raising it or changing the method recomputes both sets.
TEST(Optionen, FkfCurvesGoStaleOnlyWhenTheyCannotServe) {
    struct Schritt {
        const char* abszisse;
        int erneuernd;
        bool bleibt;
    };
    ZorState s = startZustand();
    for (const Schritt& sch : {Schritt{"30", 0, true}, Schritt{"60", 0, false}, Schritt{"60", 1, false},
                               Schritt{"60", 1, true}, Schritt{"20", 0, false}}) {
        s.FKF.ermittelt1 = s.FKF.ermittelt2 = 1;
        ASSERT_EQ(fkfOptionenAnwenden(s, FkfOptionen{0, 0, 0, sch.erneuernd, {sch.abszisse, "5", "0"}}),
                  Optionsfehler::Keiner);
        EXPECT_EQ(s.FKF.ermittelt1 + s.FKF.ermittelt2, sch.bleibt ? 2 : 0) << sch.abszisse << sch.erneuernd;
    }
}

TEST(Optionen, LogarithmicFavAbscissaSpans100Gaps) {
    ZorState s = startZustand();
    s.FAV.ermittelt1 = s.FAV.ermittelt2 = 1;
    ASSERT_EQ(favOptionenAnwenden(s, FavOptionen{0, 0, 0, 0, 0, {"40", "5", "0"}}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FAV_defbereich, 100);
    EXPECT_EQ(s.FAV_xlindef, 40);
    EXPECT_EQ(s.FAV_xnorm, 160);
    EXPECT_EQ(s.FAV.ermittelt1 + s.FAV.ermittelt2, 0);
    // Back to linear with 40 points: fewer points, the curves serve.
    s.FAV.ermittelt1 = s.FAV.ermittelt2 = 1;
    ASSERT_EQ(favOptionenAnwenden(s, FavOptionen{0, 0, 0, 1, 1, {"40", "5", "0"}}), Optionsfehler::Keiner);
    EXPECT_EQ(s.FAV_defbereich, 40);
    EXPECT_EQ(s.Modell.AB, 1);
    EXPECT_EQ(s.FAV.ermittelt1 + s.FAV.ermittelt2, 2);
}

}  // namespace
