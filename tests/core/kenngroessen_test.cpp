// Derived quantities of a parameter set against counts over the set's own generated
// sequence. Their worked numbers are on the theory help page, recomputed by the CLI tests.

#include "core/models/fehlerquellen.h"
#include "core/models/kenngroessen.h"
#include "core/models/vorgaben.h"

#include "modellstatistik.h"
#include "stapelmittel.h"
#include "testnamen.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace zor;

namespace {

TEST(Kenngroessen, EndlessStaysAndRunsAndWhatHasNone) {
    ModellWerte ge = startZustand().GEWert1;
    ge[gemc::Good_From_Bad] = ge[gemc::Bad_From_Good] = 0;  // the theory's halves
    const auto k = *kenngroessen(Modellart::GE, ge, 50);
    EXPECT_NEAR(k.fehlerwahrscheinlichkeit, (0.01 + 0.4) / 2, 1e-7);
    EXPECT_TRUE(std::isinf(k.zustaende[0].verweildauer) && std::isinf(k.buendellaenge));
    BscWerte bsc{1, 1, 1};
    EXPECT_TRUE(std::isinf(kenngroessen(Modellart::BSC, bsc, 50)->buendellaenge));
    bsc[bsc::p] = 0;
    EXPECT_TRUE(std::isinf(kenngroessen(Modellart::BSC, bsc, 50)->abstand));
    EXPECT_FALSE(kenngroessen(Modellart::Datei, bsc, 50));
    EXPECT_FALSE(kenngroessen(Modellart::GE, bsc, 50)) << "array of the wrong size";
    // As typed in a dialog: nothing while an entry is refused; seed and runs do not count.
    std::vector<std::string> t = {"abc", "", "0.99", "0.9", "0.1", "0.01", "0.01", "0.4"};
    EXPECT_NEAR(kenngroessenAusEingaben(Modellart::GE, t, 50)->fehlerwahrscheinlichkeit, 0.04545454, 1e-7);
    t[gemc::Good_From_Bad] = "0";
    EXPECT_FALSE(kenngroessenAusEingaben(Modellart::GE, t, 50));
}

// The array the generator really runs: its 15-bit draws take an error with
// P(u <= e), a transition with P(u < q), and the gap procedures' mean gap is that of the
// tabulated gaps. Quantities of this array are what the sequence must show.
std::vector<float> wirksam(Modellart art, std::span<const float> w) {
    using namespace modellstatistik;
    std::vector<float> v(w.begin(), w.end());
    const auto f = [](double x) { return static_cast<float>(x); };
    const auto fehler = [&](float e) { return f(1.0 / gapMomente(e).m); };
    switch (art) {
    case Modellart::BSC: v[bsc::p] = f(pKleinerGleich(w[bsc::p])); break;
    case Modellart::GE:
    case Modellart::MC:
        v[gemc::Good_From_Bad] = f(pKleiner(w[gemc::Good_From_Bad]));
        v[gemc::Bad_From_Good] = f(1 - pKleiner(w[gemc::Good_From_Good]));
        v[gemc::Good] = art == Modellart::GE ? f(pKleinerGleich(w[gemc::Good])) : fehler(w[gemc::Good]);
        v[gemc::Bad] = art == Modellart::GE ? f(pKleinerGleich(w[gemc::Bad])) : fehler(w[gemc::Bad]);
        break;
    default: {
        const double bis1 = pKleiner(w[sw::pZ1]), bis2 = pKleiner(static_cast<double>(w[sw::pZ1]) + w[sw::pZ2]);
        v[sw::pZ1] = f(bis1);
        v[sw::pZ2] = f(bis2 - bis1);
        v[sw::pZ3] = f(1 - bis2);
        for (int i : {sw::pFehlerZ1, sw::pFehlerZ2, sw::pFehlerZ3}) v[static_cast<std::size_t>(i)] = fehler(w[static_cast<std::size_t>(i)]);
    }
    }
    return v;
}

struct Zaehlung {
    stapelmittel::Verhaeltnis fehler, fehlerlauf;
    std::map<int, stapelmittel::Verhaeltnis> anteil, verweil;
};

// Counts errors, error runs, and the bits and runs of each state, in batches.
Zaehlung zaehlen(const ZorState& s, const std::vector<int>& zustaende) {
    constexpr int STAPEL = 50, BITS = 40000;
    Zaehlung z;
    mitBitQuelle(s, 0, SwStart::Zustand, [&](auto& q) {
        int vorher = -1, bitVorher = 0;
        for (int b = 0; b < STAPEL; ++b) {
            z.fehler.stapel();
            z.fehlerlauf.stapel();
            for (int n : zustaende) z.anteil[n].stapel(), z.verweil[n].stapel();
            for (int i = 0; i < BITS; ++i) {
                const int bit = q.bit(), zustand = q.zustand();
                z.fehler.zaehlen(bit, 1);
                z.fehlerlauf.zaehlen(bit, bit && !bitVorher);
                for (int n : zustaende) {
                    z.anteil[n].zaehlen(zustand == n, 1);
                    z.verweil[n].zaehlen(zustand == n, zustand == n && vorher != n);
                }
                vorher = zustand;
                bitVorher = bit;
            }
        }
    });
    return z;
}

class KenngroessenSimulation : public ::testing::TestWithParam<const char*> {};

TEST_P(KenngroessenSimulation, TheSequenceShowsEveryQuantity) {
    ZorState s = startZustand();
    const Vorgabe v = *vorgabe(GetParam());
    vorgabeSetzen(s, 0, v);
    const std::span<const float> werte = v.art == Modellart::BSC ? std::span<const float>(s.BSCWert1)
                                         : v.art == Modellart::GE  ? s.GEWert1
                                         : v.art == Modellart::MC  ? s.MCWert1
                                                                   : s.SWWert1;
    const auto k = *kenngroessen(v.art, wirksam(v.art, werte), 50);
    const std::map<std::string, int> nummer = {{"GOOD", GOOD}, {"BAD", BAD}, {"Z1", 1}, {"Z2", 2}, {"Z3", 3}};
    std::vector<int> zustaende;
    for (const auto& z : k.zustaende) zustaende.push_back(nummer.at(z.name));
    const Zaehlung z = zaehlen(s, zustaende);

    EXPECT_LE(stapelmittel::abweichung(z.fehler, k.fehlerwahrscheinlichkeit), 5.0) << z.fehler.wert();
    for (const auto& zk : k.zustaende) {
        SCOPED_TRACE(zk.name);
        const int n = nummer.at(zk.name);
        EXPECT_LE(stapelmittel::abweichung(z.anteil.at(n), zk.anteil), 5.0) << z.anteil.at(n).wert();
        EXPECT_LE(stapelmittel::abweichung(z.verweil.at(n), zk.verweildauer), 5.0) << z.verweil.at(n).wert();
    }
    // A burst is a stay in BAD where there is one, else a run of adjacent errors.
    const auto& buendel = k.zustaende.size() == 2 ? z.verweil.at(BAD) : z.fehlerlauf;
    EXPECT_LE(stapelmittel::abweichung(buendel, k.buendellaenge), 5.0) << buendel.wert();
}

INSTANTIATE_TEST_SUITE_P(Vorgaben, KenngroessenSimulation,
                         ::testing::Values("bsc1", "ge1", "ge2", "mc1", "mc2", "sw1", "sw2"),
                         [](const auto& i) { return std::string(i.param); });

}  // namespace
