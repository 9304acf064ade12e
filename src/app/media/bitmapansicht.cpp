#include "app/media/bitmapansicht.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

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

double zoomStufe(double faktor, bool groesser) {
    double s = 1;
    if (groesser) {
        while (s <= faktor && s < ZOOM_MAX) s *= 2;
        return s;
    }
    while (s * 2 < faktor) s *= 2;
    return s;
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
        connect(leiste, &QAbstractSlider::valueChanged, this, [this] { partnerAbgleichen(); });
    }
}

void BitmapAnsicht::koppeln(BitmapAnsicht& a, BitmapAnsicht& b) {
    if (&a == &b) return;
    a.entkoppeln();
    b.entkoppeln();
    a.partner_ = &b;
    b.partner_ = &a;
    a.partnerAbgleichen();
}

void BitmapAnsicht::entkoppeln() {
    if (partner_) partner_->partner_ = nullptr;
    partner_ = nullptr;
}

void BitmapAnsicht::partnerAbgleichen() {
    if (!partner_ || abgleich_) return;
    BitmapAnsicht& p = *partner_;
    abgleich_ = p.abgleich_ = true;
    if (p.faktor_ != faktor_) {
        p.faktor_ = faktor_;
        p.einpassen_ = false;
        p.InitSize();
        p.viewport()->update();
        emit p.zoomGeaendert(faktor_);
    }
    p.horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    p.verticalScrollBar()->setValue(verticalScrollBar()->value());
    abgleich_ = p.abgleich_ = false;
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

QPoint BitmapAnsicht::bildpunkt(QPointF p) const {
    const QPointF q = (p + versatz()) / faktor_;
    return {static_cast<int>(std::floor(q.x())), static_cast<int>(std::floor(q.y()))};
}

QSize BitmapAnsicht::inhalt() const {
    return {static_cast<int>(std::ceil(bild_.width() * faktor_)), static_cast<int>(std::ceil(bild_.height() * faktor_))};
}

double BitmapAnsicht::passenderFaktor() const {
    if (bild_.isNull()) return 1;
    const QSize voll = maximumViewportSize();
    return std::clamp(std::min(double(voll.width()) / bild_.width(), double(voll.height()) / bild_.height()), 1.0 / 64,
                      ZOOM_MAX);
}

void BitmapAnsicht::setzeZoom(double faktor, std::optional<QPoint> um) {
    faktor = std::clamp(faktor, 1.0 / 64, ZOOM_MAX);
    einpassen_ = false;
    if (faktor == faktor_) return;
    // The picture point under `um` stays where it is.
    const QPointF anker = um ? QPointF(*um) : QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0);
    const QPointF punkt = (anker + versatz()) / faktor_;
    faktor_ = faktor;
    InitSize();
    const QPointF neu = punkt * faktor_ - anker;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(neu.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(neu.y())));
    viewport()->update();
    emit zoomGeaendert(faktor_);
    partnerAbgleichen();
}

void BitmapAnsicht::zoomSchritt(bool groesser, std::optional<QPoint> um) {
    setzeZoom(zoomStufe(faktor_, groesser), um);
}

void BitmapAnsicht::einpassen() {
    setzeZoom(passenderFaktor());
    einpassen_ = true;
}

void BitmapAnsicht::InitSize() {
    if (einpassen_) faktor_ = passenderFaktor();
    // A picture that fits the area without scroll bars must not keep the bars it needed
    // while the window was smaller: measure against the area without them.
    const QSize voll = maximumViewportSize();
    const QSize gross = inhalt();
    const bool passt = gross.width() <= voll.width() && gross.height() <= voll.height();
    const QSize sicht = passt ? voll : viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, gross.height() - sicht.height()));
    horizontalScrollBar()->setRange(0, std::max(0, gross.width() - sicht.width()));
    verticalScrollBar()->setPageStep(std::max(1, sicht.height()));
    horizontalScrollBar()->setPageStep(std::max(1, sicht.width()));
}

void BitmapAnsicht::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    InitSize();
    // A fitted picture changes its zoom with the window.
    if (einpassen_) partnerAbgleichen();
}

// Only the strip that scrolled into view is painted again.
void BitmapAnsicht::scrollContentsBy(int dx, int dy) { viewport()->scroll(dx, dy); }

