// The wave window's waveform: a whole repaint of a 1920 x 400 view of a 60 s stereo file
// with a second file, overlaid or as difference, with the playback marker, at several zoom
// steps (each halves the shown range). The envelopes are computed before the timing.
#include "app/media/wellenform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include "../qt_bench.h"

#include <cmath>

namespace {

constexpr int RATE = 44100, SEKUNDEN = 60;

// Stereo 16-bit PCM; `stoerung` flips one high bit every that many samples.
QString schreibeWav(const QTemporaryDir& dir, const char* name, int stoerung) {
    const qint64 n = qint64{RATE} * SEKUNDEN * 2;
    QByteArray d(static_cast<qsizetype>(44 + n * 2), '\0');
    char* p = d.data();
    const auto u32 = [](char* z, quint32 v) { qToLittleEndian(v, z); };
    const auto u16 = [](char* z, quint16 v) { qToLittleEndian(v, z); };
    memcpy(p, "RIFF", 4);
    u32(p + 4, static_cast<quint32>(36 + n * 2));
    memcpy(p + 8, "WAVEfmt ", 8);
    u32(p + 16, 16);
    u16(p + 20, 1);
    u16(p + 22, 2);
    u32(p + 24, RATE);
    u32(p + 28, RATE * 4);
    u16(p + 32, 4);
    u16(p + 34, 16);
    memcpy(p + 36, "data", 4);
    u32(p + 40, static_cast<quint32>(n * 2));
    for (qint64 i = 0; i < n; ++i) {
        auto v = static_cast<qint16>(12000 * std::sin(static_cast<double>(i) * 0.013) *
                                     std::sin(static_cast<double>(i) * 1e-5));
        if (stoerung && i % stoerung == 0) v = static_cast<qint16>(v ^ 0x2000);
        qToLittleEndian(v, p + 44 + i * 2);
    }
    const QString pfad = dir.filePath(QString::fromLatin1(name));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(d) != d.size()) return {};
    return pfad;
}

void warte(const zor::app::Wellenform& w) {
    QElapsedTimer t;
    t.start();
    while (w.rechnet() && t.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Argument 0: overlaid, 1: difference; argument 1: zoom steps in. `frisch`: every repaint
// draws the lanes anew (as after new pictures; a changed palette forces it), otherwise the
// marker moves over the lanes as painted (a playback tick or an expose).
void wellenformMalen(benchmark::State& s, bool frisch) {
    static QTemporaryDir dir;
    static const QString a = schreibeWav(dir, "a.wav", 0), b = schreibeWav(dir, "b.wav", 997);
    zor::app::Wellenform w;
    w.resize(1920, 400);
    w.show();
    w.setzeDateien(a, b);
    warte(w);
    w.setzeDifferenz(s.range(0) == 1);
    warte(w);
    for (int i = 0; i < s.range(1); ++i) w.zoome(true);
    warte(w);
    QPalette paletten[2] = {w.palette(), w.palette()};
    paletten[1].setColor(QPalette::Base, QColor(254, 254, 254));
    QImage ziel(w.size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : s) {
        if (frisch) w.setPalette(paletten[++n % 2]);
        w.setzeMarke(SEKUNDEN * 1000 / 2 + n % 100);
        w.render(&ziel);
    }
    s.SetLabel(std::string(s.range(0) ? "difference" : "overlaid") + ", frames shown " +
               std::to_string(w.bis() - w.von()));
}
void BM_WellenformNeuMalen(benchmark::State& s) { wellenformMalen(s, true); }
void BM_WellenformMarkeBewegen(benchmark::State& s) { wellenformMalen(s, false); }
BENCHMARK(BM_WellenformNeuMalen)->ArgsProduct({{0, 1}, {0, 4, 8, 12}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WellenformMarkeBewegen)->ArgsProduct({{0, 1}, {0, 4, 8, 12}})->Unit(benchmark::kMicrosecond);

// The same widget without a file: what the frame around the lanes costs.
void BM_LeerNeuMalen(benchmark::State& s) {
    zor::app::Wellenform w;
    w.resize(1920, 400);
    w.show();
    QImage ziel(w.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : s) w.render(&ziel);
}
BENCHMARK(BM_LeerNeuMalen)->Unit(benchmark::kMicrosecond);

}  // namespace

ZOR_QT_BENCHMARK_MAIN()
