#include "app/media/bildknopf.h"

#include <QPainter>
#include <QStyle>

namespace zor::app {

BildKnopf::BildKnopf(int id, const QIcon& oben, const QIcon& gedrueckt, QWidget* eltern)
    : QAbstractButton(eltern), id_(id), oben_(oben), gedrueckt_(gedrueckt) {
    setObjectName(QStringLiteral("id_%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

int BildKnopf::bildgroesse() const { return style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this); }

QSize BildKnopf::sizeHint() const { return {bildgroesse() + 2, bildgroesse() + 2}; }

void BildKnopf::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(palette().color(QPalette::Button));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    const QIcon& bild = isDown() ? gedrueckt_ : oben_;
    const int s = bildgroesse();
    p.drawPixmap(1, 1, bild.pixmap(QSize(s, s), devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled));
}

}  // namespace zor::app
