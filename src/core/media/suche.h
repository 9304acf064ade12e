#pragma once
// Finding in the hex and bin views on files of any size: blocks are read one after the
// other (overlapping by the pattern's length less one), never the whole file, with progress
// and cancel between blocks. Byte patterns (hex digits or text) match at byte offsets, bit
// patterns at any bit offset; positions are bit offsets, most significant bit of a byte first.

#include "core/media/bytequelle.h"
#include "core/util/fortschritt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zor {

struct Suchmuster {
    std::vector<unsigned char> bytes;  // a bit pattern: its bits, left aligned
    std::size_t bits = 0;
    bool bitweise = false;             // at any bit offset, not only at byte offsets
};

inline constexpr std::size_t BITMUSTER_HOECHSTENS = 64;

// "DE ad 0f" (pairs of hex digits, blanks anywhere between pairs), any text as its bytes,
// "0110 1" (0 and 1, blanks ignored, at most 64 bits). The German message says what is wrong.
std::variant<Suchmuster, std::string> hexMuster(std::string_view text);
Suchmuster textMuster(std::string_view text);
std::variant<Suchmuster, std::string> bitMuster(std::string_view text);

enum class Suchrichtung { Vorwaerts, Rueckwaerts };

struct Suchergebnis {
    enum class Art { Gefunden, NichtGefunden, Abgebrochen } art = Art::NichtGefunden;
    std::uint64_t bit = 0;  // where the match starts
};

// Forwards: the first match starting at or after bit `ab`. Backwards: the last one
// starting before bit `ab`. Block size is for tests; the default suits large files.
Suchergebnis suchen(Bytequelle& q, const Suchmuster& m, std::uint64_t ab, Suchrichtung r, Fortschritt& f,
                    std::size_t block = std::size_t{1} << 20);

inline constexpr const char* TEXT_MUSTER_LEER = "Bitte ein Suchmuster eingeben!";
inline constexpr const char* TEXT_MUSTER_HEX = "Das Suchmuster muss aus Paaren von Hexadezimalziffern bestehen (z. B. 52 49 46 46)!";
inline constexpr const char* TEXT_MUSTER_BITS = "Das Bitmuster darf nur 0 und 1 enthalten und höchstens 64 Bits lang sein!";
inline constexpr const char* TEXT_SUCHE_LAEUFT = "wird durchsucht!";
inline constexpr const char* TEXT_NICHT_GEFUNDEN = "Das Suchmuster wurde nicht gefunden.";

}  // namespace zor
