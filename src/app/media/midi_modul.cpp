#include "app/media/midi_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/midi_dialog.h"

namespace zor::app {

MidiModul::MidiModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_MIDI}, [this](int) {
        MidiDialog d(this->kontext(), behalten_, this->kontext().fenster());
        d.exec();
    });
}

}  // namespace zor::app
