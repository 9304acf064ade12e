#include "app/media/hexbin_modul.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/dateiansicht.h"
#include "app/media/medienfilter.h"
#include "app/media/paar_ids.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "app/platform/wartecursor.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

namespace {

// The save buttons follow the active document: enabled while it is a bin view.
void binKnoepfeAbgleichen(Kontext& k) {
    const auto* d = qobject_cast<const Dateiansicht*>(k.aktivesDokument());
    const bool bin = d && d->ansicht() == Ansicht::Bin;
    k.setzeAktiv(CMD_SPEICHERN_FFO, bin);
    k.setzeAktiv(CMD_SPEICHERN_FAB, bin);
}

}  // namespace

HexBinModul::HexBinModul(Kontext& kontext) : Befehlsmodul(kontext) {
    QObject::connect(&kontext.mdiFlaeche(), &QMdiArea::subWindowActivated, &verbindungen_,
                     [&kontext](QMdiSubWindow*) { binKnoepfeAbgleichen(kontext); });
}

Dateiansicht* HexBinModul::oeffne(Kontext& kontext, Ansicht ansicht, const QString& pfad) {
    auto* d = new Dateiansicht(kontext, ansicht, pfad);
    const bool hex = ansicht == Ansicht::Hex;
    if (!d->offen())
        kontext.meldung().zeige(QStringLiteral("hFile = (HANDLE)-1"), QStringLiteral("MmCreateFile"), Symbol::Information);
    if (!kontext.oeffneDokument(d)) {
        delete d;
        kontext.meldung().zeige(QStringLiteral("hwndChild nicht erzeugt!"),
                                hex ? QStringLiteral("hex_New") : QStringLiteral("bin_New"), Symbol::Keins);
        return nullptr;
    }
    d->setWindowTitle(d->titel());
    // Closing a bin document may leave another one active, or none.
    QObject::connect(d, &QObject::destroyed, &kontext.mdiFlaeche(), [&kontext] {
        QTimer::singleShot(0, &kontext.mdiFlaeche(), [&kontext] { binKnoepfeAbgleichen(kontext); });
    });
    binKnoepfeAbgleichen(kontext);
    return d;
}

void HexBinModul::hex(int) { neu(Ansicht::Hex); }
void HexBinModul::bin(int) { neu(Ansicht::Bin); }

void HexBinModul::neu(Ansicht ansicht) {
    const auto pfad = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Öffnen"), QString(), SATZ_ALLE_DATEIEN);
    if (!pfad) return;
    oeffne(kontext(), ansicht, *pfad);
}

void HexBinModul::speichern(int id) {
    auto* d = qobject_cast<Dateiansicht*>(kontext().aktivesDokument());
    if (!d || d->ansicht() != Ansicht::Bin) {
        kontext().meldung().zeige(QStringLiteral("lpChild nicht erzeugt!"), QStringLiteral("bin_OnPaint"));
        return;
    }
    const bool ffo = id == CMD_SPEICHERN_FFO;
    const auto ziel = kontext().dateiwahl().GetFileNameOutFWK(
        ffo ? QStringLiteral("Speichern als Fehlerfolge") : QStringLiteral("Speichern als Fehlerabstand"), QString(),
        ffo ? SATZ_FFO_SPEICHERN : SATZ_FAB_SPEICHERN);
    if (!ziel) return;
    const std::string quelle = d->pfad().toStdString(), ausgabe = ziel->toStdString();
    kontext().hintergrund().starten<JobErgebnis>(
        nullptr, {ausgabe, TEXT_WIRD_ERSTELLT},
        [ffo, quelle, ausgabe, geschuetzt = satzDateien(kontext().zustand())](Fortschritt& f) {
            return ffo ? SaveBinFileFFO(quelle, ausgabe, f, Blockleser::STANDARD_BLOCK, geschuetzt)
                       : SaveBinFileFab(quelle, ausgabe, f, Blockleser::STANDARD_BLOCK, geschuetzt);
        },
        [this, ausgabe](JobErgebnis e) {
            if (e.abgebrochen) return;
            for (const Meldung& m : e.meldungen) zeige(kontext().meldung(), m);
            if (e.ok) kontext().geschriebenMelden(QString::fromStdString(ausgabe));
        });
}

