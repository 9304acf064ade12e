// The options dialogs of the FAV and FKF documents through commands 228 and 229: what
// they show, refused entries with retry and cancel, what OK applies (the band option
// too), and the cursor and repaint afterwards.

#include <QTest>

#include <memory>

#include "app/kontext/befehle.h"
#include "support/dialog_hilfen.h"
#include "support/gui_hilfen.h"
#include "support/modal_skript.h"
#include "support/test_dokument.h"
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

    // A refused entry: its message with retry (entries kept) and cancel (nothing applied).
    void fehleingabe_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldungAnfang");
        QTest::newRow("FKF Abszisse 20.5") << 229 << 319 << "20.5" << "Fehleingabe bei Skalierung Abszisse";
        QTest::newRow("FAV a1 = a2") << 228 << 321 << "5" << "Fehleingabe bei Skalierung Ordinate";
    }
    void fehleingabe() {
        QFETCH(int, befehl);
        QFETCH(int, feld);
        QFETCH(QString, text);
        QFETCH(QString, meldungAnfang);
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
        QVERIFY(m.text.startsWith(meldungAnfang));
        QCOMPARE(m.titel, QStringLiteral("Optionen"));
        QCOMPARE(m.symbol, zor::Symbol::Stopp);
        QCOMPARE(m.knoepfe, Knoepfe::WiederholenAbbrechen);
        QCOMPARE(s().Cursor.FAVon + s().Cursor.FKFon, 0);
        QCOMPARE(s().FKF_defbereich, 50);
    }

    // OK applies; afterwards the cursor is at 0 and removed where it was switched off.
    void danachCursor_data() {
        QTest::addColumn<int>("befehl");
        QTest::addColumn<char>("dokument");
        QTest::addColumn<int>("entfernen");
        QTest::newRow("FAV") << 228 << 'V' << 405;
        QTest::newRow("FKF") << 229 << 'K' << 404;
    }
    void danachCursor() {
        QFETCH(int, befehl);
        QFETCH(char, dokument);
        QFETCH(int, entfernen);
        auto* d = new TestDokument(*f_, dokument);
        f_->mdi_Create(d, 159, 126);
        s().Fenster.FAV = s().Fenster.FKF = 1;
        s().Cursor = {1, 1, 1, 1};
        s().FAV_xpos = 17;
        s().FKF_xpos = 9;
        s().FAV.ermittelt1 = s().FKF.ermittelt1 = 1;
        ModalSkript skript;
        skript.dann([&](QWidget* dlg) {
            klick(dlg, 315);  // cursor off
            klick(dlg, 324);  // band on: drawn from the curves as they are
            tippen(dlg, 319, QStringLiteral("40"));
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(befehl);
        QCOMPARE(d->befehle, QList<int>{entfernen});
        QCOMPARE(befehl == 228 ? s().FAV_xpos : s().FKF_xpos, 0);
        QCOMPARE(befehl == 228 ? s().Cursor.FAVon : s().Cursor.FKFon, 0);
        QCOMPARE(befehl == 228 ? s().FAV_defbereich : s().FKF_defbereich, 40);
        QCOMPARE(befehl == 228 ? s().FAV.ermittelt1 : s().FKF.ermittelt1, 1);  // fewer points: curves serve
        QCOMPARE(befehl == 228 ? s().FAV_band : s().FKF_band, 1);
    }

    void logarithmischeAbszisseEntferntCursor() {
        auto* d = new TestDokument(*f_, 'V');
        f_->mdi_Create(d, 159, 126);
        s().Cursor = {0, 1, 0, 1};
        ModalSkript skript;
        bool cursorGesperrt = false;
        skript.dann([&](QWidget* dlg) {
            klick(dlg, 323);
            cursorGesperrt = !knopf(dlg, 315)->isEnabled() && !eingabe(dlg, 319)->isEnabled();
            klick(dlg, ID_BESTAETIGEN);
        });
        f_->mainframe_OnCommand(228);
        QVERIFY(cursorGesperrt);
        QCOMPARE(d->befehle, QList<int>{405});
        QCOMPARE(s().FAV_abszisse, 0);
        QCOMPARE(s().FAV_defbereich, 100);
        QCOMPARE(s().FAV.ermittelt1 + s().FAV.ermittelt2, 0);
    }
};

QTEST_MAIN(OptionenTest)
#include "optionen_test.moc"
