#pragma once
// Comparison files (VGL: byte i = byte i of the first file XOR byte i of the second) and
// the sequences derived from them or from any file's bits (most significant bit first):
// the error sequence (FFO, 8 characters per byte) and the error gaps (FAB).
// Inputs are streamed and never modified; outputs appear only on success.

#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/io/job_ergebnis.h"
#include "core/util/fortschritt.h"

#include <string>

namespace zor {

// Each job refuses an output that is one of its inputs or of `geschuetzt` (the files the
// parameter sets read), or no regular file (ausgabeVerweigert).

// Writes the comparison file of two files of equal length.
JobErgebnis CompareFile(const std::string& datei1, const std::string& datei2, const std::string& vergleich,
                        Fortschritt& f, std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});

// Comparison file -> FFO (no success message).
JobErgebnis MakeFehlerFolge(const std::string& vergleich, const std::string& ffo, Fortschritt& f,
                            std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});
// Comparison file -> FAB (success message "erfolgreich erstellt!").
JobErgebnis MakeFehlerAbstand(const std::string& vergleich, const std::string& fab, Fortschritt& f,
                              std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});
// One of the two above, chosen by the output's name (multimedia rule).
JobErgebnis FfoOderFabErstellen(const std::string& vergleich, const std::string& ausgabe, Fortschritt& f,
                                std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});

// The bin view's export: the bits of any file as FFO resp. FAB (no success message).
JobErgebnis SaveBinFileFFO(const std::string& quelle, const std::string& ausgabe, Fortschritt& f,
                           std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});
JobErgebnis SaveBinFileFab(const std::string& quelle, const std::string& ausgabe, Fortschritt& f,
                           std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});

inline constexpr const char* TEXT_UNGLEICH_GROSS = "Dateien sind nicht gleich groß\nDas Vergleichen wird abgebrochen!";
inline constexpr const char* TEXT_DATEIEN_LESEN = "Fehler bei Lesen der Dateien!";
inline constexpr const char* TEXT_WRITEFILE = "Fehler bei WriteFile!";
inline constexpr const char* TEXT_ABSTAND_ERSTELLT = "Datei: [ %s ]\nerfolgreich erstellt!";

}  // namespace zor
