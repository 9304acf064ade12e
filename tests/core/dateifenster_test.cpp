#include "temp_verzeichnis.h"

#include "core/media/dateifenster.h"
#include "core/media/markierung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace zor;

namespace {

std::vector<Lauf> laeufe(Ansicht art, const std::string& zeile) {
    std::vector<Lauf> l;
    roteLaeufe(art, zeile, [&](Lauf x) { l.push_back(x); });
    return l;
}

std::span<const unsigned char> bytes(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

}  // namespace

using Dateifensterlesen = TempVerzeichnis;

TEST_F(Dateifensterlesen, ReadsAtAnyOffsetAndStopsAtTheEnd) {
    schreiben(pfad("d"), "0123456789");
    Dateifenster f(pfad("d"));
    ASSERT_TRUE(f.offen());
    EXPECT_EQ(f.groesse(), 10u);
    std::vector<unsigned char> b(8);
    EXPECT_EQ(f.lese(6, b), 4u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "6789");
    EXPECT_EQ(f.lese(10, b), 0u);
    EXPECT_EQ(f.lese(~std::uint64_t{0}, b), 0u);
}

TEST_F(Dateifensterlesen, ShrunkVanishedOrReplacedFileGivesNoStaleBytes) {
    schreiben(pfad("d"), std::string(100, 'x'));
    Dateifenster f(pfad("d"));
    std::vector<unsigned char> b(100);
    std::filesystem::resize_file(pfad("d"), 30);
    EXPECT_EQ(f.lese(0, b), 30u);
    EXPECT_EQ(f.lese(40, b), 0u);
    EXPECT_EQ(f.groesse(), 100u) << "the size stays the one at opening";

    std::filesystem::remove(pfad("d"));
    EXPECT_EQ(f.lese(0, b), 0u);
    schreiben(pfad("d"), std::string(100, 'y'));
    EXPECT_EQ(f.lese(0, b), 0u) << "a new file under the old name is not the one shown";
}

TEST_F(Dateifensterlesen, OnlyRegularFilesOpen) {
    EXPECT_FALSE(Dateifenster(pfad("fehlt")).offen());
    EXPECT_FALSE(Dateifenster(dir_.string()).offen());
    EXPECT_EQ(Dateifenster(dir_.string()).groesse(), 0u);
}

TEST_F(Dateifensterlesen, SparseFileBeyondFourGiBReadsAtItsEnd) {
    const std::uint64_t gross = std::uint64_t{5} << 30;
    schreiben(pfad("gross"), "");
    std::filesystem::resize_file(pfad("gross"), gross);
    Dateifenster f(pfad("gross"));
    ASSERT_EQ(f.groesse(), gross);
    std::vector<unsigned char> b(64, 0xAA);
    EXPECT_EQ(f.lese(gross - 16, b), 16u);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(zeilenAnzahl(Ansicht::Hex, gross), gross / 16 + 1);
    EXPECT_EQ(hex_SnapLine(std::span(b).first(16), gross - 16).substr(0, 10), "13FFFFFF0|");
    EXPECT_EQ(zeilenBreite(Ansicht::Hex, gross), HEX_BREITE + 4);
}

TEST(Ansichtszeilen, CountsEndWithTheOffsetOnlyLine) {
    struct Fall {
        Ansicht art;
        std::uint64_t groesse, zeilen;
    };
    for (const Fall& f : {Fall{Ansicht::Hex, 0, 1}, Fall{Ansicht::Hex, 16, 2}, Fall{Ansicht::Hex, 17, 3},
                          Fall{Ansicht::Bin, 0, 1}, Fall{Ansicht::Bin, 8, 2}, Fall{Ansicht::Bin, 9, 3}})
        EXPECT_EQ(zeilenAnzahl(f.art, f.groesse), f.zeilen) << f.groesse;
    EXPECT_EQ(zeilenBreite(Ansicht::Hex, 17), HEX_BREITE);
    EXPECT_EQ(zeilenBreite(Ansicht::Bin, 17), BIN_BREITE);
    EXPECT_EQ(zeilenBreite(Ansicht::Hex, 0xFFFF0), HEX_BREITE);
    EXPECT_EQ(zeilenBreite(Ansicht::Hex, 0x100000), HEX_BREITE + 1) << "the last offset needs six digits";
}

TEST(Ansichtszeilen, RedRunsAreTheNonZeroDigitsAndTheOneBits) {
    const std::string hex = hex_SnapLine(bytes(std::string("\x00\x10\x0A\xFF", 4)), 0);
    // "00000||00|10|0A|FF|..." : the 1 of 10, the A of 0A and FF.
    EXPECT_EQ(laeufe(Ansicht::Hex, hex), (std::vector<Lauf>{{10, 1}, {14, 1}, {16, 2}}));
    EXPECT_TRUE(laeufe(Ansicht::Hex, hex_SnapLine({}, 0x123450)).empty()) << "offset digits stay gray";

    const std::string bin = bin_SnapLine(bytes("\x2C\xFF"), 0x1F0);
    // "0001F0||00101100|11111111|": bits 2, 4, 5 of the first byte, all of the second.
    EXPECT_EQ(laeufe(Ansicht::Bin, bin), (std::vector<Lauf>{{10, 1}, {12, 2}, {17, 8}}));
    const std::string breit = bin_SnapLine(bytes("\x01"), 0x1000000);
    EXPECT_EQ(laeufe(Ansicht::Bin, breit), (std::vector<Lauf>{{16, 1}})) << "a seventh offset digit shifts the columns";
}
