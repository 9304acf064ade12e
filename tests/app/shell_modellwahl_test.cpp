// The channel-model commands the frame carries out: model choice of both sets,
// "wie Parametersatz", "inaktiv", refresh, "Alle" and printing.

#include <QMdiArea>
#include <QTest>

#include "shell/befehle.h"
#include "shell/hauptfenster.h"
#include "shell/menue.h"
#include "shell/werkzeugleiste.h"
#include "support/aufzeichnende_meldung.h"
#include "support/skriptierte_dateiwahl.h"
#include "support/test_dokument.h"

using namespace zor::app;

namespace {
const QString PLATZHALTER = QStringLiteral("Die Funktion „%1“ ist noch nicht verfügbar.");
const QString TITEL = QStringLiteral("Multimedia und Zorwerk");
}  // namespace

class ModellwahlTest : public QObject {
    Q_OBJECT

    AufzeichnendeMeldung* meldung_ = nullptr;
    SkriptierteDateiwahl* dateiwahl_ = nullptr;
    Hauptfenster* f_ = nullptr;

    Menue& zor() { return f_->menue(MENU_ZOR); }
    zor::ZorState& s() { return f_->zustand(); }
    QStringList meldungen() const {
        QStringList l;
        for (const auto& m : meldung_->gezeigt) l << m.text;
        return l;
    }
    // The checked model items of a set's submenu.
    QList<int> haken(int satz) {
        QList<int> l;
        const int erster = satz == 0 ? 507 : 515;
        for (int id = erster; id <= erster + 6; ++id)
            if (zor().hatHaken(id)) l << id;
        return l;
    }

private slots:
    void init() {
        meldung_ = new AufzeichnendeMeldung;
        dateiwahl_ = new SkriptierteDateiwahl;
        f_ = new Hauptfenster(*meldung_, *dateiwahl_);
        f_->mainframe_OnCommand(CMD_ZORWERK);
    }
    void cleanup() {
        delete f_;
        delete dateiwahl_;
        delete meldung_;
    }

    void startwerte() {
        QCOMPARE(s().Modell.M1, 1);
        QCOMPARE(s().Modell.M2, 0);
        QCOMPARE(s().Modell.inaktiv, 0);
        QCOMPARE(haken(0), QList<int>{507});
        QCOMPARE(haken(1), QList<int>{521});
        QVERIFY(zor().istGrau(501));
        QVERIFY(zor().istGrau(503));
        QVERIFY(!zor().istGrau(500));
    }

