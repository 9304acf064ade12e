#pragma once
// The entry rules of the model parameters and their messages, shared by the dialogs and
// the command-line tool.

namespace zor {

inline constexpr const char* TITEL_EINGABEFEHLER = "Eingabefehler";
// The notice after a refused start value or number of runs (dialog 612).
inline constexpr const char* TEXT_612 =
    "1. Startwert kann ganzzahlige Werte\nzwischen 1 und 9999 annehmen!\n2. Simulationsdurchlauf muß > 0 sein!\n(nur ZOR)";
// The notice after a refused probability (dialog 613).
inline constexpr const char* TEXT_613 =
    "unzuläßige Eingabe!\nmögliche Fehler:\n1. Wert >1\n2. Wert < 0\n3. Komma wurde verwendet\n4. Übergänge = 0 (GE-Modell)";

}  // namespace zor
