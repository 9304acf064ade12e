#pragma once
// The printed page of a channel-model document: the header from DRUCKEN.PLT, the
// parameter pictures in the upper part and the document's diagram in the lower part.
// The printer, the PDF file, the page preview and the headless renderer all paint it
// through druckseiteMalen.

#include <QPainter>
#include <QRect>
#include <QSize>

#include <vector>

#include "core/models/kurven_ermitteln.h"
#include "core/models/zor_state.h"
#include "core/plot/abbildung.h"
#include "core/plot/plotag.h"
#include "core/util/ergebnis.h"

namespace zor {

struct Druckbericht;

// What the page of a printed document shows besides the parameter pictures: the header's
// selector in DRUCKEN.PLT, the curves it needs and its diagram. One per printable kind
// of document; the documents' table names them.
struct Druckart {
    char kopf;
    // Computes the curves the page shows where their cache is not valid; nullptr: none.
    Kurvenbericht (*kurven)(ZorState& s, Fortschritt& f);
    Druckbericht (*diagramm)(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q);
};

// The error sequence ('a'), the error correlation ('b') and the gap distribution ('c').
extern const Druckart DRUCK_FF, DRUCK_FKF, DRUCK_FAV;
// "Bündel und Blöcke" ('d'): bursts or blocks as the document's settings choose.
extern const Druckart DRUCK_BUENDEL;

// The page's regions for a page of cx x cy device pixels, fractions truncated.
Abbildung druckkopfAbbildung(QSize seite);
Abbildung druckdiagrammAbbildung(QSize seite);
QRect druckParameterRechteck(QSize seite);
// The error-sequence diagram: device pixels, y down, in the lower half.
QRect druckFFRechteck(QSize seite);

// What a page painting reports: templates that did not draw completely and the
// messages of the diagram (a file that cannot be read), for the caller to show.
struct [[nodiscard]] Druckbericht {
    int vorlagenFehler = 0;
    std::vector<Meldung> meldungen;
};

// The curves the page of that kind shows, computed where their cache is not valid (the
// document may not have painted since the parameters changed). Nothing for FF.
Kurvenbericht druckKurvenErmitteln(ZorState& s, const Druckart& art, Fortschritt& f);

// The parts of the page; druckseiteMalen paints them in this order.
Druckbericht PAR_Print(QPainter& p, QSize seite, const ZorState& s, const Vorlagenquelle& q, const Druckart& art);
Druckbericht FF_Print(QPainter& p, QSize seite, const ZorState& s);
Druckbericht FKF_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q);
Druckbericht FAV_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q);

// The whole page on a device of seite pixels (the printable area): frame, header,
// parameter pictures, diagram, all in the paper colours.
Druckbericht druckseiteMalen(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q, const Druckart& art);

}  // namespace zor
