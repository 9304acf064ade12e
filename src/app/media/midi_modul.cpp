#include "app/media/midi_modul.h"

#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/media/midi_dialog.h"
#include "core/media/midi.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zor::app {

void speicherZurueckgeben() {
#ifdef __GLIBC__
    // A long listing's view keeps a position per row while open; the allocator would hold
    // those pages after the dialog closed.
    ::malloc_trim(0);
#endif
}

MidiModul::MidiModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_MIDI}, [this](int) {
        {
            MidiDialog d(this->kontext(), behalten_, this->kontext().fenster());
            d.exec();
        }
        speicherZurueckgeben();
    });
}

}  // namespace zor::app
