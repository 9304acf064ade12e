// The curve documents in the frame at 1920 x 1200: a repaint with computed curves, a
// cursor move (only its strips repainted), opening the correlation document for GE set 1
// simulated with 10^8 bits, progress window included, and the event loop's longest
// stall meanwhile. The opening also checks that the window's curve is the one
// `zor fkf --preset ge1 --n 100000000` prints.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProcess>

#include <cstdio>

#include "app/context/befehle.h"
#include "app/documents/kurvendokument.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/vorlagen.h"
#include "app/shell/hauptfenster.h"
#include "core/documents/kurven_csv.h"
#include "core/models/vorgaben.h"
#include "qt_bench.h"

namespace {

using zor::app::KurvenDokument;

// Set 1 GE, set 2 MC, both simulated with their start values, curves computed.
zor::ZorState zweiSaetze() {
    zor::ZorState s = zor::startZustand();
    zor::vorgabeSetzen(s, 0, *zor::vorgabe("ge1"));
    zor::vorgabeSetzen(s, 1, *zor::vorgabe("mc2"));
    s.Modell.inaktiv = 0;
    zor::KeinFortschritt still;
    static_cast<void>(zor::FAV_Ermitteln(s, still));
    static_cast<void>(zor::FKF_Ermitteln(s, still));
    s.Cursor.FAV = s.Cursor.FKF = 1;
    s.FAV_xpos = s.FKF_xpos = 20;
    return s;
}

// The painting alone, as a window of that size runs it on a full repaint.
void BM_Malen_1920x1200(benchmark::State& st) {
    zor::ZorState s = zweiSaetze();
    const auto quelle = zor::eingebauteVorlagen();
    QImage bild(1920, 1200, QImage::Format_ARGB32_Premultiplied);
    const bool fav = st.range(0) == 0;
    for (auto _ : st) {
        QPainter p(&bild);
        const auto g = fav ? zor::favMalen(p, bild.size(), s, quelle, 0) : zor::fkfMalen(p, bild.size(), s, quelle, 0);
        benchmark::DoNotOptimize(g);
    }
    st.SetLabel(fav ? "FAV" : "FKF");
}
BENCHMARK(BM_Malen_1920x1200)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

struct Rahmen {
    Still meldung;
    KeineWahl wahl;
    zor::app::Hauptfenster f{meldung, wahl};

    Rahmen() {
        f.resize(1920, 1200);
        f.show();
        f.mainframe_OnCommand(zor::app::CMD_ZORWERK);
        QCoreApplication::processEvents();
    }
    // Opens the document maximised and waits until its curves are painted.
    KurvenDokument* oeffnen(int befehl) {
        f.mainframe_OnCommand(befehl);
        QMdiSubWindow* w = f.mdi()->activeSubWindow();
        w->showMaximized();
        auto* d = qobject_cast<KurvenDokument*>(w->widget());
        while (d->veraltet()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
        return d;
    }
};

void taste(QWidget* d, Qt::Key k) {
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(d, &e);
}

// A window repaint of a maximised document (update and flush), and a cursor move by
// one position with the repaint of its strips.
void BM_Fenster(benchmark::State& st) {
    Rahmen r;
    const zor::ZorState vorlage = zweiSaetze();
    r.f.zustand() = vorlage;
    const bool fav = st.range(0) == 0, bewegen = st.range(1) == 1;
    KurvenDokument* d = r.oeffnen(fav ? zor::app::CMD_OEFFNEN_FAV : zor::app::CMD_OEFFNEN_FKF);
    int i = 0;
    for (auto _ : st) {
        if (bewegen)
            taste(d, ++i % 2 ? Qt::Key_Right : Qt::Key_Left);
        else
            d->update();
        QCoreApplication::processEvents();
    }
    st.SetLabel(std::string(fav ? "FAV " : "FKF ") + (bewegen ? "cursor move" : "repaint") + " " +
                std::to_string(d->width()) + "x" + std::to_string(d->height()));
}
BENCHMARK(BM_Fenster)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})->Unit(benchmark::kMillisecond);

