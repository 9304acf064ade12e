#pragma once
// Byte-level helpers of the FFO and FAB formats, shared by every reader and writer.
// FFO: one character per bit, '1' = error, '0' = correct. FAB: one 32-bit little-endian
// signed record per error, the gap from the previous error (the first from a virtual
// error before the first bit).

#include "core/io/ausgabedatei.h"

#include <cstdint>

namespace zor {

constexpr char FFO_FEHLER = '1';
constexpr char FFO_KORREKT = '0';
constexpr int FAB_RECORD = 4;

// Writes one FAB record.
inline bool SpeichernAbstand(Ausgabedatei& datei, std::int32_t wert) {
    const auto u = static_cast<std::uint32_t>(wert);
    const unsigned char b[FAB_RECORD] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                         static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    return datei.schreiben(b, FAB_RECORD);
}

// Reads one FAB record from 4 bytes.
inline std::int32_t fabWert(const unsigned char* b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                     static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

}  // namespace zor
