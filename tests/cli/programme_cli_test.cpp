// The desktop program's command line works without a display, and zor's bash completion
// offers what zor's own help lists.

#include "zor_aufruf.h"
#include "../core/testnamen.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

namespace {

struct Startaufruf {
    const char* name;
    const char* args;
    int code;
    const char* aus;     // a part of stdout ("" for none at all)
    const char* fehler;  // a part of stderr ("" for none at all)
};

class ZorwerkStart : public ::testing::TestWithParam<Startaufruf> {};

// No display variable and no platform: exactly where Qt would abort.
TEST_P(ZorwerkStart, AnswersWithoutADisplay) {
#ifndef ZOR_WERK
    GTEST_SKIP() << "ohne das Programm gebaut";
#else
    const auto e = befehlAufrufen("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + zorQuote(ZOR_WERK) + " " +
                                  GetParam().args);
    EXPECT_EQ(e.code, GetParam().code) << e.fehler;
    if (*GetParam().aus) EXPECT_THAT(e.aus, HasSubstr(GetParam().aus));
    else EXPECT_EQ(e.aus, "");
    if (*GetParam().fehler) EXPECT_THAT(e.fehler, HasSubstr(GetParam().fehler));
    else EXPECT_EQ(e.fehler, "");
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Argumente, ZorwerkStart,
    ::testing::Values(Startaufruf{"Hilfe", "--help", 0, "Aufruf: zorwerk [OPTION]", ""},
                      Startaufruf{"HilfeKurz", "-h", 0, "--version, -v", ""},
                      Startaufruf{"Fassung", "--version", 0, "zorwerk 0.", ""},
                      Startaufruf{"Unbekannt", "--bogus", 2, "", "zorwerk: Unbekanntes Argument \"--bogus\""},
                      Startaufruf{"DateiBrauchtBildschirm", "bild.ffo", 1, "", "Kein Bildschirm gefunden"},
                      Startaufruf{"QtOptionOhneWert", "-style", 2, "", "Zu -style fehlt ein Wert."},
                      Startaufruf{"OhneBildschirm", "", 1, "", "Kein Bildschirm gefunden"},
                      Startaufruf{"QtOptionOhneBildschirm", "--style fusion", 1, "", "xvfb-run zorwerk"}),
    testnamen::NachName());

struct Vervollstaendigung {
    const char* name;
    const char* woerter;   // the command line up to the cursor, the last word being completed
    const char* angebot;   // the completions, space-separated, in order
};

class ZorVervollstaendigung : public ZorCliTest, public ::testing::WithParamInterface<Vervollstaendigung> {};

TEST_P(ZorVervollstaendigung, OffersWhatZorKnows) {
    dateiSchreiben(pfad("bild.bmp"), "x");
    const std::string skript = "source " + zorQuote(ZOR_VERVOLLSTAENDIGUNG) + "; COMP_WORDS=(" +
                               GetParam().woerter + "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _zor; echo \"${COMPREPLY[*]}\"";
    const auto e = befehlAufrufen("cd " + zorQuote(dir_.string()) + " && PATH=" +
                                  zorQuote(std::filesystem::path(ZOR_BINARY).parent_path().string()) +
                                  ":\"$PATH\" bash -c " + zorQuote(skript));
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, std::string(GetParam().angebot) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, ZorVervollstaendigung,
    ::testing::Values(Vervollstaendigung{"Befehle", "zor co", "convert compare corrupt"},
                      Vervollstaendigung{"NeuerBefehl", "zor bei", "beispiele"},
                      Vervollstaendigung{"Unterbefehle", "zor corrupt ''", "pattern bsc ge mc"},
                      Vervollstaendigung{"Optionen", "zor corrupt bsc --p", "--p --protect"},
                      Vervollstaendigung{"DateiNachBefehl", "zor hex bi", "bild.bmp"},
                      Vervollstaendigung{"KeineOptionErfunden", "zor hex --x", ""}),
    testnamen::NachName());

}  // namespace
