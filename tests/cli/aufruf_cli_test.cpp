// Wrong calls of zor: every message in German with the names and values the user gave,
// exit code 2, and nothing of the argument parser's English left over.
#include "../core/testnamen.h"
#include "zor_aufruf.h"

#include <gmock/gmock.h>

#include <regex>

using ::testing::HasSubstr;

namespace {

struct Aufruf {
    const char* name;
    std::vector<std::string> args;
    const char* meldung;  // the whole message line, without "zor: "
};

class FalscherAufruf : public ::testing::TestWithParam<Aufruf> {};

// Words of the parser's English messages; none may reach the user.
const std::regex ENGLISCH(
    R"(\b(required|received|expected|Expected|argument|arguments|missing|convert|Value|excludes|requires|not found|Run with|subcommand|option|At Most|At least)\b)");

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Faelle, FalscherAufruf,
    ::testing::Values(
        Aufruf{"ZuVieleArgumente", {"corrupt", "bsc", "a", "b", "c"}, "Unerwartete Angabe: c"},
        Aufruf{"ZuWenigeArgumente", {"corrupt", "bsc", "a"}, "OUT fehlt"},
        Aufruf{"OptionZweimal", {"fav", "--preset", "ge1", "--points", "30", "--points", "40"},
               "--points: höchstens 1 erlaubt, aber 2 angegeben"},
        Aufruf{"UnbekannteOption", {"fav", "--preset", "ge1", "--bogus"}, "Unerwartete Angabe: --bogus"},
        Aufruf{"PflichtoptionFehlt", {"sequence", "--preset", "bsc1"}, "--out fehlt"},
        Aufruf{"WertFehlt", {"sequence", "--preset", "bsc1", "--out"}, "--out: der Wert fehlt"},
        Aufruf{"KeineZahl", {"sequence", "--preset", "bsc1", "--set", "x", "--out", "a.FFO"}, "--set: ungültiger Wert x"},
        Aufruf{"NichtErlaubt", {"sequence", "--preset", "bsc1", "--set", "3", "--out", "a.FFO"}, "--set: 3 nicht in {1,2}"},
        Aufruf{"SchalterMitWert", {"fav", "--preset", "ge1", "--theory=x"}, "Nicht umwandelbar: --theory = x"},
        Aufruf{"KeinBefehl", {}, "Ein Befehl fehlt (zor --help listet sie)"},
        Aufruf{"UnbekannterBefehl", {"bogus"}, "Unbekannter Befehl: bogus (zor --help listet sie)"},
        Aufruf{"UnbekannterTeilbefehl", {"corrupt", "bogus"}, "Unbekannter Befehl: corrupt bogus (zor --help listet sie)"},
        Aufruf{"TeilbefehlFehlt", {"corrupt"}, "Ein Befehl fehlt (zor --help listet sie)"}),
    testnamen::NachName());

TEST_P(FalscherAufruf, SaysWhatIsWrongInGermanAndExitsWithTwo) {
    const auto e = zorAufruf(GetParam().args);
    EXPECT_EQ(e.code, 2);
    EXPECT_EQ(e.fehler, "zor: " + std::string(GetParam().meldung) + "\n");
    EXPECT_FALSE(std::regex_search(e.fehler, ENGLISCH)) << e.fehler;
    EXPECT_TRUE(e.aus.empty());
}

using Schutz = ZorCliTest;

// The protected byte count is read as the whole number it denotes: 1e3 is 1000.
TEST_F(Schutz, AnExponentProtectsThatManyBytes) {
    std::ofstream(pfad("ein"), std::ios::binary) << std::string(1001, '\x0F');
    const auto e = zorAufruf({"corrupt", "bsc", "--p", "1", "--protect", "1e3", pfad("ein"), pfad("aus")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(dateiLesen(pfad("aus")), std::string(1000, '\x0F') + '\xF0');
}
