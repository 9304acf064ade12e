// The hex and bin views: one full repaint at 1920x1200 at the start, middle and end of a
// 5 GiB sparse file with random bytes in those places; and saving a 64 MiB file's bits
// as FAB (a comparison file with few differences, and random bytes).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QPainter>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "app/media/dateiansicht.h"
#include "app/media/hexbin_modul.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/shell/hauptfenster.h"
#include "core/seqfiles/vergleich.h"

#include "../qt_bench.h"

namespace {

const std::string GROSS = (std::filesystem::temp_directory_path() / "ansicht_bench_5GiB").string();
constexpr std::uint64_t GROESSE = std::uint64_t{5} << 30;

void grosseDateiAnlegen() {
    if (std::filesystem::exists(GROSS) && std::filesystem::file_size(GROSS) == GROESSE) return;
    const int fd = ::open(GROSS.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    std::vector<unsigned char> zufall(1 << 20);
    std::mt19937 g(7);
    for (auto& b : zufall) b = static_cast<unsigned char>(g());
    for (std::uint64_t ort : {std::uint64_t{0}, GROESSE / 2, GROESSE - zufall.size()})
        if (::pwrite(fd, zufall.data(), zufall.size(), static_cast<off_t>(ort)) < 0) std::perror("pwrite");
    if (::ftruncate(fd, static_cast<off_t>(GROESSE)) != 0) std::perror("ftruncate");
    ::close(fd);
}

// The process's resident memory now, from /proc.
double residentMiB() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char zeile[256];
    double kib = 0;
    while (f && std::fgets(zeile, sizeof zeile, f))
        if (std::sscanf(zeile, "VmRSS: %lf", &kib) == 1) break;
    if (f) std::fclose(f);
    return kib / 1024;
}

struct Programm {
    zor::app::QtMeldungsdienst meldung;
    zor::app::QtDateiwahl wahl;
    zor::app::Hauptfenster rahmen{meldung, wahl};
};

Programm* programm = nullptr;  // made in main, after the application object

void Repaint(benchmark::State& state) {
    grosseDateiAnlegen();
    Programm& p = *programm;
    p.rahmen.show();
    const auto art = state.range(0) == 0 ? zor::Ansicht::Hex : zor::Ansicht::Bin;
    auto* d = zor::app::HexBinModul::oeffne(p.rahmen, art, QString::fromStdString(GROSS));
    d->parentWidget()->resize(1940, 1240);
    d->resize(1920, 1200);
    QCoreApplication::processEvents();
    QImage bild(1920, 1200, QImage::Format_ARGB32_Premultiplied);
    const std::uint64_t ende = d->dateigroesse();
    for (std::uint64_t ort : {std::uint64_t{0}, ende / 2, ende}) d->geheZuOffset(ort);  // warm the page cache
    std::size_t i = 0;
    for (auto _ : state) {
        const std::uint64_t orte[] = {0, ende / 2, ende};
        d->geheZuOffset(orte[i++ % 3]);
        QPainter maler(&bild);
        d->zeichne(maler, bild.rect());
    }
    state.counters["RSS_MiB"] = residentMiB();
    state.counters["Zeilen"] = d->rollen().ZeilenPerFenster;
    d->parentWidget()->close();
}
BENCHMARK(Repaint)->Arg(0)->Arg(1)->ArgName("bin")->Unit(benchmark::kMillisecond);

void FabSpeichern(benchmark::State& state) {
    const std::string quelle = (std::filesystem::temp_directory_path() / "ansicht_bench_64MiB").string();
    const std::string ziel = quelle + ".FAB";
    std::vector<unsigned char> daten(std::size_t{64} << 20);
    std::mt19937_64 g(3);
    for (auto& b : daten) b = state.range(0) ? static_cast<unsigned char>(g()) : (g() % 1000 == 0 ? 0x10 : 0);
    std::FILE* f = std::fopen(quelle.c_str(), "wb");
    std::fwrite(daten.data(), 1, daten.size(), f);
    std::fclose(f);
    zor::KeinFortschritt still;
    for (auto _ : state) benchmark::DoNotOptimize(zor::SaveBinFileFab(quelle, ziel, still).ok);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(daten.size()));
    std::filesystem::remove(quelle);
    std::filesystem::remove(ziel);
}
BENCHMARK(FabSpeichern)->Arg(0)->Arg(1)->ArgName("zufall")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    offscreenOhneWahl();
    QApplication app(argc, argv);
    Programm p;
    programm = &p;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
