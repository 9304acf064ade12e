#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/seqfiles/dateiquelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/konvertieren.h"
#include "core/util/format.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Art = KonvertierenErgebnis::Art;

class Konvertieren_ : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    // Writes `inhalt` as `name`, converts it by the multimedia rule and returns the output
    // ("-" when the job failed; its result stays in `letztes`).
    std::string wandeln(const std::string& name, const std::string& inhalt) {
        schreiben(pfad(name), inhalt);
        letztes = SelectConvertFunction(pfad(name), still, GetParam());
        return letztes.ok ? lesen(letztes.ausgabe) : "-";
    }
    KonvertierenErgebnis konvertieren(std::string& szFile, std::size_t block = Blockleser::STANDARD_BLOCK) {
        return Konvertieren(s, szFile, [](const std::string&) { return true; }, still, block);
    }
    JobErgebnis letztes;
    ZorState s = startZustand();
    KeinFortschritt still;
};

// Tiny blocks put every record and character boundary across a block edge.
INSTANTIATE_TEST_SUITE_P(Bloecke, Konvertieren_, ::testing::Values(1, 3, 5, 12, 4096, Blockleser::STANDARD_BLOCK),
                         testnamen::blockname);

TEST_P(Konvertieren_, WorkedExamplesAndEdges) {
    EXPECT_THAT(fabWerte(wandeln("a.ffo", "001011")), ElementsAre(3, 2, 1));
    EXPECT_EQ(letztes.ausgabe, pfad("a.FAB"));
    ASSERT_EQ(letztes.meldungen.size(), 1u);
    EXPECT_EQ(letztes.meldungen[0].text, "Eingabedatei: [ " + pfad("a.ffo") + " ]\nAusgabedatei: [" + pfad("a.FAB") +
                                             "]\n\nDas Schreiben war erfolgreich!");
    EXPECT_EQ(letztes.meldungen[0].titel, "Multimedia und Zorwerk");
    EXPECT_EQ(wandeln("a.fab", fabBytes({3, 2, 1})), "001011");
    EXPECT_THAT(fabWerte(wandeln("t.ffo", "0010110")), ElementsAre(3, 2, 1));  // trailing correct bit lost, and said
    ASSERT_EQ(letztes.meldungen.size(), 2u);
    EXPECT_THAT(letztes.meldungen[1].text, HasSubstr("Die 1 fehlerfreien Bits nach dem letzten Fehler"));
    EXPECT_THAT(fabWerte(wandeln("c.ffo", "0101\r\n")), ElementsAre(2, 2));    // the final line end is not read
    EXPECT_EQ(wandeln("z.fab", fabBytes({0, -5, 1})), "111");
    ASSERT_EQ(letztes.meldungen.size(), 2u);
    EXPECT_EQ(letztes.meldungen[1].text,
              "2 Einträge der FAB-Datei " + pfad("z.fab") + " lagen unter 1 und wurden als Abstand 1 gelesen.");
    EXPECT_EQ(wandeln("d.Ffo", fabBytes({2})), "01");  // not ".FFO"/".ffo": read as a FAB
    EXPECT_EQ(wandeln("n.ffo", std::string(50, '0')), "");
    EXPECT_EQ(wandeln("n.fab", ""), "");

    EXPECT_EQ(wandeln("i.fab", fabBytes({3, 2, 1}).substr(0, 10)), "00101");
    ASSERT_EQ(letztes.meldungen.size(), 2u);
    EXPECT_THAT(letztes.meldungen[1].text, HasSubstr("2 Bytes"));

    EXPECT_EQ(wandeln("leer.ffo", ""), "-");
    EXPECT_EQ(letztes.meldungen.at(0).text, "Kein Byte gelesen!");
    EXPECT_EQ(letztes.meldungen.at(0).titel, "Convert_Ffo_To_Fab");
    EXPECT_FALSE(std::filesystem::exists(pfad("leer.FAB")));
}

