// Long work off the GUI thread: a simulation of 10^10 bits keeps the frame painting and
// its clock ticking, refuses other input, and stops within a second of "Abbrechen",
// leaving the document stale with its note; a file job cancelled leaves no output.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/documents/kurvendokument.h"
#include "app/hintergrund/hintergrund.h"
#include "app/jobs/gemc_verfaelschen_dialog.h"
#include "app/shell/fortschrittsfenster.h"
#include "core/models/vorgaben.h"
#include "support/gui_hilfen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class HintergrundTest : public ZorModusTest {
    Q_OBJECT

    Hintergrund& h() { return f_->hintergrund(); }
    Fortschrittsfenster& anzeige() { return f_->MakeProgress(); }

    // Set 1 GE simulated over n bits, set 2 inactive; the correlation document opened.
    KurvenDokument* fkfMit(std::uint64_t n) {
        zor::vorgabeSetzen(s(), 0, *zor::vorgabe("ge1"));
        zor::durchlaeufeSetzen(s(), zor::Modellart::GE, 0, n);
        s().Modell.M2 = 0;
        s().Modell.inaktiv = 0;
        s().FKF.ermittelt1 = s().FKF.ermittelt2 = 0;
        zeigen();
        f_->mainframe_OnCommand(CMD_OEFFNEN_FKF);
        return qobject_cast<KurvenDokument*>(fenster("fkf")->widget());
    }

    // Clicks "Abbrechen" and returns how long the job took to end after it.
    qint64 abbrechenUndWarten() {
        QElapsedTimer uhr;
        uhr.start();
        anzeige().findChild<QPushButton*>(QStringLiteral("id_%1").arg(ID_ABBRECHEN))->click();
        warteAufJob(*f_, 10000);
        return uhr.elapsed();
    }

private slots:
    void restzeit_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("text");
        QTest::newRow("unter einer Sekunde") << qint64(900) << 50 << "";
        QTest::newRow("erster Schritt") << qint64(5000) << 1 << "";
        QTest::newRow("fertig") << qint64(5000) << 101 << "";
        QTest::newRow("Sekunden aufgerundet") << qint64(2000) << 50 << "noch etwa 3 s";
        QTest::newRow("Minuten") << qint64(60000) << 10 << "noch etwa 9 min 6 s";
        QTest::newRow("Stunden") << qint64(1000000) << 2 << "noch etwa 13 h 45 min";
    }
    void restzeit() {
        QFETCH(qint64, ms);
        QFETCH(int, k);
        QFETCH(QString, text);
        QCOMPARE(restzeitText(ms, k), text);
    }

    // The wiring of the whole path: document, runner, progress window, core loop.
    void langeSimulationLaesstSichAbbrechen() {
        KurvenDokument* d = fkfMit(10'000'000'000ULL);
        QTRY_VERIFY(h().laeuft());
        QVERIFY(d->rechnet());

        // While it runs the event loop turns: timers fire and the windows repaint.
        Malzaehler malen;
        d->installEventFilter(&malen);
        int takte = 0;
        QTimer takt;
        QObject::connect(&takt, &QTimer::timeout, [&] {
            ++takte;
            d->update();
        });
        takt.start(20);
        QTest::qWait(800);
        takt.stop();
        QVERIFY2(takte >= 10, qPrintable(QString::number(takte)));
        QVERIFY2(malen.anzahl >= 5, qPrintable(QString::number(malen.anzahl)));
        QVERIFY(anzeige().isVisible());
        QVERIFY(h().laeuft());
        speichereBild(&anzeige(), QStringLiteral("hintergrund_fortschritt"));

        // Input other than to the progress window is refused: the frame does not close.
        QVERIFY(!f_->close());
        QVERIFY(f_->isVisible());

        const qint64 dauer = abbrechenUndWarten();
        QVERIFY2(!h().laeuft(), "still running 10 s after the cancel");
        QVERIFY2(dauer < 1000, qPrintable(QStringLiteral("%1 ms").arg(dauer)));
        QVERIFY(!anzeige().isVisible());

        // Nothing was stored; the document says so and does not start again by itself.
        QCOMPARE(s().FKF.ermittelt1, 0);
        QVERIFY(d->abgebrochen());
        QVERIFY(r_->meldungen().isEmpty());
        d->update();
        QTest::qWait(100);
        QVERIFY(!h().laeuft());
        const QImage bild = d->grab().toImage();
        QVERIFY2(!nurWeiss(bild), "the note is painted");
        speichereBild(bild, QStringLiteral("hintergrund_abgebrochen"));

        // A click asks for the same curves again.
        QTest::mouseClick(d, Qt::LeftButton, {}, d->rect().center());
        QTRY_VERIFY(h().laeuft());
        // Escape cancels too, wherever the keyboard is.
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(warteAufJob(*f_, 1000));
        QVERIFY(d->abgebrochen());
    }

    // A set changed after a cancel is computed without a click.
    void neueParameterRechnenNachAbbruchWieder() {
        KurvenDokument* d = fkfMit(10'000'000'000ULL);
        QTRY_VERIFY(h().laeuft());
        abbrechenUndWarten();
        QVERIFY(d->abgebrochen());
        // As the parameter dialog leaves it: the set changed, "Aktualisieren" due.
        zor::durchlaeufeSetzen(s(), zor::Modellart::GE, 0, 100000);
        s().Fenster.aktualisiert = 0;
        f_->mainframe_OnCommand(CMD_AKTUALISIEREN);
        QVERIFY(!d->abgebrochen());
        QTRY_VERIFY(s().FKF.ermittelt1 != 0);
        QVERIFY(!h().laeuft());
    }

    // A corruption of a large file cancelled: no output, the dialog open with its entries.
    void dateijobAbbrechenHinterlaesstNichts() {
        QTemporaryDir tmp;
        const QString ein = tmp.filePath(QStringLiteral("gross.bin")), aus = tmp.filePath(QStringLiteral("kopie.bin"));
        {
            QFile f(ein);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(4) << 30));  // sparse: nothing to write
        }
        // Modal, as the program runs it: the progress window must still take the click.
        GeMcVerfaelschenDialog dialog(*f_, Zweizustand::GE);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("id_1000"))->setText(ein);
        dialog.findChild<QLineEdit*>(QStringLiteral("id_1001"))->setText(aus);
        dialog.findChild<QPushButton*>(QStringLiteral("id_131"))->click();
        QVERIFY(h().laeuft());
        QTRY_VERIFY(anzeige().isVisible());
        QCOMPARE(QApplication::activeModalWidget(), &anzeige());
        QVERIFY(abbrechenUndWarten() < 1000);
        QVERIFY(!h().laeuft());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.text(1001), aus);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("gross.bin")});
        QVERIFY(r_->meldungen().isEmpty());
    }
};

QTEST_MAIN(HintergrundTest)
#include "hintergrund_test.moc"
