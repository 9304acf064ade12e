#pragma once
// Painting of the parameter document: each active set's picture (model template with
// its values, or the file heading and name) in a logical square placed by the client
// rectangle's shape. The caller maps each picture with its Abbildung, then paints it.

#include <vector>

#include "core/models/zor_state.h"
#include "core/plot/abbildung.h"
#include "core/plot/plotag.h"

namespace zor {

// Where one set's picture goes.
struct ParBild {
    int satz = 0;
    Abbildung abbildung;
};

// The client rectangle (device pixels, y down) decides: one set or two, narrow or wide
// (right >= 2.8 x bottom), side by side or stacked. Empty while both sets are inactive.
std::vector<ParBild> PAR_Anordnung(const ZorState& s, int links, int oben, int rechts, int unten);

// Paints set `satz`'s picture into the current mapping; returns the number of templates
// that did not draw completely.
int M_PAINT(Canvas& dc, const ZorState& s, int satz, const Vorlagenquelle& quelle);

// The picture of a file-fed set: heading and file name in the set's colour.
void datplot(Canvas& dc, const ZorState& s, int m);

}  // namespace zor
