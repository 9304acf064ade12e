#include "app/dialogs/optionen_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/dialogs/buendel_optionen.h"
#include "app/dialogs/fav_optionen.h"
#include "app/dialogs/fkf_optionen.h"
#include "core/documents/optionsregeln.h"

namespace zor::app {

OptionenModul::OptionenModul(Kontext& kontext) : Befehlsmodul(kontext) {}

void OptionenModul::FAVOPT(int) {
    FavOptionendialog d(kontext(), kontext().fenster());
    d.exec();
    if (nachFavOptionen(kontext().zustand())) kontext().befehl(CMD_CURSOR_FAV);
    neuMalen();
}

void OptionenModul::FKFOPT(int) {
    FkfOptionendialog d(kontext(), kontext().fenster());
    d.exec();
    if (nachFkfOptionen(kontext().zustand())) kontext().befehl(CMD_CURSOR_FKF);
    neuMalen();
}

void OptionenModul::BUENDELOPT(int) {
    BuendelOptionendialog d(kontext(), buendelEinstellungen(), kontext().fenster());
    d.exec();
    // As in the curve documents, closing the options puts the cursor on the first point.
    buendelEinstellungen().cursorX = 0;
    neuMalen();
}

// The curve documents show the new axes; the others repaint the same.
void OptionenModul::neuMalen() {
    for (MdiDokument* d : kontext().dokumente()) d->update();
}

const Modul& OptionenModul::beschreibung() {
    using O = OptionenModul;
    static const Fenster fav{
        .name = QStringLiteral("id_%1").arg(DLG_FAV_OPTIONEN),
        .hilfe = QStringLiteral("opt_fav.hlp"),
        .befehl = CMD_FAV_OPTIONEN,
        .bilder = {dialogBild(QStringLiteral("opt_fav"), true, CMD_FAV_OPTIONEN,
                              QStringLiteral("id_%1").arg(DLG_FAV_OPTIONEN))},
    };
    static const Fenster fkf{
        .name = QStringLiteral("id_%1").arg(DLG_FKF_OPTIONEN),
        .hilfe = QStringLiteral("opt_fkf.hlp"),
        .befehl = CMD_FKF_OPTIONEN,
        .bilder = {dialogBild(QStringLiteral("opt_fkf"), true, CMD_FKF_OPTIONEN,
                              QStringLiteral("id_%1").arg(DLG_FKF_OPTIONEN))},
    };
    static const Fenster buendel{
        .name = QStringLiteral("id_%1").arg(DLG_BUENDEL_OPTIONEN),
        .hilfe = QStringLiteral("opt_buendel.hlp"),
        .befehl = CMD_BUENDEL_OPTIONEN,
        .bilder = {dialogBild(QStringLiteral("opt_buendel"), true, CMD_BUENDEL_OPTIONEN,
                              QStringLiteral("id_%1").arg(DLG_BUENDEL_OPTIONEN))},
    };
    static const Modul m{
        .name = "Optionen",
        .erzeuge = &fabrik<O>,
        .befehle =
            {
                {CMD_FAV_OPTIONEN,
                 ruft<&O::FAVOPT>,
                 "Einstellungen für das FAV-Dokument!",
                 {im(MENU_ZOR, "&Optionen", 10, "für Fenster Fehlerabstands&verteilung...")}},
                {CMD_FKF_OPTIONEN,
                 ruft<&O::FKFOPT>,
                 "Einstellungen für FKF-Dokument!",
                 {im(MENU_ZOR, "&Optionen", 20, "für Fenster Fehler&korrelationsfunktion...")}},
                {CMD_BUENDEL_OPTIONEN,
                 ruft<&O::BUENDELOPT>,
                 "Einstellungen für das Dokument Bündel und Blöcke!",
                 {im(MENU_ZOR, "&Optionen", 30, "für Fenster &Bündel und Blöcke...")}},
            },
        .fenster = {&fav, &fkf, &buendel},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
