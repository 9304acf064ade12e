#pragma once
// Clean ends on signals for a process that writes output files.

#include <string>

namespace zor {

// On TERM, INT, HUP, QUIT and PIPE the registered temporary files and directories are
// removed before the process ends as the signal says; a file-size limit makes a write
// fail instead of ending the process. Outputs are normally unnamed until finished, so
// files matter only where the file system cannot create unnamed files; directories are
// the program's own scratch space (the wave recorder's).
void temporaereDateienBeiSignalEntfernen();

// Registers `pfad` (a file, or a directory whose files are registered as well) for
// removal on those signals, until nichtMehrEntfernen. Files go before directories.
// Fixed storage: names beyond 32 at a time, or longer than 4095 bytes, are not kept.
void beiSignalEntfernen(const std::string& pfad);
void nichtMehrEntfernen(const std::string& pfad);

}  // namespace zor
