#include "app/documents/fav_dokument.h"

#include "app/context/befehle.h"
#include "app/documents/theoriebilder.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "core/documents/kurven_csv.h"

namespace zor::app {
namespace {

const Kurvenart FAV_ART = {
    .cursorZeigen = CMD_CURSOR_FAV_ZEIGEN,
    .cursorLoeschen = CMD_CURSOR_FAV,
    .optionen = CMD_FAV_OPTIONEN,
    .tochter = &ZorState::FAV,
    .cursor = &STRUCT_CURSOR::FAV,
    .xpos = &ZorState::FAV_xpos,
    .defbereich = &ZorState::FAV_defbereich,
    .rechtsVorEnde = 1,
    // The cursor follows the linear abscissa's points.
    .autoCursor = [](const ZorState& s) { return s.Cursor.FAVon != 0 && s.FAV_abszisse != 0; },
    .rechnung = [](const ZorState& s) { return kurvenrechnung(&favAuftrag, s); },
    .titel = "Fehlerabstandsverteilung",
    .malen = &favMalen,
    .geometrie = &favCursorGeometrie,
    .kurven = &favCursorKurven,
    .maus = &favMausPosition,
    .csv = &FAV_Csv,
    .fav = true,
};

}  // namespace

FAVDokument::FAVDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : KurvenDokument(kontext, dokumentart(), FAV_ART, std::move(vorlagen)) {}

const ModellDokumentart& FAVDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("fav"),
                    .hilfe = QStringLiteral("zor_fav.hlp"),
                    .befehl = CMD_OEFFNEN_FAV,
                    .titel = QStringLiteral("Fehlerabstandsverteilung"),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'v', CMD_OEFFNEN_FAV, CMD_SCHLIESSEN_FAV},
                    .filter = {&SATZ_EXPORT_BILD_CSV},
                    .bilder = {modellDokumentBild(QStringLiteral("fav"), CMD_OEFFNEN_FAV),
                               theoriekurvenBild(QStringLiteral("theorie_fav"), CMD_OEFFNEN_FAV)}},
        .menuetext = "Fehlerabstands&verteilung",
        .hinweis = "Erstellt ein Fehlerabstandsverteilung-Dokument!",
        .knopfRang = 30,
        .bild = "fav",
        .druck = &DRUCK_FAV,
        .erzeuge = [](Kontext& k, const Vorlagenquelle& v) -> ModellDokument* { return new FAVDokument(k, v); },
    };
    return a;
}

}  // namespace zor::app
