#pragma once
// Texts and checks shared by every file job of the sequence-file and corruption tools.

#include "core/io/job_ergebnis.h"
#include "core/io/ausgabedatei.h"
#include "core/io/folgenleser.h"

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
inline constexpr const char* TEXT_KEIN_PLATZ =
    "Die Ausgabedatei %s würde %llu Bytes groß, auf ihrem Datenträger sind aber nur %llu Bytes frei.\n"
    "Die Datei wird nicht erstellt.";
inline constexpr const char* TEXT_ABSTAND_ZU_GROSS =
    "Ein Fehlerabstand ist größer als 2147483647 Bits und passt nicht in eine FAB-Datei!";

// The refusal of an output that may not be written (ausgabeVerweigert): one of
// `eingaben`, or a FIFO, socket, block device or directory; nothing when it may be written.
std::optional<JobErgebnis> ausgabeVerweigern(const std::string& ausgabe, const Eingaben& eingaben);

// The job's own inputs and `geschuetzt` (the files the parameter sets read), as one list.
Eingaben eingabenUnd(std::initializer_list<std::string> eingaben, const Eingaben& geschuetzt);

// The notes of a FAB reader (records below 1, an incomplete last record) for the summary.
void fabHinweiseMelden(JobErgebnis& e, const FabLeser& leser, const std::string& fab);

// Free bytes for an unprivileged writer on the file system that holds `ausgabe`'s
// directory; nothing when that cannot be found out.
std::optional<std::uint64_t> freierPlatz(const std::string& ausgabe);

// The refusal when an output of `bytes` would not fit beside the free space; nothing when
// it fits or the free space is unknown (a write failure then speaks for itself).
std::optional<JobErgebnis> platzVerweigern(const std::string& ausgabe, std::uint64_t bytes);

}  // namespace zor
