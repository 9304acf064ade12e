#pragma once
// A parameter set's sequence as a file: "Speichern Fehlerfolge n unter..." (500, 501)
// writes it as FFO or FAB, "aus Datei..." (512, 520) makes a set read one.

#include "app/context/befehle.h"
#include "app/context/beschreibung.h"

namespace zor::app {

class FolgenModul : public Befehlsmodul {
public:
    explicit FolgenModul(Kontext& kontext);
    static const Modul& beschreibung();

    void SaveAs(int satz);
    void Load(int satz);

private:
    void speichern(int id) { SaveAs(id == CMD_SPEICHERN_SATZ1 ? 0 : 1); }
    void laden(int id) { Load(id == CMD_SATZ1_DATEI ? 0 : 1); }
};

}  // namespace zor::app
