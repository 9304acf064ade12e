// zor kenngroessen, zor netem and the --netem model option.

#include "zor_aufruf.h"

namespace {

using KenngroessenCli = ZorCliTest;

// The values themselves are the help's worked numbers; here the two forms of output.
TEST_F(KenngroessenCli, PrintsTheQuantitiesPlainOrAsJson) {
    const auto e = zorAufruf({"kenngroessen", "--preset", "ge1"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus.rfind("Fehlerwahrscheinlichkeit=0.04545454", 0), 0u) << e.aus;
    // A state that is never left has no finite stay: JSON says null.
    const auto j = zorAufruf({"kenngroessen", "--preset", "mc1", "--pbg", "0", "--lags", "20", "--json"});
    EXPECT_EQ(j.aus.rfind("{\"Fehlerwahrscheinlichkeit\": 0.1", 0), 0u) << j.aus;
    EXPECT_NE(j.aus.find("\"Verweildauer_GOOD\": null, \"Verweildauer_BAD\": 24.99999"), std::string::npos) << j.aus;
}

// ge1 written as a netem line and read back through --netem is ge1 again, digit for digit.
TEST_F(KenngroessenCli, NetemLineOfASetFeedsEveryModelOption) {
    const auto zeile = zorAufruf({"netem", "--preset", "ge1"});
    ASSERT_EQ(zeile.code, 0) << zeile.fehler;
    EXPECT_EQ(zeile.aus, "loss gemodel 1% 10% 40% 1%\n");
    const std::string tc = "tc qdisc add dev eth0 root netem " + zeile.aus.substr(0, zeile.aus.size() - 1);
    for (const std::vector<std::string>& befehl : {std::vector<std::string>{"fav", "--theory"}, {"fkf", "--n", "20000"}, {"kenngroessen"}}) {
        auto vorgabe = befehl, netem = befehl;
        vorgabe.insert(vorgabe.end(), {"--preset", "ge1"});
        netem.insert(netem.end(), {"--netem", tc});
        const auto n = zorAufruf(netem);
        ASSERT_EQ(n.code, 0) << n.fehler;
        EXPECT_EQ(n.aus, zorAufruf(vorgabe).aus) << befehl[0];
    }
    EXPECT_EQ(zorAufruf({"netem", "--netem", "loss 0.25%"}).aus, "loss random 0.25%\n");
}

TEST_F(KenngroessenCli, RefusesWhatNetemCannotSayOrMix) {
    ablehnungenPruefen({
        {{"netem", "--preset", "mc1"}, 2, "nur Parametersätze des BSC- und des Gilbert-Elliott-Modells"},
        {{"fav", "--netem", "loss state 1% 2%"}, 2, "„loss state …“ wird nicht unterstützt"},
        {{"fav", "--netem", "loss gemodel 1%", "--pgb", "0.2"}, 2, "--pgb lässt sich nicht mit --netem verbinden"},
        {{"kenngroessen", "--netem", "loss gemodel 1%", "--model", "ge"}, 2, "nur eines von --model, --preset und --netem"},
        {{"kenngroessen", "--preset", "ge1", "--lags", "5"}, 2, "Skalierung Abszisse"},
    });
}

}  // namespace
