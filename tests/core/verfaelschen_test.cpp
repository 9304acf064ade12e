#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "corruption/kanaele.h"
#include "corruption/verfaelschen.h"
#include "models/fehlerquellen.h"

#include <gmock/gmock.h>

#include <cmath>

using namespace zor;
using ::testing::HasSubstr;

namespace {

std::size_t gesetzteBits(const std::string& a, const std::string& b) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        n += static_cast<std::size_t>(std::popcount(static_cast<unsigned>(static_cast<unsigned char>(a[i] ^ b[i]))));
    return n;
}

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
    const double sigma = std::sqrt(mittel * (1.0 - p));
    EXPECT_NEAR(static_cast<double>(anzahl), mittel, 5.0 * sigma + 1.0) << "n=" << n << " p=" << p;
}

}  // namespace

class Verfaelschen : public TempVerzeichnis {
protected:
    void SetUp() override {
        TempVerzeichnis::SetUp();
        original = zufallsBytes(1000, 17);
        schreiben(pfad("ein"), original);
    }
    BscAuftrag bsc(double p, std::uint64_t schutz = 0) {
        BscAuftrag a;
        a.eingabe = pfad("ein");
        a.ausgabe = pfad("aus");
        a.fFehlerWBSC = p;
        a.nProtect = schutz;
        return a;
    }
    GeMcAuftrag gemc(float pgb, float pbg, float good, float bad, std::uint64_t schutz = 0) {
        GeMcAuftrag a;
        a.eingabe = pfad("ein");
        a.ausgabe = pfad("aus");
        a.Good_From_Bad = pgb;
        a.Bad_From_Good = pbg;
        a.Good_From_Good = 1.0f - pbg;
        a.Bad_From_Bad = 1.0f - pgb;
        a.Good = good;
        a.Bad = bad;
        a.nProtect = schutz;
        return a;
    }
    std::string aus() const { return lesen(pfad("aus")); }
    std::string original;
    KeinFortschritt still;
};

TEST_F(Verfaelschen, BscCertainErrorInvertsEveryUnprotectedBit) {
    const auto e = MmMakeBscErr(bsc(1.0, 10), still);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.fehlerAnzahl, 8u * 990);
    EXPECT_EQ(aus().substr(0, 10), original.substr(0, 10));
    for (std::size_t i = 10; i < original.size(); ++i) ASSERT_EQ(aus()[i], static_cast<char>(~original[i]));
    EXPECT_EQ(e.zusammenfassung, "FehlerAnzahl: 7920\nDateigröße: 1000 Bytes\nQuote: 0.990000\nStartwert: 1234");

    EXPECT_EQ(MmMakeBscErr(bsc(0.0), still).fehlerAnzahl, 0u);
    EXPECT_EQ(aus(), original);
}

// p = 0.6 is not "every bit": each bit goes with exactly the entered probability.
TEST_F(Verfaelschen, BscInvertsWithExactlyTheEnteredProbability) {
    const std::string gross = zufallsBytes(1 << 17, 3);
    schreiben(pfad("ein"), gross);
    for (const double p : {0.6, 0.2, 0.01, 0.001, 1e-5}) {
        auto a = bsc(p);
        a.nProtect = 100;
        const auto e = MmMakeBscErr(a, still);
        ASSERT_TRUE(e.ok);
        EXPECT_EQ(gesetzteBits(gross, aus()), e.fehlerAnzahl);
        imBinomialBereich(e.fehlerAnzahl, 8 * (gross.size() - 100), p);
        EXPECT_EQ(aus().substr(0, 100), gross.substr(0, 100));
    }
}

TEST_F(Verfaelschen, BscBitPositionsAreEquallyLikely) {
    const std::string gross = zufallsBytes(1 << 17, 4);
    schreiben(pfad("ein"), gross);
    ASSERT_TRUE(MmMakeBscErr(bsc(0.01), still).ok);
    const std::string x = aus();
    for (int bit = 0; bit < 8; ++bit) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < x.size(); ++i) n += ((x[i] ^ gross[i]) >> bit) & 1;
        imBinomialBereich(n, gross.size(), 0.01);
    }
}

// The channels carry their state across blocks: the block size never changes the copy.
TEST_F(Verfaelschen, SameSeedSameCopyWhateverTheBlockSize) {
    const auto probe = [&](auto job, std::size_t block) {
        EXPECT_TRUE(job(block).ok);
        return aus();
    };
    const auto bscJob = [&](std::size_t b) { return MmMakeBscErr(bsc(0.01, 3), still, b); };
    const auto geJob = [&](std::size_t b) { return MakeGeError(gemc(0.1f, 0.01f, 0.01f, 0.4f, 3), still, b); };
    const auto mcJob = [&](std::size_t b) { return MakeMcError(gemc(0.1f, 0.01f, 0.1f, 0.4f, 3), still, b); };
    const std::string b1 = probe(bscJob, KANAL_BLOCK), g1 = probe(geJob, KANAL_BLOCK), m1 = probe(mcJob, KANAL_BLOCK);
    for (const std::size_t block : {1, 7, 64}) {
        EXPECT_EQ(probe(bscJob, block), b1);
        EXPECT_EQ(probe(geJob, block), g1);
        EXPECT_EQ(probe(mcJob, block), m1);
    }
    EXPECT_NE(b1, original);
    auto anders = bsc(0.01, 3);
    anders.Startwert = 1235;
    ASSERT_TRUE(MmMakeBscErr(anders, still).ok);
    EXPECT_NE(aus(), b1);
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
        const ModellWerte w = alsModellWerte(a);
        EXPECT_EQ(fehlermuster(original, aus(), 44), folge(GeBitQuelle(w.data()), 8 * 956));
    }
    for (const Fall f : {Fall{0.1f, 0.01f, 0.1f, 0.4f}, Fall{0.0f, 0.0f, 0.3f, 0.6f}, Fall{0.2f, 0.05f, 1.0f, 0.0f}}) {
        const auto a = gemc(f.pgb, f.pbg, f.good, f.bad);
        ASSERT_TRUE(MakeMcError(a, still).ok);
        const ModellWerte w = alsModellWerte(a);
        EXPECT_EQ(fehlermuster(original, aus()), folge(McBitQuelle(w.data()), 8000));
    }
}

