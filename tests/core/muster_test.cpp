#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/corruption/muster.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::HasSubstr;

class Muster : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    // Corrupts `eingabe` with the pattern bytes (the pattern file is named `name`) and
    // returns the copy, or "-" when there is none.
    std::string anwenden(const std::string& eingabe, const std::string& muster, const std::string& name = "p.fab") {
        schreiben(pfad("ein"), eingabe);
        schreiben(pfad(name), muster);
        std::filesystem::remove(pfad("aus"));
        letztes = MusterVerfaelschen({pfad("ein"), pfad(name), pfad("aus")}, still, GetParam());
        EXPECT_EQ(letztes.ok, std::filesystem::exists(pfad("aus")));
        return letztes.ok ? lesen(pfad("aus")) : "-";
    }
    JobErgebnis letztes;
    KeinFortschritt still;
};

// Small blocks put pattern characters and records across block edges; 16 bytes of input
// per block make the FAB job move through several blocks.
INSTANTIATE_TEST_SUITE_P(Bloecke, Muster, ::testing::Values(8, 13, 128, Blockleser::STANDARD_BLOCK),
                         testnamen::blockname);

TEST_P(Muster, FfoExamplesAndRefusals) {
    const std::string ein = zufallsBytes(40, 4);
    std::string komplement = ein;
    for (char& c : komplement) c = static_cast<char>(~c);
    EXPECT_EQ(anwenden(ein, std::string(320, '0'), "p.ffo"), ein);
    EXPECT_EQ(anwenden(ein, std::string(320, '1') + "extra", "p.FFO"), komplement);
    EXPECT_EQ(anwenden(std::string(2, '\0'), "1000000000000001", "p.ffo"), "\x80\x01");

    EXPECT_EQ(anwenden(ein, std::string(319, '0'), "p.ffo"), "-");
    EXPECT_EQ(letztes.meldungen.at(0).text, pfad("p.ffo") + " ist zu klein!");
    EXPECT_EQ(anwenden(ein, std::string(300, '0') + "2" + std::string(19, '0'), "p.ffo"), "-");
    EXPECT_EQ(letztes.meldungen.at(0).text,
              "Ungültiges Zeichen an Position 301 der Fehlerfolge " + pfad("p.ffo") + " (nur 0 und 1 erlaubt).");
    EXPECT_EQ(letztes.meldungen.at(0).titel, "Multimedia und Zorwerk");
    // A final line end is no part of the pattern, so it cannot make up a missing character.
    EXPECT_EQ(anwenden(ein, std::string(320, '1') + "\r\n", "p.ffo"), komplement);
    EXPECT_EQ(anwenden(ein, std::string(319, '1') + "\n", "p.ffo"), "-");
    EXPECT_EQ(letztes.meldungen.at(0).text, pfad("p.ffo") + " ist zu klein!");
    EXPECT_EQ(anwenden("", "", "p.ffo"), "-");
    EXPECT_EQ(letztes.meldungen.at(0).text, "Fehler bei Lesen der Datei!");
}

TEST_P(Muster, FabExamples) {
    const std::string null2(2, '\0'), ein = zufallsBytes(100, 8);
    EXPECT_EQ(anwenden(null2, fabBytes({1, 8})), "\x80\x80");
    EXPECT_EQ(anwenden(null2, fabBytes({8})), std::string("\x01\x00", 2));
    EXPECT_EQ(anwenden(null2, fabBytes({3, 0})), std::string("\x30\x00", 2));  // 0 is a gap of 1
    EXPECT_EQ(letztes.meldungen.at(0).text,
              "1 Eintrag der FAB-Datei " + pfad("p.fab") + " lag unter 1 und wurde als Abstand 1 gelesen.");
    EXPECT_EQ(anwenden(ein, ""), ein);
    EXPECT_EQ(anwenden(std::string(1, '\0'), fabBytes({2}), "p.Ffo"), "\x40");  // read as a FAB
    EXPECT_EQ(anwenden(null2, fabBytes({3, 2, 1}).substr(0, 10)), std::string("\x28\x00", 2));
    EXPECT_THAT(letztes.meldungen.at(0).text, HasSubstr("keinen vollständigen Eintrag"));
}

TEST_P(Muster, FabRecordsPastTheInputAreSkippedAndCounted) {
    // Records below 1 are gaps of 1, so the position never moves back:
    // 0 -> 5 -> 6 -> 23 (past the end) -> 24 -> 25
    EXPECT_EQ(anwenden(std::string(2, '\0'), fabBytes({0, 5, -2, 17, 1, -11})), std::string("\x86\x00", 2));
    EXPECT_EQ(letztes.uebersprungen, 3u);
    ASSERT_EQ(letztes.meldungen.size(), 2u);
    EXPECT_THAT(letztes.meldungen[0].text, HasSubstr("3 Einträge der FAB-Datei " + pfad("p.fab") + " zeigen"));
    EXPECT_THAT(letztes.meldungen[1].text, HasSubstr("3 Einträge der FAB-Datei " + pfad("p.fab") + " lagen unter 1"));
}

// Any records, against the plain definition: record k inverts bit (sum of the first k gaps)
// - 1, a record below 1 being a gap of 1.
TEST_P(Muster, FabMatchesTheDefinitionForRandomRecords) {
    const std::string ein = zufallsBytes(64, 21);
    std::vector<std::int32_t> werte;
    std::uint64_t x = 99;
    for (int i = 0; i < 300; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        werte.push_back(static_cast<std::int32_t>((x >> 33) % 40) - (i % 7 == 0 ? 30 : 0));
    }
    std::string erwartet = ein;
    std::int64_t pos = -1;
    for (const auto g : werte) {
        pos += std::max(g, 1);
        if (pos < 8 * 64) erwartet[static_cast<std::size_t>(pos / 8)] ^= static_cast<char>(0x80 >> (pos % 8));
    }
    EXPECT_EQ(anwenden(ein, fabBytes(werte)), erwartet);
}

TEST_F(Muster, OutputMayBeNeitherInputNorPatternAndInputsMustExist) {
    schreiben(pfad("ein"), "ab");
    schreiben(pfad("p.ffo"), std::string(16, '1'));
    std::filesystem::create_symlink(pfad("p.ffo"), pfad("link"));
    for (const std::string& ausgabe : {pfad("ein"), pfad("link")})
        EXPECT_THAT(CreateFfoErrorFile({pfad("ein"), pfad("p.ffo"), ausgabe}, still).meldungen.at(0).text,
                    HasSubstr("dieselbe Datei"));
    EXPECT_EQ(lesen(pfad("ein")), "ab");
    EXPECT_EQ(lesen(pfad("p.ffo")), std::string(16, '1'));
    EXPECT_EQ(CreateFfoErrorFile({pfad("fehlt"), pfad("p.ffo"), pfad("aus")}, still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_1 " + pfad("fehlt") + " ...\nDie Datei oder das Verzeichnis existiert nicht.");
    EXPECT_EQ(CreateFabErrorFile({pfad("ein"), pfad("fehlt"), pfad("aus")}, still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_2 " + pfad("fehlt") + " ...\nDie Datei oder das Verzeichnis existiert nicht.");
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"ein", "link", "p.ffo"}));
}
