#pragma once
// The channel-model documents as rows of one table, in their fixed order: the
// arrangement, the "Öffnen" and "Schließen" menus, the toolbar, printing and the frame's
// menu states all go by it. A new channel-model document is its own files and one row.

#include <string>
#include <vector>

#include "app/context/beschreibung.h"
#include "core/plot/plotag.h"

namespace zor {
struct Druckart;
}

namespace zor::app {

class ModellDokument;

struct ModellDokumentart {
    // Object name, help page, title, context menu, picture; `modell` holds its letter in
    // the arrangement and the commands that open and close it.
    Fenster fenster;
    const char* menuetext;  // its item under "Öffnen" and under "Schließen"
    const char* hinweis;    // the hint of its open command
    int knopfRang;          // its open button in the channel-model toolbar
    const char* bild;
    const Druckart* druck;  // what its printed page shows; nullptr when it has none
    ModellDokument* (*erzeuge)(Kontext& kontext, const Vorlagenquelle& vorlagen);

    char buchstabe() const { return fenster.modell->buchstabe; }
    int oeffnen() const { return fenster.modell->oeffnen; }
    int schliessen() const { return fenster.modell->schliessen; }
};

// What a document exports besides its picture: nothing, its text (FF) or its curves.
inline const Filtersatz SATZ_EXPORT_BILD{"Export", {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)"}};
inline const Filtersatz SATZ_EXPORT_BILD_TEXT{
    "Export mit Text", {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)", "Text (*.txt)"}};
// The same numbers for German spreadsheets: ';' and the decimal comma.
inline constexpr const char* FILTER_CSV_DEUTSCH = "Tabellenkalkulation (deutsch) (*.csv)";
inline const Filtersatz SATZ_EXPORT_BILD_CSV{
    "Export mit Kurven",
    {"PNG-Bild (*.png)", "SVG-Grafik (*.svg)", "PDF-Dokument (*.pdf)", "CSV-Tabelle (*.csv)", FILTER_CSV_DEUTSCH}};

// The help picture of a channel-model document: opened by its command and maximised, with
// set 2 a Gilbert-Elliott model beside the BSC of set 1 so that both show, its curves
// computed.
Bildrezept modellDokumentBild(const QString& bild, int befehl);
// The same document shown, for a picture of a dialog over it; false when it did not open.
bool modellDokumentZeigen(Bildaufnahme& a, int befehl, const QString& bild);

// The table: FF, FKF, FAV, PAR, the model fit, bursts and blocks.
const std::vector<const ModellDokumentart*>& modellDokumentarten();
// Their letters in the table's order, as the arrangement takes them.
const std::string& modellReihe();
// The row whose open or close command that is, or nullptr.
const ModellDokumentart* dokumentartMitBefehl(int id);

}  // namespace zor::app
