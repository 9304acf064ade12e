#pragma once
// The sample drawing document's command: "Grafik" opens a new one.

#include "app/context/beschreibung.h"

namespace zor::app {

class GrafikModul : public Befehlsmodul {
public:
    explicit GrafikModul(Kontext& kontext);
    static const Modul& beschreibung();
    // The document's window.
    static const Fenster& fenster();

private:
    void grafikNeu(int id);
};

}  // namespace zor::app
