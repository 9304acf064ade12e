// zor with an experiment file (--versuch) and the spreadsheet CSV (--csv-de).
#include "zor_aufruf.h"

#include <gtest/gtest.h>

namespace {

class VersuchCli : public ZorCliTest {
protected:
    // Set 1 a simulated GE model, set 2 the three-state model as a formula.
    std::string versuch() {
        std::string datei = pfad("lab.zorversuch");
        schreiben(datei,
                  "zorversuch=1\n[satz1]\nmodell=ge\nge.startwert=4321\nge.n=20000\nge.pgb=0.2\nge.pbg=0.02\n"
                  "ge.good=0.001\nge.bad=0.3\n[satz2]\nmodell=sw\nsimulation=0\nsw.pz1=0.5\nsw.pz2=0.25\n"
                  "sw.pz3=0.25\n[ende]\n");
        return datei;
    }
};

TEST_F(VersuchCli, FuelltDieModelloptionenUndLaesstSichUeberschreiben) {
    const std::string v = versuch();
    const std::vector<std::string> ge = {"--model", "ge",    "--seed", "4321",   "--n",   "20000", "--pgb",
                                         "0.2",     "--pbg", "0.02",   "--good", "0.001", "--bad", "0.3"};
    auto mit = [](std::vector<std::string> a, const std::vector<std::string>& mehr) {
        a.insert(a.end(), mehr.begin(), mehr.end());
        return a;
    };
    struct Fall {
        std::vector<std::string> ausVersuch, ausdruecklich;
    };
    const Fall faelle[] = {
        {{"fav", "--versuch", v}, mit({"fav"}, ge)},
        {{"fkf", "--versuch", v, "--lags", "30"}, mit({"fkf", "--lags", "30"}, ge)},
        // Options on the command line win over the experiment.
        {{"fav", "--versuch", v, "--seed", "7", "--bad", "0.5"},
         {"fav", "--model", "ge", "--seed", "7", "--n", "20000", "--pgb", "0.2", "--pbg", "0.02", "--good", "0.001",
          "--bad", "0.5"}},
        // Set 2 is a formula in the experiment, so the curve is the theory; what the file
        // leaves out are the start values of set 2.
        {{"fav", "--versuch", v, "--versuchssatz", "2"},
         {"fav", "--preset", "sw2", "--pz1", "0.5", "--pz2", "0.25", "--pz3", "0.25", "--theory"}},
    };
    for (const Fall& f : faelle) {
        const auto a = zorAufruf(f.ausVersuch), b = zorAufruf(f.ausdruecklich);
        SCOPED_TRACE(f.ausVersuch.back());
        ASSERT_EQ(a.code, 0) << a.fehler;
        ASSERT_EQ(b.code, 0) << b.fehler;
        EXPECT_FALSE(a.aus.empty());
        EXPECT_EQ(a.aus, b.aus);
    }
    // A different model through --model: the experiment's values for it do not leak into another.
    EXPECT_EQ(zorAufruf({"fav", "--versuch", v, "--model", "bsc"}).aus, zorAufruf({"fav", "--model", "bsc"}).aus);
}

TEST_F(VersuchCli, BeschaedigterVersuchWirdAbgelehnt) {
    schreiben(pfad("kaputt.zorversuch"), "zorversuch=1\n[satz1]\nmodell=ge\nge.good=nan\n[ende]\n");
    schreiben(pfad("inaktiv.zorversuch"), "zorversuch=1\n[satz1]\nmodell=inaktiv\n[ende]\n");
    ablehnungenPruefen({
        {{"fav", "--versuch", pfad("kaputt.zorversuch")}, 2, "satz1.ge.good"},
        {{"fav", "--versuch", pfad("fehlt.zorversuch")}, 2, "kann nicht gelesen werden"},
        {{"fav", "--versuch", pfad("inaktiv.zorversuch")}, 2, "inaktiv"},
        {{"fav", "--versuch", versuch(), "--p", "0.1"}, 2, "--p"},
    });
}

TEST_F(VersuchCli, CsvDeutschTraegtDieselbenZahlen) {
    if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    struct Fall {
        std::vector<std::string> args;
        const char* kopf;
    };
    const Fall faelle[] = {
        {{"fav", "--model", "ge", "--band", "--n", "3000"}, "k;Wert;unten;oben"},
        {{"fkf", "--model", "mc", "--theory"}, "k;Wert"},
        {{"buendel", "--model", "bsc", "--p", "0.2"}, "k;Wert"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.args[0]);
        auto de = f.args;
        de.push_back("--csv-de");
        const auto a = zorAufruf(f.args), b = zorAufruf(de);
        ASSERT_EQ(a.code, 0) << a.fehler;
        ASSERT_EQ(b.code, 0) << b.fehler;
        EXPECT_EQ(b.aus.substr(0, b.aus.find('\n')), f.kopf);
        schreiben(pfad("a.csv"), a.aus);
        schreiben(pfad("b.csv"), b.aus);
        // An independent reader: Python's csv module with the spreadsheet's delimiter.
        const std::string skript =
            "import csv,sys\n"
            "z=lambda t: float(t) if t else None\n"
            "a=[[z(t) for t in r] for r in csv.reader(open(sys.argv[1]))]\n"
            "b=[[z(t.replace(',','.')) for t in r] for r in list(csv.reader(open(sys.argv[2]),delimiter=';'))[1:]]\n"
            "print('gleich' if a==b and len(a)>10 else 'verschieden')\n";
        schreiben(pfad("vergleich.py"), skript);
        const auto e = befehlAufrufen(zorQuote(ZOR_PYTHON) + " " + zorQuote(pfad("vergleich.py")) + " " +
                                      zorQuote(pfad("a.csv")) + " " + zorQuote(pfad("b.csv")));
        EXPECT_EQ(e.aus, "gleich\n") << e.fehler;
    }
    EXPECT_EQ(zorAufruf({"fav", "--model", "bsc", "--json", "--csv-de"}).code, 2);
}

}  // namespace
