#pragma once
// The one reading rule of each sequence-file format; every job, curve and view that reads
// an FFO or FAB file goes through these two readers, so a file means the same everywhere.
// - FfoLeser: "0" is a correct bit, "1" an error; one final line end ("\n" or "\r\n") is
//   not part of the sequence; any other byte ends the reading with its position.
// - FabLeser: signed 32-bit little-endian records; a record below 1 is read as a gap of 1
//   (an error right after the previous one) and counted; bytes after the last whole record
//   are ignored and counted.
// Both read the first `laenge` bytes of the file (all of it when not given), in blocks.

#include "core/io/blockleser.h"
#include "core/io/formate.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zor {

inline constexpr const char* TEXT_FFO_ZEICHEN =
    "Ungültiges Zeichen an Position %llu der Fehlerfolge %s (nur 0 und 1 erlaubt).";
inline constexpr const char* TEXT_FAB_UNTER_EINS_1 = "1 Eintrag der FAB-Datei %s lag unter 1 und wurde als Abstand 1 gelesen.";
inline constexpr const char* TEXT_FAB_UNTER_EINS =
    "%llu Einträge der FAB-Datei %s lagen unter 1 und wurden als Abstand 1 gelesen.";
inline constexpr const char* TEXT_FAB_REST =
    "Die letzten %llu Bytes der FAB-Datei %s bilden keinen vollständigen Eintrag und wurden ignoriert.";

// Why a reader stopped before the end of its sequence.
enum class Lesestand { Gut, NichtOffen, Kuerzer, Lesefehler, Ungueltig };

class FfoLeser {
public:
    explicit FfoLeser(const std::string& pfad, std::size_t blockgroesse = Blockleser::STANDARD_BLOCK,
                      std::optional<std::uint64_t> laenge = std::nullopt);

    bool offen() const { return leser_.offen(); }
    std::uint64_t groesse() const { return leser_.groesse(); }
    // Why opening or reading failed (an errno value), or 0.
    int fehlernummer() const { return leser_.fehlernummer(); }
    // Characters of the sequence: the bytes read, less a final line end.
    std::uint64_t zeichen() const { return zeichen_; }
    // Characters handed out so far.
    std::uint64_t gelesen() const { return gelesen_; }

    // The next characters, each "0" or "1", at most `hoechstens` of them (only those are
    // checked). Empty at the end of the sequence or when reading stopped (see stand()).
    std::span<const unsigned char> naechster(std::uint64_t hoechstens = std::numeric_limits<std::uint64_t>::max());

    Lesestand stand() const { return stand_; }
    bool gut() const { return stand_ == Lesestand::Gut; }
    // Position (from 1) of the first character that is neither "0" nor "1".
    std::uint64_t ungueltigBei() const { return ungueltigBei_; }
    // The message about that character, naming the file.
    std::string ungueltigText(const std::string& name) const;

private:
    Blockleser leser_;
    std::uint64_t zeichen_ = 0;
    std::uint64_t gelesen_ = 0;
    std::span<const unsigned char> block_;
    Lesestand stand_ = Lesestand::Gut;
    std::uint64_t ungueltigBei_ = 0;
};

class FabLeser {
public:
    explicit FabLeser(const std::string& pfad, std::size_t blockgroesse = Blockleser::STANDARD_BLOCK,
                      std::optional<std::uint64_t> laenge = std::nullopt);

    bool offen() const { return leser_.offen(); }
    std::uint64_t groesse() const { return leser_.groesse(); }
    // Why opening or reading failed (an errno value), or 0.
    int fehlernummer() const { return leser_.fehlernummer(); }
    bool fehler() const { return stand_ == Lesestand::Lesefehler; }
    Lesestand stand() const { return stand_; }
    bool gut() const { return stand_ == Lesestand::Gut; }
    // Whole records in the bytes read, and the bytes after the last of them.
    std::uint64_t eintraege() const { return eintraege_; }
    std::uint64_t rest() const { return rest_; }
    // Records read so far, and how many of them were below 1.
    std::uint64_t gelesen() const { return gelesen_; }
    std::uint64_t unterEins() const { return unterEins_; }

    // The next gap, 1 to 2^31 - 1; false at the end of the records or when reading stopped.
    bool naechster(std::int32_t& abstand) {
        if (gelesen_ == eintraege_) return false;
        if (pos_ + FAB_RECORD > block_.size()) return langsam(abstand);
        abstand = annehmen(fabWert(block_.data() + pos_));
        pos_ += FAB_RECORD;
        return true;
    }

private:
    std::int32_t annehmen(std::int32_t wert) {
        ++gelesen_;
        if (wert >= 1) return wert;
        ++unterEins_;
        return 1;
    }
    bool langsam(std::int32_t& abstand);

    Blockleser leser_;
    std::uint64_t eintraege_ = 0, rest_ = 0, gelesen_ = 0, unterEins_ = 0;
    std::span<const unsigned char> block_;
    std::size_t pos_ = 0;
    Lesestand stand_ = Lesestand::Gut;
};

// Why reading the sequence file `name` (chosen with `laenge` bytes) stopped, in German;
// ffo gives the position of an invalid character.
std::string lesestandText(Lesestand l, const std::string& name, std::uint64_t laenge, const FfoLeser* ffo);

// The notes a reader of a FAB file leaves: records below 1 and an incomplete last record.
std::vector<std::string> fabHinweise(const FabLeser& leser, const std::string& name);

// Bits (FFO characters) the records of a FAB file (its first `laenge` bytes) expand into,
// from one pass over it; saturates instead of overflowing. Nothing when it cannot be read.
std::optional<std::uint64_t> fabBits(const std::string& pfad, std::size_t blockgroesse = Blockleser::STANDARD_BLOCK,
                                     std::optional<std::uint64_t> laenge = std::nullopt);

}  // namespace zor
