#pragma once
// Command 541: the MIDI information dialog, with the text of the last reading kept.

#include "app/context/beschreibung.h"

#include <string>

namespace zor::app {

class MidiModul : public Befehlsmodul {
public:
    explicit MidiModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void midi(int id);
    std::string behalten_;
};

}  // namespace zor::app
