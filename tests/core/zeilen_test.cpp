#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/media/zeilen.h"

#include <gtest/gtest.h>

using namespace zor;

namespace {
std::span<const unsigned char> bytes(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}
}  // namespace

TEST(Zeilen, FullShortAndOffsetOnlyLinesArePaddedAsTheViewsDo) {
    EXPECT_EQ(hex_SnapLine(bytes("ABCDEFGHIJKLMNO\x01"), 0x120),
              "00120||41|42|43|44|45|46|47|48|49|4A|4B|4C|4D|4E|4F|01||ABCDEFGHIJKLMNO.|");
    EXPECT_EQ(bin_SnapLine(bytes("\x2C\xFF" "abcdef"), 8),
              "000008||00101100|11111111|01100001|01100010|01100011|01100100|01100101|01100110||,.abcdef|");
    EXPECT_EQ(hex_SnapLine(bytes("\x7F"), 16), "00010||7F" + std::string(45, ' ') + "||.|" + std::string(90, ' '));
    EXPECT_EQ(bin_SnapLine(bytes(""), 0x10), "000010||" + std::string(72, ' ') + "||" + std::string(48, ' '));
    EXPECT_EQ(hex_SnapLine(bytes(""), 0xFFFFF0), "FFFFF0|" + std::string(48, ' ') + "|||" + std::string(96, ' '));
}

class ZeilenDatei : public TempVerzeichnis, public ::testing::WithParamInterface<std::tuple<std::size_t, std::size_t>> {};

INSTANTIATE_TEST_SUITE_P(GroessenUndBloecke, ZeilenDatei,
                         ::testing::Combine(::testing::Values(0, 1, 16, 17, 5000), ::testing::Values(1, 40, 1 << 20)),
                         [](const auto& fall) {
                             return "Datei" + testnamen::groesse(std::get<0>(fall.param)) + "_Block" +
                                    testnamen::groesse(std::get<1>(fall.param));
                         });

TEST_P(ZeilenDatei, EveryLineOfTheFileThenTheOffsetOnlyLine) {
    const auto [groesse, block] = GetParam();
    std::string daten(groesse, '\0');
    for (std::size_t i = 0; i < groesse; ++i) daten[i] = static_cast<char>(i * 7);
    schreiben(pfad("d"), daten);
    for (const Ansicht art : {Ansicht::Hex, Ansicht::Bin}) {
        const std::size_t proZeile = art == Ansicht::Hex ? 16 : 8;
        std::string text;
        ASSERT_TRUE(alleZeilen(art, pfad("d"), [&](std::string_view t) { text += t; return true; }, block).ok);
        std::string erwartet;
        for (std::size_t z = 0; z < (groesse + proZeile - 1) / proZeile + 1; ++z) {
            const std::string teil = daten.substr(std::min(z * proZeile, groesse), proZeile);
            erwartet += (art == Ansicht::Hex ? hex_SnapLine(bytes(teil), z * proZeile)
                                             : bin_SnapLine(bytes(teil), z * proZeile)) + "\n";
        }
        EXPECT_EQ(text, erwartet);
    }
}

TEST(Zeilen, MissingFileIsReported) {
    const auto e = alleZeilen(Ansicht::Hex, "/nicht/da", [](std::string_view) { return true; });
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung.text,
              "Die Datei /nicht/da kann nicht geöffnet werden!\nDie Datei oder das Verzeichnis existiert nicht.");
}
