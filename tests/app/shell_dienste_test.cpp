// The shared services: progress window 608, notices 534/611/612/613, warning sound,
// file-chooser filter sets, help pages and the single instance.

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "platform/dateiwahl.h"
#include "platform/einzelinstanz.h"
#include "platform/hilfefenster.h"
#include "platform/warnton.h"
#include "shell/fortschrittsfenster.h"
#include "shell/hinweise.h"
#include "platform/ressourcen.h"
#include "shell/werkzeugleiste.h"
#include "support/gui_hilfen.h"

using namespace zor::app;

namespace {

// Counts paint events of a widget.
class Malzaehler : public QObject {
public:
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

QString textVon(QWidget* d, const QString& name) { return d->findChild<QLabel*>(name)->text(); }

}  // namespace

class DiensteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ladeRessourcen(); }

    // Each step shows at once, without the event loop: the job owns the UI thread.
    void fortschrittZeigtJedenSchritt() {
        Fortschrittsfenster f;
        f.start("folge.FFO", "wird erstellt!");
        QVERIFY(f.isVisible());
        QCOMPARE(textVon(&f, "id_4124"), QStringLiteral("folge.FFO"));
        QCOMPARE(textVon(&f, "id_4129"), QStringLiteral("wird erstellt!"));
        QCOMPARE(f.findChild<QProgressBar*>("id_4127")->maximum(), 101);
        Malzaehler zaehler;
        f.findChild<QLabel*>("id_4123")->installEventFilter(&zaehler);
        for (int k = 1; k <= 101; ++k) {
            const int vorher = zaehler.anzahl;
            f.step(k);
            QCOMPARE(f.balken(), k);
            QCOMPARE(f.prozent(), QString::number(std::min(k, 100)));
            QVERIFY2(zaehler.anzahl > vorher, qPrintable(QString::number(k)));
            if (k == 42) speichereBild(&f, "dialog_608");
        }
        QCOMPARE(f.prozent(), QStringLiteral("100"));
        QCOMPARE(f.balken(), 101);
        f.end();
        QVERIFY(!f.isVisible());
    }

    void fortschrittOhneStatusBehaeltStatus() {
        Fortschrittsfenster f;
        f.start("a", "");
        QCOMPARE(textVon(&f, "id_4129"), QStringLiteral("wird erstellt!"));
        f.end();
    }

    void hinweise_data() {
        QTest::addColumn<int>("vorlage");
        QTest::addColumn<QString>("knopf");  // empty: Escape
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("zeilen");
        const QString z612 = "1. Startwert kann ganzzahlige Werte\nzwischen 1 und 9999 annehmen!\n"
                             "2. Simulationsdurchlauf muß > 0 sein!\n(nur ZOR)";
        const QString z613 = "unzuläßige Eingabe!\nmögliche Fehler:\n1. Wert >1\n2. Wert < 0\n"
                             "3. Komma wurde verwendet\n4. Übergänge = 0 (GE-Modell)";
        const QString z534 = "Alle Multimedia-Dokumente\nwerden geschloßen!\nfortfahren?";
        const QString z611 = "Zuerst müssen die Dokumente\naktualisiert werden!";
        QTest::newRow("534 ja") << 534 << "id_6" << 1 << "Ihre Entscheidung" << z534;
        QTest::newRow("534 nein") << 534 << "id_7" << 0 << "Ihre Entscheidung" << z534;
        QTest::newRow("611 ok") << 611 << "id_131" << 1 << "Aufforderung" << z611;
        QTest::newRow("611 Escape") << 611 << "" << 1 << "Aufforderung" << z611;
        QTest::newRow("612 wiederholen") << 612 << "id_4" << 1 << "Eingabefehler" << z612;
        QTest::newRow("612 abbrechen") << 612 << "id_2" << 0 << "Eingabefehler" << z612;
        QTest::newRow("612 Escape") << 612 << "" << 0 << "Eingabefehler" << z612;
        QTest::newRow("613 wiederholen") << 613 << "id_4" << 1 << "Eingabefehler" << z613;
        QTest::newRow("613 abbrechen") << 613 << "id_2" << 0 << "Eingabefehler" << z613;
    }
    void hinweise() {
        QFETCH(int, vorlage);
        QFETCH(QString, knopf);
        QFETCH(int, ergebnis);
        QFETCH(QString, titel);
        QFETCH(QString, zeilen);
        Hinweisdialog d(vorlage);
        d.show();
        QCOMPARE(d.windowTitle(), titel);
        QCOMPARE(textVon(&d, "text"), zeilen);
        speichereBild(&d, QStringLiteral("dialog_%1").arg(vorlage));
        if (knopf.isEmpty())
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.findChild<QPushButton*>(knopf)->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), ergebnis);
    }

    // Return presses the default button: retry for 612 and 613, yes for 534.
    void vorgabeKnopf_data() {
        QTest::addColumn<int>("vorlage");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("534") << 534 << 1;
        QTest::newRow("612") << 612 << 1;
        QTest::newRow("613") << 613 << 1;
    }
    void vorgabeKnopf() {
        QFETCH(int, vorlage);
        QFETCH(int, ergebnis);
        Hinweisdialog d(vorlage);
        d.show();
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.result(), ergebnis);
    }

    void modaleAufrufe() {
        beantworteModal("id_612", "id_2");
        QCOMPARE(StartFehlerDialog(nullptr), 0);
        beantworteModal("id_613", "id_4");
        QCOMPARE(EingabeFehlerDialog(nullptr), 1);
        beantworteModal("id_611", "id_131");
        QCOMPARE(AufforderungDialog(nullptr), 1);
        Warnton ton;
        beantworteModal("id_613", "id_2");
        QCOMPARE(EingabeAbgelehnt(613, ton, nullptr), 0);
        beantworteModal("id_612", "id_4");
        QCOMPARE(EingabeAbgelehnt(612, ton, nullptr), 1);
    }

    // All 27 toolbar images exist and render at 1x and 2x; a sheet of them for review.
    void werkzeugbilder() {
        QPixmap blatt(NUMIMAGES * 52, 80);
        blatt.fill(Qt::white);
        QPainter p(&blatt);
        for (int i = 0; i < NUMIMAGES; ++i) {
            const QIcon icon = knopfBild(i);
            QVERIFY2(!icon.isNull(), qPrintable(QString::number(i)));
            const QImage klein = icon.pixmap(24, 24).toImage();
            QVERIFY(klein.width() == 24);
            p.drawPixmap(i * 52 + 14, 4, icon.pixmap(24, 24));
            p.drawPixmap(i * 52 + 2, 30, icon.pixmap(48, 48));
        }
        p.end();
        QLabel bild;
        bild.setPixmap(blatt);
        bild.resize(blatt.size());
        speichereBild(&bild, "werkzeugbilder");
    }

    void warnton() {
        Warnton t;
        QCOMPARE(t.PlayTheResourceWave(WARNTON), 1);
        QCOMPARE(t.PlayTheResourceWave("999"), 0);
        // The sound itself: 8-bit mono PCM at 11025 samples/s, about 0.8 s.
        QFile f(":/sounds/101.wav");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray w = f.readAll();
        QVERIFY(w.startsWith("RIFF") && w.mid(8, 4) == "WAVE");
        auto u16 = [&w](int i) { return quint8(w[i]) | quint8(w[i + 1]) << 8; };
        auto u32 = [&](int i) { return quint32(u16(i)) | quint32(u16(i + 2)) << 16; };
        QCOMPARE(u16(20), 1);        // PCM
        QCOMPARE(u16(22), 1);        // mono
        QCOMPARE(u32(24), 11025u);
        QCOMPARE(u16(34), 8);
        const double sekunden = u32(40) / 11025.0;
        QVERIFY(sekunden > 0.6 && sekunden < 1.0);
    }

    void filtersaetze_data() {
        QTest::addColumn<int>("satz");
        QTest::addColumn<bool>("speichern");
        QTest::addColumn<QStringList>("filter");
        QTest::addColumn<QString>("endung");
        const QStringList ffoFab{"Fehlerfolge (*.FFO)", "Fehlerabstand (*.FAB)"};
        const QStringList bmp{"Bitmaps (*.BMP)", "Alle Dateien (*)"};
        QTest::newRow("1 öffnen") << 1 << false << ffoFab << "FFO";
        QTest::newRow("1 speichern") << 1 << true << ffoFab << "FFO";
        QTest::newRow("2") << 2 << false << QStringList{"Fehlerabstand (*.FAB)"} << "FAB";
        QTest::newRow("3 öffnen") << 3 << false << QStringList{"Vergleich (*.VGL)"} << "VGL";
        QTest::newRow("3 speichern") << 3 << true << bmp << "BMP";
        QTest::newRow("4 öffnen") << 4 << false << bmp << "BMP";
        QTest::newRow("4 speichern") << 4 << true
                                     << QStringList{"Bitmaps (*.BMP)", "All files (*)", "GIF files (*.GIF)",
                                                    "AVI files (*.AVI)", "WAVE files (*.WAV)"}
                                     << "BMP";
        QTest::newRow("5 öffnen") << 5 << false << bmp << "BMP";
        QTest::newRow("5 speichern") << 5 << true << QStringList{"Vergleich (*.VGL)"} << "VGL";
        QTest::newRow("unbekannt") << 9 << false << QStringList{} << "";
    }
    void filtersaetze() {
        QFETCH(int, satz);
        QFETCH(bool, speichern);
        QFETCH(QStringList, filter);
        QFETCH(QString, endung);
        const Richtung r = speichern ? Richtung::Speichern : Richtung::Oeffnen;
        QCOMPARE(filterSatz(satz, r), filter);
        QCOMPARE(vorgabeEndung(satz, r), endung);
    }

    void hilfedateien() {
        for (const char* name : {"VOZAD.hlp", "revid.hlp", "revid_the_neu.hlp", "kan_vor.hlp", "kan_dur.hlp",
                                 "kan_inf.hlp", "about.hlp"})
            QVERIFY2(!hilfeSeite(name).isEmpty(), name);
        QVERIFY(hilfeSeite("gibtsnicht.hlp").isEmpty());
        Hilfefenster h;
        QVERIFY(!h.zeige("gibtsnicht.hlp"));
        QVERIFY(h.zeige("kan_inf.hlp", 275));
        QVERIFY(h.toPlainText().contains(QStringLiteral("Über andere Lehr-Software")));
    }

    void zweiteInstanzHoltErsteNachVorn() {
        const QString name = QStringLiteral("zorwerk-test-%1").arg(QCoreApplication::applicationPid());
        Einzelinstanz erste(name);
        QVERIFY(erste.erste());
        QSignalSpy vorn(&erste, &Einzelinstanz::nachVorn);
        Einzelinstanz zweite(name);
        QVERIFY(!zweite.erste());
        QVERIFY(vorn.wait(2000));
    }

    void verwaisterSocketStoertNicht() {
        const QString name = QStringLiteral("zorwerk-test-alt-%1").arg(QCoreApplication::applicationPid());
        {
            Einzelinstanz alt(name);
            QVERIFY(alt.erste());
        }
        Einzelinstanz neu(name);
        QVERIFY(neu.erste());
    }
};

QTEST_MAIN(DiensteTest)
#include "shell_dienste_test.moc"
