// One contract for every generation procedure: deterministic for a seed, the gap view
// equals the bit view, and over 10^6 bits the error rate and the state shares lie within
// five standard deviations of the model's stationary values. The deviations are derived
// for the 15-bit uniform draws: P(u <= p) = (floor(32768 p) + 1) / 32768,
// P(u < q) = ceil(32768 q) / 32768, and gap moments over the 32767 non-zero draws.

#include "modellstatistik.h"

#include "core/models/fehlerquellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace zor;
using namespace modellstatistik;

namespace {

constexpr long N = 1000000;

struct Verfahren {
    std::string name;
    std::function<ZorState()> zustand;  // set 1 holds the procedure
    std::function<Erwartung(const ZorState&)> erwartung;
};

ZorState mitModell(int id, std::function<void(ZorState&)> aendern = {}) {
    ZorState s = startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(id);
    if (aendern) aendern(s);
    return s;
}

const std::vector<Verfahren>& alleVerfahren() {
    static const std::vector<Verfahren> v = {
        {"BscBits_p01", [] { return mitModell(BSC1); }, [](const ZorState& s) { return bscBits(s.BSCWert1, N); }},
        {"BscBits_p001", [] { return mitModell(BSC1, [](ZorState& s) { s.BSCWert1 = s.BSCWert2; }); },
         [](const ZorState& s) { return bscBits(s.BSCWert1, N); }},
        {"BscAbstaende",
         [] { return mitModell(BSC1, [](ZorState& s) { s.BSC_simfabs1 = 1; }); },
         [](const ZorState& s) {
             return markovErneuerung({1.0}, {gapMomente(s.BSCWert1[bsc::p])}, 0.0, N);
         }},
        {"GE_Satz1", [] { return mitModell(GE1); }, [](const ZorState& s) { return geBits(s.GEWert1, N); }},
        {"GE_Satz2", [] { return mitModell(GE1, [](ZorState& s) { s.GEWert1 = s.GEWert2; }); },
         [](const ZorState& s) { return geBits(s.GEWert1, N); }},
        {"MC_Satz1", [] { return mitModell(MC1); }, [](const ZorState& s) { return mcBits(s.MCWert1, N); }},
        {"MC_Satz2", [] { return mitModell(MC1, [](ZorState& s) { s.MCWert1 = s.MCWert2; }); },
         [](const ZorState& s) { return mcBits(s.MCWert1, N); }},
        {"SW_Satz1", [] { return mitModell(SW1); }, [](const ZorState& s) { return swBits(s.SWWert1, N); }},
        {"SW_Satz2", [] { return mitModell(SW1, [](ZorState& s) { s.SWWert1 = s.SWWert2; }); },
         [](const ZorState& s) { return swBits(s.SWWert1, N); }},
    };
    return v;
}

struct Folge {
    std::vector<unsigned char> bits, zustaende;
};

Folge erzeugen(const ZorState& s, long n, SwStart start = SwStart::Zustand) {
    Folge f;
    f.bits.reserve(static_cast<std::size_t>(n));
    f.zustaende.reserve(static_cast<std::size_t>(n));
    const bool aktiv = mitBitQuelle(s, 0, start, [&](auto& q) {
        for (long i = 0; i < n; ++i) {
            f.bits.push_back(static_cast<unsigned char>(q.bit()));
            f.zustaende.push_back(static_cast<unsigned char>(q.zustand()));
        }
    });
    EXPECT_TRUE(aktiv);
    return f;
}

class Erzeugungsverfahren : public ::testing::TestWithParam<Verfahren> {};

}  // namespace

TEST_P(Erzeugungsverfahren, IsDeterministicForASeedAndChangesWithIt) {
    const ZorState s = GetParam().zustand();
    const Folge a = erzeugen(s, 100000), b = erzeugen(s, 100000);
    EXPECT_EQ(a.bits, b.bits);
    EXPECT_EQ(a.zustaende, b.zustaende);
    ZorState anders = s;
    anders.BSCWert1[bsc::Startwert] += 1;
    for (auto* w : {&anders.GEWert1, &anders.MCWert1, &anders.SWWert1}) (*w)[0] += 1;
    EXPECT_NE(erzeugen(anders, 100000).bits, a.bits);
}

