#pragma once
// Prints a file job's messages to stderr and gives the exit code.

#include "core/io/job_ergebnis.h"

namespace zorcli {

// Every message of the job in order, then the summary (if any) on stdout.
// ERFOLG when the job ran, FEHLGESCHLAGEN otherwise.
int jobMelden(const zor::JobErgebnis& e);

}  // namespace zorcli
