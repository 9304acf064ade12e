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

#include "core/media/markierung.h"
#include "core/media/suche.h"

#include <span>
#include <vector>

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

// The characters of one view line to frame where its bytes `a` differ from the
// counterpart's `b` (a byte only one of them has counts as changed): in hex both digits of
// each changed byte, in bin each run of changed bits, so a single flipped bit stands out.
// `offsetStellen` is the position of the line's first '|'.
std::vector<Lauf> unterschiedsLaeufe(Ansicht art, std::size_t offsetStellen, std::span<const unsigned char> a,
                                     std::span<const unsigned char> b);

inline constexpr const char* TEXT_KEIN_UNTERSCHIED = "Kein weiterer Unterschied.";
inline constexpr const char* TEXT_UNTERSCHIEDE_ZAEHLEN = "wird verglichen!";
inline constexpr const char* TEXT_UNTERSCHIEDE_ZAHL = "%llu Bytes und %llu Bits verschieden";
inline constexpr const char* TEXT_KEIN_GEGENSTUECK =
    "Dieses Dokument hat kein Gegenstück: Unterschiede zeigen zwei nebeneinander geöffnete Dateien "
    "(nach dem Verfälschen „Ergebnis anzeigen?“).";

}  // namespace zor
