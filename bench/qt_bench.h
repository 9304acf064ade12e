#pragma once
// What the Qt benchmarks share: platform services that never wait for a user (every
// message answered with OK, every file chooser cancelled) and an offscreen main().

#include <optional>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"

class Still final : public zor::app::Meldungsdienst {
public:
    zor::app::Antwort zeige(const QString&, const QString&, zor::Symbol, zor::app::Knoepfe) override {
        return zor::app::Antwort::Ok;
    }
};

class KeineWahl final : public zor::app::Dateiwahl {
public:
    std::optional<QString> GetFileNameInFWK(const QString&, const QString&, const zor::app::Filtersatz&) override {
        return {};
    }
    std::optional<QString> GetFileNameOutFWK(const QString&, const QString&, const zor::app::Filtersatz&,
                                             QString* = nullptr) override {
        return {};
    }
};

// Painting benchmarks run offscreen unless a platform was chosen; call before QApplication.
inline void offscreenOhneWahl() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The benchmark program's main().
#define ZOR_QT_BENCHMARK_MAIN()              \
    int main(int argc, char** argv) {        \
        offscreenOhneWahl();                 \
        QApplication app(argc, argv);        \
        benchmark::Initialize(&argc, argv);  \
        benchmark::RunSpecifiedBenchmarks(); \
        benchmark::Shutdown();               \
        return 0;                            \
    }
