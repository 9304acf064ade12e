#pragma once
// The frame's three toolbar sets, built from the buttons the modules place in them, and
// the toolbar of one set. Buttons are actions of their own, separate from the menu items.

#include <QToolBar>

#include <functional>
#include <vector>

namespace zor::app {

struct Knopf {
    const char* bild;  // icons/<bild>.svg
    int befehl;        // command id; 0 for separators
    bool aktiv;        // initial state
    bool trenner;
};

class Verzeichnis;

// Set 0 = start, 4058 = multimedia, 4059 = channel model, in the order of their ranks;
// empty for any other.
std::vector<Knopf> knopfSatz(const Verzeichnis& v, int satz);

// The icon of a button: a theme icon where a standard action fits, else ours.
QIcon knopfBild(const char* bild);

class Werkzeugleiste : public QToolBar {
    Q_OBJECT
public:
    Werkzeugleiste(const Verzeichnis& v, int satz, std::function<void(int)> befehl, QWidget* eltern = nullptr);

    int satz() const { return satz_; }
    QAction* knopf(int befehl) const;
    // Enables or disables a button; a command this set lacks changes nothing.
    void setzeAktiv(int befehl, bool aktiv);
    bool istAktiv(int befehl) const;

private:
    int satz_;
};

}  // namespace zor::app