void BitmapAnsicht::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    const QPoint v = versatz();
    const QRect neu = e->rect().translated(v);
    const QRect flaeche(QPoint(0, 0), inhalt());
    // The picture pixels that meet the painted rectangle, drawn scaled without smoothing.
    const QRect bildteil =
        QRect(QPoint(static_cast<int>(std::floor(neu.left() / faktor_)), static_cast<int>(std::floor(neu.top() / faktor_))),
              QPoint(static_cast<int>(std::floor(neu.right() / faktor_)), static_cast<int>(std::floor(neu.bottom() / faktor_)))) &
        bild_.rect();
    p.translate(-v);
    if (!bildteil.isEmpty()) {
        const QRectF ziel(bildteil.left() * faktor_, bildteil.top() * faktor_, bildteil.width() * faktor_,
                          bildteil.height() * faktor_);
        // Whole factors replicate the pixels themselves: exact squares, and far quicker
        // than a scaled draw.
        const int ganz = static_cast<int>(faktor_);
        if (ganz >= 2 && ganz == faktor_)
            p.drawImage(ziel.topLeft(), vergroessert(bild_, bildteil, ganz, faktor_ >= ZOOM_GITTER_AB));
        else
            p.drawImage(ziel, bild_, bildteil);
    }
    // Around the picture the window's own background.
    const QRegion rest = QRegion(neu) - QRegion(flaeche);
    for (const QRect& r : rest) p.fillRect(r, palette().window());
    zeichneAuswahl(p);
}

QImage vergroessert(const QImage& bild, const QRect& teil, int faktor, bool gitter) {
    const QImage quelle = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32
                              ? bild
                              : bild.convertToFormat(QImage::Format_RGB32);
    QImage aus(teil.width() * faktor, teil.height() * faktor, QImage::Format_RGB32);
    // The grid line of a square differs from its pixel in every channel: darker on a
    // light channel, lighter on a dark one.
    auto kanal = [](int v) { return v >= 128 ? v * 3 / 4 : v * 3 / 4 + 64; };
    auto dunkel = [kanal](QRgb c) { return qRgb(kanal(qRed(c)), kanal(qGreen(c)), kanal(qBlue(c))); };
    for (int y = 0; y < teil.height(); ++y) {
        const auto* q = reinterpret_cast<const QRgb*>(quelle.constScanLine(teil.top() + y)) + teil.left();
        auto* erste = reinterpret_cast<QRgb*>(aus.scanLine(y * faktor));
        for (int x = 0; x < teil.width(); ++x) {
            const QRgb c = q[x] | 0xFF000000u;
            std::fill_n(erste + x * faktor, faktor, gitter ? dunkel(c) : c);
        }
        auto* zweite = reinterpret_cast<QRgb*>(aus.scanLine(y * faktor + std::min(1, faktor - 1)));
        if (faktor > 1) {
            for (int x = 0; x < teil.width(); ++x) {
                const QRgb c = q[x] | 0xFF000000u;
                std::fill_n(zweite + x * faktor, faktor, c);
                if (gitter) zweite[x * faktor] = dunkel(c);
            }
        }
        // The remaining rows of the square repeat its second row.
        for (int k = 2; k < faktor; ++k)
            std::copy_n(zweite, aus.width(), reinterpret_cast<QRgb*>(aus.scanLine(y * faktor + k)));
    }
    return aus;
}

void BitmapAnsicht::zeichneAuswahl(QPainter& p) const {
    if (auswahl_.isEmpty()) return;
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    const QRect r(QPoint(static_cast<int>(auswahl_.left() * faktor_), static_cast<int>(auswahl_.top() * faktor_)),
                  QSize(static_cast<int>(std::ceil(auswahl_.width() * faktor_)),
                        static_cast<int>(std::ceil(auswahl_.height() * faktor_))));
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
    p.drawText(r, Qt::AlignCenter | Qt::TextDontClip, groessenText(auswahl_));
}

void BitmapAnsicht::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() & Qt::ControlModifier) {
        switch (e->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoomSchritt(true); return;
        case Qt::Key_Minus: zoomSchritt(false); return;
        case Qt::Key_0: einpassen(); return;
        case Qt::Key_1: setzeZoom(1); return;
        default: break;
        }
    }
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
    anfang_ = bildpunkt(e->position());
    auswahl_ = NormalizeRect(anfang_, anfang_, bild_.size());
    ziehen_ = true;
    viewport()->update();
}

void BitmapAnsicht::mouseMoveEvent(QMouseEvent* e) {
    if (!ziehen_) return;
    // The pixel under the pointer belongs to the selection.
    const QPoint p = bildpunkt(e->position());
    auswahl_ = NormalizeRect(anfang_, p + QPoint(p.x() >= anfang_.x(), p.y() >= anfang_.y()) * (faktor_ > 1 ? 1 : 0),
                             bild_.size());
    viewport()->update();
}

void BitmapAnsicht::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !ziehen_) return;
    mouseMoveEvent(e);
    ziehen_ = false;
}

void BitmapAnsicht::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier) || e->angleDelta().y() == 0) return QAbstractScrollArea::wheelEvent(e);
    zoomSchritt(e->angleDelta().y() > 0, e->position().toPoint());
    e->accept();
}

}  // namespace zor::app
