#include "app/media/bildflaeche.h"

#include <QPainter>

namespace zor::app {

Bildflaeche::Bildflaeche(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("film"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Bildflaeche::zeige(const QVideoFrame& bild) {
    bild_ = bild;
    update();
}

void Bildflaeche::leere() {
    bild_ = QVideoFrame();
    update();
}

void Bildflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!bild_.isValid()) return;
    const QImage bild = bild_.toImage();
    if (bild.isNull()) return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize groesse = bild.size().scaled(size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint((width() - groesse.width()) / 2, (height() - groesse.height()) / 2), groesse), bild);
}

}  // namespace zor::app
