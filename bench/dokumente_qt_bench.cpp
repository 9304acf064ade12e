// Painting the channel-model documents with QPainter (offscreen): a maximised error-sequence
// document with two state-coloured sets, parameter repaints, and "open all" in the frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/context/befehle.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/vorlagen.h"
#include "app/shell/hauptfenster.h"
#include "qt_bench.h"

namespace {

zor::ZorState zustand(int m1, int m2) {
    zor::ZorState s = zor::startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(m1);
    s.Modell.M2 = static_cast<std::int16_t>(m2);
    return s;
}

void BM_FF_1920x1200_GE_SW(benchmark::State& st) {
    const zor::ZorState s = zustand(zor::GE1, zor::SW2);
    QImage bild(1920, 1200, QImage::Format_ARGB32_Premultiplied);
    long bits = 0;
    for (auto _ : st) {
        bild.fill(Qt::white);
        QPainter p(&bild);
        const auto inhalt = zor::ffMalen(p, bild.size(), s, 0);
        bits = static_cast<long>(inhalt.bloecke[0].bits.size() + inhalt.bloecke[1].bits.size());
    }
    st.counters["bits"] = static_cast<double>(bits);
}
BENCHMARK(BM_FF_1920x1200_GE_SW)->Unit(benchmark::kMillisecond);

void BM_PAR(benchmark::State& st) {
    const zor::ZorState s = zustand(zor::GE1, zor::MC2);
    const auto quelle = zor::eingebauteVorlagen();
    QImage bild(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : st) {
        bild.fill(Qt::white);
        QPainter p(&bild);
        zor::parMalen(p, bild.rect(), quelle, s);
    }
}
BENCHMARK(BM_PAR)->Args({960, 600})->Args({1920, 1200})->Unit(benchmark::kMillisecond);

// "Alle" until every opened document has painted once, in a 1920 x 1200 frame.
void BM_AlleOeffnen(benchmark::State& st) {
    Still meldung;
    KeineWahl wahl;
    zor::app::Hauptfenster f(meldung, wahl);
    f.resize(1920, 1200);
    f.show();
    f.mainframe_OnCommand(zor::app::CMD_ZORWERK);
    QCoreApplication::processEvents();
    for (auto _ : st) {
        f.mainframe_OnCommand(zor::app::CMD_OEFFNEN_ALLE);
        f.repaint();
        QCoreApplication::processEvents();
        st.PauseTiming();
        f.mainframe_OnCommand(zor::app::CMD_SCHLIESSEN_ALLE);
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_AlleOeffnen)->Unit(benchmark::kMillisecond);

}  // namespace

ZOR_QT_BENCHMARK_MAIN()
