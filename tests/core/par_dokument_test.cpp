// The parameter document: where each set's picture goes, which templates a set draws,
// and the picture of a file-fed set.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/documents/kennzeilen.h"
#include "core/documents/par_malen.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/vorlagenquelle.h"
#include "modellzustand.h"
#include "zeichnungsvorlage.h"

using namespace zor;

namespace {

// The templates shipped in the program's resources (the build names their folder).
const std::filesystem::path VORLAGEN = ZOR_VORLAGEN;

// The templates asked for, in order, with the real templates behind them.
struct Protokoll {
    std::vector<std::string> namen;
    Vorlagenquelle quelle() {
        return [this](std::string_view n) {
            namen.emplace_back(n);
            return vorlageAusVerzeichnis(VORLAGEN, n);
        };
    }
};

bool enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    for (const auto& t : texte)
        if (t.find(teil) != std::string::npos) return true;
    return false;
}

}  // namespace

// Window x/y, viewport x/y, origin x/y of one picture.
using Masse = std::array<double, 6>;

struct AnordnungFall {
    const char* name;
    int m1, m2;
    int rechts, unten;
    std::vector<Masse> erwartet;
};

class ParAnordnung : public testing::TestWithParam<AnordnungFall> {};

TEST_P(ParAnordnung, Zeilen) {
    const auto& f = GetParam();
    const auto bilder = PAR_Anordnung(mit(f.m1, f.m2), 0, 0, f.rechts, f.unten);
    ASSERT_EQ(bilder.size(), f.erwartet.size());
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        const Abbildung& a = bilder[i].abbildung;
        EXPECT_EQ(bilder[i].satz, f.erwartet.size() == 2 ? static_cast<int>(i) : (f.m1 ? 0 : 1));
        EXPECT_EQ((Masse{a.fensterX, a.fensterY, a.viewportX, a.viewportY, a.ursprungX, a.ursprungY}), f.erwartet[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, ParAnordnung,
    testing::Values(
        AnordnungFall{"ein_Satz_schmal", BSC1, 0, 1000, 600, {{10000, 10000, 250, -300, 500, 300}}},
        AnordnungFall{"ein_Satz2_schmal", 0, GE2, 999, 601, {{10000, 10000, 249, -300, 499, 300}}},
        AnordnungFall{"ein_Satz_genau_2_8_breit", BSC1, 0, 1400, 500, {{10000, 10000, 700, -250, 700, 250}}},
        AnordnungFall{"ein_Satz_knapp_schmal", BSC1, 0, 1399, 500, {{10000, 10000, 349, -250, 699, 250}}},
        AnordnungFall{"zwei_untereinander", BSC1, GE2, 700, 900,
                      {{10000, 20000, 210, -486, 350, 270}, {10000, 20000, 210, -486, 350, 675}}},
        AnordnungFall{"zwei_genau_2_8_nebeneinander", MC1, SW2, 1400, 500,
                      {{20000, 10000, 700, -250, 350, 250}, {20000, 10000, 700, -250, 1050, 250}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ParAnordnung, BeideInaktivOderInaktivFlagLeer) {
    EXPECT_TRUE(PAR_Anordnung(mit(0, 0), 0, 0, 800, 600).empty());
    ZorState s = mit(BSC1, 0);
    s.Modell.inaktiv = 1;
    EXPECT_TRUE(PAR_Anordnung(s, 0, 0, 800, 600).empty());
}

TEST(ParMalen, BscTheoretischNurDasModellbildSimuliertMitArtDerSimulation) {
    for (int simfabs : {0, 1}) {
        Protokoll p;
        AufzeichnendeLeinwand dc;
        ZorState s = mit(BSC1, 0);
        s.BSC_simfabs1 = simfabs;
        EXPECT_EQ(M_PAINT(dc, s, 0, p.quelle()), 0);
        EXPECT_EQ(p.namen, (std::vector<std::string>{"BSC_PAR.PLT", "FFO_FAB.PLT"}));
        EXPECT_TRUE(enthaelt(dc.texte(), simfabs ? "simuliert mit Fehlerabstand" : "simuliert mit Fehlerfolge"));
        EXPECT_FALSE(enthaelt(dc.texte(), simfabs ? "simuliert mit Fehlerfolge" : "simuliert mit Fehlerabstand"));
    }
    Protokoll p;
    AufzeichnendeLeinwand dc;
    EXPECT_EQ(M_PAINT(dc, mit(0, BSC2, 1, 0), 1, p.quelle()), 0);
    EXPECT_EQ(p.namen, (std::vector<std::string>{"BSC_PAR.PLT"}));
    EXPECT_FALSE(enthaelt(dc.texte(), "simuliert"));
}

TEST(ParMalen, ModelleNehmenIhreVorlage) {
    const std::pair<int, const char*> faelle[] = {{GE1, "GE_PAR.PLT"}, {MC1, "MC_PAR.PLT"}, {SW1, "SW_PAR.PLT"}};
    for (const auto& [modell, vorlage] : faelle) {
        Protokoll p;
        AufzeichnendeLeinwand dc;
        EXPECT_EQ(M_PAINT(dc, mit(modell, 0), 0, p.quelle()), 0) << vorlage;
        EXPECT_EQ(p.namen, std::vector<std::string>{vorlage});
    }
    Protokoll fehlt;
    AufzeichnendeLeinwand dc;
    EXPECT_EQ(M_PAINT(dc, mit(GE1, 0), 0, [](std::string_view) { return std::optional<std::string>{}; }), 1);
}

TEST(ParMalen, DateiUeberschriftUndNameInDerSatzfarbe) {
    ZorState s = mit(0, DATEI2);
    s.Datei2.szFileName = "/tmp/versuch/folge.FAB";
    AufzeichnendeLeinwand dc;
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    Protokoll p;
    EXPECT_EQ(M_PAINT(dc, s, 1, p.quelle()), 0);
    EXPECT_TRUE(p.namen.empty());
    // The heading level with the model pictures' headings, the name a line below.
    wieVorlage(dc, "par_datei");
    EXPECT_EQ(dc.schrift().hoehe, 1050);
}

// Under each model's picture its derived quantities: below every line of the template,
// and above where the stacked layout draws the next set's heading over the picture.
TEST(ParMalen, KenngroessenUnterDemBildFreiVomNaechstenSatz) {
    const auto stapel = PAR_Anordnung(mit(GE1, GE2), 0, 0, 1000, 1000);
    ASSERT_EQ(stapel.size(), 2u);
    const double versatz = (stapel[1].abbildung.ursprungY - stapel[0].abbildung.ursprungY) /
                           std::abs(stapel[0].abbildung.viewportY / stapel[0].abbildung.fensterY);
    for (int modell : {BSC1, GE1, MC1, SW1})
        for (int sim : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "Modell " << modell << " sim " << sim);
            const ZorState s = mit(modell, 0, sim, sim);
            std::vector<std::string> erwartet;
            for (const auto& z : kennzeilen(*kenngroessen(s, 0))) erwartet.push_back(kennzeileKurz(z));
            AufzeichnendeLeinwand dc;
            Protokoll p;
            ASSERT_EQ(M_PAINT(dc, s, 0, p.quelle()), 0);
            double kenngroessenOben = -1e9, kenngroessenUnten = 1e9, vorlageUnten = 1e9, kopfOben = 0;
            std::size_t gefunden = 0;
            for (const auto& t : dc.nur(Zeichenaufruf::Art::Text)) {
                const double oben = t.punkte[0].y + 0.8 * t.schrift.hoehe, unten = t.punkte[0].y - 0.2 * t.schrift.hoehe;
                if (std::find(erwartet.begin(), erwartet.end(), t.text) != erwartet.end()) {
                    ++gefunden;
                    kenngroessenOben = std::max(kenngroessenOben, oben);
                    kenngroessenUnten = std::min(kenngroessenUnten, unten);
                } else {
                    vorlageUnten = std::min(vorlageUnten, unten);
                    if (t.text.rfind("Parametersatz", 0) == 0) kopfOben = oben;
                }
            }
            EXPECT_EQ(gefunden, erwartet.size());
            EXPECT_LT(kenngroessenOben, vorlageUnten);
            EXPECT_GT(kenngroessenUnten, kopfOben - versatz);
        }
    AufzeichnendeLeinwand dc;
    Protokoll p;
    M_PAINT(dc, mit(GE1, 0), 0, p.quelle());
    for (const char* zelle : {"pm = 0.04545", "Bündellänge = 10 Bit", "Korrelationsdauer = 8.041 Bit"})
        EXPECT_TRUE(enthaelt(dc.texte(), zelle)) << zelle;
}
