#include "app/dialogs/folge_speichern_laden.h"

#include "app/dialogs/modellhaken.h"
#include "app/hintergrund/hintergrund.h"
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
            if (Datei_ueberschrieben(kontext().zustand(), szFile)) kontext().setzeAktiv(CMD_AKTUALISIEREN, true);
        });
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
