// The shared services: progress window 608, notices 534/611/612/613, warning sound,
// toolbar images, file-chooser filter sets, help pages, the single instance and signals.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include <csignal>
#include <new>

#include "app/context/befehle.h"
#include "app/context/verzeichnis.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/anwendung.h"
#include "app/platform/bildschirmpassung.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/einzelinstanz.h"
#include "app/platform/hilfefenster.h"
#include "app/platform/hinweise.h"
#include "app/platform/ressourcen.h"
#include "app/platform/warnton.h"
#include "app/shell/fortschrittsfenster.h"
#include "app/shell/module.h"
#include "app/shell/werkzeugleiste.h"
#include "support/gui_hilfen.h"

using namespace zor::app;

namespace {

// An object whose every event asks for more memory than there is.
class Speicherfresser : public QObject {
public:
    bool event(QEvent*) override { throw std::bad_alloc(); }
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
        // Painting needs the window system to have exposed the window; the window itself
        // no longer waits for that by running the event loop.
        QVERIFY(QTest::qWaitForWindowExposed(&f));
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
            if (k == 42) QVERIFY(speichereBild(&f, "dialog_608"));
        }
        f.end();
        QVERIFY(!f.isVisible());
        // An empty status keeps the one shown.
        f.start("a", "");
        QCOMPARE(textVon(&f, "id_4129"), QStringLiteral("wird erstellt!"));
    }

    // Exact texts, and the result of each way out; Return takes the default button.
    // Retry and cancel of 612 and 613 come through the modal calls below.
    void hinweise_data() {
        QTest::addColumn<int>("vorlage");
        QTest::addColumn<QString>("knopf");  // a button, or a key: "Escape", "Return"
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("534 Return") << int(DLG_ENTSCHEIDUNG) << "Return" << 1;
        QTest::newRow("534 nein") << int(DLG_ENTSCHEIDUNG) << "id_7" << 0;
        QTest::newRow("611 Escape") << int(DLG_AUFFORDERUNG) << "Escape" << 1;
        QTest::newRow("612 Escape") << int(DLG_STARTFEHLER) << "Escape" << 0;
        QTest::newRow("613 Return") << int(DLG_EINGABEFEHLER) << "Return" << 1;
    }
    void hinweise() {
        QFETCH(int, vorlage);
        QFETCH(QString, knopf);
        QFETCH(int, ergebnis);
        const QMap<int, QStringList> texte = {
            {DLG_ENTSCHEIDUNG, {"Ihre Entscheidung", "Alle Multimedia-Dokumente\nwerden geschlossen!\nfortfahren?"}},
            {DLG_AUFFORDERUNG, {"Aufforderung", "Zuerst müssen die Dokumente\naktualisiert werden!"}},
            {DLG_STARTFEHLER, {"Eingabefehler", "1. Startwert kann ganzzahlige Werte\nzwischen 1 und 9999 annehmen!\n"
                                    "2. Simulationsdurchlauf muss > 0 sein!\n(nur ZOR)"}},
            {DLG_EINGABEFEHLER, {"Eingabefehler", "unzulässige Eingabe!\nmögliche Fehler:\n1. Wert >1\n2. Wert < 0\n"
                                    "3. Komma wurde verwendet\n4. Übergänge = 0 (GE-Modell)"}},
        };
        Hinweisdialog d(vorlage);
        d.show();
        QCOMPARE((QStringList{d.windowTitle(), textVon(&d, "text")}), texte[vorlage]);
        QVERIFY(speichereBild(&d, QStringLiteral("dialog_%1").arg(vorlage)));
        if (knopf == "Escape" || knopf == "Return")
            QTest::keyClick(&d, knopf == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        else
            d.findChild<QPushButton*>(knopf)->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), ergebnis);
    }

    // The modal calls: retry is 1, cancel 0; a rejected input also sounds the warning.
    void modaleAufrufe() {
        beantworteModal("id_612", "id_2");
        QCOMPARE(StartFehlerDialog(nullptr), 0);
        beantworteModal("id_613", "id_4");
        QCOMPARE(EingabeFehlerDialog(nullptr), 1);
        beantworteModal("id_611", "id_131");
        QCOMPARE(AufforderungDialog(nullptr), 1);
        Warnton ton;
        beantworteModal("id_613", "id_2");
        QCOMPARE(EingabeAbgelehnt(DLG_EINGABEFEHLER, ton, nullptr), 0);
        beantworteModal("id_612", "id_4");
        QCOMPARE(EingabeAbgelehnt(DLG_STARTFEHLER, ton, nullptr), 1);
    }

    // Every toolbar button's image exists and renders at 1x and 2x.
    void werkzeugbilder() {
        const Verzeichnis v(alleModule());
        for (const Knopfplatz& k : v.knopfplaetze()) {
            if (!k.bild) continue;
            const QIcon icon = knopfBild(k.bild);
            QVERIFY2(!icon.isNull() && icon.pixmap(24, 24).width() == 24 && icon.pixmap(48, 48).width() == 48, k.bild);
        }
    }

    // Played from the resources; the sound is 8-bit mono PCM at 11025 samples/s, < 1 s.
    void warnton() {
        Warnton t;
        QCOMPARE(t.PlayTheResourceWave(WARNTON), 1);
        QCOMPARE(t.PlayTheResourceWave("999"), 0);
        QFile f(":/sounds/101.wav");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray w = f.readAll();
        QVERIFY(w.startsWith("RIFF") && w.mid(8, 4) == "WAVE");
        auto u16 = [&w](int i) { return quint8(w[i]) | quint8(w[i + 1]) << 8; };
        QCOMPARE((QList<int>{u16(20), u16(22), u16(24), u16(26), u16(34)}), (QList<int>{1, 1, 11025, 0, 8}));
        QVERIFY(u16(42) == 0 && u16(40) > 0.6 * 11025 && u16(40) < 11025);
    }

    // A set without save filters saves with its open ones; the image formats join the
    // bitmaps for opening only; the default extension is the first filter's.
    void filtersaetze() {
        const Filtersatz satz{"Test", {"Bitmaps (*.bmp *.BMP)", "Alle Dateien (*)"}, {}, true};
        QCOMPARE(filterListe(satz, Richtung::Speichern), (QStringList{"Bitmaps (*.bmp *.BMP)", "Alle Dateien (*)"}));
        const QStringList oeffnen = filterListe(satz, Richtung::Oeffnen);
        QCOMPARE(oeffnen.size(), 3);
        QVERIFY(oeffnen[1].startsWith(QStringLiteral("Bilder (")) && oeffnen[1].contains(QStringLiteral("*.png")));
        QVERIFY(!oeffnen[1].contains(QStringLiteral("*.bmp ")));
        QCOMPARE(vorgabeEndung(satz, Richtung::Speichern), QStringLiteral("BMP"));
        QCOMPARE(vorgabeEndung(Filtersatz{"leer"}, Richtung::Oeffnen), QString());
    }

    // A missing help file is reported; a context number picks its place on the page.
    void hilfedateien() {
        Hilfefenster h;
        QVERIFY(!h.zeige("gibtsnicht.hlp"));
        QVERIFY(h.zeige("kan_inf.hlp", 275));
        QVERIFY(h.toPlainText().contains(QStringLiteral("Über andere Lehr-Software")));
    }

    // A socket left behind by an ended first instance does not block the next start.
    void verwaisterSocketStoertNicht() {
        const QString name = QStringLiteral("zorwerk-test-alt-%1").arg(QCoreApplication::applicationPid());
        {
            Einzelinstanz alt(name);
            QVERIFY(alt.erste());
        }
        Einzelinstanz neu(name);
        QVERIFY(neu.erste());
    }

    // A dialog taller than the screen scrolls its content and keeps its buttons on screen.
    void dialogPasstAufDenBildschirm() {
        QDialog d;
        auto* l = new QVBoxLayout(&d);
        auto* hoch = new QLabel(QStringLiteral("Inhalt"));
        const QRect frei = d.screen()->availableGeometry();
        hoch->setMinimumSize(200, frei.height() * 2);
        l->addWidget(hoch);
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        l->addWidget(knoepfe);
        Bildschirmpassung passung;
        qApp->installEventFilter(&passung);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        qApp->removeEventFilter(&passung);
        QVERIFY(d.findChild<QScrollArea*>() != nullptr);
        QVERIFY(frei.contains(d.geometry()));
        const QRect k(knoepfe->mapTo(&d, QPoint(0, 0)), knoepfe->size());
        QVERIFY(d.rect().contains(k));
        QVERIFY(knoepfe->isVisible());
    }

    // The program takes signals as zor does: a file-size limit's signal does not end it
    // (a save then fails with its reason), TERM still does.
    void signaleWieZor() {
        const QString benutzer = QStringLiteral("signale-%1").arg(QCoreApplication::applicationPid());
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("USER"), benutzer);  // its own single-instance name
        programm.setProcessEnvironment(umgebung);
        programm.start(QStringLiteral(ZOR_ZORWERK), {});
        QVERIFY(programm.waitForStarted());
        // Up once its single-instance server answers.
        QLocalSocket laeuft;
        QTRY_VERIFY_WITH_TIMEOUT((laeuft.connectToServer(QStringLiteral("zorwerk-") + benutzer), laeuft.waitForConnected(100)),
                                 30000);
        ::kill(static_cast<pid_t>(programm.processId()), SIGXFSZ);
        QVERIFY(!programm.waitForFinished(1000));
        ::kill(static_cast<pid_t>(programm.processId()), SIGTERM);
        QVERIFY(programm.waitForFinished(10000));
        QCOMPARE(programm.exitStatus(), QProcess::CrashExit);
    }

    // An allocation that fails in an event handler ends that handler with the message,
    // and the program goes on with its next event.
    void speichermangelImHandlerWirdGemeldet() {
        auto* app = qobject_cast<Anwendung*>(QCoreApplication::instance());
        QVERIFY(app);
        int gemeldet = 0;
        app->setzeSpeichermangelMeldung([&gemeldet] { ++gemeldet; });
        Speicherfresser fresser;
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&fresser, &e);
        QCOMPARE(gemeldet, 1);
        QCoreApplication::sendEvent(&fresser, &e);
        QCOMPARE(gemeldet, 2);

        // The same on the worker of a background job: it ends as a cancelled one, a
        // continuation waiting for a result is not called, and the program goes on.
        Fortschrittsfenster anzeige;
        Hintergrund h(anzeige);
        int abgebrochen = 0, ergebnisse = 0;
        const auto fressen = [](zor::Fortschritt&) -> int { throw std::bad_alloc(); };
        QVERIFY(h.starten(nullptr, {"Job"}, [&](zor::Fortschritt& f) { fressen(f); }, [&](bool a) { abgebrochen += a; }));
        QTRY_VERIFY(!h.laeuft());
        QVERIFY(h.starten<int>(nullptr, {"Job"}, fressen, [&](int) { ++ergebnisse; }));
        QTRY_VERIFY(!h.laeuft());
        QCOMPARE(gemeldet, 4);
        QCOMPARE(abgebrochen, 1);
        QCOMPARE(ergebnisse, 0);
        QVERIFY(h.starten<int>(nullptr, {"Job"}, [](zor::Fortschritt&) { return 7; }, [&](int r) { ergebnisse += r; }));
        QTRY_COMPARE(ergebnisse, 7);
        app->setzeSpeichermangelMeldung({});
    }
};

// The test runs in the program's own application object.
int main(int argc, char** argv) {
    Anwendung app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    DiensteTest t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}
#include "shell_dienste_test.moc"
