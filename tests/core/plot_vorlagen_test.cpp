// The shipped templates and where templates are looked up.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>

#include "core/models/zor_state.h"
#include "core/plot/vorlagenquelle.h"
#include "plot_hilfen.h"
#include "temp_verzeichnis.h"

using namespace zor;

namespace {

// The templates shipped in the program's resources (the build names their folder; a
// compiler cache may make __FILE__ relative).
const std::filesystem::path VORLAGEN = ZOR_VORLAGEN;

std::string vorlage(const std::string& name) {
    const auto text = vorlageAusVerzeichnis(VORLAGEN, name);
    EXPECT_TRUE(text) << name;
    return text.value_or("");
}

bool enthaelt(const std::vector<std::string>& texte, const std::string& gesucht) {
    return std::any_of(texte.begin(), texte.end(), [&](const auto& t) { return t.find(gesucht) != std::string::npos; });
}

struct Aufruf {
    const char* vorlage;
    std::string selektoren;
    int werte;  // length of the value array the caller passes; 0 for none
};

const ZorState START = startZustand();

std::span<const float> werteFuer(const char* name, int anzahl) {
    const std::string n = name;
    if (anzahl == 0) return {};
    if (n == "BSC_PAR.PLT") return START.BSCWert1;
    if (n == "GE_PAR.PLT") return START.GEWert1;
    if (n == "MC_PAR.PLT") return START.MCWert1;
    return START.SWWert1;
}

}  // namespace

class MitgelieferteVorlage : public ::testing::TestWithParam<Aufruf> {};

TEST_P(MitgelieferteVorlage, DrawsCompletelyForEverySelectorItsCallersPass) {
    const auto& a = GetParam();
    const std::string text = vorlage(a.vorlage);
    for (const char selektor : a.selektoren)
        for (const int textfarbe : {0, 1}) {
            const auto z = zeichne(text, werteFuer(a.vorlage, a.werte), textfarbe, selektor);
            EXPECT_EQ(z.ergebnis, 1) << a.vorlage << " '" << selektor << "'";
            EXPECT_FALSE(z.fehlerGemeldet());
            EXPECT_FALSE(z.dc.texte().empty());
        }
}

INSTANTIATE_TEST_SUITE_P(Plot, MitgelieferteVorlage,
                         ::testing::Values(Aufruf{"FKF.PLT", "a", 0}, Aufruf{"FAV.PLT", "a", 0},
                                           Aufruf{"FAVak.PLT", "a", 0}, Aufruf{"BSC_PAR.PLT", "abcd", 3},
                                           Aufruf{"GE_PAR.PLT", "abcd", 8}, Aufruf{"MC_PAR.PLT", "abcd", 8},
                                           Aufruf{"SW_PAR.PLT", "abcd", 8}, Aufruf{"FFO_FAB.PLT", "ab", 0},
                                           Aufruf{"MAR.PLT", "gm", 0}, Aufruf{"DRUCKEN.PLT", "abc", 0}));

