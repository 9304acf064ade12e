#pragma once
// Printing the active channel-model document (FF, FKF or FAV) on one page, and the
// page preview. The parameter window cannot be printed on its own.

#include <QPointer>

#include <functional>

#include "app/context/beschreibung.h"
#include "app/documents/druckauftrag.h"
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

    // Brings the documents and the page's curves up to date (in the background), then
    // runs weiter with the active document's page; refuses the parameter window (or
    // none) with a message.
    void vorbereiten(std::function<void(const Druckart&)> weiter);
    // Paints the page in the background with the cancel dialog shown.
    void druckeSeite(const Druckart& art, std::unique_ptr<Seitenauftrag> auftrag);
    // The page of that kind painted from s; the diagram's messages go to meldungen when
    // given.
    Seitenmaler seite(const Druckart& art, std::shared_ptr<ZorState> s, std::vector<Meldung>* meldungen) const;

    Vorlagenquelle vorlagen_;
    QPointer<Druckabbruch> abbruch_;
};

}  // namespace zor::app
