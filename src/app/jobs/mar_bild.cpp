#include "app/jobs/mar_bild.h"

#include <QCoreApplication>
#include <QPainter>

#include "app/jobs/job_ids.h"
#include "app/plot/qpainter_canvas.h"
#include "app/plot/vorlagen.h"
#include "core/plot/abbildung.h"

namespace zor::app {

MarBild::MarBild(char auswahl, QWidget* eltern) : QWidget(eltern), auswahl_(auswahl) {
    setObjectName(QStringLiteral("id_%1").arg(ID_MAR_BILD));
    setMinimumSize(200, 140);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MarBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    Abbildung a;
    a.fensterX = 10000;
    a.fensterY = 10000;
    a.viewportX = width() / 2;
    a.viewportY = -height();
    a.ursprungX = width() / 2;
    a.ursprungY = height() / 2;
    a.isotrop = true;
    QPainterCanvas leinwand(p, a);
    plotag(leinwand, programmVorlagen(QCoreApplication::applicationDirPath()), "MAR.PLT", {}, 0, auswahl_);
}

}  // namespace zor::app
