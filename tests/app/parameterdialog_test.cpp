// The parameter dialogs of both sets, run through the frame's commands: what they show,
// what they refuse and with which dialog, retry and cancel, what a confirmation stores,
// and the GE->MC result.

#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class ParameterdialogTest : public ZorModusTest {
    Q_OBJECT

private slots:
    // Each dialog opens with the title of its target set and the values of its source.
    void oeffnet_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("bild");
        QTest::newRow("BSC Satz 1") << 507 << "id_89" << "Parametersatz 1: BSC-Modell" << 306 << "0.1" << "dialog_bsc";
        QTest::newRow("GE Satz 2") << 516 << "id_96" << "Parametersatz 2: Gilbert-Elliott-Modell" << 309 << "0.4949"
                                   << "dialog_ge";
        QTest::newRow("MC Satz 1") << 509 << "id_91" << "Parametersatz 1: Mc Cullough-Modell" << 312 << "0.4"
                                   << "dialog_mc";
        QTest::newRow("SW Satz 2") << 518 << "id_93" << "Parametersatz 2: SW-Modell" << 331 << "0.1" << "dialog_sw";
    }
    void oeffnet() {
        QFETCH(int, befehl);
        QFETCH(QString, dialog);
        QFETCH(QString, titel);
        QFETCH(int, feld);
        QFETCH(QString, wert);
        QFETCH(QString, bild);
        const zor::ZorState vorher = s();
        QString gelesenerTitel, gelesenerWert;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            gelesenerTitel = d->windowTitle();
            gelesenerWert = eingabe(d, feld)->text();
            QVERIFY(speichereBild(d, skaliert(bild)));
            klick(d, ID_ABBRECHEN);
        });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(skript.gesehen, QStringList{dialog});
        QCOMPARE(gelesenerTitel, titel);
        QCOMPARE(gelesenerWert, wert);
        QCOMPARE(s().Modell.M1, vorher.Modell.M1);
        QCOMPARE(s().Modell.M2, vorher.Modell.M2);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
    }

    // A refused entry brings its dialog; cancelling it closes everything, storing nothing.
    void ablehnung_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fehlerdialog");  // empty: accepted
        QTest::newRow("BSC p 1.0001") << 507 << 306 << "1.0001" << "id_613";
        QTest::newRow("BSC p Komma") << 507 << 306 << "0,5" << "id_613";
        QTest::newRow("BSC p -0") << 507 << 306 << "-0" << "";
        QTest::newRow("BSC Startwert 10000") << 507 << 305 << "10000" << "id_612";
        QTest::newRow("BSC Startwert 12.5") << 507 << 305 << "12.5" << "id_612";
        QTest::newRow("BSC Durchlaeufe 0") << 507 << 304 << "0" << "id_612";
        QTest::newRow("GE p(G|B) 0") << 508 << 309 << "0" << "id_613";
        QTest::newRow("MC q(G|B) 0") << 509 << 309 << "0" << "";
        QTest::newRow("MC Good 0") << 509 << 311 << "0" << "id_613";
        QTest::newRow("SW e2 0") << 510 << 335 << "0" << "id_613";
    }
    void ablehnung() {
        QFETCH(int, befehl);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(QString, fehlerdialog);
        const zor::ZorState vorher = s();
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            tippen(d, feld, text);
            klick(d, ID_BESTAETIGEN);
        });
        if (!fehlerdialog.isEmpty())
            skript.dann([&](QWidget* d) {
                if (QTest::currentDataTag() == QByteArray("BSC p Komma")) speichereBild(d, skaliert("dialog_613"));
                klick(d, ID_ABBRECHEN);
            });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(skript.gesehen.size(), fehlerdialog.isEmpty() ? 1 : 2);
        if (fehlerdialog.isEmpty()) {
            QCOMPARE(s().Modell.M1, static_cast<int>(befehl - 506));
            return;
        }
        QCOMPARE(skript.gesehen.last(), fehlerdialog);
        QCOMPARE(s().Modell.M1, vorher.Modell.M1);
        QCOMPARE(s().BSCWert1, vorher.BSCWert1);
        QCOMPARE(s().GEWert1, vorher.GEWert1);
        QCOMPARE(s().MCWert1, vorher.MCWert1);
        QCOMPARE(s().SWWert1, vorher.SWWert1);
        QCOMPARE(zor().hatHaken(507), true);
    }

    // The number of bits is stored exactly (the array's float would be 123456792) and shown
    // exactly when the dialog opens again.
    void durchlaeufeGenau() {
        ModalSkript skript;
        QString wiedergelesen;
        skript.dann([&](QWidget* d) {
            tippen(d, 304, QStringLiteral("123456789"));
            klick(d, ID_BESTAETIGEN);
        });
        skript.dann([&](QWidget* d) {
            wiedergelesen = eingabe(d, 304)->text();
            klick(d, ID_ABBRECHEN);
        });
        f_->mainframe_OnCommand(507);
        QCOMPARE(zor::durchlaeufe(s(), 0), std::uint64_t{123456789});
        f_->mainframe_OnCommand(507);
        QCOMPARE(wiedergelesen, QStringLiteral("123456789"));
    }

    // The state probabilities must sum to 1; the note offers retry or cancel.
    void zustandssumme() {
        r_->meldung.antworten = {Antwort::Wiederholen, Antwort::Abbrechen};
        ModalSkript skript;
        QString nachWiederholen;
        skript.dann([&](QWidget* d) {
            tippen(d, 331, QStringLiteral("0.5"));
            klick(d, ID_BESTAETIGEN);  // refused, retried: the dialog stays
            nachWiederholen = eingabe(d, 331)->text();
            klick(d, ID_BESTAETIGEN);  // refused again, cancelled
        });
        f_->mainframe_OnCommand(510);
        QCOMPARE(nachWiederholen, QStringLiteral("0.5"));
        QCOMPARE(r_->meldung.gezeigt.size(), 2);
        QCOMPARE(r_->meldung.gezeigt[0].titel, QStringLiteral("Eingabefehler"));
        QVERIFY(r_->meldung.gezeigt[0].text.contains(QStringLiteral("pZ1 + pZ2 + pZ3 = 1")));
        QCOMPARE(r_->meldung.gezeigt[0].knoepfe, Knoepfe::WiederholenAbbrechen);
        QCOMPARE(s().Modell.M1, 1);
        QCOMPARE(s().SWWert1[zor::sw::pZ1], 0.05f);
    }

    // Retry returns to the dialog with every entry as typed; a corrected entry is stored.
    void wiederholenBehaeltEingaben() {
        ModalSkript skript;
        QWidget* dialog = nullptr;
        QString p, startwert;
        skript.dann([&](QWidget* d) {
            dialog = d;
            tippen(d, 305, QStringLiteral("77"));
            tippen(d, 306, QStringLiteral("0,25"));
            klick(d, ID_BESTAETIGEN);
        });
        skript.dann([&](QWidget* d) {
            klick(d, ID_WIEDERHOLEN);
            QTimer::singleShot(0, [&] {
                p = eingabe(dialog, 306)->text();
                startwert = eingabe(dialog, 305)->text();
                tippen(dialog, 306, QStringLiteral("0.25"));
                klick(dialog, ID_BESTAETIGEN);
            });
        });
        f_->mainframe_OnCommand(507);
        QCOMPARE(skript.gesehen, (QStringList{"id_89", "id_613"}));
        QCOMPARE(p, QStringLiteral("0,25"));
        QCOMPARE(startwert, QStringLiteral("77"));
        QCOMPARE(s().BSCWert1, (zor::BscWerte{0.25f, 77, 10000}));
    }

    // Confirming stores into the target set: values with complements, model, marks,
    // stale curves, refresh and printing enabled.
    void wieParametersatz2AufSatz1() {
        s().Modell.M2 = zor::MC2;
        s().Fenster.null = 0;
        s().FAV.ermittelt1 = s().FKF.ermittelt1 = s().FAV.ermittelt2 = 1;
        ModalSkript skript;
        QString titel, good;
        skript.dann([&](QWidget* d) {
            titel = d->windowTitle();
            good = eingabe(d, 311)->text();
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(511);
        QCOMPARE(titel, QStringLiteral("Parametersatz 1: Mc Cullough-Modell"));
        QCOMPARE(good, QStringLiteral("0.0186"));
        QCOMPARE(int(s().Modell.M1), int(zor::MC1));
        QCOMPARE(s().MCWert1, s().MCWert2);
        QCOMPARE(s().FAV.ermittelt1 + s().FKF.ermittelt1, 0);
        QCOMPARE(s().FAV.ermittelt2, 1);
        QCOMPARE(s().Fenster.aktualisiert, 0);
        QVERIFY(!zor().istGrau(250) && f_->werkzeugleiste()->istAktiv(250));
        QVERIFY(!zor().istGrau(503));
        QVERIFY(zor().hatHaken(509) && !zor().hatHaken(507));
        QCOMPARE(s().Modell.inaktiv, 0);
    }

    // "theoretisch" greys the set's save command; a simulation enables it again.
    void theoretischGrautSpeichern() {
        ModalSkript skript;
        bool gesperrt = false;
        skript.dann([&](QWidget* d) {
            klick(d, 300);
            gesperrt = !eingabe(d, 305)->isEnabled() && !eingabe(d, 304)->isEnabled();
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(507);
        QVERIFY(gesperrt);
        QCOMPARE(s().Modell.sim1, 0);
        QVERIFY(zor().istGrau(500) && !f_->werkzeugleiste()->istAktiv(500));
        skript.dann([&](QWidget* d) {
            QVERIFY(knopf(d, 300)->isChecked());
            klick(d, 302);
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(507);
        QCOMPARE(s().Modell.sim1, 1);
        QCOMPARE(s().BSC_simfabs1, 1);
        QVERIFY(!zor().istGrau(500) && f_->werkzeugleiste()->istAktiv(500));
    }

    // The GE dialog with its check box shows the MC equivalent; without one, a note.
    void geNachMc_data() {
        QTest::addColumn<QString>("pGB");
        QTest::addColumn<QString>("pBG");
        QTest::addColumn<QString>("mittel");
        QTest::addColumn<QString>("qG");
        QTest::addColumn<bool>("hinweis");
        QTest::newRow("Startwerte") << "0.1" << "0.01" << "0.04545454" << "0.01855433" << false;
        QTest::newRow("kein MC-Modell") << "0.6" << "0.7" << "0.22" << "—" << true;
    }
    void geNachMc() {
        QFETCH(QString, pGB);
        QFETCH(QString, pBG);
        QFETCH(QString, mittel);
        QFETCH(QString, qG);
        QFETCH(bool, hinweis);
        ModalSkript skript;
        QString gelesenMittel, gelesenQG, dauer;
        bool mitHinweis = false;
        skript.dann([&](QWidget* d) {
            tippen(d, 309, pGB);
            tippen(d, 310, pBG);
            klick(d, 315);
            klick(d, ID_BESTAETIGEN);
        });
        skript.dann([&](QWidget* d) {
            gelesenMittel = anzeige(d, 4140);
            gelesenQG = anzeige(d, 4135);
            dauer = anzeige(d, 4139);
            mitHinweis = d->findChild<QLabel*>(idName(4145)) != nullptr;
            speichereBild(d, skaliert(hinweis ? "dialog_610_ohne_mc" : "dialog_610"));
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(508);
        QCOMPARE(skript.gesehen, (QStringList{"id_96", "id_610"}));
        QCOMPARE(gelesenMittel, mittel);
        QCOMPARE(gelesenQG, qG);
        QCOMPARE(mitHinweis, hinweis);
        if (!hinweis) QCOMPARE(dauer, QStringLiteral("8.090909"));
        QCOMPARE(s().gemc1, 1);
        QCOMPARE(int(s().Modell.M1), int(zor::GE1));
    }
};

QTEST_MAIN(ParameterdialogTest)
#include "parameterdialog_test.moc"
