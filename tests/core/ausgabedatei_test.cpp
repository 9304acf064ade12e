#include "core/io/ausgabedatei.h"
#include "temp_verzeichnis.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <vector>

using namespace zor;

namespace {

std::vector<std::string> namen(const std::filesystem::path& dir) {
    std::vector<std::string> n;
    for (const auto& e : std::filesystem::directory_iterator(dir)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

bool schreibeFertig(const std::string& ziel, const std::string& inhalt) {
    Ausgabedatei aus(ziel);
    return aus.schreiben(inhalt.data(), inhalt.size()) && aus.abschliessen();
}

mode_t rechte(const std::string& pfad) {
    struct stat st {};
    ::stat(pfad.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

using AusgabedateiTest = TempVerzeichnis;

TEST_F(AusgabedateiTest, AnUnfinishedOutputHasNoNameInTheDirectory) {
    schreiben(pfad("alt.bin"), "PRE");
    {
        Ausgabedatei aus(pfad("alt.bin"));
        ASSERT_TRUE(aus.ok());
        ASSERT_TRUE(aus.schreiben(std::string(3 << 20, 'x').data(), 3 << 20));
        // A process killed now leaves nothing behind.
        EXPECT_EQ(namen(dir_), std::vector<std::string>{"alt.bin"});
    }
    EXPECT_EQ(namen(dir_), std::vector<std::string>{"alt.bin"});
    EXPECT_EQ(lesen(pfad("alt.bin")), "PRE");
    ASSERT_TRUE(schreibeFertig(pfad("alt.bin"), "neu"));
    EXPECT_EQ(namen(dir_), std::vector<std::string>{"alt.bin"});
    EXPECT_EQ(lesen(pfad("alt.bin")), "neu");
}

TEST_F(AusgabedateiTest, AReplacedFileKeepsItsPermissionBits) {
    for (mode_t m : {0600, 0640, 0755}) {
        schreiben(pfad("privat"), "alt");
        ::chmod(pfad("privat").c_str(), m);
        ASSERT_TRUE(schreibeFertig(pfad("privat"), "neu"));
        EXPECT_EQ(rechte(pfad("privat")), m) << std::oct << m;
    }
    // A new file gets the usual rights of the process.
    const mode_t maske = ::umask(0);
    ::umask(maske);
    ASSERT_TRUE(schreibeFertig(pfad("neu"), "x"));
    EXPECT_EQ(rechte(pfad("neu")), 0666 & ~maske);
}

TEST_F(AusgabedateiTest, ALinkIsWrittenThroughAndStaysALink) {
    std::filesystem::create_directory(dir_ / "unter");
    schreiben(pfad("unter/ziel.bin"), "alt");
    std::filesystem::create_symlink("unter/ziel.bin", dir_ / "verweis.bin");
    ASSERT_TRUE(schreibeFertig(pfad("verweis.bin"), "neu"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "verweis.bin"));
    EXPECT_EQ(lesen(pfad("unter/ziel.bin")), "neu");
    EXPECT_EQ(namen(dir_ / "unter"), std::vector<std::string>{"ziel.bin"});
}

TEST_F(AusgabedateiTest, NamesUpToTheLongestAllowedCanBeWritten) {
    for (std::size_t laenge : {245u, 255u}) {
        const std::string name(laenge, 'n');
        ASSERT_TRUE(schreibeFertig(pfad(name), "x")) << laenge;
        EXPECT_EQ(lesen(pfad(name)), "x");
    }
}
