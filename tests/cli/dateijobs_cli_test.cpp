#include "../core/sequenzdateien.h"
#include "../core/testnamen.h"
#include "zor_aufruf.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

using DateijobsCli = ZorCliTest;

TEST_F(DateijobsCli, ConvertCompareDeriveAndPatternRoundTrip) {
    dateiSchreiben(pfad("a.ffo"), "001011");
    auto e = zorAufruf({"convert", pfad("a.ffo")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.fehler, "Geschrieben: " + pfad("a.FAB") + "\n");
    EXPECT_EQ(dateiLesen(pfad("a.FAB")), std::string("\3\0\0\0\2\0\0\0\1\0\0\0", 12));

    dateiSchreiben(pfad("in.bin"), zufallsBytes(20000, 1));
    e = zorAufruf({"corrupt", "bsc", "--p", "0.01", "--protect", "10", pfad("in.bin"), pfad("out.bin")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_THAT(e.aus, HasSubstr("Dateigröße: 20000 Bytes\nQuote: "));
    EXPECT_THAT(e.aus, HasSubstr("Startwert: 1234\n"));
    ASSERT_EQ(zorAufruf({"compare", pfad("in.bin"), pfad("out.bin"), pfad("v.vgl")}).code, 0);
    ASSERT_EQ(zorAufruf({"derive", pfad("v.vgl"), pfad("m.fab")}).code, 0);
    ASSERT_EQ(zorAufruf({"corrupt", "pattern", pfad("in.bin"), pfad("m.fab"), pfad("wieder.bin")}).code, 0);
    EXPECT_EQ(dateiLesen(pfad("wieder.bin")), dateiLesen(pfad("out.bin")));
}

TEST_F(DateijobsCli, GeAndMcPrintTheSummaryToo) {
    dateiSchreiben(pfad("in.bin"), zufallsBytes(1000, 1));
    for (const char* modell : {"ge", "mc"}) {
        const auto e = zorAufruf({"corrupt", modell, "--pgb", "1", "--pbg", "1", "--good", "0", "--bad", "1", "--seed",
                                  "77", pfad("in.bin"), pfad("out.bin")});
        ASSERT_EQ(e.code, 0) << e.fehler;
        EXPECT_THAT(e.aus, HasSubstr("FehlerAnzahl: "));
        EXPECT_THAT(e.aus, HasSubstr("Startwert: 77\n"));
    }
}

struct Fehlaufruf {
    const char* name;
    std::vector<std::string> args;  // "@NAME": a file in the test directory (IN holds 100 bytes)
    int code;
    const char* meldung;
};

class DateijobsFehler : public ZorCliTest, public ::testing::WithParamInterface<Fehlaufruf> {
protected:
    // "@NAME" in a message stands for that file's path, as in the arguments.
    std::string mitPfaden(std::string text) const {
        for (const std::string name : {"FEHLT.ffo", "FEHLT", "DIR"})
            for (auto pos = text.find("@" + name); pos != std::string::npos; pos = text.find("@" + name))
                text.replace(pos, name.size() + 1, pfad(name));
        return text;
    }
};

// One refusal per subcommand, each kind of bad entry once, and directories as inputs.
INSTANTIATE_TEST_SUITE_P(
    Faelle, DateijobsFehler,
    ::testing::Values(
        Fehlaufruf{"BscKomma", {"corrupt", "bsc", "--p", "0,001", "@IN", "@OUT"}, 2, "3. Komma wurde verwendet"},
        Fehlaufruf{"BscStartwertNull", {"corrupt", "bsc", "--seed", "0", "@IN", "@OUT"},
                   2, "zwischen 1 und 9999 annehmen!"},
        Fehlaufruf{"GeSchutzNegativ", {"corrupt", "ge", "--protect", "-3", "@IN", "@OUT"},
                   2, "Falsche Eingabe bei geschützten Bytes!"},
        Fehlaufruf{"McBadUeberEins", {"corrupt", "mc", "--bad", "1.1", "@IN", "@OUT"}, 2, "1. Wert >1"},
        Fehlaufruf{"GeTiefeZuGross", {"corrupt", "ge", "--interleave", "4097", "@IN", "@OUT"},
                   2, "Falsche Eingabe bei der Verschachtelungstiefe!"},
        Fehlaufruf{"McEingabeFehlt", {"corrupt", "mc", "@FEHLT", "@OUT"}, 1, "Fehler beim Öffnen der Datei_1"},
        Fehlaufruf{"BscAusgabeIstEingabe", {"corrupt", "bsc", "@IN", "@IN"}, 2, "dieselbe Datei"},
        Fehlaufruf{"McEingabeLeer", {"corrupt", "mc", "@LEER.ffo", "@OUT"},
                   2, "Die Datei ist 0 Bytes groß!\nDavon sollen 0 Bytes verfälscht werden!"},
        Fehlaufruf{"BscAusgabeVerzeichnisFehlt", {"corrupt", "bsc", "@IN", "@FEHLT/OUT"},
                   1, "Fehler beim Erzeugen der Datei @FEHLT/OUT ...\nDie Datei oder das Verzeichnis existiert nicht.\n"},
        Fehlaufruf{"PatternMusterFehlt", {"corrupt", "pattern", "@IN", "@FEHLT.ffo", "@OUT"},
                   1, "Fehler beim Öffnen der Datei_2"},
        Fehlaufruf{"CompareUngleichGross", {"compare", "@IN", "@KURZ", "@OUT"}, 2, "Dateien sind nicht gleich groß"},
        Fehlaufruf{"CompareLeer", {"compare", "@LEER.ffo", "@LEER.ffo", "@OUT"}, 2, "Fehler bei Lesen der Dateien!"},
        Fehlaufruf{"CompareVerzeichnisse", {"compare", "@DIR", "@DIR", "@OUT"},
                   1, "Fehler beim Öffnen der Datei_1 @DIR ...\nDas ist ein Verzeichnis, keine Datei.\n"},
        Fehlaufruf{"DeriveEingabeFehlt", {"derive", "@FEHLT", "@OUT.ffo"},
                   1, "Fehler beim Lesen der Datei @FEHLT ...\nDie Datei oder das Verzeichnis existiert nicht.\n"},
        Fehlaufruf{"ConvertLeereDatei", {"convert", "@LEER.ffo"}, 2, "Kein Byte gelesen!"},
        Fehlaufruf{"ConvertFehlt", {"convert", "@FEHLT.ffo"},
                   1, "Fehler beim Öffnen der Datei_1 @FEHLT.ffo ...\nDie Datei oder das Verzeichnis existiert nicht.\n"},
        Fehlaufruf{"HexVerzeichnis", {"hex", "@DIR"}, 1, "kann nicht geöffnet werden!\nDas ist ein Verzeichnis, keine Datei."},
        Fehlaufruf{"BinFehlt", {"bin", "@FEHLT"}, 1, "kann nicht geöffnet werden!\nDie Datei oder das Verzeichnis existiert nicht."},
        Fehlaufruf{"BscOhneAusgabe", {"corrupt", "bsc", "@IN"}, 2, ""}),
    testnamen::NachName());

TEST_P(DateijobsFehler, MessageExitCodeAndNoOutput) {
    dateiSchreiben(pfad("IN"), zufallsBytes(100, 1));
    dateiSchreiben(pfad("KURZ"), zufallsBytes(99, 1));
    dateiSchreiben(pfad("LEER.ffo"), "");
    std::filesystem::create_directory(pfad("DIR"));
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args) args.push_back(a[0] == '@' ? pfad(a.substr(1)) : a);
    const auto e = zorAufruf(args);
    EXPECT_EQ(e.code, GetParam().code) << e.fehler;
    EXPECT_THAT(e.fehler, HasSubstr(mitPfaden(GetParam().meldung)));
    EXPECT_TRUE(e.aus.empty());
    EXPECT_FALSE(std::filesystem::exists(pfad("OUT")));
    EXPECT_FALSE(std::filesystem::exists(pfad("OUT.ffo")));
    EXPECT_FALSE(std::filesystem::exists(pfad("LEER.FAB")));
    EXPECT_EQ(dateiLesen(pfad("IN")), zufallsBytes(100, 1));
}

TEST_F(DateijobsCli, HexAndBinPrintEveryLineOfTheViews) {
    dateiSchreiben(pfad("d"), std::string("ABCDEFGHIJKLMNOPQ"));
    auto e = zorAufruf({"hex", pfad("d")});
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.aus, "00000||41|42|43|44|45|46|47|48|49|4A|4B|4C|4D|4E|4F|50||ABCDEFGHIJKLMNOP|\n"
                     "00010||51" + std::string(45, ' ') + "||Q|\n"
                     "00020|" + std::string(48, ' ') + "|||\n");
    dateiSchreiben(pfad("leer"), "");
    e = zorAufruf({"bin", pfad("leer")});
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.aus, "000000||" + std::string(72, ' ') + "||\n");
}

