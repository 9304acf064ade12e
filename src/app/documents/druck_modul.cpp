#include "app/documents/druck_modul.h"

#include <QDir>

#include "app/documents/dokumentarten.h"
#include "app/documents/druckauftrag.h"
#include "app/documents/seitenansicht.h"
#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/vorlagen.h"
#include "core/io/dateijob.h"

namespace zor::app {

DruckModul::DruckModul(Kontext& kontext)
    : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {}

const Druckart* DruckModul::vorbereiten() {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    MdiDokument* d = kontext().aktivesDokument();
    Druckbar* b = d ? d->druckbar() : nullptr;
    if (!b) {
        kontext().meldung().zeige(QString::fromUtf8(TEXT_NICHT_DRUCKBAR), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Ausrufezeichen);
        return nullptr;
    }
    const Druckart& art = b->druckart();
    const Kurvenbericht k = druckKurvenErmitteln(s, art, kontext().fortschritt());
    for (const Meldung& m : k.meldungen) zeige(kontext().meldung(), m);
    if (k.rechenzeit) zeige(kontext().meldung(), *k.rechenzeit);
    return &art;
}

Seitenmaler DruckModul::seite(const Druckart& art, std::vector<Meldung>* meldungen) {
    return [this, &art, meldungen](QPainter& p, QSize groesse) {
        Druckbericht b = druckseiteMalen(p, groesse, kontext().zustand(), vorlagen_, art);
        if (meldungen) *meldungen = std::move(b.meldungen);
        return true;
    };
}

void DruckModul::drucken(int) {
    const Druckart* art = vorbereiten();
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
        const ZorState& s = kontext().zustand();
        if (auto gleich = gleicheDateiVerweigern(pfad->toStdString(), {s.Datei1.szFileName, s.Datei2.szFileName})) {
            for (const Meldung& m : gleich->meldungen) zeige(kontext().meldung(), m);
            return;
        }
        e = druckeAlsPdf(*pfad, kontext().fenster(), seite(*art, &meldungen));
    }
    for (const Meldung& m : meldungen) zeige(kontext().meldung(), m);
    if (e != Druckergebnis::Gedruckt)
        kontext().meldung().zeige(QString::fromUtf8(TEXT_DRUCKFEHLER), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Ausrufezeichen);
}

// The document window reports its own file messages; the preview repaints silently.
void DruckModul::seitenansicht(int) {
    const Druckart* art = vorbereiten();
    if (!art) return;
    Seitenansicht ansicht(kontext().aktivesDokument()->windowTitle(), seite(*art, nullptr), kontext().fenster());
    if (ansicht.exec() == QDialog::Accepted) kontext().befehl(CMD_DRUCKEN);
}

namespace {

// The page preview of the FKF document. The page is the PDF page used without a printer,
// so that a printer installed on this machine does not change the picture.
void seitenansichtBild(Bildaufnahme& a) {
    const QString bild = QStringLiteral("seitenansicht");
    if (!modellDokumentZeigen(a, CMD_OEFFNEN_FKF, bild)) return;
    const Druckersuche vorher = setzeDruckersuche([] { return QString(); });
    a.modal(CMD_SEITENANSICHT, bild, bild);
    setzeDruckersuche(vorher);
}

}  // namespace

const Modul& DruckModul::beschreibung() {
    using D = DruckModul;
    static const Fenster ansicht{
        .name = QStringLiteral("seitenansicht"),
        .hilfe = QStringLiteral("drucken.hlp"),
        .befehl = CMD_SEITENANSICHT,
        .bilder = {{QStringLiteral("seitenansicht"), {}, &seitenansichtBild}},
    };
    // The cancel dialog while the page goes to the printer; without one, a PDF file.
    static const Fenster abbruch{
        .name = QStringLiteral("id_%1").arg(DLG_DRUCKABBRUCH),
        .hilfe = QStringLiteral("drucken.hlp"),
        .befehl = CMD_DRUCKEN,
        .filter = {&SATZ_PDF},
    };
    static const Modul m{
        .name = "Drucken",
        .erzeuge = &fabrik<D>,
        .befehle =
            {
                {CMD_DRUCKEN, ruft<&D::drucken>, "Druckt das aktive Dokument!",
                 {im(MENU_ZOR, "&Datei", 80, "&Drucken aktives Fenster", GRAU)},
                 {knopf(CMD_ZORWERK, 120, "drucken", false)}},
                {CMD_SEITENANSICHT, ruft<&D::seitenansicht>, "Zeigt die gedruckte Seite des aktiven Dokuments an!",
                 {im(MENU_ZOR, "&Datei", 70, "&Seitenansicht...", GRAU)}},
            },
        .fenster = {&ansicht, &abbruch},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
