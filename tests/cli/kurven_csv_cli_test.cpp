// The curve documents' CSV agrees with `zor fav` and `zor fkf` number for number: the same
// model, computed in-process the way the documents compute it.

#include "zor_aufruf.h"

#include "core/documents/kurven_csv.h"
#include "core/models/kurven_ermitteln.h"

#include <sstream>

using namespace zor;

namespace {

using KurvenCsv = ZorCliTest;

// GE theory with the start values in set 1 only, as `--preset ge1 --theory` chooses it.
ZorState geTheorie() {
    ZorState s = startZustand();
    s.Modell.M1 = GE1;
    s.Modell.M2 = INAKTIV;
    s.Modell.sim1 = 0;
    return s;
}

// The document's lines without the heading, each "k,set 1," since set 2 is inactive;
// the CLI prints "k,value".
std::string alsCliAusgabe(const std::string& csv) {
    std::istringstream in(csv);
    std::string zeile, aus;
    std::getline(in, zeile);
    EXPECT_EQ(zeile, "k,Satz 1,Satz 2");
    while (std::getline(in, zeile)) {
        EXPECT_EQ(zeile.back(), ',') << zeile;
        aus += zeile.substr(0, zeile.size() - 1) + '\n';
    }
    return aus;
}

}  // namespace

// FAV in both forms and FKF, with point counts other than the defaults.
TEST_F(KurvenCsv, GleichZorFavUndZorFkf) {
    for (const int fall : {0, 1, 2}) {
        const bool fkf = fall == 2, ak = fall == 1;
        std::vector<std::string> args{fkf ? "fkf" : "fav", "--preset", "ge1", "--theory"};
        args.insert(args.end(), {fkf ? "--lags" : "--points", fkf ? "23" : "37"});
        if (ak) args.push_back("--ak");
        const auto e = zorAufruf(args);
        ASSERT_EQ(e.code, 0) << e.fehler;
        ZorState s = geTheorie();
        s.FAV_defbereich = 37;
        s.FKF_defbereich = 23;
        s.Modell.AB = ak ? 1 : 0;
        KeinFortschritt still;
        ASSERT_TRUE(fkf ? FKF_Ermitteln(s, still) : FAV_Ermitteln(s, still));
        EXPECT_EQ(alsCliAusgabe(fkf ? FKF_Csv(s) : FAV_Csv(s)), e.aus) << args[0] << (ak ? " --ak" : "");
    }
}

TEST(KurvenCsvSpalten, InaktiverSatzBleibtLeerUndKAusDemAnderen) {
    ZorState s = startZustand();
    s.Modell.M1 = INAKTIV;
    s.Modell.M2 = BSC2;
    s.FKF_defbereich = 2;
    for (int k = 0; k < 3; ++k) s.ptFKF2[static_cast<std::size_t>(k)] = {static_cast<float>(k), 0.125f * static_cast<float>(k)};
    EXPECT_EQ(FKF_Csv(s), "k,Satz 1,Satz 2\n0,,0\n1,,0.125\n2,,0.25\n");
}

// With the band: the document's columns of set 1 (value, lower, upper) are `zor --band`'s.
TEST_F(KurvenCsv, BandGleichZorBand) {
    for (const bool fav : {false, true}) {
        const auto e = zorAufruf({fav ? "fav" : "fkf", "--preset", "ge1", "--n", "100000", "--band",
                                  fav ? "--points" : "--lags", "23"});
        ASSERT_EQ(e.code, 0) << e.fehler;
        ZorState s = geTheorie();
        s.Modell.sim1 = 1;
        durchlaeufeSetzen(s, Modellart::GE, 0, 100000);
        s.FAV_defbereich = s.FKF_defbereich = 23;
        s.FAV_band = s.FKF_band = 1;
        KeinFortschritt still;
        ASSERT_TRUE(fav ? FAV_Ermitteln(s, still) : FKF_Ermitteln(s, still));
        std::istringstream in(fav ? FAV_Csv(s) : FKF_Csv(s));
        std::string zeile, aus;
        std::getline(in, zeile);
        EXPECT_EQ(zeile, "k,Satz 1,Satz 2,Satz 1 unten,Satz 1 oben,Satz 2 unten,Satz 2 oben");
        while (std::getline(in, zeile)) {
            // k,v1,,u1,o1,, -> k,v1,u1,o1
            std::vector<std::string> zellen;
            std::istringstream z(zeile);
            for (std::string c; std::getline(z, c, ',');) zellen.push_back(c);
            ASSERT_GE(zellen.size(), 5u) << zeile;
            aus += zellen[0] + ',' + zellen[1] + ',' + zellen[3] + ',' + zellen[4] + '\n';
        }
        EXPECT_EQ(aus, e.aus) << (fav ? "FAV" : "FKF");
    }
}
