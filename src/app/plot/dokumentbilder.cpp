#include "app/plot/dokumentbilder.h"

#include "app/plot/qpainter_canvas.h"
#include "core/dokumente/ff_malen.h"
#include "core/dokumente/par_malen.h"

namespace zor {
namespace {

// One logical unit per pixel, y up: the error-sequence grid is laid out in pixels.
Abbildung pixelAbbildung() {
    Abbildung a;
    a.viewportY = -1;
    return a;
}

LRechteck ffRechteck(QSize g) { return {0, 0, g.width(), -g.height()}; }

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

}  // namespace zor
