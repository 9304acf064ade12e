#include "app/media/bitmapansicht.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace zor::app {

int bitmapSchritt(int aktion, int n) {
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepSub: return -n / 16 + 1;
    case QAbstractSlider::SliderSingleStepAdd: return n / 16 + 1;
    case QAbstractSlider::SliderPageStepSub: return -n / 2 + 1;
    case QAbstractSlider::SliderPageStepAdd: return n / 2 + 1;
    default: return 0;
    }
}

QRect NormalizeRect(QPoint a, QPoint b, QSize bild) {
    const int l = std::clamp(std::min(a.x(), b.x()), 0, bild.width());
    const int r = std::clamp(std::max(a.x(), b.x()), 0, bild.width());
    const int o = std::clamp(std::min(a.y(), b.y()), 0, bild.height());
    const int u = std::clamp(std::max(a.y(), b.y()), 0, bild.height());
    return {l, o, r - l, u - o};
}

BitmapAnsicht::BitmapAnsicht(QWidget* eltern) : QAbstractScrollArea(eltern) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (QScrollBar* leiste : {verticalScrollBar(), horizontalScrollBar()}) {
        // Qt has already moved the slider by its own step; replace that by ours.
        connect(leiste, &QAbstractSlider::actionTriggered, this, [this, leiste](int aktion) {
            const bool senkrecht = leiste == verticalScrollBar();
            schritt(leiste, aktion, senkrecht ? viewport()->height() : viewport()->width());
        });
    }
}

void BitmapAnsicht::setzeBild(const QImage& bild) {
    bild_ = bild;
    auswahl_ = {};
    InitSize();
    viewport()->update();
}

QString BitmapAnsicht::groessenText(const QRect& r) { return QStringLiteral("%1x%2").arg(r.width()).arg(r.height()); }

void BitmapAnsicht::schritt(QScrollBar* leiste, int aktion, int n) {
    const int d = bitmapSchritt(aktion, n);
    if (d != 0) leiste->setSliderPosition(std::clamp(leiste->value() + d, leiste->minimum(), leiste->maximum()));
}

QPoint BitmapAnsicht::versatz() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

void BitmapAnsicht::InitSize() {
    // A picture that fits the area without scroll bars must not keep the bars it needed
    // while the window was smaller: measure against the area without them.
    const QSize voll = maximumViewportSize();
    const bool passt = bild_.width() <= voll.width() && bild_.height() <= voll.height();
    const QSize sicht = passt ? voll : viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, bild_.height() - sicht.height()));
    horizontalScrollBar()->setRange(0, std::max(0, bild_.width() - sicht.width()));
    verticalScrollBar()->setPageStep(std::max(1, sicht.height()));
    horizontalScrollBar()->setPageStep(std::max(1, sicht.width()));
}

void BitmapAnsicht::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    InitSize();
}

// Only the strip that scrolled into view is painted again.
void BitmapAnsicht::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy); }

void BitmapAnsicht::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    const QPoint v = versatz();
    const QRect neu = e->rect().translated(v);
    const QRect bildteil = neu & bild_.rect();
    p.translate(-v);
    if (!bildteil.isEmpty()) p.drawImage(bildteil, bild_, bildteil);
    // Around the picture the window's own background.
    const QRegion rest = QRegion(neu) - QRegion(bild_.rect());
    for (const QRect& r : rest) p.fillRect(r, palette().window());
    zeichneAuswahl(p);
}

void BitmapAnsicht::zeichneAuswahl(QPainter& p) const {
    if (auswahl_.isEmpty()) return;
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    const QRect& r = auswahl_;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::white);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::white);
    if (r.height() > 2) {
        p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), Qt::white);
        if (r.width() > 1) p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), Qt::white);
    }
    QFont f = p.font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, groessenText(r));
}

void BitmapAnsicht::keyPressEvent(QKeyEvent* e) {
    struct Taste {
        int key;
        bool senkrecht;
        QAbstractSlider::SliderAction aktion;
    };
    static const Taste TASTEN[] = {
        {Qt::Key_PageUp, true, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, true, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Up, true, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, true, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Home, false, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_End, false, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Left, false, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Right, false, QAbstractSlider::SliderSingleStepAdd},
    };
    for (const Taste& t : TASTEN)
        if (t.key == e->key()) {
            (t.senkrecht ? verticalScrollBar() : horizontalScrollBar())->triggerAction(t.aktion);
            return;
        }
    QAbstractScrollArea::keyPressEvent(e);
}

void BitmapAnsicht::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(e);
    anfang_ = e->position().toPoint() + versatz();
    auswahl_ = NormalizeRect(anfang_, anfang_, bild_.size());
    ziehen_ = true;
    viewport()->update();
}

void BitmapAnsicht::mouseMoveEvent(QMouseEvent* e) {
    if (!ziehen_) return;
    auswahl_ = NormalizeRect(anfang_, e->position().toPoint() + versatz(), bild_.size());
    viewport()->update();
}

void BitmapAnsicht::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !ziehen_) return;
    mouseMoveEvent(e);
    ziehen_ = false;
}

}  // namespace zor::app
