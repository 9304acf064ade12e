#include "app/dialogs/folge_speichern_laden.h"

#include "app/context/befehle.h"
#include "app/context/folgedatei.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/folge_speichern.h"

namespace zor::app {

FolgenModul::FolgenModul(Kontext& kontext) : Befehlsmodul(kontext) {}

const Modul& FolgenModul::beschreibung() {
    using F = FolgenModul;
    static const Fenster dateiwahl{
        .hilfe = QStringLiteral("folge.hlp"),
        .befehl = CMD_SPEICHERN_SATZ1,
        .filter = {&SATZ_FFO_FAB},
        .bilder = {dateiwahlBild(QStringLiteral("folge_speichern"), true, CMD_SPEICHERN_SATZ1)},
    };
    static const Modul m{
        .name = "Folgen",
        .erzeuge = &fabrik<F>,
        .befehle =
            {
                {CMD_SPEICHERN_SATZ1,
                 ruft<&F::speichern>,
                 "Speichert Parameterwahl_1 als Fehlerfolge bzw. Fehlerabstand!",
                 {im(MENU_ZOR, "&Datei", 10, "Speichern Fehlerfolge &1 unter...")},
                 {knopf(CMD_ZORWERK, 80, "speichern_1")}},
                {CMD_SPEICHERN_SATZ2,
                 ruft<&F::speichern>,
                 "Speichert Parameterwahl_2 als Fehlerfolge bzw. Fehlerabstand!",
                 {im(MENU_ZOR, "&Datei", 20, "Speichern Fehlerfolge &2 unter...", GRAU)},
                 {knopf(CMD_ZORWERK, 90, "speichern_2", false)}},
                {CMD_SATZ1_DATEI,
                 ruft<&F::laden>,
                 nullptr,
                 {im(MENU_ZOR, "&Parameterwahl/Parametersatz &1", 70, "aus &Datei...")}},
                {CMD_SATZ2_DATEI,
                 ruft<&F::laden>,
                 nullptr,
                 {im(MENU_ZOR, "&Parameterwahl/Parametersatz &2", 70, "aus &Datei...")}},
            },
        .fenster = {&dateiwahl},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

void FolgenModul::SaveAs(int satz) {
    ZorState& s = kontext().zustand();
    const auto name = folgedateiWaehlen(kontext(), Richtung::Speichern);
    if (!name) return;
    const std::string szFile = name->toStdString();
    const auto typ = Dateityp(szFile);
    if (!typ) {
        zeige(kontext().meldung(), {TEXT_KEIN_GUELTIGER_DATEINAME, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return;
    }
    // The job works on a copy of the set; the state changes only when it has ended.
    struct Gespeichert {
        Ergebnis e;
        bool abgebrochen = false;
    };
    const Satzparameter p = satzparameter(s, satz);
    kontext().hintergrund().starten<Gespeichert>(
        nullptr, {szFile, TEXT_WIRD_ERZEUGT},
        [p, typ = *typ, szFile, geschuetzt = satzDateien(s)](Fortschritt& f) {
            return Gespeichert{SaveFolge(p, typ, szFile, f, geschuetzt), f.abgebrochen()};
        },
        [this, szFile](Gespeichert g) {
            // A cancelled save left the file as it was: nothing to say, nothing to refresh.
            if (g.abgebrochen) return;
            if (!g.e) zeige(kontext().meldung(), {g.e.meldung.text, g.e.meldung.titel, Symbol::Ausrufezeichen});
            else kontext().geschriebenMelden(QString::fromStdString(szFile));
            // A set that reads this very file takes its new length.
            Datei_ueberschrieben(kontext().zustand(), szFile);
            kontext().befehleAbgleichen();
        });
}

void FolgenModul::Load(int satz) {
    ZorState& s = kontext().zustand();
    const auto name = folgedateiWaehlen(kontext(), Richtung::Oeffnen);
    if (!name) return;
    const LadenErgebnis e = mitWartecursor([&] { return zor::Load(s, satz, name->toStdString()); });
    for (const Meldung& m : e.meldungen) zeige(kontext().meldung(), m);
}

}  // namespace zor::app
