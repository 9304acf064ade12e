// The channel-model commands the frame carries out itself: refresh, open/close
// bookkeeping, printing, and the model choice of both parameter sets.

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/platform/meldungsdienst.h"
#include "app/kontext/befehle.h"
#include "app/shell/hauptfenster.h"
#include "app/kontext/mdi_dokument.h"
#include "app/shell/menue.h"
#include "app/shell/werkzeugleiste.h"
#include "core/util/ergebnis.h"

namespace zor::app {

bool Hauptfenster::modellDokumentOffen() const {
    const auto& f = zustand_.Fenster;
    return f.FF || f.FKF || f.FAV || f.PAR;
}

void Hauptfenster::nachModellOeffnen() {
    if (zustand_.Fenster.init == 0) zustand_.Fenster.init = 1;
    SetupTheToolbar(CMD_MULTIMEDIA, 1);
    SetupTheMenu(menue(MENU_ZOR), CMD_MULTIMEDIA);
}

void Hauptfenster::aktualisieren(int) {
    if (zustand_.Fenster.aktualisiert == 1) return;
    zustand_.Fenster.aktualisiert = 1;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* d = qobject_cast<MdiDokument*>(w->widget()); d && istModelldokument(d->art())) d->update();
    menue(MENU_ZOR).grau(CMD_AKTUALISIEREN, true);
    SetupTheToolbar(CMD_AKTUALISIEREN, 0);
}

void Hauptfenster::oeffnenAlle(int) {
    auto& f = zustand_.Fenster;
    f.neu = 4;
    if (f.FF == 0) mainframe_OnCommand(CMD_OEFFNEN_FF);
    if (f.FKF == 0) mainframe_OnCommand(CMD_OEFFNEN_FKF);
    if (f.FAV == 0) mainframe_OnCommand(CMD_OEFFNEN_FAV);
    if (f.PAR == 0) mainframe_OnCommand(CMD_OEFFNEN_PAR);
    nachModellOeffnen();
}

void Hauptfenster::schliessenModell(int id) {
    if (id == CMD_SCHLIESSEN_ALLE) {
        mainframe_OnCloseAll();
    } else {
        constexpr Dokumentart ARTEN[] = {Dokumentart::FF, Dokumentart::FKF, Dokumentart::FAV, Dokumentart::PAR};
        const Dokumentart art = ARTEN[id - CMD_SCHLIESSEN_FF];
        for (QMdiSubWindow* w : mdi_->subWindowList())
            if (auto* d = qobject_cast<MdiDokument*>(w->widget()); d && d->art() == art) w->close();
    }
    SetupTheToolbar(CMD_MULTIMEDIA, 1);
    SetupTheMenu(menue(MENU_ZOR), CMD_MULTIMEDIA);
}

void Hauptfenster::drucken(int) {
    if (zustand_.Fenster.aktualisiert == 0) mainframe_OnCommand(CMD_AKTUALISIEREN);
    MdiDokument* d = aktivesDokument();
    if (!d || !d->druckbar()) {
        meldung_.zeige(QStringLiteral("Parameterfenster kann nicht ausgedruckt werden!"),
                       QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
        return;
    }
    nochNichtVerfuegbar(CMD_DRUCKEN);
}

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
