#include "core/plot/abbildung.h"

#include <algorithm>
#include <cmath>

#include "core/plot/plotzahlen.h"

namespace zor {
namespace {

double roh(double viewport, double fenster) { return fenster == 0 ? 0 : viewport / fenster; }

}  // namespace

// Isotropic mapping shrinks the larger scale to the smaller one, keeping the signs.
double Abbildung::skalaX() const {
    const double sx = roh(viewportX, fensterX);
    if (!isotrop) return sx;
    const double sy = roh(viewportY, fensterY);
    return std::abs(sx) <= std::abs(sy) ? sx : std::copysign(std::abs(sy), sx);
}

double Abbildung::skalaY() const {
    const double sy = roh(viewportY, fensterY);
    if (!isotrop) return sy;
    const double sx = roh(viewportX, fensterX);
    return std::abs(sy) <= std::abs(sx) ? sy : std::copysign(std::abs(sx), sy);
}

Schriftgrenzen Schriftgrenzen::fuerDiagramm(double dpi) {
    const double f = dpi > 0 ? dpi / 96.0 : 1.0;
    // 10 px is the smallest text still read without effort; above 24 px labels only crowd.
    return {10 * f, 24 * f};
}

double Abbildung::schriftPixel(int hoehe) const {
    const double sy = std::abs(skalaY());
    if (!schriftgrenzen) return std::abs(hoehe * sy);
    const double skala = std::min(std::abs(skalaX()), sy);
    return std::clamp(std::abs(hoehe * skala), schriftgrenzen->minPixel, std::max(schriftgrenzen->minPixel, schriftgrenzen->maxPixel));
}

double Abbildung::stiftPixel(int breite) const {
    return std::abs(breite * std::min(std::abs(skalaX()), 2 * std::abs(skalaY())));
}

Geraetepunkt Abbildung::geraet(LPunkt p) const {
    return {p.x * skalaX() + ursprungX, p.y * skalaY() + ursprungY};
}

LPunkt Abbildung::logisch(Geraetepunkt p) const {
    const double sx = skalaX(), sy = skalaY();
    return {sx == 0 ? 0 : kappen(std::round((p.x - ursprungX) / sx)),
            sy == 0 ? 0 : kappen(std::round((p.y - ursprungY) / sy))};
}

Abbildung Abbildung::fenstereigenschaften(int breite, int hoehe) {
    Abbildung a;
    a.fensterX = 10000;
    a.fensterY = 10000;
    a.viewportX = static_cast<int>(0.5 * breite);
    a.viewportY = static_cast<int>(-0.5 * hoehe);
    a.ursprungX = static_cast<int>(0.5 * breite);
    a.ursprungY = static_cast<int>(0.5 * hoehe);
    a.schriftgrenzen = Schriftgrenzen::fuerDiagramm();
    return a;
}

}  // namespace zor
