#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "seqfiles/dateiquelle.h"
#include "seqfiles/dateityp.h"
#include "seqfiles/konvertieren.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Konvertieren_ : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    std::size_t block() const { return GetParam(); }
    KeinFortschritt still;
};

// Tiny blocks put every record and character boundary across a block edge.
INSTANTIATE_TEST_SUITE_P(Bloecke, Konvertieren_, ::testing::Values(1, 3, 5, 12, 4096, Blockleser::STANDARD_BLOCK));

TEST_P(Konvertieren_, WorkedExampleBothWays) {
    schreiben(pfad("a.ffo"), "001011");
    const auto e = Convert_Ffo_To_Fab(pfad("a.ffo"), still, block());
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.ausgabe, pfad("a.FAB"));
    EXPECT_THAT(fabWerte(lesen(pfad("a.FAB"))), ElementsAre(3, 2, 1));
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0].text, "Eingabedatei: [ " + pfad("a.ffo") + " ]\nAusgabedatei: [" + pfad("a.FAB") +
                                       "]\n\nDas Schreiben war erfolgreich!");
    EXPECT_EQ(e.meldungen[0].titel, "Multimedia und Zorwerk");

    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("a.FAB"), still, block()).ok);
    EXPECT_EQ(lesen(pfad("a.FFO")), "001011");
}

TEST_P(Konvertieren_, TrailingCorrectBitsAreLost) {
    schreiben(pfad("t.ffo"), lesen(testdatei("ffo/trailing_correct_bit.ffo")));
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("t.ffo"), still, block()).ok);
    EXPECT_THAT(fabWerte(lesen(pfad("t.FAB"))), ElementsAre(3, 2, 1));
}

TEST_P(Konvertieren_, OtherBytesCountAsCorrectInTheConverterButAsErrorsInKonvertieren) {
    const std::string crlf = lesen(testdatei("ffo/crlf_line_end.ffo"));
    schreiben(pfad("c.ffo"), crlf);
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("c.ffo"), still, block()).ok);
    EXPECT_THAT(fabWerte(lesen(pfad("c.FAB"))), ElementsAre(2, 2));

    ZorState s = startZustand();
    std::string szFile = pfad("c.ffo");
    const auto k = Konvertieren(s, szFile, [](const std::string&) { return true; }, still, block());
    ASSERT_EQ(k.art, KonvertierenErgebnis::Art::Erfolg);
    EXPECT_EQ(szFile, pfad("c.fAB"));
    EXPECT_THAT(fabWerte(lesen(pfad("c.fAB"))), ElementsAre(2, 2, 1, 1));
}

TEST_P(Konvertieren_, RecordsOfOneOrLessExpandToASingleError) {
    schreiben(pfad("z.fab"), lesen(testdatei("fab/zero_and_negative_records.fab")));
    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("z.fab"), still, block()).ok);
    EXPECT_EQ(lesen(pfad("z.FFO")), "111");
}

TEST_P(Konvertieren_, IncompleteLastRecordIsIgnoredAndSaidSo) {
    schreiben(pfad("i.fab"), lesen(testdatei("fab/incomplete_last_record.fab")));
    const auto e = Convert_Fab_To_Ffo(pfad("i.fab"), still, block());
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(lesen(pfad("i.FFO")), "00101");
    ASSERT_EQ(e.meldungen.size(), 2u);
    EXPECT_THAT(e.meldungen[1].text, HasSubstr("2 Bytes"));
}

TEST_P(Konvertieren_, EmptyFilesAndFilesWithoutErrors) {
    schreiben(pfad("leer.ffo"), "");
    const auto e = Convert_Ffo_To_Fab(pfad("leer.ffo"), still, block());
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldungen.at(0).text, "Kein Byte gelesen!");
    EXPECT_EQ(e.meldungen.at(0).titel, "Convert_Ffo_To_Fab");
    EXPECT_FALSE(std::filesystem::exists(pfad("leer.FAB")));

    schreiben(pfad("null.ffo"), lesen(testdatei("ffo/no_error.ffo")));
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("null.ffo"), still, block()).ok);
    EXPECT_EQ(lesen(pfad("null.FAB")), "");

    schreiben(pfad("leer.fab"), "");
    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("leer.fab"), still, block()).ok);
    EXPECT_EQ(lesen(pfad("leer.FFO")), "");
}

TEST(KonvertierNamen, MultimediaAndChannelModelRules) {
    EXPECT_EQ(konvertierName("data.ffo", TYP_FAB), "data.FAB");
    EXPECT_EQ(konvertierName("data", TYP_FAB), "data.FAB");
    EXPECT_EQ(konvertierName("a.b/data", TYP_FFO), "a.b/data.FFO");
    EXPECT_EQ(konvertierName("x.tar.fab", TYP_FFO), "x.tar.FFO");
    EXPECT_EQ(konvertierenName("data.ffo", TYP_FFO), "data.fAB");
    EXPECT_EQ(konvertierenName("data.FAB", TYP_FAB), "data.FFO");
    EXPECT_EQ(konvertierenName("data.fab", TYP_FAB), "data.fFO");
}

