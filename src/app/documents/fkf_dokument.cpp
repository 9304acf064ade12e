#include "app/documents/fkf_dokument.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/documents/theoriebilder.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "core/documents/kurven_csv.h"
#include "core/models/kurvenquelle_datei.h"

namespace zor::app {
namespace {

const Kurvenart FKF_ART = {
    .cursorZeigen = CMD_CURSOR_FKF_ZEIGEN,
    .cursorLoeschen = CMD_CURSOR_FKF,
    .optionen = CMD_FKF_OPTIONEN,
    .tochter = &ZorState::FKF,
    .cursor = &STRUCT_CURSOR::FKF,
    .xpos = &ZorState::FKF_xpos,
    .defbereich = &ZorState::FKF_defbereich,
    .rechtsVorEnde = 0,
    .autoCursor = [](const ZorState& s) { return s.Cursor.FKFon != 0; },
    .rechnung = [](const ZorState& s) { return kurvenrechnung(&fkfAuftrag, s); },
    .titel = "Fehlerkorrelationsfunktion",
    .malen = &fkfMalen,
    .geometrie = &fkfCursorGeometrie,
    .kurven = &fkfCursorKurven,
    .maus = &fkfMausPosition,
    .csv = [](ZorState& s) { return FKF_Csv(s); },
};

struct Warnung {
    int befehl;
    const char* text;
};
constexpr Warnung WARNUNGEN[] = {
    {CMD_FKF_WARNUNG_GE, FKF_WARNUNG_GE},
    {CMD_FKF_WARNUNG_DATEI, FKF_WARNUNG_DATEI},
    {CMD_FKF_WARNUNG_MC, FKF_WARNUNG_MC},
};

}  // namespace

FKFDokument::FKFDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : KurvenDokument(kontext, dokumentart(), FKF_ART, std::move(vorlagen)) {}

const ModellDokumentart& FKFDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("fkf"),
                    .hilfe = QStringLiteral("zor_fkf.hlp"),
                    .befehl = CMD_OEFFNEN_FKF,
                    .titel = QStringLiteral("Fehlerkorrelationsfunktion"),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'k', CMD_OEFFNEN_FKF, CMD_SCHLIESSEN_FKF},
                    .filter = {&SATZ_EXPORT_BILD_CSV},
                    .bilder = {modellDokumentBild(QStringLiteral("fkf"), CMD_OEFFNEN_FKF),
                               theoriekurvenBild(QStringLiteral("theorie_fkf"), CMD_OEFFNEN_FKF)}},
        .menuetext = "Fehler&korrelationsfunktion",
        .hinweis = "Erstellt ein Fehlerkorrelationsfunktion-Dokument!",
        .knopfRang = 40,
        .bild = "fkf",
        .druck = &DRUCK_FKF,
        .erzeuge = [](Kontext& k, const Vorlagenquelle& v) -> ModellDokument* { return new FKFDokument(k, v); },
    };
    return a;
}

bool FKFDokument::befehl(int id) {
    for (const Warnung& w : WARNUNGEN)
        if (w.befehl == id) {
            zeige(kontext().meldung(), Meldung{w.text, FKF_MELDUNGSTITEL});
            return true;
        }
    return KurvenDokument::befehl(id);
}

}  // namespace zor::app