TEST_P(Erzeugungsverfahren, RateAndStateSharesMatchTheModelWithinFiveSigma) {
    const ZorState s = GetParam().zustand();
    const Erwartung e = GetParam().erwartung(s);
    const Folge f = erzeugen(s, N);
    long fehler = 0, gut = 0;
    const int ersterZustand = modellart(s.Modell.M1) == Modellart::SW ? 1 : GOOD;
    for (long i = 0; i < N; ++i) {
        fehler += f.bits[static_cast<std::size_t>(i)];
        gut += f.zustaende[static_cast<std::size_t>(i)] == ersterZustand;
    }
    const double rate = static_cast<double>(fehler) / N;
    const double anteil = static_cast<double>(gut) / N;
    ASSERT_GT(e.rateSigma, 0.0);
    EXPECT_NEAR(rate, e.rate, 5 * e.rateSigma) << "sigma " << e.rateSigma;
    EXPECT_NEAR(anteil, e.anteil, 5 * e.anteilSigma + 1e-12) << "sigma " << e.anteilSigma;
}

INSTANTIATE_TEST_SUITE_P(Alle, Erzeugungsverfahren, ::testing::ValuesIn(alleVerfahren()),
                         [](const auto& p) { return p.param.name; });

TEST(Abstandsverfahren, GapViewAndBitViewAreTheSameSequence) {
    const ZorState s = startZustand();
    auto pruefen = [](auto gaps, auto bits) {
        for (int e = 0; e < 20000; ++e) {
            const Abstand a = gaps.naechster();
            for (long i = 1; i < a.g; ++i) {
                ASSERT_EQ(bits.bit(), 0);
                ASSERT_EQ(bits.zustand(), a.zustand);
            }
            ASSERT_EQ(bits.bit(), 1);
            ASSERT_EQ(bits.zustand(), a.zustand);
        }
    };
    pruefen(McAbstandQuelle(s.MCWert2.data()), McBitQuelle(s.MCWert2.data()));
    pruefen(SwAbstandQuelle(s.SWWert1.data(), SwStart::Zustand), SwBitQuelle(s.SWWert1.data(), SwStart::Zustand));
    pruefen(SwAbstandQuelle(s.SWWert2.data(), SwStart::Startzustand),
            SwBitQuelle(s.SWWert2.data(), SwStart::Startzustand));
    pruefen(BscAbstandQuelle(s.BSCWert1.data()), BscAbstandBitQuelle(s.BSCWert1.data()));
}

TEST(Abstandsverfahren, AnErrorBitStillBelongsToTheOldState) {
    // MC with certain state changes after each error: GOOD, BAD, GOOD, ... by gap.
    ModellWerte w{1, 100, 0.0f, 0.0f, 1.0f, 1.0f, 0.5f, 0.5f};
    McAbstandQuelle gaps(w.data());
    McBitQuelle bits(w.data());
    int vorher = -1;
    for (int e = 0; e < 50; ++e) {
        const Abstand a = gaps.naechster();
        if (vorher >= 0) {
            EXPECT_NE(a.zustand, vorher);
        }
        vorher = a.zustand;
        for (long i = 0; i < a.g; ++i) {
            bits.bit();
            ASSERT_EQ(bits.zustand(), a.zustand);
        }
    }
}

TEST(Quellen, InactiveAndFileSetsHaveNoProcedure) {
    ZorState s = startZustand();
    int aufrufe = 0;
    EXPECT_FALSE(mitBitQuelle(s, 1, SwStart::Zustand, [&](auto&) { ++aufrufe; }));
    s.Modell.M1 = DATEI1;
    EXPECT_FALSE(mitBitQuelle(s, 0, SwStart::Zustand, [&](auto&) { ++aufrufe; }));
    EXPECT_EQ(aufrufe, 0);
}

