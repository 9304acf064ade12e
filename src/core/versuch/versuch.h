#pragma once
// An experiment as a file (.zorversuch): both parameter sets, the options of the curve
// documents and the open channel-model documents, so a set-up can be handed on and
// reopened with the same curves. A small line format, version 1:
//
//   # comment                    lines starting with '#' or ';', and empty lines
//   zorversuch=1                 first entry: the format's version
//   [satz1] / [satz2]            modell=inaktiv|bsc|ge|mc|sw|datei, simulation=0|1,
//                                gemc=0|1, datei=PATH (for modell=datei; relative to the
//                                experiment file), and every model's parameters as
//                                MODEL.KEY: bsc.p .startwert .n .abstaende;
//                                ge./mc. .simulation .startwert .n .pgg .pbb .pgb .pbg
//                                .good .bad; sw. .startwert .n .pz1 .pz2 .pz3 .e1 .e2 .e3
//   [fav] / [fkf]                cursor uhr ordinate band (0|1), punkte, dekade_unten,
//                                dekade_oben; fav: linear ak (0|1); fkf: erneuernd (0|1)
//   [dokumente]                  offen=LETTERS, in the order they are opened
//   [ende]                       last line: a file cut short lacks it
//
// Every value passes the entry rules of the dialogs and `zor`; floats are written as their
// shortest text that reads back to the same float, N as its exact digits. A missing key
// keeps the start value, an unknown one is skipped with a note.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"

namespace zor {

inline constexpr const char* VERSUCH_ENDUNG = ".zorversuch";
inline constexpr int VERSUCH_FORMAT = 1;
// An experiment is a few hundred bytes; anything this large is not one.
inline constexpr std::uint64_t VERSUCH_HOECHSTGROESSE = std::uint64_t{1} << 20;

inline constexpr const char* TITEL_VERSUCH = "Versuch";
inline constexpr const char* TEXT_VERSUCH_KEINER = "Die Datei ist keine Versuchsdatei (es fehlt „zorversuch=1“).";
inline constexpr const char* TEXT_VERSUCH_ZEILE = "Zeile %d der Versuchsdatei ist beschädigt: %s";
inline constexpr const char* TEXT_VERSUCH_WERT = "Zeile %d der Versuchsdatei: unzulässiger Wert für „%s“: „%s“.";
inline constexpr const char* TEXT_VERSUCH_DOPPELT = "Zeile %d der Versuchsdatei: „%s“ steht doppelt.";
inline constexpr const char* TEXT_VERSUCH_UNVOLLSTAENDIG =
    "Die Versuchsdatei ist unvollständig (sie endet nicht mit „[ende]“).";
inline constexpr const char* TEXT_VERSUCH_GEMEINSAM = "Parametersatz %d (%s): %s";
inline constexpr const char* TEXT_VERSUCH_OPTIONEN = "Optionen %s: %s";
inline constexpr const char* TEXT_VERSUCH_DATEI_FEHLT = "Parametersatz %d: Für „modell=datei“ fehlt „datei=PFAD“.";
inline constexpr const char* TEXT_VERSUCH_QUELLE = "Parametersatz %d: Die Quelldatei %s ist nicht verwendbar: %s";
inline constexpr const char* TEXT_VERSUCH_ZU_GROSS =
    "Die Datei %s ist zu groß für eine Versuchsdatei (höchstens 1 MiB).";
inline constexpr const char* TEXT_VERSUCH_NICHT_GELESEN = "Die Versuchsdatei %s kann nicht gelesen werden.";
inline constexpr const char* TEXT_VERSUCH_NICHT_GESCHRIEBEN = "Die Versuchsdatei %s kann nicht geschrieben werden.";
inline constexpr const char* TEXT_VERSUCH_UNBEKANNT = "Zeile %d: „%s“ ist unbekannt und wird übergangen.";
inline constexpr const char* TEXT_VERSUCH_NEUER =
    "Die Versuchsdatei hat das neuere Format %d; was diese Version nicht kennt, wird übergangen.";

struct Versuch {
    // A start state (InitVar) with the experiment's sets and options applied.
    ZorState zustand;
    // The open channel-model documents' letters, in the order they were opened.
    std::string dokumente;
    // Notes on what was skipped (unknown keys); shown, not refused.
    std::vector<std::string> hinweise;
};

struct [[nodiscard]] VersuchGelesen {
    Ergebnis ergebnis;
    Versuch versuch;
    explicit operator bool() const { return ergebnis.ok; }
};

// The text of the state's sets and options and the given open documents.
std::string versuchSchreiben(const ZorState& s, std::string_view dokumente);

// Reads the text; on refusal the German message names the line and the value. File
// sources are taken by name only (see versuchLaden).
VersuchGelesen versuchLesen(std::string_view text);

// Reads the file at `pfad`: refused above VERSUCH_HOECHSTGROESSE before reading; a
// relative file source is taken relative to `pfad`'s folder and then checked as the
// parameter dialogs check one (name rule, readable, not empty).
VersuchGelesen versuchLaden(const std::string& pfad);

// Writes the experiment through Ausgabedatei, never over one of `eingaben`.
Ergebnis versuchSpeichern(const std::string& pfad, const ZorState& s, std::string_view dokumente,
                          const std::vector<std::string>& eingaben);

// Makes `ziel`'s sets and options those of `quelle` (as a Versuch holds them) and marks
// every cached curve stale; documents, colours and windows are the caller's.
void versuchUebernehmen(ZorState& ziel, const ZorState& quelle);

}  // namespace zor
