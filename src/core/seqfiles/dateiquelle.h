#pragma once
// A parameter set fed from an FFO/FAB file: choosing the file (Load) and the refresh
// after a sequence file has been rewritten (Datei_ueberschrieben). State changes only;
// menus, toolbar and message boxes are the caller's.

#include "core/models/zor_state.h"
#include "core/io/ausgabedatei.h"
#include "core/io/job_ergebnis.h"

#include <string>

namespace zor {

// The files the file-fed sets read: inputs that no output of the program may replace.
Eingaben satzDateien(const ZorState& s);

// After `szFile` was written: every file-fed set that reads it (same name, or the same
// file through another path) gets the new length and must recompute its curves.
// Returns true when command 250 ("&Aktualisieren") is to be enabled.
bool Datei_ueberschrieben(ZorState& s, const std::string& szFile);

// Checking a file as the source of a set, the one way for the program, the renderer and
// `zor`: the channel-model name rule (FFO/FAB), then opening it with the readers' own
// opening (Blockleser: regular files only, never waits on a pipe), then a length > 0.
struct [[nodiscard]] Quellpruefung {
    enum class Grund { Keiner, Name, Lesen, Leer } grund = Grund::Keiner;
    STRUCT_DATEI datei;    // type, length and the name as given, when accepted
    int fehlernummer = 0;  // the system's reason when it could not be read
    explicit operator bool() const { return grund == Grund::Keiner; }
};
Quellpruefung dateiquellePruefen(const std::string& szFile);

struct [[nodiscard]] LadenErgebnis {
    enum class Art { Aufforderung, Fehler, Erfolg } art = Art::Fehler;
    std::vector<Meldung> meldungen;       // shown in this order on failure
    bool aktualisierenFreigeben = false;  // enable command 250
    int fehlernummer = 0;                 // why the file could not be read, for callers that say it
};

inline constexpr const char* TEXT_NICHT_GELESEN = "Datei kann nicht gelesen werden!";
inline constexpr const char* TEXT_LAENGE_NULL = "Dateilänge == 0";
inline constexpr const char* TEXT_KEIN_GUELTIGER_DATEINAME_2 = "kein gültiger Dateiname";

// Makes set `satz` (0 or 1) read `szFile`: checks the name (channel-model rule), that
// it can be opened and is not empty; then the set's source becomes the file.
LadenErgebnis Load(ZorState& s, int satz, const std::string& szFile);

}  // namespace zor