TEST(MitgelieferteVorlagen, ParameterPicturesShowTheSetAndItsValues) {
    const auto ge = [](char t, int farbe) { return zeichne(vorlage("GE_PAR.PLT"), START.GEWert2, farbe, t); };
    const auto sim = ge('c', 1);
    EXPECT_TRUE(enthaelt(sim.dc.texte(), "Parametersatz 2"));
    EXPECT_TRUE(enthaelt(sim.dc.texte(), "p(B|G) = 0.001"));
    EXPECT_TRUE(enthaelt(sim.dc.texte(), "p(B|B) = 0.5151"));
    EXPECT_TRUE(enthaelt(sim.dc.texte(), "Fehler in B = 0.5"));
    EXPECT_TRUE(enthaelt(sim.dc.texte(), "Startwert = 6789"));
    EXPECT_EQ(sim.nur(Zeichenaufruf::Art::Text).front().textfarbe, (Farbe{150, 0, 0}));

    const auto theorie = ge('b', 0);
    EXPECT_TRUE(enthaelt(theorie.dc.texte(), "Parametersatz 1"));
    EXPECT_FALSE(enthaelt(theorie.dc.texte(), "Startwert"));
    EXPECT_TRUE(enthaelt(theorie.dc.texte(), "theoretisch"));
    EXPECT_EQ(theorie.nur(Zeichenaufruf::Art::Text).front().textfarbe, (Farbe{0, 0, 150}));

    const auto bsc = zeichne(vorlage("BSC_PAR.PLT"), START.BSCWert1, 0, 'a');
    EXPECT_TRUE(enthaelt(bsc.dc.texte(), "p = 0.1"));
    EXPECT_TRUE(enthaelt(bsc.dc.texte(), "Durchläufe = 10000"));
    const auto sw = zeichne(vorlage("SW_PAR.PLT"), START.SWWert1, 0, 'a');
    EXPECT_TRUE(enthaelt(sw.dc.texte(), "pZ3 = 0.75"));
    EXPECT_TRUE(enthaelt(sw.dc.texte(), "e2 = 0.5228"));
}

TEST(MitgelieferteVorlagen, SelectorsPickTheirTexts) {
    const auto texte = [](const char* name, char t) { return zeichne(vorlage(name), {}, 1, t).dc.texte(); };
    EXPECT_TRUE(enthaelt(texte("FFO_FAB.PLT", 'a'), "simuliert mit Fehlerfolge"));
    EXPECT_TRUE(enthaelt(texte("FFO_FAB.PLT", 'b'), "simuliert mit Fehlerabstand"));
    EXPECT_TRUE(enthaelt(texte("MAR.PLT", 'g'), "p(B|G)"));
    EXPECT_TRUE(enthaelt(texte("MAR.PLT", 'm'), "q(B|G)"));
    EXPECT_FALSE(enthaelt(texte("MAR.PLT", 'm'), "p(B|G)"));
    EXPECT_TRUE(enthaelt(texte("DRUCKEN.PLT", 'a'), "Fehlerfolge"));
    EXPECT_TRUE(enthaelt(texte("DRUCKEN.PLT", 'b'), "Fehlerkorrelationsfunktion"));
    EXPECT_TRUE(enthaelt(texte("DRUCKEN.PLT", 'c'), "Fehlerabstandsverteilung"));
    EXPECT_TRUE(enthaelt(texte("FAV.PLT", 'a'), "P(a ≥ k)"));
    EXPECT_TRUE(enthaelt(texte("FAVak.PLT", 'a'), "p(a = k)"));
    EXPECT_TRUE(enthaelt(texte("FKF.PLT", 'a'), "R(k)"));
}

using Vorlagensuche = TempVerzeichnis;

TEST_F(Vorlagensuche, StartDirectoryFirstThenBuiltIn) {
    const Vorlagenquelle eingebaut = [](std::string_view name) {
        return std::optional<std::string>("eingebaut:" + std::string(name));
    };
    const auto quelle = vorlagenquelle(dir_, eingebaut);
    schreiben(pfad("FKF.PLT"), "aus dem Startverzeichnis");
    EXPECT_EQ(quelle("FKF.PLT"), "aus dem Startverzeichnis");
    EXPECT_EQ(quelle("FAV.PLT"), "eingebaut:FAV.PLT");

    schreiben(pfad("favak.plt"), "klein geschrieben");
    EXPECT_EQ(quelle("FAVak.PLT"), "klein geschrieben");

    schreiben(pfad("MAR.PLT"), std::string(MAX_VORLAGENGROESSE + 1, 'k'));
    EXPECT_EQ(quelle("MAR.PLT"), "eingebaut:MAR.PLT");
    EXPECT_FALSE(vorlagenquelle(dir_, {})("GE_PAR.PLT"));
    EXPECT_FALSE(vorlageAusVerzeichnis(dir_ / "fehlt", "FKF.PLT"));
    EXPECT_FALSE(vorlageAusVerzeichnis(dir_, "../FKF.PLT"));
}
