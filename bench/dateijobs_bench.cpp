// File jobs on a large random file, end to end through the core (read, channel, write).
// Run by hand: ZOR_BENCH_DIR=/dev/shm build/release/bench/dateijobs_bench
// The input (256 MiB) is created once in ZOR_BENCH_DIR (default /tmp).
#include "core/corruption/kanaele.h"
#include "core/corruption/muster.h"
#include "core/corruption/verfaelschen.h"
#include "core/seqfiles/konvertieren.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

using namespace zor;

namespace {

constexpr std::size_t GROESSE = std::size_t{256} << 20;

std::string verzeichnis() {
    const char* d = std::getenv("ZOR_BENCH_DIR");
    return d ? d : "/tmp";
}

const std::string& eingabe() {
    static const std::string name = [] {
        const std::string n = verzeichnis() + "/zor-bench-in.bin";
        if (std::filesystem::exists(n) && std::filesystem::file_size(n) == GROESSE) return n;
        std::mt19937_64 r(1);
        std::vector<std::uint64_t> block(1 << 17);
        std::ofstream aus(n, std::ios::binary);
        for (std::size_t i = 0; i < GROESSE / (8 * block.size()); ++i) {
            for (auto& w : block) w = r();
            aus.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(8 * block.size()));
        }
        return n;
    }();
    return name;
}

void BSC(benchmark::State& st) {
    BscAuftrag a;
    a.eingabe = eingabe();
    a.ausgabe = verzeichnis() + "/zor-bench-bsc.bin";
    a.fFehlerWBSC = 0.001;
    KeinFortschritt f;
    for (auto _ : st) {
        std::filesystem::remove(a.ausgabe);
        if (!MmMakeBscErr(a, f, static_cast<std::size_t>(st.range(0)))) st.SkipWithError("BSC failed");
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * GROESSE));
}

void GE(benchmark::State& st) {
    GeMcAuftrag a;
    a.eingabe = eingabe();
    a.ausgabe = verzeichnis() + "/zor-bench-ge.bin";
    KeinFortschritt f;
    for (auto _ : st) {
        std::filesystem::remove(a.ausgabe);
        if (!MakeGeError(a, f)) st.SkipWithError("GE failed");
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * GROESSE));
}

}  // namespace

BENCHMARK(BSC)->Arg(64 << 10)->Arg(128 << 10)->Arg(256 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(GE)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

namespace {

// The GE channel alone, on a buffer in memory.
void GE_Kanal(benchmark::State& st) {
    std::vector<unsigned char> puffer(std::size_t{16} << 20, 0x55);
    GeMcAuftrag a;
    Zufall z;
    GeKanal kanal(a, z);
    for (auto _ : st) {
        kanal.anwenden(puffer);
        benchmark::DoNotOptimize(puffer.data());
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * puffer.size()));
}

}  // namespace

BENCHMARK(GE_Kanal)->Unit(benchmark::kMillisecond);
