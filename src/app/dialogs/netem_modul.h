#pragma once
// A parameter set and the loss models of the Linux network emulator: "Aus netem-Zeile..."
// makes the set the GE or BSC model of a pasted line, "netem-Zeile kopieren" puts the
// set's line on the clipboard.

#include "app/context/beschreibung.h"

namespace zor::app {

enum NetemBefehl : int {
    CMD_SATZ1_NETEM_LESEN = 4300,
    CMD_SATZ1_NETEM_KOPIEREN = 4301,
    CMD_SATZ2_NETEM_LESEN = 4302,
    CMD_SATZ2_NETEM_KOPIEREN = 4303,
};

class NetemModul : public Befehlsmodul {
public:
    explicit NetemModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void lesen(int id);
    void kopieren(int id);
};

}  // namespace zor::app
