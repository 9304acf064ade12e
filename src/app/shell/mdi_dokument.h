#pragma once
// The base of every document inside the frame's MDI area. A document says which menu
// replaces the frame menu while it is active, which context menu it shows, and
// receives the commands the frame passes on.

#include <QWidget>

namespace zor::app {

class Hauptfenster;

class MdiDokument : public QWidget {
    Q_OBJECT
public:
    explicit MdiDokument(QWidget* eltern = nullptr) : QWidget(eltern) {}

    // The document menu that replaces the frame menu while active (1202, 1203, 86, 83), or 0.
    virtual int dokumentMenue() const { return 0; }
    // The context menu resource (its first pop-up is shown), or 0 for none.
    virtual int kontextMenue() const { return 0; }
    // A command the frame passes on; true when the document handled it. The base
    // closes the document on "Schließen" (4035).
    virtual bool befehl(int id);
    // The channel-model document letter ('F' FF, 'K' FKF, 'V' FAV, 'P' PAR), or 0.
    virtual char modellDokument() const { return 0; }
    // Print kind of the print command: 1 FF, 2 FKF, 3 FAV, 0 not printable.
    virtual int druckArt() const { return 0; }
    // Called when the document becomes the active one.
    virtual void aktiviert() {}

    Hauptfenster* rahmen() const { return rahmen_; }
    void setzeRahmen(Hauptfenster* r) { rahmen_ = r; }

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    Hauptfenster* rahmen_ = nullptr;
};

}  // namespace zor::app
