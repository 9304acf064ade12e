// zor midi prints the expected listing of every MIDI sample, and exits 3 where a damaged
// file stopped it (its last line names the byte); unreadable files fail.
#include "zor_aufruf.h"

#include <algorithm>
#include <filesystem>

namespace {

const std::filesystem::path MIDI = std::filesystem::path(ZOR_TESTDATEN) / "midi";

std::vector<std::string> listings() {
    std::vector<std::string> s;
    for (const auto& e : std::filesystem::directory_iterator(MIDI))
        if (e.path().extension() == ".txt") s.push_back(e.path().stem().string());
    std::sort(s.begin(), s.end());
    return s;
}

class ZorMidi : public ::testing::TestWithParam<std::string> {};

TEST_P(ZorMidi, GibtDieErwarteteListeAus) {
    const std::string datei = (MIDI / (GetParam() + ".mid")).string();
    const ZorErgebnis e = zorAufruf({"midi", datei});
    std::string soll = dateiLesen(MIDI / (GetParam() + ".txt"));
    EXPECT_EQ(e.code, soll.find(" (bei Byte ") == std::string::npos ? 0 : 3) << e.fehler;
    // The first line names the file as given on the command line.
    soll.replace(0, soll.find('\n'), "MIDI FILE:\t\t " + datei);
    EXPECT_EQ(e.aus, soll);
    EXPECT_TRUE(e.fehler.empty());
}

INSTANTIATE_TEST_SUITE_P(Beispiele, ZorMidi, ::testing::ValuesIn(listings()),
                         [](const auto& p) { return p.param; });

TEST(ZorMidiFehler, NichtLesbarGibtExitEinsUndDieMeldung) {
    for (const std::string& datei : {(MIDI / "not_a_midi_file.mid").string(), (MIDI / "fehlt.mid").string()}) {
        const ZorErgebnis e = zorAufruf({"midi", datei});
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.fehler, "Fehler beim Lesen der Datei!\n");
        EXPECT_TRUE(e.aus.empty());
    }
    EXPECT_EQ(zorAufruf({"midi"}).code, 2);
}

}  // namespace