TEST_F(Konvertieren_, MultimediaRuleTakesFfoOnlyInExactCase) {
    schreiben(pfad("d.Ffo"), fabBytes({2}));
    ASSERT_TRUE(SelectConvertFunction(pfad("d.Ffo"), still).ok);
    EXPECT_EQ(lesen(pfad("d.FFO")), "01");
    EXPECT_EQ(SelectConvertFunction("", still).meldungen.at(0).text, "Fehler beim Öffnen der Datei!");
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

TEST_F(Konvertieren_, OutputThatIsTheInputIsRefusedAndNothingIsWritten) {
    schreiben(pfad("e.ffo"), "0001");
    std::filesystem::create_symlink(pfad("e.ffo"), pfad("e.FAB"));
    const auto e = Convert_Ffo_To_Fab(pfad("e.ffo"), still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    EXPECT_EQ(lesen(pfad("e.ffo")), "0001");
}

TEST_F(Konvertieren_, MissingInputAndMissingOutputDirectoryAreReported) {
    auto e = Convert_Fab_To_Ffo(pfad("fehlt.fab"), still);
    EXPECT_EQ(e.meldungen.at(0).text, "Fehler beim Öffnen der Datei_1 " + pfad("fehlt.fab") + " ...");

    ZorState s = startZustand();
    std::string szFile = pfad("fehlt.FFO");
    auto k = Konvertieren(s, szFile, [](const std::string&) { return true; }, still);
    EXPECT_EQ(k.job.meldungen.at(0).text, "Datei kann nicht geöffnet werden!");
    szFile = pfad("daten.txt");
    k = Konvertieren(s, szFile, [](const std::string&) { return true; }, still);
    EXPECT_EQ(k.job.meldungen.at(0).text, "Kein gültiger Dateiname!");
}

TEST_F(Konvertieren_, KonvertierenAsksBeforeReplacingAndNeedsUpToDateDocuments) {
    schreiben(pfad("q.FFO"), "01");
    schreiben(pfad("q.FAB"), "alt");
    ZorState s = startZustand();
    std::string szFile = pfad("q.FFO");
    std::string frage;
    auto k = Konvertieren(s, szFile, [&](const std::string& f) { frage = f; return false; }, still);
    EXPECT_EQ(k.art, KonvertierenErgebnis::Art::Abgelehnt);
    EXPECT_EQ(frage, pfad("q.FAB") + "\nDie Datei existiert bereits!\nDatei überschreiben?");
    EXPECT_EQ(lesen(pfad("q.FAB")), "alt");

    s.Fenster.aktualisiert = 0;
    szFile = pfad("q.FFO");
    k = Konvertieren(s, szFile, [](const std::string&) { return true; }, still);
    EXPECT_EQ(k.art, KonvertierenErgebnis::Art::Aufforderung);
    EXPECT_EQ(lesen(pfad("q.FAB")), "alt");
}

TEST_F(Konvertieren_, KonvertierenRefreshesTheSetThatReadsItsOutput) {
    schreiben(pfad("s.FAB"), fabBytes({1}));
    schreiben(pfad("s.FFO"), "0001");
    ZorState s = startZustand();
    s.Fenster.null = 0;
    ASSERT_EQ(Load(s, 0, pfad("s.FAB")).art, LadenErgebnis::Art::Erfolg);
    s.Fenster.aktualisiert = 1;
    s.FKF.ermittelt1 = s.FAV.ermittelt1 = 1;

    std::string szFile = pfad("s.FFO");
    const auto k = Konvertieren(s, szFile, [](const std::string&) { return true; }, still);
    ASSERT_EQ(k.art, KonvertierenErgebnis::Art::Erfolg);
    EXPECT_TRUE(k.aktualisierenFreigeben);
    EXPECT_EQ(s.Datei1.laenge, 4);
    EXPECT_EQ(s.Datei1.datei, TYP_FAB);
    EXPECT_EQ(s.FKF.ermittelt1, 0);
    EXPECT_EQ(s.FAV.ermittelt1, 0);
    EXPECT_EQ(s.Fenster.aktualisiert, 0);
}

// Long texts with runs, dense stretches and stray bytes, against the plain rules.
TEST_P(Konvertieren_, LongTextsFollowTheByteRules) {
    std::string text;
    std::uint64_t x = 7;
    for (int i = 0; i < 20000; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const unsigned r = static_cast<unsigned>(x >> 58);  // 0..63
        text += i % 3000 < 1500 ? (r < 2 ? '1' : '0') : (r < 30 ? '1' : r < 33 ? "x\r\n"[r - 30] : '0');
    }
    const auto luecken = [&](bool nurEins) {
        std::vector<std::int32_t> w;
        std::int32_t c = 1;
        for (const char z : text) {
            if (nurEins ? z == '1' : z != '0') {
                w.push_back(c);
                c = 1;
            } else {
                ++c;
            }
        }
        return w;
    };
    schreiben(pfad("l.ffo"), text);
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("l.ffo"), still, block()).ok);
    EXPECT_EQ(fabWerte(lesen(pfad("l.FAB"))), luecken(true));
    ZorState s = startZustand();
    std::string szFile = pfad("l.ffo");
    ASSERT_EQ(Konvertieren(s, szFile, [](const std::string&) { return true; }, still, block()).art,
              KonvertierenErgebnis::Art::Erfolg);
    EXPECT_EQ(fabWerte(lesen(pfad("l.fAB"))), luecken(false));
}
