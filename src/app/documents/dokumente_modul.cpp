#include "app/documents/dokumente_modul.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/documents/exportgroesse.h"
#include "app/documents/fav_dokument.h"
#include "app/documents/ff_dokument.h"
#include "app/documents/fkf_dokument.h"
#include "app/documents/par_dokument.h"
#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/bildausgabe.h"
#include "app/plot/vorlagen.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {
namespace {

Modelldokument zumBefehl(int id, int erster) { return static_cast<Modelldokument>(id - erster); }

}  // namespace

DokumenteModul::DokumenteModul(Kontext& kontext)
    : Befehlsmodul(kontext), vorlagen_(programmVorlagen(QDir::currentPath())) {
    registriere({CMD_AKTUALISIEREN}, [this](int id) { aktualisieren(id); });
    registriere({CMD_OEFFNEN_ALLE}, [this](int id) { oeffnenAlle(id); });
    registriere({CMD_OEFFNEN_FF, CMD_OEFFNEN_FKF, CMD_OEFFNEN_FAV, CMD_OEFFNEN_PAR}, [this](int id) { oeffnen(id); });
    registriere({CMD_SCHLIESSEN_ALLE, CMD_SCHLIESSEN_FF, CMD_SCHLIESSEN_FKF, CMD_SCHLIESSEN_FAV, CMD_SCHLIESSEN_PAR},
                [this](int id) { schliessen(id); });
    // Cursor and warning commands reach their document also while another one is active.
    registriere({CMD_CURSOR_FKF_ZEIGEN, CMD_CURSOR_FKF, CMD_FKF_WARNUNG_GE, CMD_FKF_WARNUNG_DATEI, CMD_FKF_WARNUNG_MC},
                [this](int id) { anDokument(Modelldokument::FKF, id); });
    registriere({CMD_CURSOR_FAV_ZEIGEN, CMD_CURSOR_FAV}, [this](int id) { anDokument(Modelldokument::FAV, id); });
    registriere({CMD_EXPORTIEREN}, [this](int id) { exportieren(id); });
}

ModellDokument* DokumenteModul::erzeuge(Modelldokument d) {
    switch (d) {
    case Modelldokument::FF: return new FFDokument(kontext());
    case Modelldokument::FKF: return new FKFDokument(kontext(), vorlagen_);
    case Modelldokument::FAV: return new FAVDokument(kontext(), vorlagen_);
    case Modelldokument::PAR: return new ParDokument(kontext(), vorlagen_);
    }
    return nullptr;
}

void DokumenteModul::anDokument(Modelldokument d, int id) {
    if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), d)) {
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
        if (istModelldokument(d->art())) d->update();
    kontext().setzeAktiv(CMD_AKTUALISIEREN, false);
}

bool DokumenteModul::oeffne(Modelldokument d) {
    if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), d)) {
        kontext().mdiFlaeche().setActiveSubWindow(w);
        return true;
    }
    ModellDokument* neu = erzeuge(d);
    if (!neu) return false;
    if (!neu->oeffnen()) {
        delete neu;
        kontext().meldung().zeige(QStringLiteral("Das Dokument konnte nicht erzeugt werden!"),
                                  QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
    }
    return true;
}

void DokumenteModul::nachModellOeffnen() {
    if (kontext().zustand().Fenster.init == 0) kontext().zustand().Fenster.init = 1;
    modusWechselFreigeben(kontext());
}

void DokumenteModul::oeffnen(int id) {
    oeffne(zumBefehl(id, CMD_OEFFNEN_FF));
    nachModellOeffnen();
}

// The four in their fixed order; kinds not built yet are named once, together.
void DokumenteModul::oeffnenAlle(int) {
    ZorState& s = kontext().zustand();
    s.Fenster.neu = 4;
    QList<int> fehlen;
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d) == 0 && !oeffne(d)) fehlen << CMD_OEFFNEN_FF + static_cast<int>(d);
    if (!fehlen.isEmpty()) kontext().nochNichtVerfuegbar(fehlen);
    nachModellOeffnen();
}

void DokumenteModul::schliessen(int id) {
    if (id == CMD_SCHLIESSEN_ALLE) {
        kontext().befehl(CMD_ALLE_SCHLIESSEN);
    } else if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext(), zumBefehl(id, CMD_SCHLIESSEN_FF))) {
        w->close();
    }
    modusWechselFreigeben(kontext());
}

void DokumenteModul::exportieren(int) {
    auto* d = qobject_cast<ModellDokument*>(kontext().aktivesDokument());
    if (!d) return;
    if (kontext().zustand().Fenster.aktualisiert == 0) kontext().befehl(CMD_AKTUALISIEREN);
    // Besides the pictures: the error sequence as text, the curves as CSV.
    const Bildformat neben = d->hatCsv() ? Bildformat::CSV : d->hatText() ? Bildformat::Text : Bildformat::Unbekannt;
    const int satz = neben == Bildformat::CSV    ? SATZ_EXPORT_BILD_CSV
                     : neben == Bildformat::Text ? SATZ_EXPORT_BILD_TEXT
                                                 : SATZ_EXPORT_BILD;
    const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QStringLiteral("Exportieren"), d->windowTitle(), satz);
    if (!pfad) return;
    const Bildformat format = formatVon(*pfad);
    // The files the sets read, as they are now: the export must not replace one.
    const Eingaben geschuetzt = satzDateien(kontext().zustand());
    std::function<Ergebnis()> speichern;
    if (format == neben) {
        speichern = [d, pfad = *pfad, neben, geschuetzt] {
            return textSpeichern(pfad, neben == Bildformat::CSV ? d->alsCsv() : d->alsText(), geschuetzt);
        };
    } else if (format == Bildformat::Text || format == Bildformat::CSV || format == Bildformat::Unbekannt) {
        zeige(kontext().meldung(),
              {neben == Bildformat::CSV    ? "Exportieren ist als PNG, SVG, PDF oder CSV möglich."
               : neben == Bildformat::Text ? "Exportieren ist als PNG, SVG, PDF oder Text möglich."
                                           : "Exportieren ist als PNG, SVG oder PDF möglich.",
               TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return;
    } else {
        const auto groesse = ExportGroesse::frage(d->size(), kontext().fenster());
        if (!groesse) return;
        speichern = [d, pfad = *pfad, g = *groesse, geschuetzt] {
            return bildSpeichern(pfad, g, [d, g](QPainter& p) { d->zeichnen(p, g); }, geschuetzt);
        };
    }
    // Stale curves are computed in the background first.
    d->bereit([this, speichern = std::move(speichern)] {
        if (const Ergebnis e = speichern(); !e) zeige(kontext().meldung(), e.meldung);
    });
}

}  // namespace zor::app
