#pragma once
// Where an entry stands in a menu or a toolbar set. A menu is a tree: each entry names
// its menu resource (or a block that several menus share), the path of pop-up titles
// from the menu bar down to it, and its rank among its neighbours there; the frame
// sorts by rank. Modules place their own commands in the frame menus and lay out the
// document and context menus they own.

#include <vector>

namespace zor::app {

enum MenuArt : unsigned {
    BEFEHL = 0,
    POPUP = 1u << 0,
    TRENNER = 1u << 1,
    GRAU = 1u << 2,   // disabled and grayed at creation
    HAKEN = 1u << 3,  // checked at creation
    BLOCK = 1u << 4,  // the entries of the shared block `id` stand here
};

struct Menueplatz {
    int menue = 0;          // menu resource or block id
    const char* pfad = "";  // pop-up titles below the bar, joined by '/'; "" is the bar
    int rang = 0;
    const char* text = nullptr;  // item text with '&' mnemonic and "\t" key text; pop-up title
    unsigned art = BEFEHL;
    const char* kuerzel = nullptr;  // key sequence that triggers the item
    int id = 0;                     // the command; for BLOCK the block
};

// A command's item. Inside a command's description the id is its own.
constexpr Menueplatz im(int menue, const char* pfad, int rang, const char* text, unsigned art = BEFEHL,
                        const char* kuerzel = nullptr) {
    return {menue, pfad, rang, text, art, kuerzel, 0};
}
// Another module's command in a menu this module lays out.
constexpr Menueplatz fremd(int id, int menue, const char* pfad, int rang, const char* text, unsigned art = BEFEHL,
                           const char* kuerzel = nullptr) {
    return {menue, pfad, rang, text, art, kuerzel, id};
}
constexpr Menueplatz popup(int menue, const char* pfad, int rang, const char* titel, unsigned art = BEFEHL) {
    return {menue, pfad, rang, titel, POPUP | art, nullptr, 0};
}
constexpr Menueplatz trenner(int menue, const char* pfad, int rang) {
    return {menue, pfad, rang, nullptr, TRENNER, nullptr, 0};
}
constexpr Menueplatz block(int menue, const char* pfad, int rang, int blockId) {
    return {menue, pfad, rang, nullptr, BLOCK, nullptr, blockId};
}

// The pop-ups a multimedia document menu shares with the others, from rank `rang` on:
// "Verfälschen", "Erstellen", "Fenster" and "Hilfe" (its items too when `hilfe`).
std::vector<Menueplatz> gemeinsamePopups(int menue, int rang, bool hilfe);

// A toolbar button or separator in set 0 (start), 4058 (multimedia) or 4059 (channel
// model).
struct Knopfplatz {
    int satz = 0;
    int rang = 0;
    const char* bild = nullptr;  // icons/<bild>.svg; nullptr for a separator
    bool aktiv = true;           // state at creation
    int befehl = 0;              // set from the command
};

constexpr Knopfplatz knopf(int satz, int rang, const char* bild, bool aktiv = true) {
    return {satz, rang, bild, aktiv, 0};
}
constexpr Knopfplatz knopfTrenner(int satz, int rang) { return {satz, rang, nullptr, true, 0}; }

}  // namespace zor::app