TEST(Abstandsverfahren, FastSourcesDrawExactlyAsTheGeneratorFunctions) {
    // Parameters on and beside the 1/32768 grid, where a comparison could tip.
    Zufall wahl(5);
    for (int satz = 0; satz < 200; ++satz) {
        auto wert = [&] {
            const int k = wahl.rand();
            return satz % 2 ? static_cast<float>(k) / 32768.0f : static_cast<float>(k) / 32768.0f + 1e-6f;
        };
        ModellWerte mc{static_cast<float>(1 + satz), 100, wert(), 0, wert(), 0, wert(), wert()};
        ModellWerte sw{static_cast<float>(1 + satz), 100, 0, wert() * 0.5f, wert() * 0.5f, wert(), wert(), wert()};
        for (auto* w : {&mc, &sw})
            for (int i = 5; i < 8; ++i)
                if ((*w)[i] == 0.0f) (*w)[i] = 0.5f;

        McAbstandQuelle mq(mc.data());
        Zufall z;
        int zustand = 0;
        MC_Startzustand(&zustand, mc.data(), z);
        for (int e = 0; e < 200; ++e) {
            const long g = Fehlerabstand(zustand ? mc[gemc::Good] : mc[gemc::Bad], z);
            const Abstand a = mq.naechster();
            ASSERT_EQ(a.g, g);
            ASSERT_EQ(a.zustand, zustand);
            MC_Zustand(&zustand, mc.data(), z);
        }

        SwAbstandQuelle sq(sw.data(), SwStart::Zustand);
        z.srand(startwert(sw[0]));
        short s = 0;
        SW_Zustand(&s, sw.data(), z);
        for (int e = 0; e < 200; ++e) {
            const long g = Fehlerabstand(sw[4 + s], z);
            const Abstand a = sq.naechster();
            ASSERT_EQ(a.g, g);
            ASSERT_EQ(a.zustand, s);
            SW_Zustand(&s, sw.data(), z);
        }
    }
}

TEST(GeBitQuelle, EqualsTheLiteralProcedureDrawForDraw) {
    // The byte kernel replaces per-bit float comparisons by integer thresholds and jumps
    // ahead; values on the k/32768 grid and its neighbours are where that could slip.
    Zufall wahl(4711);
    auto wert = [&]() -> float {
        switch (wahl.rand() % 4) {
        case 0: return static_cast<float>(wahl.rand()) / 32768.0f;                    // on the grid
        case 1: return std::nextafter(static_cast<float>(wahl.rand()) / 32768.0f, 1.0f);  // just above
        case 2: return static_cast<float>(wahl.rand() % 3) * 0.5f;                     // 0, 0.5, 1
        default: return wahl.gleich();
        }
    };
    for (int satz = 0; satz < 200; ++satz) {
        ModellWerte w{};
        w[gemc::Startwert] = static_cast<float>(1 + satz * 37 % 9999);
        w[gemc::Good_From_Good] = wert();
        w[gemc::Bad_From_Good] = 1.0f - w[gemc::Good_From_Good];
        w[gemc::Good_From_Bad] = wert();
        w[gemc::Bad_From_Bad] = 1.0f - w[gemc::Good_From_Bad];
        w[gemc::Good] = wert();
        w[gemc::Bad] = wert();
        GeBitQuelle q(w.data());
        Zufall z;
        int zustand = GOOD;
        GE_Startzustand(&zustand, w.data(), z);
        for (int i = 0; i < 3000; ++i) {
            const int vorher = zustand;
            int bit = 0;
            GE_Fehlerfolge(&zustand, &bit, w.data(), z);
            ASSERT_EQ(q.bit(), bit) << "set " << satz << " bit " << i;
            ASSERT_EQ(q.zustand(), vorher) << "set " << satz << " bit " << i;
        }
    }
}
