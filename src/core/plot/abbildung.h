#pragma once
// The window/viewport mapping of the documents: logical units to device pixels,
// anisotropic (each axis scaled on its own) or isotropic (equal scales).

#include <optional>

#include "core/plot/canvas.h"

namespace zor {

struct Geraetepunkt {
    double x = 0, y = 0;
};

// Bounds of a diagram's text, as line heights in device pixels.
struct Schriftgrenzen {
    double minPixel = 0, maxPixel = 0;
    // The bounds on screen, scaled to a device's resolution (96 per inch on screen).
    static Schriftgrenzen fuerDiagramm(double dpi = 96);
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

    // Diagrams size their text from the smaller scale within these bounds, so narrow
    // or tall windows keep labels that fit; without bounds text follows the y scale
    // alone (grids and pictures laid out by their font).
    std::optional<Schriftgrenzen> schriftgrenzen;

    // Line height in device pixels of a font of logical height hoehe.
    double schriftPixel(int hoehe) const;
    // Width in device pixels of a pen of logical width breite. It follows x, but in a
    // window much wider than tall no more than twice the y scale allows, or the curves of
    // a short wide window come out as bars.
    double stiftPixel(int breite) const;

    // The documents' mapping: the client area spans -10000..10000 in x (left to right)
    // and in y (bottom to top).
    static Abbildung fenstereigenschaften(int breite, int hoehe);
};

}  // namespace zor
