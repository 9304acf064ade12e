#pragma once
// The one message record of the core (German text, caption, icon) and the plain outcome
// that carries it. Results with more to say add their values beside the record, or keep a
// list of them where a job reports several.

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

struct [[nodiscard]] Ergebnis {
    bool ok = true;
    Meldung meldung;  // empty text on plain success

    static Ergebnis Erfolg() { return {}; }
    static Ergebnis Fehler(std::string text, std::string titel = TITEL_PROGRAMM, Symbol s = Symbol::Keins) {
        return {false, {std::move(text), std::move(titel), s}};
    }
    explicit operator bool() const { return ok; }
};

}  // namespace zor
