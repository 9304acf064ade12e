#include "app/dialogs/modellwahl_modul.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/dialogs/ge_mc_dialog.h"
#include "app/dialogs/parameterdialog.h"
#include "app/dialogs/parametervorlagen.h"

namespace zor::app {
namespace {

// The direct-choice items of each set, in the order of the kinds below.
constexpr Modellart ARTEN[] = {Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW};
constexpr int ERSTER[] = {CMD_SATZ1_BSC, CMD_SATZ2_BSC};
constexpr int DATEI[] = {CMD_SATZ1_DATEI, CMD_SATZ2_DATEI};
constexpr int INAKTIV_BEFEHL[] = {CMD_SATZ1_INAKTIV, CMD_SATZ2_INAKTIV};

int satzVonBefehl(int id) { return id >= CMD_SATZ2_BSC ? 1 : 0; }

}  // namespace

ModellwahlModul::ModellwahlModul(Kontext& kontext) : Befehlsmodul(kontext) {}

int ModellwahlModul::Eingabe(Modellart art) {
    if (ParameterdialogAusfuehren(kontext(), art) != 1) return -1;
    ZorState& s = kontext().zustand();
    const int satz = s.Modell.dialog_exit;
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(art, satz));
    s.Modell.inaktiv = 0;
    kontext().befehleAbgleichen();
    if (art == Modellart::GE && satzSicht(s, satz).gemc != 0) Umrechnung(kontext().fenster(), geWerte(s, satz).data());
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
    case Modellart::Datei: kontext().befehl(DATEI[satz]); break;
    case Modellart::Inaktiv: kontext().befehl(INAKTIV_BEFEHL[satz]); break;
    default: Eingabe(art); break;
    }
}

void ModellwahlModul::inaktiv(int id) {
    const int satz = id == CMD_SATZ1_INAKTIV ? 0 : 1;
    ZorState& s = kontext().zustand();
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
        if (s.Cursor.FAV) kontext().befehl(CMD_CURSOR_FAV);
        if (s.Cursor.FKF) kontext().befehl(CMD_CURSOR_FKF);
    }
}

namespace {

constexpr const char* SATZ1 = "&Parameterwahl/Parametersatz &1";
constexpr const char* SATZ2 = "&Parameterwahl/Parametersatz &2";

// The GE dialog confirmed with the MC output checked brings the GE->MC dialog.
void geMcBild(Bildaufnahme& a) {
    a.rahmen(true);
    const QString bild = QStringLiteral("ge_mc");
    a.modal(CMD_SATZ1_GE, bild,
            {{QStringLiteral("id_%1").arg(DLG_GE),
              [](QWidget* d) {
                  if (auto* c = d->findChild<QCheckBox*>(QStringLiteral("id_%1").arg(ID_GEMC))) c->setChecked(true);
                  if (auto* ok = d->findChild<QAbstractButton*>(QStringLiteral("id_%1").arg(ID_BESTAETIGEN)))
                      ok->click();
              }},
             {QStringLiteral("id_%1").arg(DLG_GE_MC), [&a, bild](QWidget* d) {
                  a.bild(d, bild);
                  static_cast<QDialog*>(d)->accept();
              }}});
}

Fenster parameterfenster(int dialog, const char* seite, const char* bild, int befehl) {
    const QString name = QStringLiteral("id_%1").arg(dialog);
    return {.name = name,
            .hilfe = QLatin1String(seite) + QStringLiteral(".hlp"),
            .befehl = befehl,
            .bilder = {dialogBild(QLatin1String(bild), true, befehl, name)}};
}

const std::vector<Fenster>& fenster() {
    static const std::vector<Fenster> f = {
        parameterfenster(DLG_BSC, "dlg_bsc", "param_bsc", CMD_SATZ1_BSC),
        parameterfenster(DLG_GE, "dlg_ge", "param_ge", CMD_SATZ1_GE),
        parameterfenster(DLG_MC, "dlg_mc", "param_mc", CMD_SATZ1_MC),
        parameterfenster(DLG_SW, "dlg_sw", "param_sw", CMD_SATZ2_SW),
        {.name = QStringLiteral("id_%1").arg(DLG_GE_MC),
         .hilfe = QStringLiteral("dlg_gemc.hlp"),
         .befehl = CMD_SATZ1_GE,
         .bilder = {{QStringLiteral("ge_mc"), {}, &geMcBild}}},
    };
    return f;
}

}  // namespace

const Modul& ModellwahlModul::beschreibung() {
    using M = ModellwahlModul;
    constexpr auto dialog = ruft<&M::modellDialog>;
    static const Modul m{
        .name = "Modellwahl",
        .erzeuge = &fabrik<M>,
        .befehle =
            {
                {CMD_SATZ1_BSC, dialog, "BSC-Modell!", {im(MENU_ZOR, SATZ1, 10, "&BSC...", HAKEN)}},
                {CMD_SATZ1_GE, dialog, "GE-Modell!", {im(MENU_ZOR, SATZ1, 20, "&Gilbert-Elliott...")}},
                {CMD_SATZ1_MC, dialog, "MC-Modell!", {im(MENU_ZOR, SATZ1, 30, "&Mc Cullough...")}},
                {CMD_SATZ1_SW, dialog, "SW-Modell (Dreizustandsmodell)!", {im(MENU_ZOR, SATZ1, 40, "&SW-Modell...")}},
                {CMD_SATZ1_WIE_SATZ2,
                 ruft<&M::wieParametersatz>,
                 nullptr,
                 {im(MENU_ZOR, SATZ1, 60, "wie Parametersatz &2...")}},
                {CMD_SATZ1_INAKTIV, ruft<&M::inaktiv>, nullptr, {im(MENU_ZOR, SATZ1, 90, "&inaktiv")}},
                {CMD_SATZ2_BSC, dialog, "BSC-Modell!", {im(MENU_ZOR, SATZ2, 10, "&BSC...")}},
                {CMD_SATZ2_GE, dialog, "GE-Modell!", {im(MENU_ZOR, SATZ2, 20, "&Gilbert-Elliott...")}},
                {CMD_SATZ2_MC, dialog, "MC-Modell!", {im(MENU_ZOR, SATZ2, 30, "&Mc Cullough...")}},
                {CMD_SATZ2_SW, dialog, "SW-Modell (Dreizustandsmodell)!", {im(MENU_ZOR, SATZ2, 40, "&SW-Modell...")}},
                {CMD_SATZ2_WIE_SATZ1,
                 ruft<&M::wieParametersatz>,
                 nullptr,
                 {im(MENU_ZOR, SATZ2, 60, "wie Parametersatz &1...")}},
                {CMD_SATZ2_INAKTIV, ruft<&M::inaktiv>, nullptr, {im(MENU_ZOR, SATZ2, 90, "&inaktiv", HAKEN)}},
            },
        .fenster = {&fenster()[0], &fenster()[1], &fenster()[2], &fenster()[3], &fenster()[4]},
        .menues =
            {
                popup(MENU_ZOR, "&Parameterwahl", 10, "Parametersatz &1"),
                trenner(MENU_ZOR, SATZ1, 50),
                trenner(MENU_ZOR, SATZ1, 80),
                popup(MENU_ZOR, "&Parameterwahl", 20, "Parametersatz &2"),
                trenner(MENU_ZOR, SATZ2, 50),
                trenner(MENU_ZOR, SATZ2, 80),
            },
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
