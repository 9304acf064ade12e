// Bitmap documents in the frame: opening and its messages, window size and scrolling,
// the selection, clipboard, saving and comparing; screenshots of corrupted pictures.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

#include "app/context/befehle.h"
#include "app/media/bitmapdokument.h"
#include "app/media/medienfilter.h"
#include "app/shell/menue.h"
#include "core/corruption/verfaelschen.h"
#include "core/media/dib.h"
#include "support/gui_hilfen.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

const QString BMP = QStringLiteral(ZOR_TESTDATEN "/bmp/");

// A picture a student recognises: smooth colour fields, circles and bars.
zor::DibBild beispielbild(std::uint32_t w, std::uint32_t h) {
    zor::DibBild b{w, h, {}};
    for (std::uint32_t y = 0; y < h; ++y)
        for (std::uint32_t x = 0; x < w; ++x) {
            const double dx = x - w / 2.0, dy = y - h / 2.0;
            const bool ring = std::fmod(std::sqrt(dx * dx + dy * dy), 40.0) < 8;
            const std::uint32_t r = ring ? 250 : 255 * x / w, g = ring ? 250 : 255 * y / h, bl = (x / 32 + y / 32) % 2 ? 200 : 60;
            b.pixel.push_back(0xFF000000u | r << 16 | g << 8 | bl);
        }
    return b;
}

}  // namespace

class BitmapTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    QTemporaryDir tmp_;

    Bitmapdokument* oeffne(const QString& datei) {
        r_->dateiwahl.antworten << datei;
        r_->f.mainframe_OnCommand(CMD_BITMAP);
        return qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
    }
    QString schreibe(const zor::DibBild& b, const QString& name) {
        const QString p = tmp_.filePath(name);
        return zor::speichereDib(b, p.toStdString(), {}) ? p : QString();
    }

