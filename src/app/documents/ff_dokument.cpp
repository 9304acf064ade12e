#include "app/documents/ff_dokument.h"

#include <QTimer>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"

namespace zor::app {

FFDokument::FFDokument(Kontext& kontext) : ModellDokument(kontext, dokumentart()) {}

const ModellDokumentart& FFDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("ff"),
                    .hilfe = QStringLiteral("zor_ff.hlp"),
                    .befehl = CMD_OEFFNEN_FF,
                    .titel = QStringLiteral("Fehlerfolge"),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'f', CMD_OEFFNEN_FF, CMD_SCHLIESSEN_FF},
                    .filter = {&SATZ_EXPORT_BILD_TEXT},
                    .bilder = {modellDokumentBild(QStringLiteral("ff"), CMD_OEFFNEN_FF)}},
        .menuetext = "&Fehlerfolge",
        .hinweis = "Erstellt ein Fehlerfolge-Dokument!",
        .knopfRang = 10,
        .bild = "ff",
        .druck = &DRUCK_FF,
        .erzeuge = [](Kontext& k, const Vorlagenquelle&) -> ModellDokument* { return new FFDokument(k); },
    };
    return a;
}

void FFDokument::zeichnen(QPainter& p, QSize groesse) {
    melden(ffMalen(p, groesse, kontext().zustand(), 0).meldungen);
}

std::string FFDokument::alsText() {
    QImage messen(1, 1, QImage::Format_RGB32);
    QPainter p(&messen);
    return FF_Text(ffInhalt(p, size(), kontext().zustand()));
}

void FFDokument::melden(const std::vector<Meldung>& meldungen) {
    std::vector<std::string> texte;
    for (const Meldung& m : meldungen) texte.push_back(m.text);
    const bool neu = texte != gemeldet_;
    gemeldet_ = texte;
    if (!neu || meldungen.empty()) return;
    // A message box must not open inside a paint.
    QTimer::singleShot(0, this, [this, meldungen] {
        for (const Meldung& m : meldungen) zeige(kontext().meldung(), m);
    });
}

}  // namespace zor::app
