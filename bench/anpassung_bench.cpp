// Fitting the four models. Run by hand:
//   build/release/bench/anpassung_bench --benchmark_filter=Datei
//   build/release/bench/anpassung_bench --benchmark_filter=Wiederfindung   (several minutes)
//   build/release/bench/anpassung_bench --benchmark_filter=Wahl
// Datei: a FAB of 10^8 bits with about 4.5 million errors (GE set 1), read and fitted;
// reports the peak memory per error. Wiederfindung: 20 seeds of 10^7 bits for every case,
// each estimate's distance to the generator's value in standard errors and the ratio of the
// seeds' spread to the mean standard error. Wahl: 10 seeds of 10^6 bits, how often BIC puts
// the generating model first (or names it equivalent to the first).
#include "../tests/core/anpassungsfaelle.h"

#include "core/anpassung/anpassung.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

using namespace zor;

namespace {

KeinFortschritt still;

const std::string& fabDatei() {
    static const std::string pfad = [] {
        const auto p = (std::filesystem::temp_directory_path() / "anpassung_bench_ge1_1e8.FAB").string();
        ZorState s = zustandFuer(anpassungsfaelle()[2], 3457, 100000000);
        if (!SaveFolge(s, 0, TYP_FAB, p, still)) std::abort();
        return p;
    }();
    return pfad;
}

long spitzeKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

void BM_Datei_1e8Bits(benchmark::State& st) {
    const std::string& pfad = fabDatei();
    const long vorher = spitzeKB();
    std::uint64_t fehler = 0;
    for (auto _ : st) {
        Folgeneingabe e = folgeLesen(pfad, still);
        const Anpassung a = anpassen(e.folge, {}, still);
        if (!a.ok) st.SkipWithError(a.meldung.text.c_str());
        fehler = a.fehler;
        benchmark::DoNotOptimize(a);
    }
    st.counters["Fehler"] = static_cast<double>(fehler);
    st.counters["Bytes_je_Fehler"] = static_cast<double>(spitzeKB() - vorher) * 1024.0 / static_cast<double>(fehler);
}
BENCHMARK(BM_Datei_1e8Bits)->Unit(benchmark::kSecond)->Iterations(3);

const Modellanpassung* von(const Anpassung& a, Modellart art) {
    for (const auto& m : a.modelle)
        if (m.art == art) return &m;
    return nullptr;
}

void BM_Wiederfindung_1e7Bits_20Seeds(benchmark::State& st) {
    for (auto _ : st) {
        for (const Anpassungsfall& fall : anpassungsfaelle()) {
            const std::vector<double> wahr = wahreWerte(fall);
            std::vector<std::vector<double>> werte(wahr.size()), fehler(wahr.size());
            std::vector<std::string> namen(wahr.size());
            double schlimmstesZ = 0;
            int ohneFehler = 0;
            for (int seed = 1; seed <= 20; ++seed) {
                Anpassungsoptionen o;
                o.modelle = {fall.art};
                const Anpassung a = anpassen(simulieren(fall, seed, 10000000), o, still);
                const Modellanpassung* m = von(a, fall.art);
                if (!m) continue;
                for (std::size_t i = 0; i < wahr.size(); ++i) {
                    const Schaetzwert& s = m->parameter[i];
                    namen[i] = s.name;
                    werte[i].push_back(s.wert);
                    if (!s.standardfehler) {
                        ++ohneFehler;
                        continue;
                    }
                    fehler[i].push_back(*s.standardfehler);
                    schlimmstesZ = std::max(schlimmstesZ, std::fabs(s.wert - wahr[i]) / *s.standardfehler);
                }
            }
            std::printf("%-14s max |Schätzwert - wahr| / SE = %.2f, ohne SE: %d\n", fall.name.c_str(), schlimmstesZ,
                        ohneFehler);
            for (std::size_t i = 0; i < wahr.size(); ++i) {
                double mittel = 0, streuung = 0, se = 0;
                for (const double v : werte[i]) mittel += v / static_cast<double>(werte[i].size());
                for (const double v : werte[i]) streuung += (v - mittel) * (v - mittel) / static_cast<double>(werte[i].size() - 1);
                for (const double v : fehler[i]) se += v / static_cast<double>(fehler[i].size());
                std::printf("    %-8s wahr %-12.6g Mittel %-12.6g Streuung %-10.3g mittlerer SE %-10.3g Verhältnis %.2f\n",
                            namen[i].c_str(),
                            wahr[i], mittel, std::sqrt(streuung), se, std::sqrt(streuung) / se);
            }
        }
    }
}
BENCHMARK(BM_Wiederfindung_1e7Bits_20Seeds)->Unit(benchmark::kSecond)->Iterations(1);

void BM_Wahl_1e6Bits_10Seeds(benchmark::State& st) {
    for (auto _ : st) {
        for (const Anpassungsfall& fall : anpassungsfaelle()) {
            int richtig = 0, bscUeberboten = 0;
            for (int seed = 1; seed <= 10; ++seed) {
                const Anpassung a = anpassen(simulieren(fall, seed, 1000000), {}, still);
                const Modellanpassung* m = von(a, fall.art);
                richtig += m && m->rang == 1;
                if (fall.art == Modellart::BSC) bscUeberboten += a.modelle.front().art != Modellart::BSC;
            }
            std::printf("%-14s erzeugendes Modell auf Rang 1: %d von 10", fall.name.c_str(), richtig);
            if (fall.art == Modellart::BSC) std::printf(", BSC überboten: %d von 10", bscUeberboten);
            std::printf("\n");
        }
    }
}
BENCHMARK(BM_Wahl_1e6Bits_10Seeds)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
