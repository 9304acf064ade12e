// Find in a 5 GiB sparse file with the pattern near its end, and the next difference of two
// 1 GiB files that differ only in their last byte (targets: <= 10 s and <= 3 s).
#include "core/media/suche.h"
#include "core/media/unterschied.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A sparse file of `groesse` bytes with `inhalt` written at `bei`.
std::string duenneDatei(const char* name, std::uint64_t groesse, std::uint64_t bei, const std::string& inhalt) {
    const auto p = (std::filesystem::temp_directory_path() / name).string();
    {
        std::ofstream(p, std::ios::binary | std::ios::trunc);
    }
    std::filesystem::resize_file(p, groesse);
    std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(static_cast<std::streamoff>(bei));
    f << inhalt;
    return p;
}

std::unique_ptr<zor::Bytequelle> oeffnen(const std::string& p) {
    std::string warum;
    auto q = zor::oeffneDatei(p, warum);
    if (!q) std::abort();
    return q;
}

// Finds "ZORWERK", which the file at p holds 1000 bytes before its end n, and removes it.
void findeZorwerk(benchmark::State& state, const std::string& p, std::uint64_t n) {
    auto q = oeffnen(p);
    zor::KeinFortschritt still;
    const auto m = zor::textMuster("ZORWERK");
    for (auto _ : state) {
        const auto e = zor::suchen(*q, m, 0, zor::Suchrichtung::Vorwaerts, still);
        if (e.art != zor::Suchergebnis::Art::Gefunden || e.bit != 8 * (n - 1000)) state.SkipWithError("falsch");
    }
    std::filesystem::remove(p);
}

void FindIn5GiB(benchmark::State& state) {
    const std::uint64_t n = std::uint64_t{5} << 30;
    findeZorwerk(state, duenneDatei("suche_bench_5G", n, n - 1000, "ZORWERK"), n);
}
BENCHMARK(FindIn5GiB)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BitFindIn256MiB(benchmark::State& state) {
    const std::uint64_t n = std::uint64_t{256} << 20;
    const auto p = duenneDatei("suche_bench_256M", n, n - 1000, "\x03\xFF");
    auto q = oeffnen(p);
    zor::KeinFortschritt still;
    const auto m = std::get<zor::Suchmuster>(zor::bitMuster("1111111111"));
    for (auto _ : state) {
        const auto e = zor::suchen(*q, m, 0, zor::Suchrichtung::Vorwaerts, still);
        if (e.art != zor::Suchergebnis::Art::Gefunden) state.SkipWithError("falsch");
    }
    std::filesystem::remove(p);
}
BENCHMARK(BitFindIn256MiB)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void NextDifferenceIn1GiB(benchmark::State& state) {
    const std::uint64_t n = std::uint64_t{1} << 30;
    const auto a = duenneDatei("suche_bench_1G_a", n, n - 1, "a");
    const auto b = duenneDatei("suche_bench_1G_b", n, n - 1, "b");
    auto x = oeffnen(a);
    auto y = oeffnen(b);
    zor::KeinFortschritt still;
    for (auto _ : state) {
        const auto e = zor::naechsterUnterschied(*x, *y, 0, zor::Suchrichtung::Vorwaerts, still);
        if (e.art != zor::Suchergebnis::Art::Gefunden || e.bit != 8 * (n - 1)) state.SkipWithError("falsch");
    }
    std::filesystem::remove(a);
    std::filesystem::remove(b);
}
BENCHMARK(NextDifferenceIn1GiB)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The same find in a file without holes, 1 GiB of ordinary text: what reading costs when
// the file system has to deliver every byte (from the page cache after the first run).
void FindIn1GiBWithoutHoles(benchmark::State& state) {
    const std::uint64_t n = std::uint64_t{1} << 30;
    const auto p = (std::filesystem::temp_directory_path() / "suche_bench_1G_dicht").string();
    {
        std::ofstream f(p, std::ios::binary | std::ios::trunc);
        const std::string zeile = "Fehlerabstand 0123456789 Zorwerk und Multimedia\n";
        std::string block;
        while (block.size() < (1u << 20)) block += zeile;
        block.resize(1u << 20);
        for (std::uint64_t i = 0; i < n / block.size(); ++i) f << block;
        f.seekp(static_cast<std::streamoff>(n - 1000));
        f << "ZORWERK";
    }
    findeZorwerk(state, p, n);
}
BENCHMARK(FindIn1GiBWithoutHoles)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
