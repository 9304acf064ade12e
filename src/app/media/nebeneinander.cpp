#include "app/media/nebeneinander.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/context/kontext.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmapdokument.h"
#include "app/media/dateiansicht.h"
#include "app/media/hexbin_modul.h"
#include "core/media/unterschied.h"

namespace zor::app {

namespace {

bool alsBilder(Kontext& kontext, const QString& original, const QString& kopie) {
    const GeladenesBild a = ladeBild(original);
    if (!a.ok) return false;
    const GeladenesBild b = ladeBild(kopie);
    if (!b.ok) return false;
    auto v = zor::vergleicheBilder(a.bild, b.bild);
    return v && zeigeBildvergleich(kontext, std::move(*v), original, kopie);
}

}  // namespace

void zeigeNebeneinander(Kontext& kontext, const QString& original, const QString& kopie) {
    if (alsBilder(kontext, original, kopie)) return;
    const auto offset = ersterUnterschied(original.toStdString(), kopie.toStdString());
    QMdiArea& flaeche = kontext.mdiFlaeche();
    const QSize platz = flaeche.viewport()->size();
    Dateiansicht* paar[2] = {};
    int spalte = 0;
    for (const QString& pfad : {original, kopie}) {
        Dateiansicht* d = HexBinModul::oeffne(kontext, Ansicht::Hex, pfad);
        if (!d) return;
        const int breite = platz.width() / 2;
        d->parentWidget()->setGeometry(spalte * breite, 0, breite, platz.height());
        if (offset) d->unterschiedZeigen(*offset);
        paar[spalte++] = d;
    }
    Dateiansicht::koppeln(*paar[0], *paar[1]);
}

}  // namespace zor::app
