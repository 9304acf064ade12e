#pragma once
// Command 541: the MIDI information dialog, with the listing of the last reading kept.

#include "app/context/beschreibung.h"

#include <memory>

namespace zor {
class MidiListe;
}

namespace zor::app {

// Gives the memory a closed dialog freed back to the system.
void speicherZurueckgeben();

class MidiModul : public Befehlsmodul {
public:
    explicit MidiModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void midi(int id);
    std::shared_ptr<MidiListe> behalten_;
};

}  // namespace zor::app
