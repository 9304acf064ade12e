#include "app/platform/bildschirmpassung.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace zor::app {
namespace {

constexpr const char* ANGEPASST = "zorBildschirmAngepasst";

// The button box directly in the layout, taken out so it stays visible below the scroll area.
QDialogButtonBox* knoepfeHerausnehmen(QLayout& l) {
    for (int i = 0; i < l.count(); ++i)
        if (auto* k = qobject_cast<QDialogButtonBox*>(l.itemAt(i)->widget())) {
            l.removeWidget(k);
            return k;
        }
    return nullptr;
}

}  // namespace

void anBildschirmAnpassen(QDialog& d) {
    if (d.property(ANGEPASST).toBool()) return;
    d.setProperty(ANGEPASST, true);
    const QScreen* schirm = d.screen();
    if (!schirm) return;
    const QRect frei = schirm->availableGeometry();
    // Room for the window frame the window manager adds.
    const int titel = d.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8;
    const QSize platz(frei.width() - 8, frei.height() - titel);
    const QSize bedarf = d.sizeHint().expandedTo(d.size());
    QLayout* alt = d.layout();
    if (alt && (bedarf.height() > platz.height() || bedarf.width() > platz.width())) {
        QDialogButtonBox* knoepfe = knoepfeHerausnehmen(*alt);
        auto* inhalt = new QWidget;
        inhalt->setLayout(alt);  // takes the layout and its widgets off the dialog
        auto* rollen = new QScrollArea;
        rollen->setFrameShape(QFrame::NoFrame);
        rollen->setWidgetResizable(true);
        rollen->setWidget(inhalt);
        auto* neu = new QVBoxLayout(&d);
        neu->addWidget(rollen, 1);
        if (knoepfe) neu->addWidget(knoepfe);
        const int leiste = rollen->verticalScrollBar()->sizeHint().width();
        d.setMinimumSize(0, 0);
        d.resize(std::min(bedarf.width() + leiste, platz.width()), std::min(bedarf.height(), platz.height()));
    }
    // Inside the available area, top-left corner first.
    QRect g = d.frameGeometry();
    g.moveRight(std::min(g.right(), frei.right()));
    g.moveBottom(std::min(g.bottom(), frei.bottom()));
    g.moveLeft(std::max(g.left(), frei.left()));
    g.moveTop(std::max(g.top(), frei.top()));
    if (g.topLeft() != d.frameGeometry().topLeft()) d.move(g.topLeft());
}

bool Bildschirmpassung::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show && ziel->isWidgetType())
        if (auto* d = qobject_cast<QDialog*>(ziel)) anBildschirmAnpassen(*d);
    return QObject::eventFilter(ziel, ereignis);
}

}  // namespace zor::app