const Fenster& HexBinModul::hexFenster() {
    static const Fenster f{
        .name = QStringLiteral("hex"),
        .hilfe = QStringLiteral("mm_hexbin.hlp"),
        .befehl = CMD_HEX,
        .titel = QStringLiteral("Hex Class"),
        .dokumentMenue = MENU_HEX,
        .kontextMenue = KONTEXT_HEX,
        .filter = {&SATZ_ALLE_DATEIEN},
        .bilder = {mediendokumentBild(QStringLiteral("hex"), CMD_HEX, QStringLiteral("bild.bmp"), true)},
    };
    return f;
}

const Fenster& HexBinModul::binFenster() {
    static const Fenster f{
        .name = QStringLiteral("bin"),
        .hilfe = QStringLiteral("mm_hexbin.hlp"),
        .befehl = CMD_BIN,
        .titel = QStringLiteral("Bin Class"),
        .dokumentMenue = MENU_BIN,
        .kontextMenue = KONTEXT_BIN,
        .filter = {&SATZ_ALLE_DATEIEN, &SATZ_FFO_SPEICHERN, &SATZ_FAB_SPEICHERN},
        .bilder = {mediendokumentBild(QStringLiteral("bin"), CMD_BIN, QStringLiteral("bild.bmp"), true)},
    };
    return f;
}

namespace {

constexpr const char* GEHE = "&Gehe zu Offset...";
constexpr const char* STRG_G = "Ctrl+G";
constexpr const char* SUCHEN = "&Suchen...";
constexpr const char* NAECHSTER = "&Nächster Unterschied";
constexpr const char* VORHERIGER = "&Vorheriger Unterschied";
constexpr const char* VERGLEICHEN = "Ve&rgleichen mit...";

// The "Datei" pop-up of the hex and bin menus, around their own open item.
std::vector<Menueplatz> dateiMenue(int menue, int andereAnsicht, const char* andererText) {
    const bool hex = menue == MENU_HEX;
    return {
        popup(menue, "", 10, "&Datei"),
        fremd(andereAnsicht, menue, "&Datei", hex ? 20 : 10, andererText),
        fremd(CMD_BITMAP, menue, "&Datei", 30, "B&itmap..."),
        trenner(menue, "&Datei", 40),
        trenner(menue, "&Datei", 60),
        block(menue, "&Datei", 70, BLOCK_MEDIEN),
    };
}

std::vector<Menueplatz> eigeneMenues() {
    std::vector<Menueplatz> l;
    for (const auto& teil : {dateiMenue(MENU_HEX, CMD_BIN, "&Bin..."), gemeinsamePopups(MENU_HEX, 20, false),
                             dateiMenue(MENU_BIN, CMD_HEX, "&Hex..."), gemeinsamePopups(MENU_BIN, 30, true)})
        l.insert(l.end(), teil.begin(), teil.end());
    l.push_back(popup(MENU_BIN, "", 20, "&Bearbeiten"));
    l.push_back(popup(KONTEXT_HEX, "", 10, "&Datei"));
    l.push_back(fremd(CMD_SCHLIESSEN, KONTEXT_HEX, "&Datei", 30, "&Schließen"));
    l.push_back(popup(KONTEXT_BIN, "", 10, "&Bearbeiten"));
    l.push_back(trenner(KONTEXT_BIN, "&Bearbeiten", 30));
    l.push_back(fremd(CMD_SCHLIESSEN, KONTEXT_BIN, "&Bearbeiten", 60, "&Schließen"));
    return l;
}

}  // namespace

