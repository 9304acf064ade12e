#include "app/dialogs/modellbild.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

#include "app/plot/qpainter_canvas.h"
#include "app/plot/vorlagen.h"
#include "core/plot/plotag.h"

namespace zor::app {
namespace {

// No title record of the templates uses this selector: only the diagram is drawn.
constexpr char OHNE_TITEL = '-';
constexpr int RAND = 6;  // pixels of white around the diagram

}  // namespace

Modellbild::Modellbild(const Bildvorlage& bild, QWidget* eltern) : QWidget(eltern), bild_(bild) {
    setObjectName(QStringLiteral("modellbild"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

int Modellbild::heightForWidth(int breite) const {
    const double b = bild_.bereich.rechts - bild_.bereich.links;
    const double h = bild_.bereich.oben - bild_.bereich.unten;
    return static_cast<int>((breite - 2 * RAND) * h / b) + 2 * RAND;
}

QSize Modellbild::sizeHint() const { return {360, heightForWidth(360)}; }
QSize Modellbild::minimumSizeHint() const { return {240, heightForWidth(240)}; }

void Modellbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const LRechteck& r = bild_.bereich;
    const double skala = std::min((width() - 2.0 * RAND) / (r.rechts - r.links),
                                  (height() - 2.0 * RAND) / (r.oben - r.unten));
    Abbildung a;
    a.viewportX = skala;
    a.viewportY = -skala;
    a.ursprungX = width() / 2.0 - skala * (r.links + r.rechts) / 2.0;
    a.ursprungY = height() / 2.0 + skala * (r.oben + r.unten) / 2.0;
    QPainterCanvas dc(p, a);
    dc.beschneiden(r);
    static const Vorlagenquelle quelle = programmVorlagen(QDir::currentPath());
    plotag(dc, quelle, bild_.vorlage, {}, 0, OHNE_TITEL);
}

}  // namespace zor::app
