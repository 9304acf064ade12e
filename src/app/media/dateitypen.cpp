#include "app/media/dateitypen.h"

#include <QFileInfo>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmapdokument.h"
#include "app/media/hexbin_modul.h"

namespace zor::app {

Ansicht ansichtFuerDatei(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == QLatin1String("ffo") || endung == QLatin1String("fab") ? Ansicht::Bin : Ansicht::Hex;
}

bool istBilddatei(const QString& pfad) {
    static const QStringList BILDER = {QStringLiteral("bmp"), QStringLiteral("dib"), QStringLiteral("png"),
                                       QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif")};
    return BILDER.contains(QFileInfo(pfad).suffix().toLower());
}

void oeffneDateien(Kontext& kontext, const QStringList& pfade) {
    if (pfade.isEmpty()) return;
    kontext.befehl(CMD_MULTIMEDIA);
    // A file that cannot be opened gets the view's own message and an empty document.
    for (const QString& p : pfade) {
        const QString pfad = QFileInfo(p).absoluteFilePath();
        if (istBilddatei(pfad)) {
            // A picture that does not load still shows, as its bytes.
            if (const GeladenesBild g = ladeBild(pfad); g.ok)
                if (Bitmapdokument* d = zeigeBitmap(kontext, g.bild, pfad)) {
                    d->setzeDatei(pfad);
                    continue;
                }
        }
        HexBinModul::oeffne(kontext, ansichtFuerDatei(pfad), pfad);
    }
}

}  // namespace zor::app
