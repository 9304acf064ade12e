// zor midi FILE: the information text of a MIDI file, line by line.
#include "befehle.h"

#include "core/media/bytequelle.h"
#include "core/media/midi.h"

#include <cstdio>
#include <iostream>
#include <memory>

namespace zorcli {

Ausfuehrung midiEinrichten(CLI::App& sub) {
    auto datei = std::make_shared<std::string>();
    sub.add_option("FILE", *datei, "MIDI-Datei")->required();
    sub.footer("Exit-Status 3: die Datei ist beschädigt und wurde nur bis zu der Stelle gelistet, "
               "die die letzte Zeile nennt.");
    return [datei]() {
        std::string warum;
        const auto q = zor::oeffneDatei(*datei, warum);
        std::unique_ptr<zor::MidiZeilen> zeilen;
        if (q) zeilen = std::make_unique<zor::MidiZeilen>(*q, *datei);
        if (!zeilen || !zeilen->istMidi()) {
            std::cerr << zor::TEXT_MIDI_FEHLER << "\n";
            return FEHLGESCHLAGEN;
        }
        // Streamed: a listing many times the file's size never lies in memory whole.
        bool geschrieben = true;
        for (std::string zeile; geschrieben && zeilen->naechste(zeile);) {
            zeile += '\n';
            geschrieben = std::fwrite(zeile.data(), 1, zeile.size(), stdout) == zeile.size();
        }
        // A failed write is reported by the caller's check of standard output.
        return zeilen->abbruchBei() ? UNVOLLSTAENDIG : ERFOLG;
    };
}

}  // namespace zorcli
