#include "core/io/ausgabedatei.h"
#include "core/util/format.h"
#include "core/util/systemfehler.h"
#include "temp_verzeichnis.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <cerrno>
#include <cstring>

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
    Ausgabedatei aus(ziel, {});
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
        Ausgabedatei aus(pfad("alt.bin"), {});
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

namespace {

// The kind of node at a path, without following a link.
mode_t art(const std::string& pfad) {
    struct stat st {};
    ::lstat(pfad.c_str(), &st);
    return st.st_mode & S_IFMT;
}

bool socketAnlegen(const std::string& pfad) {
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    if (s < 0 || pfad.size() >= sizeof a.sun_path) return false;
    std::memcpy(a.sun_path, pfad.c_str(), pfad.size() + 1);
    const bool ok = ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

}  // namespace

// A node that is no regular file is never renamed over (as root that would replace even
// /dev/null); the refusal says what is there, and the node stays as it was.
TEST_F(AusgabedateiTest, NoNodeButARegularFileIsReplaced) {
    ASSERT_EQ(::mkfifo(pfad("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir_ / "ordner");
    ASSERT_TRUE(socketAnlegen(pfad("sock")));
    std::filesystem::create_symlink("fifo", dir_ / "zur_fifo.csv");
    const struct {
        const char* name;
        const char* art;
        int grund;
    } faelle[] = {{"fifo", "eine Pipe (FIFO)", GRUND_KEINE_REGULAERE_DATEI},
                  {"ordner", "ein Verzeichnis", EISDIR},
                  {"sock", "ein Socket", GRUND_KEINE_REGULAERE_DATEI},
                  {"zur_fifo.csv", "eine Pipe (FIFO)", GRUND_KEINE_REGULAERE_DATEI}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const mode_t vorher = art(pfad(f.name));
        EXPECT_EQ(ausgabeVerweigert(pfad(f.name), {}),
                  "Die Ausgabedatei " + pfad(f.name) + " ist " + f.art +
                      " und wird nicht ersetzt.\nBitte eine gewöhnliche Datei als Ziel wählen.");
        Ausgabedatei aus(pfad(f.name), {});
        EXPECT_FALSE(aus.ok());
        EXPECT_EQ(aus.fehlernummer(), f.grund);
        EXPECT_FALSE(aus.abschliessen());
        EXPECT_EQ(art(pfad(f.name)), vorher);
    }
    EXPECT_EQ(namen(dir_), (std::vector<std::string>{"fifo", "ordner", "sock", "zur_fifo.csv"}));
}

// A character device, also behind a link, is written to directly and stays a device.
TEST_F(AusgabedateiTest, ACharacterDeviceIsWrittenToDirectly) {
    if (::mknod(pfad("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) GTEST_SKIP() << "mknod needs root";
    std::filesystem::create_symlink("null", dir_ / "senke.csv");
    for (const char* name : {"null", "senke.csv"}) {
        EXPECT_EQ(ausgabeVerweigert(pfad(name), {}), std::nullopt);
        EXPECT_TRUE(schreibeFertig(pfad(name), std::string(3 << 20, 'x'))) << name;
    }
    EXPECT_EQ(art(pfad("null")), S_IFCHR);
    EXPECT_EQ(art(pfad("senke.csv")), S_IFLNK);
    EXPECT_EQ(namen(dir_), (std::vector<std::string>{"null", "senke.csv"}));
}

// An input is refused under every name: a link to it, a hard link, a roundabout path.
TEST_F(AusgabedateiTest, AnInputIsNeverTheOutputUnderAnyName) {
    schreiben(pfad("satz1.FFO"), "0101");
    std::filesystem::create_symlink("satz1.FFO", dir_ / "bild.png");
    std::filesystem::create_hard_link(dir_ / "satz1.FFO", dir_ / "hart");
    std::filesystem::create_directory(dir_ / "unter");
    const Eingaben eingaben{"", pfad("anderes"), pfad("satz1.FFO")};
    for (const std::string& name : {pfad("bild.png"), pfad("hart"), pfad("unter/../satz1.FFO")}) {
        SCOPED_TRACE(name);
        const auto nein = ausgabeVerweigert(name, eingaben);
        ASSERT_TRUE(nein);
        EXPECT_EQ(*nein, format(TEXT_GLEICHE_DATEI, name.c_str(), pfad("satz1.FFO").c_str()));
        Ausgabedatei aus(name, eingaben);
        EXPECT_EQ(aus.fehlernummer(), GRUND_EINGABEDATEI);
        EXPECT_FALSE(aus.abschliessen());
    }
    EXPECT_EQ(lesen(pfad("satz1.FFO")), "0101");
    EXPECT_TRUE(schreibeFertig(pfad("frei.png"), "png"));
    EXPECT_EQ(ausgabeVerweigert(pfad("frei.png"), eingaben), std::nullopt);
}
