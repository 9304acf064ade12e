#include "shell/mdi_dokument.h"

#include <QContextMenuEvent>

#include "shell/befehle.h"
#include "shell/hauptfenster.h"

namespace zor::app {

bool MdiDokument::befehl(int id) {
    if (id != CMD_SCHLIESSEN) return false;
    // The MDI frame around the document closes (and asks the document first).
    QWidget* rahmenfenster = parentWidget() ? parentWidget() : this;
    rahmenfenster->close();
    return true;
}

void MdiDokument::contextMenuEvent(QContextMenuEvent* e) {
    if (rahmen_ && kontextMenue() != 0) rahmen_->mdi_OnContextMenu(this, e->globalPos(), kontextMenue());
    e->accept();
}

}  // namespace zor::app
