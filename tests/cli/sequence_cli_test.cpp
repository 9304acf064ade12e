#include "zor_aufruf.h"

#include "core/models/eingaberegeln.h"
#include "core/models/zor_state.h"
#include "core/seqfiles/folge_speichern.h"

using namespace zor;

using SequenceCli = ZorCliTest;

TEST_F(SequenceCli, PresetsAndModelOptionsWriteTheSetsSequence) {
    auto e = zorAufruf({"sequence", "--preset", "ge1", "--n", "5000", "--out", pfad("a.FFO")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    ZorState s = startZustand();
    s.Modell.M1 = GE1;
    s.GEWert1[gemc::Durchlaeufe] = 5000;
    KeinFortschritt f;
    ASSERT_TRUE(SaveFolge(s, 0, 1, pfad("b.FFO"), f).ok);
    EXPECT_EQ(dateiLesen(pfad("a.FFO")), dateiLesen(pfad("b.FFO")));

    // Explicit options with the set-1 defaults for what is missing; lower-case extension.
    e = zorAufruf({"sequence", "--model", "mc", "--pgb", "0.224", "--seed", "77", "--out", pfad("m.fab")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    s = startZustand();
    s.Modell.M1 = MC1;
    s.MCWert1[gemc::Good_From_Bad] = 0.224f;
    s.MCWert1[gemc::Bad_From_Bad] = 1.0f - 0.224f;
    s.MCWert1[gemc::Startwert] = 77;
    ASSERT_TRUE(SaveFolge(s, 0, 0, pfad("n.FAB"), f).ok);
    EXPECT_EQ(dateiLesen(pfad("m.fab")), dateiLesen(pfad("n.FAB")));
    EXPECT_FALSE(dateiLesen(pfad("m.fab")).empty());
}

TEST_F(SequenceCli, SetTwoDiffersForBscByGaps) {
    // Both sets of a BSC by gaps run the same procedure; only the end rule differs.
    ZorState s = startZustand();
    auto e1 = zorAufruf({"sequence", "--model", "bsc", "--gaps", "--n", "100", "--set", "1", "--out", pfad("1.FAB")});
    auto e2 = zorAufruf({"sequence", "--model", "bsc", "--gaps", "--n", "100", "--set", "2", "--out", pfad("2.FAB")});
    ASSERT_EQ(e1.code, 0) << e1.fehler;
    ASSERT_EQ(e2.code, 0) << e2.fehler;
    s.BSC_simfabs1 = s.BSC_simfabs2 = 1;
    s.Modell.M2 = BSC2;
    s.BSCWert1[bsc::Durchlaeufe] = 100;
    s.BSCWert2 = s.BSCWert1;
    KeinFortschritt f;
    ASSERT_TRUE(SaveFolge(s, 0, 0, pfad("r1.FAB"), f).ok);
    ASSERT_TRUE(SaveFolge(s, 1, 0, pfad("r2.FAB"), f).ok);
    EXPECT_EQ(dateiLesen(pfad("1.FAB")), dateiLesen(pfad("r1.FAB")));
    EXPECT_EQ(dateiLesen(pfad("2.FAB")), dateiLesen(pfad("r2.FAB")));
}

// The CLI's own refusals: names, number syntax, model choice, and each model's refusal
// worded with its options (the rules themselves are the core's).
TEST_F(SequenceCli, RefusesBadNamesAndNumbersInGerman) {
    const std::string aus = pfad("x.FFO");
    dateiSchreiben(pfad("leer.FFO"), "");
    std::filesystem::create_directory(pfad("ordner.FFO"));
    ablehnungenPruefen({
        {{"sequence", "--preset", "bsc1", "--out", pfad("x.txt")}, 2, "Kein gültiger Dateiname!"},
        {{"sequence", "--preset", "bsc1", "--out", pfad("FO")}, 2, "Kein gültiger Dateiname!"},
        {{"sequence", "--model", "bsc", "--p", "0,5", "--out", aus}, 2, "--p"},
        {{"sequence", "--model", "bsc", "--seed", "10000", "--out", aus}, 2, "Startwert"},
        {{"sequence", "--model", "bsc", "--seed", "12.5", "--out", aus}, 2, "--seed"},
        {{"sequence", "--model", "ge", "--pgb", "0", "--out", aus}, 2, "kein Übergang 0"},
        {{"sequence", "--model", "mc", "--good", "0", "--out", aus}, 2, "--good"},
        {{"sequence", "--model", "ge", "--p", "0.1", "--out", aus}, 2, "--p"},
        {{"sequence", "--model", "xyz", "--out", aus}, 2, "Unbekanntes Modell"},
        {{"sequence", "--out", aus}, 2, "Modell"},
        {{"fav", "--model", "file", "--file", pfad("ordner.FFO")},
         1,
         "Datei kann nicht gelesen werden! (" + pfad("ordner.FFO") + ")\nDas ist ein Verzeichnis, keine Datei."},
        {{"fav", "--model", "file", "--file", pfad("leer.FFO")}, 2, "Dateilänge == 0"},
        {{"sequence", "--preset", "bsc1", "--out", pfad("fehlt/x.FFO")},
         1,
         "Datei kann nicht geschrieben werden! (" + pfad("fehlt/x.FFO") +
             ")\nDie Datei oder das Verzeichnis existiert nicht."},
    });
    EXPECT_FALSE(std::filesystem::exists(aus));
}

// The number of bits is a whole number of up to 64 bits, taken exactly: single precision
// would turn 16777217 into 16777216 and 1e30 into a huge count that ends at once.
TEST_F(SequenceCli, TheNumberOfBitsIsExactOrRefused) {
    for (const char* n : {"16777217", "16777219"}) {
        const auto e = zorAufruf({"sequence", "--preset", "ge1", "--n", n, "--out", pfad("n.FFO")});
        ASSERT_EQ(e.code, 0) << e.fehler;
        EXPECT_EQ(std::filesystem::file_size(pfad("n.FFO")), std::stoull(n));
    }
    const std::string hinweis = zor::regelText(zor::Eingaberegel::Durchlaeufe);
    for (const char* n : {"1e30", "1e20", "18446744073709551616", "16777217.5"}) {
        SCOPED_TRACE(n);
        auto e = zorAufruf({"sequence", "--preset", "ge1", "--n", n, "--out", pfad("x.FFO")});
        EXPECT_EQ(e.code, 2);
        EXPECT_EQ(e.fehler, "Eingabefehler bei --n (\"" + std::string(n) + "\"): " + hinweis + "\n");
        EXPECT_FALSE(std::filesystem::exists(pfad("x.FFO")));
        e = zorAufruf({"fav", "--preset", "ge1", "--n", n});
        EXPECT_EQ(e.code, 2);
        EXPECT_TRUE(e.aus.empty()) << e.aus;
    }
}
