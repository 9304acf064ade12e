#include "app/media/wellenform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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

struct Wav {
    std::unique_ptr<Bytequelle> q;
    WavFormat f;
};

// An unreadable or non-PCM file gives no source.
Wav oeffneWav(const std::string& pfad) {
    std::string warum;
    auto q = pfad.empty() ? nullptr : oeffneDatei(pfad, warum);
    if (!q) return {};
    auto f = wavLesen(*q);
    if (!std::holds_alternative<WavFormat>(f)) return {};
    return {std::move(q), std::get<WavFormat>(f)};
}

using Spuren = std::vector<std::vector<Spaltenwert>>;

Spuren spuren(const Wav& w, std::uint64_t von, std::uint64_t bis, std::size_t spalten) {
    Spuren l;
    for (int k = 0; w.q && k < std::min<int>(w.f.kanaele, 2); ++k)
        l.push_back(huellkurve(*w.q, w.f, k, std::min(von, w.f.frames), std::min(bis, w.f.frames), spalten));
    return l;
}

Spuren differenzen(const Wav& a, const Wav& b, std::uint64_t von, std::uint64_t bis, std::size_t spalten) {
    Spuren l;
    if (!a.q || !b.q || differenzUnmoeglich(a.f, b.f)) return l;
    for (int k = 0; k < std::min<int>(a.f.kanaele, 2); ++k)
        l.push_back(differenzkurve(*a.q, a.f, *b.q, b.f, k, von, bis, spalten));
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

Wellenbild wellenbild(const std::string& a, const std::string& b, std::uint64_t von, std::uint64_t bis,
                      std::size_t spalten, bool differenz) {
    const Wav wa = oeffneWav(a), wb = oeffneWav(b);
    return {spuren(wa, von, bis, spalten),
            differenz ? differenzen(wa, wb, von, bis, spalten) : spuren(wb, von, bis, spalten)};
}

Wellenform::Wellenform(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("wellenform"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 140);
}

Wellenform::~Wellenform() = default;

std::size_t Wellenform::spalten() const { return static_cast<std::size_t>(std::max(1, width())); }

void Wellenform::setzeDateien(const QString& original, const QString& vergleich) {
    if (original.toStdString() != a_) marke_ = 0;
    a_ = original.toStdString();
    b_ = vergleich.toStdString();
    uebersicht_ = ansicht_ = {};
    ++stand_;
    snrText_.clear();
    differenzFehlt_.clear();
    const int gen = ++*dateiGen_;
    std::string warum;
    auto q = oeffneDatei(a_, warum);
    auto f = q ? wavLesen(*q) : std::variant<WavFormat, std::string>(warum);
    if (auto* text = std::get_if<std::string>(&f)) {
        format_ = {};
        von_ = bis_ = marke_ = 0;
        formatText_ = QString::fromStdString(*text);
        hinweisSetzen();
        update();
        return;
    }
    format_ = std::get<WavFormat>(f);
    von_ = 0;
    bis_ = format_.frames;
    marke_ = std::min(marke_, format_.frames);
    formatText_ = QString::fromStdString(formatname(format_));
    if (!b_.empty()) {
        auto qb = oeffneDatei(b_, warum);
        auto fb = qb ? wavLesen(*qb) : std::variant<WavFormat, std::string>(warum);
        if (auto* text = std::get_if<std::string>(&fb))
            differenzFehlt_ = *text;
        else if (auto grund = differenzUnmoeglich(format_, std::get<WavFormat>(fb)))
            differenzFehlt_ = *grund;
    }
    hinweisSetzen();
    // The overview and the SNR once per pair of files.
    ++offen_;
    struct Gesamt {
        Wellenbild bild;
        Rauschabstand snr;
    };
    imHintergrund<Gesamt>(
        this,
        [a = a_, b = b_, n = format_.frames, d = differenz_] {
            Gesamt g{wellenbild(a, b, 0, n, UEBERSICHT_SPALTEN, d), {}};
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
            ++stand_;
            if (!b_.empty()) {
                const std::string text = !g.snr.ok        ? TEXT_WAV_UNVERGLEICHBAR
                                         : std::isinf(g.snr.db) ? TEXT_WAV_GLEICH
                                                                : format(TEXT_WAV_SNR, g.snr.db,
                                                                         static_cast<unsigned long long>(g.snr.frames));
                snrText_ = QString::fromStdString(text);
            }
            hinweisSetzen();
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
        this,
        [a = a_, b = b_, v = von_, e = bis_, n = spalten(), d = differenz_] { return wellenbild(a, b, v, e, n, d); },
        [this, gen, gen_ = bereichGen_](Wellenbild w) {
            --offen_;
            if (gen != *gen_) return;
            ansicht_ = std::move(w);
            ++stand_;
            update();
            emit berechnet();
        });
}

void Wellenform::hinweisSetzen() {
    // In the difference the reason it is missing says more than "no SNR"; it names A's
    // format itself.
    if (differenz_ && !differenzFehlt_.empty())
        hinweis_ = QString::fromStdString(differenzFehlt_);
    else
        hinweis_ = snrText_.isEmpty() ? formatText_ : formatText_ + QStringLiteral(" – ") + snrText_;
    setToolTip(hinweis_);
}

void Wellenform::setzeDifferenz(bool differenz) {
    if (differenz == differenz_) return;
    differenz_ = differenz;
    ++stand_;
    hinweisSetzen();
    // Both pictures again; the range stays.
    if (!a_.empty()) {
        const std::uint64_t von = von_, bis = bis_;
        const qint64 marke = markeMs();
        setzeDateien(QString::fromStdString(a_), QString::fromStdString(b_));
        von_ = von;
        bis_ = bis;
        setzeMarke(marke);
        bereichBerechnen();
    }
    update();
}

void Wellenform::setzeMarke(qint64 ms) {
    if (format_.abtastrate == 0) return;
    const std::uint64_t frame = std::min<std::uint64_t>(
        static_cast<std::uint64_t>(std::max<qint64>(ms, 0)) * format_.abtastrate / 1000, format_.frames);
    if (frame == marke_) return;
    // Playback running past the shown range turns the page; a marker the user had scrolled
    // away from, or a jump further than a page, leaves the range alone.
    const std::uint64_t laenge = bis_ - von_;
    const bool weiterblaettern = marke_ >= von_ && marke_ <= bis_ && frame > bis_ && frame - bis_ < laenge;
    marke_ = frame;
    if (weiterblaettern) {
        von_ = std::min(frame, format_.frames - laenge);
        bis_ = von_ + laenge;
        bereichBerechnen();
    }
    update();
}

qint64 Wellenform::markeMs() const {
    // Rounded, so a position set in whole milliseconds reads back unchanged.
    return format_.abtastrate ? static_cast<qint64>((marke_ * 1000 + format_.abtastrate / 2) / format_.abtastrate) : 0;
}

int Wellenform::spalteVon(qint64 ms) const {
    if (bis_ <= von_) return 0;
    const double frame = static_cast<double>(ms) * format_.abtastrate / 1000.0;
    return static_cast<int>(
        std::lround((frame - static_cast<double>(von_)) * width() / static_cast<double>(bis_ - von_)));
}

void Wellenform::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || format_.frames == 0 || format_.abtastrate == 0)
        return QWidget::mousePressEvent(e);
    // The overview spans the whole file, the lanes below the shown range.
    const bool oben = e->position().y() < UEBERSICHT_HOEHE;
    const double anteil = std::clamp(e->position().x() / std::max(1, width()), 0.0, 1.0);
    const double von = oben ? 0.0 : static_cast<double>(von_),
                 laenge = static_cast<double>(oben ? format_.frames : bis_ - von_);
    const auto frame = std::min<std::uint64_t>(static_cast<std::uint64_t>(von + anteil * laenge), format_.frames);
    const auto ms = static_cast<qint64>((frame * 1000 + format_.abtastrate / 2) / format_.abtastrate);
    setzeMarke(ms);
    e->accept();
    emit angeklickt(ms);
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

// Source-over of a premultiplied colour on a premultiplied pixel, two channels per multiply
// with the usual x/255 rounding.
inline QRgb ueber(QRgb farbe, QRgb grund) {
    const quint32 rest = 255 - qAlpha(farbe);
    quint32 rb = (grund & 0xff00ff) * rest;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    quint32 ag = ((grund >> 8) & 0xff00ff) * rest;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return farbe + (ag | rb);
}

// One lane: a bar from min to max per column, written straight into the image. QPainter
// pays per one-pixel span, and the lane of a whole file is little else.
void zeichneSpur(QImage& bild, const std::vector<Spaltenwert>& s, const QRect& r, const QColor& farbe) {
    if (s.empty() || r.height() <= 0) return;
    const double dpr = bild.devicePixelRatio();
    const double mitte = r.center().y(), halb = r.height() / 2.0 - 1;
    const double breite = static_cast<double>(r.width()) / static_cast<double>(s.size());
    // A difference reaches ±2; it stays within its lane.
    const auto y = [&](double v) { return static_cast<int>(std::lround(mitte - std::clamp(v, -1.0, 1.0) * halb)); };
    // Logical pixel edges to device pixels, within the image.
    const auto geraet = [dpr](int v, int grenze) { return std::clamp(static_cast<int>(v * dpr), 0, grenze); };
    const QRgb c = qPremultiply(farbe.rgba());
    const bool deckend = qAlpha(c) == 255;
    // bits() once: scanLine() checks for sharing on every call.
    uchar* const basis = bild.bits();
    const qsizetype zeilenlaenge = bild.bytesPerLine();
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int x = r.left() + static_cast<int>((static_cast<double>(i) + 0.5) * breite);
        const int x0 = geraet(x, bild.width()), x1 = std::max(geraet(x + 1, bild.width()), std::min(x0 + 1, bild.width()));
        const int y0 = geraet(y(s[i].max), bild.height()), y1 = geraet(y(s[i].min) + 1, bild.height());
        for (int zeile = y0; zeile < y1; ++zeile) {
            auto* px = reinterpret_cast<QRgb*>(basis + zeile * zeilenlaenge);
            for (int sp = x0; sp < x1; ++sp) px[sp] = deckend ? c : ueber(c, px[sp]);
        }
    }
}

