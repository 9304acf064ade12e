#include "app/documents/fav_dokument.h"

#include "app/kontext/befehle.h"
#include "app/plot/dokumentbilder.h"
#include "core/dokumente/kurven_csv.h"

namespace zor::app {
namespace {

const Kurvenart FAV_ART = {
    .welches = Modelldokument::FAV,
    .name = "fav",
    .druckKopf = 'c',
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
};

}  // namespace

FAVDokument::FAVDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : KurvenDokument(kontext, FAV_ART, std::move(vorlagen)) {}

}  // namespace zor::app
