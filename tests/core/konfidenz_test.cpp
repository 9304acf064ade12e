// The confidence bands: the batch cut, the t quantile against printed tables, the bands
// of a GE sequence against a plain second computation over its bits, their width against
// the exact standard errors of the models, how often they hold the theory, the hint
// "Folge zu kurz", and the correlation duration of a memoryless channel.

#include "fkf_statistik.h"
#include "temp_verzeichnis.h"

#include "core/io/dateityp.h"
#include "core/models/fav.h"
#include "core/models/fehlerquellen.h"
#include "core/models/fkf.h"
#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"
#include "core/models/kurvenquelle_datei.h"
#include "core/seqfiles/folge_speichern.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace zor;

namespace {

using FavPunkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;
using FkfPunkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;
constexpr int D = 50;
constexpr double T19 = 2.093024;  // t(19, 0.975) from the printed tables
KeinFortschritt still;

// The jackknife half-width of leave-one-out values, written out plainly.
double jackknife(const std::vector<double>& ohne) {
    const double B = static_cast<double>(ohne.size());
    double m = 0, q = 0;
    for (double x : ohne) m += x / B;
    for (double x : ohne) q += (x - m) * (x - m);
    return T19 * std::sqrt(q * (B - 1) / B);
}

// Borders of n items in B batches, each rounded down to a multiple of r.
std::vector<std::uint64_t> grenzen(std::uint64_t n, std::uint64_t B, std::uint64_t r) {
    std::vector<std::uint64_t> g;
    for (std::uint64_t j = 0; j < B; ++j) g.push_back(n * j / B / r * r);
    g.push_back(n);
    return g;
}

std::vector<int> geBits(const ModellWerte& w, std::uint64_t n) {
    GeBitQuelle q(w.data());
    std::vector<int> b(n);
    for (auto& x : b) x = q.bit();
    return b;
}

ZorState mitSaat(Modellart art, int satz, int saat, std::uint64_t n) {
    const kurvenstatistik::Modellfall fall{art, satz};
    ZorState s = kurvenstatistik::zustand(fall, static_cast<float>(n));
    durchlaeufeSetzen(s, art, satz, n);
    float* w = art == Modellart::BSC ? &bscWerte(s, satz)[bsc::Startwert]
               : art == Modellart::GE ? &geWerte(s, satz)[gemc::Startwert]
               : art == Modellart::MC ? &mcWerte(s, satz)[gemc::Startwert]
                                      : &swWerte(s, satz)[sw::Startwert];
    *w = static_cast<float>(saat);
    return s;
}

}  // namespace

TEST(Chargenteilung, BordersCoverEverythingOnTheirGrid) {
    struct Fall {
        std::uint64_t n;
        int B;
        std::uint64_t raster;
    };
    for (const Fall f : {Fall{1000, 20, 1}, Fall{999999, 20, 64}, Fall{7, 20, 1}, Fall{~std::uint64_t{0} - 5, 20, 64}}) {
        const Chargenteilung t(f.n, f.B, f.raster);
        EXPECT_EQ(t.grenze(0), 0u);
        EXPECT_EQ(t.grenze(f.B), f.n);
        std::uint64_t vorher = 0, stuecke = 0;
        for (int j = 1; j < f.B; ++j) {
            EXPECT_EQ(t.grenze(j) % f.raster, 0u) << f.n;
            EXPECT_GE(t.grenze(j), vorher) << f.n;
            // Within one grid step of the even share j * n / B, also where n * j overflows.
            const long double soll = static_cast<long double>(f.n) * j / f.B;
            EXPECT_LE(std::abs(static_cast<long double>(t.grenze(j)) - soll), static_cast<long double>(f.raster)) << f.n;
            vorher = t.grenze(j);
        }
        const std::uint64_t ende = std::min<std::uint64_t>(f.n, 100000);
        t.stuecke(0, ende, [&](int j, std::uint64_t a, std::uint64_t e) {
            EXPECT_EQ(a, stuecke);
            EXPECT_LT(a, e);
            EXPECT_GE(a, t.grenze(j));
            EXPECT_LE(e, j + 1 < f.B ? t.grenze(j + 1) : f.n);
            stuecke = e;
        });
        EXPECT_EQ(stuecke, ende);
    }
}

