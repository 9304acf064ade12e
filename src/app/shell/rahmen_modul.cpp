#include "app/shell/rahmen_modul.h"

#include "app/context/befehle.h"
#include "app/shell/hauptfenster.h"

namespace zor::app {

RahmenModul::RahmenModul(Kontext& kontext) : Befehlsmodul(kontext), rahmen_(static_cast<Hauptfenster&>(kontext)) {}

void RahmenModul::beenden(int) { rahmen_.close(); }
void RahmenModul::anordnen(int id) { rahmen_.mdiAnordnen(id); }
void RahmenModul::alleSchliessen(int) { rahmen_.mainframe_OnCloseAll(); }
void RahmenModul::multimedia(int) { rahmen_.zuMultimedia(); }
void RahmenModul::zorwerk(int) { rahmen_.zuZor(); }

namespace {

constexpr int START = 0;

// The pop-ups of the frame menus, the separators between the modules' groups, and the
// separators of the toolbar sets. The modules place their items by rank between them.
std::vector<Menueplatz> rahmenMenues() {
    return {
        popup(MENU_START, "", 40, "&Hilfe"),

        popup(MENU_MULTIMEDIA, "", 10, "&Datei"),
        trenner(MENU_MULTIMEDIA, "&Datei", 40),
        trenner(MENU_MULTIMEDIA, "&Datei", 100),
        popup(MENU_MULTIMEDIA, "", 20, "&Verfälschen"),
        popup(MENU_MULTIMEDIA, "", 30, "&Erstellen"),
        block(MENU_MULTIMEDIA, "&Erstellen", 10, BLOCK_ERSTELLEN),
        popup(MENU_MULTIMEDIA, "", 50, "&Hilfe"),
        block(MENU_MULTIMEDIA, "&Hilfe", 10, BLOCK_HILFE),

        popup(MENU_ZOR, "", 10, "&Datei"),
        trenner(MENU_ZOR, "&Datei", 30),
        trenner(MENU_ZOR, "&Datei", 50),
        trenner(MENU_ZOR, "&Datei", 90),
        popup(MENU_ZOR, "", 20, "&Parameterwahl"),
        popup(MENU_ZOR, "", 30, "&Optionen"),
        // Positions inside "Fenster" matter: 1 "Öffnen", 2 "Schließen", 3 "Anordnen".
        popup(MENU_ZOR, "", 40, "&Fenster"),
        popup(MENU_ZOR, "&Fenster", 20, "Ö&ffnen"),
        popup(MENU_ZOR, "&Fenster", 30, "&Schließen", GRAU),
        popup(MENU_ZOR, "&Fenster", 40, "An&ordnen", GRAU),
        popup(MENU_ZOR, "", 60, "&Hilfe"),

        trenner(BLOCK_FENSTER, "", 50),
        trenner(BLOCK_MEDIEN, "", 40),
    };
}

std::vector<Knopfplatz> rahmenTrenner() {
    std::vector<Knopfplatz> l;
    for (int rang : {0, 20, 40}) l.push_back(knopfTrenner(START, rang));
    for (int rang : {0, 40, 70, 100, 140, 160}) l.push_back(knopfTrenner(CMD_MULTIMEDIA, rang));
    for (int rang : {0, 50, 70, 110, 130, 170, 200, 220}) l.push_back(knopfTrenner(CMD_ZORWERK, rang));
    return l;
}

}  // namespace

const Modul& RahmenModul::beschreibung() {
    using R = RahmenModul;
    static const Modul m{
        .name = "Rahmen",
        .erzeuge = &fabrik<R>,
        .befehle =
            {
                {CMD_BEENDEN,
                 ruft<&R::beenden>,
                 "Beendet die Anwendung! ",
                 {im(MENU_START, "", 30, "&Beenden"), im(MENU_MULTIMEDIA, "&Datei", 110, "B&eenden"),
                  im(MENU_ZOR, "&Datei", 100, "B&eenden"), im(BLOCK_MEDIEN, "", 50, "B&eenden")},
                 {knopf(START, 60, "beenden"), knopf(CMD_MULTIMEDIA, 180, "beenden"),
                  knopf(CMD_ZORWERK, 210, "beenden")}},
                {CMD_KASKADIERT,
                 ruft<&R::anordnen>,
                 "Stellt die dokumente kaskadiert dar!",
                 {im(BLOCK_FENSTER, "", 10, "&Kaskadiert"),
                  im(MENU_ZOR, "&Fenster/An&ordnen", 10, "Ü&berlappend\tSHIFT+F5", BEFEHL, "Shift+F5")},
                 {knopf(CMD_MULTIMEDIA, 130, "kaskadiert"), knopf(CMD_ZORWERK, 160, "kaskadiert")}},
                {CMD_UNTEREINANDER,
                 ruft<&R::anordnen>,
                 "Stellt die Dokumente untereinander dar!",
                 {im(BLOCK_FENSTER, "", 20, "&Untereinander")},
                 {knopf(CMD_MULTIMEDIA, 110, "untereinander"), knopf(CMD_ZORWERK, 140, "untereinander")}},
                {CMD_NEBENEINANDER,
                 ruft<&R::anordnen>,
                 "Stellt die Dokumente nebeneinander dar!",
                 {im(BLOCK_FENSTER, "", 30, "&Nebeneinander"),
                  im(MENU_ZOR, "&Fenster/An&ordnen", 20, "&Nebeneinander\tSHIFT+F4", BEFEHL, "Shift+F4")},
                 {knopf(CMD_MULTIMEDIA, 120, "nebeneinander"), knopf(CMD_ZORWERK, 150, "nebeneinander")}},
                {CMD_ICONS_EINORDNEN,
                 ruft<&R::anordnen>,
                 "Ordnet die minimierten Dokumente ein!",
                 {im(BLOCK_FENSTER, "", 40, "Icons einordnen")}},
                // The active document closes itself.
                {CMD_SCHLIESSEN, nullptr, "Schließt das aktive Dokument!", {im(BLOCK_FENSTER, "", 60, "&Schließen")}},
                {CMD_ALLE_SCHLIESSEN,
                 ruft<&R::alleSchliessen>,
                 "Schließt alle Dokumente!",
                 {im(BLOCK_FENSTER, "", 70, "&Alle schließen")}},
                {CMD_MULTIMEDIA,
                 ruft<&R::multimedia>,
                 "Erstellt neue Multimedia-Dokumente!",
                 {im(MENU_START, "", 10, "&Multimedia!", BEFEHL, "Ctrl+M"),
                  im(MENU_ZOR, "", 50, "&Multimedia!", BEFEHL, "Ctrl+M")},
                 {knopf(START, 30, "multimedia"), knopf(CMD_ZORWERK, 230, "video")}},
                {CMD_ZORWERK,
                 ruft<&R::zorwerk>,
                 "Erstellt ZOR-Dokumente!",
                 {im(MENU_START, "", 20, "&Zorwerk!", BEFEHL, "Ctrl+K"),
                  im(MENU_MULTIMEDIA, "", 40, "&Zorwerk", BEFEHL, "Ctrl+K")},
                 {knopf(START, 10, "zor"), knopf(CMD_MULTIMEDIA, 170, "zor")}},
            },
        .fenster = {},
        .menues = rahmenMenues(),
        .knoepfe = rahmenTrenner(),
    };
    return m;
}

}  // namespace zor::app
