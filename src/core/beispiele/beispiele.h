#pragma once
// The teaching set: a few small files of every kind the multimedia mode opens, made by our
// own generators, so a lab has something to corrupt, compare and look at. The command-line
// tool, the program's help menu and the package's build all write it through this one
// function.

#include "core/io/job_ergebnis.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor {

struct Beispieldatei {
    std::string name;
    std::string inhalt;   // what it holds, German, one line
    std::uint64_t kopf;   // bytes of header to spare when corrupting it (0: a text)
    Ergebnis (*schreiben)(const std::string& pfad);
};

// The files of the set in the order they are written; the last one is the read-me that
// lists the others.
const std::vector<Beispieldatei>& beispieldateien();

// The names of the set's files that already exist in `ordner`.
std::vector<std::string> vorhandeneBeispiele(const std::string& ordner);
// Names as a message lists them: "a, b, c".
std::string namensliste(const std::vector<std::string>& namen);

// Writes every file of the set into `ordner`, which is created (with its parents) when
// missing. Files of the same names are replaced only with `ersetzen`; without it, the job
// refuses before writing anything. Each file appears whole or not at all. On success
// `ausgabe` is the folder and `ausgaben` the paths written.
struct BeispielErgebnis {
    JobErgebnis job;
    std::vector<std::string> ausgaben;
};
BeispielErgebnis beispieleSchreiben(const std::string& ordner, bool ersetzen);

inline constexpr const char* TEXT_BEISPIELE_VORHANDEN =
    "Im Ordner %s gibt es schon: %s.\nDiese Dateien werden nicht ersetzt.";
inline constexpr const char* TEXT_BEISPIELE_ERSETZEN = "Im Ordner %s gibt es schon: %s.\nSollen diese Dateien ersetzt werden?";
inline constexpr const char* TITEL_BEISPIELE_WAHL = "Ordner für die Beispieldateien wählen";
inline constexpr const char* TEXT_BEISPIELE_KEIN_ORDNER = "%s ist kein Ordner.";
inline constexpr const char* TEXT_BEISPIELE_ORDNER = "Der Ordner %s kann nicht angelegt werden!";
inline constexpr const char* TEXT_BEISPIELE_DATEI = "Die Datei %s kann nicht geschrieben werden!";
inline constexpr const char* TEXT_BEISPIELE_GESCHRIEBEN = "Die Beispieldateien stehen im Ordner %s.";

}  // namespace zor
