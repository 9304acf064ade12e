#pragma once
// The window/viewport mapping of the documents: logical units to device pixels,
// anisotropic (each axis scaled on its own) or isotropic (equal scales).

#include "core/plot/canvas.h"

namespace zor {

struct Geraetepunkt {
    double x = 0, y = 0;
};

struct Abbildung {
    double fensterX = 1, fensterY = 1;      // window extents, logical units
    double viewportX = 1, viewportY = 1;    // viewport extents, device pixels (negative: flipped)
    double ursprungX = 0, ursprungY = 0;    // viewport origin, device pixels
    bool isotrop = false;

    // Device pixels per logical unit, signed.
    double skalaX() const;
    double skalaY() const;
    Geraetepunkt geraet(LPunkt p) const;
    LPunkt logisch(Geraetepunkt p) const;

    // The documents' mapping: the client area spans -10000..10000 in x (left to right)
    // and in y (bottom to top).
    static Abbildung fenstereigenschaften(int breite, int hoehe);
};

}  // namespace zor
