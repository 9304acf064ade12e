// The paint-time protocol of the curve documents: dispatch by model and theory flag,
// recomputation only of invalid sets, computing times and the messages to show.

#include "temp_verzeichnis.h"

#include "core/models/fkf.h"
#include "core/models/kurven_ermitteln.h"
#include "core/io/dateityp.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace zor;

namespace {

KeinFortschritt still;

TEST(KurvenErmitteln, ComputesOnlyInvalidSetsAndMarksThemValid) {
    ZorState s = startZustand();
    s.Modell.M2 = GE2;
    s.Modell.sim2 = 0;
    s.ptFAV1[0].y = 42.0f;  // set 1 is valid: its cache stays as it is
    s.FAV.ermittelt1 = 1;
    auto bericht = FAV_Ermitteln(s, still);
    EXPECT_EQ(s.ptFAV1[0].y, 42.0f);
    std::array<STRUCT_PUNKT, FAV_PUNKTE> theorie{};
    FAV_GE_THEORIE(s.GEWert2.data(), Kurve(theorie).first(50));
    for (std::size_t j = 0; j < 50; ++j) EXPECT_EQ(s.ptFAV2[j].y, theorie[j].y);
    EXPECT_EQ(s.FAV.ermittelt2, 1);
    EXPECT_TRUE(bericht.meldungen.empty());
    EXPECT_FALSE(bericht.rechenzeit);  // FAV_uhr is off

    s.ptFAV2[0].y = 7.0f;  // nothing invalid: nothing is computed, nothing reported
    s.FAV_uhr = 1;
    bericht = FAV_Ermitteln(s, still);
    EXPECT_EQ(s.ptFAV2[0].y, 7.0f);
    EXPECT_FALSE(bericht.rechenzeit);
}

TEST(KurvenErmitteln, ReportsComputingTimesWhenAsked) {
    ZorState s = startZustand();
    s.FAV_uhr = s.FKF_uhr = 1;
    s.FKF_uhr2 = 1500;
    s.FKF.ermittelt2 = 1;
    const auto fav = FAV_Ermitteln(s, still);
    ASSERT_TRUE(fav.rechenzeit);
    EXPECT_EQ(fav.rechenzeit->titel, "Rechenzeit Fehlerabstandsverteilung");
    const auto fkf = FKF_Ermitteln(s, still);
    ASSERT_TRUE(fkf.rechenzeit);
    EXPECT_EQ(fkf.rechenzeit->titel, "Rechenzeit FKF (allgemeine Berechnung)");
    // Set 2 was not recomputed and shows its last time.
    const std::string ende = "\n\nParametersatz2:\t1.500 s";
    EXPECT_EQ(fkf.rechenzeit->text.substr(fkf.rechenzeit->text.size() - ende.size()), ende);
    EXPECT_EQ(fkf.rechenzeit->text.rfind("Parametersatz1:\t", 0), 0u);
    s.FKF.ermittelt1 = 0;
    s.FKF_erneuernd = 1;
    EXPECT_EQ(FKF_Ermitteln(s, still).rechenzeit->titel, "Rechenzeit FKF (aus FAV ermittelt)");
}

using KurvenErmittelnDatei = TempVerzeichnis;

TEST_F(KurvenErmittelnDatei, OnlyTheRenewalMethodOnUnsuitableSourcesWarns) {
    schreiben(pfad("q.FFO"), std::string(500, '0') + "1");
    const struct {
        Modellart art;
        int sim, erneuernd;
        const char* warnung;  // nullptr: none
    } faelle[] = {{Modellart::GE, 1, 1, FKF_WARNUNG_GE},       {Modellart::MC, 1, 1, FKF_WARNUNG_MC},
                  {Modellart::Datei, 1, 1, FKF_WARNUNG_DATEI}, {Modellart::GE, 1, 0, nullptr},
                  {Modellart::Datei, 1, 0, nullptr},           {Modellart::GE, 0, 1, nullptr},
                  {Modellart::BSC, 1, 1, nullptr},             {Modellart::SW, 1, 1, nullptr}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(modellId(fall.art, 1) * 100 + fall.sim * 10 + fall.erneuernd);
        ZorState s = startZustand();
        s.Modell.M2 = static_cast<std::int16_t>(modellId(fall.art, 1));
        s.Modell.sim2 = fall.sim;
        s.FKF_erneuernd = fall.erneuernd;
        s.FKF.ermittelt1 = 1;
        s.Datei2 = {TYP_FFO, 501, pfad("q.FFO")};
        const auto bericht = FKF_Ermitteln(s, still);
        const auto& meldungen = bericht.meldungen;
        EXPECT_EQ(s.FKF.ermittelt2, 1);
        if (!fall.warnung) {
            EXPECT_TRUE(meldungen.empty());
            continue;
        }
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].text, fall.warnung);
        EXPECT_EQ(meldungen[0].titel, "Fehlerkorrelationsfunktion");
        EXPECT_TRUE(bericht.ok);
    }
}

TEST(KurvenErmitteln, FileProblemsComeBackAsMessagesWithEmptyCurves) {
    ZorState s = startZustand();
    s.Modell.M1 = DATEI1;
    s.Datei1 = {TYP_FAB, 400, "/nicht/vorhanden.FAB"};
    const auto fav = FAV_Ermitteln(s, still);
    ASSERT_EQ(fav.meldungen.size(), 1u);
    EXPECT_FALSE(fav.ok);
    EXPECT_EQ(s.ptFAV1[10].y, 1.0f);
    EXPECT_EQ(s.FAV.ermittelt1, 1);
    const auto fkf = FKF_Ermitteln(s, still);
    ASSERT_EQ(fkf.meldungen.size(), 1u);
    EXPECT_FALSE(fkf.ok);
    EXPECT_EQ(s.ptFKF1[0].y, 0.0f);
}

TEST(KurvenErmitteln, SwOfSet1AndTheCorrelationDurationOfEachNewCurve) {
    ZorState s = startZustand();
    s.Modell.M1 = SW1;
    s.Modell.sim1 = 0;
    s.FKF_defbereich = 30;
    FKF_Ermitteln(s, still);
    std::array<STRUCT_PUNKT, FKF_PUNKTE> theorie{};
    FKF_SW_THEORIE(s.SWWert1.data(), Kurve(theorie).first(31));
    for (std::size_t k = 0; k <= 30; ++k) EXPECT_EQ(s.ptFKF1[k].y, theorie[k].y);
    EXPECT_EQ(s.DK1, Korrelationsdauer(KurveLesen(theorie).first(31)).DK);
}

}  // namespace
