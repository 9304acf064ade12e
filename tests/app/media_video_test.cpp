// The video window through a fake backend (buttons, title, menu, the play/pause toggle,
// seeking and stepping), its place in the frame (4153), the real backend on a generated
// AVI, and the general media player.

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSlider>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "app/context/befehle.h"
#include "app/media/bildflaeche.h"
#include "app/media/bildknopf.h"
#include "app/media/medienfilter.h"
#include "app/media/medienspieler.h"
#include "app/media/qt_wiedergabe.h"
#include "app/media/video_fenster.h"
#include "app/shell/werkzeugleiste.h"
#include "support/gui_hilfen.h"
#include "support/test_medien.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

QString aktiveKnoepfe(const VideoFenster& v) {
    QStringList ids;
    for (int id : {138, 142, 140, 146, 29, 157})
        if (v.findChild<BildKnopf*>(QStringLiteral("id_%1").arg(id))->isEnabled()) ids << QString::number(id);
    return ids.join(QLatin1Char(' '));
}

QMenu* popup(const VideoFenster& v, int i) { return v.menuBar()->actions().at(i)->menu(); }

QAction* punkt(const VideoFenster& v, int id) { return v.findChild<QAction*>(QStringLiteral("id_%1").arg(id)); }

// What the menu shows when the user opens that pop-up.
void oeffnePopup(QMenu* m) { emit m->aboutToShow(); }

}  // namespace

class VideoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    std::unique_ptr<QTemporaryDir> dir_;
    QPointer<VideoFenster> v_;
    TestWiedergabe* geraet_ = nullptr;

    void neuesFenster() {
        auto g = std::make_unique<TestWiedergabe>();
        geraet_ = g.get();
        v_ = new VideoFenster(r_->f, std::move(g), &r_->f);
    }
    void oeffne(const QString& datei) {
        r_->dateiwahl.antworten << datei;
        v_->PopupVideo_OnCommand(CMD_VIDEO_OEFFNEN);
    }

