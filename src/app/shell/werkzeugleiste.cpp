#include "app/shell/werkzeugleiste.h"

#include <QAction>
#include <QIcon>

#include <algorithm>

#include "app/context/befehle.h"
#include "app/context/verzeichnis.h"

namespace zor::app {
namespace {

// The buttons that stand for a standard action show the desktop theme's icon.
struct Thema {
    const char* bild;
    const char* thema;
};
constexpr Thema THEMEN[] = {
    {"ueber", "help-about"},           {"beenden", "application-exit"}, {"hilfe", "help-contents"},
    {"kopieren", "edit-copy"},         {"einfuegen", "edit-paste"},     {"drucken", "document-print"},
    {"aktualisieren", "view-refresh"},
};

}  // namespace

std::vector<Knopf> knopfSatz(const Verzeichnis& v, int satz) {
    std::vector<Knopfplatz> plaetze;
    for (const Knopfplatz& k : v.knopfplaetze())
        if (k.satz == satz) plaetze.push_back(k);
    std::stable_sort(plaetze.begin(), plaetze.end(), [](const auto& a, const auto& b) { return a.rang < b.rang; });
    std::vector<Knopf> l;
    l.reserve(plaetze.size());
    for (const Knopfplatz& k : plaetze) l.push_back({k.bild, k.befehl, k.aktiv, k.bild == nullptr});
    return l;
}

QIcon knopfBild(const char* bild) {
    if (!bild) return {};
    QIcon eigenes(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(bild)));
    for (const Thema& t : THEMEN)
        if (qstrcmp(t.bild, bild) == 0) return QIcon::fromTheme(QLatin1String(t.thema), eigenes);
    return eigenes;
}

Werkzeugleiste::Werkzeugleiste(const Verzeichnis& v, int satz, std::function<void(int)> befehl, QWidget* eltern)
    : QToolBar(eltern), satz_(satz) {
    setObjectName(QStringLiteral("id_%1").arg(ID_WERKZEUGLEISTE));
    setWindowTitle(QStringLiteral("Werkzeugleiste"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const Knopf& k : knopfSatz(v, satz)) {
        if (k.trenner) {
            // The leading separator only indents the first button.
            if (!actions().isEmpty()) addSeparator();
            continue;
        }
        QAction* a = addAction(knopfBild(k.bild), v.tooltip(k.befehl));
        a->setData(k.befehl);
        a->setObjectName(QStringLiteral("knopf_%1").arg(k.befehl));
        a->setEnabled(k.aktiv);
        const int id = k.befehl;
        connect(a, &QAction::triggered, this, [befehl, id] { befehl(id); });
    }
}

QAction* Werkzeugleiste::knopf(int befehl) const {
    for (QAction* a : actions())
        if (!a->isSeparator() && a->data().toInt() == befehl) return a;
    return nullptr;
}

void Werkzeugleiste::setzeAktiv(int befehl, bool aktiv) {
    if (QAction* a = knopf(befehl)) a->setEnabled(aktiv);
}

bool Werkzeugleiste::istAktiv(int befehl) const {
    QAction* a = knopf(befehl);
    return a && a->isEnabled();
}

}  // namespace zor::app
