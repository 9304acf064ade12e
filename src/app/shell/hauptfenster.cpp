#include "app/shell/hauptfenster.h"

#include <QTimer>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <algorithm>

#include "app/context/befehle.h"
#include "app/context/mdi_dokument.h"
#include "app/context/texte.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/nebeneinander.h"
#include "app/platform/ressourcen.h"
#include "app/platform/warnton.h"
#include "app/shell/fortschrittsfenster.h"
#include "app/shell/menue.h"
#include "app/shell/menue_tabellen.h"
#include "app/shell/module.h"
#include "app/shell/statusleiste.h"
#include "app/shell/werkzeugleiste.h"
#include "core/documents/befehlszustand.h"
#include "core/io/job_ergebnis.h"
#include "core/util/format.h"

namespace zor::app {
namespace {

constexpr int FENSTERLISTE_MAX = 9;
const char* const LISTENEINTRAG = "fensterliste";

// The model items of each set, by the kind that carries the check mark.
struct Hakenzeile {
    Modellart art;
    int satz1, satz2;
};
constexpr Hakenzeile MODELLHAKEN[] = {
    {Modellart::BSC, CMD_SATZ1_BSC, CMD_SATZ2_BSC},       {Modellart::GE, CMD_SATZ1_GE, CMD_SATZ2_GE},
    {Modellart::MC, CMD_SATZ1_MC, CMD_SATZ2_MC},          {Modellart::SW, CMD_SATZ1_SW, CMD_SATZ2_SW},
    {Modellart::Datei, CMD_SATZ1_DATEI, CMD_SATZ2_DATEI}, {Modellart::Inaktiv, CMD_SATZ1_INAKTIV, CMD_SATZ2_INAKTIV},
};

}  // namespace

Hauptfenster::Hauptfenster(Meldungsdienst& meldung, Dateiwahl& dateiwahl, QWidget* eltern)
    : QMainWindow(eltern),
      verzeichnis_(alleModule()),
      meldung_(meldung),
      dateiwahl_(dateiwahl),
      mdi_(new QMdiArea(this)),
      statusleiste_(new Statusleiste([this](int id) { return verzeichnis_.hinweis(id); }, this)),
      warnton_(std::make_unique<Warnton>()) {
    ladeRessourcen();
    InitVar(zustand_);
    setObjectName(QStringLiteral("hauptfenster"));
    setWindowTitle(text(TXT_TITEL));
    setWindowIcon(QIcon(QStringLiteral(":/icons/zorwerk.svg")));
    mdi_->setObjectName(QStringLiteral("mdi"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    setStatusBar(statusleiste_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &Hauptfenster::dokumentAktiviert);

    setzeMenue(menue(MENU_START));
    RebuildToolBar(0);
    resize(1024, 720);
    ladeModule();
}

// Each module made once; each command it describes with a handler reaches that module.
void Hauptfenster::ladeModule() {
    Q_ASSERT_X(verzeichnis_.fehler().isEmpty(), "ladeModule", qPrintable(verzeichnis_.fehler().join('\n')));
    for (const Modul* m : verzeichnis_.module()) {
        std::unique_ptr<Befehlsmodul> modul = m->erzeuge ? m->erzeuge(*this) : nullptr;
        for (const Befehl& b : m->befehle)
            if (b.ausfuehren && modul) ziele_[b.id] = {modul.get(), b.ausfuehren};
        if (modul) module_.push_back(std::move(modul));
    }
}

Hauptfenster::~Hauptfenster() {
    // A job still running is cancelled and waited for while the window it reports to lives.
    hintergrund_.reset();
    // The menu bar must not outlive the actions of the menus it shows.
    menuBar()->clear();
}

Menue& Hauptfenster::menue(int id) {
    auto& m = menues_[id];
    if (!m) {
        m = std::make_unique<Menue>(
            id, menuTabelle(verzeichnis_, id), this, [this](int befehl) { mainframe_OnCommand(befehl); },
            [this](int befehl) { zeigeHinweis(befehl); });
        for (QAction* a : m->leiste())
            if (QMenu* p = a->menu()) programmzeileNachMenue(p);
        if (QMenu* f = m->findWindowMenu())
            connect(f, &QMenu::aboutToShow, this, [this, f] { aktualisiereFensterliste(f); });
    }
    return *m;
}

void Hauptfenster::setzeMenue(const Menue& m) {
    if (aktuell_ == &m) return;
    menuBar()->clear();
    for (QAction* a : m.leiste()) menuBar()->addAction(a);
    aktuell_ = &m;
    if (QMenu* f = m.findWindowMenu()) aktualisiereFensterliste(f);
    // A command in the bar itself ("Zorwerk!") hides no menu, and the item hovered is gone now.
    zeigeHinweis(Statusleiste::MENU_ZU);
}

// A closing menu (or submenu) gives the hint field back to the program line; only after
// Qt's own closing work and only when no other menu opened meanwhile, since the last
// item's hover may arrive after the menu hides.
void Hauptfenster::programmzeileNachMenue(QMenu* menue) {
    connect(menue, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (!QApplication::activePopupWidget()) zeigeHinweis(Statusleiste::MENU_ZU);
        });
    });
    for (QAction* a : menue->actions())
        if (QMenu* unter = a->menu()) programmzeileNachMenue(unter);
}

