#pragma once
// The base of every document inside the frame's MDI area. A document says which menu
// replaces the frame menu while it is active, which context menu it shows, and
// receives the commands the frame passes on. It reaches the frame only through its
// context.

#include <QWidget>

namespace zor::app {

class Kontext;

// What a document is; the channel-model kinds are the ones the model commands count.
enum class Dokumentart { Sonstiges, FF, FKF, FAV, PAR, Hex, Bin, Bitmap, Grafik };

// The channel-model documents (FF, FKF, FAV, PAR).
constexpr bool istModelldokument(Dokumentart a) {
    return a == Dokumentart::FF || a == Dokumentart::FKF || a == Dokumentart::FAV || a == Dokumentart::PAR;
}

// A document that can put its diagram on a printed page.
class Druckbar {
public:
    virtual ~Druckbar() = default;
    // The selector of the page header template for this document ('a', 'b' or 'c').
    virtual char druckKopf() const = 0;
};

class MdiDokument : public QWidget {
    Q_OBJECT
public:
    explicit MdiDokument(Kontext& kontext, QWidget* eltern = nullptr) : QWidget(eltern), kontext_(kontext) {}

    virtual Dokumentart art() const { return Dokumentart::Sonstiges; }
    // The document menu that replaces the frame menu while active (1202, 1203, 86, 83), or 0.
    virtual int dokumentMenue() const { return 0; }
    // The context menu resource (its first pop-up is shown), or 0 for none.
    virtual int kontextMenue() const { return 0; }
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
};

}  // namespace zor::app
