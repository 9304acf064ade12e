// The wave recorder: its four states through fake backends (buttons, time display, the
// length limit, messages, saving), and the real Qt Multimedia backend on generated files.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <memory>

#include "app/media/medienfilter.h"
#include "app/media/qt_wiedergabe.h"
#include "app/media/wave_recorder.h"
#include "app/media/wave_schreiber.h"
#include "app/media/wellenform.h"
#include "core/io/signale.h"
#include "core/util/systemfehler.h"
#include "support/aufzeichnende_meldung.h"
#include "support/gui_hilfen.h"
#include "support/skriptierte_dateiwahl.h"
#include "support/test_medien.h"
#include "support/testdateien.h"

using namespace zor::app;
using Zustand = WaveAufnahme::Zustand;

namespace {

// The ids of the enabled buttons in display order: "121 545 131".
QString aktive(const WaveAufnahme& d) {
    QStringList ids;
    for (int id : {121, 151, 545, 543, 544, 131})
        if (d.findChild<QPushButton*>(QStringLiteral("id_%1").arg(id))->isEnabled()) ids << QString::number(id);
    return ids.join(QLatin1Char(' '));
}
const QString LEER = QStringLiteral("121 545 131");
const QString GELADEN = QStringLiteral("121 151 545 543 131");
const QString LAEUFT = QStringLiteral("544 131");

QString feld(const WaveAufnahme& d, int id) {
    return d.findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id))->text();
}


}  // namespace

class WaveTest : public QObject {
    Q_OBJECT

    AufzeichnendeMeldung meldung_;
    SkriptierteDateiwahl dateiwahl_;
    TestWiedergabe* spieler_ = nullptr;
    TestTonaufnahme* aufnahme_ = nullptr;
    std::unique_ptr<WaveAufnahme> d_;
    std::unique_ptr<QTemporaryDir> dir_;

