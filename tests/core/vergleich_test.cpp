#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "seqfiles/vergleich.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Vergleich : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    KeinFortschritt still;
};

INSTANTIATE_TEST_SUITE_P(Bloecke, Vergleich, ::testing::Values(1, 7, Blockleser::STANDARD_BLOCK));

TEST_P(Vergleich, FileWithItselfGivesZerosAnOnlyCorrectFfoAndAnEmptyFab) {
    const std::string daten = zufallsBytes(1000, 5);
    schreiben(pfad("a.bin"), daten);
    schreiben(pfad("b.bin"), daten);
    ASSERT_TRUE(CompareFile(pfad("a.bin"), pfad("b.bin"), pfad("v.vgl"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("v.vgl")), std::string(1000, '\0'));

    ASSERT_TRUE(MakeFehlerFolge(pfad("v.vgl"), pfad("v.ffo"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("v.ffo")), std::string(8000, '0'));
    const auto e = MakeFehlerAbstand(pfad("v.vgl"), pfad("v.fab"), still, GetParam());
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(lesen(pfad("v.fab")), "");
    EXPECT_EQ(e.meldungen.at(0).text, "Datei: [ " + pfad("v.fab") + " ]\nerfolgreich erstellt!");
}

TEST_P(Vergleich, ComparisonIsTheByteXor) {
    const std::string a = zufallsBytes(777, 1), b = zufallsBytes(777, 2);
    schreiben(pfad("a"), a);
    schreiben(pfad("b"), b);
    ASSERT_TRUE(CompareFile(pfad("a"), pfad("b"), pfad("v.vgl"), still, GetParam()).ok);
    std::string x = a;
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<char>(a[i] ^ b[i]);
    EXPECT_EQ(lesen(pfad("v.vgl")), x);
}

TEST_P(Vergleich, FirstAndLastBitSet) {
    const std::string vgl = testdatei("vgl/first_and_last_bit.vgl");
    ASSERT_TRUE(MakeFehlerFolge(vgl, pfad("f.ffo"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("f.ffo")), "1" + std::string(14, '0') + "1");
    ASSERT_TRUE(MakeFehlerAbstand(vgl, pfad("f.fab"), still, GetParam()).ok);
    EXPECT_THAT(fabWerte(lesen(pfad("f.fab"))), ElementsAre(1, 15));
}

TEST_P(Vergleich, BinViewExportOfAnyFile) {
    schreiben(pfad("c.bin"), "\x2C");
    ASSERT_TRUE(SaveBinFileFab(pfad("c.bin"), pfad("c.FAB"), still, GetParam()).ok);
    EXPECT_THAT(fabWerte(lesen(pfad("c.FAB"))), ElementsAre(3, 2, 1));

    schreiben(pfad("ff.bin"), std::string(3, '\xFF'));
    ASSERT_TRUE(SaveBinFileFab(pfad("ff.bin"), pfad("ff.FAB"), still, GetParam()).ok);
    EXPECT_EQ(fabWerte(lesen(pfad("ff.FAB"))), std::vector<std::int32_t>(24, 1));

    const std::string daten = zufallsBytes(333, 9);
    schreiben(pfad("r.bin"), daten);
    ASSERT_TRUE(SaveBinFileFFO(pfad("r.bin"), pfad("r.FFO"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("r.FFO")), bitsAlsFfo(daten));

    schreiben(pfad("leer.bin"), "");
    ASSERT_TRUE(SaveBinFileFFO(pfad("leer.bin"), pfad("leer.FFO"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("leer.FFO")), "");
}

// Derived FAB = the gaps of the derived FFO, for any bits.
TEST_P(Vergleich, DerivedFabHoldsTheGapsOfTheDerivedFfo) {
    std::string daten = zufallsBytes(500, 3);
    for (std::size_t i = 0; i < daten.size(); i += 3) daten[i] = 0;  // runs of correct bits
    schreiben(pfad("d.vgl"), daten);
    ASSERT_TRUE(MakeFehlerAbstand(pfad("d.vgl"), pfad("d.fab"), still, GetParam()).ok);
    std::vector<std::int32_t> erwartet;
    std::int32_t c = 1;
    for (const char z : bitsAlsFfo(daten)) {
        if (z == '1') {
            erwartet.push_back(c);
            c = 1;
        } else {
            ++c;
        }
    }
    EXPECT_EQ(fabWerte(lesen(pfad("d.fab"))), erwartet);
}

TEST_F(Vergleich, UnequalLengthsAndEmptyFilesAreRefusedWithoutOutput) {
    schreiben(pfad("zehn"), std::string(10, 'a'));
    schreiben(pfad("elf"), std::string(11, 'a'));
    auto e = CompareFile(pfad("zehn"), pfad("elf"), pfad("v.vgl"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldungen.at(0).text, "Dateien sind nicht gleich groß\nDas Vergleichen wird abgebrochen!");
    EXPECT_EQ(e.meldungen.at(0).symbol, Symbol::Information);

    schreiben(pfad("leer1"), "");
    schreiben(pfad("leer2"), "");
    e = CompareFile(pfad("leer1"), pfad("leer2"), pfad("v.vgl"), still);
    EXPECT_EQ(e.meldungen.at(0).text, "Fehler bei Lesen der Dateien!");
    EXPECT_FALSE(std::filesystem::exists(pfad("v.vgl")));
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"elf", "leer1", "leer2", "zehn"}));
}

TEST_F(Vergleich, FailureKeepsAnExistingOutputAsItWas) {
    schreiben(pfad("zehn"), std::string(10, 'a'));
    schreiben(pfad("elf"), std::string(11, 'a'));
    schreiben(pfad("v.vgl"), "vorher");
    EXPECT_FALSE(CompareFile(pfad("zehn"), pfad("elf"), pfad("v.vgl"), still).ok);
    EXPECT_EQ(lesen(pfad("v.vgl")), "vorher");
}

TEST_F(Vergleich, MissingFilesSameFilesAndMissingDirectories) {
    schreiben(pfad("a"), "xy");
    EXPECT_EQ(CompareFile(pfad("fehlt"), pfad("a"), pfad("v"), still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_1 " + pfad("fehlt") + " ...");
    EXPECT_EQ(CompareFile(pfad("a"), pfad("fehlt"), pfad("v"), still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_2 " + pfad("fehlt") + " ...");
    EXPECT_EQ(CompareFile(pfad("a"), pfad("a"), pfad("kein/v"), still).meldungen.at(0).text,
              "Fehler beim Erzeugen der Datei " + pfad("kein/v") + " ...");
    EXPECT_EQ(MakeFehlerFolge(pfad("fehlt"), pfad("f.ffo"), still).meldungen.at(0).text,
              "Fehler beim Erzeugen der Datei " + pfad("fehlt") + " ...");

    std::filesystem::create_hard_link(pfad("a"), pfad("a2"));
    const auto e = CompareFile(pfad("a"), pfad("b"), pfad("a2"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    EXPECT_EQ(lesen(pfad("a")), "xy");
}

TEST_F(Vergleich, OutputNameChoosesTheFormat) {
    const std::string vgl = testdatei("vgl/first_and_last_bit.vgl");
    ASSERT_TRUE(FfoOderFabErstellen(vgl, pfad("x.Ffo"), still).ok);  // not ".FFO"/".ffo": a FAB
    EXPECT_THAT(fabWerte(lesen(pfad("x.Ffo"))), ElementsAre(1, 15));
    ASSERT_TRUE(FfoOderFabErstellen(vgl, pfad("x.ffo.bak"), still).ok);
    EXPECT_EQ(lesen(pfad("x.ffo.bak")).size(), 16u);
}
