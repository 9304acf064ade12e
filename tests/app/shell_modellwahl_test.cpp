// The channel-model commands the frame carries out: model choice of both sets,
// "wie Parametersatz", "inaktiv", refresh, "Alle" and printing.

#include <QAbstractButton>
#include <QTest>

#include <memory>

#include "app/kontext/befehle.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "support/modal_skript.h"
#include "support/test_dokument.h"
#include "support/testrahmen.h"

using namespace zor::app;

class ModellwahlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    Hauptfenster* f_ = nullptr;

    Menue& zor() { return f_->menue(MENU_ZOR); }
    zor::ZorState& s() { return f_->zustand(); }
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
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        f_->mainframe_OnCommand(CMD_ZORWERK);
    }
    void cleanup() { r_.reset(); }

    void startwerte() {
        QCOMPARE(s().Modell.M1, 1);
        QCOMPARE(s().Modell.M2, 0);
        QCOMPARE(s().Modell.inaktiv, 0);
        QCOMPARE(haken(0), QList<int>{507});
        QCOMPARE(haken(1), QList<int>{521});
        QVERIFY(zor().istGrau(501) && zor().istGrau(503) && !zor().istGrau(500));
    }

    // The dialog of the chosen model decides; cancelled, nothing about the model changes.
    void direkteWahlSetztDialogpaar_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("paar");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("507") << 507 << 0 << "id_89";
        QTest::newRow("509") << 509 << 0 << "id_91";
        QTest::newRow("516") << 516 << 1 << "id_96";
        QTest::newRow("518") << 518 << 1 << "id_93";
    }
    void direkteWahlSetztDialogpaar() {
        QFETCH(int, id);
        QFETCH(int, paar);
        QFETCH(QString, dialog);
        s().Modell.dialog_init = s().Modell.dialog_exit = 1 - paar;
        ModalSkript skript;
        skript.dann([](QWidget* d) { d->findChild<QAbstractButton*>("id_2")->click(); });
        f_->mainframe_OnCommand(id);
        QCOMPARE(skript.gesehen, QStringList{dialog});
        QCOMPARE(s().Modell.dialog_init, paar);
        QCOMPARE(s().Modell.dialog_exit, paar);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(s().Modell.M1, 1);
        QCOMPARE(haken(0), QList<int>{507});
    }

    void idsOhneEintragTunNichts() {
        for (int id : {514, 274}) f_->mainframe_OnCommand(id);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(s().Modell.M1, 1);
    }

    // Set 1, the only active one, becomes inactive: its clocks restart, saving and
    // printing gray, the multimedia switch follows the open windows, the documents are
    // refreshed once, and the active one removes its cursors (FAV first, then FKF).
    void einzigerAktiverSatzWirdInaktiv() {
        auto* d = new TestDokument(*f_, 'V');
        f_->mdi_Create(d, 159, 126);
        s().Cursor.FAV = s().Cursor.FKF = 1;
        s().Fenster.FF = 1;
        s().FAV_uhr1 = 17;
        s().FKF_uhr1 = 23;
        s().Fenster.aktualisiert = 1;
        f_->mainframe_OnCommand(513);
        QCOMPARE(s().Modell.M1, 0);
        QCOMPARE(s().Modell.inaktiv, 1);
        QCOMPARE(s().FAV_uhr1 + s().FKF_uhr1, 0u);
        QCOMPARE(haken(0), QList<int>{513});
        QVERIFY(zor().istGrau(500) && !f_->werkzeugleiste()->istAktiv(500));
        QVERIFY(zor().istGrau(503) && !f_->werkzeugleiste()->istAktiv(503));
        QVERIFY(zor().istGrau(4058));
        QCOMPARE(d->befehle, (QList<int>{405, 404}));
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(250));
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        // Once more, with the set already inactive: no refresh.
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
        QVERIFY(zor().istGrau(501) && !f_->werkzeugleiste()->istAktiv(501));
        QVERIFY(!zor().istGrau(500));
    }

    // "wie Parametersatz" opens the dialog of the other set's model, runs the file choice
    // for a file-fed one, or makes this set inactive when the other one is inactive.
    void wieParametersatz_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("anderesModell");
        QTest::addColumn<QString>("folge");  // dialog name, "datei", or empty: inactive
        QTest::newRow("511 bei inaktivem Satz 2") << 511 << 0 << "";
        QTest::newRow("511 bei BSC") << 511 << 6 << "id_89";
        QTest::newRow("511 bei SW") << 511 << 9 << "id_93";
        QTest::newRow("511 bei Datei") << 511 << 10 << "datei";
        QTest::newRow("519 bei GE") << 519 << 2 << "id_96";
        QTest::newRow("519 bei MC") << 519 << 3 << "id_91";
        QTest::newRow("519 bei inaktivem Satz 1") << 519 << 0 << "";
    }
    void wieParametersatz() {
        QFETCH(int, id);
        QFETCH(int, anderesModell);
        QFETCH(QString, folge);
        const int satz = id == 511 ? 0 : 1;
        auto& eigenes = satz == 0 ? s().Modell.M1 : s().Modell.M2;
        eigenes = static_cast<std::int16_t>(satz == 0 ? 2 : 7);  // a model, so that becoming inactive shows
        (satz == 0 ? s().Modell.M2 : s().Modell.M1) = static_cast<std::int16_t>(anderesModell);
        ModalSkript skript;
        skript.dann([](QWidget* d) { d->findChild<QAbstractButton*>("id_2")->click(); });
        f_->mainframe_OnCommand(id);
        QCOMPARE(s().Modell.dialog_init, 1 - satz);
        QCOMPARE(s().Modell.dialog_exit, satz);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(r_->dateiwahl.anfragen.size(), folge == "datei" ? 1 : 0);
        if (folge.isEmpty()) {
            QCOMPARE(eigenes, 0);
            QCOMPARE(haken(satz), QList<int>{satz == 0 ? 513 : 521});
        } else {
            if (folge != "datei") QCOMPARE(skript.gesehen, QStringList{folge});
            QCOMPARE(eigenes, satz == 0 ? 2 : 7);
        }
    }

    void aktualisierenNurWennNoetig() {
        f_->mdi_Create(new TestDokument(*f_, 'F'), 149, 141);
        s().Fenster.aktualisiert = 0;
        zor().grau(250, false);
        f_->werkzeugleiste()->setzeAktiv(250, true);
        f_->mainframe_OnCommand(250);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(250) && !f_->werkzeugleiste()->istAktiv(250));
        zor().grau(250, false);
        f_->mainframe_OnCommand(250);
        QVERIFY(!zor().istGrau(250));  // already current: nothing happens
    }

    void alleOeffnetNurFehlende() {
        s().Fenster.FF = s().Fenster.PAR = 1;
        f_->mainframe_OnCommand(253);
        QCOMPARE(s().Fenster.neu, 4);
        QCOMPARE(r_->meldungen(),
                 (QStringList{platzhalter("Fehlerkorrelationsfunktion"), platzhalter("Fehlerabstandsverteilung")}));
        QVERIFY(zor().istGrau(4058));
    }

    // Printing refreshes first; the parameter window (or none) cannot be printed.
    void drucken_data() {
        QTest::addColumn<int>("druckArt");  // -1: no document
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Dokument") << -1 << "Parameterfenster kann nicht ausgedruckt werden!";
        QTest::newRow("PAR") << 0 << "Parameterfenster kann nicht ausgedruckt werden!";
        QTest::newRow("FF") << 1 << platzhalter("Drucken aktives Fenster");
    }
    void drucken() {
        QFETCH(int, druckArt);
        QFETCH(QString, meldung);
        if (druckArt >= 0) f_->mdi_Create(new TestDokument(*f_, 'P', druckArt > 0), 144, 143);
        s().Fenster.aktualisiert = 0;
        f_->mainframe_OnCommand(503);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QCOMPARE(r_->meldungen(), QStringList{meldung});
        if (druckArt <= 0) QCOMPARE(r_->meldung.gezeigt[0].symbol, zor::Symbol::Ausrufezeichen);
    }
};

QTEST_MAIN(ModellwahlTest)
#include "shell_modellwahl_test.moc"
