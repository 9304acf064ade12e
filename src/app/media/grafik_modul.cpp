#include "app/media/grafik_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/grafikdokument.h"
#include "app/platform/meldungsdienst.h"
#include "core/util/ergebnis.h"

namespace zor::app {

GrafikModul::GrafikModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_GRAFIK}, [this](int id) { grafikNeu(id); });
}

void GrafikModul::grafikNeu(int) {
    if (!kontext().oeffneDokument(new Grafikdokument(kontext()), TXT_GRAFIK_KLASSE, TXT_GRAFIK_TITEL))
        kontext().meldung().zeige(QStringLiteral("Das Dokument konnte nicht erzeugt werden!"),
                                  QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
}

}  // namespace zor::app
