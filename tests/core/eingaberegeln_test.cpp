#include "core/models/eingaberegeln.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using namespace zor;

TEST(Eingaben, ProbabilitySeedAndRunsFollowTheDialogRanges) {
    EXPECT_EQ(wahrscheinlichkeitEingabe("1"), 1.0f);
    EXPECT_EQ(wahrscheinlichkeitEingabe("0"), 0.0f);
    EXPECT_EQ(wahrscheinlichkeitEingabe("-0"), 0.0f);
    EXPECT_FALSE(wahrscheinlichkeitEingabe("1.0001"));
    EXPECT_FALSE(wahrscheinlichkeitEingabe("-0.1"));
    EXPECT_FALSE(wahrscheinlichkeitEingabe("0,5"));

    EXPECT_EQ(startwertEingabe("9999"), 9999.0f);
    EXPECT_EQ(startwertEingabe("1"), 1.0f);
    EXPECT_FALSE(startwertEingabe("10000"));
    EXPECT_FALSE(startwertEingabe("12.5"));
    EXPECT_FALSE(startwertEingabe("0"));

    EXPECT_EQ(durchlaeufeEingabe("1"), 1u);
    EXPECT_EQ(durchlaeufeEingabe("1e6"), 1000000u);
    EXPECT_FALSE(durchlaeufeEingabe("0"));
    EXPECT_FALSE(durchlaeufeEingabe("2.5"));
    // Counts that single precision would round, and the ends of the 64-bit range.
    EXPECT_EQ(durchlaeufeEingabe("16777217"), 16777217u);
    EXPECT_EQ(durchlaeufeEingabe("123456789"), 123456789u);
    EXPECT_EQ(durchlaeufeEingabe("18446744073709551615"), UINT64_MAX);
    EXPECT_FALSE(durchlaeufeEingabe("18446744073709551616"));
    EXPECT_FALSE(durchlaeufeEingabe("1e30"));
    EXPECT_FALSE(durchlaeufeEingabe("16777217.5"));
}

TEST(Eingaben, AbscissaIsAWholeNumberFrom20To100) {
    EXPECT_EQ(abszisseEingabe("20"), 20);
    EXPECT_EQ(abszisseEingabe("100"), 100);
    EXPECT_EQ(abszisseEingabe("5e1"), 50);
    for (const char* falsch : {"20.5", "19", "101", "", "50,0", "1e3"}) EXPECT_FALSE(abszisseEingabe(falsch)) << falsch;
}

TEST(Eingaben, OrdinateNeedsWholeExponentsWithTheLowerBelowTheUpper) {
    const auto eine = ordinateEingabe("10", "9");
    ASSERT_TRUE(eine);
    EXPECT_EQ(eine->a1, 10);
    EXPECT_EQ(eine->a2, 9);
    EXPECT_TRUE(ordinateEingabe("1", "0"));
    const std::pair<const char*, const char*> falsch[] = {{"3", "3"}, {"2", "5"}, {"11", "0"}, {"4", "-1"},
                                                         {"0", "0"},  {"2.5", "1"}, {"5", "x"}};
    for (const auto& [a1, a2] : falsch) EXPECT_FALSE(ordinateEingabe(a1, a2)) << a1 << " / " << a2;
}

TEST(Eingaben, SwChoiceProbabilitiesMustSumToOne) {
    ModellWerte w = startZustand().SWWert1;
    EXPECT_TRUE(swWahlGueltig(w));
    const std::array<float, 3> gut[] = {{0.2f, 0.3f, 0.5f}, {1.0f, 0.0f, 0.0f}, {0.1f, 0.7f, 0.2f}};
    const std::array<float, 3> falsch[] = {{1.0f, 1.0f, 1.0f}, {0.2f, 0.3f, 0.4f}, {0.0f, 0.0f, 0.0f}, {0.3f, 0.3f, 0.405f}};
    for (const auto& p : gut) {
        w[sw::pZ1] = p[0], w[sw::pZ2] = p[1], w[sw::pZ3] = p[2];
        EXPECT_TRUE(swWahlGueltig(w)) << p[0] << " " << p[1] << " " << p[2];
    }
    for (const auto& p : falsch) {
        w[sw::pZ1] = p[0], w[sw::pZ2] = p[1], w[sw::pZ3] = p[2];
        EXPECT_FALSE(swWahlGueltig(w)) << p[0] << " " << p[1] << " " << p[2];
    }
}

// Every rule has its own sentence (a rule added without one would show an empty line),
// and the line under a notice puts the field before it.
TEST(Eingaben, EachRuleExplainsItselfOnce) {
    std::set<std::string> texte;
    for (int r = static_cast<int>(Eingaberegel::Komma); r <= static_cast<int>(Eingaberegel::DekadenFolge); ++r) {
        const std::string text = regelText(static_cast<Eingaberegel>(r));
        ASSERT_FALSE(text.empty()) << r;
        EXPECT_EQ(text.back(), '.') << text;
        EXPECT_TRUE(texte.insert(text).second) << "twice: " << text;
    }
    EXPECT_STREQ(regelText(Eingaberegel::Keine), "");
    EXPECT_EQ(feldZeile("Fehler in GOOD", Eingaberegel::McFehlerNull),
              "Feld „Fehler in GOOD“: beim MC-Modell darf die Fehlerwahrscheinlichkeit nicht 0 sein.");
}

// The first rule a probability breaks is named; a valid one breaks none, in agreement
// with the entry rule itself.
TEST(Eingaben, ProbabilityNamesTheRuleItBreaks) {
    const std::pair<const char*, Eingaberegel> faelle[] = {
        {"0,5", Eingaberegel::Komma},      {"1,5", Eingaberegel::Komma},        {"x", Eingaberegel::KeineZahl},
        {"0.5 ", Eingaberegel::KeineZahl}, {"1.0001", Eingaberegel::UeberEins}, {"-0.1", Eingaberegel::UnterNull},
        {"-0", Eingaberegel::Keine},       {"1", Eingaberegel::Keine},          {"1e-3", Eingaberegel::Keine},
    };
    for (const auto& [text, regel] : faelle) {
        EXPECT_EQ(wahrscheinlichkeitRegel(text), regel) << text;
        EXPECT_EQ(wahrscheinlichkeitEingabe(text).has_value(), regel == Eingaberegel::Keine) << text;
    }
}
