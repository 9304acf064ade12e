#include "shell/mdi_dokument.h"

#include <QContextMenuEvent>

#include "shell/hauptfenster.h"

namespace zor::app {

void MdiDokument::contextMenuEvent(QContextMenuEvent* e) {
    if (rahmen_ && kontextMenue() != 0) rahmen_->mdi_OnContextMenu(this, e->globalPos(), kontextMenue());
    e->accept();
}

}  // namespace zor::app
