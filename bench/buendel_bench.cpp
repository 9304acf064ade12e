// Bursts and blocks. Run by hand:
//   build/release/bench/buendel_bench
// - bursts counted in one pass over a 256 MB FFO file (target: at least 500 MB/s) and
//   over the FAB of the same sequence;
// - the exact block curve P(m, 1023), m = 0..64, of both sets (target: at most 50 ms);
// - the full check of the exact block law against 10^7 simulated bits of every GE, MC
//   and SW preset (n = 63, 255, 1023; t = 0..7): the largest deviation in sigma is
//   reported as "max_sigma" and the run fails above 5.
#include "core/buendel/auswertung.h"
#include "core/buendel/bloecke.h"
#include "core/buendel/blockzaehler.h"
#include "core/buendel/fehlerstrom.h"
#include "core/io/dateityp.h"
#include "core/models/vorgaben.h"
#include "core/seqfiles/folge_speichern.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

using namespace zor;

namespace {

constexpr std::uint64_t N_DATEI = std::uint64_t{256} << 20;
KeinFortschritt still;

Satzparameter mitVorgabe(const char* name, std::uint64_t bits) {
    const auto v = vorgabe(name);
    Satzparameter p = startparameter(v->art, v->satz, 0);
    p.Durchlaeufe = bits;
    return p;
}

// The GE sequence of set 1's start values as FFO and FAB, written once.
STRUCT_DATEI datei(int typ) {
    const auto p = (std::filesystem::temp_directory_path() / (typ == TYP_FFO ? "buendel_bench.FFO" : "buendel_bench.FAB")).string();
    if (!std::filesystem::exists(p) && !SaveFolge(mitVorgabe("ge1", N_DATEI), typ, p, still)) std::abort();
    return {typ, static_cast<std::int64_t>(std::filesystem::file_size(p)), p};
}

void Buendel_Datei(benchmark::State& st) {
    const int typ = static_cast<int>(st.range(0));
    Satzparameter p;
    p.art = Modellart::Datei;
    p.Datei = datei(typ);
    std::uint64_t buendel = 0;
    for (auto _ : st) {
        const Buendelbericht b = buendelErmitteln(p, {.schutz = 10, .punkte = 100}, still);
        if (!b.ok) st.SkipWithError("file not read");
        buendel = b.statistik.buendel();
    }
    // Throughput counted in bits of the sequence, one FFO byte each.
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * static_cast<std::int64_t>(N_DATEI));
    st.counters["buendel"] = static_cast<double>(buendel);
}

void Bloecke_exakt_1023_64_beide_Saetze(benchmark::State& st) {
    const Satzparameter saetze[] = {mitVorgabe("ge1", 10000), mitVorgabe("mc2", 10000)};
    for (auto _ : st)
        for (const Satzparameter& p : saetze) benchmark::DoNotOptimize(blockverteilung(*kanalkette(p), 1023, 64));
}

void Bloecke_Simulation_gegen_exakt(benchmark::State& st) {
    double schlimmste = 0;
    for (auto _ : st) {
        for (const char* name : {"ge1", "ge2", "mc1", "mc2", "sw1", "sw2"}) {
            const Satzparameter s = mitVorgabe(name, 10000000);
            const Kanalkette k = *kanalkette(s);
            for (const std::uint64_t n : {63u, 255u, 1023u}) {
                // 20 parts of the run give the spread of the counts (bursty blocks correlate).
                std::vector<Blockzaehler> teile;
                for (int i = 0; i < 20; ++i) teile.emplace_back(n, 7);
                struct Verteilt {
                    std::vector<Blockzaehler>& teile;
                    std::uint64_t teil;
                    std::uint64_t index(std::uint64_t pos) const { return std::min<std::uint64_t>(pos / teil, 19); }
                    void fehler(std::uint64_t pos) { teile[index(pos)].fehler(pos - index(pos) * teil); }
                    void ende(std::uint64_t bits) {
                        for (std::uint64_t i = 0; i < 20; ++i) teile[i].ende(i < 19 ? teil : bits - 19 * teil);
                    }
                } v{teile, 10000000 / 20};
                simulationFehler(s, v, still);
                const auto P = blockverteilung(k, n, 7);
                for (int t = 0; t <= 7; ++t) {
                    double ueber = 0, summe = 0, quadrate = 0, bloecke = 0;
                    for (std::size_t m = static_cast<std::size_t>(t) + 1; m < P.size(); ++m) ueber += P[m];
                    std::vector<double> c;
                    for (const auto& z : teile) {
                        double x = 0;
                        for (std::size_t m = static_cast<std::size_t>(t) + 1; m < z.anzahl().size(); ++m) x += static_cast<double>(z.anzahl()[m]);
                        c.push_back(x);
                        summe += x;
                        bloecke += static_cast<double>(z.bloecke());
                    }
                    for (double x : c) quadrate += (x - summe / 20) * (x - summe / 20);
                    const double var = std::max({quadrate / 19 * 20, bloecke * ueber * (1 - ueber), 1.0});
                    schlimmste = std::max(schlimmste, std::abs(summe - bloecke * ueber) / std::sqrt(var));
                }
            }
        }
    }
    st.counters["max_sigma"] = schlimmste;
    if (schlimmste > 5) st.SkipWithError("a simulated count lies more than 5 sigma from the exact law");
}

}  // namespace

BENCHMARK(Buendel_Datei)->Arg(TYP_FFO)->Arg(TYP_FAB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Bloecke_exakt_1023_64_beide_Saetze)->Unit(benchmark::kMillisecond);
BENCHMARK(Bloecke_Simulation_gegen_exakt)->Unit(benchmark::kSecond)->Iterations(1);