// The lanes of one picture, one per channel, stacked in `r`.
QRect spurRechteck(const Wellenbild& w, const QRect& r, int k) {
    const int n = static_cast<int>(std::max(w.a.size(), std::size_t{1}));
    return {r.left(), r.top() + k * r.height() / n, r.width(), r.height() / n};
}

// The centre lines go first with the painter; the envelopes then go straight into the image.
void zeichneMittellinien(QPainter& p, const Wellenbild& w, const QRect& r) {
    p.setPen(QColor(200, 200, 200));
    for (int k = 0; k < static_cast<int>(std::max(w.a.size(), std::size_t{1})); ++k) {
        const QRect spur = spurRechteck(w, r, k);
        p.drawLine(spur.left(), spur.center().y(), spur.right(), spur.center().y());
    }
}

// In the difference the original stays as a pale backdrop so the error reads against it.
void zeichneHuellen(QImage& bild, const Wellenbild& w, const QRect& r, bool differenz) {
    for (std::size_t k = 0; k < w.a.size(); ++k)
        zeichneSpur(bild, w.a[k], spurRechteck(w, r, static_cast<int>(k)),
                    differenz ? QColor(20, 70, 160, 60) : QColor(20, 70, 160));
    for (std::size_t k = 0; k < w.b.size() && k < std::max<std::size_t>(w.a.size(), 1); ++k)
        zeichneSpur(bild, w.b[k], spurRechteck(w, r, static_cast<int>(k)),
                    differenz ? QColor(200, 0, 0) : QColor(220, 30, 30, 150));
}

}  // namespace

