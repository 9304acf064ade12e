#include "core/util/zahlpruefung.h"

#include <gtest/gtest.h>

using namespace zor;

TEST(Fehler, AcceptsTheDialogsNumberSyntax) {
    for (const char* gut : {"0.5", ".5", "5.", "1e-3", "1E+", "-0", "+2", "12.25e7", "0"})
        EXPECT_EQ(fehler(gut), 0) << gut;
    for (const char* schlecht : {"", "+.5", "1e", "0,5", " 1", "1 ", "1e3.5", "--1", "e5", ".", "-", "1.2.3", "0x10"})
        EXPECT_EQ(fehler(schlecht), 1) << schlecht;
}
