#include "core/io/folgenleser.h"
#include "core/io/formate.h"
#include "core/io/oeffnen.h"
#include "core/media/bytequelle.h"
#include "core/media/dateifenster.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/systemfehler.h"
#include "temp_verzeichnis.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>

using namespace zor;

using BlockleserTest = TempVerzeichnis;

TEST_F(BlockleserTest, BlocksCoverTheFileExactlyAtEveryBlockSize) {
    std::string inhalt(1000, '\0');
    std::iota(inhalt.begin(), inhalt.end(), '\0');
    schreiben(pfad("a.bin"), inhalt);
    for (std::size_t groesse : {1u, 7u, 999u, 1000u, 1001u, 4096u}) {
        Blockleser l(pfad("a.bin"), groesse);
        ASSERT_TRUE(l.offen());
        EXPECT_EQ(l.groesse(), 1000u);
        std::string gelesen;
        for (auto b = l.naechster(); !b.empty(); b = l.naechster()) gelesen.append(b.begin(), b.end());
        EXPECT_EQ(gelesen, inhalt) << groesse;
        EXPECT_FALSE(l.fehler());
    }
    EXPECT_FALSE(Blockleser(pfad("fehlt.bin")).offen());
}

TEST_F(BlockleserTest, FabRecordsAcrossBlockBordersBelowOneAndATruncatedTail) {
    {
        Ausgabedatei aus(pfad("a.FAB"), {});
        for (std::int32_t v : {3, 2, 1, -5, 70000, 2147483647}) ASSERT_TRUE(SpeichernAbstand(aus, v));
        ASSERT_TRUE(aus.schreiben("\x01\x02", 2));  // an incomplete record
        ASSERT_TRUE(aus.abschliessen());
    }
    EXPECT_EQ(lesen(pfad("a.FAB")).substr(0, 4), std::string("\x03\0\0\0", 4));
    for (std::size_t groesse : {1u, 3u, 5u, 64u}) {
        FabLeser l(pfad("a.FAB"), groesse);
        std::vector<std::int32_t> werte;
        std::int32_t v;
        while (l.naechster(v)) werte.push_back(v);
        EXPECT_EQ(werte, (std::vector<std::int32_t>{3, 2, 1, 1, 70000, 2147483647})) << groesse;
        EXPECT_EQ(l.unterEins(), 1u);
        EXPECT_EQ(l.rest(), 2u);
        EXPECT_TRUE(l.gut());
    }
}

TEST_F(BlockleserTest, OnlyRegularFilesAreOpened) {
    std::filesystem::create_directory(dir_ / "verzeichnis");
    ASSERT_EQ(::mkfifo(pfad("fifo").c_str(), 0600), 0);
    // A writer keeps the FIFO open, so even a blocking open would return.
    const int schreiber = ::open(pfad("fifo").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(schreiber, 0);
    for (const std::string& name : {std::string("/dev/zero"), pfad("verzeichnis"), pfad("fifo")}) {
        const Blockleser l(name);
        EXPECT_FALSE(l.offen()) << name;
    }
    ::close(schreiber);
}

// A FIFO nobody writes to would block a plain open for good: every way the program opens
// an input refuses it at once. An alarm ends the test if one of them blocks.
TEST_F(BlockleserTest, EveryOpenerRefusesAFifoWithoutWaiting) {
    ASSERT_EQ(::mkfifo(pfad("pipe.FFO").c_str(), 0600), 0);
    const std::string fifo = pfad("pipe.FFO");
    ::alarm(10);
    int grund = 0;
    EXPECT_FALSE(regulaerLesbar(fifo, &grund));
    EXPECT_EQ(grund, GRUND_KEINE_REGULAERE_DATEI);
    EXPECT_FALSE(Blockleser(fifo).offen());
    EXPECT_FALSE(Dateifenster(fifo).offen());
    std::string warum;
    EXPECT_EQ(oeffneDatei(fifo, warum), nullptr);
    EXPECT_EQ(warum, fifo + " ist keine gewöhnliche Datei!");
    ZorState s = startZustand();
    const LadenErgebnis l = Load(s, 0, fifo);
    EXPECT_EQ(l.art, LadenErgebnis::Art::Fehler);
    EXPECT_EQ(l.meldungen.at(0).text, TEXT_NICHT_GELESEN);
    ::alarm(0);
}

// A sparse file reads as a plain stream reads it: zeros in the holes, the islands of data
// where they are, and nothing past the end, for reads that start and end anywhere.
TEST_F(BlockleserTest, SparseFileReadsAsAPlainStreamDoes) {
    const std::uint64_t groesse = 6u << 20;
    { std::ofstream(pfad("duenn.bin"), std::ios::binary); }
    std::filesystem::resize_file(pfad("duenn.bin"), groesse);
    {
        std::fstream f(pfad("duenn.bin"), std::ios::binary | std::ios::in | std::ios::out);
        for (std::uint64_t bei :
             {std::uint64_t{0}, std::uint64_t{1} << 20, (std::uint64_t{3} << 20) + 5, groesse - 3}) {
            f.seekp(static_cast<std::streamoff>(bei));
            f << "ZOR";
        }
    }
    std::ifstream roh(pfad("duenn.bin"), std::ios::binary);
    const std::string alles((std::istreambuf_iterator<char>(roh)), {});
    ASSERT_EQ(alles.size(), groesse);
    std::string warum;
    auto q = oeffneDatei(pfad("duenn.bin"), warum);
    ASSERT_TRUE(q) << warum;
    const std::uint64_t M = 1u << 20;
    const std::pair<std::uint64_t, std::size_t> lesungen[] = {
        {0, 10},      {1, 3 * M},          {M - 2, 8},   {M + 3, 2 * M},  {3 * M, 4096},
        {0, groesse}, {groesse - 10, 100}, {groesse, 5}, {groesse + 7, 5}};
    for (const auto& [von, n] : lesungen) {
        std::string puffer(n, '\x55');
        const std::size_t k = q->lies(von, puffer.data(), n);
        const std::string soll = von < groesse ? alles.substr(von, n) : std::string();
        ASSERT_EQ(k, soll.size()) << von << "+" << n;
        EXPECT_EQ(puffer.substr(0, k), soll) << von << "+" << n;
    }
}
