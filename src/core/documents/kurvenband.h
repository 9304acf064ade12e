#pragma once
// What the option "Konfidenzband anzeigen" adds to the two curve documents: the band of
// each sampled curve behind it, the half-widths the cursor reads, the hint "Folge zu
// kurz", and how many points of a theory lie inside the band of the same model's
// simulation. Painted on the canvas, so the window, the printed page and every export
// show the same.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/models/konfidenz_werte.h"
#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"
#include "core/plot/canvas.h"
#include "core/plot/graphpaint.h"

namespace zor {

// The band behind set `satz`'s shown curve, or none: option off, set inactive, a closed
// formula, or a sequence too short to cut. FAV: P(a >= k) or p(a = k) by Modell.AB.
const Kurvenband* favBand(const ZorState& s, int satz);
const Kurvenband* fkfBand(const ZorState& s, int satz);

// The band's colour: the curve's, mixed with three quarters white.
Farbe bandfarbe(Farbe kurve);

// The band around the first n points of `kurve`, in `farbe`.
void BandMalen(Canvas& dc, std::span<const STRUCT_PUNKT> kurve, const Kurvenband& band, const Kurvenlage& lage, int n,
               Farbe farbe);

// Whether two sets show the same model with the same parameters, seed and length aside
// (a theory and a simulation of one channel).
bool gleichesModell(const Satzparameter& a, const Satzparameter& b);

// How many of the first n points of `theorie` lie inside the band around `kurve`.
int theorieImBand(std::span<const STRUCT_PUNKT> theorie, std::span<const STRUCT_PUNKT> kurve, const Kurvenband& band,
                  std::size_t n);

struct Bandhinweis {
    std::string text;
    Farbe farbe;
};

// The hints of a curve document with the option on, in order: each set's "Folge zu
// kurz" in its colour, then the count of theory points inside the band when one set is
// the theory of the other's simulation. `kurven` are the shown curves of both sets,
// `pruefpunkt` the point that decides "Folge zu kurz".
std::vector<Bandhinweis> bandhinweise(const ZorState& s, bool fav, std::span<const STRUCT_PUNKT> kurve1,
                                      std::span<const STRUCT_PUNKT> kurve2, std::size_t n, std::size_t pruefpunkt,
                                      const std::array<Farbe, 2>& farben);

// Where the hints go inside the plot, by baseline of the first row: below the top grid
// line, below the correlation-duration labels, or (bottom up) above the axis and clear
// of its "k".
inline constexpr int HINWEISE_OBEN = 4600, HINWEISE_UNTER_DK = 2700, HINWEISE_UNTEN = -6600;

// Writes the hints right-aligned inside the plot, rows downwards from `ersteZeile` or,
// with `vonUnten`, upwards so that the last row stands at it; each on a white ground so
// that a curve under it does not hide it.
void HinweiseMalen(Canvas& dc, const std::vector<Bandhinweis>& hinweise, int ersteZeile, bool vonUnten);

}  // namespace zor
