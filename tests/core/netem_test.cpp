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

// Omitted values: r = 1 - p, 1-h = 1, 1-k = 0, as the emulator's manual states them.
TEST(NetemLesen, ValuesDefaultsAndTheRestOfTheLine) {
    struct Fall {
        const char* zeile;
        std::array<float, 4> ge;  // p(B|G), p(G|B), Bad, Good; BSC: p first, the rest -1
    };
    const Fall faelle[] = {
        {"loss gemodel 2%", {0.02f, 0.98f, 1, 0}},
        {"loss gemodel 1% 10%", {0.01f, 0.1f, 1, 0}},
        {"loss gemodel 1 10 70", {0.01f, 0.1f, 0.7f, 0}},
        {"tc qdisc add dev eth0 root netem delay 10ms loss gemodel 1% 10% 70% 0.1% ecn limit 9", {0.01f, 0.1f, 0.7f, 0.001f}},
        {"loss random 0.5%", {0.005f, -1, -1, -1}},
        {"netem loss 12.5% delay 1ms", {0.125f, -1, -1, -1}},
        {"loss random 3% 0%", {0.03f, -1, -1, -1}},
    };
    for (const auto& f : faelle) {
        const auto e = netemLesen(f.zeile);
        ASSERT_TRUE(e) << f.zeile << ": " << e.meldung;
        const NetemModell& m = *e.modell;
        const bool bsc = f.ge[1] < 0;
        EXPECT_EQ(m.art, bsc ? Modellart::BSC : Modellart::GE) << f.zeile;
        const std::array<float, 4> ist = bsc ? std::array<float, 4>{m.p, -1, -1, -1}
                                             : std::array<float, 4>{m.Bad_From_Good, m.Good_From_Bad, m.Bad, m.Good};
        EXPECT_EQ(ist, f.ge) << f.zeile;
    }
}

TEST(NetemLesen, RefusalsSayWhatIsWrongAndWhatIsSupported) {
    const std::pair<const char*, const char*> faelle[] = {
        {"loss state 1% 5% 20%", "4-Zustands-Modell „loss state …“ wird nicht unterstützt.\nUnterstützt werden „loss gemodel p [r"},
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
}

// A percentage with four decimals as typed, trailing zeros kept or dropped.
std::string prozent(std::uint32_t k, bool nullen) {
    std::string t = std::to_string(k / 10000) + "." + std::to_string(10000 + k % 10000).substr(1);
    if (nullen) return t + "%";
    t.erase(t.find_last_not_of('0') + 1);
    if (t.back() == '.') t.pop_back();
    return t + "%";
}

// Line -> GE set (single-precision floats) -> line keeps every number.
TEST(NetemRundreise, FourDecimalPercentagesComeBackExactly) {
    std::mt19937 zufall(2024);
    std::uniform_int_distribution<std::uint32_t> k(1, 1000000);  // 0.0001 % .. 100 %
    std::vector<std::uint32_t> werte = {1, 9999, 10000, 999999, 1000000, 123456, 500000, 100};
    for (int i = 0; i < 4000; ++i) werte.push_back(k(zufall));
    for (std::size_t i = 0; i + 3 < werte.size(); i += 4) {
        std::string zeile = "loss gemodel", erwartet = zeile;
        for (std::size_t j = 0; j < 4; ++j) {
            zeile += " " + prozent(werte[i + j], j % 2 == 0);
            erwartet += " " + prozent(werte[i + j], false);
        }
        ModellWerte w = startZustand().GEWert1;
        netemEintragen(*netemLesen(zeile).modell, w);
        ASSERT_EQ(netemZeile(Modellart::GE, w), erwartet) << zeile;
    }
    BscWerte b = startZustand().BSCWert1;
    netemEintragen(*netemLesen("loss random 0.0007%").modell, b);
    EXPECT_EQ(netemZeile(Modellart::BSC, b), "loss random 0.0007%");
    EXPECT_FALSE(netemZeile(Modellart::MC, startZustand().MCWert1));
}

// The emulator's rule per packet, from its description: the state change is drawn first,
// then the loss, with the probability of the state before or after the change (both
// readings are run). 32-bit draws, starting in GOOD.
struct Emulator {
    bool verlustImNeuenZustand;
    NetemModell m;
    std::mt19937 zufall{4711};
    std::uniform_real_distribution<double> u{0.0, 1.0};
    bool gut = true;
    int operator()() {
        const bool vorher = gut;
        if (u(zufall) < (gut ? m.Bad_From_Good : m.Good_From_Bad)) gut = !gut;
        return u(zufall) < ((verlustImNeuenZustand ? gut : vorher) ? m.Good : m.Bad) ? 1 : 0;
    }
};

constexpr int K[] = {2, 5, 10, 50};

// Errors per bit, and P(a >= k) per gap for the k above, in 50 batches.
struct Folgenstatistik {
    stapelmittel::Verhaeltnis fehler, abstand[std::size(K)];
    template <class Quelle>
    Folgenstatistik(Quelle&& bit, long bits) {
        long laenge = 0;
        for (int b = 0; b < 50; ++b) {
            fehler.stapel();
            for (auto& a : abstand) a.stapel();
            for (long i = 0; i < bits / 50; ++i) {
                const int f = bit();
                ++laenge;
                fehler.zaehlen(f, 1);
                if (!f) continue;
                for (std::size_t j = 0; j < std::size(K); ++j) abstand[j].zaehlen(laenge >= K[j], 1);
                laenge = 0;
            }
        }
    }
};

struct Regelfall {
    const char* name;
    const char* zeile;
    bool verlustImNeuenZustand;
};

class NetemRegel : public ::testing::TestWithParam<Regelfall> {};

// 10^6 bits here; ZOR_NETEM_BITS=10000000 gives the full run (bench/README.md).
TEST_P(NetemRegel, ImportedSetHasTheEmulatorsErrorRateAndGapLaw) {
    const NetemModell m = *netemLesen(GetParam().zeile).modell;
    ModellWerte w = startZustand().GEWert1;
    netemEintragen(m, w);
    const long bits = std::getenv("ZOR_NETEM_BITS") ? std::atol(std::getenv("ZOR_NETEM_BITS")) : 1000000;
    GeBitQuelle ge(w.data());
    const Folgenstatistik hier([&] { return ge.bit(); }, bits);
    const Folgenstatistik dort(Emulator{GetParam().verlustImNeuenZustand, m}, bits);
    EXPECT_LE(stapelmittel::abweichung(hier.fehler, dort.fehler), 5.0) << hier.fehler.wert() << " " << dort.fehler.wert();
    for (std::size_t i = 0; i < std::size(K); ++i)
        EXPECT_LE(stapelmittel::abweichung(hier.abstand[i], dort.abstand[i]), 5.0) << "P(a >= " << K[i] << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, NetemRegel,
    ::testing::Values(Regelfall{"GilbertElliottLossAfterChange", "loss gemodel 1% 10% 70% 0.1%", true},
                      Regelfall{"GilbertElliottLossBeforeChange", "loss gemodel 1% 10% 70% 0.1%", false},
                      Regelfall{"SimpleGilbert", "loss gemodel 5% 30%", true},
                      Regelfall{"Bernoulli", "loss gemodel 2%", true}),
    testnamen::NachName{});

}  // namespace