void Hauptfenster::zeigeHinweis(int id) { statusleiste_->Frame_OnMenuSelect(id); }

void Hauptfenster::aktualisiereFensterliste(QMenu* fenstermenue) {
    for (QAction* a : fenstermenue->actions())
        if (a->property(LISTENEINTRAG).toBool()) {
            fenstermenue->removeAction(a);
            delete a;
        }
    const auto fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (fenster.isEmpty()) return;
    QAction* trenner = fenstermenue->addSeparator();
    trenner->setProperty(LISTENEINTRAG, true);
    for (int i = 0; i < fenster.size() && i < FENSTERLISTE_MAX; ++i) {
        auto* a = fenstermenue->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(fenster[i]->windowTitle()));
        const int id = CMD_FENSTERLISTE_ERSTE + i;
        a->setData(id);
        a->setProperty(LISTENEINTRAG, true);
        a->setCheckable(true);
        a->setChecked(fenster[i] == mdi_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, id] { mainframe_OnCommand(id); });
        connect(a, &QAction::hovered, this, [this, id] { zeigeHinweis(id); });
    }
}

QList<QAction*> Hauptfenster::fensterliste() {
    QList<QAction*> l;
    if (QMenu* f = aktuell_->findWindowMenu()) {
        aktualisiereFensterliste(f);
        for (QAction* a : f->actions())
            if (a->property(LISTENEINTRAG).toBool() && !a->isSeparator()) l << a;
    }
    return l;
}

// ---- Toolbar and menu states ----

void Hauptfenster::RebuildToolBar(int satz) {
    if (werkzeugleiste_) {
        removeToolBar(werkzeugleiste_);
        delete werkzeugleiste_;
    }
    werkzeugleiste_ = new Werkzeugleiste(
        verzeichnis_, satz, [this](int id) { mainframe_OnCommand(id); }, this);
    addToolBar(Qt::TopToolBarArea, werkzeugleiste_);
}

// The channel-model items and buttons as the state says; the rules are in the core.
void Hauptfenster::befehleAbgleichen() {
    const std::vector<Modellfenster> modelle = verzeichnis_.modellfenster();
    const Befehlszustand b = befehlszustand(zustand_, verzeichnis_.modellReihe());
    setzeAktiv(CMD_AKTUALISIEREN, b.aktualisieren);
    setzeAktiv(CMD_OEFFNEN_ALLE, b.alleOeffnen);
    setzeUntermenueAktiv(CMD_OEFFNEN_ALLE, b.alleOeffnen);
    for (int id : {int(CMD_SCHLIESSEN_ALLE), int(CMD_EXPORTIEREN), int(CMD_SEITENANSICHT)})
        setzeAktiv(id, b.fensterBefehle);
    setzeUntermenueAktiv(CMD_SCHLIESSEN_ALLE, b.fensterBefehle);
    setzeUntermenueAktiv(CMD_KASKADIERT, b.fensterBefehle);
    setzeAktiv(CMD_DRUCKEN, b.drucken);
    setzeAktiv(CMD_SPEICHERN_SATZ1, b.speichern[0]);
    setzeAktiv(CMD_SPEICHERN_SATZ2, b.speichern[1]);
    setzeAktiv(CMD_MULTIMEDIA, b.multimedia);
    for (std::size_t i = 0; i < modelle.size(); ++i) {
        setzeAktiv(modelle[i].oeffnen, !b.offen[i]);
        setzeAktiv(modelle[i].schliessen, b.offen[i]);
    }
    for (const Hakenzeile& h : MODELLHAKEN) {
        setzeHaken(h.satz1, h.art == b.haken[0]);
        setzeHaken(h.satz2, h.art == b.haken[1]);
    }
}

// ---- Documents ----

QMdiSubWindow* Hauptfenster::mdi_Create(MdiDokument* dokument) {
    dokument->setWindowTitle(dokument->beschreibung().titel.left(80));
    QMdiSubWindow* w = mdi_->addSubWindow(dokument);
    if (!w) return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowIcon(windowIcon());
    // A useful first size: half the area, like the platform's default placement.
    const QSize flaeche = mdi_->viewport()->size();
    w->resize(std::max(w->minimumSizeHint().width(), flaeche.width() / 2),
              std::max(w->minimumSizeHint().height(), flaeche.height() / 2));
    if (dokument->dokumentMenue() != 0)
        connect(w, &QObject::destroyed, this,
                [this] { QMetaObject::invokeMethod(this, [this] { mainframe_OnMDIDestroy(); }, Qt::QueuedConnection); });
    w->show();
    mdi_->setActiveSubWindow(w);
    dokumentAktiviert(w);
    return w;
}

