// The reason line of failed file operations: German for the cases a user meets, and
// taken from the real failure of reading or writing.
#include "temp_verzeichnis.h"

#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/util/systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

using namespace zor;

TEST(Systemgrund, NamesTheUsualCausesInGerman) {
    EXPECT_EQ(systemgrund(ENOSPC), "Der Datenträger ist voll.");
    EXPECT_EQ(systemgrund(EISDIR), "Das ist ein Verzeichnis, keine Datei.");
    EXPECT_EQ(systemgrund(EACCES), "Zugriff verweigert.");
    EXPECT_EQ(systemgrund(EFBIG), "Die Datei ist zu groß.");
    EXPECT_EQ(systemgrund(GRUND_KEINE_REGULAERE_DATEI), "Das ist keine reguläre Datei.");
    EXPECT_EQ(systemgrund(EHOSTDOWN), "Systemfehler Nr. " + std::to_string(EHOSTDOWN) + ".");
    EXPECT_EQ(mitGrund("Fehler bei WriteFile!", ENOSPC), "Fehler bei WriteFile!\nDer Datenträger ist voll.");
    EXPECT_EQ(mitGrund("Fehler bei WriteFile!", 0), "Fehler bei WriteFile!");
}

class Systemfehler : public TempVerzeichnis {};

TEST_F(Systemfehler, ReadersTellWhyTheyCouldNotOpen) {
    schreiben(pfad("da"), "x");
    EXPECT_EQ(Blockleser(pfad("da")).fehlernummer(), 0);
    EXPECT_EQ(Blockleser(pfad("fehlt")).fehlernummer(), ENOENT);
    EXPECT_EQ(Blockleser(dir_.string()).fehlernummer(), EISDIR);
    EXPECT_EQ(Blockleser("/dev/null").fehlernummer(), GRUND_KEINE_REGULAERE_DATEI);
    EXPECT_EQ(Ausgabedatei(pfad("kein/aus"), {}).fehlernummer(), ENOENT);
}

// A file-size limit stands in for a full disk: the write fails and says why.
TEST_F(Systemfehler, AFailedWriteKeepsItsReason) {
    rlimit alt{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &alt), 0);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = alt;
    grenze.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
    bool geschrieben = true;
    int nummer = 0;
    {
        Ausgabedatei aus(pfad("gross"), {});
        const std::string block(1 << 20, 'x');
        geschrieben = aus.schreiben(block.data(), block.size()) && aus.abschliessen();
        nummer = aus.fehlernummer();
    }
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(geschrieben);
    EXPECT_EQ(nummer, EFBIG);
    EXPECT_FALSE(std::filesystem::exists(pfad("gross")));
}
