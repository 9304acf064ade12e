// The MIDI information dialog: list entries, reading files, the kept text, the message on
// failure, and the command that opens it.

#include <QFile>
#include <QListView>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <unistd.h>

#include "app/context/befehle.h"
#include "app/media/medienfilter.h"
#include "app/media/midi_dialog.h"
#include "app/media/midi_modul.h"
#include "core/media/midi.h"
#include "support/gui_hilfen.h"
#include "support/testrahmen.h"

using namespace zor::app;

namespace {

const QString MIDI = QStringLiteral(ZOR_TESTDATEN "/midi/");

// The listing zor midi gives for a sample, as the dialog's entries.
QStringList erwartet(const QString& stamm, const QString& datei) {
    QFile f(MIDI + stamm + ".txt");
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(0, text.indexOf('\n'), QStringLiteral("MIDI FILE:\t\t ") + datei);
    return listenZeilen(text);
}

// The process's resident memory in MB.
double residentMB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> felder = statm.readAll().split(' ');
    return felder.size() > 1 ? felder[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : 0;
}

}  // namespace

class MidiDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;

private slots:
    void init() { r_ = std::make_unique<TestRahmen>(); }
    void cleanup() { r_.reset(); }

    void listenZeilenTeilenUndRuecken_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("Zeilenvorschübe") << "a\n\n\nb\n" << QStringList{"a", "b"};
        QTest::newRow("Tabulatoren") << "NOTE ON:\t\t note 1\nTEMPO:\t\t\t 5\n"
                                     << QStringList{"NOTE ON:" + QString(16, ' ') + " note 1", "TEMPO:" + QString(18, ' ') + " 5"};
        const QString lang(600, QLatin1Char('x'));
        QTest::newRow("über 256 Zeichen") << lang + "\n" << QStringList{lang.left(256), lang.mid(256, 256), lang.mid(512)};
        QTest::newRow("leer") << QString() << QStringList{};
    }
    void listenZeilenTeilenUndRuecken() {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        QCOMPARE(listenZeilen(text), zeilen);
    }

    void zeigtDieZeilenWieZorMidiUndBehaeltSie() {
        std::shared_ptr<zor::MidiListe> behalten;
        const QString datei = MIDI + "format0_running_status.mid";
        {
            MidiDialog d(r_->f, behalten);
            QVERIFY(d.eintraege().isEmpty());
            d.lies(datei);
            QCOMPARE(d.eintraege(), QStringList{datei} + erwartet("format0_running_status", datei));
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QVERIFY(speichereBild(&d, QStringLiteral("midi_dialog")));
        }
        // The next opening shows the kept text; a failed reading keeps it and says so.
        MidiDialog d(r_->f, behalten);
        QCOMPARE(d.eintraege(), erwartet("format0_running_status", datei));
        d.lies(MIDI + "not_a_midi_file.mid");
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        QCOMPARE(r_->meldung.gezeigt[0].text, QStringLiteral("Fehler beim Lesen der Datei!"));
        QCOMPARE(r_->meldung.gezeigt[0].titel, QStringLiteral("Message"));
        QCOMPARE(r_->meldung.gezeigt[0].symbol, zor::Symbol::Information);
        QCOMPARE(d.eintraege().last(), MIDI + "not_a_midi_file.mid");
        QCOMPARE(MidiDialog(r_->f, behalten).eintraege(), erwartet("format0_running_status", datei));
    }

    void oeffnenFragtNachDerDatei() {
        std::shared_ptr<zor::MidiListe> behalten;
        MidiDialog d(r_->f, behalten);
        auto* oeffnen = d.findChild<QAction*>(QStringLiteral("id_4152"));
        QVERIFY(oeffnen);
        QCOMPARE(oeffnen->text(), QStringLiteral("&Öffnen"));
        oeffnen->trigger();  // cancelled: nothing happens
        QVERIFY(d.eintraege().isEmpty());
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        const Dateianfrage a = r_->dateiwahl.anfragen.last();
        QCOMPARE(a.titel, QStringLiteral("Datei Öffnen"));
        QCOMPARE(a.vorschlag, QStringLiteral("*.MID"));
        QCOMPARE(a.satz, &SATZ_MIDI);
        r_->dateiwahl.antworten << MIDI + "meta_text_over_256_bytes.mid";
        oeffnen->trigger();
        QCOMPARE(d.eintraege().size(), 1 + 4 + 1 + 2 + 1 + 1 + 1);  // name, header, bar, text in two, note, end, bar
    }

    // A 20 MB file of running-status notes (seven million events) lists within 200 MB of
    // resident memory, and closing the dialog gives back all but the kept listing's marks.
    void grosseDateiMitWenigSpeicher() {
        QTemporaryDir dir;
        const QString datei = dir.filePath(QStringLiteral("laufstatus.mid"));
        constexpr std::uint32_t EREIGNISSE = 7'000'000;
        {
            QByteArray spur("\x00\x90\x3C\x40", 4);
            spur.reserve(3 * EREIGNISSE + 8);
            for (std::uint32_t i = 1; i < EREIGNISSE; ++i) spur.append(QByteArray::fromRawData("\x00\x3C\x40", 3));
            spur.append(QByteArray("\x00\xFF\x2F\x00", 4));
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const auto n = static_cast<quint32>(spur.size());
            const char laenge[4] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
            f.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk", 18) + QByteArray(laenge, 4) + spur);
        }
        std::shared_ptr<zor::MidiListe> behalten;
        const double vorher = residentMB();
        {
            MidiDialog d(r_->f, behalten);
            d.lies(datei);
            d.show();
            auto* liste = d.findChild<QListView*>(QStringLiteral("id_4151"));
            liste->scrollToBottom();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            const int zeilen = liste->model()->rowCount();
            QCOMPARE(zeilen, 2 + 4 + int(EREIGNISSE) + 2);  // name, file line, header and bar, notes, end, bar
            QCOMPARE(liste->model()->index(zeilen - 2, 0).data().toString(), QStringLiteral("END OF TRACK"));
            QVERIFY2(residentMB() - vorher < 200, qPrintable(QString::number(residentMB() - vorher)));
        }
        speicherZurueckgeben();  // as command 541 does once the dialog has closed
        QVERIFY2(residentMB() - vorher < 20, qPrintable(QString::number(residentMB() - vorher)));
        QVERIFY(r_->meldung.gezeigt.isEmpty());
    }

    void befehl541ZeigtDenDialog() {
        r_->f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r_->f));
        bool gesehen = false;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            gesehen = d && d->windowTitle() == QStringLiteral("MIDI-Informationen") && d->findChild<QListView*>("id_4151") &&
                      d->findChild<QMenuBar*>("id_542");
            if (d) d->findChild<QWidget*>("id_131")->metaObject()->invokeMethod(d->findChild<QWidget*>("id_131"), "click");
        });
        r_->f.mainframe_OnCommand(CMD_MIDI);
        QVERIFY(gesehen);
    }
};

QTEST_MAIN(MidiDialogTest)
#include "midi_dialog_test.moc"
