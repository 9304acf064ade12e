#include "core/models/zor_state.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace zor;

// The start values themselves are checked where they matter: the worked numbers of the
// curves, the help pages and the CLI presets. Here: nothing stale survives a reset.
TEST(InitVar, ResetsWhatAnEarlierStateLeftBehind) {
    ZorState s;
    s.Modell.inaktiv = 7;
    s.Modell.M2 = GE2;
    s.FAV.ermittelt1 = s.FKF.ermittelt2 = 1;
    s.Fenster.FF = s.Fenster.alle = 1;
    s.Cursor.FAV = 1;
    s.FKF_erneuernd = 1;
    s.Datei1.szFileName = "alt.FFO";
    s.BSCWert1[bsc::p] = 0.5f;
    InitVar(s);
    EXPECT_EQ(s.Modell.inaktiv, 0);
    EXPECT_EQ(s.Modell.M1, BSC1);
    EXPECT_EQ(s.Modell.M2, INAKTIV);
    EXPECT_EQ(s.BSCWert1, (BscWerte{0.1f, 1265, 10000}));
    EXPECT_EQ(s.FAV.ermittelt1 + s.FKF.ermittelt2 + s.Fenster.FF + s.Fenster.alle + s.Cursor.FAV + s.FKF_erneuernd, 0);
    EXPECT_TRUE(s.Datei1.szFileName.empty());
    EXPECT_EQ(s.Fenster.null, 1);
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
