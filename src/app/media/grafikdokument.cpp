#include "app/media/grafikdokument.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/grafik_modul.h"

namespace zor::app {

Grafikdokument::Grafikdokument(Kontext& kontext, QWidget* eltern)
    : MdiDokument(kontext, GrafikModul::fenster(), eltern), farbe_(CMD_FARBE_ROT) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMinimumSize(160, 100);
}

QColor Grafikdokument::farbwert() const {
    switch (farbe_) {
    case CMD_FARBE_GRUEN: return QColor(0, 150, 0);
    case CMD_FARBE_BLAU: return QColor(0, 0, 200);
    case CMD_FARBE_GELB: return QColor(220, 180, 0);
    default: return QColor(200, 0, 0);
    }
}

bool Grafikdokument::befehl(int id) {
    if (id < CMD_FARBE_ROT || id > CMD_FARBE_GELB) return MdiDokument::befehl(id);
    farbe_ = id;
    zeigeHaken();
    update();
    return true;
}

void Grafikdokument::aktiviert() { zeigeHaken(); }

void Grafikdokument::zeigeHaken() {
    for (int id = CMD_FARBE_ROT; id <= CMD_FARBE_GELB; ++id) kontext().setzeHaken(id, id == farbe_);
}

void Grafikdokument::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double b = width(), h = height();
    p.setPen(QPen(Qt::gray, 1));
    p.drawLine(QPointF(8, h / 2), QPointF(b - 8, h / 2));
    // A damped oscillation across the window.
    QPainterPath kurve;
    const int n = std::max(2, width());
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / (n - 1);
        const double y = h / 2 - (h / 2 - 10) * std::exp(-2.5 * t) * std::sin(6 * std::numbers::pi * t);
        const QPointF q(8 + t * (b - 16), y);
        if (i == 0)
            kurve.moveTo(q);
        else
            kurve.lineTo(q);
    }
    p.setPen(QPen(farbwert(), 2));
    p.drawPath(kurve);
}

}  // namespace zor::app
