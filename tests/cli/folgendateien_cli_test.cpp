// Every subcommand reads an FFO or FAB file by the same rule: curves, conversion and the
// pattern corruption agree on what a file means, whatever its length.

#include "../core/sequenzdateien.h"
#include "zor_aufruf.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

using ::testing::HasSubstr;

namespace {

using Folgendateien = ZorCliTest;

std::string fav(const std::string& datei) {
    const auto e = zorAufruf({"fav", "--model", "file", "--file", datei, "--points", "20"});
    EXPECT_EQ(e.code, 0) << e.fehler;
    return e.aus;
}

// An editor's final line end changes nothing; a stray character is refused by every
// subcommand with the same words.
TEST_F(Folgendateien, FfoLineEndsAndStrayCharactersMeanTheSameEverywhere) {
    const std::string folge = bitsAlsFfo(zufallsBytes(64, 3));
    dateiSchreiben(pfad("g.FFO"), folge);
    dateiSchreiben(pfad("n.FFO"), folge + "\n");
    dateiSchreiben(pfad("in.bin"), zufallsBytes(64, 5));
    EXPECT_EQ(fav(pfad("n.FFO")), fav(pfad("g.FFO")));
    for (const char* name : {"g", "n"}) {
        const std::string ffo = pfad(std::string(name) + ".FFO");
        ASSERT_EQ(zorAufruf({"convert", ffo}).code, 0);
        ASSERT_EQ(zorAufruf({"corrupt", "pattern", pfad("in.bin"), ffo, pfad(std::string(name) + ".bin")}).code, 0);
    }
    EXPECT_EQ(dateiLesen(pfad("n.FAB")), dateiLesen(pfad("g.FAB")));
    EXPECT_EQ(dateiLesen(pfad("n.bin")), dateiLesen(pfad("g.bin")));

    dateiSchreiben(pfad("x.FFO"), folge.substr(0, 16) + "x" + folge);
    const std::string text = "Ungültiges Zeichen an Position 17 der Fehlerfolge ";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"convert", pfad("x.FFO")},
          {"fav", "--model", "file", "--file", pfad("x.FFO")},
          {"fkf", "--model", "file", "--file", pfad("x.FFO")},
          {"corrupt", "pattern", pfad("in.bin"), pfad("x.FFO"), pfad("x.bin")}}) {
        const auto e = zorAufruf(args);
        EXPECT_NE(e.code, 0) << args[0];
        EXPECT_THAT(e.fehler, HasSubstr(text)) << args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(pfad("x.FAB")));
    EXPECT_FALSE(std::filesystem::exists(pfad("x.bin")));
}

// A record below 1 is an error right after the previous one, for the curves, the
// conversion and the pattern corruption alike; the FAB and its FFO give the same results.
TEST_F(Folgendateien, FabRecordsBelowOneAreGapsOfOneEverywhere) {
    dateiSchreiben(pfad("r.FAB"), fabBytes({3, 0, 2, -5, 3}));
    auto e = zorAufruf({"convert", pfad("r.FAB")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(dateiLesen(pfad("r.FFO")), "0011011001");
    EXPECT_THAT(e.fehler, HasSubstr("2 Einträge der FAB-Datei " + pfad("r.FAB") + " lagen unter 1"));
    EXPECT_EQ(fav(pfad("r.FAB")), fav(pfad("r.FFO")));

    dateiSchreiben(pfad("in.bin"), std::string(1, '\0'));
    ASSERT_EQ(zorAufruf({"corrupt", "pattern", pfad("in.bin"), pfad("r.FAB"), pfad("fab.bin")}).code, 0);
    ASSERT_EQ(zorAufruf({"corrupt", "pattern", pfad("in.bin"), pfad("r.FFO"), pfad("ffo.bin")}).code, 0);
    EXPECT_EQ(dateiLesen(pfad("fab.bin")), "\x36");  // bits 2, 3, 5, 6
    EXPECT_EQ(dateiLesen(pfad("ffo.bin")), "\x36");
}

// A file source just past 2 GiB is read to its end. The file is sparse (no disk space;
// its holes are records of 0, so gaps of 1) and ends in the gaps 7 and 5.
TEST_F(Folgendateien, FileSourcesPast2GiBAreReadToTheEnd) {
    const std::uint64_t loch = std::uint64_t{1} << 31;
    dateiSchreiben(pfad("s.FAB"), "");
    std::filesystem::resize_file(pfad("s.FAB"), loch);
    { std::ofstream(pfad("s.FAB"), std::ios::binary | std::ios::app) << fabBytes({7, 5}); }
    struct stat st {};
    ASSERT_EQ(::stat(pfad("s.FAB").c_str(), &st), 0);
    if (static_cast<std::uint64_t>(st.st_blocks) * 512 > (std::uint64_t{1} << 20)) GTEST_SKIP() << "no sparse files here";
    const auto e = zorAufruf({"fav", "--model", "file", "--file", pfad("s.FAB"), "--points", "20"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    // 2^29 + 2 gaps: two of them at least 2, one at least 6.
    EXPECT_THAT(e.aus, HasSubstr("\n2,3.7252903e-09\n"));
    EXPECT_THAT(e.aus, HasSubstr("\n6,1.8626451e-09\n"));
    EXPECT_THAT(e.fehler, HasSubstr("536870912 Einträge der FAB-Datei"));
}

}  // namespace
