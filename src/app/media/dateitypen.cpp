#include "app/media/dateitypen.h"

#include <QFileInfo>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/hexbin_modul.h"

namespace zor::app {

Ansicht ansichtFuerDatei(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("ffo") || endung == QLatin1String("fab") ? Ansicht::Bin : Ansicht::Hex;
}

void oeffneDateien(Kontext& kontext, const QStringList& pfade) {
    if (pfade.isEmpty()) return;
    kontext.befehl(CMD_MULTIMEDIA);
    // A file that cannot be opened gets the view's own message and an empty document.
    for (const QString& p : pfade) HexBinModul::oeffne(kontext, ansichtFuerDatei(p), QFileInfo(p).absoluteFilePath());
}

}  // namespace zor::app
