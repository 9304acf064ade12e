#include "app/plot/dokumentbilder.h"

#include "app/plot/qpainter_canvas.h"
#include "core/documents/anpassung_malen.h"
#include "core/documents/ff_malen.h"
#include "core/documents/messcursor.h"
#include "core/documents/par_malen.h"

namespace zor {
namespace {

// One logical unit per pixel, y up: the error-sequence grid is laid out in pixels.
Abbildung pixelAbbildung() {
    Abbildung a;
    a.viewportY = -1;
    return a;
}

LRechteck ffRechteck(QSize g) { return {0, 0, g.width(), -g.height()}; }

// The curve documents' canvas: the documents' mapping and label font.
class Kurvenleinwand : public QPainterCanvas {
public:
    Kurvenleinwand(QPainter& p, QSize g) : QPainterCanvas(p, Abbildung::fenstereigenschaften(g.width(), g.height())) {
        setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    }
};

// The screen cursor; on paper the painting itself draws it.
void bildschirmCursor(Canvas& dc, const CursorGeometrie& g, const CursorKurven& k, int xpos, int drucken) {
    if (drucken == 1) return;
    Cursor_Beschriftung(dc, k);
    Markierung(dc, g, k, xpos);
}

}  // namespace

FFInhalt ffMalen(QPainter& p, QSize groesse, const ZorState& s, int drucken) {
    QPainterCanvas dc(p, pixelAbbildung());
    dc.setzeSchrift({Schriftfamilie::Swiss, FF_SCHRIFTHOEHE});
    return FF_Paint(dc, s, ffRechteck(groesse), drucken);
}

FFInhalt ffInhalt(QPainter& p, QSize groesse, const ZorState& s) {
    QPainterCanvas dc(p, pixelAbbildung());
    dc.setzeSchrift({Schriftfamilie::Swiss, FF_SCHRIFTHOEHE});
    return FF_Erzeugen(s, FF_LayoutFuer(dc, s, ffRechteck(groesse)));
}

int parMalen(QPainter& p, QRect r, const Vorlagenquelle& quelle, const ZorState& s) {
    int fehler = 0;
    for (const ParBild& b : PAR_Anordnung(s, r.left(), r.top(), r.left() + r.width(), r.top() + r.height())) {
        QPainterCanvas dc(p, b.abbildung);
        dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
        fehler += M_PAINT(dc, s, b.satz, quelle);
    }
    return fehler;
}

Gezeichnet favMalen(QPainter& p, QSize groesse, ZorState& s, const Vorlagenquelle& q, int drucken) {
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    Kurvenleinwand dc(p, groesse);
    if (s.Modell.inaktiv) return {};
    const Gezeichnet g = FAV_Paint(dc, s, q, drucken);
    if (s.Cursor.FAV) bildschirmCursor(dc, favCursorGeometrie(s), favCursorKurven(s, g), s.FAV_xpos, drucken);
    return g;
}

Gezeichnet fkfMalen(QPainter& p, QSize groesse, ZorState& s, const Vorlagenquelle& q, int drucken) {
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    Kurvenleinwand dc(p, groesse);
    if (s.Modell.inaktiv) return {};
    const Gezeichnet g = FKF_Paint(dc, s, q, drucken);
    if (s.Cursor.FKF) bildschirmCursor(dc, fkfCursorGeometrie(s), fkfCursorKurven(s, g), s.FKF_xpos, drucken);
    return g;
}

void papierdiagramm(QPainter& p, QRect r, const std::function<void(Canvas&)>& malen) {
    Abbildung m = Abbildung::fenstereigenschaften(r.width(), r.height());
    m.ursprungX += r.x();
    m.ursprungY += r.y();
    // The limits are a screen's: on paper nobody reads pixels.
    m.schriftgrenzen = std::nullopt;
    QPainterCanvas dc(p, m);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    malen(dc);
}

Gezeichnet kurvenBildMalen(QPainter& p, QRect r, ZorState& s, const Vorlagenquelle& q, bool fav, Legendenort ort,
                           int drucken) {
    if (s.Modell.inaktiv) return {};
    Gezeichnet g;
    papierdiagramm(p, r, [&](Canvas& dc) {
        g = fav ? FAV_Paint(dc, s, q, drucken) : FKF_Paint(dc, s, q, drucken);
        LegendeMalen(dc, s, fav, ort, drucken);
    });
    return g;
}

void kurvenLegendeMalen(QPainter& p, QSize groesse, const ZorState& s, bool fav, Legendenort ort, int drucken) {
    if (s.Modell.inaktiv || ort == Legendenort::Keine) return;
    Kurvenleinwand dc(p, groesse);
    LegendeMalen(dc, s, fav, ort, drucken);
}

void anpassungMalen(QPainter& p, QSize groesse, const Anpassung& a, bool linear, const Vorlagenquelle& q) {
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    const bool nebeneinander = groesse.width() >= groesse.height();
    const QSize teil = nebeneinander ? QSize(groesse.width() / 2, groesse.height())
                                     : QSize(groesse.width(), groesse.height() / 2);
    for (const Anpassungsbild bild : {Anpassungsbild::Fav, Anpassungsbild::Fkf}) {
        const QPoint ecke = bild == Anpassungsbild::Fav ? QPoint(0, 0)
                            : nebeneinander             ? QPoint(teil.width(), 0)
                                                        : QPoint(0, teil.height());
        Abbildung m = Abbildung::fenstereigenschaften(teil.width(), teil.height());
        m.ursprungX += ecke.x();
        m.ursprungY += ecke.y();
        // Each diagram stays in its half, whatever its labels reach for.
        p.save();
        p.setClipRect(QRect(ecke, teil));
        {
            QPainterCanvas dc(p, m);
            dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
            Anpassung_Paint(dc, a, {.bild = bild, .linear = linear}, q);
        }
        p.restore();
    }
}

void buendelBildMalen(QPainter& p, QSize groesse, const ZorState& s, const Buendeleinstellungen& e,
                      const Buendeldaten& d, int drucken) {
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    Kurvenleinwand dc(p, groesse);
    buendelMalen(dc, s, e, d, drucken);
}

void kurvenCursorMalen(QPainter& p, QSize groesse, const CursorGeometrie& g, const CursorKurven& k, int xpos) {
    Kurvenleinwand dc(p, groesse);
    bildschirmCursor(dc, g, k, xpos, 0);
}

}  // namespace zor
