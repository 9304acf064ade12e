#include "app/documents/modelldokument.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStyle>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/plot/bildausgabe.h"

namespace zor::app {

ModellDokument::ModellDokument(Kontext& kontext, const ModellDokumentart& art)
    : MdiDokument(kontext, art.fenster), art_(art) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 80);
}

QMdiSubWindow* ModellDokument::unterfenster(Kontext& k, const ModellDokumentart& art) {
    for (QMdiSubWindow* w : k.mdiFlaeche().subWindowList())
        if (auto* m = qobject_cast<ModellDokument*>(w->widget()); m && &m->art() == &art && m->angemeldet_) return w;
    return nullptr;
}

bool ModellDokument::oeffnen() {
    // No child stays maximised when another one joins.
    for (QMdiSubWindow* w : kontext().mdiFlaeche().subWindowList())
        if (w->isMaximized()) w->showNormal();
    if (!kontext().oeffneDokument(this)) return false;
    anmelden();
    return true;
}

Flaeche ModellDokument::flaeche() const {
    QMdiArea& mdi = kontext().mdiFlaeche();
    const QSize g = mdi.viewport()->size();
    const int icon = mdi.style()->pixelMetric(QStyle::PM_LargeIconSize);
    const int arten = static_cast<int>(modellReihe().size());
    return {g.width(), g.height(), static_cast<int>(2.5 * icon), arten > 4 ? arten : 0};
}

Minimiert ModellDokument::minimiert() const {
    Minimiert m;
    for (const ModellDokumentart* a : modellDokumentarten())
        if (QMdiSubWindow* w = unterfenster(kontext(), *a); w && w->isMinimized()) m += a->buchstabe();
    return m;
}

void ModellDokument::anwenden(const Anordnung& a) {
    if (a.kacheln) {
        kontext().mdiFlaeche().tileSubWindows();
        return;
    }
    for (const Verschiebung& v : a.verschieben)
        for (const ModellDokumentart* art : modellDokumentarten())
            if (art->buchstabe() == v.dokument)
                if (QMdiSubWindow* w = unterfenster(kontext(), *art)) {
                    if (w->isMinimized() || w->isMaximized()) w->showNormal();
                    w->setGeometry(v.ziel.x, v.ziel.y, v.ziel.breite, v.ziel.hoehe);
                }
}

void ModellDokument::anmelden() {
    ZorState& s = kontext().zustand();
    FensterInit(s, modellReihe());
    angemeldet_ = true;
    // The new one moves with the others; its own flag follows the arrangement step.
    const Anordnung a = OrdnenAufbau(s, modellReihe(), art_.buchstabe(), minimiert(), flaeche());
    offenFlag(s, art_.buchstabe()) = 1;
    anwenden(a);
    kontext().befehleAbgleichen();
}

void ModellDokument::abmelden() {
    if (!angemeldet_) return;
    angemeldet_ = false;
    ZorState& s = kontext().zustand();
    offenFlag(s, art_.buchstabe()) = 0;
    FensterDest(s, modellReihe());
    if (s.Fenster.neu != 0) anwenden(OrdnenAbbau(s, modellReihe(), minimiert(), flaeche()));
    kontext().befehleAbgleichen();
}

void ModellDokument::closeEvent(QCloseEvent* e) {
    abmelden();
    e->accept();
}

void ModellDokument::paintEvent(QPaintEvent*) {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    if (s.Modell.inaktiv) return;
    QPainter p(this);
    zeichnen(p, size());
}

void ModellDokument::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        bereit([this] {
            auto* daten = new QMimeData;
            daten->setImageData(bildVon(size(), [this](QPainter& p) { zeichnen(p, size()); }));
            if (hatCsv()) daten->setText(QString::fromStdString(alsCsv()));
            QApplication::clipboard()->setMimeData(daten);
        });
        e->accept();
        return;
    }
    MdiDokument::keyPressEvent(e);
}

}  // namespace zor::app
