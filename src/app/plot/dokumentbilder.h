#pragma once
// The channel-model documents' paintings on a QPainter: the windows, exported pictures,
// the headless renderer and the template previews all call these, never a copy.

#include <QPainter>
#include <QRect>

#include <functional>

#include "core/anpassung/anpassung.h"
#include "core/documents/buendel_einstellungen.h"
#include "core/documents/ff_inhalt.h"
#include "core/documents/kurven_malen.h"
#include "core/documents/messcursor.h"
#include "core/plot/plotag.h"

namespace zor {

// The error-sequence document on a white area of the given size; drucken = 1 uses the
// paper colours. Returns what was drawn (its messages are the caller's to show).
FFInhalt ffMalen(QPainter& p, QSize groesse, const ZorState& s, int drucken);

// The same layout and content without painting, for the text export.
FFInhalt ffInhalt(QPainter& p, QSize groesse, const ZorState& s);

// The parameter document's pictures in the client rectangle r; returns the number of
// templates that did not draw completely.
int parMalen(QPainter& p, QRect r, const Vorlagenquelle& quelle, const ZorState& s);

// The FAV/FKF document on a white area of the given size with the documents' mapping,
// font set as the documents use it; the cursor is drawn when Cursor.FAV / Cursor.FKF is
// set. Returns the curves drawn. The curves must have been computed. While both sets
// are inactive only the white area is painted.
Gezeichnet favMalen(QPainter& p, QSize groesse, ZorState& s, const Vorlagenquelle& q, int drucken);
Gezeichnet fkfMalen(QPainter& p, QSize groesse, ZorState& s, const Vorlagenquelle& q, int drucken);

// A diagram in the rectangle r of a printed page, in the documents' mapping; its text
// scales with it as on the printed page.
void papierdiagramm(QPainter& p, QRect r, const std::function<void(Canvas&)>& malen);

// A curve diagram (FAV or FKF) in the rectangle r of a larger page, with its legend.
Gezeichnet kurvenBildMalen(QPainter& p, QRect r, ZorState& s, const Vorlagenquelle& q, bool fav, Legendenort ort,
                           int drucken);

// The legend over a curve document's painting (favMalen/fkfMalen), for exports.
void kurvenLegendeMalen(QPainter& p, QSize groesse, const ZorState& s, bool fav, Legendenort ort, int drucken);

// The model fit's overlay on a white area: the sequence's gap distribution beside (or,
// on a tall area, above) its correlation function, each with the fitted models' curves.
void anpassungMalen(QPainter& p, QSize groesse, const Anpassung& a, bool linear, const Vorlagenquelle& q);
// The document "Bündel und Blöcke" with the curve documents' mapping and font.
void buendelBildMalen(QPainter& p, QSize groesse, const ZorState& s, const Buendeleinstellungen& e,
                      const Buendeldaten& d, int drucken);

// The screen cursor of a curve document (labels, line, values) over its painting, as
// favMalen/fkfMalen draw it; the window uses it to paint the cursor on its own.
void kurvenCursorMalen(QPainter& p, QSize groesse, const CursorGeometrie& g, const CursorKurven& k, int xpos);

}  // namespace zor
