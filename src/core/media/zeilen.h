#pragma once
// The text lines of the hex view (16 bytes a line) and the bin view (8 bytes a line):
// offset column, byte columns, character column. A view of a file of L bytes has
// (L + 15) / 16 + 1 resp. (L + 7) / 8 + 1 lines; the last shows only its offset.

#include "core/io/blockleser.h"
#include "core/util/ergebnis.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zor {

enum class Ansicht { Hex, Bin };

constexpr int HEX_BYTES = 16;
constexpr int BIN_BYTES = 8;
constexpr int HEX_BREITE = 73;  // characters of a full line
constexpr int BIN_BREITE = 90;
// Longest line either view can produce (offsets beyond 5 resp. 6 digits widen it).
constexpr std::size_t ZEILE_MAX = 2 * BIN_BREITE;

// One hex line of up to 16 bytes starting at byte `offset` (a multiple of 16).
std::string hex_SnapLine(std::span<const unsigned char> bytes, std::uint64_t offset);
// One bin line of up to 8 bytes starting at byte `offset` (a multiple of 8).
std::string bin_SnapLine(std::span<const unsigned char> bytes, std::uint64_t offset);

// The same into `aus` (at least ZEILE_MAX characters); returns the length.
std::size_t snapLine(Ansicht art, char* aus, std::span<const unsigned char> bytes, std::uint64_t offset);

// Every line of a file, each followed by "\n", handed to `senke` in large chunks; the
// sink returns false to stop (then the result is a failure with an empty text).
Ergebnis alleZeilen(Ansicht art, const std::string& datei, const std::function<bool(std::string_view)>& senke,
                    std::size_t block = Blockleser::STANDARD_BLOCK);

inline constexpr const char* TEXT_ANSICHT_OEFFNEN = "Die Datei %s kann nicht geöffnet werden!";
inline constexpr const char* TEXT_ANSICHT_LESEN = "Fehler beim Lesen der Datei %s!";

}  // namespace zor
