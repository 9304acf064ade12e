// Cancelling a long job: every loop that may run for minutes asks the progress between
// blocks. A job cancelled at once must return at once (with N = 10^12 it would otherwise
// run for hours), leave no output and keep a file that was there.

#include "temp_verzeichnis.h"

#include "core/buendel/auswertung.h"
#include "core/corruption/verfaelschen.h"
#include "core/io/dateityp.h"
#include "core/models/kurven_ermitteln.h"
#include "core/seqfiles/folge_speichern.h"
#include "core/seqfiles/vergleich.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zor;

namespace {

struct Abgebrochen final : Fortschritt {
    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
    bool abgebrochen() const override { return true; }
};

struct Fall {
    const char* name;
    Modellart art;
    int BSC_simfabs;
};

constexpr Fall FAELLE[] = {{"BscBits", Modellart::BSC, 0},
                           {"BscAbstaende", Modellart::BSC, 1},
                           {"Ge", Modellart::GE, 0},
                           {"Mc", Modellart::MC, 0},
                           {"Sw", Modellart::SW, 0}};

class Abbruch : public ::testing::TestWithParam<Fall> {};

TEST_P(Abbruch, HugeSimulationsStopAtOnceAndAreNotStored) {
    ZorState s = startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(modellId(GetParam().art, 0));
    s.BSC_simfabs1 = GetParam().BSC_simfabs;
    durchlaeufeSetzen(s, GetParam().art, 0, 1'000'000'000'000);
    Abgebrochen f;
    for (int erneuernd : {0, 1})
        EXPECT_TRUE(FKF_Satz(satzparameter(s, 0), 50, erneuernd, f).abgebrochen) << erneuernd;
    EXPECT_TRUE(FAV_Satz(satzparameter(s, 0), 50, f).abgebrochen);
    EXPECT_TRUE(buendelErmitteln(satzparameter(s, 0), {}, f).abgebrochen);
    const Blockbericht bloecke = bloeckeErmitteln(satzparameter(s, 0), {}, f);
    EXPECT_TRUE(bloecke.abgebrochen && bloecke.exakt && !bloecke.gezaehlt);
    s.ptFAV1[3].y = -1.0f;
    // Cancelled: what it reports does not matter, the stored curve must stay as it was.
    static_cast<void>(FAV_Ermitteln(s, f));
    EXPECT_EQ(s.FAV.ermittelt1, 0);
    EXPECT_EQ(s.ptFAV1[3].y, -1.0f);
    // Uncancelled, the same computation on a short run is complete.
    durchlaeufeSetzen(s, GetParam().art, 0, 1000);
    KeinFortschritt still;
    EXPECT_FALSE(FAV_Satz(satzparameter(s, 0), 50, still).abgebrochen);
}

INSTANTIATE_TEST_SUITE_P(Modelle, Abbruch, ::testing::ValuesIn(FAELLE),
                         [](const auto& fall) { return std::string(fall.param.name); });

using AbbruchDatei = TempVerzeichnis;

TEST_F(AbbruchDatei, CancelledFileJobsLeaveNoOutputAndKeepAnOldOne) {
    Abgebrochen f;
    ZorState s = startZustand();
    for (int typ : {TYP_FFO, TYP_FAB}) {
        // An FFO beyond the free space is refused before it starts, so it stays within it.
        durchlaeufeSetzen(s, Modellart::BSC, 0, typ == TYP_FFO ? 10'000'000 : 1'000'000'000'000);
        const std::string ziel = pfad(typ == TYP_FFO ? "neu.FFO" : "neu.FAB");
        const Ergebnis e = SaveFolge(s, 0, typ, ziel, f);
        EXPECT_FALSE(e.ok);
        EXPECT_TRUE(e.meldung.text.empty()) << "a cancel is not a failure to report";
        EXPECT_FALSE(std::filesystem::exists(ziel));
    }
    durchlaeufeSetzen(s, Modellart::BSC, 0, 10'000'000);
    schreiben(pfad("alt.FFO"), "0101");
    EXPECT_FALSE(SaveFolge(s, 0, TYP_FFO, pfad("alt.FFO"), f).ok);
    EXPECT_EQ(lesen(pfad("alt.FFO")), "0101");

    const std::string gross(3 << 20, 'x');
    schreiben(pfad("a.bin"), gross);
    schreiben(pfad("b.bin"), gross);
    schreiben(pfad("kopie.bin"), "alt");
    BscAuftrag a{pfad("a.bin"), pfad("kopie.bin"), 0, 1234, 0.5};
    EXPECT_TRUE(MmMakeBscErr(a, f).abgebrochen);
    EXPECT_EQ(lesen(pfad("kopie.bin")), "alt");
    const JobErgebnis v = CompareFile(pfad("a.bin"), pfad("b.bin"), pfad("d.VGL"), f);
    EXPECT_TRUE(v.abgebrochen);
    EXPECT_TRUE(v.meldungen.empty());
    EXPECT_FALSE(std::filesystem::exists(pfad("d.VGL")));
}

}  // namespace
