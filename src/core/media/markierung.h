#pragma once
// What the hex and bin views need beyond the line text: how many lines a file gives,
// how wide its widest line is, and which characters of a line are drawn in red (the
// non-zero hex digits resp. the 1 bits), so a comparison file shows its differences.

#include "core/media/zeilen.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zor {

constexpr int bytesProZeile(Ansicht art) { return art == Ansicht::Hex ? HEX_BYTES : BIN_BYTES; }

// (size + 15) / 16 + 1 resp. (size + 7) / 8 + 1: the last line shows only its offset.
std::uint64_t zeilenAnzahl(Ansicht art, std::uint64_t groesse);

// Characters of a full line at the file's last offset (73 resp. 90 while the offset fits
// five resp. six digits).
int zeilenBreite(Ansicht art, std::uint64_t groesse);

// A run of red characters: [von, von + laenge) of the line.
struct Lauf {
    std::size_t von = 0, laenge = 0;
    bool operator==(const Lauf&) const = default;
};

// The characters of byte `i` of a line: its two hex digits resp. its eight bits.
constexpr Lauf byteSpalten(Ansicht art, std::size_t offsetStellen, std::size_t i) {
    return art == Ansicht::Hex ? Lauf{offsetStellen + 2 + 3 * i, 2} : Lauf{offsetStellen + 2 + 9 * i, 8};
}

// Calls lauf(Lauf) for each run of red characters of the line, left to right.
template <class F>
void roteLaeufe(Ansicht art, std::string_view zeile, F&& lauf) {
    const std::size_t stellen = zeile.find('|');
    if (stellen == std::string_view::npos) return;
    // The byte columns: 16 groups "|XX" resp. 8 groups of eight bits and "|".
    const std::size_t bereich = art == Ansicht::Hex ? 48 : 72;
    const std::size_t schwelle = (art == Ansicht::Hex ? 54 : 79) + stellen - (art == Ansicht::Hex ? 5 : 6);
    if (zeile.size() <= schwelle) return;
    const std::size_t ende = std::min(zeile.size(), stellen + 1 + bereich);
    auto rot = [art](char c) { return art == Ansicht::Hex ? c != '0' && c != '|' && c != ' ' : c == '1'; };
    for (std::size_t i = stellen + 1; i < ende;) {
        if (!rot(zeile[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < ende && rot(zeile[j])) ++j;
        lauf(Lauf{i, j - i});
        i = j;
    }
}

}  // namespace zor
