#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "core/models/fehlerquellen.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"
#include "core/io/formate.h"

#include <csignal>
#include <sys/resource.h>

using namespace zor;

namespace {

std::string bitsAlsFfo(const ZorState& s, int satz, long n, SwStart start) {
    std::string f;
    mitBitQuelle(s, satz, start, [&](auto& q) {
        for (long i = 0; i < n; ++i) f.push_back(q.bit() ? '1' : '0');
    });
    return f;
}

class SaveFolgeTest : public TempVerzeichnis {
protected:
    std::string speichern(const ZorState& s, int satz, int typ, const std::string& name) {
        KeinFortschritt f;
        const auto e = SaveFolge(s, satz, typ, pfad(name), f);
        EXPECT_TRUE(e.ok) << e.meldung.text;
        return lesen(pfad(name));
    }
};

}  // namespace

TEST_F(SaveFolgeTest, StartValuesOfSetOneGiveTheSequenceOfTheViewAndItsGaps) {
    const ZorState s = startZustand();
    AufzeichnenderFortschritt f;
    ASSERT_TRUE(SaveFolge(s, 0, TYP_FFO, pfad("s.FFO"), f).ok);
    const std::string ffo = lesen(pfad("s.FFO"));
    ASSERT_EQ(ffo.size(), 10000u);
    EXPECT_EQ(ffo, bitsAlsFfo(s, 0, 10000, SwStart::Zustand));
    EXPECT_EQ(ffo.find_first_not_of("01"), std::string::npos);
    EXPECT_EQ(f.label, pfad("s.FFO"));
    EXPECT_EQ(f.status, "wird erzeugt!");
    EXPECT_EQ(f.starts, 1);
    EXPECT_EQ(f.enden, 1);
    ASSERT_EQ(f.schritte.size(), 100u);
    EXPECT_EQ(f.schritte.front(), 1);
    EXPECT_EQ(f.schritte.back(), 100);

    const std::string fab = speichern(s, 0, TYP_FAB, "s.FAB");
    EXPECT_EQ(fabWerte(fab), luecken(ffo));
    EXPECT_EQ(fab.size() % 4, 0u);
    // 32-bit little endian.
    const auto erste = luecken(ffo).front();
    EXPECT_EQ(fab.substr(0, 4), std::string({static_cast<char>(erste), 0, 0, 0}));
}

TEST_F(SaveFolgeTest, EveryProcedureSavesTheSequenceItsSourcesGive) {
    for (int id : {BSC2, GE2, MC2, SW2}) {
        ZorState s = startZustand();
        s.Modell.M2 = static_cast<std::int16_t>(id);
        const std::string ffo = speichern(s, 1, TYP_FFO, "a.FFO");
        EXPECT_EQ(ffo, bitsAlsFfo(s, 1, 10000, SwStart::Startzustand)) << id;
        const auto r = fabWerte(speichern(s, 1, TYP_FAB, "a.FAB"));
        const auto g = luecken(ffo);
        if (modellart(id) == Modellart::MC || modellart(id) == Modellart::SW) {
            // At most one record more, covering the end.
            ASSERT_GE(r.size(), g.size());
            ASSERT_LE(r.size(), g.size() + 1);
            EXPECT_TRUE(std::equal(g.begin(), g.end(), r.begin())) << id;
            long summe = 0;
            for (auto v : r) summe += v;
            EXPECT_GE(summe, 10000);
            EXPECT_LT(summe - r.back(), 10000);
        } else {
            EXPECT_EQ(r, g) << id;
        }
    }
}

