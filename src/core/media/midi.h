#pragma once
// The information text of a Standard MIDI File: the header and every event of every track
// as readable lines, each ending in a line feed, with a separator line after the header
// and after each track. The whole text is kept (no size cap). A damaged file ends the
// reading with a line naming the fault; nothing is ever read past the end of the file.

#include "core/util/ergebnis.h"

#include <span>
#include <string>

namespace zor {

class Bytequelle;

struct [[nodiscard]] MidiErgebnis {
    bool ok = false;    // a text exists (perhaps ending in a fault line)
    std::string text;   // UTF-8; meta texts are taken as Latin-1
    Meldung meldung;    // why there is no text
    explicit operator bool() const { return ok; }
};

// `name` is the file name the first line shows.
MidiErgebnis GetFileInfo(const std::string& datei);
MidiErgebnis midiInfo(Bytequelle& q, const std::string& name);
MidiErgebnis midiAusSpeicher(std::span<const unsigned char> bytes, const std::string& name);

// The separator line `bar`.
inline const std::string MIDI_TRENNER = std::string(64, '_') + "\n";

inline constexpr const char* TEXT_MIDI_FEHLER = "Fehler beim Lesen der Datei!";
inline constexpr const char* TITEL_MIDI_FEHLER = "Message";
inline constexpr const char* TEXT_MIDI_LAUFSTATUS = "Bad file - unexpected running status\n";
inline constexpr const char* TEXT_MIDI_FALSCH = "Falsche Information!\n";
inline constexpr const char* TEXT_MIDI_VORZEITIG = "Datei endet vorzeitig\n";
inline constexpr const char* TEXT_MIDI_VARI = "Zahl variabler Länge mit mehr als vier Bytes\n";
inline constexpr const char* TEXT_MIDI_UEBER_DATEI = "Länge reicht über das Dateiende hinaus\n";
inline constexpr const char* TEXT_MIDI_UEBER_SPUR = "Länge reicht über das Spurende hinaus\n";

}  // namespace zor