// Both converters read an FFO by one rule: "0", "1" and one final line end; any other byte
// is refused with its position and leaves no output.
TEST_P(Konvertieren_, BothConvertersReadAnFfoByOneRule) {
    for (const std::string ende : {"", "\n", "\r\n"}) {
        EXPECT_THAT(fabWerte(wandeln("c.ffo", "0101" + ende)), ElementsAre(2, 2));
        std::string szFile = pfad("c.ffo");
        ASSERT_EQ(konvertieren(szFile, GetParam()).art, Art::Erfolg);
        EXPECT_THAT(fabWerte(lesen(szFile)), ElementsAre(2, 2));
    }
    const std::string lang = std::string(5000, '0') + "1x";
    for (const auto& [text, position] : {std::pair<std::string, int>{"01x1", 3}, {"0101\n\n", 5}, {"0101\r", 5},
                                         {"\r\n0", 1}, {lang, 5002}}) {
        const std::string erwartet = "Ungültiges Zeichen an Position " + std::to_string(position) +
                                     " der Fehlerfolge " + pfad("u.ffo") + " (nur 0 und 1 erlaubt).";
        EXPECT_EQ(wandeln("u.ffo", text), "-");
        EXPECT_EQ(letztes.meldungen.at(0).text, erwartet);
        std::string szFile = pfad("u.ffo");
        const auto k = konvertieren(szFile, GetParam());
        EXPECT_EQ(k.art, Art::Fehler);
        EXPECT_EQ(k.job.meldungen.at(0).text, erwartet);
    }
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"c.FAB", "c.fAB", "c.ffo", "u.ffo"}));
}

// Long texts with runs and dense stretches give the gaps of the plain rule, through the
// word-at-a-time path and across every block border.
TEST_P(Konvertieren_, ValidTextsGiveThePlainGaps) {
    std::string text;
    std::uint64_t x = 7;
    for (int i = 0; i < 20000; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const unsigned r = static_cast<unsigned>(x >> 58);  // 0..63
        text += i % 3000 < 1500 ? (r < 2 ? '1' : '0') : (r < 30 ? '1' : '0');
    }
    EXPECT_EQ(fabWerte(wandeln("l.ffo", text)), luecken(text));
    std::string szFile = pfad("l.ffo");
    ASSERT_EQ(konvertieren(szFile, GetParam()).art, Art::Erfolg);
    EXPECT_EQ(fabWerte(lesen(szFile)), luecken(text));
}

TEST(KonvertierNamen, MultimediaAndChannelModelRules) {
    EXPECT_EQ(konvertierName("data.ffo", TYP_FAB), "data.FAB");
    EXPECT_EQ(konvertierName("data", TYP_FAB), "data.FAB");
    EXPECT_EQ(konvertierName("a.b/data", TYP_FFO), "a.b/data.FFO");
    EXPECT_EQ(konvertierName("x.tar.fab", TYP_FFO), "x.tar.FFO");
    EXPECT_EQ(konvertierenName("data.ffo", TYP_FFO), "data.fAB");
    EXPECT_EQ(konvertierenName("data.fab", TYP_FAB), "data.fFO");
}

TEST_F(Konvertieren_, ProgressWindowOnlyFrom400Bytes) {
    AufzeichnenderFortschritt f;
    schreiben(pfad("k.ffo"), std::string(398, '0') + "1");
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("k.ffo"), f).ok);
    EXPECT_EQ(f.starts, 0);
    EXPECT_TRUE(f.schritte.empty());

    schreiben(pfad("g.ffo"), std::string(1000, '1'));
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("g.ffo"), f).ok);
    EXPECT_EQ(f.starts, 1);
    EXPECT_EQ(f.enden, 1);
    EXPECT_EQ(f.label, pfad("g.FAB"));
    ASSERT_FALSE(f.schritte.empty());
    EXPECT_EQ(f.schritte.back(), 100);  // items 1, 11, ..., 991
}

// One long gap is most of the work: the steps run through its characters, not the records.
TEST_F(Konvertieren_, FabExpansionStepsFollowTheCharacters) {
    schreiben(pfad("l.fab"), fabBytes({1, 2000000}));
    AufzeichnenderFortschritt f;
    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("l.fab"), f).ok);
    EXPECT_EQ(std::filesystem::file_size(pfad("l.FFO")), 2000001u);
    ASSERT_GE(f.schritte.size(), 100u);
    for (std::size_t i = 0; i < f.schritte.size(); ++i) EXPECT_EQ(f.schritte[i], static_cast<int>(i + 1));
}