private slots:
    void init() {
        r_ = std::make_unique<TestRahmen>();
        r_->f.mainframe_OnCommand(CMD_MULTIMEDIA);
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        delete v_;
        r_.reset();
    }

    // Without a video: generic title, "Bearbeiten" grayed, only the open button works,
    // "Schließen" grayed; the buttons sit in their column.
    void ohneVideo() {
        neuesFenster();
        QCOMPARE(v_->windowTitle(), QStringLiteral("New Video Class"));
        QVERIFY(!popup(*v_, 1)->menuAction()->isEnabled());
        QCOMPARE(aktiveKnoepfe(*v_), QStringLiteral("138"));
        oeffnePopup(popup(*v_, 0));
        QVERIFY(!punkt(*v_, CMD_SCHLIESSEN)->isEnabled());
        int y = 20;
        const int seite = v_->style()->pixelMetric(QStyle::PM_LargeIconSize) + 2;
        for (int id : {138, 142, 140, 146, 29, 157}) {
            QCOMPARE(v_->findChild<BildKnopf*>(QStringLiteral("id_%1").arg(id))->geometry(), QRect(10, y, seite, seite));
            y += 40;
        }
        // Pressed, a button shows its second picture.
        auto* oeffnen = v_->findChild<BildKnopf*>("id_138");
        const QImage oben = oeffnen->grab().toImage();
        oeffnen->setDown(true);
        const QImage gedrueckt = oeffnen->grab().toImage();
        QVERIFY(oben != gedrueckt);
        QVERIFY(speichereBild(gedrueckt, "video_knopf_gedrueckt"));
    }

    // With a video: its name as title, "Bearbeiten" and the buttons enabled, the movie
    // centred right of the buttons; "Schließen" returns to the state without video.
    void mitVideoUndSchliessen() {
        neuesFenster();
        v_->show();
        const QString datei = dir_->filePath("film.avi");
        oeffne(datei);
        QCOMPARE(r_->dateiwahl.anfragen.last().titel, QStringLiteral("Öffnen"));
        QCOMPARE(r_->dateiwahl.anfragen.last().satz, &SATZ_VIDEO);
        QVERIFY(v_->IsVideoOpne());
        QCOMPARE(v_->windowTitle(), datei);
        QVERIFY(popup(*v_, 1)->menuAction()->isEnabled());
        QCOMPARE(aktiveKnoepfe(*v_), QStringLiteral("138 142 140 146 29 157"));
        oeffnePopup(popup(*v_, 0));
        QVERIFY(punkt(*v_, CMD_SCHLIESSEN)->isEnabled());
        QCOMPARE(v_->film()->geometry(), filmRechteck(v_->flaeche()->size(), QSize(160, 120)));
        QVERIFY(v_->film()->isVisible());

        v_->PopupVideo_OnCommand(CMD_SCHLIESSEN);
        QVERIFY(!v_->IsVideoOpne());
        QCOMPARE(geraet_->aufrufe.last(), QStringLiteral("schliesse"));
        QCOMPARE(v_->windowTitle(), QStringLiteral("New Video Class"));
        QVERIFY(!popup(*v_, 1)->menuAction()->isEnabled());
        QCOMPARE(aktiveKnoepfe(*v_), QStringLiteral("138"));
    }

    // A file the backend refuses: its text, then the window's own message; no video, but
    // the buttons are enabled.
    void oeffnenAbgelehnt() {
        neuesFenster();
        geraet_->oeffneFehler = QStringLiteral("Kein passender Decoder");
        oeffne(dir_->filePath("kaputt.avi"));
        QCOMPARE(r_->meldung.gezeigt.size(), 2);
        QCOMPARE(r_->meldung.gezeigt[0].text, QStringLiteral("Kein passender Decoder"));
        QCOMPARE(r_->meldung.gezeigt[1].text, QStringLiteral("Datei kann nicht geöffnet werden"));
        QCOMPARE(r_->meldung.gezeigt[1].titel, QString());
        QCOMPARE(r_->meldung.gezeigt[1].symbol, zor::Symbol::Ausrufezeichen);
        QVERIFY(!v_->IsVideoOpne());
        QCOMPARE(v_->windowTitle(), QStringLiteral("New Video Class"));
        QVERIFY(!popup(*v_, 1)->menuAction()->isEnabled());
        QCOMPARE(aktiveKnoepfe(*v_), QStringLiteral("138 142 140 146 29 157"));
    }

    // The play flag toggles with every play command; only play and its button pause, a
    // second reverse just clears the flag; seeking, stepping and stop end playback first.
    void spielenUndPause_data() {
        QTest::addColumn<QList<int>>("befehle");
        QTest::addColumn<QStringList>("aufrufe");
        QTest::addColumn<bool>("spielt");
        QTest::newRow("play twice pauses") << QList<int>{157, 157} << QStringList{"spiele", "pause"} << false;
        QTest::newRow("menu play then button") << QList<int>{4092, 157} << QStringList{"spiele", "pause"} << false;
        QTest::newRow("reverse twice does not pause") << QList<int>{4093, 4093} << QStringList{"rueckwaerts"} << false;
        QTest::newRow("reverse then play pauses") << QList<int>{4093, 4092} << QStringList{"rueckwaerts", "pause"} << false;
        QTest::newRow("play three times") << QList<int>{157, 157, 157} << QStringList{"spiele", "pause", "spiele"} << true;
        QTest::newRow("seek to start stops") << QList<int>{4092, 146} << QStringList{"spiele", "pause", "springe 0"} << false;
        QTest::newRow("seek to end stops") << QList<int>{157, 4095} << QStringList{"spiele", "pause", "springe 5000"} << false;
        QTest::newRow("step forward stops") << QList<int>{157, 142} << QStringList{"spiele", "pause", "springe 100"} << false;
        QTest::newRow("step back at start") << QList<int>{4097} << QStringList{"springe -100"} << false;
        QTest::newRow("play after seek plays") << QList<int>{157, 29, 157} << QStringList{"spiele", "pause", "springe 5000", "spiele"} << true;
        QTest::newRow("stop") << QList<int>{157, 4098} << QStringList{"spiele", "stoppe"} << false;
    }
    void spielenUndPause() {
        QFETCH(QList<int>, befehle);
        QFETCH(QStringList, aufrufe);
        QFETCH(bool, spielt);
        neuesFenster();
        oeffne(dir_->filePath("film.avi"));
        geraet_->aufrufe.clear();
        for (int b : befehle) v_->PopupVideo_OnCommand(b);
        QCOMPARE(geraet_->aufrufe, aufrufe);
        QCOMPARE(v_->IsVideoPlayed(), spielt);
        oeffnePopup(popup(*v_, 1));
        QCOMPARE(punkt(*v_, CMD_VIDEO_ABSPIELEN)->isChecked(), spielt);
    }

    // A backend that cannot play backwards says so and nothing counts as playing.
    void rueckwaertsNichtMoeglich() {
        neuesFenster();
        oeffne(dir_->filePath("film.avi"));
        geraet_->rueckwaertsFehler = QStringLiteral("Rückwärts geht nicht.");
        v_->PopupVideo_OnCommand(CMD_VIDEO_RUECKWAERTS);
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        QCOMPARE(r_->meldung.gezeigt[0].text, QStringLiteral("Rückwärts geht nicht."));
        QVERIFY(!v_->IsVideoPlayed());
    }

    void filmRechteckRechnet() {
        QCOMPARE(filmRechteck(QSize(400, 300), QSize(160, 120)), QRect(150, 90, 160, 120));
        QCOMPARE(filmRechteck(QSize(401, 301), QSize(161, 121)), QRect(150, 90, 161, 121));
        QCOMPARE(filmRechteck(QSize(100, 80), QSize(320, 240)), QRect(-80, -80, 320, 240));
    }

    // Resizing keeps the movie centred right of the button column.
    void groesseAendern() {
        neuesFenster();
        geraet_->groesse = QSize(200, 150);
        v_->show();
        oeffne(dir_->filePath("film.avi"));
        for (QSize s : {QSize(640, 480), QSize(500, 400)}) {
            v_->resize(s);
            QCoreApplication::processEvents();
            QCOMPARE(v_->film()->geometry(), filmRechteck(v_->flaeche()->size(), QSize(200, 150)));
        }
    }

    // One video window at a time: while it exists 4153 is grayed in the menu and on the
    // toolbar; "Beenden" closes the window and enables both again. None of the media
    // commands reaches the placeholder.
    void videoBefehlImRahmen() {
        Hauptfenster& f = r_->f;
        f.mainframe_OnCommand(CMD_VIDEO);
        auto* fenster = f.findChild<VideoFenster*>();
        QVERIFY(fenster);
        QVERIFY(fenster->isWindow());
        QVERIFY(!f.istAktiv(CMD_VIDEO));
        QVERIFY(!f.werkzeugleiste()->istAktiv(CMD_VIDEO));
        f.mainframe_OnCommand(CMD_VIDEO);
        QCOMPARE(f.findChildren<VideoFenster*>().size(), 1);
        QPointer<VideoFenster> weg(fenster);
        fenster->PopupVideo_OnCommand(CMD_BEENDEN);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(weg.isNull());
        QVERIFY(f.istAktiv(CMD_VIDEO));
        QVERIFY(f.werkzeugleiste()->istAktiv(CMD_VIDEO));

        f.mainframe_OnCommand(CMD_MCI);
        f.mainframe_OnCommand(CMD_MCI);
        QCOMPARE(f.findChildren<Medienspieler*>().size(), 2);
        beantworteModal(QStringLiteral("id_4141"), QStringLiteral("id_131"));
        f.mainframe_OnCommand(CMD_WAVE);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
    }

    // Real Qt Multimedia: a generated AVI opens with its picture size and frame length,
    // and the window shows its first frame.
    void echtesVideo() {
        const QString datei = dir_->filePath("test.avi");
        QVERIFY(schreibeTestAvi(datei, 160, 120, 50, 10));
        auto echt = std::make_unique<QtWiedergabe>();
        QtWiedergabe* w = echt.get();
        v_ = new VideoFenster(r_->f, std::move(echt), &r_->f);
        v_->resize(480, 360);
        v_->show();
        oeffne(datei);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(w->bildgroesse(), QSize(160, 120));
        QCOMPARE(w->bilddauer(), 100);
        QVERIFY(qAbs(w->dauer() - 5000) <= 100);
        QTRY_VERIFY(v_->film()->hatBild());
        QCOMPARE(v_->film()->size(), QSize(160, 120));
        v_->PopupVideo_OnCommand(142);
        QTRY_COMPARE(w->position(), 100);
        QVERIFY(speichereBild(v_.data(), "video_fenster"));
    }

    // The player waits for a file at (240, 50); a sound keeps it a bar, a video makes
    // room for the picture above the bar.
    void medienspieler() {
        QVERIFY(schreibeSinusWav(dir_->filePath("sinus.wav"), 1000));
        QVERIFY(schreibeTestAvi(dir_->filePath("film.avi"), 160, 120, 20, 10));
        auto* s = new Medienspieler(r_->f, std::make_unique<QtWiedergabe>(), &r_->f);
        s->show();
        QCOMPARE(s->pos(), QPoint(240, 50));
        QCOMPARE(s->size(), QSize(440, 50));
        QCOMPARE(s->windowTitle(), QStringLiteral("MCI - Keine Datei"));
        QVERIFY(!s->findChild<QToolButton*>("spielen")->isEnabled());
        QVERIFY(speichereBild(s, "medienspieler_leer"));

        QVERIFY(s->oeffne(dir_->filePath("sinus.wav")));
        QCOMPARE(s->windowTitle(), QStringLiteral("sinus.wav - Gestoppt 0:00.0"));
        QVERIFY(s->findChild<QToolButton*>("spielen")->isEnabled());
        QTRY_VERIFY(s->findChild<QSlider*>("position")->maximum() > 900);
        QCOMPARE(s->height(), 50);

        QVERIFY(s->oeffne(dir_->filePath("film.avi")));
        QCOMPARE(s->height(), 120 + 50);
        QTRY_VERIFY(s->findChild<Bildflaeche*>()->hatBild());
        QVERIFY(speichereBild(s, "medienspieler_video"));
        s->close();
    }
};

QTEST_MAIN(VideoTest)
#include "media_video_test.moc"
