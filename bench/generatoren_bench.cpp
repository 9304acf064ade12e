// 10^8 bits of each generation procedure, consumed bit by bit as the sequence view and
// the savers do. Run by hand: build/release/bench/generatoren_bench
#include "core/models/fehlerquellen.h"

#include <benchmark/benchmark.h>

using namespace zor;

namespace {

constexpr long BITS = 100000000;

template <class Quelle>
void bitsZaehlen(benchmark::State& st, Quelle q) {
    for (auto _ : st) {
        long fehler = 0;
        for (long i = 0; i < BITS; ++i) fehler += q.bit();
        benchmark::DoNotOptimize(fehler);
    }
}

const ZorState START = startZustand();

void BSC_bitweise(benchmark::State& st) { bitsZaehlen(st, BscBitQuelle(START.BSCWert1.data())); }
void BSC_Abstaende(benchmark::State& st) { bitsZaehlen(st, BscAbstandBitQuelle(START.BSCWert1.data())); }
void GE(benchmark::State& st) { bitsZaehlen(st, GeBitQuelle(START.GEWert1.data())); }
void MC(benchmark::State& st) { bitsZaehlen(st, McBitQuelle(START.MCWert1.data())); }
void SW(benchmark::State& st) { bitsZaehlen(st, SwBitQuelle(START.SWWert1.data(), SwStart::Zustand)); }
// Set 2's start values: a low error rate, as most teaching examples use.
void SW_Satz2(benchmark::State& st) { bitsZaehlen(st, SwBitQuelle(START.SWWert2.data(), SwStart::Zustand)); }
void MC_Satz2(benchmark::State& st) { bitsZaehlen(st, McBitQuelle(START.MCWert2.data())); }

}  // namespace

BENCHMARK(BSC_bitweise)->Unit(benchmark::kMillisecond);
BENCHMARK(BSC_Abstaende)->Unit(benchmark::kMillisecond);
BENCHMARK(GE)->Unit(benchmark::kMillisecond);
BENCHMARK(MC)->Unit(benchmark::kMillisecond);
BENCHMARK(SW)->Unit(benchmark::kMillisecond);
BENCHMARK(SW_Satz2)->Unit(benchmark::kMillisecond);
BENCHMARK(MC_Satz2)->Unit(benchmark::kMillisecond);
