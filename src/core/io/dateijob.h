#pragma once
// Texts and checks shared by every file job of the sequence-file and corruption tools.

#include "core/io/job_ergebnis.h"
#include "core/io/ausgabedatei.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace zor {

inline constexpr const char* TEXT_OEFFNEN_1 = "Fehler beim Öffnen der Datei_1 %s ...";
inline constexpr const char* TEXT_OEFFNEN_2 = "Fehler beim Öffnen der Datei_2 %s ...";
inline constexpr const char* TEXT_LESEN_DATEI = "Fehler beim Lesen der Datei %s ...";
inline constexpr const char* TEXT_ERZEUGEN = "Fehler beim Erzeugen der Datei %s ...";
inline constexpr const char* TEXT_SCHREIBEN = "Fehler beim Schreiben!";
inline constexpr const char* TEXT_LESEN = "Fehler beim Lesen der Datei!";
inline constexpr const char* TEXT_GLEICHE_DATEI =
    "Die Ausgabedatei %s ist dieselbe Datei wie die Eingabedatei %s!\n"
    "Die Eingabedatei würde dabei zerstört. Bitte eine andere Ausgabedatei wählen.";
inline constexpr const char* TEXT_FAB_REST =
    "Die letzten %llu Bytes der FAB-Datei %s bilden keinen vollständigen Eintrag und wurden ignoriert.";
inline constexpr const char* TEXT_ABSTAND_ZU_GROSS =
    "Ein Fehlerabstand ist größer als 2147483647 Bits und passt nicht in eine FAB-Datei!";

// The refusal when `ausgabe` is the same file as one of `eingaben` (also through
// another path or a link); nothing when they differ.
std::optional<JobErgebnis> gleicheDateiVerweigern(const std::string& ausgabe,
                                                  std::initializer_list<std::string> eingaben);

// The note about a FAB file whose length is not a multiple of four, if it has such a tail.
void fabRestMelden(JobErgebnis& e, const std::string& fab, std::uint64_t groesse);

}  // namespace zor
