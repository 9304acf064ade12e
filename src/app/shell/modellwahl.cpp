// The channel-model commands the frame carries out itself: refresh, open/close
// bookkeeping and printing.

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

}  // namespace zor::app