private slots:
    void init() {
        r_ = std::make_unique<TestRahmen>();
        r_->f.resize(1000, 700);
        r_->f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r_->f));
        r_->f.mainframe_OnCommand(CMD_MULTIMEDIA);
    }
    void cleanup() { r_.reset(); }

    void oeffnenZeigtDasBildMitDateinamenUndMenue() {
        const QString datei = BMP + "indexed_4bit.bmp";
        Bitmapdokument* d = oeffne(datei);
        QVERIFY(d);
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_BILDER);
        QCOMPARE(d->windowTitle(), datei);
        QCOMPARE(r_->f.aktuellesMenue().id(), 86);
        QVERIFY(!r_->f.istAktiv(CMD_SPEICHERN_FFO) && !r_->f.istAktiv(CMD_SPEICHERN_FAB));
        QVERIFY(r_->meldungen().isEmpty());
        const QImage bild = d->ansicht().viewport()->grab().toImage();
        const zor::DibErgebnis soll = zor::OpenDIB(datei.toStdString());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x) QCOMPARE(bild.pixel(x, y), soll.bild.pixel[y * 7 + x]);
        // 4039 inside the document opens another one.
        r_->dateiwahl.antworten << BMP + "os2_core_8bit.bmp";
        r_->f.mainframe_OnCommand(CMD_BITMAP_OEFFNEN);
        QCOMPARE(r_->f.dokumente().size(), 2);
    }

    void oeffnenMeldetAbbruchUndDefekteDateien_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("dokumente");
        QTest::newRow("abgebrochen") << QString() << "Datei nicht geöffnet!" << 0;
        QTest::newRow("zu kurz") << BMP + "too_short.bmp" << "Fehler in InitDib!\n\nDie Datei ist zu kurz für eine Bitmap." << 0;
        QTest::newRow("Zeilen fehlen") << BMP + "truncated_pixel_data.bmp"
                                       << "Die Bilddaten sind unvollständig: 2 von 4 Zeilen fehlen und sind grau dargestellt." << 1;
        QTest::newRow("kein Bild") << BMP + "../midi/format0_running_status.mid" << "Fehler in InitDib!" << 0;
    }
    void oeffnenMeldetAbbruchUndDefekteDateien() {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        QFETCH(int, dokumente);
        if (!datei.isEmpty()) r_->dateiwahl.antworten << datei;
        r_->f.mainframe_OnCommand(CMD_BITMAP);
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY2(r_->meldungen()[0].startsWith(meldung), qPrintable(r_->meldungen()[0]));
        QCOMPARE(r_->f.dokumente().size(), dokumente);
    }

    void grossesBildFuelltDieFlaecheMitRollbalken() {
        Bitmapdokument* d = oeffne(schreibe(beispielbild(1600, 1200), "gross.bmp"));
        QVERIFY(d);
        auto* fenster = qobject_cast<QMdiSubWindow*>(d->parentWidget());
        const QSize flaeche = r_->f.mdiFlaeche().viewport()->size();
        QCOMPARE(fenster->geometry(), QRect(-1, -1, flaeche.width() + 2, flaeche.height() + 2));
        QScrollBar* v = d->ansicht().verticalScrollBar();
        QVERIFY(v->isVisible() && d->ansicht().horizontalScrollBar()->isVisible());
        QCOMPARE(v->maximum(), 1200 - d->ansicht().viewport()->height());
        // Keys step by the table: down h/16 + 1, up -h/16 + 1, page down h/2 + 1.
        const int h = d->ansicht().viewport()->height();
        QTest::keyClick(&d->ansicht(), Qt::Key_Down);
        QCOMPARE(v->value(), h / 16 + 1);
        QTest::keyClick(&d->ansicht(), Qt::Key_Up);
        QCOMPARE(v->value(), 2);
        QTest::keyClick(&d->ansicht(), Qt::Key_PageDown);
        QCOMPARE(v->value(), 2 + h / 2 + 1);
        QTest::keyClick(&d->ansicht(), Qt::Key_End);
        QCOMPARE(d->ansicht().horizontalScrollBar()->value(), d->ansicht().viewport()->width() / 2 + 1);
        for (int i = 0; i < 40; ++i) QTest::keyClick(&d->ansicht(), Qt::Key_PageDown);
        QCOMPARE(v->value(), v->maximum());
        // What is shown is the image at the scroll position.
        const QImage sicht = d->ansicht().viewport()->grab().toImage();
        const QPoint o(d->ansicht().horizontalScrollBar()->value(), v->value());
        QCOMPARE(sicht.pixel(5, 7), d->bild().pixel[(o.y() + 7) * 1600 + o.x() + 5]);
    }

    void kleinesBildBekommtSeineNatuerlicheGroesse() {
        Bitmapdokument* d = oeffne(schreibe(beispielbild(300, 200), "klein.bmp"));
        QVERIFY(d);
        QCOMPARE(d->ansicht().viewport()->size(), QSize(300, 200));
        QVERIFY(!d->ansicht().verticalScrollBar()->isVisible());
    }

    void auswahlBleibtImBildUndZeigtIhreGroesse() {
        Bitmapdokument* d = oeffne(schreibe(beispielbild(300, 200), "auswahl.bmp"));
        QWidget* sicht = d->ansicht().viewport();
        const QImage vorher = sicht->grab().toImage();
        QTest::mousePress(sicht, Qt::LeftButton, {}, QPoint(120, 150));
        QMouseEvent zug(QEvent::MouseMove, QPointF(20, 40), sicht->mapToGlobal(QPointF(20, 40)), Qt::NoButton,
                        Qt::LeftButton, {});
        QCoreApplication::sendEvent(sicht, &zug);
        QTest::mouseRelease(sicht, Qt::LeftButton, {}, QPoint(20, 40));
        QCOMPARE(d->ansicht().auswahl(), QRect(20, 40, 100, 110));
        QCOMPARE(BitmapAnsicht::groessenText(d->ansicht().auswahl()), QStringLiteral("100x110"));
        // The frame inverts the pixels under it.
        const QImage nachher = sicht->grab().toImage();
        const QRgb a = vorher.pixel(20, 60), b = nachher.pixel(20, 60);
        QCOMPARE(qRed(a) + qRed(b), 255);
        QCOMPARE(qGreen(a) + qGreen(b), 255);
        QVERIFY(speichereBild(d->parentWidget(), QStringLiteral("bitmap_auswahl")));
        // Dragged beyond the edges, the selection stops at the image.
        QTest::mousePress(sicht, Qt::LeftButton, {}, QPoint(250, 100));
        QMouseEvent weit(QEvent::MouseMove, QPointF(900, -50), sicht->mapToGlobal(QPointF(900, -50)), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(sicht, &weit);
        QTest::mouseRelease(sicht, Qt::LeftButton, {}, QPoint(899, -50));
        QCOMPARE(d->ansicht().auswahl(), QRect(250, 0, 50, 100));
    }

    void kopierenEinfuegenUndSpeichern() {
        Bitmapdokument* d = oeffne(BMP + "rle8_delta_end_of_line.bmp");
        QVERIFY(d);
        const zor::DibBild original = d->bild();
        r_->f.mainframe_OnCommand(CMD_KOPIEREN);
        r_->f.mainframe_OnCommand(CMD_EINFUEGEN);
        auto* kopie = qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
        QVERIFY(kopie && kopie != d);
        QCOMPARE(kopie->windowTitle(), QStringLiteral("Clipbord"));
        QCOMPARE(kopie->bild().pixel, original.pixel);
        const QString ziel = tmp_.filePath("gespeichert.bmp");
        r_->dateiwahl.antworten << ziel;
        r_->f.mainframe_OnCommand(CMD_BITMAP_SPEICHERN);
        QCOMPARE(zor::OpenDIB(ziel.toStdString()).bild.pixel, original.pixel);
    }

    void andereBildformateUndVergleich() {
        const zor::DibBild b = beispielbild(64, 48);
        const QString png = tmp_.filePath("bild.png");
        QVERIFY(QImage(reinterpret_cast<const uchar*>(b.pixel.data()), 64, 48, QImage::Format_RGB32).save(png));
        Bitmapdokument* d = oeffne(schreibe(b, "bild.bmp"));
        QVERIFY(d);
        zor::DibBild anders = b;
        anders.pixel[10] ^= 0xFFFFFF;
        anders.pixel[200] ^= 0x00FF00;
        r_->dateiwahl.antworten << schreibe(anders, "anders.bmp");
        r_->f.mainframe_OnCommand(CMD_BITMAP_VERGLEICHEN);
        auto* v = qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
        QVERIFY(v && v != d);
        QCOMPARE(v->bild().breite, 3u * 64 + 16);
        QVERIFY2(v->windowTitle().endsWith(QStringLiteral("2 Bildpunkte verschieden")), qPrintable(v->windowTitle()));
        // A PNG opens through Qt's readers; a size mismatch is refused with a message.
        Bitmapdokument* p = oeffne(png);
        QVERIFY(p && p != v);
        QCOMPARE(p->bild().pixel, b.pixel);
        r_->dateiwahl.antworten << BMP + "indexed_4bit.bmp";
        r_->f.mainframe_OnCommand(CMD_BITMAP_VERGLEICHEN);
        QVERIFY(r_->meldungen().last().startsWith(QStringLiteral("Die Bilder sind verschieden groß")));
    }

    void verfaelschteBilderNebeneinander() {
        const QString original = schreibe(beispielbild(300, 220), "original.bmp");
        zor::KeinFortschritt f;
        const std::string bsc = tmp_.filePath("bsc.bmp").toStdString(), ge = tmp_.filePath("ge.bmp").toStdString();
        QVERIFY(zor::MmMakeBscErr({original.toStdString(), bsc, 54, 1234, 0.001}, f).ok);
        zor::GeMcAuftrag a;
        a.eingabe = original.toStdString();
        a.ausgabe = ge;
        a.nProtect = 54;
        QVERIFY(zor::MakeGeError(a, f).ok);
        for (const QString& datei : {original, QString::fromStdString(bsc), QString::fromStdString(ge)}) QVERIFY(oeffne(datei));
        r_->f.mainframe_OnCommand(CMD_NEBENEINANDER);
        QVERIFY(speichereBild(&r_->f, QStringLiteral("bitmap_bsc_ge_nebeneinander")));
    }

    void schrittTabelle() {
        QCOMPARE(bitmapSchritt(QAbstractSlider::SliderSingleStepSub, 320), -19);
        QCOMPARE(bitmapSchritt(QAbstractSlider::SliderSingleStepAdd, 320), 21);
        QCOMPARE(bitmapSchritt(QAbstractSlider::SliderPageStepSub, 7), -2);
        QCOMPARE(bitmapSchritt(QAbstractSlider::SliderPageStepAdd, 7), 4);
        QCOMPARE(bitmapSchritt(QAbstractSlider::SliderMove, 320), 0);
        QCOMPARE(fensterFuerBild({30, 40}, {100, 80}, {10, 30}, {500, 400}), QRect(30, 40, 110, 110));
        QCOMPARE(fensterFuerBild({30, 40}, {700, 80}, {10, 30}, {500, 400}), QRect(-1, 40, 502, 110));
    }
};

QTEST_MAIN(BitmapTest)
#include "bitmap_test.moc"
