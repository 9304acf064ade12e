#pragma once
// Painting of the error-sequence document on a canvas: the same routine serves the
// window, the printed page, exported pictures and the headless renderer.

#include "core/documents/ff_inhalt.h"
#include "core/plot/canvas.h"

namespace zor {

// The document's font: the character cell follows from it.
inline constexpr int FF_SCHRIFTHOEHE = 16;

// Shown instead of a blank page when not one row per set fits.
inline constexpr const char* TEXT_FF_ZU_KLEIN = "Das Fenster ist zu klein für die Fehlerfolge.";

// Draws the whole document into rect (logical units, y up: oben > unten) with the font
// the caller selected. drucken = 1 uses the paper colours for the states. Returns what
// was drawn; its messages are for the caller to show.
FFInhalt FF_Paint(Canvas& dc, const ZorState& s, const LRechteck& rect, int drucken);

// The layout for the font selected in dc.
FFLayout FF_LayoutFuer(Canvas& dc, const ZorState& s, const LRechteck& rect);

// Draws generated content (header, labels, blocks, lines).
void FF_Malen(Canvas& dc, const FFInhalt& inhalt, const LRechteck& rect, int drucken,
              const std::array<farben, 7>& farbe);

}  // namespace zor
