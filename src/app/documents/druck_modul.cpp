#include "app/documents/druck_modul.h"

#include <QDir>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/mdi_dokument.h"
#include "app/documents/dokumentarten.h"
#include "app/documents/druckauftrag.h"
#include "app/documents/kurvendokument.h"
#include "app/documents/seitenansicht.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/vorlagen.h"
#include "core/io/dateijob.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {
namespace {

// The curves the page of a curve document draws, where their cache is stale: the same
// computation as the document's window runs.
std::optional<Kurvenrechnung> druckKurven(const ZorState& s, const Kurvenart* k) {
    if (!k) return std::nullopt;
    const STRUCT_TOCHTER& t = s.*(k->tochter);
    if (t.ermittelt1 != 0 && t.ermittelt2 != 0) return std::nullopt;
    return k->rechnung(s);
}

// The reason (file and system error of a PDF that could not be written) as a second line.
void druckfehler(Kontext& k, const std::string& grund = {}) {
    const std::string text = grund.empty() ? std::string(TEXT_DRUCKFEHLER) : std::string(TEXT_DRUCKFEHLER) + "\n" + grund;
    k.meldung().zeige(QString::fromStdString(text), QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
}

}  // namespace

DruckModul::DruckModul(Kontext& kontext) : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {}

void DruckModul::vorbereiten(std::function<void(const Druckart&)> weiter) {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    MdiDokument* d = kontext().aktivesDokument();
    Druckbar* b = d ? d->druckbar() : nullptr;
    if (!b) {
        kontext().meldung().zeige(QString::fromUtf8(TEXT_NICHT_DRUCKBAR), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Ausrufezeichen);
        return;
    }
    // A window's own computation may be running: the page waits for it.
    const Druckart* art = &b->druckart();
    auto* kd = qobject_cast<KurvenDokument*>(d);
    const Kurvenart* kurven = kd ? &kd->kurvenart() : nullptr;
    kontext().hintergrund().danach(nullptr, [this, art, kurven, weiter = std::move(weiter)] {
        auto r = druckKurven(kontext().zustand(), kurven);
        if (!r) return weiter(*art);
        auto rechnung = std::make_shared<Kurvenrechnung>(std::move(*r));
        kontext().hintergrund().starten(nullptr, {kurven->titel}, rechnung->rechnen,
                                        [this, rechnung, art, weiter](bool abgebrochen) {
                                            if (abgebrochen) return;
                                            const Kurvenbericht k = rechnung->eintragen(kontext().zustand());
                                            for (const Meldung& m : k.meldungen) zeige(kontext().meldung(), m);
                                            if (k.rechenzeit) zeige(kontext().meldung(), *k.rechenzeit);
                                            // The documents' windows show the curves now stored.
                                            for (MdiDokument* dok : kontext().dokumente()) dok->update();
                                            weiter(*art);
                                        });
    });
}

Seitenmaler DruckModul::seite(const Druckart& art, std::shared_ptr<ZorState> s, std::vector<Meldung>* meldungen) const {
    return [vorlagen = vorlagen_, &art, s = std::move(s), meldungen](QPainter& p, QSize groesse) {
        Druckbericht b = druckseiteMalen(p, groesse, *s, vorlagen, art);
        if (meldungen) *meldungen = std::move(b.meldungen);
        return true;
    };
}

void DruckModul::drucken(int) {
    vorbereiten([this](const Druckart& art) {
        if (const QString drucker = standardDrucker(); !drucker.isEmpty()) {
            auto auftrag = Seitenauftrag::aufDrucker(drucker);
            if (!auftrag) return druckfehler(kontext());
            return druckeSeite(art, std::move(auftrag));
        }
        const QString vorschlag = kontext().aktivesDokument()->windowTitle();
        const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QString::fromUtf8(TEXT_ALS_PDF), vorschlag, SATZ_PDF);
        if (!pfad) return;
        // A set fed from a file reads it while the page is painted.
        const Eingaben geschuetzt = satzDateien(kontext().zustand());
        if (auto nein = ausgabeVerweigern(pfad->toStdString(), geschuetzt)) {
            for (const Meldung& m : nein->meldungen) zeige(kontext().meldung(), m);
            return;
        }
        druckeSeite(art, Seitenauftrag::alsPdf(*pfad, geschuetzt));
    });
}

// The worker paints from a copy of the state: the windows go on painting from theirs.
void DruckModul::druckeSeite(const Druckart& art, std::unique_ptr<Seitenauftrag> auftrag) {
    if (!abbruch_) abbruch_ = new Druckabbruch(kontext().fenster());
    struct Seite {
        std::shared_ptr<Seitenauftrag> auftrag;
        std::vector<Meldung> meldungen;
        bool gemalt = false;
    };
    auto seite = std::make_shared<Seite>();
    seite->auftrag = std::move(auftrag);
    const Seitenmaler maler = this->seite(art, std::make_shared<ZorState>(kontext().zustand()), &seite->meldungen);
    kontext().hintergrund().starten(
        nullptr, {DRUCK_DOKUMENTNAME, {}, abbruch_.data()},
        [seite, maler](Fortschritt&) { seite->gemalt = seite->auftrag->malen(maler); },
        [this, seite](bool abgebrochen) {
            for (const Meldung& m : seite->meldungen) zeige(kontext().meldung(), m);
            const Druckergebnis e =
                seite->gemalt ? seite->auftrag->abschliessen(abgebrochen) : Druckergebnis::Fehler;
            if (e != Druckergebnis::Gedruckt) druckfehler(kontext(), seite->auftrag->fehlergrund());
        });
}

// The document window reports its own file messages; the preview repaints silently.
void DruckModul::seitenansicht(int) {
    vorbereiten([this](const Druckart& art) {
        Seitenansicht ansicht(kontext().aktivesDokument()->windowTitle(),
                              seite(art, std::shared_ptr<ZorState>(&kontext().zustand(), [](ZorState*) {}), nullptr),
                              kontext().fenster());
        if (ansicht.exec() == QDialog::Accepted) kontext().befehl(CMD_DRUCKEN);
    });
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
                {CMD_DRUCKEN,
                 ruft<&D::drucken>,
                 "Druckt das aktive Dokument!",
                 {im(MENU_ZOR, "&Datei", 80, "&Drucken aktives Fenster", GRAU)},
                 {knopf(CMD_ZORWERK, 120, "drucken", false)}},
                {CMD_SEITENANSICHT,
                 ruft<&D::seitenansicht>,
                 "Zeigt die gedruckte Seite des aktiven Dokuments an!",
                 {im(MENU_ZOR, "&Datei", 70, "&Seitenansicht...", GRAU)}},
            },
        .fenster = {&ansicht, &abbruch},
        .menues = {},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
