#pragma once
// The measurement cursor of the curve documents: a vertical line on one point index
// and a readout of abscissa, ordinates and difference at the top of the window; its
// key and mouse rules. The window repaints instead of inverting pixels.

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/documents/kurven_malen.h"
#include "core/models/konfidenz_werte.h"
#include "core/models/zor_state.h"
#include "core/plot/canvas.h"

namespace zor {

inline constexpr int CURSOR_SCHRIFTHOEHE_DRUCK = 814;

struct CursorGeometrie {
    float xlinks = 0, yunten = 0, yoben = 0;
    int schrittweite = 0;
};

// The curves the readout shows; G1/G2 tell whether each is displayed; b1/b2 their bands
// when shown (the readout then gives each value with its half-width).
struct CursorKurven {
    std::span<const STRUCT_PUNKT> g1, g2;
    int G1 = 0, G2 = 0;
    const Kurvenband* b1 = nullptr;
    const Kurvenband* b2 = nullptr;
};

// The half-width at pos of a band, if there is one.
std::optional<float> halbbreiteBei(const Kurvenband* b, int pos);

CursorGeometrie favCursorGeometrie(const ZorState& s);  // xlinks FAV_xnorm-7500, step FAV_xnorm
CursorGeometrie fkfCursorGeometrie(const ZorState& s);  // xlinks -7500, step FKF_xnorm
// ptFAVa* when Modell.AB, else ptFAV*; the flags from the latest paint.
CursorKurven favCursorKurven(const ZorState& s, Gezeichnet g);
CursorKurven fkfCursorKurven(const ZorState& s, Gezeichnet g);

// Labels "Abszisse:", "Ordinate:" and, with both curves, "Differenz:" in the selected font.
// The lowest point of the readout's rows in the current font, for labels below it.
int Cursor_Unterkante(Canvas& dc);
void Cursor_Beschriftung(Canvas& dc, const CursorKurven& k);

// The cursor line and its values at position xpos (no erasing: the window repaints).
void Markierung(Canvas& dc, const CursorGeometrie& g, const CursorKurven& k, int xpos);

// Logical rectangles that the cursor at xpos touches (line strip, value texts) so a
// window can repaint exactly them after a move; the canvas measures the texts.
std::vector<LRechteck> Markierung_Bereiche(Canvas& dc, const CursorGeometrie& g, const CursorKurven& k, int xpos);

// Printed cursor: labels, line and values at the paper font height, then back to the
// screen height. xpos is the line's x; p1 and p2 are the cursor's points, h1 and h2
// their bands' half-widths when shown.
void Cursor_drucken(Canvas& dc, float xpos, float yunten, float yoben, int G1, int G2, const STRUCT_PUNKT& p1,
                    const STRUCT_PUNKT& p2, std::optional<float> h1 = std::nullopt,
                    std::optional<float> h2 = std::nullopt);

// What a cursor reads: the abscissa and, for each shown set, its ordinate there (nothing
// when its curve has no point there: the readout shows a dash) with its band's half-width.
struct Ablesung {
    double x = 0;
    std::array<bool, 2> gezeigt{};
    std::array<std::optional<double>, 2> y{};
    std::array<std::optional<float>, 2> halb{};
};

// The cursor of a free-scale diagram: labels, the line at x across the plot area and the
// values, in the plot area's upper right corner (unten: lower right); drucken = 1 at the
// paper font height.
void Ablesung_malen(Canvas& dc, const Ablesung& a, int x, const LRechteck& flaeche, bool unten, int drucken);

enum class Cursortaste { BildAuf, BildAb, Ende, Pos1, Links, Rechts };

// New cursor position after a key; d = number of points (FAV_defbereich, or
// FKF_defbereich); rechtsBis = highest position the right arrow reaches (FAV: d-1, FKF: D).
int cursorTaste(Cursortaste t, int xpos, int d, int rechtsBis, const CursorKurven& k);

// Cursor position for a mouse x in logical units, or nothing outside the document's
// bounds; the result always names a point of the curve.
std::optional<int> favMausPosition(double x, const ZorState& s);
std::optional<int> fkfMausPosition(double x, const ZorState& s);

}  // namespace zor
