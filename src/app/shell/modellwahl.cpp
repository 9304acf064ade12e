// The model choice of both parameter sets, which the frame carries out itself.

#include "app/platform/meldungsdienst.h"
#include "app/kontext/befehle.h"
#include "app/shell/hauptfenster.h"
#include "app/kontext/mdi_dokument.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "core/util/ergebnis.h"

namespace zor::app {

// Direct choice (507..509, 515..517): the dialog edits the set of its menu.
void Hauptfenster::modellDialog(int id) {
    const int satz = id >= CMD_SATZ2_BSC ? 1 : 0;
    zustand_.Modell.dialog_init = satz;
    zustand_.Modell.dialog_exit = satz;
    nochNichtVerfuegbar(id);
}

// "wie Parametersatz": the dialog starts from the other set and writes to this one.
void Hauptfenster::wieParametersatz(int id) {
    const int satz = id == CMD_SATZ1_WIE_SATZ2 ? 0 : 1;
    const int andere = 1 - satz;
    zustand_.Modell.dialog_init = andere;
    zustand_.Modell.dialog_exit = satz;
    const int erster = satz == 0 ? CMD_SATZ1_BSC : CMD_SATZ2_BSC;
    switch (modellart(modellVon(zustand_, andere))) {
    case Modellart::BSC: nochNichtVerfuegbar(erster); break;
    case Modellart::GE: nochNichtVerfuegbar(erster + 1); break;
    case Modellart::MC: nochNichtVerfuegbar(erster + 2); break;
    case Modellart::Datei: mainframe_OnCommand(satz == 0 ? CMD_SATZ1_DATEI : CMD_SATZ2_DATEI); break;
    default: mainframe_OnCommand(satz == 0 ? CMD_SATZ1_INAKTIV : CMD_SATZ2_INAKTIV); break;
    }
}

void Hauptfenster::inaktiv(int id) {
    const int satz = id == CMD_SATZ1_INAKTIV ? 0 : 1;
    Menue& zor = menue(MENU_ZOR);
    const int speichern = satz == 0 ? CMD_SPEICHERN_SATZ1 : CMD_SPEICHERN_SATZ2;
    zor.grau(speichern, true);
    SetupTheToolbar(speichern, 0);
    if (satz == 0) SetupTheMenu(zor, CMD_MULTIMEDIA);

    if (satz == 0)
        Para1_unchecked();
    else
        Para2_unchecked();
    zor.haken(id, true);

    auto& modell = modellVon(zustand_, satz);
    if (modell != INAKTIV) {
        (satz == 0 ? zustand_.FAV_uhr1 : zustand_.FAV_uhr2) = 0;
        (satz == 0 ? zustand_.FKF_uhr1 : zustand_.FKF_uhr2) = 0;
        zustand_.Fenster.aktualisiert = 0;
        mainframe_OnCommand(CMD_AKTUALISIEREN);
    }
    modell = INAKTIV;

    if (modellVon(zustand_, 1 - satz) == INAKTIV) {
        zustand_.Modell.inaktiv = 1;
        zor.grau(CMD_DRUCKEN, true);
        SetupTheToolbar(CMD_DRUCKEN, 0);
        if (zustand_.Cursor.FAV) mainframe_OnCommand(CMD_CURSOR_FAV);
        if (zustand_.Cursor.FKF) mainframe_OnCommand(CMD_CURSOR_FKF);
    }
}

}  // namespace zor::app
