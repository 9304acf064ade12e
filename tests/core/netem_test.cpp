// netem loss lines: reading with the manual's defaults, refusals, the exact round trip of
// percentages, and a GE sequence from an imported line against the emulator's own rule.

#include "core/models/fehlerquellen.h"
#include "core/models/netem.h"

#include "stapelmittel.h"
#include "testnamen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace zor;

namespace {

struct Lesefall {
    const char* name;
    const char* zeile;
    Modellart art;
    float p, r = 0, h1 = 0, k1 = 0;  // BSC: p only
};

class NetemLesen : public ::testing::TestWithParam<Lesefall> {};

TEST_P(NetemLesen, ValuesAndDefaults) {
    const Lesefall& f = GetParam();
    const auto e = netemLesen(f.zeile);
    ASSERT_TRUE(e) << e.meldung;
    EXPECT_EQ(e.modell->art, f.art);
    if (f.art == Modellart::BSC) {
        EXPECT_EQ(e.modell->p, f.p);
        return;
    }
    EXPECT_EQ(e.modell->Bad_From_Good, f.p);
    EXPECT_EQ(e.modell->Good_From_Bad, f.r);
    EXPECT_EQ(e.modell->Bad, f.h1);
    EXPECT_EQ(e.modell->Good, f.k1);
}

// Omitted values: r = 1 - p, 1-h = 1, 1-k = 0, as the emulator's manual states them.
INSTANTIATE_TEST_SUITE_P(
    Zeilen, NetemLesen,
    ::testing::Values(Lesefall{"Bernoulli", "loss gemodel 2%", Modellart::GE, 0.02f, 0.98f, 1.0f, 0.0f},
                      Lesefall{"SimpleGilbert", "loss gemodel 1% 10%", Modellart::GE, 0.01f, 0.1f, 1.0f, 0.0f},
                      Lesefall{"Gilbert", "loss gemodel 1 10 70", Modellart::GE, 0.01f, 0.1f, 0.7f, 0.0f},
                      Lesefall{"GilbertElliott",
                               "tc qdisc add dev eth0 root netem delay 10ms loss gemodel 1% 10% 70% 0.1% ecn limit 1000",
                               Modellart::GE, 0.01f, 0.1f, 0.7f, 0.001f},
                      Lesefall{"Random", "loss random 0.5%", Modellart::BSC, 0.005f},
                      Lesefall{"RandomShortForm", "netem loss 12.5% delay 1ms", Modellart::BSC, 0.125f},
                      Lesefall{"RandomWithoutCorrelation", "loss random 3% 0%", Modellart::BSC, 0.03f}),
    testnamen::NachName{});

TEST(NetemLesen, RefusalsSayWhatIsWrongAndWhatIsSupported) {
    const std::pair<const char*, const char*> faelle[] = {
        {"loss state 1% 5% 20%", "4-Zustands-Modell „loss state …“ wird nicht unterstützt"},
        {"netem delay 100ms", "kein Verlustmodell"},
        {"loss gemodel", "fehlt p"},
        {"loss gemodel 0%", "größer als 0 %"},
        {"loss gemodel 5% 0", "größer als 0 %"},
        {"loss gemodel 1% 101%", "„101%“ bei r"},
        {"loss gemodel 1,5%", "„1,5%“ bei p"},
        {"loss gemodel 1% -3%", "„-3%“ bei r"},
        {"loss random 1% 25%", "Korrelation"},
        {"loss bernoulli 1%", "Unbekanntes Verlustmodell „bernoulli“"},
        {"loss 1% loss 2%", "mehr als ein „loss“"},
    };
    for (const auto& [zeile, teil] : faelle) {
        const auto e = netemLesen(zeile);
        EXPECT_FALSE(e) << zeile;
        EXPECT_NE(e.meldung.find(teil), std::string::npos) << zeile << ": " << e.meldung;
    }
    EXPECT_NE(netemLesen("loss state 1%").meldung.find("loss gemodel p [r [1-h [1-k]]]"), std::string::npos);
}

// A percentage with up to four decimals, as written by hand: trailing zeros kept or not.
std::string prozentMitVierStellen(std::uint32_t k, bool nullenBehalten) {
    std::string t = std::to_string(k / 10000) + "." + std::string(4 - std::to_string(k % 10000).size(), '0') +
                    std::to_string(k % 10000);
    if (!nullenBehalten) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    return t + "%";
}

// Line -> GE set -> line keeps every number; zeros that carry no value are dropped.
TEST(NetemRundreise, FourDecimalPercentagesComeBackExactly) {
    std::mt19937 zufall(2024);
    std::uniform_int_distribution<std::uint32_t> k(1, 1000000);  // 0.0001 % .. 100 %
    std::vector<std::uint32_t> werte = {1, 9999, 10000, 999999, 1000000, 123456, 500000};
    for (int i = 0; i < 4000; ++i) werte.push_back(k(zufall));
    for (std::size_t i = 0; i + 3 < werte.size(); i += 4) {
        std::string zeile = "loss gemodel", erwartet = zeile;
        for (std::size_t j = 0; j < 4; ++j) {
            zeile += " " + prozentMitVierStellen(werte[i + j], j % 2 == 0);
            erwartet += " " + prozentMitVierStellen(werte[i + j], false);
        }
        const auto e = netemLesen(zeile);
        ASSERT_TRUE(e) << zeile << ": " << e.meldung;
        ModellWerte w = startZustand().GEWert1;
        netemEintragen(*e.modell, w);
        EXPECT_EQ(w[gemc::Good_From_Good], 1.0f - w[gemc::Bad_From_Good]);
        ASSERT_EQ(netemZeile(Modellart::GE, w), erwartet) << zeile;
    }
    BscWerte b = startZustand().BSCWert1;
    netemEintragen(*netemLesen("loss random 0.0007%").modell, b);
    EXPECT_EQ(netemZeile(Modellart::BSC, b), "loss random 0.0007%");
    EXPECT_FALSE(netemZeile(Modellart::MC, startZustand().MCWert1));
}

// The emulator's rule per packet, written from its description: the state change is drawn
// first; the loss follows with the probability of the state before or after the change,
// both read as the rule. 32-bit draws, starting in GOOD.
struct Emulator {
    bool verlustImNeuenZustand;
    double p, r, h1, k1;
    std::mt19937 zufall{4711};
    bool gut = true;
    int paket() {
        std::uniform_real_distribution<double> u(0.0, 1.0);
        const bool vorher = gut;
        if (u(zufall) < (gut ? p : r)) gut = !gut;
        const bool zustand = verlustImNeuenZustand ? gut : vorher;
        return u(zufall) < (zustand ? k1 : h1) ? 1 : 0;
    }
};

// Errors per bit and P(a >= k) per gap, in batches.
struct Folgenstatistik {
    static constexpr int K[] = {2, 5, 10, 50};
    stapelmittel::Verhaeltnis fehler, abstand[std::size(K)];
    long laenge = 0;
    void stapel() {
        fehler.stapel();
        for (auto& a : abstand) a.stapel();
    }
    void bit(int b) {
        ++laenge;
        fehler.zaehlen(b, 1);
        if (!b) return;
        for (std::size_t i = 0; i < std::size(K); ++i) abstand[i].zaehlen(laenge >= K[i], 1);
        laenge = 0;
    }
};

template <class Quelle>
Folgenstatistik zaehlen(Quelle&& naechstesBit, long bits) {
    constexpr int STAPEL = 50;
    Folgenstatistik s;
    for (int b = 0; b < STAPEL; ++b) {
        s.stapel();
        for (long i = 0; i < bits / STAPEL; ++i) s.bit(naechstesBit());
    }
    return s;
}

// 10^6 bits here; ZOR_NETEM_BITS=10000000 gives the full run (see bench/README.md).
long simulationsbits() {
    const char* v = std::getenv("ZOR_NETEM_BITS");
    return v ? std::atol(v) : 1000000;
}

struct Regelfall {
    const char* name;
    const char* zeile;
    bool verlustImNeuenZustand;
};

class NetemRegel : public ::testing::TestWithParam<Regelfall> {};

TEST_P(NetemRegel, ImportedSetHasTheEmulatorsErrorRateAndGapLaw) {
    const Regelfall& f = GetParam();
    const NetemModell m = *netemLesen(f.zeile).modell;
    ModellWerte w = startZustand().GEWert1;
    netemEintragen(m, w);
    const long bits = simulationsbits();

    GeBitQuelle ge(w.data());
    const auto hier = zaehlen([&] { return ge.bit(); }, bits);
    Emulator emu{f.verlustImNeuenZustand, m.Bad_From_Good, m.Good_From_Bad, m.Bad, m.Good};
    const auto dort = zaehlen([&] { return emu.paket(); }, bits);

    EXPECT_LE(stapelmittel::abweichung(hier.fehler, dort.fehler), 5.0)
        << hier.fehler.wert() << " vs " << dort.fehler.wert();
    for (std::size_t i = 0; i < std::size(Folgenstatistik::K); ++i)
        EXPECT_LE(stapelmittel::abweichung(hier.abstand[i], dort.abstand[i]), 5.0)
            << "P(a >= " << Folgenstatistik::K[i] << "): " << hier.abstand[i].wert() << " vs " << dort.abstand[i].wert();
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, NetemRegel,
    ::testing::Values(Regelfall{"GilbertElliottLossAfterChange", "loss gemodel 1% 10% 70% 0.1%", true},
                      Regelfall{"GilbertElliottLossBeforeChange", "loss gemodel 1% 10% 70% 0.1%", false},
                      Regelfall{"SimpleGilbert", "loss gemodel 5% 30%", true},
                      Regelfall{"Bernoulli", "loss gemodel 2%", true}),
    testnamen::NachName{});

}  // namespace
