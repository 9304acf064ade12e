#pragma once
// The base of every document inside the frame's MDI area. A document takes its object
// name, menus and title from its window's description, and receives the commands the
// frame passes on. It reaches the frame only through its context.

#include <QWidget>

namespace zor {
struct Druckart;
}

namespace zor::app {

class Kontext;
struct Fenster;

// A document that can put its diagram on a printed page.
class Druckbar {
public:
    virtual ~Druckbar() = default;
    // What its page shows below the parameter pictures.
    virtual const Druckart& druckart() const = 0;
};

class MdiDokument : public QWidget {
    Q_OBJECT
public:
    MdiDokument(Kontext& kontext, const Fenster& beschreibung, QWidget* eltern = nullptr);

    const Fenster& beschreibung() const { return beschreibung_; }
    // The document menu that replaces the frame menu while active (1202, 1203, 86, 83), or 0.
    int dokumentMenue() const;
    // The context menu resource (its first pop-up is shown), or 0 for none.
    int kontextMenue() const;
    // A command the frame passes on; true when the document handled it. The base
    // closes the document on "Schließen" (4035).
    virtual bool befehl(int id);
    // The printing side of the document, or nullptr when it cannot be printed.
    virtual Druckbar* druckbar() { return nullptr; }
    // Called when the document becomes the active one.
    virtual void aktiviert() {}

    Kontext& kontext() const { return kontext_; }

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    Kontext& kontext_;
    const Fenster& beschreibung_;
};

}  // namespace zor::app
