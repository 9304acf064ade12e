#include "app/media/nebeneinander.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/context/kontext.h"
#include "app/media/dateiansicht.h"
#include "app/media/hexbin_modul.h"
#include "core/media/unterschied.h"

namespace zor::app {

void zeigeNebeneinander(Kontext& kontext, const QString& original, const QString& kopie) {
    const auto offset = ersterUnterschied(original.toStdString(), kopie.toStdString());
    QMdiArea& flaeche = kontext.mdiFlaeche();
    const QSize platz = flaeche.viewport()->size();
    int spalte = 0;
    for (const QString& pfad : {original, kopie}) {
        Dateiansicht* d = HexBinModul::oeffne(kontext, Ansicht::Hex, pfad);
        if (!d) return;
        const int breite = platz.width() / 2;
        d->parentWidget()->setGeometry(spalte++ * breite, 0, breite, platz.height());
        if (offset) d->geheZuOffset(*offset);
    }
}

}  // namespace zor::app
