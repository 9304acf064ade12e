// The readers of the two sequence formats at their edges: block borders, the final line
// end, the recorded length, and how much of a file is checked.
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/io/folgenleser.h"

#include <gtest/gtest.h>

using namespace zor;

class Folgenleser : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {
protected:
    // Everything an FFO reader hands out, and how it stopped.
    std::string alles(FfoLeser& l) {
        std::string s;
        for (auto b = l.naechster(); !b.empty(); b = l.naechster()) s.append(b.begin(), b.end());
        return s;
    }
    std::string ffo(const std::string& inhalt, std::optional<std::uint64_t> laenge = std::nullopt) {
        schreiben(pfad("f.ffo"), inhalt);
        FfoLeser l(pfad("f.ffo"), GetParam(), laenge);
        std::string s = alles(l);
        if (l.gut()) {
            EXPECT_EQ(s.size(), l.zeichen());
        }
        stand = l.stand();
        position = l.ungueltigBei();
        return s;
    }
    Lesestand stand = Lesestand::Gut;
    std::uint64_t position = 0;
};

INSTANTIATE_TEST_SUITE_P(Bloecke, Folgenleser, ::testing::Values(1, 2, 7, 64, Blockleser::STANDARD_BLOCK),
                         testnamen::blockname);

TEST_P(Folgenleser, OneFinalLineEndIsNoPartOfTheSequence) {
    EXPECT_EQ(ffo("0110\n"), "0110");
    EXPECT_EQ(ffo("0110\r\n"), "0110");
    EXPECT_EQ(ffo("\n"), "");
    EXPECT_EQ(stand, Lesestand::Gut);
    // The line end belongs to the end of the recorded length, not to the file's.
    EXPECT_EQ(ffo("0110\n0000", 5), "0110");
    ffo("0110\r\n", 5);
    EXPECT_EQ(stand, Lesestand::Ungueltig);
    EXPECT_EQ(position, 5u);
}

TEST_P(Folgenleser, AnyOtherByteStopsWithItsPosition) {
    for (const auto& [text, an] : {std::pair<std::string, std::uint64_t>{"0110\n\n", 5}, {"0110\r", 5}, {"2", 1},
                                   {std::string(100, '1') + '\0' + "1", 101}, {std::string(999, '0') + "/", 1000}}) {
        ffo(text);
        EXPECT_EQ(stand, Lesestand::Ungueltig) << an;
        EXPECT_EQ(position, an);
    }
    schreiben(pfad("x.ffo"), "0x");
    FfoLeser l(pfad("x.ffo"), GetParam());
    alles(l);
    EXPECT_EQ(l.ungueltigText("x.ffo"), "Ungültiges Zeichen an Position 2 der Fehlerfolge x.ffo (nur 0 und 1 erlaubt).");
}

// A job that needs fewer characters than the file holds checks only those.
TEST_P(Folgenleser, OnlyTheCharactersHandedOutAreChecked) {
    schreiben(pfad("t.ffo"), "00011x");
    FfoLeser l(pfad("t.ffo"), GetParam());
    std::string s;
    for (auto b = l.naechster(5); !b.empty(); b = l.naechster(5 - s.size())) s.append(b.begin(), b.end());
    EXPECT_EQ(s, "00011");
    EXPECT_TRUE(l.gut());
}

TEST_P(Folgenleser, ShortOrMissingFilesSaySo) {
    schreiben(pfad("k.ffo"), "0101");
    FfoLeser kurz(pfad("k.ffo"), GetParam(), 10);
    EXPECT_TRUE(alles(kurz).empty());
    EXPECT_EQ(kurz.stand(), Lesestand::Kuerzer);
    EXPECT_EQ(FfoLeser(pfad("fehlt.ffo")).stand(), Lesestand::NichtOffen);
    schreiben(pfad("k.fab"), fabBytes({4, 5}));
    FabLeser fab(pfad("k.fab"), GetParam(), 12);
    std::int32_t g;
    EXPECT_FALSE(fab.naechster(g));  // nothing of a file that is not what was recorded
    EXPECT_EQ(fab.stand(), Lesestand::Kuerzer);
}

TEST_P(Folgenleser, FabRecordsBelowOneAreGapsOfOneAndTheBitsAreSummed) {
    schreiben(pfad("a.fab"), fabBytes({5, 0, -7, 2147483647, INT32_MIN, 1}) + "\x09");
    FabLeser l(pfad("a.fab"), GetParam(), 24);  // the stray byte lies past the recorded length
    std::vector<std::int32_t> werte;
    std::int32_t g;
    while (l.naechster(g)) werte.push_back(g);
    EXPECT_EQ(werte, (std::vector<std::int32_t>{5, 1, 1, 2147483647, 1, 1}));
    EXPECT_EQ(l.unterEins(), 3u);
    EXPECT_EQ(l.rest(), 0u);
    EXPECT_EQ(fabHinweise(l, "a.fab"),
              (std::vector<std::string>{"3 Einträge der FAB-Datei a.fab lagen unter 1 und wurden als Abstand 1 gelesen."}));
    EXPECT_EQ(fabBits(pfad("a.fab"), GetParam()), 2147483647u + 9u);
    EXPECT_EQ(fabBits(pfad("fehlt.fab")), std::nullopt);
}
