#include "app/context/mdi_dokument.h"

#include <QContextMenuEvent>

#include "app/context/befehle.h"
#include "app/context/beschreibung.h"
#include "app/context/kontext.h"

namespace zor::app {

MdiDokument::MdiDokument(Kontext& kontext, const Fenster& beschreibung, QWidget* eltern)
    : QWidget(eltern), kontext_(kontext), beschreibung_(beschreibung) {
    setObjectName(beschreibung.name);
}

int MdiDokument::dokumentMenue() const { return beschreibung_.dokumentMenue; }
int MdiDokument::kontextMenue() const { return beschreibung_.kontextMenue; }

bool MdiDokument::befehl(int id) {
    if (id != CMD_SCHLIESSEN) return false;
    // The MDI frame around the document closes (and asks the document first).
    QWidget* rahmenfenster = parentWidget() ? parentWidget() : this;
    rahmenfenster->close();
    return true;
}

void MdiDokument::contextMenuEvent(QContextMenuEvent* e) {
    if (kontextMenue() != 0) kontext_.zeigeKontextmenue(this, e->globalPos(), kontextMenue());
    e->accept();
}

}  // namespace zor::app
