// A bitmap document's repaint while scrolling a 4000 x 3000 picture line by line (the
// strip that scrolls into view), and a whole repaint of its 1200 x 800 view at each zoom
// (fitted, 1:1 to 32:1, the grid from 8:1).
#include "app/media/bitmapansicht.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include "../qt_bench.h"

#include <vector>

namespace {

QImage bild() {
    QImage b(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < b.height(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(b.scanLine(y));
        for (int x = 0; x < b.width(); ++x) z[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    return b;
}

void BM_RollenUndMalen(benchmark::State& s) {
    zor::app::BitmapAnsicht a;
    a.resize(1200, 800);
    a.setzeBild(bild());
    a.show();
    QScrollBar* v = a.verticalScrollBar();
    QImage ziel(a.viewport()->size(), QImage::Format_RGB32);
    const int h = a.viewport()->height();
    const QRegion streifen(0, h - (h / 16 + 1), a.viewport()->width(), h / 16 + 1);
    for (auto _ : s) {
        if (v->value() == v->maximum()) v->setValue(0);
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        a.viewport()->render(&ziel, QPoint(), streifen);
    }
}
BENCHMARK(BM_RollenUndMalen)->Unit(benchmark::kMicrosecond);

void BM_GanzNeuMalen(benchmark::State& s) {
    zor::app::BitmapAnsicht a;
    a.resize(1200, 800);
    a.setzeBild(bild());
    a.show();
    QImage ziel(a.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : s) a.viewport()->render(&ziel);
}
BENCHMARK(BM_GanzNeuMalen)->Unit(benchmark::kMicrosecond);

// Argument 0: fitted; else the zoom factor. Scrolled to the middle of the picture.
void BM_ZoomNeuMalen(benchmark::State& s) {
    zor::app::BitmapAnsicht a;
    a.resize(1200, 800);
    a.setzeBild(bild());
    a.show();
    if (s.range(0) == 0) a.einpassen();
    else a.setzeZoom(static_cast<double>(s.range(0)));
    a.verticalScrollBar()->setValue(a.verticalScrollBar()->maximum() / 2);
    a.horizontalScrollBar()->setValue(a.horizontalScrollBar()->maximum() / 2);
    QImage ziel(a.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : s) a.viewport()->render(&ziel);
}
BENCHMARK(BM_ZoomNeuMalen)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace

ZOR_QT_BENCHMARK_MAIN()
