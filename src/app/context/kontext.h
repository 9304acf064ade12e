#pragma once
// The narrow view of the frame that every document, dialog and job receives. Feature code
// includes this header, never the frame's: it reaches the state, the platform services,
// the MDI documents and the command states only through here.

#include <QList>

#include "core/util/fortschritt.h"

class QMdiArea;
class QMdiSubWindow;
class QPoint;
class QString;
class QWidget;

namespace zor {
struct ZorState;
}

namespace zor::app {

class Dateiwahl;
class Hintergrund;
class MdiDokument;
class Meldungsdienst;
class Verzeichnis;
class Warnton;

class Kontext {
public:
    virtual ~Kontext() = default;

    // The channel-model state of the whole program.
    virtual ZorState& zustand() = 0;
    // Message boxes, file choosers and the warning sound of the platform layer.
    virtual Meldungsdienst& meldung() = 0;
    virtual Dateiwahl& dateiwahl() = 0;
    virtual Warnton& warnton() = 0;
    // The shared progress window; a job calls start, step and end on it.
    virtual zor::Fortschritt& fortschritt() = 0;
    // Long work off this thread, with that progress window and its "Abbrechen".
    virtual Hintergrund& hintergrund() = 0;
    // The parent of modal dialogs and top-level tool windows.
    virtual QWidget* fenster() = 0;

    // Shows a new document in the MDI area with the title of its description and makes
    // it the active one. The frame owns it from then on; nullptr on failure.
    virtual QMdiSubWindow* oeffneDokument(MdiDokument* dokument) = 0;
    // The open documents in creation order, and the active one (or nullptr).
    virtual QList<MdiDokument*> dokumente() const = 0;
    virtual MdiDokument* aktivesDokument() const = 0;
    // The MDI area itself, for arranging and tiling documents.
    virtual QMdiArea& mdiFlaeche() = 0;
    // The context menu (its first pop-up, conformed to the frame menu) at a screen point.
    virtual void zeigeKontextmenue(MdiDokument* dokument, const QPoint& global, int kontextId) = 0;

    // Shows a file and its altered copy in hex documents side by side, each scrolled to
    // their first difference.
    virtual void zeigeNebeneinander(const QString& original, const QString& kopie) = 0;

    // What the modules describe: commands, windows, their help pages.
    virtual const Verzeichnis& verzeichnis() const = 0;
    // Confirms in the status bar that a job wrote this file (no modal box for a success).
    virtual void geschriebenMelden(const QString& datei) = 0;

    // Carries out any command through the one dispatcher.
    virtual void befehl(int id) = 0;
    // Enables or grays a command: every menu item with that id and its toolbar button.
    virtual void setzeAktiv(int id, bool aktiv) = 0;
    // Brings the channel-model commands of menus and toolbar in line with the state
    // (which are offered and checked follows from it alone). The frame does it after
    // every command; a change outside a command (a document closed by its frame) asks.
    virtual void befehleAbgleichen() = 0;
    // Checks or unchecks the menu items of a command.
    virtual void setzeHaken(int id, bool haken) = 0;
};

}  // namespace zor::app
