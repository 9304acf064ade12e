#pragma once
// Corruption by a stored error pattern: every bit the pattern marks as an error is inverted
// in the copy (bit P of a file is bit 7 - P mod 8 of byte P div 8), all others are copied.
// The copy has the input's length. Inputs are streamed; the copy appears only on success.

#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/io/job_ergebnis.h"
#include "core/util/fortschritt.h"

#include <string>

namespace zor {

struct MusterAuftrag {
    std::string szInPutFile;   // file to corrupt
    std::string szFfoFabFile;  // pattern, FFO or FAB
    std::string szOutPutFile;  // corrupted copy
    Eingaben geschuetzt = {};  // files the parameter sets read: never an output
};

// FFO pattern: needs 8 characters per input byte; characters beyond are not read.
JobErgebnis CreateFfoErrorFile(const MusterAuftrag& a, Fortschritt& f, std::size_t block = Blockleser::STANDARD_BLOCK);

// FAB pattern: the k-th record inverts bit (sum of the first k gaps) - 1, a record below 1
// being a gap of 1. Records whose position lies past the input are skipped and counted in
// `uebersprungen` (with a note).
JobErgebnis CreateFabErrorFile(const MusterAuftrag& a, Fortschritt& f, std::size_t block = Blockleser::STANDARD_BLOCK);

// One of the two, chosen by the pattern's name (".FFO"/".ffo" anywhere: FFO).
JobErgebnis MusterVerfaelschen(const MusterAuftrag& a, Fortschritt& f, std::size_t block = Blockleser::STANDARD_BLOCK);

inline constexpr const char* TEXT_ZU_KLEIN = "%s ist zu klein!";
inline constexpr const char* TEXT_MUSTER_LESEN = "hFile2 kann nicht gelesen werden!";
inline constexpr const char* TEXT_UEBERSPRUNGEN =
    "%llu Einträge der FAB-Datei %s zeigen auf Bits hinter dem Ende der Eingabedatei und wurden übersprungen.";

}  // namespace zor
