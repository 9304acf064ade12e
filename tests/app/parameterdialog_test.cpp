// The parameter dialogs of both sets, run through the frame's commands: what they show,
// what they refuse and with which dialog, retry and cancel, what a confirmation stores,
// and the GE->MC result; the panel of derived quantities, the entry by quantities and
// the netem commands.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

#include "app/context/befehle.h"
#include "app/dialogs/netem_dialog.h"
#include "app/dialogs/netem_modul.h"
#include "app/dialogs/zieleingabe.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "core/models/eingaberegeln.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

namespace {

constexpr double KEIN = std::numeric_limits<double>::quiet_NaN();

// A value of the dialog's panel as a number; NaN for "–" or a missing line.
double kennwert(QWidget* d, const char* schluessel) {
    auto* l = d->findChild<QLabel*>(QStringLiteral("kenn_") + QLatin1String(schluessel));
    bool ok = false;
    const double v = l ? l->text().split(QLatin1Char(' ')).first().toDouble(&ok) : 0;
    return ok ? v : KEIN;
}

bool nahe(double ist, double soll) {
    return std::isnan(soll) ? std::isnan(ist) : std::fabs(ist - soll) <= 1e-6 * std::fabs(soll);
}

}  // namespace

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

    // One row per answer and dialog (the entry rules are the core's): a refused entry brings
    // its notice with a line naming the field as labelled and the rule; cancelling it closes
    // everything and stores nothing.
    void ablehnung_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fehlerdialog");  // empty: accepted
        QTest::addColumn<QString>("feldname");
        QTest::addColumn<int>("regel");
        using R = zor::Eingaberegel;
        QTest::newRow("BSC p Komma") << 507 << 306 << "0,5"
                                     << "id_613"
                                     << "Fehlerwahrscheinlichkeit p" << int(R::Komma);
        QTest::newRow("BSC Startwert 10000") << 507 << 305 << "10000"
                                             << "id_612"
                                             << "Startwert Zufallsgenerator SWZ" << int(R::Startwert);
        QTest::newRow("GE p(G|B) 0") << 508 << 309 << "0"
                                     << "id_613"
                                     << "p(G|B) (Übergangswahrscheinlichkeiten)" << int(R::GeUebergangNull);
        QTest::newRow("MC GOOD 0") << 509 << 311 << "0"
                                   << "id_613"
                                   << "Zustand 'GOOD' (Fehlerwahrscheinlichkeiten)" << int(R::McFehlerNull);
        QTest::newRow("SW e3 1.5") << 510 << 336 << "1.5"
                                   << "id_613"
                                   << "Zustand Z3: e3 (Fehlerwahrscheinlichkeiten)" << int(R::UeberEins);
        QTest::newRow("MC q(G|B) 0") << 509 << 309 << "0"
                                     << ""
                                     << "" << 0;
    }
    void ablehnung() {
        QFETCH(int, befehl);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(QString, fehlerdialog);
        QFETCH(QString, feldname);
        QFETCH(int, regel);
        QString hinweis;
        const zor::ZorState vorher = s();
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            tippen(d, feld, text);
            klick(d, ID_BESTAETIGEN);
        });
        if (!fehlerdialog.isEmpty())
            skript.dann([&](QWidget* d) {
                if (QTest::currentDataTag() == QByteArray("BSC p Komma")) speichereBild(d, skaliert("dialog_613"));
                if (auto* l = d->findChild<QLabel*>(QStringLiteral("text"))) hinweis = l->text();
                klick(d, ID_ABBRECHEN);
            });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(skript.gesehen.size(), fehlerdialog.isEmpty() ? 1 : 2);
        if (fehlerdialog.isEmpty()) {
            QCOMPARE(s().Modell.M1, static_cast<int>(befehl - 506));
            return;
        }
        QCOMPARE(skript.gesehen.last(), fehlerdialog);
        const QString zeile =
            QString::fromStdString(zor::feldZeile(feldname.toStdString(), static_cast<zor::Eingaberegel>(regel)));
        QVERIFY2(hinweis.endsWith(QStringLiteral("\n\n") + zeile), qPrintable(hinweis));
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
        QVERIFY(r_->meldung.gezeigt[0].text.contains(QStringLiteral("pZ1 + pZ2 + pZ3 = 1\n\nFeld „pZ1 (")));
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
    // The panel shows the mean error probability of the values the dialog opens with and
    // follows every change of a field; an entry the dialog would refuse shows "–".
    // Expected values are worked by hand from the start values.
    void kenngroessenPanel_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("vorher");
        QTest::addColumn<double>("nachher");
        QTest::newRow("BSC p") << 507 << 306 << "0.25" << 0.1 << 0.25;
        // 1/22; p(G|B) 0.2: 0.01 + 0.39 * 0.01/0.21
        QTest::newRow("GE p(G|B)") << 508 << 309 << "0.2" << 1.0 / 22 << 0.6 / 21;
        // share of BAD eG q(B|G) / (eG q(B|G) + eB q(G|B)) = 0.001/0.041, then 0.001/0.021
        QTest::newRow("MC BAD") << 509 << 312 << "0.2" << 0.1 + 0.3 / 41 << 0.1 + 0.1 / 21;
        // 1 / (pZ1/e1 + pZ2/e2 + pZ3/e3) = 1/42.875, then 1/43.1
        QTest::newRow("SW e3") << 518 << 336 << "0.5" << 1 / 42.875 << 1 / 43.1;
        QTest::newRow("SW Summe falsch") << 518 << 331 << "0.5" << 1 / 42.875 << KEIN;
        QTest::newRow("GE Komma") << 508 << 310 << "0,1" << 1.0 / 22 << KEIN;
    }
    void kenngroessenPanel() {
        QFETCH(int, befehl);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(double, vorher);
        QFETCH(double, nachher);
        double gelesenVorher = 0, gelesenNachher = 0;
        bool hinweis = false;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            gelesenVorher = kennwert(d, "Fehlerwahrscheinlichkeit");
            tippen(d, feld, text);
            gelesenNachher = kennwert(d, "Fehlerwahrscheinlichkeit");
            hinweis = d->findChild<QLabel*>(QStringLiteral("kenn_hinweis"))->isVisibleTo(d);
            klick(d, ID_ABBRECHEN);
        });
        f_->mainframe_OnCommand(befehl);
        QVERIFY2(nahe(gelesenVorher, vorher), qPrintable(QString::number(gelesenVorher, 'g', 10)));
        QVERIFY2(nahe(gelesenNachher, nachher), qPrintable(QString::number(gelesenNachher, 'g', 10)));
        QCOMPARE(hinweis, std::isnan(nachher));
        QVERIFY(r_->meldung.gezeigt.isEmpty());
    }

    // "Nach Kenngrößen": 1 % errors in bursts of 10 bits, BAD errs every other bit, GOOD
    // never: p(G|B) = 0.1, p(B|G) = 0.1 * 0.02/0.98. An impossible mean error probability
    // names its range (at most 10 * 0.5 / 11) beside its field and blocks the transfer.
    void zieleingabe() {
        ModalSkript skript;
        QString meldung, uebergaenge;
        bool gesperrt = false;
        double panel = 0;
        skript.dann([&](QWidget* d) {
            tippen(d, ID_ZIEL_MITTEL, QStringLiteral("0.3"));
            tippen(d, ID_ZIEL_BUENDEL, QStringLiteral("10"));
            tippen(d, ID_ZIEL_BAD, QStringLiteral("0.5"));
            tippen(d, ID_ZIEL_GOOD, QStringLiteral("0"));
            tippen(d, ID_ZIEL_MITTEL, QStringLiteral("0.5"));
            auto* m = d->findChild<QLabel*>(idName(ID_ZIEL_MELDUNG));
            meldung = m->isVisibleTo(d) ? m->text() : QString();
            gesperrt = !knopf(d, ID_ZIEL_UEBERNEHMEN)->isEnabled();
            tippen(d, ID_ZIEL_MITTEL, QStringLiteral("0.01"));
            uebergaenge = anzeige(d, ID_ZIEL_UEBERGAENGE);
            klick(d, ID_ZIEL_UEBERNEHMEN);
            panel = kennwert(d, "Fehlerwahrscheinlichkeit");
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(516);
        QVERIFY2(meldung.contains(QStringLiteral("mittlere Fehlerwahrscheinlichkeit")) &&
                     meldung.contains(QStringLiteral("0.45454")),
                 qPrintable(meldung));
        QVERIFY(gesperrt);
        QVERIFY2(uebergaenge.contains(QStringLiteral("p(G|B) = 0.1,")), qPrintable(uebergaenge));
        QVERIFY(nahe(panel, 0.01));
        const auto& w = s().GEWert2;
        QCOMPARE(w[zor::gemc::Good_From_Bad], 0.1f);
        QVERIFY(nahe(w[zor::gemc::Bad_From_Good], 0.1 * 0.02 / 0.98));
        QCOMPARE(w[zor::gemc::Bad], 0.5f);
        QCOMPARE(w[zor::gemc::Good], 0.0f);
        QCOMPARE(w[zor::gemc::Bad_From_Bad], 0.9f);
        QCOMPARE(int(s().Modell.M2), int(zor::GE2));
    }

    // "Übernehmen" on the quantities the dialog opened with gives back the stored values
    // exactly, not their last digits' noise.
    void zieleUnveraendertUebernommen() {
        const zor::ModellWerte vorher = s().GEWert1;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            klick(d, ID_ZIEL_UEBERNEHMEN);
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(CMD_SATZ1_GE);
        QVERIFY(s().GEWert1 == vorher);
    }

    // A 4-state line is refused in the dialog, which keeps the text; a gemodel line
    // becomes set 1's GE model, and copying gives the line back. A set netem cannot
    // express copies nothing and says why.
    void netem() {
        ModalSkript skript;
        QString meldung, behalten;
        bool offen = false;
        skript.dann([&](QWidget* d) {
            tippen(d, ID_NETEM_ZEILE, QStringLiteral("loss state 1% 2%"));
            klick(d, ID_BESTAETIGEN);
            meldung = anzeige(d, ID_NETEM_MELDUNG);
            behalten = eingabe(d, ID_NETEM_ZEILE)->text();
            offen = d->isVisible();
            tippen(d, ID_NETEM_ZEILE, QStringLiteral("tc qdisc add dev eth0 root netem loss gemodel 2% 20% 60% 0.5%"));
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(CMD_SATZ1_NETEM_LESEN);
        QCOMPARE(skript.gesehen, QStringList{idName(DLG_NETEM)});
        QVERIFY2(meldung.contains(QStringLiteral("loss gemodel")), qPrintable(meldung));
        QCOMPARE(behalten, QStringLiteral("loss state 1% 2%"));
        QVERIFY(offen);
        QCOMPARE(int(s().Modell.M1), int(zor::GE1));
        QVERIFY(zor().hatHaken(508));
        const auto& w = s().GEWert1;
        QCOMPARE(w[zor::gemc::Bad_From_Good], 0.02f);
        QCOMPARE(w[zor::gemc::Good_From_Bad], 0.2f);
        QCOMPARE(w[zor::gemc::Bad], 0.6f);
        QCOMPARE(w[zor::gemc::Good], 0.005f);
        QCOMPARE(w[zor::gemc::Startwert], 3457.0f);

        f_->mainframe_OnCommand(CMD_SATZ1_NETEM_KOPIEREN);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("loss gemodel 2% 20% 60% 0.5%"));
        s().Modell.M2 = zor::SW2;
        f_->mainframe_OnCommand(CMD_SATZ2_NETEM_KOPIEREN);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("loss gemodel 2% 20% 60% 0.5%"));
        QCOMPARE(r_->meldung.gezeigt.size(), 1);
        QVERIFY(r_->meldung.gezeigt[0].text.contains(QStringLiteral("BSC")));
    }
};

QTEST_MAIN(ParameterdialogTest)
#include "parameterdialog_test.moc"
