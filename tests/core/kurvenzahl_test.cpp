// Curve numbers are the shortest decimal that reads back to the same value.

#include "core/util/format.h"
#include "testnamen.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

struct Zahl {
    const char* name;
    double wert;
    const char* text;
};

class Kurvenzahl : public ::testing::TestWithParam<Zahl> {};

TEST_P(Kurvenzahl, PrintsTheShortestText) { EXPECT_EQ(zor::kurvenzahl(GetParam().wert), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Werte, Kurvenzahl,
    ::testing::Values(Zahl{"FloatNullKommaNeun", 0.9f, "0.9"}, Zahl{"FloatKleinMitExponent", 1e-5f, "1e-05"},
                      Zahl{"DoubleDrittel", 1.0 / 3, "0.3333333333333333"},
                      Zahl{"KeineZahl", std::numeric_limits<double>::quiet_NaN(), "nan"}),
    testnamen::NachName());

// Significant digits of a decimal text: leading zeros and an integer's trailing zeros are none.
int stellen(const std::string& text) {
    std::string ziffern;
    const bool punkt = text.find('.') != std::string::npos;
    for (char c : text.substr(0, text.find('e')))
        if (c >= '0' && c <= '9') ziffern += c;
    ziffern.erase(0, ziffern.find_first_not_of('0'));
    if (!punkt) ziffern.erase(ziffern.find_last_not_of('0') + 1);
    return static_cast<int>(ziffern.size());
}

// Compared with a plain search over printf's precisions: the text reads back exactly and
// is never longer than the shortest "%.Ng" that does. A whole number may be written out
// in full, as the float's exact value (no noise digits either way).
TEST(KurvenzahlZufall, ReadsBackAndIsNeverLongerThanPrintfsShortest) {
    std::mt19937 zufall(20240611);
    int geprueft = 0;
    while (geprueft < 20000) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(zufall()));
        if (!std::isfinite(f)) continue;
        ++geprueft;
        const std::string text = zor::kurvenzahl(f);
        ASSERT_EQ(std::strtof(text.c_str(), nullptr), f) << text;
        if (text.find_first_of(".e") == std::string::npos) {
            ASSERT_EQ(std::strtod(text.c_str(), nullptr), static_cast<double>(f)) << text;
            continue;
        }
        int n = 1;
        char probe[64];
        for (; n < 9; ++n) {
            std::snprintf(probe, sizeof probe, "%.*g", n, static_cast<double>(f));
            if (std::strtof(probe, nullptr) == f) break;
        }
        ASSERT_LE(stellen(text), n) << text << " gegen " << probe;
    }
}

}  // namespace
