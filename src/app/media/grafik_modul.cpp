#include "app/media/grafik_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/grafikdokument.h"
#include "app/platform/meldungsdienst.h"
#include "core/util/ergebnis.h"

namespace zor::app {

GrafikModul::GrafikModul(Kontext& kontext) : Befehlsmodul(kontext) {}

void GrafikModul::grafikNeu(int) {
    if (!kontext().oeffneDokument(new Grafikdokument(kontext())))
        kontext().meldung().zeige(QStringLiteral("Das Dokument konnte nicht erzeugt werden!"),
                                  QString::fromUtf8(TITEL_PROGRAMM), Symbol::Ausrufezeichen);
}

const Fenster& GrafikModul::fenster() {
    static const Fenster f{
        .name = QStringLiteral("grafik"),
        .hilfe = QStringLiteral("mm_grafik.hlp"),
        .befehl = CMD_GRAFIK,
        .titel = QStringLiteral("Graphic Window"),
        .dokumentMenue = MENU_GRAFIK,
        .kontextMenue = KONTEXT_GRAFIK,
        .bilder = {{QStringLiteral("grafik"),
                    {},
                    [](Bildaufnahme& a) {
                        Kontext& k = a.rahmen(false);
                        k.befehl(CMD_GRAFIK);
                        a.bild(k.fenster(), QStringLiteral("grafik"));
                    }}},
    };
    return f;
}

namespace {

// A colour of the document's menu and of its context menu.
Befehl farbe(int id, int rang, const char* text) {
    const unsigned art = id == CMD_FARBE_ROT ? HAKEN : BEFEHL;
    return {id,
            nullptr,
            nullptr,
            {im(MENU_GRAFIK, "&Farbe", rang, text, art), im(KONTEXT_GRAFIK, "&Farbe", rang, text, art)}};
}

}  // namespace

const Modul& GrafikModul::beschreibung() {
    static const Modul m{
        .name = "Grafik",
        .erzeuge = &fabrik<GrafikModul>,
        .befehle =
            {
                {CMD_GRAFIK,
                 ruft<&GrafikModul::grafikNeu>,
                 nullptr,
                 {im(MENU_MULTIMEDIA, "&Datei", 90, "&Grafik-Beispiel")}},
                // The active document takes its colour itself.
                farbe(CMD_FARBE_ROT, 10, "&Red"),
                farbe(CMD_FARBE_GRUEN, 20, "&Green"),
                farbe(CMD_FARBE_BLAU, 30, "&Blue"),
                farbe(CMD_FARBE_GELB, 40, "&Yellow"),
            },
        .fenster = {&fenster()},
        .menues =
            {
                popup(MENU_GRAFIK, "", 10, "&Datei"),
                fremd(CMD_HEX, MENU_GRAFIK, "&Datei", 10, "&Hex..."),
                fremd(CMD_BIN, MENU_GRAFIK, "&Datei", 20, "&Bin..."),
                fremd(CMD_BITMAP, MENU_GRAFIK, "&Datei", 30, "B&itmap..."),
                trenner(MENU_GRAFIK, "&Datei", 40),
                fremd(CMD_SCHLIESSEN, MENU_GRAFIK, "&Datei", 50, "&Schließen"),
                fremd(CMD_BEENDEN, MENU_GRAFIK, "&Datei", 60, "B&eenden"),
                popup(MENU_GRAFIK, "", 20, "&Farbe"),
                popup(MENU_GRAFIK, "", 30, "&Fenster"),
                block(MENU_GRAFIK, "&Fenster", 10, BLOCK_FENSTER),
                popup(MENU_GRAFIK, "", 40, "&Hilfe"),
                block(MENU_GRAFIK, "&Hilfe", 10, BLOCK_HILFE),
                popup(KONTEXT_GRAFIK, "", 10, "&Farbe"),
                trenner(KONTEXT_GRAFIK, "&Farbe", 50),
                fremd(CMD_SCHLIESSEN, KONTEXT_GRAFIK, "&Farbe", 60, "&Schließen"),
            },
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
