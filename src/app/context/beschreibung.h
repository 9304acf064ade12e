#pragma once
// How a feature module describes itself to the frame, once, in its own folder: the
// windows, dialogs and jobs it opens, each with its object name, help page, file-filter
// sets and help picture, and every command it serves with its handler, hint, menu places
// and toolbar buttons. The frame builds its menus, toolbars, dispatcher, F1 table and the
// help pictures from these descriptions (shell/module.cpp lists the modules).

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "app/context/befehlsmodul.h"
#include "app/context/bildrezept.h"
#include "app/context/menueplatz.h"
#include "app/platform/dateiwahl.h"

namespace zor::app {

class Kontext;

// A command: its handler in the module (none: the frame passes it to the active
// document), its status-bar hint and tooltip, its menu items and toolbar buttons.
struct Befehl {
    using Ausfuehrung = void (*)(Befehlsmodul& modul, int id);

    int id = 0;
    Ausfuehrung ausfuehren = nullptr;
    const char* hinweis = nullptr;
    std::vector<Menueplatz> menues = {};
    std::vector<Knopfplatz> knoepfe = {};
};

template <class T>
struct KlasseVon;
template <class M>
struct KlasseVon<void (M::*)(int)> {
    using Typ = M;
};

// The member function of the module that serves a command, as a handler.
template <auto F>
void ruft(Befehlsmodul& modul, int id) {
    using M = typename KlasseVon<decltype(F)>::Typ;
    (static_cast<M&>(modul).*F)(id);
}

// A channel-model document as the frame's menu states see it: its letter in the
// arrangement and the commands that open and close it.
struct Modellfenster {
    char buchstabe = 0;
    int oeffnen = 0;
    int schliessen = 0;
};

// One window, dialog or job.
struct Fenster {
    QString name = {};      // object name; empty for a step that shows only a file chooser
    QString hilfe = {};     // its help file ("zor_ff.hlp")
    int befehl = 0;         // the command of the menus that opens it
    QString titel = {};     // a document's first window title
    int dokumentMenue = 0;  // the menu that replaces the frame menu while it is active
    int kontextMenue = 0;   // its context menu (the first pop-up is shown), or 0
    std::optional<Modellfenster> modell = {};
    std::vector<const Filtersatz*> filter = {};  // the file choosers it offers
    std::vector<Bildrezept> bilder = {};         // its pictures in the help
};

// A feature module: its windows, its commands, the menu parts it owns (pop-ups,
// separators and shared blocks of its document menus), and how it is made.
struct Modul {
    using Fabrik = std::unique_ptr<Befehlsmodul> (*)(Kontext&);

    const char* name = "";
    Fabrik erzeuge = nullptr;
    std::vector<Befehl> befehle = {};
    std::vector<const Fenster*> fenster = {};
    std::vector<Menueplatz> menues = {};
    std::vector<Knopfplatz> knoepfe = {};  // separators of the toolbar sets
};

// The factory of a module class that takes the context.
template <class M>
std::unique_ptr<Befehlsmodul> fabrik(Kontext& k) {
    return std::make_unique<M>(k);
}

}  // namespace zor::app
