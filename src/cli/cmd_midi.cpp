// zor midi FILE: the information text of a MIDI file.
#include "befehle.h"

#include "core/media/midi.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung midiEinrichten(CLI::App& sub) {
    auto datei = std::make_shared<std::string>();
    sub.add_option("FILE", *datei, "MIDI-Datei")->required();
    return [datei]() {
        const zor::MidiErgebnis e = zor::GetFileInfo(*datei);
        if (!e) {
            std::cerr << e.meldung.text << "\n";
            return FEHLGESCHLAGEN;
        }
        const bool geschrieben = std::fwrite(e.text.data(), 1, e.text.size(), stdout) == e.text.size();
        return std::fflush(stdout) == 0 && geschrieben ? ERFOLG : FEHLGESCHLAGEN;
    };
}

}  // namespace zorcli
