#pragma once
// The frame's three toolbar sets as tables and the toolbar built from one of them.
// Buttons are actions of their own, separate from the menu items.

#include <QToolBar>

#include <functional>
#include <vector>

namespace zor::app {

struct Knopf {
    int bild;       // image index 0..26
    int befehl;     // command id; -1 or 0 for separators
    bool aktiv;     // initial state
    bool trenner;
};

// Set 0 = start, 4058 = multimedia, 4059 = channel model; empty for any other.
const std::vector<Knopf>& knopfSatz(int satz);

constexpr int NUMIMAGES = 27;

// The icon of an image index: a theme icon where a standard action fits, else ours.
QIcon knopfBild(int bild);

class Werkzeugleiste : public QToolBar {
    Q_OBJECT
public:
    Werkzeugleiste(int satz, std::function<void(int)> befehl, QWidget* eltern = nullptr);

    int satz() const { return satz_; }
    QAction* knopf(int befehl) const;
    // Enables or disables a button; a command this set lacks changes nothing.
    void setzeAktiv(int befehl, bool aktiv);
    bool istAktiv(int befehl) const;

private:
    int satz_;
};

}  // namespace zor::app
