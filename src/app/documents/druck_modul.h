#pragma once
// Printing the active channel-model document (FF, FKF or FAV) on one page, and the
// page preview. The parameter window cannot be printed on its own.

#include <optional>

#include "app/documents/druckauftrag.h"
#include "app/context/beschreibung.h"
#include "app/plot/druckseite.h"

namespace zor::app {

// The printed page as a PDF file, where no printer is installed.
inline const Filtersatz SATZ_PDF{"PDF", {"PDF-Dateien (*.pdf)"}};

class DruckModul : public Befehlsmodul {
public:
    explicit DruckModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void drucken(int id);
    void seitenansicht(int id);

    // Brings the documents and the page's curves up to date and names the active
    // document's page; refuses the parameter window (or none) with a message.
    const Druckart* vorbereiten();
    // The page of that kind; the diagram's messages go to meldungen when given.
    Seitenmaler seite(const Druckart& art, std::vector<Meldung>* meldungen);

    Vorlagenquelle vorlagen_;
};

}  // namespace zor::app
