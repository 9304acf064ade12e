#include "app/shell/menue_tabellen.h"

#include <initializer_list>
#include <map>

#include "app/kontext/befehle.h"

namespace zor::app {
namespace {

using Block = std::vector<MenuEintrag>;

MenuEintrag popup(int ebene, const char* text, unsigned art = 0) {
    return {ebene, 0, text, POPUP | art, nullptr};
}
MenuEintrag item(int ebene, int id, const char* text, unsigned art = 0, const char* kuerzel = nullptr) {
    return {ebene, id, text, art, kuerzel};
}
MenuEintrag trenner(int ebene) { return {ebene, 0, nullptr, TRENNER, nullptr}; }

Block verbinde(std::initializer_list<Block> teile) {
    Block b;
    for (const auto& t : teile) b.insert(b.end(), t.begin(), t.end());
    return b;
}

// Pop-ups shared by the document menus.
Block verfaelschenDokument() {
    return {popup(0, "&Verfälschen"), item(1, CMD_VERF_BSC, "&BSC-Modell"),
            item(1, CMD_VERF_GE, "&GE-Modell"), item(1, CMD_VERF_MC, "&MC-Modell"),
            item(1, CMD_VERF_FFO_FAB, "&FFO-Verfahren")};
}
Block erstellen() {
    return {popup(0, "&Erstellen"), item(1, CMD_VERGLEICHSDATEI, "&Vergleichsdatei..."),
            item(1, CMD_FFO_FAB_AUS_VGL, "&Fehlerfolge bzw. Fehlerabstand..."),
            item(1, CMD_KONVERTIEREN, "&Konvertieren...")};
}
Block fensterDokument() {
    return {popup(0, "&Fenster"), item(1, CMD_KASKADIERT, "&Kaskadiert"),
            item(1, CMD_UNTEREINANDER, "&Untereinander"), item(1, CMD_NEBENEINANDER, "&Nebeneinander"),
            item(1, CMD_ICONS_EINORDNEN, "Icons einordnen"), trenner(1),
            item(1, CMD_SCHLIESSEN, "&Schließen"), item(1, CMD_ALLE_SCHLIESSEN, "&Alle schließen")};
}
Block hilfeDokument() {
    return {popup(0, "&Hilfe"), item(1, CMD_UEBER_PROGRAMM, "Ü&ber das Programm"),
            item(1, CMD_HILFE, "&Hilfe"), item(1, CMD_BEISPIELDATEIEN, "&Beispieldateien...")};
}
Block medienDokument() {
    return {item(1, CMD_WAVE, "&Wave..."), item(1, CMD_VIDEO, "&Video..."), item(1, CMD_MCI, "&MCI"),
            trenner(1), item(1, CMD_BEENDEN, "B&eenden")};
}

Block startMenue() {
    return {item(0, CMD_MULTIMEDIA, "&Multimedia!", 0, "Ctrl+M"),
            item(0, CMD_ZORWERK, "&Zorwerk!", 0, "Ctrl+K"),
            item(0, CMD_BEENDEN, "&Beenden"),
            popup(0, "&Hilfe"),
            item(1, CMD_HILFE_F1, "H&ilfe\tF1", 0, "F1"),
            item(1, CMD_SKRIPTUM, "&Skriptum"),
            item(1, CMD_HILFE_UEBER_HILFE, "Hil&fe über Hilfe"),
            trenner(1),
            item(1, CMD_UEBER, "Ü&ber")};
}

Block multimediaMenue() {
    return verbinde({
        {popup(0, "&Datei"), item(1, CMD_HEX, "&Hex..."), item(1, CMD_BIN, "&Bin..."),
         item(1, CMD_BITMAP, "B&itmap..."), trenner(1), item(1, CMD_WAVE, "&Wave..."),
         item(1, CMD_VIDEO, "&Video..."), item(1, CMD_MCI, "&MCI"),
         item(1, CMD_MIDI, "MIDI-&Information..."), item(1, CMD_GRAFIK, "&Grafik-Beispiel"),
         trenner(1), item(1, CMD_BEENDEN, "B&eenden")},
        {popup(0, "&Verfälschen"), item(1, CMD_VERF_BSC, "&BSC -Modell"), item(1, CMD_VERF_GE, "GE-Modell"),
         item(1, CMD_VERF_MC, "&MC-Modell"), item(1, CMD_VERF_FFO_FAB, "&FFO/FAB-Verfahren")},
        erstellen(),
        {item(0, CMD_ZORWERK, "&Zorwerk", 0, "Ctrl+K")},
        hilfeDokument(),
    });
}

Block zorMenue() {
    return {
        popup(0, "&Datei"),
        item(1, CMD_SPEICHERN_SATZ1, "Speichern Fehlerfolge &1 unter..."),
        item(1, CMD_SPEICHERN_SATZ2, "Speichern Fehlerfolge &2 unter...", GRAU),
        trenner(1),
        item(1, CMD_KONVERTIEREN_ZOR, "&Konvertieren..."),
        trenner(1),
        item(1, CMD_EXPORTIEREN, "&Exportieren...", GRAU),
        item(1, CMD_SEITENANSICHT, "&Seitenansicht...", GRAU),
        item(1, CMD_DRUCKEN, "&Drucken aktives Fenster", GRAU),
        trenner(1),
        item(1, CMD_BEENDEN, "B&eenden"),
        popup(0, "&Parameterwahl"),
        popup(1, "Parametersatz &1"),
        item(2, CMD_SATZ1_BSC, "&BSC...", HAKEN),
        item(2, CMD_SATZ1_GE, "&Gilbert-Elliott..."),
        item(2, CMD_SATZ1_MC, "&Mc Cullough..."),
        item(2, CMD_SATZ1_SW, "&SW-Modell..."),
        trenner(2),
        item(2, CMD_SATZ1_WIE_SATZ2, "wie Parametersatz &2..."),
        item(2, CMD_SATZ1_DATEI, "aus &Datei..."),
        trenner(2),
        item(2, CMD_SATZ1_INAKTIV, "&inaktiv"),
        popup(1, "Parametersatz &2"),
        item(2, CMD_SATZ2_BSC, "&BSC..."),
        item(2, CMD_SATZ2_GE, "&Gilbert-Elliott..."),
        item(2, CMD_SATZ2_MC, "&Mc Cullough..."),
        item(2, CMD_SATZ2_SW, "&SW-Modell..."),
        trenner(2),
        item(2, CMD_SATZ2_WIE_SATZ1, "wie Parametersatz &1..."),
        item(2, CMD_SATZ2_DATEI, "aus &Datei..."),
        trenner(2),
        item(2, CMD_SATZ2_INAKTIV, "&inaktiv", HAKEN),
        popup(0, "&Optionen"),
        item(1, CMD_FAV_OPTIONEN, "für Fenster Fehlerabstands&verteilung..."),
        item(1, CMD_FKF_OPTIONEN, "für Fenster Fehler&korrelationsfunktion..."),
        // Positions inside "Fenster" matter: 1 "Öffnen", 2 "Schließen", 3 "Anordnen".
        popup(0, "&Fenster"),
        item(1, CMD_AKTUALISIEREN, "&Aktualisieren", GRAU),
        popup(1, "Ö&ffnen"),
        item(2, CMD_OEFFNEN_ALLE, "&Alle"),
        trenner(2),
        item(2, CMD_OEFFNEN_FF, "&Fehlerfolge"),
        item(2, CMD_OEFFNEN_FKF, "Fehler&korrelationsfunktion"),
        item(2, CMD_OEFFNEN_FAV, "Fehlerabstands&verteilung"),
        item(2, CMD_OEFFNEN_PAR, "&Parameter"),
        popup(1, "&Schließen", GRAU),
        item(2, CMD_SCHLIESSEN_ALLE, "&Alle", GRAU),
        trenner(2),
        item(2, CMD_SCHLIESSEN_FF, "&Fehlerfolge"),
        item(2, CMD_SCHLIESSEN_FKF, "Fehler&korrelationsfunktion"),
        item(2, CMD_SCHLIESSEN_FAV, "Fehlerabstands&verteilung"),
        item(2, CMD_SCHLIESSEN_PAR, "&Parameter"),
        popup(1, "An&ordnen", GRAU),
        item(2, CMD_KASKADIERT, "Ü&berlappend\tSHIFT+F5", 0, "Shift+F5"),
        item(2, CMD_NEBENEINANDER, "&Nebeneinander\tSHIFT+F4", 0, "Shift+F4"),
        item(0, CMD_MULTIMEDIA, "&Multimedia!", 0, "Ctrl+M"),
        popup(0, "&Hilfe"),
        item(1, CMD_HILFE, "&Hilfe"),
        trenner(1),
        item(1, CMD_THEORIE, "&Theorie"),
        popup(1, "&Versuch"),
        item(2, CMD_VORBEREITUNG, "&Vorbereitung"),
        item(2, CMD_DURCHFUEHRUNG, "&Durchführung"),
        popup(1, "&Info"),
        item(2, CMD_INFO_ABTEILUNG, "Über das &Fachgebiet"),
        item(2, CMD_INFO_PROGRAMM, "Über das &Programm"),
        item(2, CMD_INFO_LEHRSOFTWARE, "Über andere Lehr-&Software"),
    };
}

MenuEintrag gehe() { return item(1, CMD_GEHE_ZU_OFFSET, "&Gehe zu Offset...", 0, "Ctrl+G"); }

Block hexMenue() {
    return verbinde({
        {popup(0, "&Datei"), item(1, CMD_HEX_OEFFNEN, "&Hex..."), item(1, CMD_BIN, "&Bin..."),
         item(1, CMD_BITMAP, "B&itmap..."), trenner(1), gehe(), trenner(1)},
        medienDokument(), verfaelschenDokument(), erstellen(), fensterDokument(),
        {popup(0, "&Hilfe"), item(1, CMD_DOK_HILFE_INHALT, "&Inhalt"),
         item(1, CMD_DOK_HILFE_SUCHEN, "&Suchen...")},
    });
}

Block binMenue() {
    return verbinde({
        {popup(0, "&Datei"), item(1, CMD_HEX, "&Hex..."), item(1, CMD_BIN_OEFFNEN, "&Bin..."),
         item(1, CMD_BITMAP, "B&itmap..."), trenner(1), gehe(), trenner(1)},
        medienDokument(),
        {popup(0, "&Bearbeiten"), item(1, CMD_SPEICHERN_FFO, "&Speichern als Fehlerfolge..."),
         item(1, CMD_SPEICHERN_FAB, "S&peichern als Fehlerabstand...")},
        verfaelschenDokument(), erstellen(), fensterDokument(), hilfeDokument(),
    });
}

Block bitmapMenue() {
    return verbinde({
        {popup(0, "&Datei"), item(1, CMD_HEX, "&Hex..."), item(1, CMD_BIN, "&Bin..."),
         item(1, CMD_BITMAP_OEFFNEN, "B&itmap..."), item(1, CMD_BITMAP_SPEICHERN, "&Speichern..."),
         trenner(1)},
        medienDokument(),
        {popup(0, "&Bearbeiten"), item(1, CMD_KOPIEREN, "&Kopieren"), item(1, CMD_EINFUEGEN, "&Einfügen"),
         item(1, CMD_BITMAP_VERGLEICHEN, "&Vergleichen mit...")},
        verfaelschenDokument(), erstellen(), fensterDokument(), hilfeDokument(),
    });
}

Block farben(int ebene) {
    return {item(ebene, CMD_FARBE_ROT, "&Red", HAKEN), item(ebene, CMD_FARBE_GRUEN, "&Green"),
            item(ebene, CMD_FARBE_BLAU, "&Blue"), item(ebene, CMD_FARBE_GELB, "&Yellow")};
}

Block grafikMenue() {
    return verbinde({
        {popup(0, "&Datei"), item(1, CMD_HEX, "&Hex..."), item(1, CMD_BIN, "&Bin..."),
         item(1, CMD_BITMAP, "B&itmap..."), trenner(1), item(1, CMD_SCHLIESSEN, "&Schließen"),
         item(1, CMD_BEENDEN, "B&eenden")},
        {popup(0, "&Farbe")}, farben(1), fensterDokument(), hilfeDokument(),
    });
}

const std::map<int, Block>& alle() {
    static const std::map<int, Block> m = {
        {MENU_START, startMenue()},
        {MENU_MULTIMEDIA, multimediaMenue()},
        {MENU_ZOR, zorMenue()},
        {MENU_HEX, hexMenue()},
        {MENU_BIN, binMenue()},
        {MENU_BITMAP, bitmapMenue()},
        {MENU_GRAFIK, grafikMenue()},
        {KONTEXT_HEX, {popup(0, "&Datei"), item(1, CMD_HEX_OEFFNEN, "Ö&ffnen..."), gehe(),
                       item(1, CMD_SCHLIESSEN, "&Schließen")}},
        {KONTEXT_BIN, {popup(0, "&Bearbeiten"), item(1, CMD_SPEICHERN_FFO, "&Speichern als Fehlerfolge..."),
                       item(1, CMD_SPEICHERN_FAB, "S&peichern als Fehlerabstand..."), trenner(1),
                       item(1, CMD_BIN_OEFFNEN, "Ö&ffnen..."), gehe(), item(1, CMD_SCHLIESSEN, "&Schließen")}},
        {KONTEXT_GRAFIK, verbinde({{popup(0, "&Farbe")}, farben(1),
                                   {trenner(1), item(1, CMD_SCHLIESSEN, "&Schließen")}})},
        {KONTEXT_BITMAP, {popup(0, "&Datei"), item(1, CMD_BITMAP_OEFFNEN, "Ö&ffnen..."),
                          item(1, CMD_BITMAP_SPEICHERN, "&Speichern..."),
                          item(1, CMD_SCHLIESSEN, "&Schließen")}},
    };
    return m;
}

}  // namespace

const std::vector<MenuEintrag>& menuTabelle(int menueId) {
    static const Block leer;
    const auto& m = alle();
    auto it = m.find(menueId);
    return it == m.end() ? leer : it->second;
}

std::vector<int> alleMenues() {
    std::vector<int> ids;
    for (const auto& [id, block] : alle()) ids.push_back(id);
    return ids;
}

}  // namespace zor::app