    void klicke(int id) { d_->findChild<QPushButton*>(QStringLiteral("id_%1").arg(id))->click(); }
    QString pfad(const QString& name) const { return dir_->filePath(name); }
    // Ticks of the clock; a running fake recording captures 100 ms in each.
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            if (aufnahme_->laeuft()) aufnahme_->ms += 100;
            d_->wave_OnTimer();
        }
    }

    void neu() {
        d_.reset();
        delete spieler_;
        delete aufnahme_;
        spieler_ = new TestWiedergabe;
        aufnahme_ = new TestTonaufnahme;
        meldung_.gezeigt.clear();
        dateiwahl_.antworten.clear();
        dateiwahl_.anfragen.clear();
        d_ = std::make_unique<WaveAufnahme>(meldung_, dateiwahl_, *spieler_, *aufnahme_);
    }
    void oeffne(const QString& datei) {
        dateiwahl_.antworten << datei;
        klicke(WaveAufnahme::ID_OEFFNEN);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        neu();
    }
    void cleanup() {
        d_.reset();
        delete spieler_;
        delete aufnahme_;
        spieler_ = nullptr;
        aufnahme_ = nullptr;
    }

    void startzustand() {
        QCOMPARE(aktive(*d_), LEER);
        QCOMPARE(feld(*d_, 4148), (QDir::currentPath() + "/keine datei.wav").toLower());
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
        d_->show();
        QVERIFY(speichereBild(d_.get(), "wave_leer"));
        // A larger dialog gives its room to the waveform; the buttons keep their height.
        const QSize vorher = d_->wellenform().size();
        const int knopfhoehe =
            d_->findChild<QPushButton*>(QStringLiteral("id_%1").arg(WaveAufnahme::ID_ABSPIELEN))->height();
        d_->resize(d_->width() + 400, d_->height() + 300);
        QTRY_COMPARE(d_->wellenform().size(), vorher + QSize(400, 300));
        QCOMPARE(d_->findChild<QPushButton*>(QStringLiteral("id_%1").arg(WaveAufnahme::ID_ABSPIELEN))->height(),
                 knopfhoehe);
    }

    // Open a file, play it, let it end: the time counts the playback, then shows the
    // recording length again (0.0 after opening a file).
    void dateiAbspielen() {
        oeffne(pfad("Klang.WAV"));
        QCOMPARE(dateiwahl_.anfragen.first().titel, QStringLiteral("Datei öffnen"));
        QCOMPARE(dateiwahl_.anfragen.first().satz, &SATZ_WAVE);
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QCOMPARE(aktive(*d_), GELADEN);
        QCOMPARE(feld(*d_, 4148), pfad("klang.wav").toLower());
        d_->show();
        QVERIFY(speichereBild(d_.get(), "wave_geladen"));

        klicke(WaveAufnahme::ID_ABSPIELEN);
        QCOMPARE(d_->zustand(), Zustand::Wiedergabe);
        QCOMPARE(aktive(*d_), LAEUFT);
        QCOMPARE(spieler_->aufrufe.mid(spieler_->aufrufe.size() - 2), (QStringList{"springe 0", "spiele"}));
        ticks(7);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.7 sec."));
        QVERIFY(speichereBild(d_.get(), "wave_wiedergabe"));
        spieler_->endet();
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QCOMPARE(aktive(*d_), GELADEN);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
        ticks(3);  // a late tick changes nothing
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
    }

    // Record 2.5 s, stop, play: the recording is opened for playback, the field counts
    // the playback and afterwards shows 2.5 again; stopping a playback ends it too.
    void aufnahmeStoppenUndAbspielen() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        QCOMPARE(d_->zustand(), Zustand::Aufnahme);
        QCOMPARE(aktive(*d_), LAEUFT);
        QCOMPARE(aufnahme_->grenze, 33000);
        QCOMPARE(feld(*d_, 4148), (QDir::currentPath() + "/keine datei.wav").toLower());
        ticks(25);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("2.5 sec."));
        d_->show();
        QVERIFY(speichereBild(d_.get(), "wave_aufnahme"));

        auto* uhr = d_->findChild<QTimer*>("uhr");
        QVERIFY(uhr->isActive());
        QCOMPARE(uhr->interval(), 100);
        klicke(WaveAufnahme::ID_STOP);
        QVERIFY(!uhr->isActive());
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QCOMPARE(aktive(*d_), GELADEN);
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("oeffne ") + aufnahme_->datei);
        QCOMPARE(d_->datei(), aufnahme_->datei);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("2.5 sec."));

        klicke(WaveAufnahme::ID_ABSPIELEN);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
        ticks(12);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("1.2 sec."));
        klicke(WaveAufnahme::ID_STOP);
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("stoppe"));
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("2.5 sec."));
    }

    // A device that delivers its first samples 2 s late: the field shows what was
    // captured, and the saved file is as long as the field says.
    void gezeigteZeitIstDieGespeicherte() {
        aufnahme_->schreibtWav = true;
        klicke(WaveAufnahme::ID_AUFNAHME);
        for (int i = 0; i < 20; ++i) d_->wave_OnTimer();
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
        ticks(41);
        aufnahme_->ms += 30;
        klicke(WaveAufnahme::ID_STOP);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("4.1 sec."));
        dateiwahl_.antworten << pfad("gespeichert.wav");
        klicke(WaveAufnahme::ID_SPEICHERN);
        const QByteArray b = liesDatei(pfad("gespeichert.wav"));
        QVERIFY(b.size() > 44);
        const qint64 ms = qint64{qFromLittleEndian<quint32>(b.constData() + 40)} * 1000 / (22050 * 2);
        QVERIFY2(qAbs(ms - 4100) <= 50, qPrintable(QString::number(ms)));
    }

    void aufnahmeEndetNach33Sekunden() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        ticks(329);
        QCOMPARE(d_->zustand(), Zustand::Aufnahme);
        ticks(1);
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QVERIFY(!aufnahme_->laeuft());
        QCOMPARE(feld(*d_, 4149), QStringLiteral("33.0 sec."));
    }

    // Each failure shows the backend's text, then the recorder's own message, and leaves
    // the dialog usable.
    void fehlerMeldungen_data() {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("knoepfe");
        QTest::newRow("oeffnen") << 0 << "Öffnen der Datei nicht möglich!" << LEER;
        QTest::newRow("aufnehmen") << 1 << "Aufnahme nicht möglich" << LEER;
        QTest::newRow("abspielen") << 2 << "Abspielen nicht möglich!" << GELADEN;
    }
    void fehlerMeldungen() {
        QFETCH(int, fall);
        QFETCH(QString, meldung);
        QFETCH(QString, knoepfe);
        const QString text = QStringLiteral("Gerätefehler %1").arg(fall);
        if (fall == 0) {
            spieler_->oeffneFehler = text;
            oeffne(pfad("a.wav"));
        } else if (fall == 1) {
            aufnahme_->fehler = text;
            klicke(WaveAufnahme::ID_AUFNAHME);
            QCOMPARE(feld(*d_, 4148), QString());
        } else {
            oeffne(pfad("a.wav"));
            spieler_->spieleFehler = text;
            klicke(WaveAufnahme::ID_ABSPIELEN);
        }
        QCOMPARE(meldung_.gezeigt.size(), 2);
        QCOMPARE(meldung_.gezeigt[0].text, text);
        QCOMPARE(meldung_.gezeigt[1].text, meldung);
        for (const auto& m : meldung_.gezeigt) {
            QCOMPARE(m.titel, QStringLiteral("Message"));
            QCOMPARE(m.symbol, zor::Symbol::Information);
        }
        QCOMPARE(aktive(*d_), knoepfe);
    }

    // Opening closes the sound first; cancelling the chooser leaves the idle state, and
    // the old recording's length is gone from the field.
    void oeffnenAbgebrochen() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        ticks(14);
        klicke(WaveAufnahme::ID_STOP);
        QCOMPARE(feld(*d_, 4149), QStringLiteral("1.4 sec."));
        klicke(WaveAufnahme::ID_OEFFNEN);  // no answer: cancel
        QCOMPARE(feld(*d_, 4149), QStringLiteral("0.0 sec."));
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("schliesse"));
        QCOMPARE(d_->zustand(), Zustand::Leer);
        QCOMPARE(aktive(*d_), LEER);
        QCOMPARE(feld(*d_, 4148), (QDir::currentPath() + "/keine datei.wav").toLower());
    }

    // Saving copies the sound to the chosen name in one step and shows that name; an
    // existing file is replaced whole, a target that cannot be written is reported and
    // the dialog stays loaded.
    void speichern() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        const QByteArray inhalt(70000, 'x');
        {
            QFile f(aufnahme_->datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        klicke(WaveAufnahme::ID_STOP);
        const QString ziel = schreibeDatei(*dir_, "Satz.WAV", "alt");
        dateiwahl_.antworten << ziel;
        klicke(WaveAufnahme::ID_SPEICHERN);
        QCOMPARE(dateiwahl_.anfragen.last().titel, QStringLiteral("Speichern unter"));
        QVERIFY(dateiwahl_.anfragen.last().speichern);
        QCOMPARE(liesDatei(ziel), inhalt);
        QCOMPARE(feld(*d_, 4148), ziel.toLower());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"Satz.WAV"});
        QVERIFY(meldung_.gezeigt.isEmpty());

        dateiwahl_.antworten << pfad("fehlt/x.wav");
        klicke(WaveAufnahme::ID_SPEICHERN);
        QCOMPARE(meldung_.gezeigt.size(), 1);
        QCOMPARE(meldung_.gezeigt[0].titel, QStringLiteral("Message"));
        QCOMPARE(meldung_.gezeigt[0].symbol, zor::Symbol::Ausrufezeichen);
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QCOMPARE(feld(*d_, 4148), ziel.toLower());

        // A full disk names the file and says why on the next line.
        dateiwahl_.antworten << QStringLiteral("/dev/full");
        klicke(WaveAufnahme::ID_SPEICHERN);
        QCOMPARE(meldung_.gezeigt.last().text,
                 QStringLiteral("Die Datei /dev/full lässt sich nicht schreiben.\n") + QString::fromUtf8(zor::TEXT_VOLL));
    }

    // A save never replaces the sound's own file or a file a parameter set reads.
    void speichernNieAufEineEingabe() {
        const QString klang = schreibeDatei(*dir_, "Klang.WAV", "RIFF");
        const QString satz = schreibeDatei(*dir_, "satz1.FFO", "0101");
        d_ = std::make_unique<WaveAufnahme>(meldung_, dateiwahl_, *spieler_, *aufnahme_, nullptr,
                                            zor::Eingaben{satz.toStdString()});
        oeffne(klang);
        for (const QString& ziel : {klang, satz}) {
            dateiwahl_.antworten << ziel;
            klicke(WaveAufnahme::ID_SPEICHERN);
            QVERIFY2(meldung_.gezeigt.last().text.contains(QStringLiteral("ist dieselbe Datei wie die Eingabedatei")),
                     qPrintable(meldung_.gezeigt.last().text));
        }
        QCOMPARE(liesDatei(klang), QByteArray("RIFF"));
        QCOMPARE(liesDatei(satz), QByteArray("0101"));
    }

    // A TERM while the recorder is open removes its temporary folder and the recording.
    void signalEntferntDenTemporaerenOrdner() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        const QString aufnahme = aufnahme_->datei;
        {
            QFile f(aufnahme);  // what the writer leaves while recording
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("RIFF") == 4);
        }
        const QString ordner = QFileInfo(aufnahme).path();
        QVERIFY(QFileInfo::exists(aufnahme));
        const pid_t kind = ::fork();
        if (kind == 0) {
            zor::temporaereDateienBeiSignalEntfernen();  // as the program does at its start
            ::raise(SIGTERM);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(kind, &status, 0);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        QVERIFY(!QFileInfo::exists(ordner));
    }

    // Closing during a recording ends it and closes the sound.
    void schliessenWaehrendAufnahme() {
        klicke(WaveAufnahme::ID_AUFNAHME);
        QVERIFY(aufnahme_->laeuft());
        klicke(WaveAufnahme::ID_SCHLIESSEN);
        QVERIFY(!aufnahme_->laeuft());
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("schliesse"));
        QCOMPARE(d_->result(), int(QDialog::Rejected));
    }

    // The writer stops at its limit on a frame boundary, says so once, and the header
    // carries the sizes.
    void waveSchreiberGrenze() {
        QAudioFormat f;
        f.setSampleRate(8000);
        f.setChannelCount(2);
        f.setSampleFormat(QAudioFormat::Int16);
        WaveSchreiber w(pfad("g.wav"), f, 1002);
        QSignalSpy voll(&w, &WaveSchreiber::voll);
        QVERIFY(w.open(QIODevice::WriteOnly));
        QCOMPARE(w.write(QByteArray(600, '\1')), 600);
        QCOMPARE(w.write(QByteArray(600, '\2')), 600);
        QCOMPARE(w.write(QByteArray(8, '\3')), 8);
        w.close();
        QCOMPARE(voll.count(), 1);
        QCOMPARE(w.datenBytes(), 1000);
        const QByteArray b = liesDatei(pfad("g.wav"));
        QCOMPARE(b.size(), 44 + 1000);
        QCOMPARE(b.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 4), 36u + 1000u);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 22), quint16(2));
        QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 28), 8000u * 4u);
        QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 40), 1000u);
    }

    // Real Qt Multimedia: a generated wave file opens and reports its length.
    void echteWaveDatei() {
        QVERIFY(schreibeSinusWav(pfad("sinus.wav"), 1500));
        QtWiedergabe w;
        const Fehlertext fehler = w.oeffne(pfad("sinus.wav"));
        QVERIFY2(!fehler, qPrintable(fehler.value_or(QString())));
        QTRY_VERIFY(w.dauer() > 0);
        QVERIFY2(qAbs(w.dauer() - 1500) <= 50, qPrintable(QString::number(w.dauer())));
        QVERIFY(!w.hatBild());
        QCOMPARE(w.zustand(), Spielzustand::Gestoppt);
    }

    // A second file: its waveform overlaid, its SNR against a computation here, and A/B
    // reopening the other file at the same position, playing on.
    void vergleichUndAB() {
        QVERIFY(schreibeSinusWav(pfad("a.wav"), 500));
        QFile fa(pfad("a.wav"));
        QVERIFY(fa.open(QIODevice::ReadOnly));
        const QByteArray a = fa.readAll();
        QByteArray b = a;
        const qsizetype daten = a.indexOf("data") + 8;
        for (qsizetype i = daten + 101; i < b.size(); i += 997) b[i] = static_cast<char>(b[i] ^ 0x40);
        QVERIFY(!schreibeDatei(*dir_, "b.wav", b).isEmpty());
        double signal = 0, rauschen = 0;
        for (qsizetype i = daten; i + 1 < a.size(); i += 2) {
            const double x = qFromLittleEndian<qint16>(a.constData() + i), y = qFromLittleEndian<qint16>(b.constData() + i);
            signal += x * x;
            rauschen += (x - y) * (x - y);
        }
        const QString snr = QString::number(10 * std::log10(signal / rauschen), 'f', 1);

        oeffne(pfad("a.wav"));
        dateiwahl_.antworten << pfad("b.wav");
        klicke(WaveAufnahme::ID_VERGLEICH);
        Wellenform& w = d_->wellenform();
        QTRY_VERIFY(!w.rechnet());
        QVERIFY2(w.hinweis().contains(QStringLiteral("SNR) der Kopie: %1 dB").arg(snr)), qPrintable(w.hinweis()));
        w.zoome(true);
        QCOMPARE(w.bis() - w.von(), w.frames() / 2);
        QCOMPARE(w.von(), w.frames() / 4);
        QTRY_VERIFY(!w.rechnet());
        d_->show();
        QVERIFY(speichereBild(d_.get(), "wave_vergleich"));
        const QImage bild = w.grab().toImage();
        int rot = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) rot += qRed(bild.pixel(x, y)) > 150 && qBlue(bild.pixel(x, y)) < 140;
        QVERIFY2(rot > 50, "the second file is overlaid in red");
        // Where both files are, the colour is the painter's own blend of B's red over A's blue.
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        probe.fill(QColor(20, 70, 160));
        QPainter(&probe).fillRect(0, 0, 1, 1, QColor(220, 30, 30, 150));
        int gemischt = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) gemischt += bild.pixel(x, y) == probe.pixel(0, 0);
        QVERIFY2(gemischt > 500, "B over A blends as the painter does");

        spieler_->dauerMs = 500;
        klicke(WaveAufnahme::ID_ABSPIELEN);
        spieler_->springe(230);
        spieler_->aufrufe.clear();
        klicke(WaveAufnahme::ID_AB);
        QCOMPARE(spieler_->aufrufe, (QStringList{"oeffne " + pfad("b.wav"), "springe 230", "spiele"}));
        QVERIFY(d_->hoertB());
        QCOMPARE(d_->zustand(), Zustand::Wiedergabe);
        // A refused file leaves B playing.
        spieler_->oeffneFehler = QStringLiteral("kaputt");
        klicke(WaveAufnahme::ID_AB);
        QVERIFY(d_->hoertB());
        QCOMPARE(meldung_.gezeigt.first().text, QStringLiteral("kaputt"));
        spieler_->oeffneFehler.reset();
        klicke(WaveAufnahme::ID_STOP);
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        klicke(WaveAufnahme::ID_AB);
        QVERIFY(!d_->hoertB());
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("springe 0"));
    }

    // The marker follows playback (ticks and the backend's notices), stays where playback
    // stopped although the backend rewinds, and is drawn; a click moves playback there, and
    // A/B keeps the clicked position, playing or stopped.
    void markeUndKlick() {
        QVERIFY(schreibeSinusWav(pfad("a.wav"), 1000));
        QVERIFY(schreibeSinusWav(pfad("b.wav"), 1000));
        spieler_->dauerMs = 1000;
        oeffne(pfad("a.wav"));
        dateiwahl_.antworten << pfad("b.wav");
        klicke(WaveAufnahme::ID_VERGLEICH);
        Wellenform& w = d_->wellenform();
        d_->show();
        QTRY_VERIFY(!w.rechnet());
        QCOMPARE(w.markeMs(), 0);
        // One pixel is 1000 ms / 640 columns here; a click lands within two of them.
        const auto nahe = [](qint64 ist, qint64 soll) { return qAbs(ist - soll) <= 4; };
        const auto letzterSprung = [this] {
            return spieler_->aufrufe.filter(QStringLiteral("springe")).last().mid(8).toLongLong();
        };
        const auto klickeBei = [&w](qint64 ms) {
            QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.spalteVon(ms), 120));
        };

        klickeBei(250);
        QVERIFY2(nahe(w.markeMs(), 250), qPrintable(QString::number(w.markeMs())));
        QVERIFY(nahe(letzterSprung(), w.markeMs()));
        klicke(WaveAufnahme::ID_ABSPIELEN);
        QCOMPARE(spieler_->aufrufe.last(), QStringLiteral("spiele"));
        QVERIFY2(nahe(letzterSprung(), 250), "playback starts at the click");

        spieler_->springe(600);
        ticks(1);
        QCOMPARE(w.markeMs(), 600);
        emit spieler_->positionGeaendert(650);
        QCOMPARE(w.markeMs(), 650);
        spieler_->springe(700);
        klicke(WaveAufnahme::ID_STOP);
        emit spieler_->positionGeaendert(0);  // a backend rewinding after the stop
        QCOMPARE(w.markeMs(), 700);

        // Zoomed to 250..750 ms the marker is a green line at its column.
        w.zoome(true);
        QTRY_VERIFY(!w.rechnet());
        const QImage bild = w.grab().toImage();
        const double dpr = bild.devicePixelRatio();  // device pixels at 200 %
        const int x = static_cast<int>(w.spalteVon(700) * dpr);
        int gruen = 0;
        for (int y = static_cast<int>(40 * dpr); y < bild.height() - 20 * dpr; ++y)
            for (int dx = -2; dx <= 2; ++dx) {
                const QRgb c = bild.pixel(std::clamp(x + dx, 0, bild.width() - 1), y);
                gruen += qGreen(c) > 110 && qRed(c) < 60 && qBlue(c) < 110;
            }
        QVERIFY2(gruen > 100 * dpr, qPrintable(QString::number(gruen)));
        // Playback past the range's end turns the page (up to the file's end); scrolled away
        // from the marker, the range stays where the user put it.
        const std::uint64_t seite = w.bis() - w.von();
        klicke(WaveAufnahme::ID_ABSPIELEN);
        emit spieler_->positionGeaendert(760);
        QCOMPARE(w.markeMs(), 760);
        QCOMPARE(w.bis(), w.frames());
        QCOMPARE(w.bis() - w.von(), seite);
        w.verschiebe(-1.0);
        QCOMPARE(w.von(), 0u);
        emit spieler_->positionGeaendert(780);
        QCOMPARE(w.von(), 0u);
        QTRY_VERIFY(!w.rechnet());
        klicke(WaveAufnahme::ID_STOP);

        // Playing from the earlier click, a click in the zoomed lanes jumps; A/B keeps it.
        klicke(WaveAufnahme::ID_ABSPIELEN);
        klickeBei(400);
        QVERIFY(nahe(letzterSprung(), 400));
        const qint64 geklickt = letzterSprung();
        spieler_->aufrufe.clear();
        klicke(WaveAufnahme::ID_AB);
        QCOMPARE(spieler_->aufrufe,
                 (QStringList{"oeffne " + pfad("b.wav"), QStringLiteral("springe %1").arg(geklickt), "spiele"}));
        // Stopped, a click still sets where A/B and the next playback start.
        klicke(WaveAufnahme::ID_STOP);
        klickeBei(300);
        const qint64 halt = letzterSprung();
        QVERIFY(nahe(halt, 300));
        klicke(WaveAufnahme::ID_AB);
        QCOMPARE(spieler_->aufrufe.mid(spieler_->aufrufe.size() - 2),
                 (QStringList{"oeffne " + pfad("a.wav"), QStringLiteral("springe %1").arg(halt)}));
        QCOMPARE(d_->zustand(), Zustand::Geladen);
        QVERIFY(nahe(w.markeMs(), 300));
    }

    // "Als Differenz": B - A of equal formats drawn in red over a pale original; unequal
    // formats say why and draw no difference; the box needs a second file.
    void differenzAnsicht() {
        QVERIFY(schreibeSinusWav(pfad("a.wav"), 500));
        QVERIFY(schreibeSinusWav(pfad("schnell.wav"), 500, 44100));
        QByteArray b = liesDatei(pfad("a.wav"));
        for (qsizetype i = b.indexOf("data") + 8 + 301; i < b.size(); i += 499) b[i] = static_cast<char>(b[i] ^ 0x20);
        QVERIFY(!schreibeDatei(*dir_, "b.wav", b).isEmpty());
        auto* box = d_->findChild<QCheckBox*>(QStringLiteral("id_%1").arg(WaveAufnahme::ID_DIFFERENZ));
        oeffne(pfad("a.wav"));
        QVERIFY(!box->isEnabled());
        Wellenform& w = d_->wellenform();
        d_->show();
        const auto rotePunkte = [&w] {
            const QImage bild = w.grab().toImage();
            const double dpr = bild.devicePixelRatio();
            int rot = 0;
            for (int y = static_cast<int>(40 * dpr); y < bild.height() - 20 * dpr; ++y)
                for (int x = 0; x < bild.width(); ++x)
                    rot += qRed(bild.pixel(x, y)) > 150 && qGreen(bild.pixel(x, y)) < 90;
            return rot;
        };
        for (const char* name : {"b.wav", "schnell.wav"}) {
            dateiwahl_.antworten << pfad(name);
            klicke(WaveAufnahme::ID_VERGLEICH);
            QVERIFY(box->isEnabled());
            box->setChecked(true);
            QVERIFY(w.differenz());
            QTRY_VERIFY(!w.rechnet());
            const bool gleich = QByteArray(name) == "b.wav";
            QCOMPARE(w.hinweis().contains(QStringLiteral("Keine Differenz")), !gleich);
            if (gleich) {
                QVERIFY2(w.hinweis().contains(QStringLiteral("SNR")), qPrintable(w.hinweis()));
                QVERIFY2(rotePunkte() > 30, "the difference is drawn in red");
                QVERIFY(speichereBild(d_.get(), "wave_differenz"));
            } else {
                QVERIFY2(w.hinweis().contains(QStringLiteral("22050 Hz")) &&
                             w.hinweis().contains(QStringLiteral("44100 Hz")),
                         qPrintable(w.hinweis()));
                QCOMPARE(rotePunkte(), 0);
            }
            box->setChecked(false);
            QTRY_VERIFY(!w.rechnet());
        }
    }

    // Real Qt Multimedia: a text file named .wav is refused with the backend's text and
    // the recorder's message; nothing becomes playable.
    void textAlsWaveAbgelehnt() {
        schreibeDatei(*dir_, "kein.wav", QByteArray("Das ist keine Wave-Datei.\n").repeated(20));
        QtWiedergabe echt(true);
        WaveAufnahme d(meldung_, dateiwahl_, echt, *aufnahme_);
        dateiwahl_.antworten << pfad("kein.wav");
        d.findChild<QPushButton*>("id_121")->click();
        QCOMPARE(meldung_.gezeigt.size(), 2);
        QVERIFY(!meldung_.gezeigt[0].text.isEmpty());
        QCOMPARE(meldung_.gezeigt[1].text, QStringLiteral("Öffnen der Datei nicht möglich!"));
        QCOMPARE(aktive(d), LEER);
        QCOMPARE(echt.zustand(), Spielzustand::Geschlossen);
    }
};

QTEST_MAIN(WaveTest)
#include "media_wave_test.moc"
