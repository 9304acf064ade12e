#pragma once
// "Kopf schützen: automatisch": which bytes of a file are its header, by format, so that a
// corrupted copy still opens with the same parameters and only the payload differs.
// - BMP: everything before the pixel data (the file header's pixel offset).
// - WAV: everything before the first sample of the `data` chunk, whatever chunks precede
//   it, and whatever follows the samples (pad byte, trailing chunks).
// - AVI: everything up to the `movi` list's data, each chunk header inside it, and the
//   index and chunks after it.
// - MIDI: the header chunk and the 8-byte header of every track chunk.
// Anything else, or a file whose structure does not hold together, gets no range and a note.

#include "core/io/bytebereiche.h"
#include "core/media/bytequelle.h"

#include <string>

namespace zor {

struct Kopfschutz {
    Schutzbereiche bereiche;
    std::string format;  // "BMP", "WAV", "AVI", "MIDI"; empty when not recognised
    std::string hinweis; // German: how many bytes are protected and why
};

Kopfschutz kopfschutzErkennen(Bytequelle& q);
// The same for a file; one that cannot be opened gets no range and the reason as note.
Kopfschutz kopfschutzErkennen(const std::string& pfad);

// More ranges than this (a file of countless tiny chunks) is not protected by format.
inline constexpr std::size_t KOPFSCHUTZ_HOECHSTENS = std::size_t{1} << 20;

inline constexpr const char* TEXT_KOPF_BMP = "Kopf geschützt: %llu Bytes (BMP-Bild: Dateikopf bis zu den Bildpunkten ab Byte %llu).";
inline constexpr const char* TEXT_KOPF_WAV = "Kopf geschützt: %llu Bytes (WAV-Ton: alles vor dem ersten Abtastwert ab Byte %llu%s).";
inline constexpr const char* TEXT_KOPF_WAV_DANACH = ", dazu %llu Bytes nach den Abtastwerten";
inline constexpr const char* TEXT_KOPF_AVI =
    "Kopf geschützt: %llu Bytes (AVI-Film: alles bis zu den Daten der movi-Liste ab Byte %llu, die Köpfe der %llu "
    "Abschnitte darin und %llu Bytes danach).";
inline constexpr const char* TEXT_KOPF_MIDI =
    "Kopf geschützt: %llu Bytes (MIDI-Datei: der Kopfabschnitt und die Köpfe der %llu Spurabschnitte).";
inline constexpr const char* TEXT_KOPF_UNBEKANNT =
    "Kopf schützen: kein bekanntes Format (BMP, WAV, AVI, MIDI) erkannt, kein Byte geschützt.";
inline constexpr const char* TEXT_KOPF_UNSTIMMIG =
    "Kopf schützen: die Datei beginnt wie %s, ihr Aufbau stimmt aber nicht; kein Byte geschützt.";

}  // namespace zor
