#pragma once
// The menus as tables in the shape of a resource script, built from the places the
// modules describe: each entry sits at a depth below the menu bar; a pop-up owns the
// deeper entries that follow it. Entries of one pop-up stand in the order of their ranks.

#include <QStringList>

#include <vector>

#include "app/context/menueplatz.h"

namespace zor::app {

class Verzeichnis;

struct MenuEintrag {
    int ebene;            // 0 = menu bar, 1 = inside a pop-up, 2 = inside a submenu
    int id;               // command id; 0 for pop-ups and separators
    const char* text;     // item text as shown, with '&' mnemonic and "\t" accelerator text
    unsigned art;         // MenuArt flags
    const char* kuerzel;  // key sequence that triggers the item, or nullptr
};

// The table of a menu resource (frame, document or context menu); empty for an unknown id.
std::vector<MenuEintrag> menuTabelle(const Verzeichnis& v, int menueId);

// Every menu that has entries on its bar (blocks aside), ascending.
std::vector<int> alleMenues(const Verzeichnis& v);

// Places that no menu reaches: a pop-up path that does not exist, a block no menu holds.
QStringList menueFehler(const Verzeichnis& v);

// The menu ids from here on name blocks that several menus share.
inline constexpr int ERSTER_BLOCK = 9000;

}  // namespace zor::app
