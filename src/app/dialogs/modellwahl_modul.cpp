#include "app/dialogs/modellwahl_modul.h"

#include "app/dialogs/ge_mc_dialog.h"
#include "app/dialogs/modellhaken.h"
#include "app/dialogs/parameterdialog.h"
#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"

namespace zor::app {
namespace {

// The direct-choice items of each set, in the order of the kinds below.
constexpr Modellart ARTEN[] = {Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW};
constexpr int ERSTER[] = {CMD_SATZ1_BSC, CMD_SATZ2_BSC};

int satzVonBefehl(int id) { return id >= CMD_SATZ2_BSC ? 1 : 0; }

}  // namespace

ModellwahlModul::ModellwahlModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_SATZ1_BSC, CMD_SATZ1_GE, CMD_SATZ1_MC, CMD_SATZ1_SW, CMD_SATZ2_BSC, CMD_SATZ2_GE, CMD_SATZ2_MC,
                 CMD_SATZ2_SW},
                [this](int id) { modellDialog(id); });
    registriere({CMD_SATZ1_WIE_SATZ2, CMD_SATZ2_WIE_SATZ1}, [this](int id) { wieParametersatz(id); });
    registriere({CMD_SATZ1_INAKTIV, CMD_SATZ2_INAKTIV}, [this](int id) { inaktiv(id); });
}

int ModellwahlModul::Eingabe(Modellart art) {
    if (ParameterdialogAusfuehren(kontext(), art) != 1) return -1;
    ZorState& s = kontext().zustand();
    const int satz = s.Modell.dialog_exit;
    const int stelle = static_cast<int>(art) - static_cast<int>(Modellart::BSC);
    modellHaken(kontext(), satz, ERSTER[satz] + stelle);
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(art, satz));
    if (art == Modellart::GE && satzSicht(s, satz).gemc != 0)
        Umrechnung(kontext().fenster(), geWerte(s, satz).data());
    kontext().setzeAktiv(CMD_DRUCKEN, true);
    s.Modell.inaktiv = 0;
    return 0;
}

// Direct choice: the dialog edits the set of its menu.
void ModellwahlModul::modellDialog(int id) {
    const int satz = satzVonBefehl(id);
    ZorState& s = kontext().zustand();
    s.Modell.dialog_init = satz;
    s.Modell.dialog_exit = satz;
    Eingabe(ARTEN[id - ERSTER[satz]]);
}

// "wie Parametersatz": the dialog starts from the other set and writes to this one.
void ModellwahlModul::wieParametersatz(int id) {
    const int satz = id == CMD_SATZ1_WIE_SATZ2 ? 0 : 1;
    ZorState& s = kontext().zustand();
    s.Modell.dialog_init = 1 - satz;
    s.Modell.dialog_exit = satz;
    switch (const Modellart art = modellart(modellVon(s, 1 - satz))) {
    case Modellart::Datei: kontext().befehl(SATZBEFEHLE[satz].datei()); break;
    case Modellart::Inaktiv: kontext().befehl(SATZBEFEHLE[satz].inaktiv()); break;
    default: Eingabe(art); break;
    }
}

void ModellwahlModul::inaktiv(int id) {
    const int satz = id == CMD_SATZ1_INAKTIV ? 0 : 1;
    ZorState& s = kontext().zustand();
    kontext().setzeAktiv(SATZBEFEHLE[satz].speichern, false);
    if (satz == 0) {
        const auto& f = s.Fenster;
        kontext().setzeAktiv(CMD_MULTIMEDIA, !(f.FF || f.FKF || f.FAV || f.PAR));
    }
    modellHaken(kontext(), satz, id);

    const auto v = satzSicht(s, satz);
    auto& modell = v.M;
    if (modell != INAKTIV) {
        v.FAV_uhr = 0;
        v.FKF_uhr = 0;
        s.Fenster.aktualisiert = 0;
        kontext().befehl(CMD_AKTUALISIEREN);
    }
    modell = INAKTIV;

    if (modellVon(s, 1 - satz) == INAKTIV) {
        s.Modell.inaktiv = 1;
        kontext().setzeAktiv(CMD_DRUCKEN, false);
        if (s.Cursor.FAV) kontext().befehl(CMD_CURSOR_FAV);
        if (s.Cursor.FKF) kontext().befehl(CMD_CURSOR_FKF);
    }
}

}  // namespace zor::app
