#include "app/shell/werkzeugleiste.h"

#include <QAction>
#include <QIcon>

#include "app/context/befehle.h"
#include "app/context/texte.h"

namespace zor::app {
namespace {

Knopf sep(int befehl = 0) { return {0, befehl, true, true}; }
Knopf an(int bild, int befehl) { return {bild, befehl, true, false}; }
Knopf aus(int bild, int befehl) { return {bild, befehl, false, false}; }

const std::vector<Knopf> START = {
    sep(-1), an(12, CMD_ZORWERK), sep(-1), an(15, CMD_MULTIMEDIA), sep(-1), an(11, CMD_HILFE_F1), an(10, CMD_BEENDEN),
};

const std::vector<Knopf> MULTIMEDIA = {
    sep(-1), an(4, CMD_HEX), an(5, CMD_BIN), an(6, CMD_BITMAP),
    sep(), aus(8, CMD_SPEICHERN_FFO), aus(7, CMD_SPEICHERN_FAB),
    sep(), an(9, CMD_WAVE), an(22, CMD_VIDEO),
    sep(), an(1, CMD_UNTEREINANDER), an(0, CMD_NEBENEINANDER), an(2, CMD_KASKADIERT),
    sep(), an(3, CMD_UEBER_PROGRAMM),
    sep(), an(12, CMD_ZORWERK), an(10, CMD_BEENDEN),
};

const std::vector<Knopf> ZOR = {
    sep(-1), an(17, CMD_OEFFNEN_FF), an(19, CMD_OEFFNEN_PAR), an(16, CMD_OEFFNEN_FAV), an(18, CMD_OEFFNEN_FKF),
    sep(), aus(25, CMD_AKTUALISIEREN),
    sep(), an(20, CMD_SPEICHERN_SATZ1), aus(21, CMD_SPEICHERN_SATZ2), an(24, CMD_KONVERTIEREN_ZOR),
    sep(), aus(23, CMD_DRUCKEN),
    sep(), an(1, CMD_UNTEREINANDER), an(0, CMD_NEBENEINANDER), an(2, CMD_KASKADIERT),
    sep(), an(3, CMD_UEBER_PROGRAMM), an(11, CMD_HILFE),
    sep(), an(10, CMD_BEENDEN),
    sep(), an(22, CMD_MULTIMEDIA),
};

// Our icon files by image index; a theme name where a standard action fits.
struct Bild {
    const char* datei;
    const char* thema;
};
const Bild BILDER[NUMIMAGES] = {
    {"nebeneinander", nullptr}, {"untereinander", nullptr}, {"kaskadiert", nullptr},
    {"ueber", "help-about"}, {"hex", nullptr}, {"bin", nullptr},
    {"bitmap", nullptr}, {"speichern_fab", nullptr}, {"speichern_ffo", nullptr},
    {"wave", nullptr}, {"beenden", "application-exit"}, {"hilfe", "help-contents"},
    {"zor", nullptr}, {"kopieren", "edit-copy"}, {"einfuegen", "edit-paste"},
    {"multimedia", nullptr}, {"fav", nullptr}, {"ff", nullptr},
    {"fkf", nullptr}, {"par", nullptr}, {"speichern_1", nullptr},
    {"speichern_2", nullptr}, {"video", nullptr}, {"drucken", "document-print"},
    {"konvertieren", nullptr}, {"aktualisieren", "view-refresh"}, {"mci", nullptr},
};

}  // namespace

const std::vector<Knopf>& knopfSatz(int satz) {
    static const std::vector<Knopf> leer;
    switch (satz) {
    case 0: return START;
    case CMD_MULTIMEDIA: return MULTIMEDIA;
    case CMD_ZORWERK: return ZOR;
    default: return leer;
    }
}

QIcon knopfBild(int bild) {
    if (bild < 0 || bild >= NUMIMAGES) return {};
    const Bild& b = BILDER[bild];
    QIcon eigenes(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(b.datei)));
    return b.thema ? QIcon::fromTheme(QLatin1String(b.thema), eigenes) : eigenes;
}

Werkzeugleiste::Werkzeugleiste(int satz, std::function<void(int)> befehl, QWidget* eltern)
    : QToolBar(eltern), satz_(satz) {
    setObjectName(QStringLiteral("id_%1").arg(ID_WERKZEUGLEISTE));
    setWindowTitle(QStringLiteral("Werkzeugleiste"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const Knopf& k : knopfSatz(satz)) {
        if (k.trenner) {
            // The leading separator only indents the first button.
            if (!actions().isEmpty()) addSeparator();
            continue;
        }
        QAction* a = addAction(knopfBild(k.bild), tooltip(k.befehl));
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
