// Experiments from the menu, the command line and the last session: saved and opened
// again they give the same exports; a damaged file changes nothing.

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/context/befehle.h"
#include "app/context/texte.h"
#include "app/documents/dokumentarten.h"
#include "app/documents/modelldokument.h"
#include "app/shell/programm.h"
#include "app/shell/versuch_modul.h"
#include "core/documents/anordnung.h"
#include "core/versuch/versuch.h"
#include "support/gui_hilfen.h"
#include "support/testrahmen.h"

using namespace zor::app;
using zor::Modellart;

namespace {

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Set 1 of the row's model with a seed and N of its own, set 2 a GE simulation.
void zustandSetzen(zor::ZorState& s, Modellart art, const QString& quelle) {
    s.Modell.M1 = static_cast<std::int16_t>(zor::modellId(art, 0));
    s.Modell.M2 = static_cast<std::int16_t>(zor::modellId(Modellart::GE, 1));
    s.Modell.sim1 = s.Modell.sim2 = 1;
    s.BSCWert1[zor::bsc::p] = 0.03f;
    s.BSCWert1[zor::bsc::Startwert] = 4711;
    s.GEWert1[zor::gemc::Startwert] = s.MCWert1[zor::gemc::Startwert] = 815;
    s.SWWert1[zor::sw::Startwert] = 99;
    s.GEWert2[zor::gemc::Startwert] = 1234;
    if (art == Modellart::Datei)
        s.Datei1 = {1, QFileInfo(quelle).size(), quelle.toStdString()};
    else
        zor::durchlaeufeSetzen(s, art, 0, 30000);
    zor::durchlaeufeSetzen(s, Modellart::GE, 1, 20000);
    zor::ungueltigMachen(s, 0);
    zor::ungueltigMachen(s, 1);
}

// The documents size themselves to the frame's area, and FF shows as many bits as fit.
void zeige(TestRahmen& r) {
    r.f.resize(1280, 800);
    r.f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.f));
}

// The program's own exports of FF (text), FAV and FKF (CSV) and PAR (picture).
QMap<QString, QByteArray> exporte(TestRahmen& r, const QString& ordner) {
    const struct {
        int oeffnen;
        const char* datei;
    } ziele[] = {{CMD_OEFFNEN_FF, "ff.txt"},
                 {CMD_OEFFNEN_FAV, "fav.csv"},
                 {CMD_OEFFNEN_FKF, "fkf.csv"},
                 {CMD_OEFFNEN_PAR, "par.png"}};
    QMap<QString, QByteArray> l;
    QDir().mkpath(ordner);
    for (const auto& z : ziele) {
        r.f.mainframe_OnCommand(z.oeffnen);  // an open document only becomes the active one
        const QString pfad = ordner + QLatin1Char('/') + QString::fromLatin1(z.datei);
        r.dateiwahl.antworten << pfad;
        BeimZeigen groesse(QStringLiteral("exportgroesse"), [](QWidget* w) {
            w->findChild<QSpinBox*>(QStringLiteral("breite"))->setValue(640);
            w->findChild<QSpinBox*>(QStringLiteral("hoehe"))->setValue(400);
        });
        if (pfad.endsWith(QStringLiteral(".png")))
            beantworteModal(QStringLiteral("exportgroesse"), QStringLiteral("ok"));
        r.f.mainframe_OnCommand(CMD_EXPORTIEREN);
        if (!warteAufJob(r.f)) return {};
        l.insert(QString::fromLatin1(z.datei), lies(pfad));
    }
    return l;
}

}  // namespace

