#include "app/context/folgedatei.h"

#include "app/context/kontext.h"
#include "app/platform/hinweise.h"
#include "core/models/zor_state.h"
#include "core/util/ergebnis.h"

namespace zor::app {

namespace {
constexpr int FFO_FAB_FILTER = 1;
}

std::optional<QString> folgedateiWaehlen(Kontext& kontext, Richtung richtung) {
    if (!kontext.zustand().Fenster.aktualisiert) {
        AufforderungDialog(kontext.fenster());
        return std::nullopt;
    }
    const QString titel = QString::fromUtf8(TITEL_PROGRAMM);
    return richtung == Richtung::Oeffnen ? kontext.dateiwahl().GetFileNameInFWK(titel, QString(), FFO_FAB_FILTER)
                                         : kontext.dateiwahl().GetFileNameOutFWK(titel, QString(), FFO_FAB_FILTER);
}

}  // namespace zor::app
