#pragma once
// Conversion between error-sequence (FFO) and error-gap (FAB) files.
// Two entry points that differ in their names only (both read with FfoLeser/FabLeser):
// - the multimedia converters (Convert_Ffo_To_Fab, Convert_Fab_To_Ffo): output name =
//   input cut before its last "." plus ".FAB"/".FFO";
// - Konvertieren of the channel-model mode: the last two characters of the name become
//   "AB"/"FO".
// Inputs are streamed; the output appears only on success. A FAB is expanded only when
// its characters fit into the free space beside the output.

#include "core/models/zor_state.h"
#include "core/io/ausgabedatei.h"
#include "core/io/blockleser.h"
#include "core/io/job_ergebnis.h"
#include "core/util/fortschritt.h"

#include <functional>
#include <optional>
#include <string>

namespace zor {

// Output name of the multimedia converters for target type TYP_FFO or TYP_FAB. Only a
// "." in the last path component counts, so a dotted directory is never cut.
std::string konvertierName(const std::string& eingabe, int zielTyp);
// Output name of Konvertieren for an input of type `eingabeTyp`.
std::string konvertierenName(const std::string& szFile, int eingabeTyp);

// FFO -> FAB; success carries the message "Das Schreiben war erfolgreich!".
JobErgebnis Convert_Ffo_To_Fab(const std::string& eingabe, Fortschritt& f,
                               std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});
// FAB -> FFO; records below 1 and an incomplete last record are noted in the messages.
JobErgebnis Convert_Fab_To_Ffo(const std::string& eingabe, Fortschritt& f,
                               std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});
// The output SelectConvertFunction writes for this input (to ask before replacing it).
std::string multimediaAusgabe(const std::string& eingabe);
// Chooses the converter by the multimedia name rule.
// Each refuses an output that is its input, one of `geschuetzt` (the files the parameter
// sets read) or no regular file.
JobErgebnis SelectConvertFunction(const std::string& eingabe, Fortschritt& f,
                                  std::size_t block = Blockleser::STANDARD_BLOCK, const Eingaben& geschuetzt = {});

struct [[nodiscard]] KonvertierenErgebnis {
    enum class Art { Aufforderung, Abgelehnt, Fehler, Erfolg } art = Art::Fehler;
    JobErgebnis job;
    bool aktualisierenFreigeben = false;  // enable command 250 (menu and toolbar)
};

// Converts szFile (channel-model rule) and leaves the output name in szFile. Refused
// with Aufforderung while the documents are not up to date. `ueberschreiben` is asked
// the question text when the output exists; false ends the command (Abgelehnt).
// An output that a set reads is refused like the input itself. On success the sets
// reading the output are refreshed (Datei_ueberschrieben).
KonvertierenErgebnis Konvertieren(ZorState& s, std::string& szFile,
                                  const std::function<bool(const std::string& frage)>& ueberschreiben,
                                  Fortschritt& f, std::size_t block = Blockleser::STANDARD_BLOCK);

// Konvertieren in three steps, so that the program can run the middle one in the
// background: the checks and the overwrite question (on the state's thread), the
// conversion (any thread, no state), the refreshing of the sets reading the output.
struct KonvertierenAuftrag {
    std::string eingabe, ausgabe;
    int typ = 0;  // of the input: TYP_FFO or TYP_FAB
    Eingaben geschuetzt;  // the input and the files the sets read: never the output
};
struct KonvertierenVorbereitung {
    std::optional<KonvertierenAuftrag> auftrag;  // empty when refused, as ablehnung says
    KonvertierenErgebnis ablehnung;
};
KonvertierenVorbereitung konvertierenVorbereiten(const ZorState& s, const std::string& szFile,
                                                const std::function<bool(const std::string& frage)>& ueberschreiben);
JobErgebnis konvertierenAusfuehren(const KonvertierenAuftrag& a, Fortschritt& f,
                                   std::size_t block = Blockleser::STANDARD_BLOCK);
KonvertierenErgebnis konvertierenEintragen(ZorState& s, const KonvertierenAuftrag& a, JobErgebnis job);

inline constexpr const char* TEXT_KONVERTIERT =
    "Eingabedatei: [ %s ]\nAusgabedatei: [%s]\n\nDas Schreiben war erfolgreich!";
// FFO -> FAB: the correct bits after the last error have no record and are lost.
inline constexpr const char* TEXT_KORREKTE_ENTFALLEN =
    "Die %llu fehlerfreien Bits nach dem letzten Fehler enthält das FAB nicht;\n"
    "beim Zurückkonvertieren fehlen sie.";
inline constexpr const char* TEXT_EXISTIERT = "%s\nDie Datei existiert bereits!\nDatei überschreiben?";

}  // namespace zor
