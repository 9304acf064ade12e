#include "core/util/zahlpruefung.h"

#include <gtest/gtest.h>

using namespace zor;

TEST(Fehler, AcceptsTheDialogsNumberSyntax) {
    for (const char* gut : {"0.5", ".5", "5.", "1e-3", "1E+", "-0", "+2", "12.25e7", "0"})
        EXPECT_EQ(fehler(gut), 0) << gut;
    for (const char* schlecht : {"", "+.5", "1e", "0,5", " 1", "1 ", "1e3.5", "--1", "e5", ".", "-", "1.2.3", "0x10"})
        EXPECT_EQ(fehler(schlecht), 1) << schlecht;
}

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

    EXPECT_EQ(durchlaeufeEingabe("1"), 1.0f);
    EXPECT_EQ(durchlaeufeEingabe("1e6"), 1e6f);
    EXPECT_FALSE(durchlaeufeEingabe("0"));
    EXPECT_FALSE(durchlaeufeEingabe("2.5"));
}
