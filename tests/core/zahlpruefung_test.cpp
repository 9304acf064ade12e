#include "core/util/zahlpruefung.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

using namespace zor;

TEST(Fehler, AcceptsTheDialogsNumberSyntax) {
    for (const char* gut : {"0.5", ".5", "5.", "1e-3", "1E+", "-0", "+2", "12.25e7", "0"})
        EXPECT_EQ(fehler(gut), 0) << gut;
    for (const char* schlecht : {"", "+.5", "1e", "0,5", " 1", "1 ", "1e3.5", "--1", "e5", ".", "-", "1.2.3", "0x10"})
        EXPECT_EQ(fehler(schlecht), 1) << schlecht;
}

// Whole numbers read digit by digit: no value passes through a float or a double.
TEST(GanzeZahl, ExactWithinSixtyFourBitsAndNothingElse) {
    const std::pair<const char*, std::uint64_t> gut[] = {
        {"0", 0},
        {"-0", 0},
        {"0.0e7", 0},
        {"16777217", 16777217},
        {"9007199254740993", 9007199254740993u},  // 2^53 + 1, lost by a double
        {"18446744073709551615", UINT64_MAX},
        {"1e19", 10000000000000000000u},
        {"1e8", 100000000},
        {"2.50e1", 25},
        {"1.5e1", 15},
        {"0012.000", 12},
        {"1E+", 1},
        {"12300e-2", 123},
        {"+7", 7},
    };
    for (const auto& [text, wert] : gut) EXPECT_EQ(ganzeZahl(text), wert) << text;
    for (const char* schlecht : {"18446744073709551616", "1e20", "2e19", "1.5", "1e-1", "0.5", "-1", "-1e3", "12301e-2",
                                 "1e99999999999", "", "1,5", "x", "1e3.5"})
        EXPECT_FALSE(ganzeZahl(schlecht)) << schlecht;
}
