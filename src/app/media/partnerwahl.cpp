#include "app/media/partnerwahl.h"

#include <QInputDialog>

#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/context/texte.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {

MdiDokument* partnerWaehlen(Kontext& kontext, const MdiDokument& selbst, const QList<MdiDokument*>& kandidaten,
                            int keinerText) {
    if (kandidaten.isEmpty()) {
        kontext.meldung().zeige(text(keinerText), selbst.windowTitle(), Symbol::Information);
        return nullptr;
    }
    if (kandidaten.size() == 1) return kandidaten.first();
    // Numbered, since the same file may be open twice under one title.
    QStringList titel;
    for (const MdiDokument* d : kandidaten)
        titel << QStringLiteral("%1: %2").arg(titel.size() + 1).arg(d->windowTitle());
    QInputDialog frage(kontext.fenster());
    frage.setObjectName(QStringLiteral("partner_wahl"));
    frage.setWindowTitle(selbst.windowTitle());
    frage.setLabelText(text(TEXT_PARTNER_FRAGE));
    frage.setComboBoxItems(titel);
    frage.setComboBoxEditable(false);
    if (frage.exec() != QDialog::Accepted) return nullptr;
    const auto i = titel.indexOf(frage.textValue());
    return i < 0 ? nullptr : kandidaten[i];
}

}  // namespace zor::app
