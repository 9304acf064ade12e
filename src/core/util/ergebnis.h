#pragma once
// Outcome of a core job: success, or the German message and caption the caller shows;
// a message with its caption and icon, for jobs that report several.

#include <string>

namespace zor {

inline constexpr const char* TITEL_PROGRAMM = "Multimedia und Zorwerk";
// The platform's default error caption (no caption text of its own).
inline constexpr const char* TITEL_FEHLER = "";

// The icon of a message box; Frage is for questions the user answers.
enum class Symbol { Keins, Information, Ausrufezeichen, Stopp, Frage };

struct Meldung {
    std::string text;
    std::string titel;
    Symbol symbol = Symbol::Keins;
};

struct Ergebnis {
    bool ok = true;
    std::string text;   // German message, empty on plain success
    std::string titel;  // message box caption

    static Ergebnis Erfolg() { return {}; }
    static Ergebnis Fehler(std::string text, std::string titel = TITEL_PROGRAMM) {
        return {false, std::move(text), std::move(titel)};
    }
    explicit operator bool() const { return ok; }
};

}  // namespace zor
