#include "temp_verzeichnis.h"

#include "core/seqfiles/dateiquelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"
#include "core/util/systemfehler.h"

#include <sys/stat.h>

#include "core/util/format.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zor;

class Dateiquelle : public TempVerzeichnis {
protected:
    ZorState s = startZustand();
};

TEST_F(Dateiquelle, LoadMakesTheSetReadTheFile) {
    schreiben(pfad("x.ffo"), "0010");
    s.Fenster.null = 0;
    const auto e = Load(s, 1, pfad("x.ffo"));
    ASSERT_EQ(e.art, LadenErgebnis::Art::Erfolg);
    EXPECT_TRUE(e.aktualisierenFreigeben);
    EXPECT_EQ(s.Modell.M2, DATEI2);
    EXPECT_EQ(s.Modell.sim2, 1);
    EXPECT_EQ(s.Datei2.laenge, 4);
    EXPECT_EQ(s.Datei2.datei, TYP_FFO);
    EXPECT_EQ(s.Datei2.szFileName, pfad("x.ffo"));
    EXPECT_EQ(s.Fenster.aktualisiert, 0);
    EXPECT_EQ(s.Modell.M1, BSC1);  // the other set is untouched
}

TEST_F(Dateiquelle, LoadRefusals) {
    schreiben(pfad("leer.FFO"), "");
    schreiben(pfad("data.txt"), "01");

    auto e = Load(s, 0, pfad("data.txt"));
    ASSERT_EQ(e.meldungen.size(), 2u);
    EXPECT_EQ(e.meldungen[0].text, "Kein gültiger Dateiname!");
    EXPECT_EQ(e.meldungen[1].text, "kein gültiger Dateiname");
    EXPECT_EQ(Load(s, 0, pfad("leer.FFO")).meldungen.at(0).text, "Dateilänge == 0\n" + pfad("leer.FFO"));
    EXPECT_EQ(Load(s, 0, pfad("fehlt.fab")).meldungen.at(0).text, "Datei kann nicht gelesen werden!");
    // A pipe would block the reader for ever: refused at once, with the reason to say.
    ASSERT_EQ(::mkfifo(pfad("x.FFO").c_str(), 0600), 0);
    const auto fifo = Load(s, 0, pfad("x.FFO"));
    EXPECT_EQ(fifo.meldungen.at(0).text, "Datei kann nicht gelesen werden!");
    EXPECT_EQ(systemgrund(fifo.fehlernummer), "Das ist keine reguläre Datei.");
    EXPECT_EQ(s.Modell.M1, BSC1);
    EXPECT_EQ(s.Datei1.szFileName, "");

    s.Fenster.aktualisiert = 0;
    EXPECT_EQ(Load(s, 0, pfad("data.txt")).art, LadenErgebnis::Art::Aufforderung);
}

// A file a set reads is an input: saving set 2 into it is refused and leaves it whole.
// A file rewritten all the same (by another program) refreshes the set that reads it.
TEST_F(Dateiquelle, TheFileASetReadsIsNeverSavedOverAndARewriteRefreshesTheSet) {
    schreiben(pfad("q.FFO"), "01");
    std::filesystem::create_symlink("q.FFO", dir_ / "verweis.FFO");
    s.Fenster.null = 0;
    ASSERT_EQ(Load(s, 0, pfad("q.FFO")).art, LadenErgebnis::Art::Erfolg);
    EXPECT_EQ(satzDateien(s), Eingaben{pfad("q.FFO")});
    s.Fenster.aktualisiert = 1;
    s.FKF.ermittelt1 = s.FAV.ermittelt1 = s.FKF.ermittelt2 = 1;
    s.Modell.M2 = BSC2;
    KeinFortschritt still;
    for (const char* ziel : {"q.FFO", "verweis.FFO"}) {
        const Ergebnis e = SaveFolge(s, 1, TYP_FFO, pfad(ziel), still);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.meldung.text, format(TEXT_GLEICHE_DATEI, pfad(ziel).c_str(), pfad("q.FFO").c_str()));
    }
    EXPECT_EQ(lesen(pfad("q.FFO")), "01");

    schreiben(pfad("q.FFO"), std::string(10000, '0'));
    EXPECT_TRUE(Datei_ueberschrieben(s, pfad("verweis.FFO")));
    EXPECT_EQ(s.Datei1.laenge, 10000);
    EXPECT_EQ(s.FKF.ermittelt1, 0);
    EXPECT_EQ(s.FAV.ermittelt1, 0);
    EXPECT_EQ(s.FKF.ermittelt2, 1);
    EXPECT_EQ(s.Fenster.aktualisiert, 0);

    // Another file: nothing changes.
    s.Fenster.aktualisiert = 1;
    EXPECT_FALSE(Datei_ueberschrieben(s, pfad("anders.FFO")));
    EXPECT_EQ(s.Fenster.aktualisiert, 1);
}

TEST_F(Dateiquelle, DateiUeberschriebenLeavesMenusAloneWhileNoDocumentIsOpen) {
    schreiben(pfad("q.FAB"), "1234");
    ASSERT_EQ(Load(s, 0, pfad("q.FAB")).art, LadenErgebnis::Art::Erfolg);  // Fenster.null is set
    s.Fenster.aktualisiert = 1;
    schreiben(pfad("q.FAB"), "12345678");
    EXPECT_FALSE(Datei_ueberschrieben(s, pfad("q.FAB")));
    EXPECT_EQ(s.Datei1.laenge, 8);
    EXPECT_EQ(s.Fenster.aktualisiert, 1);
}
