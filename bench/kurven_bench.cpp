// The curve computations at N = 10^8 and on a 100 MB FFO file. Run by hand:
//   build/release/bench/kurven_bench
// The literal window estimate takes about 16 s per run; it checks that its sums equal
// the packed ones before anything is timed.
#include "core/models/fav.h"
#include "core/models/fehlerquellen.h"
#include "core/models/fkf.h"
#include "core/models/fkf_packed.h"
#include "core/models/kurvenquelle_datei.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace zor;

namespace {

constexpr long N = 100000000;
constexpr int D = 100;
KeinFortschritt still;

ModellWerte mitN(ModellWerte w) {
    w[gemc::Durchlaeufe] = N;
    return w;
}
const ZorState START = startZustand();
const ModellWerte GE = mitN(START.GEWert1);
const ModellWerte MC = mitN(START.MCWert1);

// The GE sequence of set 1, one byte per bit.
const std::vector<unsigned char>& geBits() {
    static const std::vector<unsigned char> bits = [] {
        std::vector<unsigned char> b(static_cast<std::size_t>(N));
        GeBitQuelle q(GE.data());
        for (auto& x : b) x = static_cast<unsigned char>(q.bit());
        return b;
    }();
    return bits;
}

Korrelationszaehler gepackt(const std::vector<unsigned char>& b) {
    Korrelator kor(D, fkfPositionen(b.size(), D));
    std::size_t i = 0;
    for (; i + 64 <= b.size(); i += 64) {
        std::uint64_t w = 0;
        for (unsigned j = 0; j < 64; ++j) w |= static_cast<std::uint64_t>(b[i + j]) << j;
        kor.wort(w);
    }
    for (; i < b.size(); ++i) kor.bit(b[i]);
    return kor.zaehler();
}

// The estimate as first written: a window of D + 1 floats and a cyclic position.
Korrelationszaehler fenster(const std::vector<unsigned char>& b) {
    constexpr std::size_t W = D + 1;
    float w[W];
    std::size_t naechstes = 0;
    for (std::size_t i = 0; i < W; ++i) w[i] = b[naechstes++];
    double R[W] = {};
    std::size_t p = 0;
    const long n = static_cast<long>(b.size());
    for (long m = 0; m < n - D - 1; ++m) {
        for (std::size_t k = 0; k < W; ++k) R[k] += w[p] * w[(p + k) % W];
        w[p] = naechstes < b.size() ? b[naechstes++] : 0;
        p = (p + 1) % W;
    }
    Korrelationszaehler z{};
    for (std::size_t k = 0; k < W; ++k) z[k] = static_cast<std::uint64_t>(R[k]);
    return z;
}

const std::string& ffoDatei() {
    static const std::string pfad = [] {
        const auto p = (std::filesystem::temp_directory_path() / "kurven_bench_100MB.FFO").string();
        if (!std::filesystem::exists(p) || std::filesystem::file_size(p) != static_cast<std::uintmax_t>(N)) {
            ZorState s = START;
            s.Modell.M1 = GE1;
            s.GEWert1 = GE;
            if (!SaveFolge(s, 0, TYP_FFO, p, still)) std::abort();
        }
        return p;
    }();
    return pfad;
}

STRUCT_DATEI ffo() { return {TYP_FFO, static_cast<std::int64_t>(N), ffoDatei()}; }

void FKF_GE_allgemein_mit_Erzeugung(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> p{};
    for (auto _ : st) FKF_GE_SIMULATION(GE.data(), N, p, 0, still);
    benchmark::DoNotOptimize(p);
}

void FKF_nur_Korrelation_gepackt(benchmark::State& st) {
    const auto& b = geBits();
    for (auto _ : st) benchmark::DoNotOptimize(gepackt(b));
}

void FKF_nur_Korrelation_Fenster(benchmark::State& st) {
    const auto& b = geBits();
    for (auto _ : st) {
        const auto z = fenster(b);
        if (z != gepackt(b)) {
            st.SkipWithError("window and packed sums differ");
            return;
        }
    }
}

void FAV_GE_Simulation(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FAV_PUNKTE> p{};
    for (auto _ : st) FAV_GE_SIMULATION(GE.data(), N, p, still);
    benchmark::DoNotOptimize(p);
}

void FAV_MC_Simulation(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FAV_PUNKTE> p{};
    for (auto _ : st) FAV_MC_SIMULATION(MC.data(), N, p, still);
    benchmark::DoNotOptimize(p);
}

void FAV_FFO_100MB(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FAV_PUNKTE> p{};
    const STRUCT_DATEI d = ffo();
    for (auto _ : st)
        if (!FAV_DATEI(d, p, still).ok) st.SkipWithError("file not read");
}

void FKF_FFO_100MB(benchmark::State& st) {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> p{};
    const STRUCT_DATEI d = ffo();
    for (auto _ : st)
        if (!FKF_DATEI(d, p, static_cast<int>(st.range(0)), still).ok) st.SkipWithError("file not read");
}

}  // namespace

BENCHMARK(FKF_GE_allgemein_mit_Erzeugung)->Unit(benchmark::kMillisecond);
BENCHMARK(FKF_nur_Korrelation_gepackt)->Unit(benchmark::kMillisecond);
BENCHMARK(FKF_nur_Korrelation_Fenster)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FAV_GE_Simulation)->Unit(benchmark::kMillisecond);
BENCHMARK(FAV_MC_Simulation)->Unit(benchmark::kMillisecond);
BENCHMARK(FAV_FFO_100MB)->Unit(benchmark::kMillisecond);
BENCHMARK(FKF_FFO_100MB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
