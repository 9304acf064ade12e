#pragma once
// What the error-sequence document shows: its layout from the target size and the font's
// character cell, and the content of each set's block (the bits with the state each was
// generated in, the statistics lines). Painting and the text export both read this, so
// the window, the page, the picture and the text show the same bits.

#include <cstdint>
#include <string>
#include <vector>

#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"

namespace zor {

inline constexpr const char* FF_THEORIE_TEXT = "Theoretische Fehlerfolge existiert nicht!";

// Layout quantities; smax = zmax = 0 means nothing is drawn.
struct FFLayout {
    int smax = 0;     // bits per row, a multiple of 10
    int zmax = 0;     // bit rows (both blocks together)
    int abstand = 0;  // horizontal pitch of a bit
    int L1 = 0, L2 = 0;
    int w = 0, h = 0;  // character width and line height
};

// Text lines reserved under a set's block.
int FF_Reserve(const ZorState& s, int satz);

// The layout for a target of the given size and a character cell of w x h.
FFLayout FF_Layout(const ZorState& s, int breite, int hoehe, int w, int h);

// The state a bit was generated in, as far as its colour goes.
enum class Bitzustand : std::uint8_t { Ohne, Gut, Schlecht, Z2, Z3 };

// A text placed on a row: centred statistics lines and the theory notice.
struct FFZeilentext {
    int zeile = 0;
    std::string text;
    int farbsatz = -1;  // -1 black, else the colour of that set
    bool weisserGrund = false;
};

struct FFBlock {
    int satz = 0;
    int z0 = 0, zEnde = 0;  // first row, end row (exclusive)
    std::string bits;       // row by row, smax per row; may end early
    std::vector<Bitzustand> zustaende;
};

struct FFInhalt {
    FFLayout layout;
    std::vector<FFBlock> bloecke;
    std::vector<FFZeilentext> zeilentexte;
    std::vector<std::pair<int, std::string>> marken;  // row labels: row, text
    std::vector<Meldung> meldungen;                   // to show after painting
};

// Generates the blocks for a layout with the generation procedures of the sets.
FFInhalt FF_Erzeugen(const ZorState& s, const FFLayout& layout);

// The content as text, line by line: the header digits, each row's bits and its label,
// the statistics lines.
std::string FF_Text(const FFInhalt& inhalt);

}  // namespace zor