class VersuchTest : public QObject {
    Q_OBJECT

private slots:
    void speichernUndOeffnenGibtGleicheExporte_data() {
        QTest::addColumn<int>("modell");
        QTest::newRow("bsc") << int(Modellart::BSC);
        QTest::newRow("ge") << int(Modellart::GE);
        QTest::newRow("mc") << int(Modellart::MC);
        QTest::newRow("dreizustand") << int(Modellart::SW);
        QTest::newRow("dateiquelle") << int(Modellart::Datei);
    }
    void speichernUndOeffnenGibtGleicheExporte() {
        QFETCH(int, modell);
        QTemporaryDir dir;
        const QString quelle = dir.filePath(QStringLiteral("quelle.ffo"));
        QFile q(quelle);
        QVERIFY(q.open(QIODevice::WriteOnly));
        for (int i = 0; i < 400; ++i) q.write(i % 7 == 0 || i % 13 == 0 ? "1" : "0");
        q.close();

        TestRahmen r;
        zeige(r);
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        zustandSetzen(r.f.zustand(), static_cast<Modellart>(modell), quelle);
        // Not the table's order: the order of opening is kept.
        for (int id : {CMD_OEFFNEN_PAR, CMD_OEFFNEN_FAV, CMD_OEFFNEN_FKF, CMD_OEFFNEN_FF}) r.f.mainframe_OnCommand(id);
        QVERIFY(warteAufJob(r.f));
        QCOMPARE(VersuchModul::offeneDokumente(r.f), std::string("pvkf"));
        const auto vorher = exporte(r, dir.filePath(QStringLiteral("vorher")));
        QCOMPARE(vorher.size(), 4);
        for (auto it = vorher.begin(); it != vorher.end(); ++it)
            QVERIFY2(!it->isEmpty(), qPrintable(it.key() + QLatin1Char(' ') + r.meldungen().join('\n')));

        const QString versuch = dir.filePath(QStringLiteral("v.zorversuch"));
        r.dateiwahl.antworten << versuch;
        r.f.mainframe_OnCommand(CMD_VERSUCH_SPEICHERN);
        QVERIFY(QFile::exists(versuch));

        // Another model, seed and arrangement meanwhile.
        r.f.mainframe_OnCommand(CMD_SCHLIESSEN_FF);
        zor::ZorState& s = r.f.zustand();
        s.Modell.M1 = zor::BSC1;
        s.BSCWert1[zor::bsc::Startwert] = 1;
        zor::ungueltigMachen(s, 0);
        verarbeiteLoeschungen();

        r.dateiwahl.antworten << versuch;
        r.f.mainframe_OnCommand(CMD_VERSUCH_OEFFNEN);
        QVERIFY(warteAufJob(r.f));
        verarbeiteLoeschungen();
        QVERIFY2(r.meldungen().isEmpty(), qPrintable(r.meldungen().join('\n')));
        QCOMPARE(VersuchModul::offeneDokumente(r.f), std::string("pvkf"));
        const auto nachher = exporte(r, dir.filePath(QStringLiteral("nachher")));
        for (auto it = vorher.begin(); it != vorher.end(); ++it)
            QVERIFY2(nachher.value(it.key()) == *it, qPrintable(it.key()));
    }

    // "Tabellenkalkulation (deutsch)" writes the same numbers as the plain CSV, with ';'
    // between the fields and the decimal comma.
    void csvFuerTabellenkalkulation() {
        QTemporaryDir dir;
        TestRahmen r;
        zeige(r);
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        zustandSetzen(r.f.zustand(), Modellart::GE, {});
        r.f.mainframe_OnCommand(CMD_OEFFNEN_FKF);
        QVERIFY(warteAufJob(r.f));
        const QString schlicht = dir.filePath(QStringLiteral("schlicht.csv")),
                      deutsch = dir.filePath(QStringLiteral("deutsch.csv"));
        r.dateiwahl.antworten << schlicht << deutsch;
        r.dateiwahl.filterAntworten << QStringLiteral("CSV-Tabelle (*.csv)") << QString::fromUtf8(FILTER_CSV_DEUTSCH);
        for (int i = 0; i < 2; ++i) {
            r.f.mainframe_OnCommand(CMD_EXPORTIEREN);
            QVERIFY(warteAufJob(r.f));
        }
        QVERIFY(filterListe(SATZ_EXPORT_BILD_CSV, Richtung::Speichern).contains(QString::fromUtf8(FILTER_CSV_DEUTSCH)));
        const QStringList a = QString::fromUtf8(lies(schlicht)).split('\n', Qt::SkipEmptyParts);
        const QStringList b = QString::fromUtf8(lies(deutsch)).split('\n', Qt::SkipEmptyParts);
        QVERIFY(a.size() > 10);
        QCOMPARE(b.size(), a.size());
        QCOMPARE(b.front(), QString(a.front()).replace(',', ';'));
        for (qsizetype i = 1; i < a.size(); ++i) {
            const QStringList fa = a[i].split(','), fb = b[i].split(';');
            QCOMPARE(fb.size(), fa.size());
            for (qsizetype j = 0; j < fa.size(); ++j) {
                QVERIFY2(!fb[j].contains('.'), qPrintable(b[i]));
                bool ok = false;
                const double x = QLocale(QLocale::German).toDouble(fb[j], &ok);
                QVERIFY2(ok || fb[j].isEmpty(), qPrintable(b[i]));
                QCOMPARE(x, fa[j].toDouble());
            }
        }
    }

