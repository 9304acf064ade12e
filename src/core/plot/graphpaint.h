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

// Each function draws one polyline through the first feldgroesse points (at most the
// curve's length) with a solid pen of width 70, then restores the caller's pen.
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
