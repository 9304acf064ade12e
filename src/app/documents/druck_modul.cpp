#include "app/documents/druck_modul.h"

#include <QDir>

#include "app/documents/druckauftrag.h"
#include "app/documents/seitenansicht.h"
#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/kontext/mdi_dokument.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/vorlagen.h"
#include "core/io/dateijob.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {

DruckModul::DruckModul(Kontext& kontext)
    : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {
    registriere({CMD_DRUCKEN}, [this](int id) { drucken(id); });
    registriere({CMD_SEITENANSICHT}, [this](int id) { seitenansicht(id); });
}

std::optional<Druckart> DruckModul::vorbereiten() {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    MdiDokument* d = kontext().aktivesDokument();
    Druckbar* b = d ? d->druckbar() : nullptr;
    if (!b) {
        kontext().meldung().zeige(QString::fromUtf8(TEXT_NICHT_DRUCKBAR), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Ausrufezeichen);
        return std::nullopt;
    }
    const Druckart art = druckartVon(b->druckKopf());
    const Kurvenbericht k = druckKurvenErmitteln(s, art, kontext().fortschritt());
    for (const Meldung& m : k.meldungen) zeige(kontext().meldung(), m);
    if (k.rechenzeit) zeige(kontext().meldung(), *k.rechenzeit);
    return art;
}

Seitenmaler DruckModul::seite(Druckart art, std::vector<Meldung>* meldungen) {
    return [this, art, meldungen](QPainter& p, QSize groesse) {
        Druckbericht b = druckseiteMalen(p, groesse, kontext().zustand(), vorlagen_, art);
        if (meldungen) *meldungen = std::move(b.meldungen);
        return true;
    };
}

void DruckModul::drucken(int) {
    const auto art = vorbereiten();
    if (!art) return;
    std::vector<Meldung> meldungen;
    Druckergebnis e = Druckergebnis::Fehler;
    if (const QString drucker = standardDrucker(); !drucker.isEmpty()) {
        e = druckeAufDrucker(drucker, kontext().fenster(), seite(*art, &meldungen));
    } else {
        const QString vorschlag = kontext().aktivesDokument()->windowTitle();
        const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QString::fromUtf8(TEXT_ALS_PDF), vorschlag, SATZ_PDF);
        if (!pfad) return;
        // A set fed from a file reads it while the page is painted.
        const Eingaben geschuetzt = satzDateien(kontext().zustand());
        if (auto nein = ausgabeVerweigern(pfad->toStdString(), geschuetzt)) {
            for (const Meldung& m : nein->meldungen) zeige(kontext().meldung(), m);
            return;
        }
        e = druckeAlsPdf(*pfad, kontext().fenster(), seite(*art, &meldungen), geschuetzt);
    }
    for (const Meldung& m : meldungen) zeige(kontext().meldung(), m);
    if (e != Druckergebnis::Gedruckt)
        kontext().meldung().zeige(QString::fromUtf8(TEXT_DRUCKFEHLER), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Ausrufezeichen);
}

// The document window reports its own file messages; the preview repaints silently.
void DruckModul::seitenansicht(int) {
    const auto art = vorbereiten();
    if (!art) return;
    Seitenansicht ansicht(kontext().aktivesDokument()->windowTitle(), seite(*art, nullptr), kontext().fenster());
    if (ansicht.exec() == QDialog::Accepted) kontext().befehl(CMD_DRUCKEN);
}

}  // namespace zor::app
