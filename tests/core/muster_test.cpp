#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "corruption/muster.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::HasSubstr;

class Muster : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    // Corrupts `eingabe` with the pattern bytes; the pattern file is named `name`.
    JobErgebnis anwenden(const std::string& eingabe, const std::string& muster, const std::string& name) {
        schreiben(pfad("ein"), eingabe);
        schreiben(pfad(name), muster);
        return MusterVerfaelschen({pfad("ein"), pfad(name), pfad("aus")}, still, GetParam());
    }
    std::string aus() const { return lesen(pfad("aus")); }
    KeinFortschritt still;
};

// Small blocks put pattern characters and records across block edges; 16 bytes of input
// per block make the FAB job move through several blocks.
INSTANTIATE_TEST_SUITE_P(Bloecke, Muster, ::testing::Values(8, 13, 128, Blockleser::STANDARD_BLOCK));

TEST_P(Muster, FfoExamples) {
    const std::string ein = zufallsBytes(40, 4);
    ASSERT_TRUE(anwenden(ein, std::string(320, '0'), "p.ffo").ok);
    EXPECT_EQ(aus(), ein);
    ASSERT_TRUE(anwenden(ein, std::string(320, '1') + "extra", "p.FFO").ok);
    std::string komplement = ein;
    for (char& c : komplement) c = static_cast<char>(~c);
    EXPECT_EQ(aus(), komplement);
    ASSERT_TRUE(anwenden(std::string(2, '\0'), "10000000" "00000001", "p.ffo").ok);
    EXPECT_EQ(aus(), std::string("\x80\x01", 2));
}

TEST_P(Muster, FfoRefusals) {
    const std::string ein = zufallsBytes(40, 4);
    auto e = anwenden(ein, std::string(319, '0'), "kurz.ffo");
    EXPECT_EQ(e.meldungen.at(0).text, pfad("kurz.ffo") + " ist zu klein!");
    EXPECT_FALSE(std::filesystem::exists(pfad("aus")));

    e = anwenden(ein, std::string(300, '0') + "2" + std::string(19, '0'), "falsch.ffo");
    EXPECT_EQ(e.meldungen.at(0).text, "ungültige FFO-Datei!");
    EXPECT_EQ(e.meldungen.at(0).titel, "Multimedia und Zorwerk");
    EXPECT_FALSE(std::filesystem::exists(pfad("aus")));

    e = anwenden("", "", "leer.ffo");
    EXPECT_EQ(e.meldungen.at(0).text, "Fehler bei Lesen der Datei!");
    EXPECT_FALSE(std::filesystem::exists(pfad("aus")));
}

TEST_P(Muster, FabExamples) {
    ASSERT_TRUE(anwenden(std::string(2, '\0'), fabBytes({1, 8}), "p.fab").ok);
    EXPECT_EQ(aus(), std::string("\x80\x80", 2));
    ASSERT_TRUE(anwenden(std::string(2, '\0'), fabBytes({8}), "p.fab").ok);
    EXPECT_EQ(aus(), std::string("\x01\x00", 2));
    ASSERT_TRUE(anwenden(std::string(2, '\0'), fabBytes({3, 0}), "p.fab").ok);  // 0 inverts back
    EXPECT_EQ(aus(), std::string(2, '\0'));
    const std::string ein = zufallsBytes(100, 8);
    ASSERT_TRUE(anwenden(ein, "", "p.fab").ok);
    EXPECT_EQ(aus(), ein);
    ASSERT_TRUE(anwenden(std::string(1, '\0'), fabBytes({2}), "p.Ffo").ok);  // read as a FAB
    EXPECT_EQ(aus(), "\x40");
}

TEST_P(Muster, FabRecordsOutsideTheInputAreSkippedAndCounted) {
    // -1 -> 4 -> 2 (back into the first bytes) -> 19 (past the end) -> 20 -> 9
    const auto e = anwenden(std::string(2, '\0'), fabBytes({0, 5, -2, 17, 1, -11}), "p.fab");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.uebersprungen, 3u);
    EXPECT_EQ(aus(), std::string("\x28\x40", 2));
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_THAT(e.meldungen[0].text, HasSubstr("3 Einträge"));
}

// Any records, against the plain definition: record k inverts bit (sum of the first k) - 1.
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
        pos += g;
        if (pos >= 0 && pos < 8 * 64) erwartet[static_cast<std::size_t>(pos / 8)] ^= static_cast<char>(0x80 >> (pos % 8));
    }
    ASSERT_TRUE(anwenden(ein, fabBytes(werte), "r.fab").ok);
    EXPECT_EQ(aus(), erwartet);
}

TEST_F(Muster, IncompleteLastRecordAndProgress) {
    schreiben(pfad("ein"), std::string(1000, 'x'));
    schreiben(pfad("i.fab"), lesen(testdatei("fab/incomplete_last_record.fab")));
    AufzeichnenderFortschritt f;
    const auto e = CreateFabErrorFile({pfad("ein"), pfad("i.fab"), pfad("aus")}, f);
    ASSERT_TRUE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("keinen vollständigen Eintrag"));
    EXPECT_EQ(f.label, pfad("aus"));
    EXPECT_EQ(f.status, "wird erstellt!");
    EXPECT_EQ(f.starts, f.enden);
}

TEST_F(Muster, OutputMayBeNeitherInputNorPattern) {
    schreiben(pfad("ein"), "ab");
    schreiben(pfad("p.ffo"), std::string(16, '1'));
    std::filesystem::create_symlink(pfad("p.ffo"), pfad("link"));
    for (const std::string& ausgabe : {pfad("ein"), pfad("link")}) {
        const auto e = CreateFfoErrorFile({pfad("ein"), pfad("p.ffo"), ausgabe}, still);
        EXPECT_FALSE(e.ok);
        EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    }
    EXPECT_EQ(lesen(pfad("ein")), "ab");
    EXPECT_EQ(lesen(pfad("p.ffo")), std::string(16, '1'));
    EXPECT_EQ(CreateFfoErrorFile({pfad("fehlt"), pfad("p.ffo"), pfad("aus")}, still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_1 " + pfad("fehlt") + " ...");
    EXPECT_EQ(CreateFabErrorFile({pfad("ein"), pfad("fehlt"), pfad("aus")}, still).meldungen.at(0).text,
              "Fehler beim Öffnen der Datei_2 " + pfad("fehlt") + " ...");
}
