#include "zor_aufruf.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

namespace {

// Every name in the directory with its content.
std::map<std::string, std::string> inhalt(const std::filesystem::path& dir) {
    std::map<std::string, std::string> m;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        m[e.path().filename().string()] = e.is_regular_file() ? dateiLesen(e.path()) : "<kein Inhalt>";
    return m;
}

// Starts zor in the background with stdout and stderr discarded; `grenze` limits the
// size of files it writes (0: no limit).
pid_t zorStarten(const std::vector<std::string>& args, rlim_t grenze = 0) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(null, 2);
    if (grenze) {
        const rlimit r{grenze, grenze};
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    std::vector<char*> argv{const_cast<char*>(ZOR_BINARY)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(ZOR_BINARY, argv.data());
    ::_exit(127);
}

int warten(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// Runs a shell command line with zor in front; a ten-second limit keeps an endless job
// from hanging the suite.
ZorErgebnis zorShell(const std::string& argumente, const std::filesystem::path& dir) {
    const std::string cmd = "cd " + zorQuote(dir.string()) + " && timeout 10 " + zorQuote(ZOR_BINARY) + " " +
                            argumente + " 2>" + zorQuote((dir / "..stderr").string());
    const int status = std::system(cmd.c_str());
    ZorErgebnis e;
    e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    e.fehler = dateiLesen(dir / "..stderr");
    std::filesystem::remove(dir / "..stderr");
    return e;
}

struct Signal {
    int nummer;
    const char* name;
};

}  // namespace

using Dateifehler = ZorCliTest;

TEST_F(Dateifehler, AJobEndedBySignalLeavesTheDirectoryAsItWas) {
    std::ofstream(pfad("gross.FFO")) << "PRE\n";
    const auto vorher = inhalt(dir_);
    for (const Signal s : {Signal{SIGTERM, "TERM"}, Signal{SIGINT, "INT"}, Signal{SIGHUP, "HUP"},
                           Signal{SIGPIPE, "PIPE"}, Signal{SIGKILL, "KILL"}}) {
        SCOPED_TRACE(s.name);
        const pid_t pid = zorStarten({"sequence", "--preset", "ge1", "--n", "2e10", "--out", pfad("gross.FFO")});
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ::kill(pid, s.nummer);
        const int status = warten(pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == s.nummer) << status;
        EXPECT_EQ(inhalt(dir_), vorher);
    }
}

// The message of a failed write keeps its text and says why on the next line; a file-size
// limit stands in for a full disk (no SIGXFSZ death) and an existing output survives.
TEST_F(Dateifehler, AFailedWriteSaysWhy) {
    std::ofstream(pfad("g.FFO")) << "PRE\n";
    std::ofstream(pfad("a.bin")) << std::string(200000, 'a');
    std::ofstream(pfad("b.bin")) << std::string(200000, 'b');
    const struct {
        std::string argumente, meldung;
    } faelle[] = {
        {"sequence --preset ge1 --n 1e6 --out g.FFO", "Datei kann nicht geschrieben werden! (g.FFO)"},
        {"compare a.bin b.bin v.VGL", "Fehler bei WriteFile!"},
        {"corrupt bsc a.bin c.bin", "Fehler bei WriteFile!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente);
        const std::string cmd = "cd " + zorQuote(dir_.string()) + " && ulimit -f 100 && " + zorQuote(ZOR_BINARY) + " " +
                                f.argumente + " 2>" + zorQuote(pfad("..stderr"));
        const int status = std::system(cmd.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(dateiLesen(pfad("..stderr")), f.meldung + "\nDie Datei ist zu groß.\n");
    }
    std::filesystem::remove(pfad("..stderr"));
    EXPECT_EQ(dateiLesen(pfad("g.FFO")), "PRE\n");
    EXPECT_EQ(inhalt(dir_).size(), 3u) << "no partial or temporary output left";
}

TEST_F(Dateifehler, OnlyRegularFilesAreReadAsInputs) {
    ASSERT_EQ(::mkfifo(pfad("fifo.FFO").c_str(), 0600), 0);
    std::filesystem::create_directory(dir_ / "ordner.FFO");
    std::ofstream(pfad("d.bin")) << std::string(100, 'x');
    const auto vorher = inhalt(dir_);
    for (const char* aufruf : {"convert fifo.FFO", "convert ordner.FFO", "derive /dev/zero o.FFO",
                               "corrupt pattern d.bin /dev/zero o.bin", "corrupt pattern /dev/zero o.FAB o.bin",
                               "corrupt ge /dev/zero o.bin", "compare /dev/zero d.bin o.VGL"}) {
        SCOPED_TRACE(aufruf);
        const ZorErgebnis e = zorShell(aufruf, dir_);
        EXPECT_NE(e.code, 0);
        EXPECT_NE(e.code, 124) << "did not end";
        EXPECT_FALSE(e.fehler.empty());
        EXPECT_EQ(inhalt(dir_), vorher);
    }
}

TEST_F(Dateifehler, AFailedWriteToStandardOutputFailsWithAMessage) {
    std::ofstream(pfad("d.bin")) << std::string(100, 'x');
    for (const char* aufruf : {"fav --preset ge1 --theory", "fkf --preset mc1 --theory", "hex d.bin", "bin d.bin",
                               "ge2mc --pgb 0.1 --pbg 0.01 --good 0.01 --bad 0.4"}) {
        SCOPED_TRACE(aufruf);
        const ZorErgebnis e = zorShell(std::string(aufruf) + " >/dev/full", dir_);
        EXPECT_EQ(e.code, 1);
        EXPECT_EQ(e.fehler, "Fehler beim Schreiben der Standardausgabe!\n");
    }
}

// An output onto a node that is no regular file: a FIFO, a directory or a link to them is
// refused and stays as it was; a character device (as root, our own /dev/null twin) is
// written to directly and stays a device.
TEST_F(Dateifehler, OutputsNeverReplaceANodeThatIsNoRegularFile) {
    std::ofstream(pfad("a.bin")) << std::string(1000, 'a');
    std::ofstream(pfad("b.bin")) << std::string(1000, 'b');
    std::ofstream(pfad("m.FFO")) << std::string(8000, '0');
    ASSERT_EQ(::mkfifo(pfad("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(pfad("m.FAB").c_str(), 0600), 0);
    std::filesystem::create_directory(dir_ / "ordner");
    std::filesystem::create_symlink("fifo", dir_ / "link.csv");
    const bool geraet = ::mknod(pfad("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    for (const std::string& ziel : {std::string("fifo"), std::string("ordner"), std::string("link.csv"), std::string("null")}) {
        if (ziel == "null" && !geraet) continue;
        for (const std::string& aufruf : {"compare a.bin b.bin " + ziel, "derive a.bin " + ziel,
                                         "corrupt bsc --p 0.1 a.bin " + ziel, "corrupt pattern a.bin m.FFO " + ziel,
                                         "sequence --preset ge1 --n 1000 --out " + ziel + ".FFO"}) {
            SCOPED_TRACE(aufruf);
            // The sequence's name needs its extension: the node is reached through a link.
            if (aufruf.starts_with("sequence")) std::filesystem::create_symlink(ziel, dir_ / (ziel + ".FFO"));
            const ZorErgebnis e = zorShell(aufruf, dir_);
            if (ziel == "null") {
                EXPECT_EQ(e.code, 0) << e.fehler;
            } else {
                EXPECT_NE(e.code, 0);
                EXPECT_NE(e.code, 124) << "did not end";
                EXPECT_NE(e.fehler.find(ziel == "ordner" ? "ein Verzeichnis" : "eine Pipe (FIFO)"), std::string::npos) << e.fehler;
            }
            if (aufruf.starts_with("sequence")) std::filesystem::remove(dir_ / (ziel + ".FFO"));
        }
    }
    const ZorErgebnis k = zorShell("convert --force m.FFO", dir_);
    EXPECT_NE(k.fehler.find("eine Pipe (FIFO)"), std::string::npos) << k.fehler;
    EXPECT_TRUE(std::filesystem::is_fifo(dir_ / "fifo") && std::filesystem::is_fifo(dir_ / "m.FAB"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "ordner") && std::filesystem::is_symlink(dir_ / "link.csv"));
    EXPECT_TRUE(!geraet || std::filesystem::is_character_file(dir_ / "null"));
}

// An FFO's size is known before the first bit: one that cannot fit is refused at once
// instead of filling the disk.
TEST_F(Dateifehler, ASequenceLargerThanTheFreeSpaceIsRefusedAtOnce) {
    const ZorErgebnis e = zorShell("sequence --preset bsc1 --n 1e19 --out o.FFO", dir_);
    EXPECT_EQ(e.code, 1);
    EXPECT_TRUE(e.fehler.starts_with("Die Ausgabedatei o.FFO würde 10000000000000000000 Bytes groß")) << e.fehler;
    EXPECT_TRUE(inhalt(dir_).empty());
}
