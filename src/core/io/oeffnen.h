#pragma once
// The one way an input file is opened for reading. A FIFO without a writer would block
// `open` for ever and a device may never end, so the file is opened without blocking,
// looked at, and accepted only when it is a regular file.

#include <sys/stat.h>

#include <string>

namespace zor {

// A read-only, close-on-exec descriptor of the regular file `pfad` (blocking again once
// accepted), or -1 with `grund` set: the errno value, EISDIR for a directory, or
// GRUND_KEINE_REGULAERE_DATEI for a FIFO, device or socket. `info` receives the status.
int regulaerOeffnen(const std::string& pfad, int& grund, struct stat* info = nullptr);

// Whether `pfad` is a regular file that can be opened for reading; `grund` as above.
bool regulaerLesbar(const std::string& pfad, int* grund = nullptr);

}  // namespace zor
