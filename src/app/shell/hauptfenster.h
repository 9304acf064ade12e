#pragma once
// The frame window: MDI area, three menu states (start, multimedia, channel model),
// toolbar, status bar, and the single command dispatcher every menu item and toolbar
// button reaches. It owns the channel-model state.

#include <QMainWindow>

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/context/befehlsmodul.h"
#include "app/context/kontext.h"
#include "app/context/verzeichnis.h"
#include "core/models/zor_state.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace zor::app {

class Dateiwahl;
class Fortschrittsfenster;
class Hintergrund;
class MdiDokument;
class Menue;
class Meldungsdienst;
class Statusleiste;
class Warnton;
class Werkzeugleiste;

class Hauptfenster : public QMainWindow, public Kontext {
    Q_OBJECT
public:
    enum class Modus { Start, Multimedia, Zor };

    Hauptfenster(Meldungsdienst& meldung, Dateiwahl& dateiwahl, QWidget* eltern = nullptr);
    ~Hauptfenster() override;

    // Carries out a command of any menu, toolbar button or document.
    void mainframe_OnCommand(int id);

    Modus modus() const { return modus_; }
    QMdiArea* mdi() const { return mdi_; }
    Statusleiste* statusleiste() const { return statusleiste_; }
    Werkzeugleiste* werkzeugleiste() const { return werkzeugleiste_; }

    // A menu resource: 1333, 107, 135 or a document menu. Built once, kept for the run.
    Menue& menue(int id);
    // The menu the frame shows now.
    const Menue& aktuellesMenue() const { return *aktuell_; }

    // Creates a document in the MDI area with the title of its description.
    QMdiSubWindow* mdi_Create(MdiDokument* dokument);

    // The context every document, dialog and job receives.
    ZorState& zustand() override { return zustand_; }
    Meldungsdienst& meldung() override { return meldung_; }
    Dateiwahl& dateiwahl() override { return dateiwahl_; }
    Warnton& warnton() override { return *warnton_; }
    zor::Fortschritt& fortschritt() override;
    Hintergrund& hintergrund() override;
    QWidget* fenster() override { return this; }
    QMdiSubWindow* oeffneDokument(MdiDokument* dokument) override { return mdi_Create(dokument); }
    QList<MdiDokument*> dokumente() const override;
    MdiDokument* aktivesDokument() const override;
    void aktiviere(MdiDokument* dokument);
    QMdiArea& mdiFlaeche() override { return *mdi_; }
    void zeigeKontextmenue(MdiDokument* dokument, const QPoint& global, int kontextId) override {
        mdi_OnContextMenu(dokument, global, kontextId);
    }
    void befehl(int id) override { mainframe_OnCommand(id); }
    void geschriebenMelden(const QString& datei) override;
    void zeigeNebeneinander(const QString& original, const QString& kopie) override;
    void setzeAktiv(int id, bool aktiv) override;
    void setzeHaken(int id, bool haken) override;
    // The state of the command's item in the channel-model or multimedia menu.
    bool istAktiv(int id) const;
    bool hatHaken(int id) const;
    void befehleAbgleichen() override;
    const Verzeichnis& verzeichnis() const override { return verzeichnis_; }

    // Context menu of a document at a point in screen coordinates; false (nothing
    // shown) when the point is outside the document's client area.
    bool mdi_OnContextMenu(MdiDokument* dokument, const QPoint& global, int kontextId);
    // The context menu's first pop-up, conformed to the current frame menu.
    QMenu* kontextPopup(int kontextId);

    void RebuildToolBar(int satz);

    // The frame's own commands (shell/rahmen_modul.cpp describes them).
    void zuMultimedia();
    void zuZor();
    void mdiAnordnen(int id);
    void mainframe_OnCloseAll();

    // The window list entries (ids 3000...) the window menu shows now.
    QList<QAction*> fensterliste();

    // The shared progress window (dialog 608).
    Fortschrittsfenster& MakeProgress();

    // Another start asked for this window.
    void nachVorn();

private:
    // The feature modules and, built from their descriptions, the handler of each command.
    struct Ziel {
        Befehlsmodul* modul;
        Befehl::Ausfuehrung ausfuehren;
    };
    std::vector<std::unique_ptr<Befehlsmodul>> module_;
    std::unordered_map<int, Ziel> ziele_;
    void ladeModule();

    void setzeMenue(const Menue& m);
    // The menu holding a command's item: the channel-model or multimedia menu first.
    const Menue* menueMit(int id) const;
    // Enables or grays, as a whole, the pop-up of the channel-model menu that holds the command.
    void setzeUntermenueAktiv(int id, bool aktiv);
    void aktualisiereFensterliste(QMenu* fenstermenue);
    void dokumentAktiviert(QMdiSubWindow* w);
    void mainframe_OnMDIDestroy();
    void zeigeHinweis(int id);
    void anDokument(int id);
    void kacheln(bool nebeneinander);
    void iconsEinordnen();
    void kaskadieren();
    void programmzeileNachMenue(QMenu* menue);

    Verzeichnis verzeichnis_;
    Meldungsdienst& meldung_;
    Dateiwahl& dateiwahl_;
    ZorState zustand_;
    Modus modus_ = Modus::Start;
    QMdiArea* mdi_;
    Statusleiste* statusleiste_;
    Werkzeugleiste* werkzeugleiste_ = nullptr;
    Fortschrittsfenster* fortschritt_ = nullptr;
    std::unique_ptr<Hintergrund> hintergrund_;
    std::unique_ptr<Warnton> warnton_;
    std::map<int, std::unique_ptr<Menue>> menues_;
    std::map<int, std::unique_ptr<Menue>> kontexte_;
    const Menue* aktuell_ = nullptr;
};

}  // namespace zor::app
