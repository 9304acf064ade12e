#include "core/plot/graphpaint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/plot/plotzahlen.h"

namespace zor {
namespace {

int linOrdinate(float y, int ynorm, int yunten) {
    return kappen(static_cast<float>(ynorm) * y + static_cast<float>(yunten));
}

int logAbszisse(std::size_t i, float x, int xlinks, int xnorm) {
    if (i == 0) return xlinks;
    return kappen(std::log10(static_cast<double>(x)) * xnorm + xlinks);
}

template <class Ort>
void zeichnen(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int feldgroesse, short modell,
              const Farbtabelle& farbe, Ort ort) {
    const auto n = std::min(pt.size(), static_cast<std::size_t>(std::max(feldgroesse, 0)));
    std::vector<LPunkt> punkte(n);
    for (std::size_t i = 0; i < n; ++i) punkte[i] = ort(i, pt[i]);
    const Stift vorher = dc.stift();
    dc.setzeStift({70, kurvenfarbe(farbe, modell)});
    dc.polylinie(punkte);
    dc.setzeStift(vorher);
}

int linAbszisse(std::size_t i, int xlinks, int xnorm) {
    return kappen(xlinks + static_cast<double>(i) * xnorm);
}

}  // namespace

Farbe kurvenfarbe(const Farbtabelle& farbe, int modell) {
    const int c = modell < 6 ? 0 : modell <= 10 ? 1 : modell == 12 ? 4 : 5;
    return farbeAus(farbe[static_cast<std::size_t>(c)]);
}

int logOrdinate(float y, float ywertneg, float ywertpos, int ynorm, int yunten) {
    if (ywertneg <= y && y <= 1.1 * ywertpos)
        return kappen(std::log10(static_cast<double>(y / ywertneg)) * ynorm + yunten);
    if (y > 1.1 * ywertpos)
        return kappen(std::log10(static_cast<double>(ywertpos / ywertneg)) * 1.1 * ynorm + yunten);
    return kappen(yunten * 1.1);  // below the range, 0 and NaN
}

void GraphPaint_LIN(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, int ynorm, int yunten,
                    int feldgroesse, short modell, const Farbtabelle& farbe) {
    zeichnen(dc, pt, feldgroesse, modell, farbe, [&](std::size_t i, const STRUCT_PUNKT& p) {
        return LPunkt{linAbszisse(i, xlinks, xnorm), linOrdinate(p.y, ynorm, yunten)};
    });
}

void GraphPaint_LOG(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, float ywertneg,
                    float ywertpos, int ynorm, int yunten, int feldgroesse, short modell, const Farbtabelle& farbe) {
    zeichnen(dc, pt, feldgroesse, modell, farbe, [&](std::size_t i, const STRUCT_PUNKT& p) {
        return LPunkt{linAbszisse(i, xlinks, xnorm), logOrdinate(p.y, ywertneg, ywertpos, ynorm, yunten)};
    });
}

void GraphPaint_LO_LO(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, float ywertneg,
                      float ywertpos, int ynorm, int yunten, int feldgroesse, short modell,
                      const Farbtabelle& farbe) {
    zeichnen(dc, pt, feldgroesse, modell, farbe, [&](std::size_t i, const STRUCT_PUNKT& p) {
        return LPunkt{logAbszisse(i, p.x, xlinks, xnorm), logOrdinate(p.y, ywertneg, ywertpos, ynorm, yunten)};
    });
}

void GraphPaint_LI_LO(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, int ynorm, int yunten,
                      int feldgroesse, short modell, const Farbtabelle& farbe) {
    zeichnen(dc, pt, feldgroesse, modell, farbe, [&](std::size_t i, const STRUCT_PUNKT& p) {
        return LPunkt{logAbszisse(i, p.x, xlinks, xnorm), linOrdinate(p.y, ynorm, yunten)};
    });
}

}  // namespace zor