TEST(StudentT, QuantilesOfThePrintedTables) {
    const std::pair<int, double> tabelle[] = {{1, 12.7062}, {2, 4.3027}, {3, 3.1824}, {5, 2.5706},  {10, 2.2281},
                                              {19, 2.0930}, {29, 2.0452}, {60, 2.0003}, {120, 1.9799}};
    for (const auto& [f, t] : tabelle) EXPECT_NEAR(studentT975(f), t, 6e-5) << f;
}

// The bands of one GE sequence against a second, plain computation over its bits: the
// products and gaps of each batch counted one by one, the curve formed without each
// batch, and the jackknife of those curves.
TEST(KonfidenzBand, EqualsAPlainJackknifeOverTheBits) {
    constexpr std::uint64_t N = 200000;
    ModellWerte w = startZustand().GEWert1;
    const std::vector<int> b = geBits(w, N);

    FkfPunkte fkf{};
    Konfidenz kf;
    FKF_GE_SIMULATION(w.data(), N, Kurve(fkf).first(D + 1), 0, still, &kf);
    ASSERT_EQ(kf.chargen, 20);
    const std::uint64_t P = N - D - 1;
    const auto g = grenzen(P, 20, 64);
    std::vector<std::array<double, D + 1>> Z(20);
    std::array<double, D + 1> summe{};
    for (std::size_t j = 0; j < 20; ++j)
        for (std::uint64_t n = g[j]; n < g[j + 1]; ++n)
            for (int k = 0; k <= D; ++k) Z[j][k] += b[n] * b[n + static_cast<std::uint64_t>(k)];
    for (const auto& z : Z)
        for (int k = 0; k <= D; ++k) summe[k] += z[k];
    std::vector<Korrelationswerte> dauer;
    for (int k = 0; k <= D; ++k) {
        std::vector<double> ohne;
        for (std::size_t j = 0; j < 20; ++j)
            ohne.push_back((summe[k] - Z[j][k]) / (N * (1 - static_cast<double>(g[j + 1] - g[j]) / P)));
        EXPECT_NEAR(kf.band.halb[k], jackknife(ohne), 1e-4 * jackknife(ohne)) << "FKF, k = " << k;
    }
    std::vector<double> dkOhne;
    for (std::size_t j = 0; j < 20; ++j) {
        FkfPunkte r{};
        for (int k = 0; k <= D; ++k)
            r[k] = {0, static_cast<float>((summe[k] - Z[j][k]) / (N * (1 - static_cast<double>(g[j + 1] - g[j]) / P)))};
        dkOhne.push_back(Korrelationsdauer(KurveLesen(r).first(D + 1)).DK);
    }
    const float dk = Korrelationsdauer(KurveLesen(fkf).first(D + 1), kf).DK;
    EXPECT_GT(dk, 0.0f);
    EXPECT_NEAR(kf.dauerUnten, dk - jackknife(dkOhne), 1e-3);
    EXPECT_NEAR(kf.dauerOben, dk + jackknife(dkOhne), 1e-3);

    FavPunkte fav{};
    Konfidenz ka;
    FAV_GE_SIMULATION(w.data(), N, Kurve(fav).first(D), still, &ka);
    const auto gb = grenzen(N, 20, 1);
    // ab[j][k]: gaps of at least k + 1 closed in batch j.
    std::vector<std::array<double, D + 1>> ab(20);
    std::uint64_t c = 1;
    std::size_t j = 0;
    for (std::uint64_t i = 0; i < N; ++i, ++c) {
        while (i >= gb[j + 1]) ++j;
        if (!b[i]) continue;
        for (std::uint64_t k = 0; k <= D && k < c; ++k) ++ab[j][k];
        c = 0;
    }
    std::array<double, D + 1> alle{};
    for (const auto& a : ab)
        for (int k = 0; k <= D; ++k) alle[k] += a[k];
    for (int k = 0; k + 1 < D; ++k) {
        std::vector<double> ohne, punkt;
        for (const auto& a : ab) {
            const double S = alle[0] - a[0];
            ohne.push_back((alle[k] - a[k]) / S);
            punkt.push_back((alle[k] - a[k] - alle[k + 1] + a[k + 1]) / S);
        }
        EXPECT_NEAR(ka.band.halb[k], jackknife(ohne), 1e-4 * jackknife(ohne) + 1e-9) << "FAV, k = " << k + 1;
        EXPECT_NEAR(ka.punktband.halb[k], jackknife(punkt), 1e-4 * jackknife(punkt) + 1e-9) << "p(a=k), k = " << k + 1;
    }
    EXPECT_EQ(ka.fehler, static_cast<std::uint64_t>(alle[0]));
}

