#pragma once
// Everything the feature modules describe, gathered once: the commands by id, the
// windows, and every place in the menus and toolbar sets. The frame builds its menus,
// toolbars and dispatcher from it; the help finds the F1 pages in it.

#include <QString>
#include <QStringList>

#include <string>
#include <unordered_map>
#include <vector>

#include "app/context/beschreibung.h"

namespace zor::app {

class Verzeichnis {
public:
    explicit Verzeichnis(std::vector<const Modul*> module);

    const std::vector<const Modul*>& module() const { return module_; }
    // The command's description, or nullptr when no module describes it.
    const Befehl* befehl(int id) const;
    // The module that describes the command, or nullptr.
    const Modul* modulVon(int id) const;
    // The command's status-bar hint (at most 127 characters) and its tooltip (63).
    QString hinweis(int id) const;
    QString tooltip(int id) const;

    // Every window, in the modules' order.
    std::vector<const Fenster*> fenster() const;
    // The help file for F1 in the window of that object name, or empty.
    QString hilfedatei(const QString& name) const;
    // The menus that replace the frame menu while their document is active.
    bool istDokumentMenue(int menue) const;
    // The channel-model documents in their fixed order, and their letters in that order.
    std::vector<Modellfenster> modellfenster() const;
    std::string modellReihe() const;

    // Every menu entry (command items with their ids) and toolbar place.
    const std::vector<Menueplatz>& menueplaetze() const { return plaetze_; }
    const std::vector<Knopfplatz>& knopfplaetze() const { return knoepfe_; }

    // What the descriptions get wrong: a command described twice, a menu item or button
    // of a command nobody describes, two windows of one name.
    QStringList fehler() const { return fehler_; }

private:
    std::vector<const Modul*> module_;
    std::unordered_map<int, std::pair<const Befehl*, const Modul*>> befehle_;
    std::vector<Menueplatz> plaetze_;
    std::vector<Knopfplatz> knoepfe_;
    QStringList fehler_;
};

}  // namespace zor::app
