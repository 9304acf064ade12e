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

}  // namespace

void GraphPaint(Canvas& dc, std::span<const STRUCT_PUNKT> pt, const Kurvenlage& lage, int feldgroesse, short modell,
                const Farbtabelle& farbe) {
    const auto n = std::min(pt.size(), static_cast<std::size_t>(std::max(feldgroesse, 0)));
    std::vector<LPunkt> punkte(n);
    for (std::size_t i = 0; i < n; ++i) punkte[i] = lage.ort(i, pt[i]);
    const Stift vorher = dc.stift();
    dc.setzeStift({70, kurvenfarbe(farbe, modell)});
    dc.polylinie(punkte);
    dc.setzeStift(vorher);
}

Farbe kurvenfarbe(const Farbtabelle& farbe, int modell) {
    const int c = modell < 6 ? 0 : modell <= 10 ? 1 : modell == 12 ? 4 : 5;
    return farbeAus(farbe[static_cast<std::size_t>(c)]);
}

LPunkt Kurvenlage::ort(std::size_t i, const STRUCT_PUNKT& p) const {
    const int x = !xLog ? kappen(xlinks + static_cast<double>(i) * xnorm)
                  : i == 0 ? xlinks
                           : kappen(std::log10(static_cast<double>(p.x)) * xnorm + xlinks);
    const int y = yLog ? logOrdinate(p.y, ywertneg, ywertpos, ynorm, yunten) : linOrdinate(p.y, ynorm, yunten);
    return {x, y};
}

void BandPaint(Canvas& dc, std::span<const STRUCT_PUNKT> unten, std::span<const STRUCT_PUNKT> oben,
               const Kurvenlage& lage, int feldgroesse, Farbe farbe) {
    const auto n = std::min({unten.size(), oben.size(), static_cast<std::size_t>(std::max(feldgroesse, 0))});
    if (n == 0) return;
    // Along the upper edge, then back along the lower one.
    std::vector<LPunkt> rand;
    for (std::size_t i = 0; i < n; ++i) rand.push_back(lage.ort(i, oben[i]));
    for (std::size_t i = n; i-- > 0;) rand.push_back(lage.ort(i, unten[i]));
    const Stift stiftVorher = dc.stift();
    const Farbe pinselVorher = dc.pinsel();
    dc.setzeStift({0, farbe});
    dc.setzePinsel(farbe);
    dc.polygon(rand);
    dc.setzeStift(stiftVorher);
    dc.setzePinsel(pinselVorher);
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
    GraphPaint(dc, pt, {false, false, xlinks, xnorm, 0, 0, ynorm, yunten}, feldgroesse, modell, farbe);
}

void GraphPaint_LOG(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, float ywertneg,
                    float ywertpos, int ynorm, int yunten, int feldgroesse, short modell, const Farbtabelle& farbe) {
    GraphPaint(dc, pt, {false, true, xlinks, xnorm, ywertneg, ywertpos, ynorm, yunten}, feldgroesse, modell, farbe);
}

void GraphPaint_LO_LO(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, float ywertneg,
                      float ywertpos, int ynorm, int yunten, int feldgroesse, short modell,
                      const Farbtabelle& farbe) {
    GraphPaint(dc, pt, {true, true, xlinks, xnorm, ywertneg, ywertpos, ynorm, yunten}, feldgroesse, modell, farbe);
}

void GraphPaint_LI_LO(Canvas& dc, std::span<const STRUCT_PUNKT> pt, int xlinks, int xnorm, int ynorm, int yunten,
                      int feldgroesse, short modell, const Farbtabelle& farbe) {
    GraphPaint(dc, pt, {true, false, xlinks, xnorm, 0, 0, ynorm, yunten}, feldgroesse, modell, farbe);
}

}  // namespace zor
