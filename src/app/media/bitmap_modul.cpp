#include "app/media/bitmap_modul.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmapdokument.h"
#include "app/media/medienfilter.h"
#include "app/media/paar_ids.h"
#include "app/platform/meldungsdienst.h"

namespace zor::app {

BitmapModul::BitmapModul(Kontext& kontext) : Befehlsmodul(kontext) {}

void BitmapModul::bitmap_New(int) {
    const auto datei = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Bitmap öffnen"), {}, SATZ_BILDER);
    if (!datei) {
        kontext().meldung().zeige(QStringLiteral("Datei nicht geöffnet!"), QString::fromUtf8(TITEL_FEHLER));
        return;
    }
    const GeladenesBild g = ladeBild(*datei);
    if (!g.ok) {
        kontext().meldung().zeige(QStringLiteral("Fehler in InitDib!\n\n") + g.fehler, QString::fromUtf8(TITEL_FEHLER),
                                  Symbol::Ausrufezeichen);
        return;
    }
    Bitmapdokument* d = zeigeBitmap(kontext(), g.bild, *datei);
    if (!d) return;
    d->setzeDatei(*datei);
    if (!g.notiz.isEmpty()) kontext().meldung().zeige(g.notiz, QString::fromUtf8(TITEL_PROGRAMM), Symbol::Information);
}

// A clipboard without an image: nothing happens.
void BitmapModul::einfuegen(int) {
    if (auto bild = bildAusZwischenablage()) zeigeBitmap(kontext(), std::move(*bild), QStringLiteral("Clipbord"));
}

const Fenster& BitmapModul::fenster() {
    static const Fenster f{
        .name = QStringLiteral("bitmap"),
        .hilfe = QStringLiteral("mm_bitmap.hlp"),
        .befehl = CMD_BITMAP,
        .titel = QStringLiteral("Bitmap Class"),
        .dokumentMenue = MENU_BITMAP,
        .kontextMenue = KONTEXT_BITMAP,
        .filter = {&SATZ_BILDER},
        .bilder = {mediendokumentBild(QStringLiteral("bitmap"), CMD_BITMAP, QStringLiteral("bild.bmp"), false)},
    };
    return f;
}

namespace {

std::vector<Menueplatz> eigeneMenues() {
    std::vector<Menueplatz> l = {
        popup(MENU_BITMAP, "", 10, "&Datei"),
        fremd(CMD_HEX, MENU_BITMAP, "&Datei", 10, "&Hex..."),
        fremd(CMD_BIN, MENU_BITMAP, "&Datei", 20, "&Bin..."),
        trenner(MENU_BITMAP, "&Datei", 40),
        block(MENU_BITMAP, "&Datei", 70, BLOCK_MEDIEN),
        popup(MENU_BITMAP, "", 20, "&Bearbeiten"),
        popup(MENU_BITMAP, "", 25, "&Ansicht"),
        trenner(MENU_BITMAP, "&Ansicht", 50),
        popup(KONTEXT_BITMAP, "", 10, "&Datei"),
        fremd(CMD_SCHLIESSEN, KONTEXT_BITMAP, "&Datei", 30, "&Schließen"),
    };
    const auto gemeinsam = gemeinsamePopups(MENU_BITMAP, 30, true);
    l.insert(l.end(), gemeinsam.begin(), gemeinsam.end());
    return l;
}

}  // namespace

const Modul& BitmapModul::beschreibung() {
    using B = BitmapModul;
    static const Modul m{
        .name = "Bitmap",
        .erzeuge = &fabrik<B>,
        .befehle =
            {
                {CMD_BITMAP,
                 ruft<&B::bitmap_New>,
                 "Erstellt ein neues Bitmap-Dokument!",
                 {im(MENU_MULTIMEDIA, "&Datei", 30, "B&itmap...")},
                 {knopf(CMD_MULTIMEDIA, 30, "bitmap")}},
                {CMD_BITMAP_OEFFNEN,
                 ruft<&B::bitmap_New>,
                 "Erstellt ein neues Bitmap Dokument!",
                 {im(MENU_BITMAP, "&Datei", 30, "B&itmap..."), im(KONTEXT_BITMAP, "&Datei", 10, "Ö&ffnen...")}},
                // Saving, copying and comparing belong to the active document.
                {CMD_BITMAP_SPEICHERN,
                 nullptr,
                 "Speichert das aktive Dokument!",
                 {im(MENU_BITMAP, "&Datei", 35, "&Speichern..."), im(KONTEXT_BITMAP, "&Datei", 20, "&Speichern...")}},
                {CMD_KOPIEREN,
                 nullptr,
                 "Kopiert den ausgewählten Abschnitt in die Zwischenablage!",
                 {im(MENU_BITMAP, "&Bearbeiten", 10, "&Kopieren")}},
                {CMD_EINFUEGEN,
                 ruft<&B::einfuegen>,
                 "Erstellt ein neues Dokument mit dem Inhalt der Zwischenablage!",
                 {im(MENU_BITMAP, "&Bearbeiten", 20, "&Einfügen")}},
                {CMD_BITMAP_VERGLEICHEN,
                 nullptr,
                 "Zeigt das Bild neben einem zweiten gleich großen und markiert, wo sie sich unterscheiden!",
                 {im(MENU_BITMAP, "&Bearbeiten", 30, "&Vergleichen mit...")}},
                {CMD_DIFFERENZBILD,
                 nullptr,
                 "Zeigt, welche Bildpunkte sich gegenüber einer zweiten Datei geändert haben, mit PSNR je Farbe!",
                 {im(MENU_BITMAP, "&Bearbeiten", 40, "&Differenzbild mit...")}},
                // Zooming belongs to the active document.
                {CMD_ZOOM_GROESSER,
                 nullptr,
                 "Vergrößert die Ansicht (bis 32:1)!",
                 {im(MENU_BITMAP, "&Ansicht", 10, "&Vergrößern", BEFEHL, "Ctrl++")}},
                {CMD_ZOOM_KLEINER,
                 nullptr,
                 "Verkleinert die Ansicht (bis 1:1)!",
                 {im(MENU_BITMAP, "&Ansicht", 20, "Ver&kleinern", BEFEHL, "Ctrl+-")}},
                {CMD_ZOOM_1_1,
                 nullptr,
                 "Zeigt jeden Bildpunkt als einen Bildschirmpunkt!",
                 {im(MENU_BITMAP, "&Ansicht", 30, "&Originalgröße (1:1)", BEFEHL, "Ctrl+1")}},
                {CMD_ZOOM_EINPASSEN,
                 nullptr,
                 "Passt das ganze Bild in das Fenster ein!",
                 {im(MENU_BITMAP, "&Ansicht", 40, "&Einpassen", BEFEHL, "Ctrl+0")}},
                {CMD_ANSICHTEN_KOPPELN,
                 nullptr,
                 "Lässt das Bild mit einem zweiten gleich großen Bild gemeinsam zoomen und rollen!",
                 {im(MENU_BITMAP, "&Ansicht", 60, "&Ansichten koppeln")}},
            },
        .fenster = {&fenster()},
        .menues = eigeneMenues(),
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
