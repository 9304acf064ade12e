#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "core/corruption/kanaele.h"
#include "core/corruption/verfaelschen.h"
#include "core/models/fehlerquellen.h"

#include <gmock/gmock.h>

#include <cmath>

using namespace zor;
using ::testing::HasSubstr;

namespace {

// The error pattern between two files as FFO characters, from byte `ab` on.
std::string fehlermuster(const std::string& a, const std::string& b, std::size_t ab = 0) {
    std::string x = a.substr(ab);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<char>(x[i] ^ b[ab + i]);
    return bitsAlsFfo(x);
}

template <class Quelle>
std::string folge(Quelle q, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += q.bit() ? '1' : '0';
    return s;
}

// Binomial count within five standard deviations of its mean.
void imBinomialBereich(std::size_t anzahl, std::size_t n, double p) {
    const double mittel = static_cast<double>(n) * p;
    EXPECT_NEAR(static_cast<double>(anzahl), mittel, 5.0 * std::sqrt(mittel * (1.0 - p)) + 1.0) << "n=" << n << " p=" << p;
}

}  // namespace

class Verfaelschen : public TempVerzeichnis {
protected:
    void SetUp() override {
        TempVerzeichnis::SetUp();
        schreiben(pfad("ein"), original);
    }
    BscAuftrag bsc(double p, std::uint64_t schutz = 0) const {
        return {.eingabe = pfad("ein"), .ausgabe = pfad("aus"), .nProtect = schutz, .fFehlerWBSC = p};
    }
    GeMcAuftrag gemc(float pgb, float pbg, float good, float bad, std::uint64_t schutz = 0) const {
        return {.eingabe = pfad("ein"), .ausgabe = pfad("aus"), .nProtect = schutz, .Good_From_Bad = pgb,
                .Bad_From_Good = pbg, .Good_From_Good = 1.0f - pbg, .Bad_From_Bad = 1.0f - pgb, .Good = good, .Bad = bad};
    }
    std::string aus() const { return lesen(pfad("aus")); }
    std::string original = zufallsBytes(1000, 17);
    KeinFortschritt still;
};

TEST_F(Verfaelschen, BscCertainErrorInvertsEveryUnprotectedBitAndNoErrorNone) {
    const auto e = MmMakeBscErr(bsc(1.0, 10), still);
    ASSERT_TRUE(e.ok);
    std::string erwartet = original;
    for (std::size_t i = 10; i < erwartet.size(); ++i) erwartet[i] = static_cast<char>(~erwartet[i]);
    EXPECT_EQ(aus(), erwartet);
    EXPECT_EQ(e.zusammenfassung, "FehlerAnzahl: 7920\nDateigröße: 1000 Bytes\nQuote: 0.990000\nStartwert: 1234");

    EXPECT_EQ(MmMakeBscErr(bsc(0.0), still).fehlerAnzahl, 0u);
    EXPECT_EQ(aus(), original);
}

// p = 0.6 is not "every bit": each bit goes with exactly the entered probability, at
// every bit position of a byte alike.
TEST_F(Verfaelschen, BscInvertsWithExactlyTheEnteredProbability) {
    const std::string gross = zufallsBytes(1 << 17, 3);
    schreiben(pfad("ein"), gross);
    for (const double p : {0.6, 0.2, 0.01, 0.001, 1e-5}) {
        const auto e = MmMakeBscErr(bsc(p, 100), still);
        ASSERT_TRUE(e.ok);
        const std::string m = fehlermuster(gross, aus());
        EXPECT_EQ(static_cast<std::size_t>(std::count(m.begin(), m.end(), '1')), e.fehlerAnzahl);
        EXPECT_GE(m.find('1'), 800u);  // protected bytes
        imBinomialBereich(e.fehlerAnzahl, 8 * (gross.size() - 100), p);
        if (p != 0.01) continue;
        for (std::size_t bit = 0; bit < 8; ++bit) {
            std::size_t n = 0;
            for (std::size_t i = 800 + bit; i < m.size(); i += 8) n += m[i] == '1';
            imBinomialBereich(n, gross.size() - 100, p);
        }
    }
}

// The error pattern of a GE/MC corrupted copy is the channel-model sequence for the same
// seed and parameters; protected bytes consume no draws.
TEST_F(Verfaelschen, GeAndMcPatternsAreTheChannelModelSequences) {
    struct Fall {
        float pgb, pbg, good, bad;
    };
    for (const Fall f : {Fall{0.1f, 0.01f, 0.01f, 0.4f}, Fall{1.0f, 1.0f, 0.0f, 1.0f}, Fall{0.5f, 0.3f, 0.2f, 0.9f}}) {
        const auto a = gemc(f.pgb, f.pbg, f.good, f.bad, 44);
        ASSERT_TRUE(MakeGeError(a, still).ok);
        EXPECT_EQ(aus().substr(0, 44), original.substr(0, 44));
        EXPECT_EQ(fehlermuster(original, aus(), 44), folge(GeBitQuelle(alsModellWerte(a).data()), 8 * 956));
    }
    for (const Fall f : {Fall{0.1f, 0.01f, 0.1f, 0.4f}, Fall{0.0f, 0.0f, 0.3f, 0.6f}, Fall{0.2f, 0.05f, 1.0f, 0.0f}}) {
        const auto a = gemc(f.pgb, f.pbg, f.good, f.bad);
        ASSERT_TRUE(MakeMcError(a, still).ok);
        EXPECT_EQ(fehlermuster(original, aus()), folge(McBitQuelle(alsModellWerte(a).data()), 8000));
    }
}

