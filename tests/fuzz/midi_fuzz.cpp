// Arbitrary bytes as a MIDI file: the reader must never crash, hang or read out of bounds.
#include "core/media/midi.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const zor::MidiErgebnis e = zor::midiAusSpeicher({daten, n}, "fuzz.mid");
    if (e.ok != !e.text.empty()) std::abort();
    return 0;
}
