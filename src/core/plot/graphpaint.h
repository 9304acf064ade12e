#pragma once
// The curves of the two parameter sets, on linear and logarithmic scales.

#include <array>
#include <span>

#include "core/models/zor_state.h"
#include "core/plot/canvas.h"

namespace zor {

using Farbtabelle = std::array<farben, 7>;

// Colour of a curve or text by the model id: set 1 on screen (ids 0..5) dark blue,
// set 2 (6..10) dark red; when printing the callers pass 12 (blue) or 13 (red).
Farbe kurvenfarbe(const Farbtabelle& farbe, int modell);

// The logarithmic ordinate: values below ywertneg (0 included) sit at 1.1 x yunten,
// values above 1.1 x ywertpos at 1.1 decades-span above yunten.
int logOrdinate(float y, float ywertneg, float ywertpos, int ynorm, int yunten);

// Where a curve's point i lands on one of the four axis kinds: x linear (xlinks + i xnorm)
// or logarithmic (log10 of the point's x), y linear (ynorm per unit from yunten) or
// logarithmic (logOrdinate). The GraphPaint functions below place their points so.
struct Kurvenlage {
    bool xLog = false, yLog = false;
    int xlinks = 0, xnorm = 0;
    float ywertneg = 0, ywertpos = 0;
    int ynorm = 0, yunten = 0;
    LPunkt ort(std::size_t i, const STRUCT_PUNKT& p) const;
};

// A band between a lower and an upper curve (same points), filled and outlined in
// `farbe`, over the first feldgroesse points; the selected pen and brush are restored.
void BandPaint(Canvas& dc, std::span<const STRUCT_PUNKT> unten, std::span<const STRUCT_PUNKT> oben,
               const Kurvenlage& lage, int feldgroesse, Farbe farbe);

// Draws one polyline through the first feldgroesse points (at most the curve's length)
// with a solid pen of width 70 in the colour of `modell`, then restores the caller's pen.
void GraphPaint(Canvas& dc, std::span<const STRUCT_PUNKT> ptGraph, const Kurvenlage& lage, int feldgroesse,
                short modell, const Farbtabelle& farbe);

// The same on each of the four axis kinds.
// LIN and LOG place point i at xlinks + i * xnorm; LO_LO and LI_LO at log10(x_i).
void GraphPaint_LIN(Canvas& dc, std::span<const STRUCT_PUNKT> ptGraph, int xlinks, int xnorm, int ynorm,
                    int yunten, int feldgroesse, short modell, const Farbtabelle& farbe);
void GraphPaint_LOG(Canvas& dc, std::span<const STRUCT_PUNKT> ptGraph, int xlinks, int xnorm, float ywertneg,
                    float ywertpos, int ynorm, int yunten, int feldgroesse, short modell, const Farbtabelle& farbe);
void GraphPaint_LO_LO(Canvas& dc, std::span<const STRUCT_PUNKT> ptGraph, int xlinks, int xnorm, float ywertneg,
                      float ywertpos, int ynorm, int yunten, int feldgroesse, short modell,
                      const Farbtabelle& farbe);
void GraphPaint_LI_LO(Canvas& dc, std::span<const STRUCT_PUNKT> ptGraph, int xlinks, int xnorm, int ynorm,
                      int yunten, int feldgroesse, short modell, const Farbtabelle& farbe);

}  // namespace zor
