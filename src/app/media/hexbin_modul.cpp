#include "app/media/hexbin_modul.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "app/hintergrund/hintergrund.h"
#include "app/kontext/befehle.h"
#include "app/kontext/kontext.h"
#include "app/media/dateiansicht.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

namespace {

// The save buttons follow the active document: enabled while it is a bin view.
void binKnoepfeAbgleichen(Kontext& k) {
    const MdiDokument* d = k.aktivesDokument();
    const bool bin = d && d->art() == Dokumentart::Bin;
    k.setzeAktiv(CMD_SPEICHERN_FFO, bin);
    k.setzeAktiv(CMD_SPEICHERN_FAB, bin);
}

}  // namespace

HexBinModul::HexBinModul(Kontext& kontext) : Befehlsmodul(kontext) {
    registriere({CMD_HEX, CMD_HEX_OEFFNEN}, [this](int) { neu(Ansicht::Hex); });
    registriere({CMD_BIN, CMD_BIN_OEFFNEN}, [this](int) { neu(Ansicht::Bin); });
    registriere({CMD_SPEICHERN_FFO, CMD_SPEICHERN_FAB}, [this](int id) { speichern(id); });
    QObject::connect(&kontext.mdiFlaeche(), &QMdiArea::subWindowActivated, &verbindungen_,
                     [&kontext](QMdiSubWindow*) { binKnoepfeAbgleichen(kontext); });
}

Dateiansicht* HexBinModul::oeffne(Kontext& kontext, Ansicht ansicht, const QString& pfad) {
    auto* d = new Dateiansicht(kontext, ansicht, pfad);
    const bool hex = ansicht == Ansicht::Hex;
    if (!d->offen())
        kontext.meldung().zeige(QStringLiteral("hFile = (HANDLE)-1"), QStringLiteral("MmCreateFile"), Symbol::Information);
    if (!kontext.oeffneDokument(d, hex ? TXT_HEX_KLASSE : TXT_BIN_KLASSE, hex ? TXT_HEX_TITEL : TXT_BIN_TITEL)) {
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

}  // namespace zor::app
