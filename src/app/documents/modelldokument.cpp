#include "app/documents/modelldokument.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStyle>

#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/kontext/texte.h"
#include "app/plot/bildausgabe.h"

namespace zor::app {
namespace {

struct Art {
    Dokumentart art;
    int oeffnen, schliessen, klasse, titel;
};

constexpr Art ARTEN[] = {
    {Dokumentart::FF, CMD_OEFFNEN_FF, CMD_SCHLIESSEN_FF, TXT_FF_KLASSE, TXT_FF_TITEL},
    {Dokumentart::FKF, CMD_OEFFNEN_FKF, CMD_SCHLIESSEN_FKF, TXT_FKF_KLASSE, TXT_FKF_TITEL},
    {Dokumentart::FAV, CMD_OEFFNEN_FAV, CMD_SCHLIESSEN_FAV, TXT_FAV_KLASSE, TXT_FAV_TITEL},
    {Dokumentart::PAR, CMD_OEFFNEN_PAR, CMD_SCHLIESSEN_PAR, TXT_PAR_KLASSE, TXT_PAR_TITEL},
};

const Art& artVon(Modelldokument d) { return ARTEN[static_cast<int>(d)]; }

}  // namespace

ModellDokument::ModellDokument(Kontext& kontext, Modelldokument welches)
    : MdiDokument(kontext), welches_(welches) {
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 80);
}

Dokumentart ModellDokument::art() const { return artVon(welches_).art; }
int ModellDokument::kontextMenue() const { return MENU_ZOR; }
int ModellDokument::oeffnenBefehl() const { return artVon(welches_).oeffnen; }
int ModellDokument::schliessenBefehl() const { return artVon(welches_).schliessen; }

QMdiSubWindow* ModellDokument::unterfenster(Kontext& k, Modelldokument d) {
    for (QMdiSubWindow* w : k.mdiFlaeche().subWindowList())
        if (auto* m = qobject_cast<ModellDokument*>(w->widget()); m && m->welches() == d && m->angemeldet_) return w;
    return nullptr;
}

bool ModellDokument::oeffnen() {
    // No child stays maximised when another one joins.
    for (QMdiSubWindow* w : kontext().mdiFlaeche().subWindowList())
        if (w->isMaximized()) w->showNormal();
    const Art& a = artVon(welches_);
    if (!kontext().oeffneDokument(this, a.klasse, a.titel)) return false;
    anmelden();
    return true;
}

Flaeche ModellDokument::flaeche() const {
    QMdiArea& mdi = kontext().mdiFlaeche();
    const QSize g = mdi.viewport()->size();
    const int icon = mdi.style()->pixelMetric(QStyle::PM_LargeIconSize);
    return {g.width(), g.height(), static_cast<int>(2.5 * icon)};
}

Minimiert ModellDokument::minimiert() const {
    Minimiert m{};
    for (Modelldokument d : MODELLDOKUMENTE)
        if (QMdiSubWindow* w = unterfenster(kontext(), d)) m[static_cast<int>(d)] = w->isMinimized();
    return m;
}

void ModellDokument::anwenden(const Anordnung& a) {
    if (a.kacheln) {
        kontext().mdiFlaeche().tileSubWindows();
        return;
    }
    for (const Verschiebung& v : a.verschieben)
        if (QMdiSubWindow* w = unterfenster(kontext(), v.dokument)) {
            if (w->isMinimized() || w->isMaximized()) w->showNormal();
            w->setGeometry(v.ziel.x, v.ziel.y, v.ziel.breite, v.ziel.hoehe);
        }
}

void ModellDokument::freigeben(const Freigabe& g) {
    Kontext& k = kontext();
    if (g.fensterBefehle) {
        for (int id : {int(CMD_SCHLIESSEN_ALLE), int(CMD_DRUCKEN), int(CMD_EXPORTIEREN), int(CMD_SEITENANSICHT)})
            k.setzeAktiv(id, *g.fensterBefehle);
        k.setzeUntermenueAktiv(CMD_SCHLIESSEN_ALLE, *g.fensterBefehle);
        k.setzeUntermenueAktiv(CMD_KASKADIERT, *g.fensterBefehle);
    }
    if (g.alleOeffnen) {
        k.setzeAktiv(CMD_OEFFNEN_ALLE, *g.alleOeffnen);
        k.setzeUntermenueAktiv(CMD_OEFFNEN_ALLE, *g.alleOeffnen);
    }
    if (g.aktualisierenGrau) k.setzeAktiv(CMD_AKTUALISIEREN, false);
}

void ModellDokument::anmelden() {
    ZorState& s = kontext().zustand();
    kontext().setzeAktiv(oeffnenBefehl(), false);
    kontext().setzeAktiv(schliessenBefehl(), true);
    freigeben(FensterInit(s));
    angemeldet_ = true;
    // The new one moves with the others; its own flag follows the arrangement step.
    const Anordnung a = OrdnenAufbau(s, welches_, minimiert(), flaeche());
    offenFlag(s, welches_) = 1;
    anwenden(a);
    modusWechselFreigeben(kontext());
}

void ModellDokument::abmelden() {
    if (!angemeldet_) return;
    angemeldet_ = false;
    ZorState& s = kontext().zustand();
    kontext().setzeAktiv(oeffnenBefehl(), true);
    kontext().setzeAktiv(schliessenBefehl(), false);
    offenFlag(s, welches_) = 0;
    freigeben(FensterDest(s));
    if (s.Fenster.neu != 0) anwenden(OrdnenAbbau(s, minimiert(), flaeche()));
    modusWechselFreigeben(kontext());
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

void modusWechselFreigeben(Kontext& k) { k.setzeAktiv(CMD_MULTIMEDIA, !modellDokumentOffen(k.zustand())); }

}  // namespace zor::app
