#include "app/media/bitmap_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmapdokument.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {

BitmapModul::BitmapModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_BITMAP, CMD_BITMAP_OEFFNEN}, [this](int id) { bitmap_New(id); });
    registriere({CMD_EINFUEGEN}, [this](int id) { einfuegen(id); });
}

void BitmapModul::bitmap_New(int) {
    const auto datei = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Bitmap öffnen"), {}, SATZ_BILDER);
    if (!datei) {
        kontext().meldung().zeige(QStringLiteral("Datei nicht geöffnet!"), QString::fromUtf8(TITEL_FEHLER));
        return;
    }
    const GeladenesBild g = ladeBild(*datei);
    if (!g.ok) {
        kontext().meldung().zeige(QStringLiteral("Fehler in InitDib!\n\n") + g.fehler, QString::fromUtf8(TITEL_FEHLER),
                                  Symbol::Ausrufezeichen);
        return;
    }
    if (!zeigeBitmap(kontext(), g.bild, *datei)) return;
    if (!g.notiz.isEmpty()) kontext().meldung().zeige(g.notiz, QString::fromUtf8(TITEL_PROGRAMM), Symbol::Information);
}

// A clipboard without an image: nothing happens.
void BitmapModul::einfuegen(int) {
    if (auto bild = bildAusZwischenablage()) zeigeBitmap(kontext(), std::move(*bild), QStringLiteral("Clipbord"));
}

}  // namespace zor::app
