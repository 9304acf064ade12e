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

// Which document is printed (print_fenster): its diagram and the header's selector.
enum class Druckart { FF = 1, FKF = 2, FAV = 3 };

// The header's selector in DRUCKEN.PLT: 'a' FF, 'b' FKF, 'c' FAV.
char druckKopfText(Druckart art);
// The kind for a header selector; FAV for any other.
Druckart druckartVon(char kopf);

// The page's regions for a page of cx x cy device pixels, fractions truncated.
Abbildung druckkopfAbbildung(QSize seite);
Abbildung druckdiagrammAbbildung(QSize seite);
QRect druckParameterRechteck(QSize seite);
// The error-sequence diagram: device pixels, y down, in the lower half.
QRect druckFFRechteck(QSize seite);

// What a page painting reports: templates that did not draw completely and the
// messages of the diagram (a file that cannot be read), for the caller to show.
struct Druckbericht {
    int vorlagenFehler = 0;
    std::vector<Meldung> meldungen;
};

// The curves the page of that kind shows, computed where their cache is not valid (the
// document may not have painted since the parameters changed). Nothing for FF.
Kurvenbericht druckKurvenErmitteln(ZorState& s, Druckart art, Fortschritt& f);

// The parts of the page; druckseiteMalen paints them in this order.
Druckbericht PAR_Print(QPainter& p, QSize seite, const ZorState& s, const Vorlagenquelle& q, Druckart art);
Druckbericht FF_Print(QPainter& p, QSize seite, const ZorState& s);
Druckbericht FKF_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q);
Druckbericht FAV_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q);

// The diagram of the kind: FF_Print, FKF_Print or FAV_Print.
Druckbericht druckDiagrammMalen(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q, Druckart art);

// The whole page on a device of seite pixels (the printable area): frame, header,
// parameter pictures, diagram, all in the paper colours.
Druckbericht druckseiteMalen(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q, Druckart art);

}  // namespace zor
