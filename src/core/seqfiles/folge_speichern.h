#pragma once
// Saving a parameter set's error sequence as an FFO or FAB file: the very sequence the
// sequence view and the simulations of that set produce (same procedures, same seeds).

#include "core/io/ausgabedatei.h"
#include "core/models/satzparameter.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

#include <string>

namespace zor {

inline constexpr const char* TEXT_NICHT_GESCHRIEBEN = "Datei kann nicht geschrieben werden!";

// Generates the set's sequence and writes it to `datei` as
// FFO (typ = TYP_FFO, exactly N characters, with progress) or FAB (typ = TYP_FAB, one
// little-endian 32-bit record per error). An inactive or file-fed set writes an empty
// file. The file appears only on success; on failure the message to show is returned,
// after a cancel none. Refused before anything is written: one of `geschuetzt` (the files
// the sets read), no regular file (see ausgabeVerweigert), and an FFO larger than the
// free space of its file system.
Ergebnis SaveFolge(const Satzparameter& p, int typ, const std::string& datei, Fortschritt& fortschritt,
                   const Eingaben& geschuetzt = {});
// The same for set `satz` (0 = set 1, 1 = set 2) of the state as it is now, never onto
// a file one of its sets reads.
Ergebnis SaveFolge(const ZorState& s, int satz, int typ, const std::string& datei, Fortschritt& fortschritt);

}  // namespace zor
