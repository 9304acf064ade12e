// The frame's command dispatcher. A command goes to the feature module that registered it,
// else to the frame's own table (shell commands, and nochNichtVerfuegbar for commands
// whose window or dialog is not built yet), else on to the active document.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>


#include "app/platform/meldungsdienst.h"
#include "app/kontext/befehle.h"
#include "app/shell/hauptfenster.h"
#include "app/platform/hinweise.h"
#include "app/kontext/mdi_dokument.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "core/dokumente/anordnung.h"
#include "core/util/ergebnis.h"

namespace zor::app {

using H = Hauptfenster;

// clang-format off
const H::Befehlseintrag H::BEFEHLE[] = {
    {CMD_BEENDEN, &H::beenden},
    {CMD_INFO_PROGRAMM, &H::nichts},
    {CMD_KASKADIERT, &H::mdiAnordnen},
    {CMD_NEBENEINANDER, &H::mdiAnordnen},
    {CMD_UNTEREINANDER, &H::mdiAnordnen},
    {CMD_ICONS_EINORDNEN, &H::mdiAnordnen},
    {CMD_ALLE_SCHLIESSEN, &H::alleSchliessen},
    {CMD_MULTIMEDIA, &H::zuMultimedia},
    {CMD_ZORWERK, &H::zuZor},
};
// clang-format on

void Hauptfenster::mainframe_OnCommand(int id) {
    if (id >= CMD_FENSTERLISTE_ERSTE && id <= CMD_FENSTERLISTE_LETZTE) {
        const auto fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
        const int i = id - CMD_FENSTERLISTE_ERSTE;
        if (i < fenster.size() && i < 9) {
            mdi_->setActiveSubWindow(fenster[i]);
            return;
        }
    }
    if (auto it = modulBefehle_.find(id); it != modulBefehle_.end()) {
        it->second(id);
        return;
    }
    for (const Befehlseintrag& e : BEFEHLE)
        if (e.id == id) {
            (this->*e.handler)(id);
            return;
        }
    anDokument(id);
}

void Hauptfenster::anDokument(int id) {
    if (MdiDokument* d = aktivesDokument()) d->befehl(id);
}

void Hauptfenster::nichts(int) {}

// Every command whose window or dialog is not built yet ends here, and says so.
void Hauptfenster::nochNichtVerfuegbar(int id) { nochNichtVerfuegbar(QList<int>{id}); }

void Hauptfenster::nochNichtVerfuegbar(const QList<int>& ids) {
    QStringList namen;
    for (int id : ids) {
        QString name;
        for (const Menue* m :
             std::initializer_list<const Menue*>{aktuell_, &menue(MENU_ZOR), &menue(MENU_MULTIMEDIA)}) {
            const auto a = m->aktionen(id);
            if (!a.isEmpty()) {
                name = a.first()->text();
                break;
            }
        }
        name = name.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
        if (!name.isEmpty()) namen << QStringLiteral("„%1“").arg(name.trimmed());
    }
    QString text;
    if (namen.isEmpty())
        text = QStringLiteral("Diese Funktion ist noch nicht verfügbar.");
    else if (namen.size() == 1)
        text = QStringLiteral("Die Funktion %1 ist noch nicht verfügbar.").arg(namen.first());
    else
        text = QStringLiteral("Die Funktionen %1 und %2 sind noch nicht verfügbar.")
                   .arg(namen.mid(0, namen.size() - 1).join(QStringLiteral(", ")), namen.last());
    meldung_.zeige(text, QString::fromUtf8(TITEL_PROGRAMM), Symbol::Information);
}

void Hauptfenster::nochNichtVerfuegbarWeiter(int id) {
    nochNichtVerfuegbar(id);
    anDokument(id);
}

void Hauptfenster::beenden(int) { close(); }

// ---- Modes ----

void Hauptfenster::zuMultimedia(int) {
    if (modus_ == Modus::Zor && zor::modellDokumentOffen(zustand_)) return;  // the item is grayed then
    modus_ = Modus::Multimedia;
    setzeMenue(menue(MENU_MULTIMEDIA));
    RebuildToolBar(CMD_MULTIMEDIA);
}

void Hauptfenster::zuZor(int) {
    if (!mdi_->subWindowList().isEmpty()) {
        if (EntscheidungDialog(this) == 0) return;
        mainframe_OnCloseAll();
        meldung_.zeige(QStringLiteral("Wechsel zu ZOR!"), QString::fromUtf8(TITEL_PROGRAMM));
    }
    modus_ = Modus::Zor;
    Menue& zor = menue(MENU_ZOR);
    setzeMenue(zor);
    RebuildToolBar(CMD_ZORWERK);
    for (int id : {CMD_SPEICHERN_SATZ2, CMD_SPEICHERN_SATZ1}) werkzeugleiste_->setzeAktiv(id, !zor.istGrau(id));
}

// ---- MDI ----

void Hauptfenster::mainframe_OnCloseAll() {
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (w->parentWidget() != mdi_->viewport()) continue;
        if (w->isMinimized() || w->isMaximized()) w->showNormal();
        w->close();  // the document may refuse; then it stays
    }
}

void Hauptfenster::alleSchliessen(int) { mainframe_OnCloseAll(); }

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
