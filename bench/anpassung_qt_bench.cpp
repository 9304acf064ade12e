// The model fit's overlay painted with QPainter at 1920 x 1200, offscreen: the gap
// distribution and the correlation function of a fitted GE sequence (target: 16 ms a
// paint). With ZOR_BILDER=DIR both pictures are written there as PNG files to look at.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "../tests/core/anpassungsfaelle.h"
#include "app/plot/qpainter_canvas.h"
#include "app/plot/vorlagen.h"
#include "core/documents/anpassung_malen.h"
#include "core/documents/kurven_malen.h"
#include "core/plot/abbildung.h"
#include "qt_bench.h"

namespace {

const zor::Anpassung& anpassung() {
    static const zor::Anpassung a = [] {
        zor::KeinFortschritt still;
        return zor::anpassen(simulieren(anpassungsfaelle()[2], 1, 2000000), {}, still);
    }();
    return a;
}

void malen(QImage& bild, const zor::Anpassungsansicht& v) {
    bild.fill(Qt::white);
    QPainter p(&bild);
    zor::QPainterCanvas dc(p, zor::Abbildung::fenstereigenschaften(bild.width(), bild.height()));
    dc.setzeSchrift({zor::Schriftfamilie::Swiss, zor::KURVEN_SCHRIFTHOEHE});
    zor::Anpassung_Paint(dc, anpassung(), v, zor::eingebauteVorlagen());
}

void BM_Anpassung_Malen_1920x1200(benchmark::State& st) {
    QImage bild(1920, 1200, QImage::Format_RGB32);
    zor::Anpassungsansicht v;
    v.bild = st.range(0) == 0 ? zor::Anpassungsbild::Fav : zor::Anpassungsbild::Fkf;
    for (auto _ : st) malen(bild, v);
    if (const QString dir = qEnvironmentVariable("ZOR_BILDER"); !dir.isEmpty())
        bild.save(dir + (st.range(0) == 0 ? "/anpassung_fav.png" : "/anpassung_fkf.png"));
}
BENCHMARK(BM_Anpassung_Malen_1920x1200)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

ZOR_QT_BENCHMARK_MAIN()
