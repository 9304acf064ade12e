#pragma once
// Every output file is written through this helper: it writes into a temporary file
// beside the target and renames it into place only on success, so a failed job leaves
// no empty or partial output and an existing file at the target stays as it was.

#include <cstddef>
#include <string>
#include <vector>

namespace zor {

class Ausgabedatei {
public:
    // Creates the temporary file beside `ziel`; check ok() before writing.
    explicit Ausgabedatei(std::string ziel);
    ~Ausgabedatei();
    Ausgabedatei(const Ausgabedatei&) = delete;
    Ausgabedatei& operator=(const Ausgabedatei&) = delete;

    // False once creating or any write has failed.
    bool ok() const { return fd_ >= 0 && !fehler_; }

    // Buffered; returns false when the data could not be written.
    bool schreiben(const void* daten, std::size_t n);
    bool schreiben(char c) { return schreiben(&c, 1); }

    // Flushes, closes and renames into place. False (and nothing at the target changed)
    // when anything failed. Without this call the temporary file is removed.
    bool abschliessen();

    const std::string& ziel() const { return ziel_; }

    // The errno of the first failure (0 while none), for the message's reason line.
    int fehlernummer() const { return fehlernummer_; }

private:
    bool leeren();
    bool direkt(const char* p, std::size_t n);
    std::string ziel_;
    std::string temp_;
    int fd_ = -1;
    bool fehler_ = false;
    int fehlernummer_ = 0;
    bool scheitern();
    std::vector<char> puffer_;
};

// True when both names denote the same existing file (also through links or another
// path). Used to refuse an output that would overwrite one of the job's inputs.
bool gleicheDatei(const std::string& a, const std::string& b);

}  // namespace zor
