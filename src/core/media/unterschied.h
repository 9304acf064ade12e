#pragma once
// Where two files first differ, for showing a corrupted copy beside its original.

#include <cstdint>
#include <optional>
#include <string>

namespace zor {

// The offset of the first byte in which the files differ (a length difference counts at
// the shorter length); nothing when they are equal or either cannot be read.
std::optional<std::uint64_t> ersterUnterschied(const std::string& datei1, const std::string& datei2);

}  // namespace zor

#include "core/media/suche.h"

namespace zor {

// The next (at or after byte `ab`) resp. previous (before `ab`) byte in which the two
// sources differ; a length difference counts at the shorter length. The position is a bit
// offset like a find's (8 × the byte). Blocks are compared with memcmp first, and only a
// block that differs is searched byte by byte.
Suchergebnis naechsterUnterschied(Bytequelle& a, Bytequelle& b, std::uint64_t ab, Suchrichtung r, Fortschritt& f,
                                  std::size_t block = std::size_t{8} << 20);

// Differing bytes and bits over the common length.
struct Unterschiedszahl {
    std::uint64_t bytes = 0, bits = 0;
    bool abgebrochen = false;
};
Unterschiedszahl unterschiedeZaehlen(Bytequelle& a, Bytequelle& b, Fortschritt& f,
                                     std::size_t block = std::size_t{8} << 20);

// The same for two files by name, as the views ask from a worker thread: a file that
// cannot be opened gives "cancelled" resp. "not found" (the views have said why already).
Unterschiedszahl unterschiedeZaehlen(const std::string& a, const std::string& b, Fortschritt& f);
Suchergebnis naechsterUnterschied(const std::string& a, const std::string& b, std::uint64_t ab, Suchrichtung r,
                                  Fortschritt& f);

inline constexpr const char* TEXT_KEIN_UNTERSCHIED = "Kein weiterer Unterschied.";
inline constexpr const char* TEXT_UNTERSCHIEDE_ZAEHLEN = "wird verglichen!";
inline constexpr const char* TEXT_UNTERSCHIEDE_ZAHL = "%llu Bytes und %llu Bits verschieden";
inline constexpr const char* TEXT_KEIN_GEGENSTUECK =
    "Dieses Dokument hat kein Gegenstück: Unterschiede zeigen zwei nebeneinander geöffnete Dateien "
    "(nach dem Verfälschen „Ergebnis anzeigen?“).";

}  // namespace zor
