#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/seqfiles/vergleich.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::ElementsAre;

class Vergleich : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    // The FFO and the FAB derived from a comparison file; the FAB job's result stays in `letztes`.
    std::string ffo(const std::string& vgl) {
        EXPECT_TRUE(MakeFehlerFolge(vgl, pfad("f.ffo"), still, GetParam()).ok);
        return lesen(pfad("f.ffo"));
    }
    std::vector<std::int32_t> fab(const std::string& vgl) {
        letztes = MakeFehlerAbstand(vgl, pfad("f.fab"), still, GetParam());
        EXPECT_TRUE(letztes.ok);
        return fabWerte(lesen(pfad("f.fab")));
    }
    JobErgebnis letztes;
    KeinFortschritt still;
};

INSTANTIATE_TEST_SUITE_P(Bloecke, Vergleich, ::testing::Values(1, 7, Blockleser::STANDARD_BLOCK),
                         testnamen::blockname);

TEST_P(Vergleich, FileWithItselfGivesZerosAnOnlyCorrectFfoAndAnEmptyFab) {
    schreiben(pfad("a"), zufallsBytes(1000, 5));
    ASSERT_TRUE(CompareFile(pfad("a"), pfad("a"), pfad("v.vgl"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("v.vgl")), std::string(1000, '\0'));
    EXPECT_EQ(ffo(pfad("v.vgl")), std::string(8000, '0'));
    EXPECT_TRUE(fab(pfad("v.vgl")).empty());
    EXPECT_EQ(letztes.meldungen.at(0).text, "Datei: [ " + pfad("f.fab") + " ]\nerfolgreich erstellt!");
}

TEST_P(Vergleich, ComparisonIsTheByteXorAndTheSequencesItsBits) {
    schreiben(pfad("e.vgl"), "\x80\x01");
    EXPECT_EQ(ffo(pfad("e.vgl")), "1" + std::string(14, '0') + "1");
    EXPECT_THAT(fab(pfad("e.vgl")), ElementsAre(1, 15));

    const std::string a = zufallsBytes(777, 1), r = zufallsBytes(777, 2);
    std::string b = a, x(a.size(), '\0');
    for (std::size_t i = 0; i < a.size(); i += 5) x[i] = r[i];  // with runs of correct bits
    for (std::size_t i = 0; i < a.size(); ++i) b[i] = static_cast<char>(a[i] ^ x[i]);
    schreiben(pfad("a"), a);
    schreiben(pfad("b"), b);
    ASSERT_TRUE(CompareFile(pfad("a"), pfad("b"), pfad("v.vgl"), still, GetParam()).ok);
    EXPECT_EQ(lesen(pfad("v.vgl")), x);
    EXPECT_EQ(ffo(pfad("v.vgl")), bitsAlsFfo(x));
    EXPECT_EQ(fab(pfad("v.vgl")), luecken(bitsAlsFfo(x)));
}

TEST_P(Vergleich, BinViewExportOfAnyFile) {
    const auto alsFab = [&](const std::string& daten) {
        schreiben(pfad("d.bin"), daten);
        EXPECT_TRUE(SaveBinFileFab(pfad("d.bin"), pfad("d.FAB"), still, GetParam()).ok);
        return fabWerte(lesen(pfad("d.FAB")));
    };
    EXPECT_THAT(alsFab("\x2C"), ElementsAre(3, 2, 1));
    EXPECT_EQ(alsFab(std::string(3, '\xFF')), std::vector<std::int32_t>(24, 1));

    for (const std::string& daten : {zufallsBytes(333, 9), std::string()}) {
        schreiben(pfad("r.bin"), daten);
        ASSERT_TRUE(SaveBinFileFFO(pfad("r.bin"), pfad("r.FFO"), still, GetParam()).ok);
        EXPECT_EQ(lesen(pfad("r.FFO")), bitsAlsFfo(daten));
    }
}

TEST_F(Vergleich, RefusalsLeaveNoOutputAndKeepAnExistingOne) {
    schreiben(pfad("zehn"), std::string(10, 'a'));
    schreiben(pfad("elf"), std::string(11, 'a'));
    schreiben(pfad("leer"), "");
    schreiben(pfad("v.vgl"), "vorher");
    const auto e = CompareFile(pfad("zehn"), pfad("elf"), pfad("v.vgl"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldungen.at(0).text, "Dateien sind nicht gleich groß\nDas Vergleichen wird abgebrochen!");
    EXPECT_EQ(e.meldungen.at(0).symbol, Symbol::Information);
    EXPECT_EQ(lesen(pfad("v.vgl")), "vorher");

    EXPECT_TRUE(e.abgelehnt);

    const auto text = [](const JobErgebnis& j) { return j.meldungen.at(0).text; };
    const std::string fehlt = "\nDie Datei oder das Verzeichnis existiert nicht.";
    EXPECT_EQ(text(CompareFile(pfad("leer"), pfad("leer"), pfad("v"), still)), "Fehler bei Lesen der Dateien!");
    EXPECT_EQ(text(CompareFile(pfad("fehlt"), pfad("zehn"), pfad("v"), still)),
              "Fehler beim Öffnen der Datei_1 " + pfad("fehlt") + " ..." + fehlt);
    EXPECT_EQ(text(CompareFile(pfad("zehn"), pfad("fehlt"), pfad("v"), still)),
              "Fehler beim Öffnen der Datei_2 " + pfad("fehlt") + " ..." + fehlt);
    EXPECT_EQ(text(CompareFile(pfad("zehn"), pfad("zehn"), pfad("kein/v"), still)),
              "Fehler beim Erzeugen der Datei " + pfad("kein/v") + " ..." + fehlt);
    // A missing input is a failure to read it, not to create anything.
    EXPECT_EQ(text(MakeFehlerFolge(pfad("fehlt"), pfad("f.ffo"), still)),
              "Fehler beim Lesen der Datei " + pfad("fehlt") + " ..." + fehlt);
    EXPECT_EQ(text(CompareFile(dir_.string(), pfad("zehn"), pfad("v"), still)),
              "Fehler beim Öffnen der Datei_1 " + dir_.string() + " ...\nDas ist ein Verzeichnis, keine Datei.");
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"elf", "leer", "v.vgl", "zehn"}));
}

// Eight characters per byte: a comparison file of a terabyte (sparse, so it costs nothing
// here) gives an FFO that fits on no disk; it is refused before anything is written.
TEST_F(Vergleich, AnFfoLargerThanTheFreeSpaceIsRefusedBeforeWriting) {
    schreiben(pfad("gross.vgl"), "");
    std::error_code fehler;
    std::filesystem::resize_file(pfad("gross.vgl"), std::uintmax_t{1} << 40, fehler);
    if (fehler) GTEST_SKIP() << "no sparse files here";
    const auto e = FfoOderFabErstellen(pfad("gross.vgl"), pfad("g.ffo"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text,
                ::testing::HasSubstr("Die Ausgabedatei " + pfad("g.ffo") + " würde 8796093022208 Bytes groß"));
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"gross.vgl"}));
}