const Modul& HexBinModul::beschreibung() {
    using H = HexBinModul;
    static const Modul m{
        .name = "Hex und Bin",
        .erzeuge = &fabrik<H>,
        .befehle =
            {
                {CMD_HEX,
                 ruft<&H::hex>,
                 "Erstellt ein neues Hex-Dokument!",
                 {im(MENU_MULTIMEDIA, "&Datei", 10, "&Hex...")},
                 {knopf(CMD_MULTIMEDIA, 10, "hex")}},
                {CMD_HEX_OEFFNEN,
                 ruft<&H::hex>,
                 nullptr,
                 {im(MENU_HEX, "&Datei", 10, "&Hex..."), im(KONTEXT_HEX, "&Datei", 10, "Ö&ffnen...")}},
                {CMD_BIN,
                 ruft<&H::bin>,
                 "Erstellt ein neues Bin-Dokument!",
                 {im(MENU_MULTIMEDIA, "&Datei", 20, "&Bin...")},
                 {knopf(CMD_MULTIMEDIA, 20, "bin")}},
                {CMD_BIN_OEFFNEN,
                 ruft<&H::bin>,
                 "Erstellt ein neues Bin-Dokument!",
                 {im(MENU_BIN, "&Datei", 20, "&Bin..."), im(KONTEXT_BIN, "&Bearbeiten", 40, "Ö&ffnen...")}},
                {CMD_SPEICHERN_FFO,
                 ruft<&H::speichern>,
                 "Speichert das aktive Dokument als Fehlerfolge!",
                 {im(MENU_BIN, "&Bearbeiten", 10, "&Speichern als Fehlerfolge..."),
                  im(KONTEXT_BIN, "&Bearbeiten", 10, "&Speichern als Fehlerfolge...")},
                 {knopf(CMD_MULTIMEDIA, 50, "speichern_ffo", false)}},
                {CMD_SPEICHERN_FAB,
                 ruft<&H::speichern>,
                 "Speichert das aktive Dokument als Fehlerabstand!",
                 {im(MENU_BIN, "&Bearbeiten", 20, "S&peichern als Fehlerabstand..."),
                  im(KONTEXT_BIN, "&Bearbeiten", 20, "S&peichern als Fehlerabstand...")},
                 {knopf(CMD_MULTIMEDIA, 60, "speichern_fab", false)}},
                // The active view asks for the offset itself.
                {CMD_GEHE_ZU_OFFSET,
                 nullptr,
                 "Zeigt die Zeile mit dem eingegebenen Offset an!",
                 {im(MENU_HEX, "&Datei", 50, GEHE, BEFEHL, STRG_G), im(MENU_BIN, "&Datei", 50, GEHE, BEFEHL, STRG_G),
                  im(KONTEXT_HEX, "&Datei", 20, GEHE, BEFEHL, STRG_G),
                  im(KONTEXT_BIN, "&Bearbeiten", 50, GEHE, BEFEHL, STRG_G)}},
                {CMD_SUCHEN,
                 nullptr,
                 "Sucht Bytes, Text oder ein Bitmuster in der Datei (F3 sucht weiter)!",
                 {im(MENU_HEX, "&Datei", 52, SUCHEN, BEFEHL, "Ctrl+F"),
                  im(MENU_BIN, "&Datei", 52, SUCHEN, BEFEHL, "Ctrl+F"), im(KONTEXT_HEX, "&Datei", 22, SUCHEN),
                  im(KONTEXT_BIN, "&Bearbeiten", 52, SUCHEN)}},
                {CMD_NAECHSTER_UNTERSCHIED,
                 nullptr,
                 "Zeigt das nächste Byte, in dem sich die beiden Dateien unterscheiden!",
                 {im(MENU_HEX, "&Datei", 54, NAECHSTER, BEFEHL, "F8"),
                  im(MENU_BIN, "&Datei", 54, NAECHSTER, BEFEHL, "F8"), im(KONTEXT_HEX, "&Datei", 24, NAECHSTER),
                  im(KONTEXT_BIN, "&Bearbeiten", 54, NAECHSTER)}},
                {CMD_VORHERIGER_UNTERSCHIED,
                 nullptr,
                 "Zeigt das vorherige Byte, in dem sich die beiden Dateien unterscheiden!",
                 {im(MENU_HEX, "&Datei", 56, VORHERIGER, BEFEHL, "Shift+F8"),
                  im(MENU_BIN, "&Datei", 56, VORHERIGER, BEFEHL, "Shift+F8"), im(KONTEXT_HEX, "&Datei", 26, VORHERIGER),
                  im(KONTEXT_BIN, "&Bearbeiten", 56, VORHERIGER)}},
                {CMD_ANSICHT_VERGLEICHEN,
                 nullptr,
                 "Vergleicht die Datei mit der eines anderen geöffneten Hex- oder Bin-Fensters!",
                 {im(MENU_HEX, "&Datei", 58, VERGLEICHEN), im(MENU_BIN, "&Datei", 58, VERGLEICHEN),
                  im(KONTEXT_HEX, "&Datei", 28, VERGLEICHEN), im(KONTEXT_BIN, "&Bearbeiten", 58, VERGLEICHEN)}},
            },
        .fenster = {&hexFenster(), &binFenster()},
        .menues = eigeneMenues(),
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
