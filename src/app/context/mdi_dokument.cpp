#include "app/context/mdi_dokument.h"

#include <QContextMenuEvent>

#include "app/context/befehle.h"
#include "app/context/kontext.h"

namespace zor::app {

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
