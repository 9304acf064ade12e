#pragma once
// Prints a file job's messages to stderr and gives the exit code.

#include "core/io/job_ergebnis.h"

namespace zorcli {

// Every message of the job in order, then the summary (if any) on stdout.
// ERFOLG when the job ran, FALSCHE_EINGABE when it refused the input, FEHLGESCHLAGEN otherwise.
int jobMelden(const zor::JobErgebnis& e);

inline constexpr const char* TEXT_STANDARDAUSGABE = "Fehler beim Schreiben der Standardausgabe!";

// The exit code of a subcommand once its standard output is flushed: a failed write
// there (a full disk, a closed reader) fails the command with a message.
int ausgabeGeprueft(int code);

}  // namespace zorcli
