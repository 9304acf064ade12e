#pragma once
// The overlay of a model fit on a canvas: the sequence's gap distribution or correlation
// function as points, the fitted models' theoretical curves as lines, with a legend in
// rank order. The geometry is that of the FAV and FKF documents (origin -7500, -8000; y up
// to 5500), so screen, printer, exported pictures and the renderer share it.

#include "core/anpassung/anpassung.h"
#include "core/plot/canvas.h"
#include "core/plot/plotag.h"

namespace zor {

enum class Anpassungsbild { Fav, Fkf };

struct Anpassungsansicht {
    Anpassungsbild bild = Anpassungsbild::Fav;
    bool linear = false;  // ordinate; logarithmic from wertneg to wertpos otherwise
    float wertneg = 1e-5f, wertpos = 1.0f;
    int ynormLog = 2500;  // logical units per decade
};

// The colour of a model's curve and legend entry.
Farbe anpassungsfarbe(Modellart art);

// Draws the diagram on a canvas whose mapping the caller set. A fit without models draws
// the axes and the sequence alone.
void Anpassung_Paint(Canvas& dc, const Anpassung& a, const Anpassungsansicht& v, const Vorlagenquelle& quelle);

}  // namespace zor
