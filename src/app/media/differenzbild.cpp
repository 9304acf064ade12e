// The difference picture of a picture file and its corrupted copy.

#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>

#include <cmath>

#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmapdokument.h"
#include "app/platform/meldungsdienst.h"
#include "core/media/bilddifferenz.h"
#include "core/media/bildvergleich.h"
#include "core/media/unterschied.h"
#include "core/util/format.h"

namespace zor::app {

namespace {

std::string dezibel(double db) { return std::isinf(db) ? "∞" : zor::format("%.2f", db); }

}  // namespace

bool zeigeDifferenzbild(Kontext& kontext, const QString& original, const QString& kopie) {
    const QString titel = QString::fromUtf8(TITEL_PROGRAMM);
    const GeladenesBild a = ladeBild(original), b = a.ok ? ladeBild(kopie) : GeladenesBild{};
    if (!a.ok || !b.ok) {
        kontext.meldung().zeige(a.ok ? b.fehler : a.fehler, titel, Symbol::Ausrufezeichen);
        return false;
    }
    auto d = bilddifferenz(a.bild, b.bild);
    if (!d) {
        kontext.meldung().zeige(QString::fromStdString(zor::format(TEXT_VERGLEICH_GROESSE, a.bild.breite, a.bild.hoehe,
                                                                   b.bild.breite, b.bild.hoehe)),
                                titel, Symbol::Ausrufezeichen);
        return false;
    }
    // The bits are those of the files, as a comparison file counts them.
    const std::string x = original.toStdString(), y = kopie.toStdString();
    auto differenz = std::make_shared<Bilddifferenz>(std::move(*d));
    return kontext.hintergrund().starten<Unterschiedszahl>(
        &kontext.mdiFlaeche(), {y, TEXT_UNTERSCHIEDE_ZAEHLEN},
        [x, y](Fortschritt& f) { return unterschiedeZaehlen(x, y, f); },
        [&kontext, differenz, original, kopie](Unterschiedszahl z) {
            if (z.abgebrochen) return;
            const std::string zahlen =
                zor::format(TEXT_DIFFERENZ, static_cast<unsigned long long>(differenz->pixel),
                            static_cast<unsigned long long>(z.bits), dezibel(differenz->psnr[0]).c_str(),
                            dezibel(differenz->psnr[1]).c_str(), dezibel(differenz->psnr[2]).c_str());
            const std::string name =
                zor::format(TEXT_DIFFERENZ_TITEL, QFileInfo(original).fileName().toStdString().c_str(),
                            QFileInfo(kopie).fileName().toStdString().c_str(), zahlen.c_str());
            zeigeBitmap(kontext, std::move(differenz->bild), QString::fromStdString(name));
        });
}

}  // namespace zor::app
