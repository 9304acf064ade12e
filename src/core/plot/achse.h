#pragma once
// Axis cross, tick labels, background grid, triangles and arrows.

#include "core/plot/canvas.h"

namespace zor {

// The axis geometry shared by the a and u records and the curve documents. The
// scale fields (from xskala on) are used by the labels and the grid only.
struct Achsendaten {
    int xlinks = 0, yunten = 0, xrechts = 0, yoben = 0;
    int xmitte = 0, ymitte = 0;
    int groesse = 0;          // tick half-length; arrowheads and labels scale with it
    int xskala = 0;           // logical units between ticks
    char a = 'n';             // 'l': logarithmic x labels, else linear
    int yskala = 0;
    char b = 'n';
    float xwert = 0, ywert = 0;  // linear: value step per tick; logarithmic: first decade
};

// No more ticks or grid lines than this per axis, whatever the numbers say.
inline constexpr int MAX_STRICHE = 2000;

// Filled triangle with its tip at (x, y), pointing in direction phi (radians),
// opening angle winkel, side length laenge.
void Dreieck(Canvas& dc, int x, int y, float phi, float winkel, float laenge);

// Arrow with its tip at (x, y): a shaft of length laenge and a filled head of side
// length groesse and opening angle winkel.
void Pfeil(Canvas& dc, int x, int y, float phi, float winkel, int laenge, int groesse);

// The two axis lines with arrowheads at their positive ends.
void Achse(Canvas& dc, const Achsendaten& d);

// Tick marks and their labels. Leaves the caller's font and alignment in place.
void Achsenbeschriftung(Canvas& dc, const Achsendaten& d);

// Dotted light-grey grid, five lines per tick step. Leaves the caller's pen in place.
void Diagonal(Canvas& dc, const Achsendaten& d);

// The font height of a text record's size field.
int schrifthoehe(int groesse);

}  // namespace zor