TEST_F(SaveFolgeTest, ChunkBoundaryAndSwStartState) {
    ZorState s = startZustand();
    s.Modell.M1 = GE1;
    for (float n : {64999.0f, 65000.0f, 65001.0f, 1.0f}) {
        s.GEWert1[gemc::Durchlaeufe] = n;
        const std::string ffo = speichern(s, 0, TYP_FFO, "g.FFO");
        EXPECT_EQ(ffo.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(ffo, bitsAlsFfo(s, 0, static_cast<long>(n), SwStart::Zustand));
    }
    // Saving starts SW from its stationary start state, not with a plain state draw.
    s.Modell.M1 = SW1;
    EXPECT_EQ(speichern(s, 0, TYP_FFO, "w.FFO"), bitsAlsFfo(s, 0, 10000, SwStart::Startzustand));
}

TEST_F(SaveFolgeTest, SilentChannelsAndInactiveSetsGiveEmptyFiles) {
    ZorState s = startZustand();
    s.Modell.M1 = GE1;
    s.GEWert1[gemc::Good] = s.GEWert1[gemc::Bad] = 0.0f;
    EXPECT_EQ(speichern(s, 0, TYP_FAB, "leer.FAB"), "");
    EXPECT_EQ(speichern(s, 0, TYP_FFO, "null.FFO"), std::string(10000, '0'));
    EXPECT_EQ(speichern(s, 1, TYP_FAB, "inaktiv.FAB"), "");
    EXPECT_TRUE(std::filesystem::exists(pfad("inaktiv.FAB")));
}

TEST_F(SaveFolgeTest, BscByGapsRecordsAnErrorOnTheLastBitForSetOneOnly) {
    ZorState s = startZustand();
    s.BSC_simfabs1 = s.BSC_simfabs2 = 1;
    s.Modell.M2 = BSC2;
    s.BSCWert2 = s.BSCWert1;
    BscAbstandQuelle q(s.BSCWert1.data());
    const long g1 = q.naechster().g, g2 = q.naechster().g;
    s.BSCWert1[bsc::Durchlaeufe] = s.BSCWert2[bsc::Durchlaeufe] = static_cast<float>(g1 + g2);

    EXPECT_EQ(fabWerte(speichern(s, 0, TYP_FAB, "1.FAB")), (std::vector<std::int32_t>{std::int32_t(g1), std::int32_t(g2)}));
    EXPECT_EQ(fabWerte(speichern(s, 1, TYP_FAB, "2.FAB")), (std::vector<std::int32_t>{std::int32_t(g1)}));
    for (int satz : {0, 1}) {
        const std::string ffo = speichern(s, satz, TYP_FFO, "x.FFO");
        ASSERT_EQ(ffo.size(), static_cast<std::size_t>(g1 + g2));
        EXPECT_EQ(ffo.back(), '1');
        EXPECT_EQ(ffo[static_cast<std::size_t>(g1 - 1)], '1');
    }
    // MC covers N with its last record even past the end.
    s.Modell.M1 = MC1;
    McAbstandQuelle mc(s.MCWert1.data());
    const long m1 = mc.naechster().g, m2 = mc.naechster().g;
    s.MCWert1[gemc::Durchlaeufe] = static_cast<float>(m1 + 1);
    EXPECT_EQ(fabWerte(speichern(s, 0, TYP_FAB, "m.FAB")), (std::vector<std::int32_t>{std::int32_t(m1), std::int32_t(m2)}));
}

TEST_F(SaveFolgeTest, AFailedSaveLeavesNoFileAndKeepsAnExistingOne) {
    const ZorState s = startZustand();
    KeinFortschritt f;
    const auto e = SaveFolge(s, 0, TYP_FFO, pfad("fehlt/x.FFO"), f);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung.text, "Datei kann nicht geschrieben werden!\nDie Datei oder das Verzeichnis existiert nicht.");
    EXPECT_EQ(e.meldung.titel, "Multimedia und Zorwerk");
    EXPECT_FALSE(std::filesystem::exists(pfad("fehlt")));

    // A write that fails halfway: the file-size limit stops it after 4 KiB.
    schreiben(pfad("alt.FFO"), "vorher");
    ZorState gross = s;
    gross.BSCWert1[bsc::Durchlaeufe] = 3e6f;
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    auto vorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = alt;
    klein.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &klein);
    const auto r = SaveFolge(gross, 0, TYP_FFO, pfad("alt.FFO"), f);
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, vorher);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(lesen(pfad("alt.FFO")), "vorher");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "no temporary file left";
}
