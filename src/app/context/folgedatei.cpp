#include "app/context/folgedatei.h"

#include "app/context/kontext.h"
#include "app/platform/hinweise.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"

namespace zor::app {

std::optional<QString> folgedateiWaehlen(Kontext& kontext, Richtung richtung) {
    if (!kontext.zustand().Fenster.aktualisiert) {
        AufforderungDialog(kontext.fenster());
        return std::nullopt;
    }
    const QString titel = QString::fromUtf8(TITEL_PROGRAMM);
    return richtung == Richtung::Oeffnen ? kontext.dateiwahl().GetFileNameInFWK(titel, QString(), SATZ_FFO_FAB)
                                         : kontext.dateiwahl().GetFileNameOutFWK(titel, QString(), SATZ_FFO_FAB);
}

}  // namespace zor::app
