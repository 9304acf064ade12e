#include "zor_aufruf.h"

#include "models/fav.h"
#include "models/fkf.h"
#include "models/umrechnung.h"

#include <cstdio>
#include <sstream>

using namespace zor;

namespace {

// "k,value" lines into numbers.
std::vector<std::pair<double, double>> csv(const std::string& text) {
    std::vector<std::pair<double, double>> punkte;
    std::istringstream in(text);
    std::string zeile;
    while (std::getline(in, zeile)) {
        double k = 0, v = 0;
        EXPECT_EQ(std::sscanf(zeile.c_str(), "%lf,%lf", &k, &v), 2) << zeile;
        punkte.emplace_back(k, v);
    }
    return punkte;
}

using KurvenCli = ZorCliTest;

TEST_F(KurvenCli, FavTheoryPrintsTheCurveWithNineDigits) {
    const auto e = zorAufruf({"fav", "--preset", "ge1", "--theory", "--points", "30"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    const auto punkte = csv(e.aus);
    ASSERT_EQ(punkte.size(), 30u);
    std::array<STRUCT_PUNKT, FAV_PUNKTE> theorie{};
    FAV_GE_THEORIE(startZustand().GEWert1.data(), Kurve(theorie).first(30));
    for (std::size_t j = 0; j < 30; ++j) {
        EXPECT_EQ(punkte[j].first, static_cast<double>(j + 1));
        EXPECT_EQ(static_cast<float>(punkte[j].second), theorie[j].y);
    }
}

TEST_F(KurvenCli, FavPointProbabilitiesAndJson) {
    const auto e = zorAufruf({"fav", "--model", "bsc", "--p", "0.25", "--theory", "--ak", "--points", "20", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.aus.rfind("{\"points\": [[1, 0.25], [2, 0.1875]", 0), 0u) << e.aus;
    EXPECT_NE(e.aus.find("\"ms\": "), std::string::npos);
    EXPECT_NE(e.aus.find("\"warnung\": null}"), std::string::npos);
}

TEST_F(KurvenCli, FkfSimulationWithMethodWarningAndCorrelationDuration) {
    const auto e = zorAufruf({"fkf", "--preset", "ge1", "--n", "100000", "--lags", "20", "--method", "renewal", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_NE(e.fehler.find("für das Gilbert-Elliott-Modell ungeeignet!"), std::string::npos);
    EXPECT_NE(e.aus.find("\"warnung\": \"Das ausgewählte Berechnungsverfahren ist für das Gilbert-Elliott-Modell"),
              std::string::npos);
    for (const char* feld : {"\"Korrelationsdauer\": ", "\"zaehler\": ", "\"nenner\": ", "[20, "})
        EXPECT_NE(e.aus.find(feld), std::string::npos) << feld;
}

TEST_F(KurvenCli, FkfOfASavedSequenceEqualsItsSimulation) {
    ASSERT_EQ(zorAufruf({"sequence", "--preset", "mc1", "--n", "50000", "--out", pfad("m.FFO")}).code, 0);
    const auto datei = zorAufruf({"fkf", "--model", "file", "--file", pfad("m.FFO")});
    const auto sim = zorAufruf({"fkf", "--preset", "mc1", "--n", "50000"});
    ASSERT_EQ(datei.code, 0) << datei.fehler;
    EXPECT_EQ(datei.aus, sim.aus);
    EXPECT_EQ(csv(sim.aus).size(), 51u);
}

TEST_F(KurvenCli, Ge2mcPrintsTheTenValues) {
    const auto e = zorAufruf({"ge2mc", "--pgb", "0.1", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    const auto r = Umrechnung(startZustand().GEWert1.data());
    char erwartet[64];
    std::snprintf(erwartet, sizeof erwartet, "GeToMcKorrelation=%.9g\n", static_cast<double>(r.GeToMcKorrelation));
    EXPECT_NE(e.aus.find(erwartet), std::string::npos) << e.aus;
    std::size_t zeilen = 0;
    for (char c : e.aus) zeilen += c == '\n';
    EXPECT_EQ(zeilen, 10u);
    const auto j = zorAufruf({"ge2mc", "--pgb", "0.1", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4", "--json"});
    EXPECT_EQ(j.aus.rfind("{\"GeGood\": 0.00999999978, ", 0), 0u) << j.aus;
}

struct Falsch {
    std::vector<std::string> args;
    int code;
    const char* meldung;
};

class KurvenCliFalsch : public ZorCliTest, public ::testing::WithParamInterface<Falsch> {};

TEST_P(KurvenCliFalsch, RefusedWithAGermanMessage) {
    const auto e = zorAufruf(GetParam().args);
    EXPECT_EQ(e.code, GetParam().code) << e.fehler;
    EXPECT_NE(e.fehler.find(GetParam().meldung), std::string::npos) << e.fehler;
    EXPECT_TRUE(e.aus.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, KurvenCliFalsch,
    ::testing::Values(Falsch{{"fav", "--preset", "ge1", "--points", "19"}, 2, "Fehleingabe bei Skalierung Abszisse"},
                      Falsch{{"fkf", "--preset", "ge1", "--lags", "20.5"}, 2, "Eingabewert muß ganzzahlig sein"},
                      Falsch{{"fkf", "--preset", "ge1", "--lags", "101"}, 2, "20 <= Eingabewert <= 100"},
                      Falsch{{"fkf", "--preset", "ge1", "--method", "fast"}, 2, "Unbekannte Berechnungsmethode"},
                      Falsch{{"ge2mc", "--pgb", "0,1", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"}, 2,
                             "Eingabefehler bei --pgb"},
                      Falsch{{"ge2mc", "--pgb", "0", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"}, 2,
                             "Übergänge = 0"},
                      Falsch{{"fav", "--model", "bsc", "--p", "1.5"}, 2, "unzuläßige Eingabe"}));

TEST_F(KurvenCli, AMissingFileIsAFailure) {
    const auto e = zorAufruf({"fav", "--model", "file", "--file", pfad("fehlt.FFO")});
    EXPECT_EQ(e.code, 1);
    EXPECT_NE(e.fehler.find("Datei kann nicht gelesen werden!"), std::string::npos) << e.fehler;
}

}  // namespace
