// zor buendel and zor bloecke: worked numbers from hand-made sequences and the BSC law,
// the interleaver, JSON members and refusals.

#include "zor_aufruf.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

namespace {

using BuendelCli = ZorCliTest;

// Errors at 1 2 4 5 6 and 9: with g = 2 one burst of weight 5 (bits 1..6) and one of 1.
TEST_F(BuendelCli, BurstsOfAHandMadeSequence) {
    dateiSchreiben(pfad("f.ffo"), "0110111001\n");
    auto e = zorAufruf({"buendel", "--model", "file", "--file", pfad("f.ffo"), "--guard", "2", "--points", "6",
                        "--quantity", "weight", "--pk"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, "1,0.5\n2,0\n3,0\n4,0\n5,0.5\n6,0\n");
    e = zorAufruf({"buendel", "--model", "file", "--file", pfad("f.ffo"), "--guard", "2", "--points", "3",
                   "--quantity", "length", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus.rfind("{\"points\": [[1, 1], [2, 0.5], [3, 0.5]], \"buendel\": 2, \"bits\": 10, "
                          "\"mittelwert\": 3.5, \"halbbreite\": null, \"ms\": ", 0), 0u) << e.aus;
}

// BSC with p = 0.25 (exact in single precision) over 3 bits: 27/64, 27/64, 9/64, 1/64;
// P(> 0) over n = 1, 2, 3: 1/4, 7/16, 37/64.
TEST_F(BuendelCli, ExactBlocksOfTheBscAreBinomial) {
    const auto e = zorAufruf({"bloecke", "--model", "bsc", "--p", "0.25", "--block", "3", "--errors", "3", "--theory"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, "0,0.421875\n1,0.421875\n2,0.140625\n3,0.015625\n");
    const auto r = zorAufruf({"bloecke", "--model", "bsc", "--p", "0.25", "--residual", "0", "--nmax", "3", "--points",
                              "3", "--theory", "--json"});
    ASSERT_EQ(r.code, 0) << r.fehler;
    EXPECT_EQ(r.aus.rfind("{\"points\": [[1, 0.25], [2, 0.4375], [3, 0.578125]], \"tiefe\": 1, \"ms\": ", 0), 0u)
        << r.aus;
}

// 16 bits, errors at 0 and 1. Blocks of 4: one with 2 errors. Depth 2 (frames of 8 bits,
// rows 0 2 4 6 and 1 3 5 7): two blocks with one error each.
TEST_F(BuendelCli, CountedBlocksWithAndWithoutInterleaving) {
    dateiSchreiben(pfad("f.ffo"), "1100000000000000");
    auto e = zorAufruf({"bloecke", "--model", "file", "--file", pfad("f.ffo"), "--block", "4", "--errors", "2", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus.rfind("{\"points\": [[0, 0.75], [1, 0], [2, 0.25]], \"mehr\": 0, \"bloecke\": 4, \"tiefe\": 1", 0), 0u)
        << e.aus;
    e = zorAufruf({"bloecke", "--model", "file", "--file", pfad("f.ffo"), "--block", "4", "--errors", "2",
                   "--interleave", "2"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus, "0,0.5\n1,0.5\n2,0\n");
}

TEST_F(BuendelCli, RefusesEntriesOutsideTheirLimits) {
    for (const auto& [args, text] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"bloecke", "--preset", "ge1", "--block", "0"}, "Eingabefehler bei Blocklänge n (\"0\")"},
             {{"buendel", "--preset", "ge1", "--guard", "1.5"}, "Schutzabstand g (\"1.5\")"},
             {{"buendel", "--preset", "ge1", "--quantity", "breite"}, "Unbekannte Größe: breite"}}) {
        const auto e = zorAufruf(args);
        EXPECT_EQ(e.code, 2) << text;
        EXPECT_THAT(e.fehler, HasSubstr(text));
        EXPECT_TRUE(e.aus.empty());
    }
}

}  // namespace
