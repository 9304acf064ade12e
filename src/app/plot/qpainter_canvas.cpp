#include "app/plot/qpainter_canvas.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>

namespace zor {
namespace {

QColor qtFarbe(Farbe f) { return QColor(f.rot, f.gruen, f.blau); }

QString qtText(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

QFont grundschrift(Schriftfamilie familie) {
    QFont f(familie == Schriftfamilie::Symbol ? QStringLiteral("Serif") : QStringLiteral("Sans Serif"));
    f.setStyleHint(familie == Schriftfamilie::Symbol ? QFont::Serif : QFont::SansSerif);
    return f;
}

// A font's line height (ascent + descent) per pixel of em size; the old font mapper
// sized fonts by their line height, Qt by the em.
double zeilenFaktor(Schriftfamilie familie) {
    QFont f = grundschrift(familie);
    f.setPixelSize(1000);
    const double h = QFontMetricsF(f).height() / 1000.0;
    return h > 0.5 ? h : 1.0;
}

// Pens and fonts beyond these sizes are absurd and only slow the raster engine down.
constexpr double MAX_PIXEL = 4000;

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, const Abbildung& abbildung)
    : p_(painter), abbildung_(abbildung) {
    if (p_.hasClipping()) grundclip_ = p_.clipRegion();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
}

QFont QPainterCanvas::qtSchrift(const Schrift& schrift, const Abbildung& abbildung) {
    static const double faktorSwiss = zeilenFaktor(Schriftfamilie::Swiss);
    static const double faktorSymbol = zeilenFaktor(Schriftfamilie::Symbol);
    QFont f = grundschrift(schrift.familie);
    if (schrift.hoehe == 0) return f;
    const double faktor = schrift.familie == Schriftfamilie::Symbol ? faktorSymbol : faktorSwiss;
    const double em = abbildung.schriftPixel(schrift.hoehe) / faktor;
    f.setPixelSize(static_cast<int>(std::clamp(std::round(em), 1.0, MAX_PIXEL)));
    return f;
}

QPointF QPainterCanvas::geraet(LPunkt p) const {
    const auto g = abbildung_.geraet(p);
    return {g.x, g.y};
}

QRectF QPainterCanvas::geraet(const LRechteck& r) const {
    return QRectF(geraet(LPunkt{r.links, r.oben}), geraet(LPunkt{r.rechts, r.unten})).normalized();
}

void QPainterCanvas::stiftUndPinselSetzen() {
    const Stift& s = stift();
    const double breite = std::min(abbildung_.stiftPixel(s.breite), MAX_PIXEL);
    QPen stift(qtFarbe(s.farbe), s.breite == 0 ? 0.0 : std::max(breite, 1.0),
               s.art == Strichart::Gepunktet ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p_.setPen(stift);
    p_.setBrush(qtFarbe(pinsel()));
}

void QPainterCanvas::linie(LPunkt von, LPunkt bis) {
    stiftUndPinselSetzen();
    p_.drawLine(geraet(von), geraet(bis));
}

void QPainterCanvas::polylinie(std::span<const LPunkt> punkte) {
    stiftUndPinselSetzen();
    QPolygonF zug;
    for (const auto& p : punkte) zug << geraet(p);
    p_.drawPolyline(zug);
}

void QPainterCanvas::polygon(std::span<const LPunkt> punkte) {
    stiftUndPinselSetzen();
    QPolygonF flaeche;
    for (const auto& p : punkte) flaeche << geraet(p);
    p_.drawPolygon(flaeche);
}

void QPainterCanvas::ellipse(const LRechteck& r) {
    stiftUndPinselSetzen();
    p_.drawEllipse(geraet(r));
}

void QPainterCanvas::rechteck(const LRechteck& r) {
    stiftUndPinselSetzen();
    p_.drawRect(geraet(r));
}

void QPainterCanvas::text(LPunkt anker, std::string_view text) {
    const QFont schrift = schriftJetzt();
    const QFontMetricsF m(schrift, p_.device());
    const QString t = qtText(text);
    const double breite = m.horizontalAdvance(t);
    QPointF a = geraet(anker);
    if (ausrichtung() == Ausrichtung::Mitte) a.rx() -= breite / 2;
    if (ausrichtung() == Ausrichtung::Rechts) a.rx() -= breite;
    if (const auto grund = texthintergrund())
        p_.fillRect(QRectF(a.x(), a.y() - m.ascent(), breite, m.height()), qtFarbe(*grund));
    p_.setFont(schrift);
    p_.setPen(qtFarbe(textfarbe()));
    p_.drawText(a, t);
}

const QPainterCanvas::Glyphen& QPainterCanvas::glyphen() {
    const double skala = abbildung_.schriftPixel(schrift().hoehe);
    if (glyphen_ && glyphen_->schrift == schrift() && glyphen_->skala == skala) return *glyphen_;
    Glyphen g;
    g.schrift = schrift();
    g.skala = skala;
    g.font = schriftJetzt();
    g.roh = QRawFont::fromFont(g.font);
    const QFontMetricsF m(g.font, p_.device());
    for (int c = 0; c < 128; ++c) g.vorschub[static_cast<std::size_t>(c)] = m.horizontalAdvance(QChar(c));
    g.oberlaenge = m.ascent();
    g.hoehe = m.height();
    glyphen_ = std::move(g);
    return *glyphen_;
}

// One glyph run per row: the grid documents draw thousands of single characters.
void QPainterCanvas::zeichenreihe(LPunkt anker, std::string_view zeichen, int abstand) {
    const Glyphen& g = glyphen();
    const QString t = QString::fromLatin1(zeichen.data(), static_cast<qsizetype>(zeichen.size()));
    const QList<quint32> indizes = g.roh.isValid() ? g.roh.glyphIndexesForString(t) : QList<quint32>{};
    bool ascii = true;
    for (char c : zeichen) ascii = ascii && static_cast<unsigned char>(c) < 128;
    if (!ascii || indizes.size() != t.size()) {
        Canvas::zeichenreihe(anker, zeichen, abstand);
        return;
    }
    const QPointF a = geraet(anker);
    const double schritt = abstand * abbildung_.skalaX();
    QList<QPointF> lagen;
    lagen.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) lagen << QPointF(a.x() + static_cast<double>(i) * schritt, a.y());
    if (const auto grund = texthintergrund())
        for (qsizetype i = 0; i < t.size(); ++i)
            p_.fillRect(QRectF(lagen[i].x(), a.y() - g.oberlaenge,
                               g.vorschub[static_cast<unsigned char>(zeichen[static_cast<std::size_t>(i)])], g.hoehe),
                        qtFarbe(*grund));
    QGlyphRun lauf;
    lauf.setRawFont(g.roh);
    lauf.setGlyphIndexes(indizes);
    lauf.setPositions(lagen);
    p_.setPen(qtFarbe(textfarbe()));
    p_.drawGlyphRun(QPointF(0, 0), lauf);
}

Textmass QPainterCanvas::textmass(std::string_view text) {
    const QFontMetricsF m(schriftJetzt(), p_.device());
    const double sx = std::abs(abbildung_.skalaX()), sy = std::abs(abbildung_.skalaY());
    if (sx == 0 || sy == 0) return {};
    return {static_cast<int>(m.horizontalAdvance(qtText(text)) / sx), static_cast<int>(m.height() / sy)};
}

int QPainterCanvas::oberlaenge() {
    const double sy = std::abs(abbildung_.skalaY());
    return sy == 0 ? 0 : static_cast<int>(QFontMetricsF(schriftJetzt(), p_.device()).ascent() / sy);
}

void QPainterCanvas::beschneiden(std::optional<LRechteck> bereich) {
    if (bereich) {
        p_.setClipRect(geraet(*bereich));
        if (grundclip_) p_.setClipRegion(*grundclip_, Qt::IntersectClip);
    } else if (grundclip_) {
        p_.setClipRegion(*grundclip_);
    } else {
        p_.setClipping(false);
    }
}

// Difference with white inverts exactly, so a second line restores the pixels. Devices
// without blend modes (printers) get a plain black line, the inverse of white paper.
void QPainterCanvas::invertierteLinie(LPunkt von, LPunkt bis) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    const bool mischbar = p_.paintEngine() && p_.paintEngine()->hasFeature(QPaintEngine::BlendModes);
    if (mischbar) p_.setCompositionMode(QPainter::CompositionMode_Difference);
    p_.setPen(QPen(mischbar ? Qt::white : Qt::black, 0));
    p_.drawLine(geraet(von), geraet(bis));
    p_.restore();
}

}  // namespace zor
