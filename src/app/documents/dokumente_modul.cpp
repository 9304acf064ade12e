#include "app/documents/dokumente_modul.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/documents/dokumentarten.h"
#include "app/documents/exportgroesse.h"
#include "app/documents/fav_dokument.h"
#include "app/documents/ff_dokument.h"
#include "app/documents/fkf_dokument.h"
#include "app/documents/par_dokument.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/bildausgabe.h"
#include "app/plot/vorlagen.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"

namespace zor::app {

DokumenteModul::DokumenteModul(Kontext& kontext)
    : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {}

// Cursor and warning commands reach their document also while another one is active.
void DokumenteModul::anFKF(int id) { anDokument(FKFDokument::dokumentart(), id); }
void DokumenteModul::anFAV(int id) { anDokument(FAVDokument::dokumentart(), id); }

void DokumenteModul::anDokument(const ModellDokumentart& art, int id) {
    if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), art)) {
        static_cast<MdiDokument*>(w->widget())->befehl(id);
        return;
    }
    // Without its document no cursor can stay shown.
    ZorState& s = kontext().zustand();
    if (id == CMD_CURSOR_FKF) s.Cursor.FKF = 0;
    if (id == CMD_CURSOR_FAV) s.Cursor.FAV = 0;
}

void DokumenteModul::aktualisieren(int) {
    ZorState& s = kontext().zustand();
    if (s.Fenster.aktualisiert == 1) return;
    s.Fenster.aktualisiert = 1;
    for (MdiDokument* d : kontext().dokumente())
        if (qobject_cast<ModellDokument*>(d)) d->update();
}

void DokumenteModul::oeffne(const ModellDokumentart& art) {
    if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), art)) {
        kontext().mdiFlaeche().setActiveSubWindow(w);
        return;
    }
    ModellDokument* neu = art.erzeuge(kontext(), vorlagen_);
    if (!neu->oeffnen()) {
        delete neu;
        kontext().meldung().zeige(QStringLiteral("Das Dokument konnte nicht erzeugt werden!"),
                                  QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
    }
}

void DokumenteModul::nachModellOeffnen() {
    if (kontext().zustand().Fenster.init == 0) kontext().zustand().Fenster.init = 1;
}

void DokumenteModul::oeffnen(int id) {
    if (const ModellDokumentart* art = dokumentartMitBefehl(id)) oeffne(*art);
    nachModellOeffnen();
}

// All of them in their fixed order; each keeps the place of its kind while they open.
void DokumenteModul::oeffnenAlle(int) {
    ZorState& s = kontext().zustand();
    s.Fenster.neu = static_cast<std::int16_t>(modellDokumentarten().size());
    for (const ModellDokumentart* art : modellDokumentarten())
        if (offenFlag(s, art->buchstabe()) == 0) oeffne(*art);
    nachModellOeffnen();
}

void DokumenteModul::schliessen(int id) {
    if (id == CMD_SCHLIESSEN_ALLE) {
        kontext().befehl(CMD_ALLE_SCHLIESSEN);
    } else if (const ModellDokumentart* art = dokumentartMitBefehl(id)) {
        if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), *art)) w->close();
    }
}

