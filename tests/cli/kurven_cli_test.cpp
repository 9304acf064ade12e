// The curve subcommands: CSV and JSON output, the method warning, and refusals.

#include "zor_aufruf.h"
#include "../core/testnamen.h"

#include "core/models/umrechnung.h"
#include "core/models/zor_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace zor;

namespace {

using KurvenCli = ZorCliTest;

std::size_t zeilen(const std::string& text) { return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')); }

// The values themselves are the curve documents' (kurven_csv_cli_test); here the form,
// and the worked number p = 0.1: P(a >= 2) = 0.9 exactly as a reader would write it.
TEST_F(KurvenCli, FavPrintsCsvOrJson) {
    const auto e = zorAufruf({"fav", "--preset", "ge1", "--theory", "--points", "30"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    ASSERT_EQ(zeilen(e.aus), 30u);
    EXPECT_EQ(e.aus.rfind("1,1\n2,0.", 0), 0u) << e.aus;
    EXPECT_NE(zorAufruf({"fav", "--preset", "bsc1", "--theory"}).aus.find("\n2,0.9\n"), std::string::npos);
    const auto j = zorAufruf({"fav", "--model", "bsc", "--p", "0.25", "--theory", "--ak", "--points", "20", "--json"});
    ASSERT_EQ(j.code, 0) << j.fehler;
    EXPECT_EQ(j.aus.rfind("{\"points\": [[1, 0.25], [2, 0.1875]", 0), 0u) << j.aus;
    EXPECT_NE(j.aus.find("\"ms\": "), std::string::npos);
    EXPECT_NE(j.aus.find("\"warnung\": null}"), std::string::npos);
}

TEST_F(KurvenCli, FkfWarnsAboutTheMethodAndPrintsCsvOrJson) {
    const auto e = zorAufruf({"fkf", "--preset", "ge1", "--n", "100000", "--lags", "20", "--method", "renewal", "--json"});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_NE(e.fehler.find("für das Gilbert-Elliott-Modell ungeeignet!"), std::string::npos);
    EXPECT_NE(e.aus.find("\"warnung\": \"Das ausgewählte Berechnungsverfahren ist für das Gilbert-Elliott-Modell"),
              std::string::npos);
    for (const char* feld : {"\"Korrelationsdauer\": ", "\"zaehler\": ", "\"nenner\": ", "[20, "})
        EXPECT_NE(e.aus.find(feld), std::string::npos) << feld;
    const auto csv = zorAufruf({"fkf", "--preset", "ge1", "--theory", "--lags", "20"});
    EXPECT_EQ(zeilen(csv.aus), 21u);
    EXPECT_EQ(csv.aus.rfind("0,0.0454545", 0), 0u) << csv.aus;
}

// --band: two more columns that enclose the curve; in JSON their arrays and, for FKF,
// the duration's interval and the hint about the sequence's length.
TEST_F(KurvenCli, BandAddsLowerAndUpper) {
    for (const char* befehl : {"fav", "fkf"}) {
        const auto e = zorAufruf({befehl, "--preset", "ge1", "--n", "100000", "--band"});
        ASSERT_EQ(e.code, 0) << e.fehler;
        std::istringstream in(e.aus);
        std::string zeile;
        std::size_t breit = 0;
        while (std::getline(in, zeile)) {
            double k = 0, y = 0, unten = 0, oben = 0;
            ASSERT_EQ(std::sscanf(zeile.c_str(), "%lf,%lf,%lf,%lf", &k, &y, &unten, &oben), 4) << zeile;
            EXPECT_LE(unten, y) << zeile;
            EXPECT_GE(oben, y) << zeile;
            breit += oben > unten;
        }
        EXPECT_GT(breit, 40u) << befehl;
    }
    const auto j = zorAufruf({"fkf", "--preset", "ge1", "--n", "100000", "--lags", "20", "--band", "--json"});
    ASSERT_EQ(j.code, 0) << j.fehler;
    for (const char* feld : {"\"lower\": [", "\"upper\": [", "\"Korrelationsdauer_intervall\": [", "\"hinweis\": null"})
        EXPECT_NE(j.aus.find(feld), std::string::npos) << feld << '\n' << j.aus;
    // The start length is too short for a useful correlation: the hint names a longer one.
    const auto kurz = zorAufruf({"fkf", "--preset", "ge1", "--band", "--json"});
    EXPECT_NE(kurz.aus.find("\"hinweis\": \"Folge zu kurz: N ≈ "), std::string::npos)
        << kurz.aus;
    EXPECT_NE(kurz.fehler.find("Folge zu kurz"), std::string::npos);
}

// A memoryless channel shows no duration, with the note why, also at the start values
// where two negative noise values once gave 17 bits.
TEST_F(KurvenCli, BscHasNoCorrelationDuration) {
    for (const char* preset : {"bsc1", "bsc2"}) {
        const auto e = zorAufruf({"fkf", "--preset", preset, "--json"});
        ASSERT_EQ(e.code, 0) << e.fehler;
        EXPECT_NE(e.aus.find("\"Korrelationsdauer\": 0, "), std::string::npos) << e.aus;
        EXPECT_NE(e.aus.find("\"Korrelationsdauer_hinweis\": \"keine abklingende Korrelation\""), std::string::npos);
    }
}

TEST_F(KurvenCli, Ge2mcPrintsTheTenValues) {
    const std::vector<std::string> args = {"ge2mc", "--pgb", "0.1", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"};
    const auto e = zorAufruf(args);
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(zeilen(e.aus), 10u);
    // Each value read back as a float is the computed one, and is printed in its shortest form.
    const float korrelation = Umrechnung(startZustand().GEWert1.data()).GeToMcKorrelation;
    const auto pos = e.aus.find("GeToMcKorrelation=");
    ASSERT_NE(pos, std::string::npos) << e.aus;
    EXPECT_EQ(std::strtof(e.aus.c_str() + pos + 18, nullptr), korrelation);
    EXPECT_NE(e.aus.find("GeGood=0.01\n"), std::string::npos) << e.aus;
    auto mitJson = args;
    mitJson.push_back("--json");
    EXPECT_EQ(zorAufruf(mitJson).aus.rfind("{\"GeGood\": 0.01, ", 0), 0u);
}

struct Falsch {
    const char* name;
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
    ::testing::Values(
        Falsch{
            "FavZuWenigPunkte", {"fav", "--preset", "ge1", "--points", "19"}, 2, "Fehleingabe bei Skalierung Abszisse"},
        Falsch{"BscUeberEins", {"fav", "--model", "bsc", "--p", "1.5"}, 2, "größer als 1"},
        Falsch{
            "FkfMethodeUnbekannt", {"fkf", "--preset", "ge1", "--method", "fast"}, 2, "Unbekannte Berechnungsmethode"},
        Falsch{"Ge2mcKomma",
               {"ge2mc", "--pgb", "0,1", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"},
               2,
               "Eingabefehler bei --pgb"},
        Falsch{"Ge2mcUebergangNull",
               {"ge2mc", "--pgb", "0", "--pbg", "0.01", "--good", "0.01", "--bad", "0.4"},
               2,
               "--pgb: beim GE-Modell darf kein Übergang 0 sein"},
        // The dialogs' rule: a state that can be chosen but never errs gives an endless gap.
        Falsch{"SwZustandOhneFehler",
               {"fav", "--model", "sw", "--pz1", "0.5", "--pz2", "0.5", "--pz3", "0", "--e1", "0", "--e2", "0.1"},
               2,
               "--e1: ein Zustand, der gewählt werden kann"},
        Falsch{"Ge2mcOhneMcModell",
               {"ge2mc", "--pgb", "0.9", "--pbg", "0.5", "--good", "0.01", "--bad", "0.4"},
               1,
               "kein gültiges äquivalentes MC-Modell"},
        Falsch{"SwWahlSummeNichtEins",
               {"fav", "--model", "sw", "--pz1", "1", "--pz2", "1", "--pz3", "1", "--theory"},
               2,
               "zusammen 1 ergeben"},
        Falsch{"ModellUndPreset", {"fav", "--model", "bsc", "--preset", "ge1"}, 2, "nicht beides"},
        Falsch{"DateiFehlt",
               {"fav", "--model", "file", "--file", "/nicht/vorhanden.FFO"},
               1,
               "Datei kann nicht gelesen werden!"},
        Falsch{"BandZurTheorie", {"fkf", "--preset", "ge1", "--theory", "--band"}, 2, "Konfidenzband gibt es nur"}),
    testnamen::NachName());

}  // namespace
