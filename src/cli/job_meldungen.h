#pragma once
// Prints a file job's messages to stderr and gives the exit code. Every subcommand that
// writes files ends a success the same way: its notes, then one line "Geschrieben: PATH"
// per file on stderr; data (curves, lines, a job's summary) goes to stdout.

#include "core/io/job_ergebnis.h"

#include <string>
#include <vector>

namespace zorcli {

// The job's notes in order (the program's confirmation boxes left out: the closing line
// says the same), then the summary (if any) on stdout, then the "Geschrieben" line of
// `ausgaben`, or of the job's own output when none are given.
// ERFOLG when the job ran, FALSCHE_EINGABE when it refused the input, FEHLGESCHLAGEN otherwise.
int jobMelden(const zor::JobErgebnis& e, const std::vector<std::string>& ausgaben = {});

// The closing line of a success that wrote `datei`.
void geschriebenMelden(const std::string& datei);

inline constexpr const char* TEXT_STANDARDAUSGABE = "Fehler beim Schreiben der Standardausgabe!";

// The exit code of a subcommand once its standard output is flushed: a failed write
// there (a full disk, a closed reader) fails the command with a message.
int ausgabeGeprueft(int code);

}  // namespace zorcli