void DokumenteModul::exportieren(int) {
    auto* d = qobject_cast<ModellDokument*>(kontext().aktivesDokument());
    if (!d) return;
    if (kontext().zustand().Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    // Besides the pictures: the error sequence as text, the curves as CSV.
    const Bildformat neben = d->hatCsv() ? Bildformat::CSV : d->hatText() ? Bildformat::Text : Bildformat::Unbekannt;
    const Filtersatz& satz = neben == Bildformat::CSV    ? SATZ_EXPORT_BILD_CSV
                             : neben == Bildformat::Text ? SATZ_EXPORT_BILD_TEXT
                                                         : SATZ_EXPORT_BILD;
    QString filter;
    const auto pfad =
        kontext().dateiwahl().GetFileNameOutFWK(QStringLiteral("Exportieren"), d->windowTitle(), satz, &filter);
    if (!pfad) return;
    const bool deutsch = neben == Bildformat::CSV && filter == QString::fromUtf8(FILTER_CSV_DEUTSCH);
    const Bildformat format = formatVon(*pfad);
    // The files the sets and the document read, as they are now: the export must not replace one.
    Eingaben geschuetzt = satzDateien(kontext().zustand());
    for (std::string& e : d->eingaben()) geschuetzt.push_back(std::move(e));
    std::function<Ergebnis()> speichern;
    if (format == neben) {
        speichern = [d, pfad = *pfad, neben, geschuetzt, deutsch] {
            const std::string text = neben == Bildformat::CSV ? d->alsCsv() : d->alsText();
            return textSpeichern(pfad, deutsch ? csvDeutsch(text) : text, geschuetzt);
        };
    } else if (format == Bildformat::Text || format == Bildformat::CSV || format == Bildformat::Unbekannt) {
        zeige(kontext().meldung(),
              {neben == Bildformat::CSV    ? "Exportieren ist als PNG, SVG, PDF oder CSV möglich."
               : neben == Bildformat::Text ? "Exportieren ist als PNG, SVG, PDF oder Text möglich."
                                           : "Exportieren ist als PNG, SVG oder PDF möglich.",
               TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return;
    } else {
        const auto wahl = ExportGroesse::frage(d->size(), d->hatLegende() ? std::optional(legende_) : std::nullopt,
                                               kontext().fenster());
        if (!wahl) return;
        if (d->hatLegende()) legende_ = wahl->legende;
        speichern = [d, pfad = *pfad, w = *wahl, geschuetzt] {
            return bildSpeichern(
                pfad, w.groesse, [d, w](QPainter& p) { d->exportBild(p, w.groesse, w.legende); }, geschuetzt);
        };
    }
    // Stale curves are computed in the background first.
    d->bereit([this, speichern = std::move(speichern)] {
        if (const Ergebnis e = speichern(); !e) zeige(kontext().meldung(), e.meldung);
    });
}

const Modul& DokumenteModul::beschreibung() {
    using D = DokumenteModul;
    static const Modul beschrieben = [] {
        Modul m{
            .name = "Kanalmodell-Dokumente",
            .erzeuge = &fabrik<D>,
            .befehle =
                {
                    {CMD_AKTUALISIEREN,
                     ruft<&D::aktualisieren>,
                     "Die neuen Einstellungen auf Dokumente übertragen (aktualisieren)!",
                     {im(MENU_ZOR, "&Fenster", 10, "&Aktualisieren", GRAU)},
                     {knopf(CMD_ZORWERK, 60, "aktualisieren", false)}},
                    {CMD_OEFFNEN_ALLE,
                     ruft<&D::oeffnenAlle>,
                     "Öffnet alle ZOR-Dokumente!",
                     {im(MENU_ZOR, "&Fenster/Ö&ffnen", 10, "&Alle")}},
                    {CMD_SCHLIESSEN_ALLE,
                     ruft<&D::schliessen>,
                     nullptr,
                     {im(MENU_ZOR, "&Fenster/&Schließen", 10, "&Alle", GRAU)}},
                    {CMD_EXPORTIEREN,
                     ruft<&D::exportieren>,
                     "Speichert das aktive Dokument als Bild oder Text!",
                     {im(MENU_ZOR, "&Datei", 60, "&Exportieren...", GRAU)}},
                    {CMD_CURSOR_FKF_ZEIGEN, ruft<&D::anFKF>},
                    {CMD_CURSOR_FKF, ruft<&D::anFKF>},
                    {CMD_FKF_WARNUNG_GE, ruft<&D::anFKF>},
                    {CMD_FKF_WARNUNG_DATEI, ruft<&D::anFKF>},
                    {CMD_FKF_WARNUNG_MC, ruft<&D::anFKF>},
                    {CMD_CURSOR_FAV_ZEIGEN, ruft<&D::anFAV>},
                    {CMD_CURSOR_FAV, ruft<&D::anFAV>},
                },
            .fenster = {},
            .menues = {trenner(MENU_ZOR, "&Fenster/Ö&ffnen", 20), trenner(MENU_ZOR, "&Fenster/&Schließen", 20)},
            .knoepfe = {},
        };
        // Each document's open and close commands with their items and its toolbar button.
        int rang = 30;
        for (const ModellDokumentart* art : modellDokumentarten()) {
            m.befehle.push_back({art->oeffnen(),
                                 ruft<&D::oeffnen>,
                                 art->hinweis,
                                 {im(MENU_ZOR, "&Fenster/Ö&ffnen", rang, art->menuetext)},
                                 {knopf(CMD_ZORWERK, art->knopfRang, art->bild)}});
            m.befehle.push_back({art->schliessen(),
                                 ruft<&D::schliessen>,
                                 nullptr,
                                 {im(MENU_ZOR, "&Fenster/&Schließen", rang, art->menuetext, GRAU)}});
            m.fenster.push_back(&art->fenster);
            rang += 10;
        }
        return m;
    }();
    return beschrieben;
}

}  // namespace zor::app