QList<MdiDokument*> Hauptfenster::dokumente() const {
    QList<MdiDokument*> l;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* d = qobject_cast<MdiDokument*>(w->widget())) l << d;
    return l;
}

void Hauptfenster::aktiviere(MdiDokument* dokument) {
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w->widget() == dokument) mdi_->setActiveSubWindow(w);
}

MdiDokument* Hauptfenster::aktivesDokument() const {
    QMdiSubWindow* w = mdi_->currentSubWindow();
    return w ? qobject_cast<MdiDokument*>(w->widget()) : nullptr;
}

void Hauptfenster::dokumentAktiviert(QMdiSubWindow* w) {
    auto* d = w ? qobject_cast<MdiDokument*>(w->widget()) : nullptr;
    if (!d) return;
    if (d->dokumentMenue() != 0) setzeMenue(menue(d->dokumentMenue()));
    d->aktiviert();
}

void Hauptfenster::mainframe_OnMDIDestroy() {
    if (mdi_->currentSubWindow() || !verzeichnis_.istDokumentMenue(aktuell_->id())) return;
    setzeMenue(menue(MENU_MULTIMEDIA));
}

QMenu* Hauptfenster::kontextPopup(int kontextId) {
    auto& k = kontexte_[kontextId];
    if (!k) {
        k = std::make_unique<Menue>(
            kontextId, menuTabelle(verzeichnis_, kontextId), this, [this](int befehl) { mainframe_OnCommand(befehl); },
            [this](int befehl) { zeigeHinweis(befehl); });
        programmzeileNachMenue(k->popup(0));
    }
    QMenu* p = k->popup(0);
    mdi_ConformMenus(*aktuell_, p);
    return p;
}

bool Hauptfenster::mdi_OnContextMenu(MdiDokument* dokument, const QPoint& global, int kontextId) {
    if (!dokument->rect().contains(dokument->mapFromGlobal(global))) return false;
    if (QMenu* p = kontextPopup(kontextId)) p->exec(global);
    return true;
}

zor::Fortschritt& Hauptfenster::fortschritt() { return MakeProgress(); }

Hintergrund& Hauptfenster::hintergrund() {
    if (!hintergrund_) hintergrund_ = std::make_unique<Hintergrund>(MakeProgress());
    return *hintergrund_;
}

void Hauptfenster::geschriebenMelden(const QString& datei) {
    statusleiste_->UpdateStatusBar(QString::fromStdString(zor::format(zor::TEXT_GESCHRIEBEN, datei.toStdString().c_str())), 0);
}

void Hauptfenster::zeigeNebeneinander(const QString& original, const QString& kopie) {
    zor::app::zeigeNebeneinander(*this, original, kopie);
}

// Menu items of a command may stand in several menus (frame and document menus); all of
// them follow, and so does its toolbar button.
void Hauptfenster::setzeAktiv(int id, bool aktiv) {
    for (auto& [menueId, m] : menues_)
        if (m->hat(id)) m->grau(id, !aktiv);
    if (werkzeugleiste_) werkzeugleiste_->setzeAktiv(id, aktiv);
}

void Hauptfenster::setzeHaken(int id, bool haken) {
    for (auto& [menueId, m] : menues_)
        if (m->hat(id)) m->haken(id, haken);
}

const Menue* Hauptfenster::menueMit(int id) const {
    for (int menueId : {static_cast<int>(MENU_ZOR), static_cast<int>(MENU_MULTIMEDIA)})
        if (auto it = menues_.find(menueId); it != menues_.end() && it->second->hat(id)) return it->second.get();
    for (const auto& [menueId, m] : menues_)
        if (m->hat(id)) return m.get();
    return nullptr;
}

bool Hauptfenster::istAktiv(int id) const {
    const Menue* m = menueMit(id);
    return m && !m->istGrau(id);
}

void Hauptfenster::setzeUntermenueAktiv(int id, bool aktiv) {
    for (QAction* a : menue(MENU_ZOR).aktionen(id))
        if (auto* popup = qobject_cast<QMenu*>(a->parent())) popup->menuAction()->setEnabled(aktiv);
}

bool Hauptfenster::hatHaken(int id) const {
    const Menue* m = menueMit(id);
    return m && m->hatHaken(id);
}

Fortschrittsfenster& Hauptfenster::MakeProgress() {
    if (!fortschritt_) fortschritt_ = new Fortschrittsfenster(this);
    return *fortschritt_;
}

void Hauptfenster::nachVorn() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

}  // namespace zor::app
