#pragma once
// One menu resource built from its table: the top-level actions of a menu bar (pop-ups
// and direct commands) plus lookup of items by command id. Items keep their gray and
// check states for the whole run; the frame shows one menu at a time.

#include <QHash>
#include <QList>
#include <QMenu>

#include <functional>
#include <vector>

#include "app/shell/menue_tabellen.h"

class QAction;
class QWidget;

namespace zor::app {

class Menue {
public:
    using Befehlsziel = std::function<void(int id)>;
    // hinweis receives the command id of a highlighted item, or 0 for a pop-up title.
    Menue(int menueId, const std::vector<MenuEintrag>& tabelle, QWidget* eigentuemer, Befehlsziel befehl,
          Befehlsziel hinweis = {});

    int id() const { return id_; }
    const QList<QAction*>& leiste() const { return leiste_; }
    // The pop-up at a position of the menu bar (counted over pop-ups and commands).
    QMenu* popup(int position) const;

    QList<QAction*> aktionen(int befehl) const { return nachId_.values(befehl); }
    bool hat(int befehl) const { return nachId_.contains(befehl); }
    void grau(int befehl, bool grau);
    void haken(int befehl, bool gesetzt);
    bool istGrau(int befehl) const;
    bool hatHaken(int befehl) const;

    // The first pop-up of the bar that holds item 4049 or 250: where the window list goes.
    QMenu* findWindowMenu() const;

    // Every command action, recursively, for conforming context menus.
    QList<QAction*> alleBefehle() const { return nachId_.values(); }

private:
    QAction* befehlsAktion(QObject* eltern, int id, const char* text, unsigned art, const char* kuerzel);

    int id_;
    QWidget* eigentuemer_;
    Befehlsziel befehl_;
    Befehlsziel hinweis_;
    QList<QAction*> leiste_;
    QMultiHash<int, QAction*> nachId_;
};

// The command id an action carries; 0 for pop-up titles and separators.
int befehlVon(const QAction* a);

// Makes every item of the pop-up (recursively) take the enabled and checked state of the
// item with the same command id in the frame menu. Items the frame menu lacks keep theirs.
void mdi_ConformMenus(const Menue& rahmenMenue, QMenu* popup);

}  // namespace zor::app
