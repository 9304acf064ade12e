#pragma once
// The channel-model document commands: refresh, open and close (one or all), exporting
// the active document, and the cursor and warning commands of the curve documents.

#include "app/context/beschreibung.h"
#include "app/documents/modelldokument.h"
#include "core/plot/plotag.h"

namespace zor::app {

class DokumenteModul : public Befehlsmodul {
public:
    explicit DokumenteModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void aktualisieren(int id);
    void oeffnen(int id);
    void oeffnenAlle(int id);
    void schliessen(int id);
    void exportieren(int id);
    void anFKF(int id);
    void anFAV(int id);

    void anDokument(const ModellDokumentart& art, int id);
    void oeffne(const ModellDokumentart& art);
    void nachModellOeffnen();

    Vorlagenquelle vorlagen_;
    // The legend's place the last export chose; offered first next time.
    Legendenort legende_ = Legendenort::ObenRechts;
};

}  // namespace zor::app
