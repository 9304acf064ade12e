// The confidence bands: what they cost on top of the curve (GE set 1, N = 10^8, D = 100,
// target at most 20 %), and how often the theory lies inside them (GE and MC set 1,
// N = 10^6, 40 seeds, points k = 2..50 of the gap distribution and lags 0..50 of the
// correlation; target 90 to 99 %). Run by hand:
//   build/release/bench/konfidenz_bench
#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace zor;

namespace {

constexpr std::uint64_t N = 100000000;
constexpr int D = 100;
KeinFortschritt still;

ModellWerte mitN(ModellWerte w) {
    w[gemc::Durchlaeufe] = static_cast<float>(N);
    return w;
}
const ZorState START = startZustand();
const ModellWerte GE = mitN(START.GEWert1);

// range(0): 1 with the band, 0 the curve alone; range(1): 1 renewal method.
void FKF_GE_1e8(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> p{};
    Konfidenz k;
    for (auto _ : st)
        FKF_GE_SIMULATION(GE.data(), N, Kurve(p).first(D + 1), static_cast<int>(st.range(1)), still,
                          st.range(0) ? &k : nullptr);
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(k);
}

void FAV_GE_1e8(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FAV_PUNKTE> p{};
    Konfidenz k;
    for (auto _ : st) FAV_GE_SIMULATION(GE.data(), N, p, still, st.range(0) ? &k : nullptr);
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(k);
}

// Share of (point, seed) pairs whose theory lies inside the band, as counters.
void Abdeckung(benchmark::State& st) {
    const auto art = static_cast<Modellart>(st.range(0));
    constexpr int SAATEN = 40, PUNKTE = 50;
    double favDrin = 0, fkfDrin = 0, dauerDrin = 0;
    for (auto _ : st) {
        favDrin = fkfDrin = dauerDrin = 0;
        for (int saat = 1; saat <= SAATEN; ++saat) {
            ZorState s = startZustand();
            s.Modell.M1 = static_cast<std::int16_t>(modellId(art, 0));
            s.Modell.sim1 = 0;
            (art == Modellart::GE ? s.GEWert1 : s.MCWert1)[gemc::Startwert] = static_cast<float>(saat);
            durchlaeufeSetzen(s, art, 0, 1000000);
            const auto favTheo = FAV_Satz(satzparameter(s, 0), PUNKTE, still).kurve;
            const auto fkfTheo = FKF_Satz(satzparameter(s, 0), PUNKTE, 0, still).kurve;
            s.Modell.sim1 = 1;
            const auto fav = FAV_Satz(satzparameter(s, 0), PUNKTE, still);
            const auto fkf = FKF_Satz(satzparameter(s, 0), PUNKTE, 0, still);
            const auto &favSim = fav.kurve, &fkfSim = fkf.kurve;
            const Konfidenz &a = fav.konfidenz, &f = fkf.konfidenz;
            auto drin = [](float theo, const Kurvenband& b, std::size_t i, float y) {
                return theo >= b.unten(i, y) && theo <= b.oben(i, y);
            };
            for (std::size_t i = 1; i < PUNKTE; ++i) favDrin += drin(favTheo[i].y, a.band, i, favSim[i].y);
            for (std::size_t i = 0; i <= PUNKTE; ++i) fkfDrin += drin(fkfTheo[i].y, f.band, i, fkfSim[i].y);
            const float dk = Korrelationsdauer(fkfTheo).DK;
            dauerDrin += dk >= f.dauerUnten && dk <= f.dauerOben;
        }
    }
    st.counters["FAV_drin"] = favDrin / (SAATEN * (PUNKTE - 1));
    st.counters["FKF_drin"] = fkfDrin / (SAATEN * (PUNKTE + 1));
    st.counters["Dauer_drin"] = dauerDrin / SAATEN;
}

}  // namespace

BENCHMARK(FKF_GE_1e8)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(FAV_GE_1e8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Abdeckung)
    ->Arg(static_cast<int>(Modellart::GE))
    ->Arg(static_cast<int>(Modellart::MC))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