    // A file cut short is refused with its reason; the state and the windows stay.
    void beschaedigteDateiAendertNichts() {
        QTemporaryDir dir;
        TestRahmen r;
        r.f.mainframe_OnCommand(CMD_ZORWERK);
        zustandSetzen(r.f.zustand(), Modellart::GE, {});
        r.f.mainframe_OnCommand(CMD_OEFFNEN_FAV);
        QVERIFY(warteAufJob(r.f));
        const QString pfad = dir.filePath(QStringLiteral("kaputt.zorversuch"));
        QVERIFY(VersuchModul::sichern(r.f, pfad));
        QByteArray text = lies(pfad);
        text.chop(text.size() - text.lastIndexOf("[ende]"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.replace("ge.pgg=", "ge.pgg=x"));
        f.close();

        const std::string vorher = zor::versuchSchreiben(r.f.zustand(), "");
        QMdiSubWindow* fav = r.f.mdi()->activeSubWindow();
        r.dateiwahl.antworten << pfad;
        r.f.mainframe_OnCommand(CMD_VERSUCH_OEFFNEN);
        verarbeiteLoeschungen();
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY2(r.meldungen().front().contains(QStringLiteral("Versuchsdatei")), qPrintable(r.meldungen().front()));
        QCOMPARE(zor::versuchSchreiben(r.f.zustand(), ""), vorher);
        QCOMPARE(r.f.mdi()->subWindowList().size(), 1);
        QCOMPARE(r.f.mdi()->subWindowList().front(), fav);
    }

    // From the command line or a later start: the experiment is applied in the channel-model
    // mode, with its notes on keys this version does not know shown once.
    void startdateiWirdAngewendet() {
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("aufgabe.zorversuch"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("zorversuch=1\n[satz1]\nmodell=mc\nmc.startwert=31\nmc.farbe=rot\n[dokumente]\noffen=kp\n[ende]\n");
        f.close();
        TestRahmen r;
        startdateienOeffnen(r.f, {pfad});
        QVERIFY(warteAufJob(r.f));
        QCOMPARE(r.f.modus(), Hauptfenster::Modus::Zor);
        QCOMPARE(int(r.f.zustand().Modell.M1), int(zor::MC1));
        QCOMPARE(VersuchModul::offeneDokumente(r.f), std::string("kp"));
        QCOMPARE(r.meldungen().size(), 1);
        QVERIFY2(r.meldungen().front().contains(QStringLiteral("mc.farbe")), qPrintable(r.meldungen().front()));
    }

    // The state on exit comes back at the next start if the user wants it; a state as at
    // start leaves nothing to ask about.
    void letzteSitzung() {
        QFile::remove(VersuchModul::letzterVersuch());
        {
            TestRahmen r;
            r.f.mainframe_OnCommand(CMD_ZORWERK);
            QVERIFY(VersuchModul::letztenSichern(r.f));
            QVERIFY(!QFile::exists(VersuchModul::letzterVersuch()));
            zustandSetzen(r.f.zustand(), Modellart::SW, {});
            r.f.mainframe_OnCommand(CMD_OEFFNEN_PAR);
            QVERIFY(VersuchModul::letztenSichern(r.f));
            QVERIFY(QFile::exists(VersuchModul::letzterVersuch()));
        }
        TestRahmen nein;
        nein.meldung.antworten << Antwort::Nein;
        VersuchModul::letztenAnbieten(nein.f);
        QCOMPARE(nein.meldungen(), QStringList{text(TEXT_LETZTER_VERSUCH_FRAGE)});
        QCOMPARE(int(nein.f.zustand().Modell.M1), int(zor::startZustand().Modell.M1));

        TestRahmen ja;
        ja.meldung.antworten << Antwort::Ja;
        VersuchModul::letztenAnbieten(ja.f);
        QVERIFY(warteAufJob(ja.f));
        QCOMPARE(int(ja.f.zustand().Modell.M1), int(zor::SW1));
        QCOMPARE(VersuchModul::offeneDokumente(ja.f), std::string("p"));
        QFile::remove(VersuchModul::letzterVersuch());
    }
};

QTEST_MAIN(VersuchTest)
#include "versuch_test.moc"
