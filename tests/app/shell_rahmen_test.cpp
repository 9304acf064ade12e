// The frame: start state, menus, mode switches, documents, window list, context menus,
// toolbar and status bar.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>

#include "platform/einzelinstanz.h"
#include "platform/hilfefenster.h"
#include "shell/befehle.h"
#include "shell/grafikdokument.h"
#include "shell/hauptfenster.h"
#include "shell/menue.h"
#include "shell/menue_tabellen.h"
#include "shell/statusleiste.h"
#include "shell/texte.h"
#include "shell/werkzeugleiste.h"
#include "support/aufzeichnende_meldung.h"
#include "support/gui_hilfen.h"
#include "support/skriptierte_dateiwahl.h"
#include "support/test_dokument.h"

using namespace zor::app;
using zor::ZorState;

namespace {

QStringList leistenTexte(const Hauptfenster& f) {
    QStringList l;
    for (QAction* a : f.menuBar()->actions()) l << a->text();
    return l;
}

QList<int> knoepfe(const Werkzeugleiste* w) {
    QList<int> l;
    for (QAction* a : w->actions())
        if (!a->isSeparator()) l << a->data().toInt();
    return l;
}

void verarbeiteLoeschungen() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class RahmenTest : public QObject {
    Q_OBJECT

    AufzeichnendeMeldung* meldung_ = nullptr;
    SkriptierteDateiwahl* dateiwahl_ = nullptr;
    Hauptfenster* f_ = nullptr;

    TestDokument* neuesDokument(char modell = 0, int druck = 0) {
        auto* d = new TestDokument(modell, druck);
        f_->mdi_Create(d, 149, 141);
        return d;
    }

private slots:
    void init() {
        meldung_ = new AufzeichnendeMeldung;
        dateiwahl_ = new SkriptierteDateiwahl;
        f_ = new Hauptfenster(*meldung_, *dateiwahl_);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_));
    }
    void cleanup() {
        delete f_;
        delete dateiwahl_;
        delete meldung_;
    }

    void startzustand() {
        QCOMPARE(f_->windowTitle(), QStringLiteral("Zorwerk und Multimedia"));
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Start);
        QCOMPARE(leistenTexte(*f_), (QStringList{"&Multimedia!", "&Zorwerk!", "&Beenden", "&Hilfe"}));
        QCOMPARE(knoepfe(f_->werkzeugleiste()), (QList<int>{4059, 4058, 526, 238}));
        QCOMPARE(f_->statusleiste()->feldText(0), QStringLiteral("Multimedia und Zorwerk"));
        QCOMPARE(f_->statusleiste()->feldText(1), QStringLiteral("Datum:"));
        QCOMPARE(f_->statusleiste()->feldText(3), QStringLiteral("Uhrzeit:"));
        QCOMPARE(f_->zustand().Modell.M1, 1);
        QCOMPARE(f_->zustand().Modell.M2, 0);
        speichereBild(f_, QStringLiteral("rahmen_start"));
    }

    // From nothing to a painted frame, inside a running application.
    void startBisGemalt() {
        QElapsedTimer uhr;
        uhr.start();
        AufzeichnendeMeldung m;
        SkriptierteDateiwahl d;
        Hauptfenster f(m, d);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.statusleiste()->repaint();
        const qint64 ms = uhr.elapsed();
        qInfo("Rahmen gemalt nach %lld ms", ms);
        QVERIFY(ms < 500);
    }

    void menueEintraege_data() {
        QTest::addColumn<int>("menue");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("grau");
        QTest::addColumn<bool>("haken");
        QTest::newRow("start Hilfe F1") << 1333 << 526 << "H&ilfe\tF1" << false << false;
        QTest::newRow("start Skriptum") << 1333 << 1 << "&Skriptum" << false << false;
        QTest::newRow("mm BSC") << 107 << 281 << "&BSC -Modell" << false << false;
        QTest::newRow("mm FFO/FAB") << 107 << 283 << "&FFO/FAB-Verfahren" << false << false;
        QTest::newRow("mm Zorwerk") << 107 << 4059 << "&Zorwerk" << false << false;
        QTest::newRow("zor satz1 BSC") << 135 << 507 << "&BSC..." << false << true;
        QTest::newRow("zor satz1 wie") << 135 << 511 << "wie Parametersatz &2..." << false << false;
        QTest::newRow("zor satz2 inaktiv") << 135 << 521 << "&inaktiv" << false << true;
        QTest::newRow("zor satz2 BSC") << 135 << 515 << "&BSC..." << false << false;
        QTest::newRow("zor speichern 2") << 135 << 501 << "Speichern Fehlerfolge &2 unter..." << true << false;
        QTest::newRow("zor drucken") << 135 << 503 << "&Drucken aktives Fenster" << true << false;
        QTest::newRow("zor aktualisieren") << 135 << 250 << "&Aktualisieren" << true << false;
        QTest::newRow("zor überlappend") << 135 << 4049 << "Ü&berlappend\tSHIFT+F5" << false << false;
        QTest::newRow("zor schließen alle") << 135 << 260 << "&Alle" << true << false;
        QTest::newRow("hex öffnen") << 1202 << 523 << "&Hex..." << false << false;
        QTest::newRow("hex ffo") << 1202 << 283 << "&FFO-Verfahren" << false << false;
        QTest::newRow("bin fab") << 1203 << 4038 << "S&peichern als Fahlerabstand..." << false << false;
        QTest::newRow("bitmap einfügen") << 86 << 4046 << "&Einfügen" << false << false;
        QTest::newRow("grafik rot") << 83 << 3039 << "&Red" << false << true;
        QTest::newRow("grafik gelb") << 83 << 3042 << "&Yellow" << false << false;
    }
    void menueEintraege() {
        QFETCH(int, menue);
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(bool, grau);
        QFETCH(bool, haken);
        const Menue& m = f_->menue(menue);
        const auto a = m.aktionen(id);
        QCOMPARE(a.size(), 1);
        QCOMPARE(a.first()->text(), text);
        QCOMPARE(m.istGrau(id), grau);
        QCOMPARE(m.hatHaken(id), haken);
    }

    void fenstermenue() {
        QCOMPARE(f_->menue(1333).findWindowMenu(), nullptr);
        QCOMPARE(f_->menue(107).findWindowMenu(), nullptr);
        for (int id : {135, 1202, 1203, 86, 83}) {
            QMenu* m = f_->menue(id).findWindowMenu();
            QVERIFY2(m, qPrintable(QString::number(id)));
            QCOMPARE(m->title(), QStringLiteral("&Fenster"));
        }
        // Positions 1..3 of the channel-model "Fenster" menu are the submenus the
        // arrangement enables and grays.
        const auto a = f_->menue(135).findWindowMenu()->actions();
        QCOMPARE(a[1]->text(), QStringLiteral("Ö&ffnen"));
        QCOMPARE(a[2]->text(), QStringLiteral("&Schließen"));
        QCOMPARE(a[3]->text(), QStringLiteral("An&ordnen"));
        QVERIFY(a[1]->isEnabled());
        QVERIFY(!a[2]->isEnabled());
        QVERIFY(!a[3]->isEnabled());
    }

    void zuMultimedia() {
        f_->mainframe_OnCommand(4058);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Multimedia);
        QCOMPARE(f_->aktuellesMenue().id(), 107);
        QCOMPARE(knoepfe(f_->werkzeugleiste()),
                 (QList<int>{4055, 4056, 4057, 4037, 4038, 4155, 4153, 4051, 4050, 4049, 4062, 4059, 238}));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(4037));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(4038));
        QVERIFY(f_->werkzeugleiste()->istAktiv(4055));
        QVERIFY(meldung_->gezeigt.isEmpty());
        speichereBild(f_, QStringLiteral("rahmen_multimedia"));
    }

    void zuZorOhneDokumentFragtNicht() {
        f_->mainframe_OnCommand(4059);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Zor);
        QCOMPARE(f_->aktuellesMenue().id(), 135);
        QCOMPARE(knoepfe(f_->werkzeugleiste()), (QList<int>{254, 257, 256, 255, 250, 500, 501, 502, 503, 4051, 4050,
                                                           4049, 4062, 4106, 238, 4058}));
        QVERIFY(f_->werkzeugleiste()->istAktiv(500));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(501));
        QVERIFY(!f_->werkzeugleiste()->istAktiv(250));
        QVERIFY(meldung_->gezeigt.isEmpty());
        speichereBild(f_, QStringLiteral("rahmen_zor"));
    }

    void zuZorMitDokument_data() {
        QTest::addColumn<bool>("ja");
        QTest::newRow("nein") << false;
        QTest::newRow("ja") << true;
    }
    void zuZorMitDokument() {
        QFETCH(bool, ja);
        f_->mainframe_OnCommand(4058);
        f_->mainframe_OnCommand(4105);
        f_->mainframe_OnCommand(4105);
        QCOMPARE(f_->aktuellesMenue().id(), 83);
        beantworteModal(QStringLiteral("id_534"), ja ? QStringLiteral("id_6") : QStringLiteral("id_7"),
                        ja ? QStringLiteral("dialog_534") : QString());
        f_->mainframe_OnCommand(4059);
        verarbeiteLoeschungen();
        if (!ja) {
            QCOMPARE(f_->modus(), Hauptfenster::Modus::Multimedia);
            QCOMPARE(f_->mdi()->subWindowList().size(), 2);
            QCOMPARE(f_->aktuellesMenue().id(), 83);
            QCOMPARE(f_->werkzeugleiste()->satz(), 4058);
            QVERIFY(meldung_->gezeigt.isEmpty());
        } else {
            QCOMPARE(f_->modus(), Hauptfenster::Modus::Zor);
            QVERIFY(f_->mdi()->subWindowList().isEmpty());
            QCOMPARE(f_->aktuellesMenue().id(), 135);
            QCOMPARE(meldung_->gezeigt.size(), 1);
            QCOMPARE(meldung_->gezeigt[0].text, QStringLiteral("Wechsel zu ZOR!"));
            QCOMPARE(meldung_->gezeigt[0].titel, QStringLiteral("Multimedia und Zorwerk"));
        }
    }

    // Buttons 500 and 501 follow their menu items when the channel-model set is rebuilt.
    // The modes have shortcuts: Ctrl+K to the channel model, Ctrl+M back.
    void tastenkuerzel() {
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_));
        QTest::keyClick(f_, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Zor);
        QTest::keyClick(f_, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Multimedia);
        QTest::keyClick(f_, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Zor);
    }

    void zorKnoepfeFolgenMenue() {
        f_->mainframe_OnCommand(4059);
        f_->menue(135).grau(500, true);
        f_->menue(135).grau(501, false);
        f_->mainframe_OnCommand(4058);
        f_->mainframe_OnCommand(4059);
        QVERIFY(!f_->werkzeugleiste()->istAktiv(500));
        QVERIFY(f_->werkzeugleiste()->istAktiv(501));
    }

    void multimediaNurOhneModelldokument() {
        f_->mainframe_OnCommand(4059);
        f_->zustand().Fenster.FF = 1;
        f_->SetupTheMenu(f_->menue(135), 4058);
        QVERIFY(f_->menue(135).istGrau(4058));
        f_->mainframe_OnCommand(4058);
        QCOMPARE(f_->modus(), Hauptfenster::Modus::Zor);
        f_->zustand().Fenster.FF = 0;
        f_->SetupTheMenu(f_->menue(135), 4058);
        QVERIFY(!f_->menue(135).istGrau(4058));
    }

    void setupTheToolbar4058() {
        f_->mainframe_OnCommand(4059);
        for (int flag : {0, 1}) {
            f_->SetupTheToolbar(4058, flag);
            QVERIFY(f_->werkzeugleiste()->istAktiv(4058));
        }
        neuesDokument('F');
        for (int flag : {0, 1}) {
            f_->SetupTheToolbar(4058, flag);
            QVERIFY(!f_->werkzeugleiste()->istAktiv(4058));
        }
        // A command the set lacks changes nothing.
        f_->SetupTheToolbar(4055, 0);
        QCOMPARE(f_->werkzeugleiste()->knopf(4055), nullptr);
    }

    void grafikdokumentUndFensterliste() {
        f_->mainframe_OnCommand(4058);
        f_->mainframe_OnCommand(4105);
        f_->mainframe_OnCommand(4105);
        auto liste = f_->fensterliste();
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste[0]->text(), QStringLiteral("&1 Graphic Window"));
        QCOMPARE(liste[0]->data().toInt(), 3000);
        QVERIFY(liste[1]->isChecked());
        auto* zweites = qobject_cast<Grafikdokument*>(f_->aktivesDokument());
        QVERIFY(zweites);
        // A colour goes to the active document and moves the check mark.
        f_->mainframe_OnCommand(3041);
        QCOMPARE(zweites->farbe(), 3041);
        QVERIFY(f_->menue(83).hatHaken(3041));
        QVERIFY(!f_->menue(83).hatHaken(3039));
        speichereBild(f_, QStringLiteral("rahmen_grafik"));
        // Window-list entry 3000 activates the first document.
        f_->mainframe_OnCommand(3000);
        auto* erstes = qobject_cast<Grafikdokument*>(f_->aktivesDokument());
        QVERIFY(erstes && erstes != zweites);
        QCOMPARE(erstes->farbe(), 3039);
        QVERIFY(f_->menue(83).hatHaken(3039));
        // "Schließen" closes the active document only; the last one closed gives the
        // multimedia menu back.
        f_->mainframe_OnCommand(4035);
        verarbeiteLoeschungen();
        QCOMPARE(f_->mdi()->subWindowList().size(), 1);
        QCOMPARE(f_->aktuellesMenue().id(), 83);
        f_->mainframe_OnCommand(4035);
        verarbeiteLoeschungen();
        QVERIFY(f_->mdi()->subWindowList().isEmpty());
        QCOMPARE(f_->aktuellesMenue().id(), 107);
    }

    void fensterlisteOhneDokumentTutNichts_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("3000") << 3000;
        QTest::newRow("3008") << 3008;
        QTest::newRow("3999") << 3999;
    }
    void fensterlisteOhneDokumentTutNichts() {
        QFETCH(int, id);
        f_->mainframe_OnCommand(4059);
        const ZorState vorher = f_->zustand();
        f_->mainframe_OnCommand(id);
        QVERIFY(meldung_->gezeigt.isEmpty());
        QCOMPARE(f_->zustand().Modell.M1, vorher.Modell.M1);
        QCOMPARE(f_->zustand().Fenster.aktualisiert, vorher.Fenster.aktualisiert);
        QCOMPARE(f_->aktuellesMenue().id(), 135);
    }

    void unbekannteBefehleGehenAnsDokument() {
        f_->mainframe_OnCommand(4059);
        auto* d = neuesDokument();
        f_->mainframe_OnCommand(4037);
        f_->mainframe_OnCommand(3005);  // no sixth window: the document gets it
        QCOMPARE(d->befehle, (QList<int>{4037, 3005}));
    }

    void alleSchliessenUebergehtVerweigerer() {
        f_->mainframe_OnCommand(4058);
        neuesDokument();
        auto* bleibt = neuesDokument();
        bleibt->schliessbar = false;
        neuesDokument();
        f_->mainframe_OnCommand(4053);
        verarbeiteLoeschungen();
        QCOMPARE(f_->mdi()->subWindowList().size(), 1);
        QCOMPARE(f_->mdi()->subWindowList().first()->widget(), bleibt);
    }

    void anordnen() {
        f_->mainframe_OnCommand(4058);
        neuesDokument();
        neuesDokument();
        const auto w = f_->mdi()->subWindowList(QMdiArea::CreationOrder);
        f_->mainframe_OnCommand(4050);
        QCOMPARE(w[0]->y(), w[1]->y());
        QVERIFY(w[0]->x() != w[1]->x());
        QCOMPARE(w[0]->height(), f_->mdi()->viewport()->height());
        f_->mainframe_OnCommand(4051);
        QCOMPARE(w[0]->x(), w[1]->x());
        QVERIFY(w[0]->y() != w[1]->y());
        QCOMPARE(w[0]->width(), f_->mdi()->viewport()->width());
        f_->mainframe_OnCommand(4049);
        QVERIFY(w[0]->pos() != w[1]->pos());
    }

    // Context menu items take the gray and check states of the frame menu.
    void kontextmenueFolgtRahmen() {
        f_->mainframe_OnCommand(4059);
        QMenu* p = f_->kontextPopup(135);
        QVERIFY(p);
        auto zustand = [p](int id) {
            for (QAction* a : p->actions())
                if (befehlVon(a) == id) return a->isEnabled();
            return false;
        };
        QVERIFY(!zustand(501));
        QVERIFY(zustand(500));
        f_->menue(135).grau(500, true);
        f_->menue(135).grau(501, false);
        p = f_->kontextPopup(135);
        QVERIFY(!zustand(500));
        QVERIFY(zustand(501));

        f_->mainframe_OnCommand(4058);
        f_->mainframe_OnCommand(4105);
        f_->mainframe_OnCommand(3042);
        QMenu* farben = f_->kontextPopup(132);
        for (QAction* a : farben->actions())
            if (befehlVon(a) >= 3039 && befehlVon(a) <= 3042) QCOMPARE(a->isChecked(), befehlVon(a) == 3042);
        speichereBild(farben, QStringLiteral("kontext_132"));
    }

    void kontextmenueNurImClientbereich() {
        f_->mainframe_OnCommand(4059);
        auto* d = neuesDokument();
        const QPoint aussen = d->mapToGlobal(QPoint(-5, -5));
        QVERIFY(!f_->mdi_OnContextMenu(d, aussen, 135));
    }

    void platzhalterSagtEsDeutlich_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("hex") << 4058 << 4055 << "Hex";
        QTest::newRow("gauss") << 4058 << 281 << "BSC -Modell";
        QTest::newRow("ff") << 4059 << 254 << "Fehlerfolge";
        QTest::newRow("optionen") << 4059 << 228 << "für Fenster Fehlerabstandsverteilung";
    }
    void platzhalterSagtEsDeutlich() {
        QFETCH(int, modus);
        QFETCH(int, id);
        QFETCH(QString, name);
        f_->mainframe_OnCommand(modus);
        f_->mainframe_OnCommand(id);
        QCOMPARE(meldung_->gezeigt.size(), 1);
        QCOMPARE(meldung_->gezeigt[0].text, QStringLiteral("Die Funktion „%1“ ist noch nicht verfügbar.").arg(name));
        QCOMPARE(meldung_->gezeigt[0].titel, QStringLiteral("Multimedia und Zorwerk"));
    }

    // No frame-menu command pretends to work: those not built yet say so.
    void unfertigeBefehleMeldenSich() {
        const QSet<int> fertig = {1, 2, 238, 250, 253, 260, 261, 262, 263, 264, 270, 271, 272, 273, 274, 275,
                                  503, 511, 513, 519, 521, 526, 527, 4049, 4050, 4051, 4052, 4053, 4058, 4059,
                                  4062, 4105, 4106};
        int geprueft = 0;
        for (int menue : {1333, 107, 135}) {
            for (QAction* a : f_->menue(menue).alleBefehle()) {
                const int id = befehlVon(a);
                if (fertig.contains(id)) continue;
                meldung_->gezeigt.clear();
                f_->mainframe_OnCommand(id);
                QVERIFY2(meldung_->gezeigt.size() == 1, qPrintable(QString::number(id)));
                QVERIFY2(meldung_->gezeigt[0].text.contains(QStringLiteral("noch nicht verfügbar")),
                         qPrintable(QString::number(id)));
                ++geprueft;
            }
        }
        QVERIFY(geprueft > 30);
    }

    void hilfeseiten_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("anker");
        QTest::newRow("1") << 1 << "VOZAD" << "";
        QTest::newRow("526") << 526 << "VOZAD" << "";
        QTest::newRow("527") << 527 << "about" << "";
        QTest::newRow("4062") << 4062 << "about" << "";
        QTest::newRow("4106") << 4106 << "revid" << "";
        QTest::newRow("270") << 270 << "revid_the_neu" << "";
        QTest::newRow("271") << 271 << "kan_vor" << "";
        QTest::newRow("272") << 272 << "kan_dur" << "";
        QTest::newRow("273") << 273 << "kan_inf" << "k273";
        QTest::newRow("275") << 275 << "kan_inf" << "k275";
    }
    void hilfeseiten() {
        QFETCH(int, id);
        QFETCH(QString, seite);
        QFETCH(QString, anker);
        f_->mainframe_OnCommand(id);
        QVERIFY(meldung_->gezeigt.isEmpty());
        QVERIFY(f_->hilfefenster());
        const QUrl url = f_->hilfefenster()->source();
        QCOMPARE(url.path(), QStringLiteral("/help/%1.html").arg(seite));
        QCOMPARE(url.fragment(), anker);
        QVERIFY(!f_->hilfefenster()->toPlainText().isEmpty());
        if (id == 273) speichereBild(f_->hilfefenster(), QStringLiteral("hilfe_kan_inf"));
    }

    // Every command item of every menu shows its string as hint; items without one
    // leave field 0 empty; a closed menu shows the program line.
    void menuHinweise() {
        for (int id : alleMenues()) {
            const Menue& m = f_->menue(id);
            for (QAction* a : m.alleBefehle()) {
                f_->statusleiste()->UpdateStatusBar(QStringLiteral("x"), 0);
                a->hover();
                const int befehl = befehlVon(a);
                QCOMPARE(f_->statusleiste()->feldText(0), text(befehl).left(127));
            }
        }
        QCOMPARE(menuHinweis(238), QStringLiteral("Beendet die Anwendung! "));
        QCOMPARE(menuHinweis(4049), QStringLiteral("Stellt die dokumente kaskadiert dar!"));
        QCOMPARE(menuHinweis(502), QStringLiteral("Konvertiert Fehlerfolge nach Fahlerabstand und umgekehrt!"));
        for (int ohne : {511, 512, 513, 260, 270, 4105, 3039}) QVERIFY(menuHinweis(ohne).isEmpty());
        f_->menue(1333).leiste().last()->hover();
        QVERIFY(f_->statusleiste()->feldText(0).isEmpty());
        f_->statusleiste()->Frame_OnMenuSelect(Statusleiste::MENU_ZU);
        QCOMPARE(f_->statusleiste()->feldText(0), QStringLiteral("Multimedia und Zorwerk"));
        // Tooltips are the same strings, cut at 63 characters.
        f_->mainframe_OnCommand(4059);
        QCOMPARE(f_->werkzeugleiste()->knopf(250)->toolTip(),
                 QStringLiteral("Die neuen Einstellungen auf Dokumente übertragen (aktualisieren)!").left(63));
    }

    void uhr() {
        QCOMPARE(uhrzeitText(QTime(9, 5, 3)), QStringLiteral("    9:05:03"));
        QCOMPARE(uhrzeitText(QTime(23, 59, 0)), QStringLiteral("   23:59:00"));
        QCOMPARE(datumText(QDate(1999, 12, 5)), QStringLiteral("   05.12.1999"));
        QCOMPARE(datumText(QDate(2026, 1, 31)), QStringLiteral("   31.01.2026"));
        f_->statusleiste()->Frame_OnTimer(QDateTime(QDate(1999, 12, 5), QTime(7, 8, 9)));
        QCOMPARE(f_->statusleiste()->feldText(2), QStringLiteral("   05.12.1999"));
        QCOMPARE(f_->statusleiste()->feldText(4), QStringLiteral("    7:08:09"));
        // The time field ends at the right edge whatever the frame's width.
        for (int breite : {700, 1200}) {
            f_->resize(breite, 500);
            QCoreApplication::processEvents();
            QLabel* zeit = f_->statusleiste()->feld(4);
            const int rechts = zeit->mapTo(f_->statusleiste(), QPoint(zeit->width(), 0)).x();
            QVERIFY2(f_->statusleiste()->width() - rechts < 12, qPrintable(QString::number(rechts)));
            QVERIFY(zeit->fontMetrics().horizontalAdvance(zeit->text()) <= zeit->contentsRect().width());
        }
    }

    void menuesGeoeffnet() {
        const std::pair<int, const char*> zustaende[] = {{0, "start"}, {4058, "multimedia"}, {4059, "zor"}};
        for (const auto& [befehl, name] : zustaende) {
            if (befehl) f_->mainframe_OnCommand(befehl);
            int nr = 0;
            for (QAction* a : f_->menuBar()->actions()) {
                if (!a->menu()) continue;
                a->menu()->popup(f_->mapToGlobal(QPoint(0, 0)));
                QCoreApplication::processEvents();
                speichereBild(a->menu(), QStringLiteral("menue_%1_%2").arg(QLatin1String(name)).arg(++nr));
                a->menu()->hide();
            }
        }
        // Submenus of the channel-model menu.
        for (QAction* a : f_->menue(135).popup(1)->actions())
            if (a->menu()) speichereBild(a->menu(), QStringLiteral("menue_zor_") + a->text().remove('&').remove(' '));
        for (int doku : {1202, 1203, 86, 83}) {
            int nr = 0;
            for (QAction* a : f_->menue(doku).leiste())
                if (a->menu()) speichereBild(a->menu(), QStringLiteral("menue_%1_%2").arg(doku).arg(++nr));
        }
        for (int satz : {0, 4058, 4059}) {
            f_->RebuildToolBar(satz);
            speichereBild(f_->werkzeugleiste(), QStringLiteral("werkzeugleiste_%1").arg(satz));
        }
        QVERIFY(f_->werkzeugleiste());
    }

    void zweiterStartHoltRahmenNachVorn() {
        Einzelinstanz erste(QStringLiteral("zorwerk-rahmen-%1").arg(QCoreApplication::applicationPid()));
        QVERIFY(erste.erste());
        connect(&erste, &Einzelinstanz::nachVorn, f_, &Hauptfenster::nachVorn);
        f_->showMinimized();
        QTRY_VERIFY(f_->isMinimized());
        Einzelinstanz zweite(QStringLiteral("zorwerk-rahmen-%1").arg(QCoreApplication::applicationPid()));
        QVERIFY(!zweite.erste());
        QTRY_VERIFY(!f_->isMinimized());
    }

    void beenden() {
        f_->mainframe_OnCommand(238);
        QVERIFY(!f_->isVisible());
    }
};

QTEST_MAIN(RahmenTest)
#include "shell_rahmen_test.moc"
