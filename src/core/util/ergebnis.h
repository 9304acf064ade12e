#pragma once
// Outcome of a core job: success, or the German message and caption the caller shows.

#include <string>

namespace zor {

inline constexpr const char* TITEL_PROGRAMM = "Multimedia und Zorwerk";

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