// A few records can stand for more characters than any disk holds: the sum is taken first
// and the conversion refused before anything is written.
TEST_F(Konvertieren_, AFabTooLargeToExpandIsRefusedBeforeWriting) {
    const std::string riesig = fabBytes(std::vector<std::int32_t>(1 << 20, 2147483647));  // 2^51 characters
    schreiben(pfad("r.fab"), riesig);
    const auto e = Convert_Fab_To_Ffo(pfad("r.fab"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text,
                HasSubstr("Die Ausgabedatei " + pfad("r.FFO") + " würde 2251799812636672 Bytes groß"));
    schreiben(pfad("r.FAB"), riesig);
    std::string szFile = pfad("r.FAB");
    const auto k = konvertieren(szFile);
    EXPECT_EQ(k.art, Art::Fehler);
    EXPECT_THAT(k.job.meldungen.at(0).text, HasSubstr("würde 2251799812636672 Bytes groß"));
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"r.FAB", "r.fab"}));
}

TEST_F(Konvertieren_, RefusalsAndMissingFilesLeaveNothingBehind) {
    schreiben(pfad("e.ffo"), "0001");
    std::filesystem::create_symlink(pfad("e.ffo"), pfad("e.FAB"));
    auto e = Convert_Ffo_To_Fab(pfad("e.ffo"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    EXPECT_TRUE(e.abgelehnt);
    EXPECT_EQ(lesen(pfad("e.ffo")), "0001");

    e = Convert_Fab_To_Ffo(pfad("fehlt.fab"), still);
    EXPECT_FALSE(e.abgelehnt);  // a missing file is a failure, not a refusal
    const std::string fehlt = "\nDie Datei oder das Verzeichnis existiert nicht.";
    EXPECT_EQ(e.meldungen.at(0).text, "Fehler beim Öffnen der Datei_1 " + pfad("fehlt.fab") + " ..." + fehlt);
    EXPECT_EQ(SelectConvertFunction("", still).meldungen.at(0).text, "Fehler beim Öffnen der Datei!");
    std::string szFile = pfad("fehlt.FFO");
    EXPECT_EQ(konvertieren(szFile).job.meldungen.at(0).text, "Datei kann nicht geöffnet werden!" + fehlt);
    szFile = pfad("daten.txt");
    EXPECT_EQ(konvertieren(szFile).job.meldungen.at(0).text, "Kein gültiger Dateiname!");
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"e.FAB", "e.ffo"}));
}

// Konvertieren needs up-to-date documents, asks before replacing an output, and never
// writes onto the file a set reads (the set's input, like the conversion's own).
TEST_F(Konvertieren_, KonvertierenAsksAndNeverReplacesTheFileASetReads) {
    schreiben(pfad("s.FAB"), fabBytes({1}));
    schreiben(pfad("s.FFO"), "0001");
    s.Fenster.null = 0;
    ASSERT_EQ(Load(s, 0, pfad("s.FAB")).art, LadenErgebnis::Art::Erfolg);
    std::string szFile = pfad("s.FFO");
    EXPECT_EQ(konvertieren(szFile).art, Art::Aufforderung);

    s.Fenster.aktualisiert = 1;
    schreiben(pfad("t.FAB"), "alt");
    std::string frage;
    szFile = pfad("t.FFO");
    schreiben(szFile, "0001");
    EXPECT_EQ(Konvertieren(s, szFile, [&](const std::string& f) { frage = f; return false; }, still).art, Art::Abgelehnt);
    EXPECT_EQ(frage, pfad("t.FAB") + "\nDie Datei existiert bereits!\nDatei überschreiben?");
    EXPECT_EQ(lesen(pfad("t.FAB")), "alt");

    szFile = pfad("s.FFO");
    const auto k = konvertieren(szFile);
    ASSERT_EQ(k.art, Art::Fehler);
    EXPECT_TRUE(k.job.abgelehnt);
    EXPECT_EQ(k.job.meldungen.at(0).text, format(TEXT_GLEICHE_DATEI, pfad("s.FAB").c_str(), pfad("s.FAB").c_str()));
    EXPECT_EQ(lesen(pfad("s.FAB")), fabBytes({1}));
    EXPECT_EQ(s.Fenster.aktualisiert, 1);
}
