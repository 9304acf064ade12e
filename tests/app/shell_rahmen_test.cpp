// The frame: start state, menus, mode switches, documents, window list, context menus,
// toolbar and status bar.

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/context/befehle.h"
#include "app/media/grafikdokument.h"
#include "app/platform/einzelinstanz.h"
#include "app/shell/menue.h"
#include "app/shell/menue_tabellen.h"
#include "app/shell/programm.h"
#include "app/shell/statusleiste.h"
#include "app/shell/werkzeugleiste.h"
#include "support/gui_hilfen.h"
#include "support/test_dokument.h"
#include "support/testdateien.h"
#include "support/testrahmen.h"

using namespace zor::app;
using Modus = Hauptfenster::Modus;

namespace {

// An item as its text and state: "&Aktualisieren [grau]", "&Red [haken]".
QString eintrag(const QAction* a) {
    return a->text() + (a->isEnabled() ? "" : " [grau]") + (a->isChecked() ? " [haken]" : "");
}

// A menu as a user sees it: every item's text fits its row and the picture is not blank;
// the picture is saved for a look. Returns what is wrong, or nothing.
QString menueBild(QMenu* m, const QString& name) {
    for (QAction* a : m->actions()) {
        if (a->isSeparator()) continue;
        const QString text = a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        if (m->actionGeometry(a).width() <= m->fontMetrics().horizontalAdvance(text))
            return name + QStringLiteral(": clipped ") + text;
    }
    QCoreApplication::processEvents();
    const QImage bild = m->grab().toImage();
    bool einfarbig = true;
    for (int y = 0; y < bild.height() && einfarbig; ++y)
        for (int x = 0; x < bild.width() && einfarbig; ++x) einfarbig = bild.pixel(x, y) == bild.pixel(0, 0);
    if (einfarbig) return name + QStringLiteral(": blank");
    return speichereBild(bild, name) ? QString() : name + QStringLiteral(": not saved");
}

// One line per item: indentation by depth, text, id, state, key and the status-bar hint
// (tooltip for toolbar buttons), so a changed menu shows as a changed line.
void baumZeilen(const QList<QAction*>& aktionen, Statusleiste* st, int tiefe, QStringList& aus) {
    for (QAction* a : aktionen) {
        const QString vorn(2 * tiefe, QLatin1Char(' '));
        if (a->isSeparator()) {
            aus << vorn + QStringLiteral("—");
        } else if (a->menu()) {
            aus << vorn + eintrag(a);
            baumZeilen(a->menu()->actions(), st, tiefe + 1, aus);
        } else {
            st->UpdateStatusBar(QStringLiteral("?"), 0);
            a->hover();
            QString z = vorn + eintrag(a) + QStringLiteral(" %1").arg(befehlVon(a));
            if (!a->shortcut().isEmpty()) z += QStringLiteral(" {%1}").arg(a->shortcut().toString());
            if (!st->feldText(0).isEmpty()) z += QStringLiteral(" „%1“").arg(st->feldText(0));
            aus << z;
        }
    }
}

QStringList menuebaum(Hauptfenster& f) {
    QStringList aus;
    for (int id : alleMenues(f.verzeichnis())) {
        aus << QStringLiteral("== Menü %1").arg(id);
        baumZeilen(f.menue(id).leiste(), f.statusleiste(), 0, aus);
    }
    for (int satz : std::initializer_list<int>{0, CMD_MULTIMEDIA, CMD_ZORWERK}) {
        f.RebuildToolBar(satz);
        QStringList knoepfe;
        for (QAction* a : f.werkzeugleiste()->actions())
            knoepfe
                << (a->isSeparator()
                        ? QStringLiteral("|")
                        : QStringLiteral("%1%2 „%3“").arg(befehlVon(a)).arg(a->isEnabled() ? "" : "*", a->toolTip()));
        aus << QStringLiteral("== Werkzeugleiste %1").arg(satz) << knoepfe;
    }
    f.RebuildToolBar(0);
    return aus;
}

}  // namespace

class RahmenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestRahmen> r_;
    Hauptfenster* f_ = nullptr;

    TestDokument* neuesDokument() {
        auto* d = new TestDokument(*f_);
        f_->mdi_Create(d);
        return d;
    }
    bool zeigeRahmen() {
        r_ = std::make_unique<TestRahmen>();
        f_ = &r_->f;
        f_->show();
        return QTest::qWaitForWindowExposed(f_);
    }

private slots:
    void init() { QVERIFY(zeigeRahmen()); }
    void cleanup() { r_.reset(); }

    // Built, shown and painted within half a second, in the start state.
    void startzustand() {
        r_.reset();
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(zeigeRahmen());
        f_->statusleiste()->repaint();
        qInfo("Rahmen gemalt nach %lld ms", uhr.elapsed());
        QVERIFY(uhr.elapsed() < 500);
        QCOMPARE(f_->windowTitle(), QStringLiteral("Zorwerk und Multimedia"));
        QCOMPARE(f_->modus(), Modus::Start);
        QCOMPARE(f_->werkzeugleiste()->satz(), 0);
        const Statusleiste* st = f_->statusleiste();
        QCOMPARE((QStringList{st->feldText(0), st->feldText(1), st->feldText(3)}),
                 (QStringList{"Multimedia und Zorwerk", "Datum:", "Uhrzeit:"}));
        QVERIFY(speichereBild(f_, QStringLiteral("rahmen_start")));
    }

    // Every menu, context menu and toolbar set with its items' texts, ids, states, keys and
    // hints, as docs/menus.md describes them; compared with the checked-in tree.
    void menuebaeume() {
        QFile f(QStringLiteral(ZOR_TESTDATEN "/menues.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList erwartet = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList ist = menuebaum(*f_);
        for (int i = 0; i < std::min(ist.size(), erwartet.size()); ++i) QCOMPARE(ist[i], erwartet[i]);
        QCOMPARE(ist.size(), erwartet.size());
        // Positions 1..3 of the channel-model "Fenster" menu are the submenus the
        // arrangement enables and grays by position.
        const auto a = f_->menue(MENU_ZOR).findWindowMenu()->actions();
        QCOMPARE((QStringList{a[1]->text(), a[2]->text(), a[3]->text()}),
                 (QStringList{"Ö&ffnen", "&Schließen", "An&ordnen"}));
        QCOMPARE(f_->menue(MENU_START).findWindowMenu(), nullptr);
        QCOMPARE(f_->menue(MENU_MULTIMEDIA).findWindowMenu(), nullptr);
    }

    void moduswechsel_data() {
        QTest::addColumn<QList<int>>("vorher");  // commands before the switch
        QTest::addColumn<int>("nach");
        QTest::addColumn<QString>("knopf");  // the answer to dialog 534; empty: no dialog
        QTest::addColumn<int>("satz");       // the mode, by its toolbar set
        QTest::addColumn<int>("menue");
        QTest::addColumn<QString>("bild");
        const QList<int> zweiGrafiken{CMD_MULTIMEDIA, CMD_GRAFIK, CMD_GRAFIK};
        const int multimedia = CMD_MULTIMEDIA, zorwerk = CMD_ZORWERK;
        const int mmMenue = MENU_MULTIMEDIA, zorMenue = MENU_ZOR, grafikMenue = MENU_GRAFIK;
        QTest::newRow("start → multimedia") << QList<int>{} << multimedia << "" << multimedia << mmMenue
                                            << "rahmen_multimedia";
        QTest::newRow("start → zor") << QList<int>{} << zorwerk << "" << zorwerk << zorMenue << "rahmen_zor";
        QTest::newRow("multimedia → zor, 534 nein") << zweiGrafiken << zorwerk << "id_7" << multimedia << grafikMenue
                                                    << "";
        QTest::newRow("multimedia → zor, 534 ja") << zweiGrafiken << zorwerk << "id_6" << zorwerk << zorMenue << "";
        QTest::newRow("zor → multimedia") << QList<int>{zorwerk} << multimedia << "" << multimedia << mmMenue << "";
    }
    void moduswechsel() {
        QFETCH(QList<int>, vorher);
        QFETCH(int, nach);
        QFETCH(QString, knopf);
        QFETCH(int, satz);
        QFETCH(int, menue);
        QFETCH(QString, bild);
        for (int id : vorher) f_->mainframe_OnCommand(id);
        if (!knopf.isEmpty()) beantworteModal(QStringLiteral("id_534"), knopf, QStringLiteral("dialog_534"));
        f_->mainframe_OnCommand(nach);
        verarbeiteLoeschungen();
        QCOMPARE(f_->modus(), satz == CMD_ZORWERK ? Modus::Zor : Modus::Multimedia);
        QCOMPARE(f_->werkzeugleiste()->satz(), satz);
        QCOMPARE(f_->aktuellesMenue().id(), menue);
        const bool ja = knopf == QStringLiteral("id_6");
        QCOMPARE(f_->mdi()->subWindowList().size(), ja ? 0 : vorher.count(CMD_GRAFIK));
        QCOMPARE(r_->meldungen(), ja ? QStringList{"Wechsel zu ZOR!"} : QStringList{});
        if (!bild.isEmpty()) QVERIFY(speichereBild(f_, bild));
    }

    // Ctrl+K switches to the channel model, Ctrl+M back.
    void tastenkuerzel() {
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_));
        QTest::keyClick(f_, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(f_->modus(), Modus::Zor);
        QTest::keyClick(f_, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(f_->modus(), Modus::Multimedia);
    }

    // The mode switch is offered, in menu and toolbar, only while no channel-model
    // document is open; the frame refuses it otherwise too.
    void moduswechselNurOhneKanalmodellDokument() {
        f_->mainframe_OnCommand(CMD_ZORWERK);
        f_->mainframe_OnCommand(CMD_OEFFNEN_PAR);
        QVERIFY(f_->menue(MENU_ZOR).istGrau(CMD_MULTIMEDIA) && !f_->werkzeugleiste()->istAktiv(CMD_MULTIMEDIA));
        f_->zuMultimedia();
        QCOMPARE(f_->modus(), Modus::Zor);
        f_->mainframe_OnCommand(CMD_SCHLIESSEN_PAR);
        QVERIFY(!f_->menue(MENU_ZOR).istGrau(CMD_MULTIMEDIA) && f_->werkzeugleiste()->istAktiv(CMD_MULTIMEDIA));
        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
        QCOMPARE(f_->modus(), Modus::Multimedia);
    }

    void grafikdokumentUndFensterliste() {
        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
        f_->mainframe_OnCommand(CMD_GRAFIK);
        f_->mainframe_OnCommand(CMD_GRAFIK);
        auto liste = f_->fensterliste();
        QCOMPARE(liste.size(), 2);
        QCOMPARE(liste[0]->text(), QStringLiteral("&1 Graphic Window"));
        QCOMPARE(liste[0]->data().toInt(), int(CMD_FENSTERLISTE_ERSTE));
        QVERIFY(liste[1]->isChecked());
        auto* zweites = qobject_cast<Grafikdokument*>(f_->aktivesDokument());
        QVERIFY(zweites);
        // A colour goes to the active document and moves the check mark.
        f_->mainframe_OnCommand(CMD_FARBE_BLAU);
        QCOMPARE(zweites->farbe(), int(CMD_FARBE_BLAU));
        QVERIFY(f_->menue(MENU_GRAFIK).hatHaken(CMD_FARBE_BLAU) && !f_->menue(MENU_GRAFIK).hatHaken(CMD_FARBE_ROT));
        QVERIFY(speichereBild(f_, QStringLiteral("rahmen_grafik")));
        // The first window-list entry activates the first document, and its colour.
        f_->mainframe_OnCommand(CMD_FENSTERLISTE_ERSTE);
        auto* erstes = qobject_cast<Grafikdokument*>(f_->aktivesDokument());
        QVERIFY(erstes && erstes != zweites);
        QVERIFY(f_->menue(MENU_GRAFIK).hatHaken(CMD_FARBE_ROT));
        // "Schließen" closes the active document only; the last one closed gives the
        // multimedia menu back.
        for (int rest : {1, 0}) {
            f_->mainframe_OnCommand(CMD_SCHLIESSEN);
            verarbeiteLoeschungen();
            QCOMPARE(f_->mdi()->subWindowList().size(), rest);
            QCOMPARE(f_->aktuellesMenue().id(), int(rest ? MENU_GRAFIK : MENU_MULTIMEDIA));
        }
    }

    // Window-list ids without their window change nothing; with a document open they go
    // on to it, like every command the frame does not know.
    void fensterlisteOhneFenster() {
        f_->mainframe_OnCommand(CMD_ZORWERK);
        auto zustaende = [this] {
            QList<bool> l;
            for (QAction* a : f_->menue(MENU_ZOR).alleBefehle()) l << a->isEnabled() << a->isChecked();
            return l;
        };
        const auto vorher = zustaende();
        for (int id : std::initializer_list<int>{CMD_FENSTERLISTE_ERSTE, CMD_FENSTERLISTE_ERSTE + 8,
                                                 CMD_FENSTERLISTE_LETZTE})
            f_->mainframe_OnCommand(id);
        QVERIFY(r_->meldung.gezeigt.isEmpty());
        QCOMPARE(zustaende(), vorher);
        QCOMPARE(f_->aktuellesMenue().id(), int(MENU_ZOR));
        auto* d = neuesDokument();
        f_->mainframe_OnCommand(CMD_FARBE_ROT);
        f_->mainframe_OnCommand(CMD_FENSTERLISTE_ERSTE + 5);
        QCOMPARE(d->befehle, (QList<int>{CMD_FARBE_ROT, CMD_FENSTERLISTE_ERSTE + 5}));
    }

    // Tiling, cascading, and "Alle schließen" passing over a document that refuses.
    void mdiBefehle() {
        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
        neuesDokument();
        neuesDokument()->schliessbar = false;
        const auto w = f_->mdi()->subWindowList(QMdiArea::CreationOrder);
        f_->mainframe_OnCommand(CMD_NEBENEINANDER);
        QVERIFY(w[0]->y() == w[1]->y() && w[0]->x() != w[1]->x());
        QCOMPARE(w[0]->height(), f_->mdi()->viewport()->height());
        f_->mainframe_OnCommand(CMD_UNTEREINANDER);
        QVERIFY(w[0]->x() == w[1]->x() && w[0]->y() != w[1]->y());
        QCOMPARE(w[0]->width(), f_->mdi()->viewport()->width());
        f_->mainframe_OnCommand(CMD_KASKADIERT);
        QVERIFY(w[0]->pos() != w[1]->pos());
        f_->mainframe_OnCommand(CMD_ALLE_SCHLIESSEN);
        verarbeiteLoeschungen();
        QCOMPARE(f_->mdi()->subWindowList(), QList<QMdiSubWindow*>{w[1]});
    }

    // Context menus take the gray and check states of the frame menu; a rebuilt toolbar
    // those of the state.
    void kontextmenueUndKnoepfeFolgenRahmen() {
        f_->mainframe_OnCommand(CMD_ZORWERK);
        auto aktiv = [this](int id) {  // -1: not in the context menu
            for (QAction* a : f_->kontextPopup(MENU_ZOR)->actions())
                if (befehlVon(a) == id) return int(a->isEnabled());
            return -1;
        };
        QCOMPARE((QList<int>{aktiv(CMD_SPEICHERN_SATZ1), aktiv(CMD_SPEICHERN_SATZ2)}), (QList<int>{1, 0}));
        f_->menue(MENU_ZOR).grau(CMD_SPEICHERN_SATZ1, true);
        f_->menue(MENU_ZOR).grau(CMD_SPEICHERN_SATZ2, false);
        QCOMPARE((QList<int>{aktiv(CMD_SPEICHERN_SATZ1), aktiv(CMD_SPEICHERN_SATZ2)}), (QList<int>{0, 1}));
        f_->zustand().Modell.M1 = zor::INAKTIV;
        f_->zustand().Modell.M2 = zor::GE2;
        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
        f_->mainframe_OnCommand(CMD_ZORWERK);
        QVERIFY(!f_->werkzeugleiste()->istAktiv(CMD_SPEICHERN_SATZ1) &&
                f_->werkzeugleiste()->istAktiv(CMD_SPEICHERN_SATZ2));

        f_->mainframe_OnCommand(CMD_MULTIMEDIA);
        f_->mainframe_OnCommand(CMD_GRAFIK);
        f_->mainframe_OnCommand(CMD_FARBE_GELB);
        QMenu* farben = f_->kontextPopup(KONTEXT_GRAFIK);
        QList<int> haken;
        for (QAction* a : farben->actions())
            if (a->isChecked()) haken << befehlVon(a);
        QCOMPARE(haken, QList<int>{CMD_FARBE_GELB});
        QVERIFY(speichereBild(farben, QStringLiteral("kontext_132")));
        // Outside the client area there is no context menu.
        auto* d = neuesDokument();
        QVERIFY(!f_->mdi_OnContextMenu(d, d->mapToGlobal(QPoint(-5, -5)), 135));
    }

    // A closed menu shows the program line, a pop-up title no hint (the items' hints and
    // the tooltips are in the menu tree).
    void menuHinweise() {
        f_->menue(MENU_START).leiste().last()->hover();
        QVERIFY(f_->statusleiste()->feldText(0).isEmpty());
        // An item's hint stays only while its menu is open.
        QMenu* hilfe = f_->menue(MENU_START).leiste().last()->menu();
        QVERIFY(hilfe);
        hilfe->actions().first()->hover();
        QVERIFY(!f_->statusleiste()->feldText(0).isEmpty());
        Q_EMIT hilfe->aboutToHide();
        QTRY_COMPARE(f_->statusleiste()->feldText(0), QStringLiteral("Multimedia und Zorwerk"));
        // A command in the bar itself changes the bar; its hint goes with it.
        const QList<QAction*> leiste = f_->menue(MENU_START).leiste();
        QAction* zorwerk =
            *std::find_if(leiste.begin(), leiste.end(), [](QAction* a) { return befehlVon(a) == CMD_ZORWERK; });
        zorwerk->hover();
        QCOMPARE(f_->statusleiste()->feldText(0), QStringLiteral("Erstellt ZOR-Dokumente!"));
        zorwerk->trigger();
        QCOMPARE(f_->statusleiste()->feldText(0), QStringLiteral("Multimedia und Zorwerk"));
    }

    void uhr() {
        QCOMPARE(uhrzeitText(QTime(9, 5, 3)), QStringLiteral("    9:05:03"));
        QCOMPARE(uhrzeitText(QTime(23, 59, 0)), QStringLiteral("   23:59:00"));
        f_->statusleiste()->Frame_OnTimer(QDateTime(QDate(1999, 12, 5), QTime(7, 8, 9)));
        QCOMPARE(f_->statusleiste()->feldText(2), QStringLiteral("   05.12.1999"));
        QCOMPARE(f_->statusleiste()->feldText(4), QStringLiteral("    7:08:09"));
        // The time field ends at the right edge whatever the frame's width, unclipped.
        for (int breite : {700, 1200}) {
            f_->resize(breite, 500);
            QCoreApplication::processEvents();
            QLabel* zeit = f_->statusleiste()->feld(4);
            const int rechts = zeit->mapTo(f_->statusleiste(), QPoint(zeit->width(), 0)).x();
            QVERIFY2(f_->statusleiste()->width() - rechts < 12, qPrintable(QString::number(rechts)));
            QVERIFY(zeit->fontMetrics().horizontalAdvance(zeit->text()) <= zeit->contentsRect().width());
        }
    }

    // Every menu opened in each state, the channel-model submenus and the document menus
    // show all their texts unclipped (the buttons' pictures and tooltips are checked with
    // the toolbar images and the menu tree). The pictures are kept for a look.
    void menuesUndLeistenBilder() {
        const std::pair<int, const char*> zustaende[] = {
            {0, "start"}, {CMD_MULTIMEDIA, "multimedia"}, {CMD_ZORWERK, "zor"}};
        for (const auto& [befehl, name] : zustaende) {
            if (befehl) f_->mainframe_OnCommand(befehl);
            int nr = 0;
            for (QAction* a : f_->menuBar()->actions()) {
                if (!a->menu()) continue;
                a->menu()->popup(f_->mapToGlobal(QPoint(0, 0)));
                QCoreApplication::processEvents();
                const QString fehler = menueBild(a->menu(), QStringLiteral("menue_%1_%2").arg(QLatin1String(name)).arg(++nr));
                QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
                a->menu()->hide();
            }
        }
        for (QAction* a : f_->menue(MENU_ZOR).popup(1)->actions()) {
            if (!a->menu()) continue;
            const QString fehler = menueBild(a->menu(), QStringLiteral("menue_zor_") + a->text().remove('&').remove(' '));
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        }
        for (int doku : {MENU_HEX, MENU_BIN, MENU_BITMAP, MENU_GRAFIK}) {
            int nr = 0;
            for (QAction* a : f_->menue(doku).leiste()) {
                if (!a->menu()) continue;
                const QString fehler = menueBild(a->menu(), QStringLiteral("menue_%1_%2").arg(doku).arg(++nr));
                QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
            }
        }
    }

    // A later start reaches the running frame: without files it only brings it to the
    // front; with files (relative ones too) they open there, each in its fitting window.
    void zweiterStartHoltRahmenNachVornUndUebergibtDateien() {
        const QString name = QStringLiteral("zorwerk-rahmen-%1").arg(QCoreApplication::applicationPid());
        Einzelinstanz erste(name);
        QVERIFY(erste.erste());
        einzelinstanzVerbinden(erste, *f_);
        QSignalSpy erhalten(&erste, &Einzelinstanz::dateienErhalten);
        f_->showMinimized();
        QTRY_VERIFY(f_->isMinimized());
        Einzelinstanz zweite(name);
        QVERIFY(!zweite.erste());
        QTRY_VERIFY(!f_->isMinimized());
        QVERIFY(erhalten.isEmpty());
        QVERIFY(f_->dokumente().isEmpty());

        QTemporaryDir dir;
        const QString bits = schreibeDatei(dir, QStringLiteral("f.ffo"), "\x01");
        schreibeDatei(dir, QStringLiteral("v.vgl"), "\x02");
        const QString alt = QDir::currentPath();
        QDir::setCurrent(dir.path());
        f_->showMinimized();
        QTRY_VERIFY(f_->isMinimized());
        // A dialog open in the running program is answered first; the files open after it.
        QDialog frage(f_);
        frage.setWindowModality(Qt::ApplicationModal);
        frage.show();
        Einzelinstanz dritte(name);
        const bool dritteIstErste = dritte.erste({bits, QStringLiteral("v.vgl")});
        QDir::setCurrent(alt);
        QVERIFY(!dritteIstErste);
        QTRY_COMPARE(erhalten.size(), 1);
        QCOMPARE(erhalten.first().first().toStringList(), (QStringList{bits, dir.filePath(QStringLiteral("v.vgl"))}));
        QTRY_VERIFY(!f_->isMinimized());
        QTest::qWait(300);
        QVERIFY(f_->dokumente().isEmpty());
        frage.reject();
        QTRY_COMPARE(f_->dokumente().size(), 2);
        QStringList arten;
        for (MdiDokument* d : f_->dokumente()) arten << d->objectName();
        QCOMPARE(arten, (QStringList{"bin", "hex"}));
    }

    void beenden() {
        f_->mainframe_OnCommand(CMD_BEENDEN);
        QVERIFY(!f_->isVisible());
    }
};

QTEST_MAIN(RahmenTest)
#include "shell_rahmen_test.moc"
