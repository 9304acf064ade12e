#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/buendel/auswertung.h"
#include "core/buendel/chargenmittel.h"
#include "core/buendel/fehlerstrom.h"
#include "core/models/konfidenz.h"
#include "core/models/vorgaben.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace zor;

namespace {

struct Gefunden {
    std::vector<Buendel> buendel;
    std::vector<std::uint64_t> abstaende;
};

// The bursts the finder reports for an FFO text, through the FFO scanning.
Gefunden finden(const std::string& ffo, std::uint64_t schutz) {
    struct Sammler {
        Buendelfinder finder;
        Gefunden g;
        void merken(const Buendel& b, std::uint64_t a) {
            g.buendel.push_back(b);
            if (a) g.abstaende.push_back(a);
        }
        void fehler(std::uint64_t pos) { finder.fehler(pos, [this](const Buendel& b, std::uint64_t a) { merken(b, a); }); }
        void ende(std::uint64_t) { finder.ende([this](const Buendel& b, std::uint64_t a) { merken(b, a); }); }
    } s{Buendelfinder(schutz), {}};
    ffoFehler(std::span(reinterpret_cast<const unsigned char*>(ffo.data()), ffo.size()), 0, s);
    s.ende(ffo.size());
    return s.g;
}

// The definition read off the text: a burst runs from an error to the last error before
// the next g correct bits; the next burst starts at the next error.
Gefunden nachDefinition(const std::string& ffo, std::uint64_t g) {
    Gefunden r;
    for (auto anfang = ffo.find('1'); anfang != std::string::npos;) {
        const auto trenner = ffo.find(std::string(g, '0'), anfang);
        const auto letzter = ffo.rfind('1', trenner == std::string::npos ? std::string::npos : trenner);
        const std::string teil = ffo.substr(anfang, letzter - anfang + 1);
        r.buendel.push_back({anfang, teil.size(), static_cast<std::uint64_t>(std::count(teil.begin(), teil.end(), '1'))});
        anfang = ffo.find('1', letzter + 1);
        if (anfang != std::string::npos) r.abstaende.push_back(anfang - letzter - 1);
    }
    return r;
}

struct BuendelFall {
    const char* name;
    const char* ffo;
    std::uint64_t schutz;
    std::vector<Buendel> buendel;  // {anfang, laenge, gewicht}
    std::vector<std::uint64_t> abstaende;
};

const BuendelFall BUENDEL_FAELLE[] = {
    {"KeineFehler", "000000", 3, {}, {}},
    {"LeereFolge", "", 1, {}, {}},
    {"SchutzEinsTrenntJedeLuecke", "0110111001", 1, {{1, 2, 2}, {4, 3, 3}, {9, 1, 1}}, {1, 2}},
    {"FehlerAnBeidenEnden", "1001001", 3, {{0, 7, 3}}, {}},
    {"LuckeGleichSchutzTrennt", "1001001", 2, {{0, 1, 1}, {3, 1, 1}, {6, 1, 1}}, {2, 2}},
    {"LuckeUnterSchutzVerbindet", "10001", 4, {{0, 5, 2}}, {}},
    {"NurFehler", "1111", 5, {{0, 4, 4}}, {}},
    {"EinzelnerFehlerInDerMitte", "0010000", 1, {{2, 1, 1}}, {}},
    {"KorrekteBitsAmRandZaehlenNicht", "000110000011000", 3, {{3, 2, 2}, {10, 2, 2}}, {5}},
};

class BuendelDefinition : public ::testing::TestWithParam<BuendelFall> {};
INSTANTIATE_TEST_SUITE_P(Faelle, BuendelDefinition, ::testing::ValuesIn(BUENDEL_FAELLE), testnamen::NachName{});

TEST_P(BuendelDefinition, FindsExactlyTheBurstsOfTheDefinition) {
    const BuendelFall& f = GetParam();
    const Gefunden g = finden(f.ffo, f.schutz);
    EXPECT_EQ(g.buendel, f.buendel);
    EXPECT_EQ(g.abstaende, f.abstaende);
}

// Long texts through the 64-character words, every offset of the word borders included.
TEST(BuendelDefinition, LongSequencesAgreeWithTheDefinitionForEveryGuard) {
    for (const std::uint64_t n : {63u, 64u, 65u, 200u, 1000u}) {
        const std::string bytes = zufallsBytes((n + 7) / 8, n);
        std::string ffo = bitsAlsFfo(bytes).substr(0, n);
        for (std::size_t i = 0; i < ffo.size(); ++i)
            if (i % 37 < 20) ffo[i] = '0';  // long correct runs among the random bits
        for (const std::uint64_t g : {1u, 2u, 5u, 30u}) {
            const Gefunden a = finden(ffo, g), b = nachDefinition(ffo, g);
            EXPECT_EQ(a.buendel, b.buendel) << "n " << n << " g " << g;
            EXPECT_EQ(a.abstaende, b.abstaende) << "n " << n << " g " << g;
        }
    }
}

TEST(Verteilung, TailAndPointProbabilitiesCountValuesBeyondK) {
    Verteilung v(3);
    for (const std::uint64_t x : {1u, 1u, 2u, 5u}) v.zaehlen(x);
    EXPECT_EQ(v.abWert(), (std::vector<double>{1.0, 0.5, 0.25}));
    EXPECT_EQ(v.genau(), (std::vector<double>{0.5, 0.25, 0.0}));
    EXPECT_DOUBLE_EQ(v.mittel(), 2.25);
    EXPECT_EQ(Verteilung(2).abWert(), (std::vector<double>{0.0, 0.0}));
}

TEST(Chargenmittel, AWorkedInterval) {
    // Means 1..5: s = sqrt(2.5), half-width t(4) s / sqrt(5).
    const double chargen[] = {1, 2, 3, 4, 5};
    EXPECT_NEAR(*chargenHalbbreite(chargen), 2.776445 * std::sqrt(2.5) / std::sqrt(5.0), 1e-5);
    EXPECT_FALSE(chargenHalbbreite(std::span(chargen, 1)));
}

// For a BSC every burst quantity has a closed mean: a burst goes on while the next error
// comes within g bits (probability q = 1 - (1 - p)^g), so E[weight] = 1 / (1 - q); an
// inner gap is geometric below g; the correct run between bursts is g plus a geometric
// number with mean (1 - p) / p. The simulated means lie within 5 sigma of them, sigma
// taken from their batch-means intervals.
TEST(Buendelstatistik, BscMeansMatchTheirClosedFormsWithinTheirIntervals) {
    const double p = 0.05;
    const std::uint64_t g = 5;
    Satzparameter bsc = startparameter(Modellart::BSC, 0, 0);
    bsc.Wert[bsc::p] = static_cast<float>(p);
    bsc.Durchlaeufe = 2000000;
    KeinFortschritt still;
    const Buendelbericht b = buendelErmitteln(bsc, {.schutz = g, .punkte = 20}, still);
    ASSERT_TRUE(b.gezaehlt && b.simuliert);

    const double pu = (std::floor(32768 * p) + 1) / 32768;  // the 15-bit draws' error rate
    const double q = 1 - std::pow(1 - pu, static_cast<double>(g));
    double innen = 0;
    for (std::uint64_t k = 1; k <= g; ++k) innen += static_cast<double>(k) * pu * std::pow(1 - pu, static_cast<double>(k - 1));
    const double gewicht = 1 / (1 - q);
    const double erwartet[3] = {1 + (gewicht - 1) * innen / q, gewicht, static_cast<double>(g) + (1 - pu) / pu};
    for (const Groesse gr : GROESSEN) {
        const Mittelwert& m = b.statistik.mittel[static_cast<int>(gr)];
        ASSERT_TRUE(m.halbbreite) << static_cast<int>(gr);
        EXPECT_NEAR(m.wert, erwartet[static_cast<int>(gr)], 5 * *m.halbbreite / studentT975(19)) << static_cast<int>(gr);
        EXPECT_GT(*m.halbbreite, 0.0);
    }
    EXPECT_EQ(b.statistik.abstand.werte + 1, b.statistik.buendel());
}

class BuendelDatei : public TempVerzeichnis {
protected:
    static Satzparameter datei(STRUCT_DATEI d) {
        Satzparameter p;
        p.art = Modellart::Datei;
        p.Datei = std::move(d);
        return p;
    }
};

// One sequence as FFO and as FAB gives the same bursts, with the FAB's notes; neither
// has intervals (nothing was simulated). An invalid character fails with its position.
TEST_F(BuendelDatei, FfoAndFabOfOneSequenceGiveTheSameBursts) {
    std::string ffo = bitsAlsFfo(zufallsBytes(5000, 9));
    for (std::size_t i = 0; i < ffo.size(); ++i)
        if ((i / 50) % 3 != 0) ffo[i] = '0';
    ffo = ffo.substr(0, ffo.rfind('1') + 1);  // a FAB ends with its last error
    schreiben(pfad("f.ffo"), ffo + "\n");
    schreiben(pfad("f.fab"), fabBytes(luecken(ffo)) + "xy");
    const Gefunden definiert = nachDefinition(ffo, 4);
    std::uint64_t gewichte = 0;
    for (const Buendel& x : definiert.buendel) gewichte += x.gewicht;

    KeinFortschritt still;
    for (const auto& [name, typ] : {std::pair{"f.ffo", 1}, std::pair{"f.fab", 0}}) {
        const auto laenge = static_cast<std::int64_t>(std::filesystem::file_size(pfad(name)));
        const Buendelbericht b = buendelErmitteln(datei({typ, laenge, pfad(name)}), {.schutz = 4, .punkte = 30}, still);
        ASSERT_TRUE(b.ok && b.gezaehlt && !b.simuliert) << name;
        EXPECT_EQ(b.statistik.bits, ffo.size()) << name;
        EXPECT_EQ(b.statistik.buendel(), definiert.buendel.size()) << name;
        EXPECT_EQ(b.statistik.gewicht.summe, gewichte) << name;
        EXPECT_FALSE(b.statistik.mittel[0].halbbreite) << name;
        EXPECT_EQ(b.meldungen.size(), typ == 0 ? 1u : 0u) << name;  // the incomplete last record
    }
    schreiben(pfad("x.ffo"), "0101a01");
    const Buendelbericht x = buendelErmitteln(datei({1, 7, pfad("x.ffo")}), {}, still);
    EXPECT_FALSE(x.ok || x.gezaehlt);
    ASSERT_EQ(x.meldungen.size(), 1u);
    EXPECT_NE(x.meldungen[0].text.find("Position 5"), std::string::npos) << x.meldungen[0].text;
}

}  // namespace