TEST_F(Verfaelschen, GeAlternatingStatesInvertEveryOtherBit) {
    const auto e = MakeGeError(gemc(1.0f, 1.0f, 0.0f, 1.0f), still);
    ASSERT_TRUE(e.ok);
    const std::string m = fehlermuster(original, aus());
    std::size_t gerade = 0, ungerade = 0;
    for (std::size_t i = 0; i < m.size(); i += 2) {
        gerade += m[i] == '1';
        ungerade += m[i + 1] == '1';
    }
    // BAD bits always err; GOOD bits only on the draw 0 (1 in 32768).
    EXPECT_EQ(std::max(gerade, ungerade), 4000u);
    EXPECT_LE(std::min(gerade, ungerade), 3u);
    EXPECT_EQ(e.fehlerAnzahl, gerade + ungerade);
}

TEST_F(Verfaelschen, McCertainErrorInGoodInvertsUntilTheChainLeavesGood) {
    const auto a = gemc(0.0f, 0.01f, 1.0f, 0.0f);  // BAD never errs, so the chain ends there
    ASSERT_TRUE(MakeMcError(a, still).ok);
    const std::string m = fehlermuster(original, aus());
    const std::size_t lauf = m.find('0');
    Zufall z;
    int zustand;
    const ModellWerte w = alsModellWerte(a);
    MC_Startzustand(&zustand, w.data(), z);
    if (zustand == GOOD) {
        EXPECT_GT(lauf, 0u);
        EXPECT_EQ(m.find('1', lauf), std::string::npos);
    } else {
        EXPECT_EQ(m, std::string(8000, '0'));
    }
}

TEST_F(Verfaelschen, FailuresAreReportedWithoutSummaryOrOutput) {
    struct Fall {
        const char* ein;
        const char* aus;
        const char* bsc;
        const char* ge;
        const char* mc;
    };
    schreiben(pfad("leer"), "");
    schreiben(pfad("da"), "bleibt");
    const Fall faelle[] = {
        {"fehlt", "da", "Fehler beim Öffnen der Datei_1 %s ...", "Fehler beim Öffnen der Datei_1 %s ...",
         "Fehler beim Öffnen der Datei!"},
        {"ein", "kein/aus", "Fehler beim Erzeugen der Datei %s ...", "Fehler beim Erzeugen der Datei %s ...",
         "Fehler beim Erzeugen der Datei!"},
        {"leer", "da", "Datei nicht gelesen!", "Fehler bei Lesen der Datei!", "Fehler beim Lesen der Datei!"},
    };
    for (const Fall& f : faelle) {
        auto b = bsc(0.5);
        auto g = gemc(0.1f, 0.1f, 0.1f, 0.1f);
        b.eingabe = g.eingabe = pfad(f.ein);
        b.ausgabe = g.ausgabe = pfad(f.aus);
        const std::string name = std::string(f.ein) == "fehlt" ? pfad(f.ein) : pfad(f.aus);
        const JobErgebnis ergebnisse[] = {MmMakeBscErr(b, still), MakeGeError(g, still), MakeMcError(g, still)};
        const char* texte[] = {f.bsc, f.ge, f.mc};
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(ergebnisse[i].ok);
            EXPECT_TRUE(ergebnisse[i].zusammenfassung.empty());
            EXPECT_EQ(ergebnisse[i].meldungen.at(0).text, format(texte[i], name.c_str()));
        }
        EXPECT_EQ(lesen(pfad("da")), "bleibt");
    }
    EXPECT_EQ(dateienIn(dir_), (std::vector<std::string>{"da", "ein", "leer"}));
}

TEST_F(Verfaelschen, OutputThatIsTheInputIsRefused) {
    std::filesystem::create_hard_link(pfad("ein"), pfad("zweiter_name"));
    auto a = bsc(1.0);
    a.ausgabe = pfad("zweiter_name");
    const auto e = MmMakeBscErr(a, still);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldungen.at(0).text, HasSubstr("dieselbe Datei"));
    EXPECT_EQ(lesen(pfad("ein")), original);
}

TEST_F(Verfaelschen, ProgressNamesTheOutputAndTheModel) {
    AufzeichnenderFortschritt f;
    ASSERT_TRUE(MakeMcError(gemc(0.1f, 0.1f, 0.1f, 0.1f), f).ok);
    EXPECT_EQ(f.label, pfad("aus"));
    EXPECT_EQ(f.status, "wird nach MC-Modell erstellt!");
    EXPECT_EQ(f.schritte.back(), 100);
    EXPECT_EQ(f.enden, 1);
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
    const ModellWerte w = alsModellWerte(a);
    int zustand = -1;
    GE_Startzustand(&zustand, w.data(), z);
    EXPECT_EQ(zustand, GOOD);
    a.Good_From_Bad = 0.1f;  // the usual case: both agree
    const ModellWerte ueblich = alsModellWerte(a);
    GE_Startzustand(&zustand, ueblich.data(), z);
    EXPECT_EQ(MM_GE_StartZustand(a, z), zustand);
}
