#pragma once
// The help commands: each opens the page of its help file in the one help window;
// F1 in a dialog or window opens that window's page.

#include <QPointer>
#include <QString>

#include "app/context/beschreibung.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hilfefenster.h"
#include "core/util/ergebnis.h"

namespace zor::app {

inline const Filtersatz SATZ_HILFE_PDF{"Hilfe-PDF", {"PDF-Dateien (*.pdf)"}};
inline constexpr const char* TEXT_HILFE_ALS_PDF = "Hilfeseite als PDF-Datei speichern";

// The page the help window shows as an A4 PDF, through Ausgabedatei.
Ergebnis hilfeseiteSpeichern(const Hilfefenster& fenster, const QString& pfad);

class HilfeModul : public Befehlsmodul {
public:
    explicit HilfeModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void hilfe(int id);
    // The help window at the contents, or at the hex page with the search field ready.
    void inhalt(int);
    void suchen(int);
    // Writes the teaching set into a folder the user picks.
    void beispieleKopieren(int);
    // Opens the page; false when the program has none.
    bool zeige(const QString& datei, int kontext = 0);
    // A modal dialog blocks every window but its own children, so the help window
    // moves onto the innermost open modal dialog and back to the frame once it closes.
    void anModalesFenster();
    // The help window's "Drucken…" (on the default printer; without one, as a PDF file)
    // and "Als PDF speichern…".
    void seiteDrucken();
    void seiteAlsPdf();

    QPointer<Hilfefenster> fenster_;  // made on first use; a child of the frame or of a modal dialog
};

}  // namespace zor::app
