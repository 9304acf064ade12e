#include "core/models/zor_state.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <tuple>

using namespace zor;

TEST(InitVar, WritesEveryStartValueAndZeroesTheRest) {
    ZorState s;
    s.Modell.inaktiv = 7;  // InitVar must not keep stale values
    s.FAV.ermittelt1 = 1;
    InitVar(s);
    EXPECT_EQ(s.Fenster.null, 1);
    EXPECT_EQ(s.Fenster.aktualisiert, 1);
    EXPECT_EQ(s.Modell.M1, BSC1);
    EXPECT_EQ(s.Modell.M2, INAKTIV);
    EXPECT_EQ(s.Modell.sim1, 1);
    EXPECT_EQ(s.Modell.sim2, 1);
    EXPECT_EQ(s.Modell.inaktiv, 0);
    EXPECT_EQ(s.Modell.AB, 0);
    EXPECT_EQ(s.Modell.dialog_init, 0);
    EXPECT_EQ(s.Modell.dialog_exit, 0);
    EXPECT_EQ(s.BSCWert1, (BscWerte{0.1f, 1265, 10000}));
    EXPECT_EQ(s.BSCWert2, (BscWerte{0.01f, 8885, 10000}));
    EXPECT_EQ(s.GEWert1, (ModellWerte{3457, 10000, 0.99f, 0.9f, 0.1f, 0.01f, 0.01f, 0.4f}));
    EXPECT_EQ(s.GEWert2, (ModellWerte{6789, 10000, 0.999f, 0.5151f, 0.4949f, 0.001f, 0.01f, 0.5f}));
    EXPECT_EQ(s.MCWert1, (ModellWerte{3457, 10000, 0.99f, 0.9f, 0.1f, 0.01f, 0.1f, 0.4f}));
    EXPECT_EQ(s.MCWert2, (ModellWerte{6789, 10000, 0.64f, 0.776f, 0.224f, 0.36f, 0.0186f, 0.461f}));
    EXPECT_EQ(s.SWWert1, (ModellWerte{2227, 10000, 0.75f, 0.05f, 0.2f, 0.045f, 0.5228f, 0.8f}));
    EXPECT_EQ(s.SWWert2, (ModellWerte{6789, 10000, 0.3f, 0.1f, 0.6f, 0.008f, 0.02f, 0.8f}));
    EXPECT_EQ(s.GE_sim1 + s.GE_sim2 + s.MC_sim1 + s.MC_sim2, 4);
    EXPECT_EQ(s.BSC_simfabs1 + s.BSC_simfabs2 + s.gemc1 + s.gemc2, 0);
    EXPECT_EQ(s.FAV.ermittelt1 + s.FAV.ermittelt2 + s.FKF.ermittelt1 + s.FKF.ermittelt2, 0);
    EXPECT_EQ(s.Fenster.FF + s.Fenster.FKF + s.Fenster.FAV + s.Fenster.PAR + s.Fenster.alle + s.Fenster.init, 0);
    EXPECT_EQ(s.Fenster.aktuell + s.Fenster.neu, 0);
    EXPECT_EQ(s.Cursor.FKF + s.Cursor.FAV + s.Cursor.FKFon + s.Cursor.FAVon, 0);
    EXPECT_TRUE(s.Datei1.szFileName.empty());
    EXPECT_EQ(s.Datei2.laenge, 0);
    EXPECT_EQ(s.FAV_defbereich, 50);
    EXPECT_EQ(s.FKF_defbereich, 50);
    EXPECT_EQ(s.FAV_abszisse, 1);
    EXPECT_EQ(s.FAV_xlindef, 50);
    for (const auto& [xnorm, ynorm, neg, pos] : {std::tuple{s.FAV_xnorm, s.FAV_ynorm_log, s.FAV_wertneg, s.FAV_wertpos},
                                                 std::tuple{s.FKF_xnorm, s.FKF_ynorm_log, s.FKF_wertneg, s.FKF_wertpos}}) {
        EXPECT_EQ(xnorm, 320);
        EXPECT_EQ(ynorm, 2500);
        EXPECT_EQ(neg, 1e-5f);
        EXPECT_EQ(pos, 1.0f);
    }
    EXPECT_EQ(s.FAV_xpos + s.FKF_xpos + s.FKF_erneuernd + s.FAV.ordinate + s.FKF.ordinate, 0);

    const int farben[7][3] = {{0, 0, 150}, {150, 0, 0}, {255, 255, 255}, {200, 200, 200},
                              {0, 0, 250}, {250, 0, 0}, {150, 150, 150}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(s.farbe[i].rot, farben[i][0]) << i;
        EXPECT_EQ(s.farbe[i].gruen, farben[i][1]) << i;
        EXPECT_EQ(s.farbe[i].blau, farben[i][2]) << i;
    }
}

TEST(Modellids, RunsAndInvalidationAreTakenFromTheRightSet) {
    ZorState s = startZustand();
    EXPECT_EQ(durchlaeufe(s, 0), 10000);
    EXPECT_EQ(durchlaeufe(s, 1), 0);  // inactive
    s.Modell.M2 = MC2;
    s.MCWert2[gemc::Durchlaeufe] = 12345.9f;
    EXPECT_EQ(durchlaeufe(s, 1), 12345);
    s.FAV.ermittelt1 = s.FAV.ermittelt2 = s.FKF.ermittelt1 = s.FKF.ermittelt2 = 1;
    ungueltigMachen(s, 1);
    EXPECT_EQ(s.FAV.ermittelt1 + s.FKF.ermittelt1, 2);
    EXPECT_EQ(s.FAV.ermittelt2 + s.FKF.ermittelt2, 0);
}

// The arrays hold Durchlaeufe in single precision; the exact count lives beside them.
TEST(Modellids, TheNumberOfBitsIsKeptExactlyBesideTheArray) {
    ZorState s = startZustand();
    s.Modell.M2 = GE2;
    for (std::uint64_t n : {std::uint64_t{16777217}, std::uint64_t{123456789}, UINT64_MAX}) {
        durchlaeufeSetzen(s, Modellart::GE, 1, n);
        EXPECT_EQ(durchlaeufe(s, 1), n);
        EXPECT_EQ(s.GEWert2[gemc::Durchlaeufe], static_cast<float>(n));
    }
    durchlaeufeSetzen(s, Modellart::BSC, 0, 16777217);
    EXPECT_EQ(durchlaeufe(s, 0), 16777217u);
    EXPECT_EQ(durchlaeufe(s, Modellart::GE, 0), 10000u);  // another model of the set keeps its own
    // A count written into the array alone wins over an exact one that no longer belongs to it.
    s.BSCWert1[bsc::Durchlaeufe] = 500.0f;
    EXPECT_EQ(durchlaeufe(s, 0), 500u);
    s.BSCWert1[bsc::Durchlaeufe] = 3e38f;
    EXPECT_EQ(durchlaeufe(s, 0), UINT64_MAX);
}
