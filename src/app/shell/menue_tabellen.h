#pragma once
// The menus as declarative tables, in the shape of a resource script: each entry sits
// at a depth below the menu bar; a pop-up owns the deeper entries that follow it.

#include <vector>

namespace zor::app {

enum MenuArt : unsigned {
    BEFEHL = 0,
    POPUP = 1u << 0,
    TRENNER = 1u << 1,
    GRAU = 1u << 2,    // disabled and grayed at creation
    HAKEN = 1u << 3,   // checked at creation
};

struct MenuEintrag {
    int ebene;             // 0 = menu bar, 1 = inside a pop-up, 2 = inside a submenu
    int id;                // command id; 0 for pop-ups and separators
    const char* text;      // item text as shown, with '&' mnemonic and "\t" accelerator text
    unsigned art;          // MenuArt flags
    const char* kuerzel;   // key sequence that triggers the item, or nullptr
};

// The table of a menu resource (frame menus, document menus, context menus);
// empty for an unknown id.
const std::vector<MenuEintrag>& menuTabelle(int menueId);

// Every menu id that has a table.
std::vector<int> alleMenues();

}  // namespace zor::app