// --- every model: counting by batches changes no curve ---

class BandModell : public ::testing::TestWithParam<kurvenstatistik::Modellfall> {};

TEST_P(BandModell, CountingByBatchesLeavesTheCurveAsItWas) {
    const auto& fall = GetParam();
    ZorState s = mitSaat(fall.art, fall.satz, 4711, 300000);
    simVon(s, fall.satz) = 1;
    const Satzparameter p = satzparameter(s, fall.satz);
    const float* w = p.Wert.data();
    const std::uint64_t n = p.Durchlaeufe;
    // The kernels without a band, one batch each, against the curves that carry one.
    FavPunkte a{};
    const Kurve ak = Kurve(a).first(D);
    switch (fall.art) {
    case Modellart::BSC: FAV_BSC_SIMULATION(w, n, ak, p.BSC_simfabs, still); break;
    case Modellart::GE: FAV_GE_SIMULATION(w, n, ak, still); break;
    case Modellart::MC: FAV_MC_SIMULATION(w, n, ak, still); break;
    default: FAV_SW_SIMULATION(w, n, ak, still); break;
    }
    const FavErgebnis fav = FAV_Satz(p, D, still);
    EXPECT_EQ(fav.konfidenz.chargen, 20);
    for (std::size_t i = 0; i < D; ++i) EXPECT_EQ(a[i].y, fav.kurve[i].y) << "FAV, k = " << i + 1;
    for (int erneuernd : {0, 1}) {
        FkfPunkte r{};
        const Kurve rk = Kurve(r).first(D + 1);
        switch (fall.art) {
        case Modellart::BSC: FKF_BSC_SIMULATION(w, n, rk, p.BSC_simfabs, erneuernd, still); break;
        case Modellart::GE: FKF_GE_SIMULATION(w, n, rk, erneuernd, still); break;
        case Modellart::MC: FKF_MC_SIMULATION(w, n, rk, erneuernd, still); break;
        default: FKF_SW_SIMULATION(w, n, rk, erneuernd, still); break;
        }
        const FkfErgebnis fkf = FKF_Satz(p, D, erneuernd, still);
        EXPECT_EQ(fkf.konfidenz.chargen, 20);
        for (std::size_t i = 0; i <= D; ++i) EXPECT_EQ(r[i].y, fkf.kurve[i].y) << "FKF " << erneuernd << ", k = " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(AlleModelle, BandModell, ::testing::ValuesIn(kurvenstatistik::MODELLE),
                         kurvenstatistik::fallname);

// --- the band's width and coverage against the models' exact values ---

// GE and MC set 1 at N = 10^6 over twenty seeds: the mean half-width is t times the exact
// standard error, and the theory lies inside the band at 90 to 99 % of the points.
TEST(KonfidenzBand, WidthAndCoverageMatchTheModels) {
    constexpr std::uint64_t N = 1000000;
    for (Modellart art : {Modellart::GE, Modellart::MC}) {
        const kurvenstatistik::Modellfall fall{art, 0};
        ZorState s0 = mitSaat(art, 0, 1, N);
        const auto kette = kurvenstatistik::kette(s0, fall);
        const auto favExakt = kurvenstatistik::fav(kette, D, N);
        const auto fkfExakt = kurvenstatistik::fkfAllgemein(kette, D, N);
        double verhaeltnis = 0, drin = 0, punkte = 0;
        for (int saat = 1; saat <= 20; ++saat) {
            ZorState s = mitSaat(art, 0, saat, N);
            simVon(s, 0) = 1;
            const FavErgebnis fav = FAV_Satz(satzparameter(s, 0), D, still);
            const FkfErgebnis fkf = FKF_Satz(satzparameter(s, 0), D, 0, still);
            const auto &a = fav.kurve, &r = fkf.kurve;
            const Konfidenz &ka = fav.konfidenz, &kr = fkf.konfidenz;
            for (std::size_t i = 1; i < D; ++i) {
                verhaeltnis += ka.band.halb[i] / (T19 * favExakt.se[i]);
                drin += std::abs(a[i].y - favExakt.wert[i]) <= ka.band.halb[i];
                ++punkte;
            }
            for (std::size_t i = 0; i <= D; ++i) {
                verhaeltnis += kr.band.halb[i] / (T19 * fkfExakt.se[i]);
                drin += std::abs(r[i].y - fkfExakt.wert[i]) <= kr.band.halb[i];
                ++punkte;
            }
        }
        EXPECT_NEAR(verhaeltnis / punkte, 1.0, 0.15) << static_cast<int>(art);
        EXPECT_GE(drin / punkte, 0.90) << static_cast<int>(art);
        EXPECT_LE(drin / punkte, 0.99) << static_cast<int>(art);
    }
}

// --- the correlation duration ---

// No decay out of the noise, no duration: whatever the length, seed, source or method.
TEST(KonfidenzDauer, AMemorylessChannelHasNone) {
    for (std::uint64_t n : {10000ull, 100000ull, 1000000ull})
        for (int fabs : {0, 1})
            for (int erneuernd : {0, 1})
                for (int saat = 1; saat <= 8; ++saat) {
                    ZorState s = mitSaat(Modellart::BSC, 0, saat, n);
                    s.Modell.sim1 = 1;
                    s.BSC_simfabs1 = fabs;
                    s.BSCWert1[bsc::p] = fabs ? 0.01f : 0.1f;
                    s.FKF_defbereich = D;
                    s.FKF_erneuernd = erneuernd;
                    EXPECT_TRUE(FKF_Ermitteln(s, still));
                    EXPECT_EQ(s.DK1, 0.0f) << n << " bits, seed " << saat << ", fabs " << fabs << ", method " << erneuernd;
                }
}

TEST(KonfidenzDauer, ACorrelatedChannelKeepsItsDurationInsideTheInterval) {
    ZorState s = mitSaat(Modellart::GE, 0, 3457, 1000000);
    s.Modell.sim1 = 1;
    s.FKF_defbereich = D;
    EXPECT_TRUE(FKF_Ermitteln(s, still));
    const Konfidenz& k = s.konfidenzFKF1;
    EXPECT_TRUE(k.abklingend);
    EXPECT_LT(k.dauerUnten, s.DK1);
    EXPECT_GT(k.dauerOben, s.DK1);
    // The formula's own duration (8.0407 at D = 50) lies inside.
    EXPECT_LT(k.dauerUnten, 8.0407f);
    EXPECT_GT(k.dauerOben, 8.0407f);
}

// --- file sources ---

class BandAusDatei : public TempVerzeichnis {};

// The same bits from an FFO file are cut as in the simulation, so the bands are the same;
// a FAB is cut by records and still gives a band.
TEST_F(BandAusDatei, AnFfoGivesTheSimulationsBandAndAFabOneOfItsOwn) {
    ZorState s = mitSaat(Modellart::GE, 0, 99, 100000);
    s.Modell.sim1 = 1;
    for (int typ : {TYP_FFO, TYP_FAB}) {
        const std::string name = pfad(typ == TYP_FFO ? "ge.FFO" : "ge.FAB");
        ASSERT_TRUE(SaveFolge(s, 0, typ, name, still).ok);
        const STRUCT_DATEI d{typ, static_cast<std::int64_t>(std::filesystem::file_size(name)), name};
        for (int erneuernd : {0, 1}) {
            FkfPunkte aus{}, sim{};
            Konfidenz kd, ks;
            ASSERT_TRUE(FKF_DATEI(d, Kurve(aus).first(D + 1), erneuernd, still, &kd).ok);
            FKF_GE_SIMULATION(s.GEWert1.data(), 100000, Kurve(sim).first(D + 1), erneuernd, still, &ks);
            EXPECT_EQ(kd.chargen, 20);
            for (std::size_t i = 0; i <= D; ++i) {
                if (typ == TYP_FFO) {
                    EXPECT_FLOAT_EQ(kd.band.halb[i], ks.band.halb[i]) << erneuernd << ", k = " << i;
                }
                EXPECT_GE(kd.band.halb[i], 0.0f);
            }
            EXPECT_GT(kd.band.halb[0], 0.0f);
        }
        FavPunkte a{};
        Konfidenz ka;
        ASSERT_TRUE(FAV_DATEI(d, Kurve(a).first(D), still, &ka).ok);
        EXPECT_EQ(ka.chargen, 20);
        EXPECT_EQ(ka.band.halb[0], 0.0f);  // P(a >= 1) is 1 in every batch
        EXPECT_GT(ka.band.halb[1], 0.0f);
    }
}

// --- texts ---

TEST(KonfidenzText, FolgeZuKurzNamesTheLengthThatWouldDo) {
    FkfPunkte kurve{};
    kurve.fill({0, 0.01f});
    auto konfidenz = [](std::uint64_t fehler, float halb) {
        Konfidenz k;
        k.chargen = 20;
        k.bits = 10000;
        k.fehler = fehler;
        k.band.halb.fill(halb);
        return k;
    };
    const KurveLesen r = KurveLesen(kurve).first(D + 1);
    EXPECT_EQ(folgeZuKurz(konfidenz(1000, 0.001f), r, 1), "");
    // 10 errors: three times as many bits; a relative half-width of 40 %: four times.
    EXPECT_EQ(folgeZuKurz(konfidenz(10, 0.001f), r, 1), "Folge zu kurz: N ≈ 30000 nötig");
    EXPECT_EQ(folgeZuKurz(konfidenz(1000, 0.004f), r, 1), "Folge zu kurz: N ≈ 40000 nötig");
    EXPECT_EQ(folgeZuKurz(Konfidenz{}, r, 1), "");  // a formula
    kurve[1].y = 0;  // nothing seen at lag 1, something later: as one event seen
    EXPECT_EQ(folgeZuKurz(konfidenz(1000, 0.0f), r, 1), "Folge zu kurz: N ≈ 1100000 nötig");
}

TEST(KonfidenzText, ValueAndHalfWidthToTheSameDecimal) {
    EXPECT_EQ(mitHalbbreite(0.29481f, 0.00312f), "0.2948 ± 0.0031");
    EXPECT_EQ(mitHalbbreite(0.0021f, 0.00034f), "(2.10 ± 0.34)e-3");
    EXPECT_EQ(mitHalbbreite(0.0001f, 0.00024f), "(1.0 ± 2.4)e-4");
    EXPECT_EQ(mitHalbbreite(0.0098f, 0.0022f), "0.0098 ± 0.0022");
    EXPECT_EQ(mitHalbbreite(1.0f, 0.0f), "1 ± 0");
}
