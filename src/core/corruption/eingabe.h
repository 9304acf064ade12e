#pragma once
// The corruption dialogs' entries: their texts as typed, the checked job records, and
// the validation rules (number syntax, protected bytes, start value, probabilities).

#include "core/models/eingaberegeln.h"
#include "core/io/ausgabedatei.h"
#include "core/io/job_ergebnis.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// 0 when the text is a number in the dialogs' syntax, 1 otherwise.
int MM_Fehler(std::string_view text);

// Length of a file in bytes; MM_KEINE_GROESSE when it cannot be opened for reading.
inline constexpr std::uint64_t MM_KEINE_GROESSE = ~std::uint64_t{0};
std::uint64_t MmFileSize(const std::string& name);

struct BscAuftrag {
    std::string eingabe, ausgabe;
    std::uint64_t nProtect = 0;
    int Startwert = 1234;
    double fFehlerWBSC = 0.001;
    std::uint32_t tiefe = 1;  // interleaver depth; 1 = none
    Eingaben geschuetzt = {};  // files the parameter sets read: never an output
    bool kopfAutomatisch = false;  // protect the recognised header instead of nProtect bytes
};

// GE and MC jobs: transition and error probabilities as the dialogs store them.
struct GeMcAuftrag {
    std::string eingabe, ausgabe;
    std::uint64_t nProtect = 0;
    int StartWert = 3457;
    float Good_From_Bad = 0.1f, Bad_From_Good = 0.01f;
    float Good_From_Good = 0.99f, Bad_From_Bad = 0.9f;
    float Good = 0.01f, Bad = 0.4f;
    std::uint32_t tiefe = 1;  // interleaver depth; 1 = none
    Eingaben geschuetzt = {};  // files the parameter sets read: never an output
    bool kopfAutomatisch = false;  // protect the recognised header instead of nProtect bytes
};

// Entries as typed, with the values the dialogs show when they open.
// With kopfAutomatisch ("Kopf schützen: automatisch"), or "auto" typed as the number of
// protected bytes, the recognised header is protected instead.
struct BscEingaben {
    std::string eingabe, ausgabe;
    std::string nProtect = "0", startwert = "1234", p = "0.001";
    std::string tiefe = "1";
    bool kopfAutomatisch = false;
};
struct GeMcEingaben {
    std::string eingabe, ausgabe;
    std::string nProtect = "0", startwert = "3457";
    bool kopfAutomatisch = false;
    std::string goodFromBad = "0.1", badFromGood = "0.01", good = "0.01", bad = "0.4";
    std::string tiefe = "1";
};
GeMcEingaben geVorgabe();
GeMcEingaben mcVorgabe();  // Good 0.1

// What a refused entry brings up: a message that keeps the dialog open (Groesse,
// Geschuetzt, Eingabedatei, Tiefe) or the warning sound with dialog 612 (Startwert) or 613
// (Wahrscheinlichkeit).
enum class Eingabefehler { Keiner, Geschuetzt, Eingabedatei, Groesse, Startwert, Wahrscheinlichkeit, Tiefe };
enum class Feld { Keins, Geschuetzt, Eingabe, Startwert, P, GoodFromBad, BadFromGood, Good, Bad, Tiefe };

struct [[nodiscard]] EingabePruefung {
    Eingabefehler art = Eingabefehler::Keiner;
    Feld feld = Feld::Keins;
    Meldung meldung;
    std::string grund;  // which field and which rule, shown under a notice's fixed text
    explicit operator bool() const { return art == Eingabefehler::Keiner; }
};

// Check the entries in the dialog's order and fill the job record from them; the
// interleaver depth (a whole number 1 to MAX_TIEFE) comes last.
EingabePruefung bscPruefen(const BscEingaben& e, BscAuftrag& a);
EingabePruefung gePruefen(const GeMcEingaben& e, GeMcAuftrag& a);  // transitions in (0, 1]
EingabePruefung mcPruefen(const GeMcEingaben& e, GeMcAuftrag& a);  // transitions in [0, 1]

// The word that asks for automatic header protection where a number of bytes is typed.
inline constexpr const char* SCHUTZ_AUTOMATISCH = "auto";

inline constexpr const char* TEXT_GROESSE =
    "Die Datei ist %llu Bytes groß!\nDavon sollen %lld Bytes verfälscht werden!\nDas ist nicht möglich!";
inline constexpr const char* TEXT_GESCHUETZT = "Falsche Eingabe bei geschützten Bytes!";
inline constexpr const char* TITEL_MM_ZOR = "MM_ZOR";

}  // namespace zor
