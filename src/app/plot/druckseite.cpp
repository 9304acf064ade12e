#include "app/plot/druckseite.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "app/plot/dokumentbilder.h"
#include "app/plot/qpainter_canvas.h"
#include "core/documents/ff_malen.h"
#include "core/documents/kurven_malen.h"

namespace zor {
namespace {

// A fraction of a page size, cut off like the old integer conversion.
int teil(double anteil, int groesse) { return static_cast<int>(anteil * groesse); }

// Window extent 10000 in both directions, y up.
Abbildung diagrammAbbildung(QSize seite, double hoehe, double ursprungY) {
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.viewportX = teil(0.4, seite.width());
    a.viewportY = -teil(hoehe, seite.height());
    a.ursprungX = teil(0.5, seite.width());
    a.ursprungY = teil(ursprungY, seite.height());
    return a;
}

// The error-sequence font keeps its size on paper: the screen's pixels at 96 per inch.
int ffSchrifthoehe(const QPainter& p) {
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    return std::max(1, static_cast<int>(std::lround(FF_SCHRIFTHOEHE * dpi / 96.0)));
}

Druckbericht kurvenMalen(QPainter& p, QSize seite, auto&& malen) {
    QPainterCanvas dc(p, druckdiagrammAbbildung(seite));
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    malen(dc);
    return {};
}

}  // namespace

Abbildung druckkopfAbbildung(QSize seite) { return diagrammAbbildung(seite, 0.4, 0.042); }

// Half-height 0.3 instead of 0.35: the diagram then fills 0.4 .. 1.0 of the page, so
// the abscissa's numbers below the axis stay on paper instead of being cut off.
Abbildung druckdiagrammAbbildung(QSize seite) { return diagrammAbbildung(seite, 0.3, 0.7); }

QRect druckParameterRechteck(QSize seite) {
    const int cx = seite.width(), cy = seite.height();
    const int links = teil(0.1, cx), oben = teil(0.083, cy);
    return QRect(links, oben, teil(0.9, cx) - links, teil(0.4, cy) - oben);
}

QRect druckFFRechteck(QSize seite) {
    const int cx = seite.width(), cy = seite.height();
    const int links = teil(0.1, cx);
    return QRect(links, teil(0.5, cy), teil(0.95, cx) - links, cy / 2);
}

Kurvenbericht druckKurvenErmitteln(ZorState& s, const Druckart& art, Fortschritt& f) {
    return art.kurven ? art.kurven(s, f) : Kurvenbericht{};
}

Druckbericht PAR_Print(QPainter& p, QSize seite, const ZorState& s, const Vorlagenquelle& q, const Druckart& art) {
    Druckbericht b;
    {
        QPainterCanvas dc(p, druckkopfAbbildung(seite));
        if (plotag(dc, q, "DRUCKEN.PLT", {}, 1, art.kopf) != 1) ++b.vorlagenFehler;
    }
    if (s.Modell.inaktiv == 0) {
        b.vorlagenFehler += parMalen(p, druckParameterRechteck(seite), q, s);
    }
    return b;
}

// Device pixels, y down from the middle of the page: the document lays its grid out
// in pixels, so the canvas maps one unit to one pixel with y flipped.
Druckbericht FF_Print(QPainter& p, QSize seite, const ZorState& s) {
    const QRect r = druckFFRechteck(seite);
    Abbildung a;
    a.viewportY = -1;
    a.ursprungY = r.top();
    QPainterCanvas dc(p, a);
    dc.setzeSchrift({Schriftfamilie::Swiss, ffSchrifthoehe(p)});
    const LRechteck rechteck{r.left(), 0, r.left() + r.width(), -r.height()};
    return {0, FF_Paint(dc, s, rechteck, 1).meldungen};
}

Druckbericht FKF_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q) {
    return kurvenMalen(p, seite, [&](Canvas& dc) {
        FKF_Paint(dc, s, q, 1);
        LegendeMalen(dc, s, false, LEGENDE_DRUCK, 1);
    });
}

Druckbericht FAV_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q) {
    return kurvenMalen(p, seite, [&](Canvas& dc) {
        FAV_Paint(dc, s, q, 1);
        LegendeMalen(dc, s, true, LEGENDE_DRUCK, 1);
    });
}

// The page computes what it shows from a copy of the sets and the document's settings:
// it is painted in the background, and the window's results may be older.
Druckbericht BUENDEL_Print(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle&) {
    const Buendeleinstellungen e = buendelEinstellungen();
    KeinFortschritt still;
    Buendeldaten d = buendelBerechnen(buendelAuftrag(s, e), still);
    Druckbericht b = kurvenMalen(p, seite, [&](Canvas& dc) { buendelMalen(dc, s, e, d, 1); });
    for (Meldung& m : d.meldungen) b.meldungen.push_back(std::move(m));
    return b;
}

const Druckart DRUCK_FF{
    'a', nullptr, [](QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle&) { return FF_Print(p, seite, s); }};
const Druckart DRUCK_FKF{'b', &FKF_Ermitteln, &FKF_Print};
const Druckart DRUCK_FAV{'c', &FAV_Ermitteln, &FAV_Print};
const Druckart DRUCK_BUENDEL{'d', nullptr, &BUENDEL_Print};

Druckbericht druckseiteMalen(QPainter& p, QSize seite, ZorState& s, const Vorlagenquelle& q, const Druckart& art) {
    // The band's frame with the default pen and brush, as the page always had. Nothing
    // reaches past the printable area, as on paper (the diagram's grid would).
    p.save();
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::white);
    p.drawRect(QRect(QPoint(0, 0), seite - QSize(1, 1)));
    p.setClipRect(QRect(QPoint(0, 0), seite));
    Druckbericht b = PAR_Print(p, seite, s, q, art);
    Druckbericht d = art.diagramm(p, seite, s, q);
    p.restore();
    b.vorlagenFehler += d.vorlagenFehler;
    b.meldungen.insert(b.meldungen.end(), d.meldungen.begin(), d.meldungen.end());
    return b;
}

}  // namespace zor