TEST_F(DateijobsCli, DeriveSaysTheSameForBothFormatsAndUnknownCommandsAreNamed) {
    dateiSchreiben(pfad("a"), zufallsBytes(100, 1));
    dateiSchreiben(pfad("b"), zufallsBytes(100, 2));
    ASSERT_EQ(zorAufruf({"compare", pfad("a"), pfad("b"), pfad("d.VGL")}).code, 0);
    for (const char* name : {"m.FFO", "m.FAB"}) {
        const auto e = zorAufruf({"derive", pfad("d.VGL"), pfad(name)});
        EXPECT_EQ(e.code, 0) << e.fehler;
        EXPECT_EQ(e.fehler, "Geschrieben: " + pfad(name) + "\n");
    }
    const auto e = zorAufruf({"bogus"});
    EXPECT_EQ(e.code, 2);
    EXPECT_EQ(e.fehler, "zor: Unbekannter Befehl: bogus (zor --help listet sie)\n");
}

TEST_F(DateijobsCli, ConvertReplacesAnExistingOutputOnlyWithForce) {
    dateiSchreiben(pfad("a.FFO"), "0010");
    dateiSchreiben(pfad("a.FAB"), "alt");
    auto e = zorAufruf({"convert", pfad("a.FFO")});
    EXPECT_EQ(e.code, 2);
    EXPECT_THAT(e.fehler, HasSubstr(pfad("a.FAB") + " existiert bereits"));
    EXPECT_EQ(dateiLesen(pfad("a.FAB")), "alt");
    e = zorAufruf({"convert", "--force", pfad("a.FFO")});
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(dateiLesen(pfad("a.FAB")), std::string("\x03\0\0\0", 4));
}
