#pragma once
// The file sources of the curves: an error-sequence (FFO) or error-gap (FAB) file, read
// in blocks whatever its size with the formats' readers (FfoLeser, FabLeser). Only the
// length recorded when the file was chosen is read. On failure the curve is the empty one
// (1s for FAV, 0s for FKF) and the German message to show is returned; a success may carry
// a note (information icon) about records below 1 or an incomplete last record.
// With k, also the curve's confidence band (konfidenz.h): an FFO is cut into batches by
// characters, a FAB by records.

#include "core/models/fav.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

namespace zor {

inline constexpr const char* FAV_MELDUNGSTITEL = "Fehlerabstandsverteilung";
inline constexpr const char* FKF_MELDUNGSTITEL = "Fehlerkorrelationsfunktion";

// Gap distribution of the file: every gap that ends with an error (FFO), every record (FAB;
// a record below 1 is a gap of 1). With progress.
Ergebnis FAV_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, Fortschritt& f, Konfidenz* k = nullptr);

// Correlation function of the file by the general (erneuernd = 0) or renewal method.
// An FFO must be longer than D = ptGraph.size() - 1 characters. With progress, placed
// among the bits for the general method on a FAB (one record may stand for many bits).
Ergebnis FKF_DATEI(const STRUCT_DATEI& datei, Kurve ptGraph, int erneuernd, Fortschritt& f, Konfidenz* k = nullptr);

}  // namespace zor
