// The options dialogs of the FAV and FKF documents through commands 228 and 229: what
// they show, refused entries with retry and cancel, the band option, and the wiring of
// their controls and of the cursor afterwards to the rules in the core.

#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "core/models/eingaberegeln.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/testrahmen.h"
#include "support/zor_modus_test.h"

using namespace zor::app;

class OptionenTest : public ZorModusTest {
    Q_OBJECT

private slots:
    void oeffnenMitDenOptionen_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("bild");
        QTest::newRow("FAV") << 228 << "id_95" << "Optionen für Fenster Fehlerabstandsverteilung" << "dialog_95";
        QTest::newRow("FKF") << 229 << "id_98" << "Optionen für Fenster Fehlerkorrelationsfunktion" << "dialog_98";
    }
    void oeffnenMitDenOptionen() {
        QFETCH(int, befehl);
        QFETCH(QString, dialog);
        QFETCH(QString, titel);
        QFETCH(QString, bild);
        s().FKF_defbereich = 70;
        s().FAV_xlindef = 30;
        s().FKF_wertneg = s().FAV_wertneg = 1e-7f;
        s().FKF.ordinate = s().FAV.ordinate = 0;
        QString t, abszisse, a1, a2;
        bool logAktiv = false;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            t = d->windowTitle();
            abszisse = eingabe(d, 319)->text();
            a1 = eingabe(d, 320)->text();
            a2 = eingabe(d, 321)->text();
            logAktiv = knopf(d, 318)->isChecked() && eingabe(d, 320)->isEnabled();
            QVERIFY(speichereBild(d, skaliert(bild)));
            tippen(d, 319, QStringLiteral("99"));
            klick(d, ID_ABBRECHEN);
        });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(skript.gesehen, QStringList{dialog});
        QCOMPARE(t, titel);
        QCOMPARE(abszisse, QString(befehl == 228 ? "30" : "70"));
        QCOMPARE(a1, QStringLiteral("7"));
        QCOMPARE(a2, QStringLiteral("0"));
        QVERIFY(logAktiv);
        QCOMPARE(s().FKF_defbereich, 70);  // cancel applies nothing
        QCOMPARE(s().FAV_xlindef, 30);
    }

    // A refused entry: its message, and under it the field as the dialog labels it and the
    // rule; retry keeps the entries, cancel applies nothing.
    void fehleingabe_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldungAnfang");
        QTest::addColumn<QString>("feldname");
        QTest::addColumn<int>("regel");
        QTest::newRow("FKF Abszisse 20.5") << 229 << 319 << "20.5" << zor::TEXT_FEHLEINGABE_ABSZISSE
                                           << "Skalierung Abszisse von 0 bis" << int(zor::Eingaberegel::Abszisse);
        QTest::newRow("FAV a1 = a2") << 228 << 321 << "5" << zor::TEXT_FEHLEINGABE_ORDINATE
                                     << "Skalierung Ordinate: logarithmisch von 1e-"
                                     << int(zor::Eingaberegel::DekadenFolge);
        QTest::newRow("FAV Abszisse 101")
            << 228 << 319 << "101" << zor::TEXT_FEHLEINGABE_ABSZISSE << "Skalierung Abszisse: linear von 0 bis"
            << int(zor::Eingaberegel::Abszisse);
        QTest::newRow("FKF a2 10") << 229 << 321 << "10" << zor::TEXT_FEHLEINGABE_ORDINATE
                                   << "Skalierung Ordinate: bis 1e-" << int(zor::Eingaberegel::DekadeOben);
    }
    void fehleingabe() {
        QFETCH(int, befehl);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(QString, meldungAnfang);
        QFETCH(QString, feldname);
        QFETCH(int, regel);
        r_->meldung.antworten = {Antwort::Wiederholen, Antwort::Abbrechen};
        QString nachWiederholen;
        ModalSkript skript;
        skript.dann([&](QWidget* d) {
            klick(d, 315);
            tippen(d, feld, text);
            klick(d, ID_BESTAETIGEN);
            nachWiederholen = eingabe(d, feld)->text();
            klick(d, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(nachWiederholen, text);
        QCOMPARE(r_->meldung.gezeigt.size(), 2);
        const auto& m = r_->meldung.gezeigt.first();
        const QString zeile =
            QString::fromStdString(zor::feldZeile(feldname.toStdString(), static_cast<zor::Eingaberegel>(regel)));
        QCOMPARE(m.text, meldungAnfang + QStringLiteral("\n\n") + zeile);
        QCOMPARE(m.titel, QStringLiteral("Optionen"));
        QCOMPARE(m.symbol, zor::Symbol::Stopp);
        QCOMPARE(m.knoepfe, Knoepfe::WiederholenAbbrechen);
        QCOMPARE(s().Cursor.FAVon + s().Cursor.FKFon, 0);
        QCOMPARE(s().FKF_defbereich, 50);
    }

    // The dialog's controls reach the rules: a logarithmic abscissa takes the cursor box
    // and the abscissa's end away; afterwards the open document removes the cursor the
    // rule says goes (core/documents/optionsregeln.h), and the position starts at 0.
    void danachEntferntDasDokumentDenCursor_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("oeffnen");
        QTest::addColumn<int>("steuerung");  // 315 switches the cursor off, 323 the linear abscissa
        QTest::newRow("FAV logarithmisch") << int(CMD_FAV_OPTIONEN) << int(CMD_OEFFNEN_FAV) << 323;
        QTest::newRow("FKF ohne Cursor") << int(CMD_FKF_OPTIONEN) << int(CMD_OEFFNEN_FKF) << 315;
    }
    void danachEntferntDasDokumentDenCursor() {
        QFETCH(int, befehl);
        QFETCH(int, oeffnen);
        QFETCH(int, steuerung);
        f_->mainframe_OnCommand(oeffnen);
        s().Cursor = {1, 1, 1, 1};
        s().FAV_xpos = 17;
        s().FKF_xpos = 9;
        bool cursorGesperrt = false;
        ModalSkript skript;
        skript.dann([&](QWidget* dlg) {
            klick(dlg, steuerung);
            cursorGesperrt = !knopf(dlg, 315)->isEnabled() && !eingabe(dlg, 319)->isEnabled();
            klick(dlg, 324);  // band on: drawn from the curves as they are
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(befehl);
        const bool fav = befehl == CMD_FAV_OPTIONEN;
        QCOMPARE(cursorGesperrt, fav);
        QCOMPARE(fav ? s().Cursor.FAV : s().Cursor.FKF, 0);
        QCOMPARE(fav ? s().FAV_xpos : s().FKF_xpos, 0);
        QCOMPARE(fav ? s().Cursor.FKF : s().Cursor.FAV, 1);
        QCOMPARE(fav ? s().FAV_band : s().FKF_band, 1);
    }
};

QTEST_MAIN(OptionenTest)
#include "optionen_test.moc"
