#pragma once
// The help commands: each opens the page of its help file in the one help window;
// F1 in a dialog or window opens that window's page.

#include <QPointer>
#include <QString>

#include "app/context/beschreibung.h"
#include "app/platform/hilfefenster.h"

namespace zor::app {

class HilfeModul : public Befehlsmodul {
public:
    explicit HilfeModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void hilfe(int id);
    void nichts(int) {}
    // Writes the teaching set into a folder the user picks.
    void beispieleKopieren(int);
    // Opens the page; false when the program has none.
    bool zeige(const QString& datei, int kontext = 0);
    // A modal dialog blocks every window but its own children, so the help window
    // moves onto the innermost open modal dialog and back to the frame once it closes.
    void anModalesFenster();

    QPointer<Hilfefenster> fenster_;  // made on first use; a child of the frame or of a modal dialog
};

}  // namespace zor::app
