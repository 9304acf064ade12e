#pragma once
// A diagram with free scales in the documents' coordinates (axis cross at (-7500, -8000),
// x axis to 9500, y axis to 5500): linear or logarithmic on either axis, ticks at round
// values, curves as lines (solid or dotted) or as markers. The burst and block pictures
// use it; their ranges are not fixed like those of the gap and correlation diagrams.

#include "core/plot/canvas.h"

#include <optional>
#include <span>
#include <string>

namespace zor {

inline constexpr int DIAGRAMM_X0 = -7500, DIAGRAMM_Y0 = -8000, DIAGRAMM_XENDE = 9500, DIAGRAMM_YENDE = 5500;

// One axis: values from `von` to `bis` onto `laenge` logical units.
struct Skala {
    bool log = false;
    double von = 0, bis = 1;  // log: powers of ten
    int laenge = 16000;

    // Linear from 0 to at least `hoechster`; logarithmic over the decades from 1 resp.
    // from the decade of the smallest positive value (at most `tiefste` decades down).
    static Skala linear(double hoechster, int laenge);
    static Skala logarithmisch(double kleinster, double groesster, int laenge, int tiefste = 15);

    // Offset of a value from the axis origin; nothing for a value a log axis cannot show.
    std::optional<double> ort(double wert) const;
    // Units between ticks and the value step (linear) resp. the first decade (log) for
    // the tick labels.
    int tickAbstand() const;
    float tickWert() const;
};

// A point of a curve by its values.
struct Wertpunkt {
    double x, y;
};

enum class Kurvenart { Linie, Gepunktet, Kreuze, Quadrate };

struct Diagramm {
    Skala x, y;

    // Grid, axis cross, tick labels, the axis names at their ends and the title above.
    void rahmen(Canvas& dc, const std::string& xName, const std::string& yName, const std::string& titel) const;
    // A curve in the colour; points the scales cannot show break a line.
    void kurve(Canvas& dc, std::span<const Wertpunkt> punkte, Farbe farbe, Kurvenart art) const;
};

}  // namespace zor
