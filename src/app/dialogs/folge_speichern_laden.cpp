#include "app/dialogs/folge_speichern_laden.h"

#include "app/dialogs/modellhaken.h"
#include "app/kontext/befehle.h"
#include "app/kontext/folgedatei.h"
#include "app/kontext/kontext.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"

namespace zor::app {

FolgenModul::FolgenModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_SPEICHERN_SATZ1, CMD_SPEICHERN_SATZ2}, [this](int id) { SaveAs(id - CMD_SPEICHERN_SATZ1); });
    registriere({CMD_SATZ1_DATEI}, [this](int) { Load(0); });
    registriere({CMD_SATZ2_DATEI}, [this](int) { Load(1); });
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
    Ergebnis e;
    {
        Wartecursor w;
        e = SaveFolge(s, satz, *typ, szFile, kontext().fortschritt());
    }
    if (!e) zeige(kontext().meldung(), {e.meldung.text, e.meldung.titel, Symbol::Ausrufezeichen});
    // A set that reads this very file takes its new length.
    if (Datei_ueberschrieben(s, szFile)) kontext().setzeAktiv(CMD_AKTUALISIEREN, true);
}

void FolgenModul::Load(int satz) {
    ZorState& s = kontext().zustand();
    const auto name = folgedateiWaehlen(kontext(), Richtung::Oeffnen);
    if (!name) return;
    LadenErgebnis e;
    {
        Wartecursor w;
        e = zor::Load(s, satz, name->toStdString());
    }
    for (const Meldung& m : e.meldungen) zeige(kontext().meldung(), m);
    if (e.art != LadenErgebnis::Art::Erfolg) return;
    modellHaken(kontext(), satz, SATZBEFEHLE[satz].datei());
    // A file-fed set has no sequence of its own to save.
    kontext().setzeAktiv(SATZBEFEHLE[satz].speichern, false);
    kontext().setzeAktiv(CMD_DRUCKEN, true);
    if (e.aktualisierenFreigeben) kontext().setzeAktiv(CMD_AKTUALISIEREN, true);
}

}  // namespace zor::app
