#pragma once
// Outcome of a file job: whether it ran, the messages the caller shows (in order), and
// for jobs that ran, the output name and their counts. Failures are values, never thrown.

#include "core/util/ergebnis.h"
#include "core/util/format.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor {

// The confirmation of a success that wrote a file: a line of zor, the program's status bar.
inline constexpr const char* TEXT_GESCHRIEBEN = "Geschrieben: %s";

struct [[nodiscard]] JobErgebnis {
    bool ok = false;
    bool abgelehnt = false;          // failed because the user's input was refused, before any work
    std::vector<Meldung> meldungen;  // failure, success message or notes, in display order
    std::string zusammenfassung;     // summary of a job that ran (never set on failure)
    std::string ausgabe;             // output file name
    std::uint64_t fehlerAnzahl = 0;  // inverted bits (corruption jobs)
    std::uint64_t dateigroesse = 0;  // input length in bytes
    std::uint64_t uebersprungen = 0; // FAB pattern records outside the input
    bool abgebrochen = false;        // the user cancelled it: no output, nothing to show

    static JobErgebnis Fehler(std::string text, std::string titel = TITEL_FEHLER, Symbol s = Symbol::Keins) {
        JobErgebnis e;
        e.meldungen.push_back({std::move(text), std::move(titel), s});
        return e;
    }
    // A refusal of what the user gave (names, same file, empty input), not a failure while running.
    static JobErgebnis Ablehnung(std::string text, std::string titel = TITEL_FEHLER, Symbol s = Symbol::Keins) {
        JobErgebnis e = Fehler(std::move(text), std::move(titel), s);
        e.abgelehnt = true;
        return e;
    }
    static JobErgebnis Abgebrochen() {
        JobErgebnis e;
        e.abgebrochen = true;
        return e;
    }
    void melden(std::string text, std::string titel, Symbol s) { meldungen.push_back({std::move(text), std::move(titel), s}); }
    explicit operator bool() const { return ok; }
};

}  // namespace zor
