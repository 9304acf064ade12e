#pragma once
// The generators of the teaching set's files. Each is deterministic: integer arithmetic
// and IEEE additions and multiplications only, so every build writes the same bytes.

#include "core/util/ergebnis.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::beispiele {

// The test picture as a 24-bit bitmap file (through the program's own bitmap writer).
Ergebnis bild24Schreiben(const std::string& pfad);
// The same picture as an 8-bit bitmap file with a 256-colour table.
std::vector<unsigned char> bild8Bytes();

inline constexpr std::uint32_t TON_RATE = 22050;
// A short tune of tones with rests between them, 16-bit mono PCM in a plain 44-byte WAV header.
std::vector<unsigned char> tonBytes();

// The tune "Alle meine Entchen" as a Standard MIDI File, format 1: a conductor track
// (name, time and key signature, tempo) and a melody track (program, volume, notes in
// running status).
std::vector<unsigned char> melodieBytes();

inline constexpr std::uint32_t FILM_BREITE = 128, FILM_HOEHE = 96, FILM_BILDER = 10, FILM_BILDRATE = 5;
// A RIFF AVI with one video stream of uncompressed 24-bit DIB frames: a square moving
// over a gradient, with an index.
std::vector<unsigned char> filmBytes();
// Bytes before the first frame's pixels (the headers a corruption should spare).
std::uint64_t filmKopf();

}  // namespace zor::beispiele