// The window's curve of set 1 against the command-line tool's for the same preset and N.
bool wieZor(const zor::ZorState& s) {
    QProcess p;
    p.start(QStringLiteral(ZOR_PROGRAMM), {"fkf", "--preset", "ge1", "--n", "100000000"});
    p.waitForFinished(120000);
    const QStringList zor = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QStringList fenster = QString::fromStdString(zor::FKF_Csv(s)).split('\n', Qt::SkipEmptyParts);
    // The CSV starts with a header line.
    if (zor.isEmpty() || zor.size() + 1 != fenster.size()) return false;
    for (int i = 0; i < zor.size(); ++i)
        if (fenster[i + 1] != zor[i] + ',') return false;
    return true;
}

void BM_FKF_Oeffnen_GE_1e8(benchmark::State& st) {
    Rahmen r;
    zor::ZorState& s = r.f.zustand();
    for (auto _ : st) {
        st.PauseTiming();
        zor::vorgabeSetzen(s, 0, *zor::vorgabe("ge1"));
        zor::geWerte(s, 0)[zor::gemc::Durchlaeufe] = 1e8f;
        s.Modell.M2 = 0;
        s.FKF.ermittelt1 = s.FKF.ermittelt2 = 0;
        st.ResumeTiming();
        r.oeffnen(zor::app::CMD_OEFFNEN_FKF);
        st.PauseTiming();
        r.f.mainframe_OnCommand(zor::app::CMD_SCHLIESSEN_FKF);
        QCoreApplication::processEvents();
        st.ResumeTiming();
    }
    st.counters["gleich_zor"] = wieZor(s) ? 1 : 0;
}
BENCHMARK(BM_FKF_Oeffnen_GE_1e8)->Iterations(3)->Unit(benchmark::kMillisecond);

// The event loop's longest stall while the correlation document computes GE set 1 over
// 10^8 bits in the background: a 1 ms timer notes the longest gap between its ticks from
// the job's start until the result has been stored and painted.
void BM_FKF_Stau_GE_1e8(benchmark::State& st) {
    Rahmen r;
    zor::ZorState& s = r.f.zustand();
    zor::app::Hintergrund& h = r.f.hintergrund();
    qint64 laengster = 0;
    for (auto _ : st) {
        zor::vorgabeSetzen(s, 0, *zor::vorgabe("ge1"));
        zor::durchlaeufeSetzen(s, zor::Modellart::GE, 0, 100000000);
        s.Modell.M2 = 0;
        s.FKF.ermittelt1 = s.FKF.ermittelt2 = 0;
        r.f.mainframe_OnCommand(zor::app::CMD_OEFFNEN_FKF);
        r.f.mdi()->activeSubWindow()->showMaximized();
        while (!h.laeuft()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QElapsedTimer seit;
        seit.start();
        qint64 stau = 0;
        QTimer takt;
        takt.setInterval(1);
        QObject::connect(&takt, &QTimer::timeout, [&] { stau = std::max(stau, seit.restart()); });
        QEventLoop schleife;
        // After the end: the stored curves' repaint.
        QObject::connect(&h, &zor::app::Hintergrund::beendet, &schleife,
                         [&] { QTimer::singleShot(100, &schleife, &QEventLoop::quit); });
        takt.start();
        schleife.exec();
        takt.stop();
        laengster = std::max(laengster, stau);
        r.f.mainframe_OnCommand(zor::app::CMD_SCHLIESSEN_FKF);
        QCoreApplication::processEvents();
    }
    st.counters["laengster_stau_ms"] = static_cast<double>(laengster);
}
BENCHMARK(BM_FKF_Stau_GE_1e8)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

ZOR_QT_BENCHMARK_MAIN()