TEST_F(Verfaelschen, GeAlternatingStatesInvertEveryOtherBit) {
    const auto e = MakeGeError(gemc(1.0f, 1.0f, 0.0f, 1.0f), still);
    ASSERT_TRUE(e.ok);
    const std::string m = fehlermuster(original, aus());
    std::size_t n[2] = {0, 0};  // errors at even and odd positions
    for (std::size_t i = 0; i < m.size(); ++i) n[i % 2] += m[i] == '1';
    // BAD bits always err; GOOD bits only on the draw 0 (1 in 32768).
    EXPECT_EQ(std::max(n[0], n[1]), 4000u);
    EXPECT_LE(std::min(n[0], n[1]), 3u);
    EXPECT_EQ(e.fehlerAnzahl, n[0] + n[1]);
}

// With GOOD never left, the start rule picks GOOD for sure, and Good = 1 then inverts every bit.
TEST_F(Verfaelschen, McCertainErrorInGoodInvertsEveryBitThere) {
    ASSERT_TRUE(MakeMcError(gemc(0.5f, 0.0f, 1.0f, 0.5f), still).ok);
    EXPECT_EQ(fehlermuster(original, aus()), std::string(8000, '1'));
}

TEST_F(Verfaelschen, FailuresAreReportedWithoutSummaryOrOutput) {
    struct Fall {
        const char* ein;
        const char* aus;
        const char* texte[3];  // BSC, GE, MC
        const char* grund;     // the reason line, if any
    };
    schreiben(pfad("leer"), "");
    schreiben(pfad("da"), "bleibt");
    std::filesystem::create_hard_link(pfad("ein"), pfad("zweiter_name"));
    const char *oeffnen = "Fehler beim Öffnen der Datei_1 %s ...", *erzeugen = "Fehler beim Erzeugen der Datei %s ...";
    const char* fehlt = "\nDie Datei oder das Verzeichnis existiert nicht.";
    const Fall faelle[] = {
        {"fehlt", "da", {oeffnen, oeffnen, "Fehler beim Öffnen der Datei!"}, fehlt},
        {"ein", "kein/aus", {erzeugen, erzeugen, "Fehler beim Erzeugen der Datei!"}, fehlt},
        {"leer", "da", {"Datei nicht gelesen!", "Fehler bei Lesen der Datei!", "Fehler beim Lesen der Datei!"}, ""},
    };
    for (const Fall& f : faelle) {
        auto b = bsc(0.5);
        auto g = gemc(0.1f, 0.1f, 0.1f, 0.1f);
        b.eingabe = g.eingabe = pfad(f.ein);
        b.ausgabe = g.ausgabe = pfad(f.aus);
        const std::string name = std::string(f.ein) == "fehlt" ? pfad(f.ein) : pfad(f.aus);
        const JobErgebnis ergebnisse[] = {MmMakeBscErr(b, still), MakeGeError(g, still), MakeMcError(g, still)};
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(ergebnisse[i].ok);
            EXPECT_TRUE(ergebnisse[i].zusammenfassung.empty());
            EXPECT_EQ(ergebnisse[i].meldungen.at(0).text, format(f.texte[i], name.c_str()) + f.grund);
            // An empty input is refused as given; the others failed while trying.
            EXPECT_EQ(ergebnisse[i].abgelehnt, std::string(f.ein) == "leer");
        }
    }
    // An output that is the input under another name.
    auto a = bsc(1.0);
    a.ausgabe = pfad("zweiter_name");
    EXPECT_THAT(MmMakeBscErr(a, still).meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    EXPECT_EQ(lesen(pfad("ein")), original);
    EXPECT_EQ(lesen(pfad("da")), "bleibt");
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"da", "ein", "leer", "zweiter_name"}));
}

// The one difference between the GE corruption and the channel-model GE: the corruption
// rounds the stationary share of GOOD to single precision before comparing it with the
// first draw. Here the share lies just above the draw 41/32768 (seed 1) and rounds onto it.
TEST(GeStartzustand, SinglePrecisionShareCanDecideOtherwiseThanTheChannelModel) {
    GeMcAuftrag a;
    a.StartWert = 1;
    a.Good_From_Bad = 0x1.486932p-10f;
    a.Bad_From_Good = 1.0f;
    Zufall z;
    EXPECT_EQ(MM_GE_StartZustand(a, z), BAD);
    int zustand = -1;
    GE_Startzustand(&zustand, alsModellWerte(a).data(), z);
    EXPECT_EQ(zustand, GOOD);
    a.Good_From_Bad = 0.1f;  // the usual case: both agree
    GE_Startzustand(&zustand, alsModellWerte(a).data(), z);
    EXPECT_EQ(MM_GE_StartZustand(a, z), zustand);
    // Without transitions both choose by halves, over seeds whose first draws span (0, 1).
    a.Good_From_Bad = a.Bad_From_Good = 0.0f;
    int schlecht = 0;
    for (a.StartWert = 1; a.StartWert < 10000; a.StartWert += 37) {
        GE_Startzustand(&zustand, alsModellWerte(a).data(), z);
        EXPECT_EQ(MM_GE_StartZustand(a, z), zustand) << a.StartWert;
        schlecht += zustand == BAD;
    }
    EXPECT_GT(schlecht, 50);
    EXPECT_LT(schlecht, 220);
}
