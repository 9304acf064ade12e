#pragma once
// Clean ends on signals for a process that writes output files.

namespace zor {

// On TERM, INT, HUP, QUIT and PIPE the named temporary files of unfinished outputs are
// removed before the process ends as the signal says; a file-size limit makes a write
// fail instead of ending the process. Outputs are normally unnamed until finished, so
// this matters only where the file system cannot create unnamed files.
void temporaereDateienBeiSignalEntfernen();

}  // namespace zor
