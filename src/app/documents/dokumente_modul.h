#pragma once
// The channel-model document commands: refresh, open and close (one or all), and
// exporting the active document.

#include "app/context/befehlsmodul.h"
#include "app/documents/modelldokument.h"
#include "core/plot/plotag.h"

namespace zor::app {

class DokumenteModul : public Befehlsmodul {
public:
    explicit DokumenteModul(Kontext& kontext);

    // A new document of that kind, or nullptr while that kind is not built yet.
    ModellDokument* erzeuge(Modelldokument d);

private:
    void aktualisieren(int id);
    void oeffnen(int id);
    void oeffnenAlle(int id);
    void schliessen(int id);
    void exportieren(int id);

    void anDokument(Modelldokument d, int id);
    bool oeffne(Modelldokument d);
    void nachModellOeffnen();

    Vorlagenquelle vorlagen_;
};

}  // namespace zor::app
