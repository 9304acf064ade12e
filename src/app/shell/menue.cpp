#include "app/shell/menue.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "app/context/befehle.h"

namespace zor::app {

int befehlVon(const QAction* a) { return a ? a->data().toInt() : 0; }

namespace {

// Only a checked item is checkable, so unchecked items show no empty box.
void setzeHaken(QAction* a, bool gesetzt) {
    a->setCheckable(gesetzt);
    a->setChecked(gesetzt);
}

}  // namespace

Menue::Menue(int menueId, const std::vector<MenuEintrag>& tabelle, QWidget* eigentuemer, Befehlsziel befehl,
             Befehlsziel hinweis)
    : id_(menueId), eigentuemer_(eigentuemer), befehl_(std::move(befehl)), hinweis_(std::move(hinweis)) {
    // stapel[e] is the pop-up that receives entries of depth e + 1.
    QList<QMenu*> stapel;
    for (const MenuEintrag& e : tabelle) {
        stapel.resize(e.ebene);
        QMenu* eltern = e.ebene == 0 ? nullptr : stapel.value(e.ebene - 1);
        if (e.art & TRENNER) {
            if (eltern) eltern->addSeparator();
            continue;
        }
        QAction* a = nullptr;
        if (e.art & POPUP) {
            auto* m = new QMenu(QString::fromUtf8(e.text), eigentuemer_);
            a = m->menuAction();
            if (hinweis_) QObject::connect(a, &QAction::hovered, m, [this] { hinweis_(0); });
            a->setEnabled(!(e.art & GRAU));
            stapel.append(m);
        } else {
            a = befehlsAktion(eltern ? static_cast<QObject*>(eltern) : eigentuemer_, e.id, e.text, e.art, e.kuerzel);
        }
        if (eltern)
            eltern->addAction(a);
        else
            leiste_.append(a);
    }
}

QAction* Menue::befehlsAktion(QObject* eltern, int id, const char* text, unsigned art, const char* kuerzel) {
    auto* a = new QAction(QString::fromUtf8(text), eltern);
    a->setData(id);
    a->setObjectName(QStringLiteral("id_%1").arg(id));
    a->setEnabled(!(art & GRAU));
    if (art & HAKEN) setzeHaken(a, true);
    if (kuerzel) a->setShortcut(QKeySequence(QString::fromLatin1(kuerzel)));
    if (hinweis_) QObject::connect(a, &QAction::hovered, a, [this, id] { hinweis_(id); });
    // A check mark is state the commands set, never something a click toggles.
    QObject::connect(a, &QAction::triggered, a, [this, a, id](bool gesetzt) {
        if (a->isCheckable()) a->setChecked(!gesetzt);
        befehl_(id);
    });
    nachId_.insert(id, a);
    return a;
}

QMenu* Menue::popup(int position) const {
    QAction* a = leiste_.value(position);
    return a ? a->menu() : nullptr;
}

void Menue::grau(int befehl, bool grau) {
    for (QAction* a : aktionen(befehl)) a->setEnabled(!grau);
}

void Menue::haken(int befehl, bool gesetzt) {
    for (QAction* a : aktionen(befehl)) setzeHaken(a, gesetzt);
}

bool Menue::istGrau(int befehl) const {
    QAction* a = nachId_.value(befehl);
    return a && !a->isEnabled();
}

bool Menue::hatHaken(int befehl) const {
    QAction* a = nachId_.value(befehl);
    return a && a->isChecked();
}

QMenu* Menue::findWindowMenu() const {
    for (QAction* a : leiste_) {
        QMenu* m = a->menu();
        if (!m) continue;
        for (QAction* i : m->actions())
            if (befehlVon(i) == CMD_KASKADIERT || befehlVon(i) == CMD_AKTUALISIEREN) return m;
    }
    return nullptr;
}

void mdi_ConformMenus(const Menue& rahmenMenue, QMenu* popup) {
    if (!popup) return;
    for (QAction* a : popup->actions()) {
        if (a->menu()) {
            mdi_ConformMenus(rahmenMenue, a->menu());
            continue;
        }
        const int id = befehlVon(a);
        if (id == 0 || !rahmenMenue.hat(id)) continue;
        a->setEnabled(!rahmenMenue.istGrau(id));
        setzeHaken(a, rahmenMenue.hatHaken(id));
    }
}

}  // namespace zor::app
