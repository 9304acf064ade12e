#pragma once
// The channel-model documents' paintings on a QPainter: the windows, exported pictures,
// the headless renderer and the template previews all call these, never a copy.

#include <QPainter>
#include <QRect>

#include "core/dokumente/ff_inhalt.h"
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

}  // namespace zor