void Wellenform::paintEvent(QPaintEvent*) {
    const QRect oben(0, 0, width(), UEBERSICHT_HOEHE);
    const QRect unten(0, UEBERSICHT_HOEHE + 4, width(), height() - UEBERSICHT_HOEHE - 4 - TEXT_HOEHE);
    const Spurenschluessel schluessel{stand_, size(), devicePixelRatioF(), palette().cacheKey()};
    if (!(schluessel == spurenSchluessel_)) {
        spuren_ = QImage(size() * schluessel.dpr, QImage::Format_ARGB32_Premultiplied);
        spuren_.setDevicePixelRatio(schluessel.dpr);
        {
            QPainter s(&spuren_);
            s.fillRect(rect(), palette().base());
            s.fillRect(oben, palette().alternateBase());
            zeichneMittellinien(s, uebersicht_, oben);
            zeichneMittellinien(s, ansicht_, unten);
        }
        zeichneHuellen(spuren_, uebersicht_, oben, differenz_);
        zeichneHuellen(spuren_, ansicht_, unten, differenz_);
        spurenSchluessel_ = schluessel;
    }
    QPainter p(this);
    p.drawImage(0, 0, spuren_);
    if (format_.frames > 0) {
        const double f = static_cast<double>(width()) / static_cast<double>(format_.frames);
        const QRectF bereich(static_cast<double>(von_) * f, 0, std::max(2.0, static_cast<double>(bis_ - von_) * f),
                             UEBERSICHT_HOEHE - 1);
        p.setPen(QPen(palette().highlight().color(), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bereich);
        // The marker over the lanes: in the overview always, below while in the shown range.
        const QColor markenfarbe(0, 140, 60);
        p.setPen(QPen(markenfarbe, 1));
        p.drawLine(QPointF(static_cast<double>(marke_) * f, 0),
                   QPointF(static_cast<double>(marke_) * f, UEBERSICHT_HOEHE - 1));
        if (marke_ >= von_ && marke_ <= bis_ && bis_ > von_) {
            const double x = static_cast<double>(marke_ - von_) * width() / static_cast<double>(bis_ - von_);
            p.setPen(QPen(markenfarbe, 2));
            p.drawLine(QPointF(x, unten.top()), QPointF(x, unten.bottom()));
        }
    }
    p.setPen(palette().text().color());
    // Too long a line ends in "…"; the tooltip holds it whole.
    const QRect zeile(4, height() - TEXT_HOEHE, width() - 8, TEXT_HOEHE);
    p.drawText(zeile, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(hinweis_, Qt::ElideRight, zeile.width()));
}

}  // namespace zor::app
