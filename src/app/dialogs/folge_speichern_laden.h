#pragma once
// A parameter set's sequence as a file: "Speichern Fehlerfolge n unter..." (500, 501)
// writes it as FFO or FAB, "aus Datei..." (512, 520) makes a set read one.

#include "app/context/befehlsmodul.h"

namespace zor::app {

class FolgenModul : public Befehlsmodul {
public:
    explicit FolgenModul(Kontext& kontext);

    void SaveAs(int satz);
    void Load(int satz);
};

}  // namespace zor::app
