// Bitmap documents in the frame: opening and its messages, window size and scrolling,
// the selection, clipboard, saving and comparing; screenshots of corrupted pictures.

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <memory>

#include "app/context/befehle.h"
#include "app/media/bitmapdokument.h"
#include "app/media/medienfilter.h"
#include "app/media/paar_ids.h"
#include "app/shell/menue.h"
#include "core/corruption/verfaelschen.h"
#include "core/media/bilddifferenz.h"
#include "core/media/dib.h"
#include "core/seqfiles/vergleich.h"
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

    // A picture that fits opens at its size, without scroll bars, in the frame's first size.
    void kleinesBildBekommtSeineNatuerlicheGroesse_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("300x200") << QSize(300, 200);
        QTest::newRow("640x480") << QSize(640, 480);
    }
    void kleinesBildBekommtSeineNatuerlicheGroesse() {
        QFETCH(QSize, groesse);
        r_->f.resize(1024, 720);
        QTest::qWait(20);
        Bitmapdokument* d = oeffne(schreibe(beispielbild(std::uint32_t(groesse.width()), std::uint32_t(groesse.height())), "klein.bmp"));
        QVERIFY(d);
        QTRY_COMPARE(d->ansicht().viewport()->size(), groesse);
        QVERIFY(!d->ansicht().verticalScrollBar()->isVisible());
        QVERIFY(!d->ansicht().horizontalScrollBar()->isVisible());
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
        // "Kopieren" takes the selection only.
        r_->f.mainframe_OnCommand(CMD_KOPIEREN);
        r_->f.mainframe_OnCommand(CMD_EINFUEGEN);
        auto* kopie = qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
        QVERIFY(kopie && kopie != d);
        QCOMPARE(QSize(int(kopie->bild().breite), int(kopie->bild().hoehe)), QSize(50, 100));
        QCOMPARE(kopie->bild().pixel[7 * 50 + 3], d->bild().pixel[7 * 300 + 253]);
        QCOMPARE(kopie->bild().pixel.back(), d->bild().pixel[99 * 300 + 299]);
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
        const std::string bsc = tmp_.filePath("bsc.bmp").toStdString();
        QVERIFY(zor::MmMakeBscErr({original.toStdString(), bsc, 54, 1234, 0.001}, f).ok);

        // "Ergebnis anzeigen?" shows a corrupted picture as the comparison of the two
        // pictures, any other file in two hex views.
        const auto vorher = r_->f.dokumente().size();
        r_->f.zeigeNebeneinander(original, QString::fromStdString(bsc));
        auto* v = qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
        QVERIFY(v);
        QCOMPARE(v->bild().breite, 3u * 300 + 16);
        QVERIFY2(v->windowTitle().startsWith(QStringLiteral("original.bmp – bsc.bmp: ")), qPrintable(v->windowTitle()));
        QCOMPARE(r_->f.dokumente().size(), vorher + 1);
        QFile text(tmp_.filePath("text.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("kein Bild\n") > 0);
        text.close();
        r_->f.zeigeNebeneinander(text.fileName(), text.fileName());
        QCOMPARE(r_->f.dokumente().size(), vorher + 3);
        QVERIFY(!qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument()));
    }

    // Zoom steps by menu and Ctrl+wheel, nearest neighbour at 8:1 with the grid between
    // the pixels, fitting; the difference picture's counts against the comparison file
    // and a PSNR computed here.
    void zoomUndDifferenzbild() {
        const zor::DibBild b = beispielbild(40, 30);
        Bitmapdokument* d = oeffne(schreibe(b, "klein.bmp"));
        QVERIFY(d);
        BitmapAnsicht& a = d->ansicht();
        d->parentWidget()->resize(600, 400);
        QCoreApplication::processEvents();
        const QList<std::pair<int, double>> schritte = {{CMD_ZOOM_GROESSER, 2}, {CMD_ZOOM_GROESSER, 4},
                                                        {CMD_ZOOM_KLEINER, 2},  {CMD_ZOOM_1_1, 1},
                                                        {CMD_ZOOM_KLEINER, 1}};
        for (const auto& [befehl, faktor] : schritte) {
            r_->f.mainframe_OnCommand(befehl);
            QCOMPARE(a.zoom(), faktor);
        }
        for (int i = 0; i < 8; ++i) a.zoomSchritt(true);
        QCOMPARE(a.zoom(), 32.0);
        QWheelEvent rad(QPointF(5, 5), a.viewport()->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(a.viewport(), &rad);
        QCOMPARE(a.zoom(), 16.0);
        a.setzeZoom(8);
        a.horizontalScrollBar()->setValue(0);
        a.verticalScrollBar()->setValue(0);
        const QImage bild = a.viewport()->grab().toImage();
        const qreal dpr = bild.devicePixelRatio();
        for (const QPoint p : {QPoint(2, 1), QPoint(17, 9), QPoint(5, 20)}) {
            const QRgb innen = bild.pixel(QPointF((p.x() * 8 + 4) * dpr, (p.y() * 8 + 4) * dpr).toPoint());
            QCOMPARE(innen & 0xFFFFFFu, b.pixel[p.y() * 40u + p.x()] & 0xFFFFFFu);
            QVERIFY(bild.pixel(QPointF(p.x() * 8 * dpr, (p.y() * 8 + 4) * dpr).toPoint()) != innen);
        }
        r_->f.mainframe_OnCommand(CMD_ZOOM_EINPASSEN);
        QVERIFY(a.eingepasst());
        const QSize sicht = a.maximumViewportSize();
        QVERIFY(a.zoom() * 40 <= sicht.width() && a.zoom() * 30 <= sicht.height());
        QVERIFY(a.zoom() * 40 > sicht.width() - 40 || a.zoom() * 30 > sicht.height() - 30);

        zor::DibBild anders = b;
        anders.pixel[10] ^= 0x000001;
        anders.pixel[200] ^= 0x00FF00;
        const QString kopie = schreibe(anders, "anders.bmp");
        zor::KeinFortschritt still;
        const std::string vgl = tmp_.filePath("k.vgl").toStdString();
        QVERIFY(zor::CompareFile(tmp_.filePath("klein.bmp").toStdString(), kopie.toStdString(), vgl, still).ok);
        QFile f(QString::fromStdString(vgl));
        QVERIFY(f.open(QIODevice::ReadOnly));
        int bits = 0;
        for (const char c : f.readAll()) bits += std::popcount(static_cast<unsigned char>(c));
        QCOMPARE(bits, 9);
        // PSNR = 10 log10(255² · n / Σ diff²) per channel; red is unchanged.
        auto psnr = [&](int schiebe) {
            double quadrate = 0;
            for (std::size_t i = 0; i < b.pixel.size(); ++i) {
                const int u = int(b.pixel[i] >> schiebe & 0xFF) - int(anders.pixel[i] >> schiebe & 0xFF);
                quadrate += u * u;
            }
            return QString::number(10 * std::log10(255.0 * 255 * double(b.pixel.size()) / quadrate), 'f', 2);
        };
        r_->dateiwahl.antworten << kopie;
        r_->f.mainframe_OnCommand(CMD_DIFFERENZBILD);
        QVERIFY(warteAufJob(r_->f));
        auto* diff = qobject_cast<Bitmapdokument*>(r_->f.aktivesDokument());
        QVERIFY(diff && diff != d);
        QCOMPARE(diff->bild().pixel[200], zor::DIFFERENZ_ROT);
        QCOMPARE(diff->bild().pixel[0], zor::gedimmt(b.pixel[0]));
        const QString erwartet = QStringLiteral("2 Bildpunkte und %1 Bits verschieden; PSNR Rot ∞ dB, Grün %2 dB, Blau %3 dB")
                                     .arg(bits)
                                     .arg(psnr(8), psnr(0));
        QVERIFY2(diff->windowTitle().endsWith(erwartet), qPrintable(diff->windowTitle()));
        // A picture without a file (the difference picture itself) says what is missing.
        r_->f.mainframe_OnCommand(CMD_DIFFERENZBILD);
        QVERIFY(r_->meldungen().last().startsWith(QStringLiteral("Ein Differenzbild braucht")));
    }

    // Two windows of equally sized pictures, linked by "Ansichten koppeln", zoom and scroll
    // together both ways; a picture of another size is not offered; the command again
    // ends the link.
    void gekoppelteAnsichtenZoomenUndRollenZusammen() {
        const zor::DibBild b = beispielbild(300, 200);
        Bitmapdokument* eins = oeffne(schreibe(b, "eins.bmp"));
        r_->f.mainframe_OnCommand(CMD_ANSICHTEN_KOPPELN);
        QCOMPARE(r_->meldungen().size(), 1);
        QVERIFY(r_->meldungen().first().startsWith(QStringLiteral("Zum Koppeln ist ein zweites Bitmap-Fenster")));
        QVERIFY(oeffne(schreibe(beispielbild(200, 300), "hoch.bmp")));
        Bitmapdokument* zwei = oeffne(schreibe(b, "zwei.bmp"));
        for (Bitmapdokument* d : {eins, zwei}) d->parentWidget()->resize(400, 300);
        BitmapAnsicht &a = eins->ansicht(), &z = zwei->ansicht();
        a.setzeZoom(4);
        r_->f.mainframe_OnCommand(CMD_ANSICHTEN_KOPPELN);
        QCOMPARE(z.gekoppelt(), &a);
        QCOMPARE(a.gekoppelt(), &z);
        QVERIFY(r_->f.hatHaken(CMD_ANSICHTEN_KOPPELN));
        QCOMPARE(a.zoom(), 1.0);  // the window the command came from leads

        r_->f.mainframe_OnCommand(CMD_ZOOM_GROESSER);
        QCOMPARE(z.zoom(), 2.0);
        QCOMPARE(a.zoom(), 2.0);
        a.horizontalScrollBar()->setValue(120);
        a.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QVERIFY(a.verticalScrollBar()->value() > 0);
        QCOMPARE(z.horizontalScrollBar()->value(), 120);
        QCOMPARE(z.verticalScrollBar()->value(), a.verticalScrollBar()->value());
        z.zoomSchritt(true, QPoint(10, 10));
        QCOMPARE(a.zoom(), 4.0);
        QCOMPARE(a.horizontalScrollBar()->value(), z.horizontalScrollBar()->value());
        QCOMPARE(a.verticalScrollBar()->value(), z.verticalScrollBar()->value());
        QVERIFY(speichereBild(&r_->f, "bitmap_gekoppelt"));

        r_->f.mainframe_OnCommand(CMD_ANSICHTEN_KOPPELN);
        QVERIFY(!z.gekoppelt() && !a.gekoppelt());
        QVERIFY(!r_->f.hatHaken(CMD_ANSICHTEN_KOPPELN));
        z.setzeZoom(1);
        QCOMPARE(a.zoom(), 4.0);
        QCOMPARE(r_->meldungen().size(), 1);
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
