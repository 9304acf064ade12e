// The frame's command dispatcher and its own commands. A command goes to the module whose
// description names a handler for it, else on to the active document; a window-list
// entry activates its document. After every command the channel-model items follow the
// state.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include "app/context/befehle.h"
#include "app/context/mdi_dokument.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "app/shell/hauptfenster.h"
#include "app/shell/menue.h"
#include "core/documents/anordnung.h"
#include "core/util/ergebnis.h"

namespace zor::app {

void Hauptfenster::mainframe_OnCommand(int id) {
    if (id >= CMD_FENSTERLISTE_ERSTE && id <= CMD_FENSTERLISTE_LETZTE) {
        const auto fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
        const int i = id - CMD_FENSTERLISTE_ERSTE;
        if (i < fenster.size() && i < 9) {
            mdi_->setActiveSubWindow(fenster[i]);
            return;
        }
    }
    if (auto it = ziele_.find(id); it != ziele_.end())
        it->second.ausfuehren(*it->second.modul, id);
    else
        anDokument(id);
    befehleAbgleichen();
}

void Hauptfenster::anDokument(int id) {
    if (MdiDokument* d = aktivesDokument()) d->befehl(id);
}

// ---- Modes ----

void Hauptfenster::zuMultimedia() {
    if (modus_ == Modus::Zor && zor::modellDokumentOffen(zustand_)) return;  // the item is grayed then
    modus_ = Modus::Multimedia;
    setzeMenue(menue(MENU_MULTIMEDIA));
    RebuildToolBar(CMD_MULTIMEDIA);
}

void Hauptfenster::zuZor() {
    if (!mdi_->subWindowList().isEmpty()) {
        if (EntscheidungDialog(this) == 0) return;
        mainframe_OnCloseAll();
        meldung_.zeige(QStringLiteral("Wechsel zu ZOR!"), QString::fromUtf8(TITEL_PROGRAMM));
    }
    modus_ = Modus::Zor;
    setzeMenue(menue(MENU_ZOR));
    RebuildToolBar(CMD_ZORWERK);
}

// ---- MDI ----

void Hauptfenster::mainframe_OnCloseAll() {
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (w->parentWidget() != mdi_->viewport()) continue;
        if (w->isMinimized() || w->isMaximized()) w->showNormal();
        w->close();  // the document may refuse; then it stays
    }
}

void Hauptfenster::mdiAnordnen(int id) {
    switch (id) {
    case CMD_KASKADIERT: kaskadieren(); break;
    case CMD_NEBENEINANDER: kacheln(true); break;
    case CMD_UNTEREINANDER: kacheln(false); break;
    default: iconsEinordnen(); break;
    }
}

// Side by side (columns) or one below the other (rows), over the windows not minimized.
void Hauptfenster::kacheln(bool nebeneinander) {
    QList<QMdiSubWindow*> offen;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder))
        if (!w->isMinimized() && w->isVisible()) offen << w;
    if (offen.isEmpty()) return;
    const QRect r = mdi_->viewport()->rect();
    const int n = static_cast<int>(offen.size());
    for (int i = 0; i < n; ++i) {
        offen[i]->showNormal();
        if (nebeneinander)
            offen[i]->setGeometry(r.width() * i / n, 0, r.width() * (i + 1) / n - r.width() * i / n, r.height());
        else
            offen[i]->setGeometry(0, r.height() * i / n, r.width(), r.height() * (i + 1) / n - r.height() * i / n);
    }
}

// Qt's own cascade shrinks the windows to their minimum size; these keep a readable size.
void Hauptfenster::kaskadieren() {
    QList<QMdiSubWindow*> offen;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (!w->isMinimized() && w->isVisible()) offen << w;
    if (offen.isEmpty()) return;
    const QRect r = mdi_->viewport()->rect();
    const int titel = offen.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, offen.front());
    const auto ziele = kaskade(r.width(), r.height(), static_cast<int>(offen.size()), std::max(titel, 16) + 4);
    for (qsizetype i = 0; i < offen.size(); ++i) {
        const Bereich& b = ziele[static_cast<std::size_t>(i)];
        offen[i]->showNormal();
        offen[i]->setGeometry(b.x, b.y, b.breite, b.hoehe);
        offen[i]->raise();
    }
    offen.back()->setFocus();
    mdi_->setActiveSubWindow(offen.back());
}

void Hauptfenster::iconsEinordnen() {
    const QRect r = mdi_->viewport()->rect();
    int x = 0, y = r.bottom();
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized()) continue;
        if (x + w->width() > r.width() && x > 0) {
            x = 0;
            y -= w->height();
        }
        w->move(x, y - w->height() + 1);
        x += w->width();
    }
}

}  // namespace zor::app
