#pragma once
// The system's reason for a failed file operation, in German. Messages that name no
// reason of their own ("Fehler bei WriteFile!") get it on the next line.

#include <string>

namespace zor {

// Reasons that are not an errno value but a refusal of ours.
inline constexpr int GRUND_KEINE_REGULAERE_DATEI = -1;
// An output that would replace a file the job or a parameter set reads from.
inline constexpr int GRUND_EINGABEDATEI = -2;
inline constexpr const char* TEXT_VOLL = "Der Datenträger ist voll.";
// An allocation failed somewhere in a job; the job ends, the process goes on.
inline constexpr const char* TEXT_SPEICHERMANGEL = "Nicht genügend Speicher! Die Aktion wurde abgebrochen.";

// The German text of an errno value (or GRUND_KEINE_REGULAERE_DATEI); empty for 0.
std::string systemgrund(int fehlernummer);

// text, then the reason on its own line; text alone when there is no reason.
std::string mitGrund(std::string text, int fehlernummer);

}  // namespace zor
