// The paint-time protocol of the curve documents: dispatch by model and theory flag,
// recomputation only of invalid sets, computing times and the messages to show.

#include "temp_verzeichnis.h"

#include "core/models/fkf.h"
#include "core/models/kurven_ermitteln.h"
#include "core/io/dateityp.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <utility>
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
    ASSERT_TRUE(FKF_Ermitteln(s, still));
    std::array<STRUCT_PUNKT, FKF_PUNKTE> theorie{};
    FKF_SW_THEORIE(s.SWWert1.data(), Kurve(theorie).first(31));
    for (std::size_t k = 0; k <= 30; ++k) EXPECT_EQ(s.ptFKF1[k].y, theorie[k].y);
    EXPECT_EQ(s.DK1, Korrelationsdauer(KurveLesen(theorie).first(31)).DK);
}

// The view is built by position from 22 references, several of one type: a swap would
// make one set read the other's curve, flag or time.
TEST(Satzsicht, EachSetSeesItsOwnFields) {
    ZorState s = startZustand();
    s.Modell.sim1 = 11, s.BSC_simfabs1 = 12, s.GE_sim1 = 13, s.MC_sim1 = 14, s.gemc1 = 15;
    s.FAV.ermittelt1 = 16, s.FKF.ermittelt1 = 17, s.FAV_uhr1 = 18, s.FKF_uhr1 = 19;
    s.ptFAV1[0].y = 20, s.ptFAVa1[0].y = 21, s.ptFKF1[0].y = 22, s.zaehler1 = 23, s.nenner1 = 24, s.DK1 = 25;
    s.Modell.sim2 = 31, s.BSC_simfabs2 = 32, s.GE_sim2 = 33, s.MC_sim2 = 34, s.gemc2 = 35;
    s.FAV.ermittelt2 = 36, s.FKF.ermittelt2 = 37, s.FAV_uhr2 = 38, s.FKF_uhr2 = 39;
    s.ptFAV2[0].y = 40, s.ptFAVa2[0].y = 41, s.ptFKF2[0].y = 42, s.zaehler2 = 43, s.nenner2 = 44, s.DK2 = 45;
    for (int satz = 0; satz < 2; ++satz) {
        const auto v = satzSicht(std::as_const(s), satz);
        const float b = satz == 0 ? 10.0f : 30.0f;
        const float gelesen[] = {float(v.sim),          float(v.BSC_simfabs),   float(v.GE_sim),  float(v.MC_sim),
                                 float(v.gemc),         float(v.FAV_ermittelt), float(v.FKF_ermittelt),
                                 float(v.FAV_uhr),      float(v.FKF_uhr),       v.ptFAV[0].y,     v.ptFAVa[0].y,
                                 v.ptFKF[0].y,          v.zaehler,              v.nenner,         v.DK};
        for (std::size_t i = 0; i < std::size(gelesen); ++i) EXPECT_EQ(gelesen[i], b + float(i + 1)) << satz << ", " << i;
        EXPECT_EQ(&v.Datei, satz == 0 ? &s.Datei1 : &s.Datei2);
        EXPECT_EQ(&v.N, satz == 0 ? &s.N1 : &s.N2);
        EXPECT_EQ(&v.M, satz == 0 ? &s.Modell.M1 : &s.Modell.M2);
        EXPECT_EQ(v.GEWert.data(), satz == 0 ? s.GEWert1.data() : s.GEWert2.data());
        EXPECT_EQ(v.MCWert.data(), satz == 0 ? s.MCWert1.data() : s.MCWert2.data());
        EXPECT_EQ(v.SWWert.data(), satz == 0 ? s.SWWert1.data() : s.SWWert2.data());
        EXPECT_EQ(v.BSCWert.data(), satz == 0 ? s.BSCWert1.data() : s.BSCWert2.data());
    }
}

// A curve ordered from one state and delivered later belongs only to an unchanged set: a
// set changed meanwhile stays stale with its cache untouched, and so does everything when
// the options now ask for more than was ordered.
TEST(KurvenErmitteln, ResultsForChangedSetsOrOptionsAreDropped) {
    ZorState s = startZustand();
    s.Modell.M2 = GE2;
    const FavAuftrag fav = favAuftrag(s);
    const FkfAuftrag fkf = fkfAuftrag(s);
    const FavErgebnisse favE = berechnen(fav, still);
    const FkfErgebnisse fkfE = berechnen(fkf, still);
    ASSERT_TRUE(favE[0] && favE[1] && fkfE[0] && fkfE[1]);

    ZorState geaendert = s;
    geaendert.GEWert2[gemc::Bad] = 0.3f;
    geaendert.ptFAV2[3].y = geaendert.ptFKF2[3].y = -1.0f;
    static_cast<void>(eintragen(geaendert, fav, favE));
    static_cast<void>(eintragen(geaendert, fkf, fkfE));
    EXPECT_EQ(geaendert.FAV.ermittelt1 + geaendert.FKF.ermittelt1, 2);
    EXPECT_EQ(geaendert.ptFAV1[3].y, favE[0]->kurve[3].y);
    EXPECT_EQ(geaendert.DK1, fkfE[0]->dauer.DK);
    EXPECT_EQ(geaendert.FAV.ermittelt2 + geaendert.FKF.ermittelt2, 0);
    EXPECT_EQ(geaendert.ptFAV2[3].y, -1.0f);
    EXPECT_EQ(geaendert.ptFKF2[3].y, -1.0f);

    for (auto aendern : {+[](ZorState& z) { z.FKF_defbereich = 80; }, +[](ZorState& z) { z.FKF_erneuernd = 1; }}) {
        ZorState z = s;
        aendern(z);
        static_cast<void>(eintragen(z, fkf, fkfE));
        EXPECT_EQ(z.FKF.ermittelt1 + z.FKF.ermittelt2, 0);
    }
    ZorState mehrPunkte = s;
    mehrPunkte.FAV_defbereich = 100;
    static_cast<void>(eintragen(mehrPunkte, fav, favE));
    EXPECT_EQ(mehrPunkte.FAV.ermittelt1 + mehrPunkte.FAV.ermittelt2, 0);

    // A file rewritten meanwhile (new length) is a changed set too.
    ZorState datei = startZustand();
    datei.Modell.M1 = DATEI1;
    datei.Datei1 = {TYP_FFO, 10, "/x.FFO"};
    const FavAuftrag a = favAuftrag(datei);
    datei.Datei1.laenge = 20;
    static_cast<void>(eintragen(datei, a, FavErgebnisse{FavErgebnis{}, std::nullopt}));
    EXPECT_EQ(datei.FAV.ermittelt1, 0);
}

TEST(KurvenErmitteln, AnInactiveSetGivesNoPointsAndKeepsItsCache) {
    ZorState s = startZustand();
    s.ptFAV2[0].y = 5.0f;
    EXPECT_TRUE(FAV_Satz(satzparameter(s, 1), 50, still).kurve.empty());
    EXPECT_TRUE(FKF_Satz(satzparameter(s, 1), 50, 0, still).kurve.empty());
    static_cast<void>(FAV_Ermitteln(s, still));
    EXPECT_EQ(s.ptFAV2[0].y, 5.0f);
    EXPECT_EQ(s.FAV.ermittelt2, 1);
}

}  // namespace
