#pragma once
// Every output file is written through this helper: it writes into a temporary file
// beside the target and renames it into place only on success, so a failed job leaves
// no empty or partial output and an existing file at the target stays as it was.
// It also decides where nothing may be written: a target that is (through links) one of
// the inputs, or an existing FIFO, socket, block device or directory. A character device
// (/dev/null) is written to directly, never renamed over.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zor {

// The files an output must never replace: the job's own inputs and the files the
// parameter sets read from. Empty names are ignored.
using Eingaben = std::vector<std::string>;

inline constexpr const char* TEXT_GLEICHE_DATEI =
    "Die Ausgabedatei %s ist dieselbe Datei wie die Eingabedatei %s!\n"
    "Die Eingabedatei würde dabei zerstört. Bitte eine andere Ausgabedatei wählen.";
inline constexpr const char* TEXT_KEINE_AUSGABEDATEI =
    "Die Ausgabedatei %s ist %s und wird nicht ersetzt.\nBitte eine gewöhnliche Datei als Ziel wählen.";

// Why nothing may be written at `ziel` (German, naming the file); nothing when it may.
std::optional<std::string> ausgabeVerweigert(const std::string& ziel, const Eingaben& eingaben);

class Ausgabedatei {
public:
    // Creates the temporary file beside `ziel`, or opens `ziel` when it is a character
    // device; check ok() before writing. A refused target (see ausgabeVerweigert) is
    // never touched: ok() is false and fehlernummer() GRUND_EINGABEDATEI, EISDIR or
    // GRUND_KEINE_REGULAERE_DATEI.
    Ausgabedatei(std::string ziel, const Eingaben& eingaben);
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
    bool geraetOeffnen();
    std::string ziel_;
    std::string temp_;
    int fd_ = -1;
    bool fehler_ = false;
    bool geraet_ = false;
    int fehlernummer_ = 0;
    bool scheitern();
    std::vector<char> puffer_;
};

// True when both names denote the same existing file (also through links or another
// path).
bool gleicheDatei(const std::string& a, const std::string& b);

}  // namespace zor
