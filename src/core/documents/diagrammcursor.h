#pragma once
// The measurement cursor of the free-scale diagrams: it stands on an abscissa that one of
// the two sets' curves has, reads both ordinates there and draws the line and the readout
// inside the plot area, on linear and logarithmic scales alike.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/documents/diagramm.h"
#include "core/documents/messcursor.h"

namespace zor {

// Each set's curve as the cursor reads it: nothing for a set not shown, an empty list for
// a shown set without a curve in this picture.
using Satzkurven = std::array<std::optional<std::vector<Wertpunkt>>, 2>;

struct Cursorbild {
    Diagramm dia;
    Satzkurven kurven;

    // The abscissae of both curves the x scale can place, ascending, each once.
    std::vector<double> stellen() const;
    // The place nearest to a value, measured along the axis (so on a log axis 3 is nearer
    // to 4 than to 2); nothing without places.
    std::optional<double> naechste(double x) const;
    // The place under a mouse at logical x, nothing outside the plot area.
    std::optional<double> unterMaus(double logischX) const;
    // The place a key leads to from the one nearest x (PgUp/PgDn stay).
    std::optional<double> nachTaste(Cursortaste t, double x) const;
    Ablesung ablesung(double x) const;
    // The line's logical x for a place.
    int linie(double x) const;
    // Line and readout at the place nearest x; nothing without places. The readout takes
    // the upper right corner unless fewer curve points lie in the lower right one.
    void malen(Canvas& dc, double x, int drucken) const;

private:
    // The place whose offset on the x axis is nearest to `ort`.
    std::optional<double> amNaechsten(double ort) const;
    // Fewer curve points in the right half's lower third than in its upper third.
    bool untenFreier() const;
};

}  // namespace zor
