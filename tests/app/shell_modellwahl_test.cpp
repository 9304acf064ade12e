// The channel-model commands the frame carries out: model choice of both sets,
// "wie Parametersatz", "inaktiv", refresh, "Alle" and printing.

#include <QAbstractButton>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/documents/dokumentarten.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "support/modal_skript.h"
#include "support/test_dokument.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class ModellwahlTest : public ZorModusTest {
    Q_OBJECT

    // The checked model items of a set's submenu.
    QList<int> haken(int satz) {
        QList<int> l;
        const int erster = satz == 0 ? CMD_SATZ1_BSC : CMD_SATZ2_BSC;
        for (int id = erster; id <= erster + 6; ++id)
            if (zor().hatHaken(id)) l << id;
        return l;
    }

private slots:
    // The dialog of the chosen model decides; cancelled, nothing about the model changes.
    void direkteWahlSetztDialogpaar_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("paar");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Satz 1 BSC") << int(CMD_SATZ1_BSC) << 0 << "id_89";
        QTest::newRow("Satz 2 GE") << int(CMD_SATZ2_GE) << 1 << "id_96";
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
        QCOMPARE(haken(0), QList<int>{CMD_SATZ1_BSC});
    }

    void idsOhneEintragTunNichts() {
        for (int id : {514, int(CMD_INFO_PROGRAMM)}) f_->mainframe_OnCommand(id);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(s().Modell.M1, 1);
    }

    // Set 1, the only active one, becomes inactive: its clocks restart, the documents are
    // refreshed once, the cursors are removed, and menu and toolbar show the new state.
    void einzigerAktiverSatzWirdInaktiv() {
        auto* d = new TestDokument(*f_);
        f_->mdi_Create(d);
        s().Cursor.FAV = s().Cursor.FKF = 1;
        s().Fenster.FF = 1;
        s().FAV_uhr1 = 17;
        s().FKF_uhr1 = 23;
        s().Fenster.aktualisiert = 1;
        f_->mainframe_OnCommand(CMD_SATZ1_INAKTIV);
        QCOMPARE(s().Modell.M1, 0);
        QCOMPARE(s().Modell.inaktiv, 1);
        QCOMPARE(s().FAV_uhr1 + s().FKF_uhr1, 0u);
        QCOMPARE(haken(0), QList<int>{CMD_SATZ1_INAKTIV});
        QVERIFY(zor().istGrau(CMD_SPEICHERN_SATZ1) && !f_->werkzeugleiste()->istAktiv(CMD_SPEICHERN_SATZ1));
        QVERIFY(zor().istGrau(CMD_MULTIMEDIA));
        // The cursor commands go to the curve documents, not the active one; without
        // them the cursors are simply off.
        QVERIFY(d->befehle.isEmpty());
        QCOMPARE(s().Cursor.FAV + s().Cursor.FKF, 0);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        // Once more, with the set already inactive: no refresh.
        s().Fenster.aktualisiert = 0;
        f_->mainframe_OnCommand(CMD_SATZ1_INAKTIV);
        QCOMPARE(s().Fenster.aktualisiert, 0);
    }

    void zweiterSatzInaktivNebenAktivemErsten() {
        s().Modell.M2 = 7;
        f_->mainframe_OnCommand(CMD_SATZ2_INAKTIV);
        QCOMPARE(s().Modell.M2, 0);
        QCOMPARE(s().Modell.inaktiv, 0);
        QCOMPARE(haken(1), QList<int>{CMD_SATZ2_INAKTIV});
    }

    // "wie Parametersatz" opens the dialog of the other set's model, runs the file choice
    // for a file-fed one, or makes this set inactive when the other one is inactive.
    void wieParametersatz_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("anderesModell");
        QTest::addColumn<QString>("folge");  // dialog name, "datei", or empty: inactive
        QTest::newRow("Satz 1 wie Satz 2 bei inaktivem Satz 2") << int(CMD_SATZ1_WIE_SATZ2) << 0 << "";
        QTest::newRow("Satz 1 wie Satz 2 bei Datei") << int(CMD_SATZ1_WIE_SATZ2) << 10 << "datei";
        QTest::newRow("Satz 2 wie Satz 1 bei GE") << int(CMD_SATZ2_WIE_SATZ1) << 2 << "id_96";
    }
    void wieParametersatz() {
        QFETCH(int, id);
        QFETCH(int, anderesModell);
        QFETCH(QString, folge);
        const int satz = id == CMD_SATZ1_WIE_SATZ2 ? 0 : 1;
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
            QCOMPARE(haken(satz), QList<int>{satz == 0 ? CMD_SATZ1_INAKTIV : CMD_SATZ2_INAKTIV});
        } else {
            if (folge != "datei") QCOMPARE(skript.gesehen, QStringList{folge});
            QCOMPARE(eigenes, satz == 0 ? 2 : 7);
        }
    }

    // The documents repaint once; refreshed, the command is grayed in menu and toolbar.
    void aktualisieren() {
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        s().Fenster.aktualisiert = 0;
        f_->befehleAbgleichen();
        QVERIFY(!zor().istGrau(CMD_AKTUALISIEREN) && f_->werkzeugleiste()->istAktiv(CMD_AKTUALISIEREN));
        f_->mainframe_OnCommand(CMD_AKTUALISIEREN);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QVERIFY(zor().istGrau(CMD_AKTUALISIEREN) && !f_->werkzeugleiste()->istAktiv(CMD_AKTUALISIEREN));
    }

    void alleOeffnetNurFehlende() {
        s().Fenster.FF = s().Fenster.PAR = 1;
        f_->mainframe_OnCommand(CMD_OEFFNEN_ALLE);
        const int arten = static_cast<int>(modellDokumentarten().size());
        QCOMPARE(s().Fenster.neu, arten);
        QVERIFY(r_->meldungen().isEmpty());
        QCOMPARE(s().Fenster.FKF + s().Fenster.FAV, 2);
        QCOMPARE(f_->mdi()->subWindowList().size(), arten - 2);
        QVERIFY(zor().istGrau(CMD_MULTIMEDIA));
    }

    // Printing refreshes first, even when nothing printable is open (the refusals and
    // the PDF file are the printing tests' business).
    void druckenAktualisiertZuerst() {
        s().Fenster.aktualisiert = 0;
        f_->mainframe_OnCommand(CMD_DRUCKEN);
        QCOMPARE(s().Fenster.aktualisiert, 1);
        QCOMPARE(r_->meldungen(), QStringList{"Parameterfenster kann nicht ausgedruckt werden!"});
    }
};

QTEST_MAIN(ModellwahlTest)
#include "shell_modellwahl_test.moc"