    void direkteWahlSetztDialogpaar_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("paar");
        QTest::addColumn<QString>("name");
        QTest::newRow("507") << 507 << 0 << "BSC";
        QTest::newRow("508") << 508 << 0 << "Gilbert-Elliott";
        QTest::newRow("509") << 509 << 0 << "Mc Cullough";
        QTest::newRow("515") << 515 << 1 << "BSC";
        QTest::newRow("516") << 516 << 1 << "Gilbert-Elliott";
        QTest::newRow("517") << 517 << 1 << "Mc Cullough";
    }
    void direkteWahlSetztDialogpaar() {
        QFETCH(int, id);
        QFETCH(int, paar);
        QFETCH(QString, name);
        s().Modell.dialog_init = 1 - paar;
        s().Modell.dialog_exit = 1 - paar;
        f_->mainframe_OnCommand(id);
        QCOMPARE(s().Modell.dialog_init, paar);
        QCOMPARE(s().Modell.dialog_exit, paar);
        QCOMPARE(meldungen(), QStringList{PLATZHALTER.arg(name)});
        // The dialog decides; until then nothing about the model changes.
        QCOMPARE(s().Modell.M1, 1);
        QCOMPARE(haken(0), QList<int>{507});
    }

    void idsOhneEintragTunNichts() {
        for (int id : {510, 518, 274}) f_->mainframe_OnCommand(id);
        QVERIFY(meldung_->gezeigt.isEmpty());
        QCOMPARE(s().Modell.M1, 1);
    }

    void einzigerAktiverSatzWirdInaktiv() {
        s().FAV_uhr1 = 17;
        s().FKF_uhr1 = 23;
        s().Fenster.aktualisiert = 1;
        const auto bsc = s().BSCWert1;
        f_->mainframe_OnCommand(513);
        QCOMPARE(s().Modell.M1, 0);
        QCOMPARE(s().Modell.inaktiv, 1);
        QCOMPARE(s().FAV_uhr1, 0u);
        QCOMPARE(s().FKF_uhr1, 0u);
        QCOMPARE(haken(0), QList<int>{513});
        QVERIFY(zor().istGrau(500));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(500));
        QVERIFY(zor().istGrau(503));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(503));
        // The refresh ran: documents are current and 250 is gray again.
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(250));
        QVERIFY(s().BSCWert1 == bsc);
        QVERIFY(meldung_->gezeigt.isEmpty());
    }

    void schonInaktiverSatzAktualisiertNicht() {
        f_->mainframe_OnCommand(513);
        s().Fenster.aktualisiert = 0;
        zor().grau(250, false);
        f_->mainframe_OnCommand(513);
        QCOMPARE(s().Fenster.aktualisiert, 0);
        QVERIFY(!zor().istGrau(250));
    }

    void zweiterSatzInaktivNebenAktivemErsten() {
        s().Modell.M2 = 7;
        zor().haken(521, false);
        zor().haken(516, true);
        zor().grau(501, false);
        f_->werkzeugleiste()->setzeAktiv(501, true);
        f_->mainframe_OnCommand(521);
        QCOMPARE(s().Modell.M2, 0);
        QCOMPARE(s().Modell.inaktiv, 0);
        QCOMPARE(haken(1), QList<int>{521});
        QCOMPARE(haken(0), QList<int>{507});
        QVERIFY(zor().istGrau(501));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(501));
        QVERIFY(!zor().istGrau(500));
    }

    // With set 1 already inactive, making set 2 inactive grays printing and removes
    // the measurement cursors (FAV first, then FKF) through the active document.
    void zweiterSatzNachErstemEntferntCursor() {
        auto* d = new TestDokument('V');
        f_->mdi_Create(d, 159, 126);
        s().Modell.M2 = 6;
        f_->mainframe_OnCommand(513);
        QCOMPARE(s().Modell.inaktiv, 0);
        zor().grau(503, false);
        s().Cursor.FAV = 1;
        s().Cursor.FKF = 1;
        f_->mainframe_OnCommand(521);
        QCOMPARE(s().Modell.inaktiv, 1);
        QVERIFY(zor().istGrau(503));
        QCOMPARE(d->befehle, (QList<int>{405, 404}));
    }

    void wieParametersatz_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("andererSatz");
        QTest::addColumn<int>("anderesModell");
        QTest::addColumn<QString>("platzhalter");  // empty: the set becomes inactive
        QTest::newRow("511 bei inaktivem Satz 2") << 511 << 1 << 0 << "";
        QTest::newRow("511 bei BSC") << 511 << 1 << 6 << "BSC";
        QTest::newRow("511 bei GE") << 511 << 1 << 7 << "Gilbert-Elliott";
        QTest::newRow("511 bei MC") << 511 << 1 << 8 << "Mc Cullough";
        QTest::newRow("511 bei SW") << 511 << 1 << 9 << "";
        QTest::newRow("511 bei Datei") << 511 << 1 << 10 << "aus Datei";
        QTest::newRow("519 bei BSC") << 519 << 0 << 1 << "BSC";
        QTest::newRow("519 bei GE") << 519 << 0 << 2 << "Gilbert-Elliott";
        QTest::newRow("519 bei Datei") << 519 << 0 << 5 << "aus Datei";
        QTest::newRow("519 bei inaktivem Satz 1") << 519 << 0 << 0 << "";
    }
    void wieParametersatz() {
        QFETCH(int, id);
        QFETCH(int, andererSatz);
        QFETCH(int, anderesModell);
        QFETCH(QString, platzhalter);
        const int satz = 1 - andererSatz;
        // Give this set a model so that becoming inactive is visible.
        (satz == 0 ? s().Modell.M1 : s().Modell.M2) = static_cast<std::int16_t>(satz == 0 ? 2 : 7);
        (andererSatz == 0 ? s().Modell.M1 : s().Modell.M2) = static_cast<std::int16_t>(anderesModell);
        f_->mainframe_OnCommand(id);
        QCOMPARE(s().Modell.dialog_init, andererSatz);
        QCOMPARE(s().Modell.dialog_exit, satz);
        const int eigenes = satz == 0 ? s().Modell.M1 : s().Modell.M2;
        if (platzhalter.isEmpty()) {
            QVERIFY(meldung_->gezeigt.isEmpty());
            QCOMPARE(eigenes, 0);
            QCOMPARE(haken(satz), QList<int>{satz == 0 ? 513 : 521});
        } else {
            QCOMPARE(meldungen(), QStringList{PLATZHALTER.arg(platzhalter)});
            QCOMPARE(eigenes, satz == 0 ? 2 : 7);
        }
    }

    void aktualisierenNurWennNoetig() {
        auto* d = new TestDokument('F');
        f_->mdi_Create(d, 149, 141);
        s().Fenster.aktualisiert = 0;
        zor().grau(250, false);
        f_->werkzeugleiste()->setzeAktiv(250, true);
        f_->mainframe_OnCommand(250);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(250));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(250));
        zor().grau(250, false);
        f_->mainframe_OnCommand(250);
        QVERIFY(!zor().istGrau(250));  // already current: nothing happens
    }

    void alleOeffnetNurFehlende() {
        s().Fenster.FF = 1;
        s().Fenster.PAR = 1;
        f_->mainframe_OnCommand(253);
        QCOMPARE(s().Fenster.neu, 4);
        QCOMPARE(meldungen(), (QStringList{PLATZHALTER.arg("Fehlerkorrelationsfunktion"),
                                           PLATZHALTER.arg("Fehlerabstandsverteilung")}));
        QVERIFY(zor().istGrau(4058));
    }

    void drucken_data() {
        QTest::addColumn<int>("druckArt");  // -1: no document
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Dokument") << -1 << "Parameterfenster kann nicht ausgedruckt werden!";
        QTest::newRow("PAR") << 0 << "Parameterfenster kann nicht ausgedruckt werden!";
        QTest::newRow("FF") << 1 << PLATZHALTER.arg("Drucken aktives Fenster");
        QTest::newRow("FAV") << 3 << PLATZHALTER.arg("Drucken aktives Fenster");
    }
    void drucken() {
        QFETCH(int, druckArt);
        QFETCH(QString, meldung);
        if (druckArt >= 0) f_->mdi_Create(new TestDokument('P', druckArt), 144, 143);
        s().Fenster.aktualisiert = 0;
        f_->mainframe_OnCommand(503);
        QCOMPARE(s().Fenster.aktualisiert, 1);  // refreshed first
        QCOMPARE(meldungen(), QStringList{meldung});
        if (druckArt <= 0) {
            QCOMPARE(meldung_->gezeigt[0].titel, TITEL);
            QCOMPARE(meldung_->gezeigt[0].symbol, Symbol::Ausrufezeichen);
        }
    }
};

QTEST_MAIN(ModellwahlTest)
#include "shell_modellwahl_test.moc"
