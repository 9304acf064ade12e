#include "app/media/wellenform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <thread>

#include "core/media/bytequelle.h"
#include "core/util/format.h"

namespace zor::app {

namespace {

constexpr int UEBERSICHT_HOEHE = 36;
constexpr int TEXT_HOEHE = 18;
constexpr std::size_t UEBERSICHT_SPALTEN = 1024;

std::vector<std::vector<Spaltenwert>> spuren(const std::string& pfad, std::uint64_t von, std::uint64_t bis,
                                             std::size_t spalten) {
    std::string warum;
    auto q = pfad.empty() ? nullptr : oeffneDatei(pfad, warum);
    if (!q) return {};
    auto f = wavLesen(*q);
    if (!std::holds_alternative<WavFormat>(f)) return {};
    const WavFormat& w = std::get<WavFormat>(f);
    std::vector<std::vector<Spaltenwert>> l;
    for (int k = 0; k < std::min<int>(w.kanaele, 2); ++k)
        l.push_back(huellkurve(*q, w, k, std::min(von, w.frames), std::min(bis, w.frames), spalten));
    return l;
}

// Runs arbeit() on a worker thread and fertig(result) on the GUI thread while `ziel` lives.
template <class R, class A, class F>
void imHintergrund(QObject* ziel, A arbeit, F fertig) {
    std::thread([ziel = QPointer<QObject>(ziel), arbeit = std::move(arbeit), fertig = std::move(fertig)]() mutable {
        auto r = std::make_shared<R>(arbeit());
        QMetaObject::invokeMethod(qApp, [ziel, r, fertig = std::move(fertig)]() mutable {
            if (ziel) fertig(std::move(*r));
        });
    }).detach();
}

}  // namespace

Wellenbild wellenbild(const std::string& a, const std::string& b, std::uint64_t von, std::uint64_t bis, std::size_t spalten) {
    return {spuren(a, von, bis, spalten), spuren(b, von, bis, spalten)};
}

Wellenform::Wellenform(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("wellenform"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 140);
}

Wellenform::~Wellenform() = default;

std::size_t Wellenform::spalten() const { return static_cast<std::size_t>(std::max(1, width())); }

void Wellenform::setzeDateien(const QString& original, const QString& vergleich) {
    a_ = original.toStdString();
    b_ = vergleich.toStdString();
    uebersicht_ = ansicht_ = {};
    const int gen = ++*dateiGen_;
    std::string warum;
    auto q = oeffneDatei(a_, warum);
    auto f = q ? wavLesen(*q) : std::variant<WavFormat, std::string>(warum);
    if (auto* text = std::get_if<std::string>(&f)) {
        format_ = {};
        von_ = bis_ = 0;
        hinweis_ = QString::fromStdString(*text);
        update();
        return;
    }
    format_ = std::get<WavFormat>(f);
    von_ = 0;
    bis_ = format_.frames;
    hinweis_ = QStringLiteral("%1 Hz, %2 Bit, %3").arg(format_.abtastrate).arg(format_.bits)
                   .arg(format_.kanaele == 1 ? QStringLiteral("mono") : QStringLiteral("%1 Kanäle").arg(format_.kanaele));
    // The overview and the SNR once per pair of files.
    ++offen_;
    struct Gesamt {
        Wellenbild bild;
        Rauschabstand snr;
    };
    imHintergrund<Gesamt>(
        this,
        [a = a_, b = b_, n = format_.frames] {
            Gesamt g{wellenbild(a, b, 0, n, UEBERSICHT_SPALTEN), {}};
            std::string grund;
            auto qa = oeffneDatei(a, grund);
            auto qb = b.empty() ? nullptr : oeffneDatei(b, grund);
            if (qa && qb) {
                auto fa = wavLesen(*qa), fb = wavLesen(*qb);
                KeinFortschritt still;
                if (std::holds_alternative<WavFormat>(fa) && std::holds_alternative<WavFormat>(fb))
                    g.snr = rauschabstand(*qa, std::get<WavFormat>(fa), *qb, std::get<WavFormat>(fb), still);
            }
            return g;
        },
        [this, gen, gen_ = dateiGen_](Gesamt g) {
            --offen_;
            if (gen != *gen_) return;
            uebersicht_ = std::move(g.bild);
            if (!b_.empty()) {
                const std::string text = !g.snr.ok        ? TEXT_WAV_UNVERGLEICHBAR
                                         : std::isinf(g.snr.db) ? TEXT_WAV_GLEICH
                                                                : format(TEXT_WAV_SNR, g.snr.db,
                                                                         static_cast<unsigned long long>(g.snr.frames));
                hinweis_ += QStringLiteral(" – ") + QString::fromStdString(text);
            }
            update();
            emit berechnet();
        });
    bereichBerechnen();
}

void Wellenform::bereichBerechnen() {
    if (a_.empty() || bis_ <= von_) return;
    ++offen_;
    const int gen = ++*bereichGen_;
    imHintergrund<Wellenbild>(
        this, [a = a_, b = b_, v = von_, e = bis_, n = spalten()] { return wellenbild(a, b, v, e, n); },
        [this, gen, gen_ = bereichGen_](Wellenbild w) {
            --offen_;
            if (gen != *gen_) return;
            ansicht_ = std::move(w);
            update();
            emit berechnet();
        });
}

void Wellenform::zoome(bool hinein) {
    if (format_.frames == 0) return;
    const std::uint64_t laenge = bis_ - von_;
    const std::uint64_t mitte = von_ + laenge / 2;
    // At least one frame per column, at most the whole file.
    const std::uint64_t neu = hinein ? std::max<std::uint64_t>(laenge / 2, std::min<std::uint64_t>(spalten(), format_.frames))
                                     : std::min<std::uint64_t>(laenge * 2, format_.frames);
    if (neu == laenge) return;
    von_ = std::min(mitte - std::min(mitte, neu / 2), format_.frames - neu);
    bis_ = von_ + neu;
    bereichBerechnen();
    update();
}

void Wellenform::verschiebe(double anteil) {
    const std::uint64_t laenge = bis_ - von_;
    const auto schritt = static_cast<std::int64_t>(anteil * static_cast<double>(laenge));
    const auto ziel = std::clamp<std::int64_t>(static_cast<std::int64_t>(von_) + schritt, 0,
                                               static_cast<std::int64_t>(format_.frames - laenge));
    if (static_cast<std::uint64_t>(ziel) == von_) return;
    von_ = static_cast<std::uint64_t>(ziel);
    bis_ = von_ + laenge;
    bereichBerechnen();
    update();
}

void Wellenform::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    bereichBerechnen();
}

