#include "app/dialogs/optionen_modul.h"

#include "app/dialogs/fav_optionen.h"
#include "app/dialogs/fkf_optionen.h"
#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {
namespace {

MdiDokument* dokumentDerArt(Kontext& k, Dokumentart art) {
    for (MdiDokument* d : k.dokumente())
        if (d->art() == art) return d;
    return nullptr;
}

}  // namespace

OptionenModul::OptionenModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_FAV_OPTIONEN}, [this](int) { FAVOPT(); });
    registriere({CMD_FKF_OPTIONEN}, [this](int) { FKFOPT(); });
}

void OptionenModul::FAVOPT() {
    FavOptionendialog d(kontext(), kontext().fenster());
    d.exec();
    ZorState& s = kontext().zustand();
    s.FAV_xpos = 0;
    MdiDokument* fav = dokumentDerArt(kontext(), Dokumentart::FAV);
    // The cursor needs a linear abscissa.
    if ((s.Cursor.FAVon == 0 || s.FAV_abszisse == 0) && s.Cursor.FAV && fav) fav->befehl(CMD_CURSOR_FAV);
    if (fav) fav->update();
}

void OptionenModul::FKFOPT() {
    FkfOptionendialog d(kontext(), kontext().fenster());
    d.exec();
    ZorState& s = kontext().zustand();
    s.FKF_xpos = 0;
    MdiDokument* fkf = dokumentDerArt(kontext(), Dokumentart::FKF);
    if (s.Cursor.FKFon == 0 && s.Cursor.FKF && s.Fenster.FKF) {
        if (fkf)
            fkf->befehl(CMD_CURSOR_FKF);
        else
            kontext().meldung().zeige(QStringLiteral("hwndFKF == NULL"), QString());
    }
    if (fkf) fkf->update();
}

}  // namespace zor::app
