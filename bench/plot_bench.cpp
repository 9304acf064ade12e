// Drawing one template: parse and render on the recording canvas (target: under 2 ms),
// and a curve of 101 points on a logarithmic ordinate.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/models/zor_state.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/graphpaint.h"
#include "core/plot/plotag.h"
#include "core/plot/vorlagenquelle.h"

namespace {

const std::filesystem::path VORLAGEN = ZOR_VORLAGEN;

void Vorlage(benchmark::State& state, const char* name, char text) {
    const auto vorlage = zor::vorlageAusVerzeichnis(VORLAGEN, name);
    if (!vorlage) {
        state.SkipWithError("template not found");
        return;
    }
    const zor::ZorState s = zor::startZustand();
    for (auto _ : state) {
        zor::AufzeichnendeLeinwand dc;
        benchmark::DoNotOptimize(zor::plotag(dc, *vorlage, s.GEWert1, 0, text));
        benchmark::DoNotOptimize(dc.aufrufe().data());
    }
}
BENCHMARK_CAPTURE(Vorlage, GE_PAR, "GE_PAR.PLT", 'a')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Vorlage, SW_PAR, "SW_PAR.PLT", 'a')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Vorlage, FKF, "FKF.PLT", 'a')->Unit(benchmark::kMicrosecond);

void LogKurve(benchmark::State& state) {
    const zor::ZorState s = zor::startZustand();
    std::array<zor::STRUCT_PUNKT, zor::FKF_PUNKTE> pt{};
    for (int i = 0; i < zor::FKF_PUNKTE; ++i) pt[i] = {static_cast<float>(i), 0.5f / static_cast<float>(i + 1)};
    for (auto _ : state) {
        zor::AufzeichnendeLeinwand dc;
        zor::GraphPaint_LOG(dc, pt, -7500, 320, 1e-5f, 1.0f, 2500, -8000, zor::FKF_PUNKTE, 1, s.farbe);
        benchmark::DoNotOptimize(dc.aufrufe().data());
    }
}
BENCHMARK(LogKurve)->Unit(benchmark::kMicrosecond);

}  // namespace