void Wellenform::wheelEvent(QWheelEvent* e) {
    const int d = e->angleDelta().y();
    if (d == 0) return QWidget::wheelEvent(e);
    if (e->modifiers() & Qt::ControlModifier) zoome(d > 0);
    else verschiebe(d > 0 ? -0.125 : 0.125);
    e->accept();
}

void Wellenform::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Plus: zoome(true); return;
    case Qt::Key_Minus: zoome(false); return;
    case Qt::Key_Left: verschiebe(-0.125); return;
    case Qt::Key_Right: verschiebe(0.125); return;
    default: QWidget::keyPressEvent(e);
    }
}

namespace {

// One lane: a vertical stroke from min to max per column.
void zeichneSpur(QPainter& p, const std::vector<Spaltenwert>& s, const QRect& r, const QColor& farbe) {
    if (s.empty() || r.height() <= 0) return;
    p.setPen(farbe);
    const double mitte = r.center().y(), halb = r.height() / 2.0 - 1;
    const double breite = static_cast<double>(r.width()) / static_cast<double>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = r.left() + (static_cast<double>(i) + 0.5) * breite;
        p.drawLine(QPointF(x, mitte - s[i].max * halb), QPointF(x, mitte - s[i].min * halb));
    }
}

void zeichneSpuren(QPainter& p, const Wellenbild& w, const QRect& r) {
    const int n = static_cast<int>(std::max(w.a.size(), std::size_t{1}));
    for (int k = 0; k < n; ++k) {
        const QRect spur(r.left(), r.top() + k * r.height() / n, r.width(), r.height() / n);
        p.setPen(QColor(200, 200, 200));
        p.drawLine(spur.left(), spur.center().y(), spur.right(), spur.center().y());
        if (k < static_cast<int>(w.a.size())) zeichneSpur(p, w.a[k], spur, QColor(20, 70, 160));
        if (k < static_cast<int>(w.b.size())) zeichneSpur(p, w.b[k], spur, QColor(220, 30, 30, 150));
    }
}

}  // namespace

void Wellenform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRect oben(0, 0, width(), UEBERSICHT_HOEHE);
    const QRect unten(0, UEBERSICHT_HOEHE + 4, width(), height() - UEBERSICHT_HOEHE - 4 - TEXT_HOEHE);
    p.fillRect(oben, palette().alternateBase());
    zeichneSpuren(p, uebersicht_, oben);
    if (format_.frames > 0) {
        const double f = static_cast<double>(width()) / static_cast<double>(format_.frames);
        const QRectF bereich(static_cast<double>(von_) * f, 0, std::max(2.0, static_cast<double>(bis_ - von_) * f),
                             UEBERSICHT_HOEHE - 1);
        p.setPen(QPen(palette().highlight().color(), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bereich);
    }
    zeichneSpuren(p, ansicht_, unten);
    p.setPen(palette().text().color());
    p.drawText(QRect(4, height() - TEXT_HOEHE, width() - 8, TEXT_HOEHE), Qt::AlignVCenter | Qt::AlignLeft, hinweis_);
}

}  // namespace zor::app
