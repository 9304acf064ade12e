#include "app/documents/par_dokument.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/plot/dokumentbilder.h"

namespace zor::app {

ParDokument::ParDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : ModellDokument(kontext, dokumentart()), vorlagen_(std::move(vorlagen)) {}

const ModellDokumentart& ParDokument::dokumentart() {
    static const ModellDokumentart a{
        .fenster = {.name = QStringLiteral("par"),
                    .hilfe = QStringLiteral("zor_par.hlp"),
                    .befehl = CMD_OEFFNEN_PAR,
                    .titel = QStringLiteral("Parameter"),
                    .kontextMenue = MENU_ZOR,
                    .modell = Modellfenster{'p', CMD_OEFFNEN_PAR, CMD_SCHLIESSEN_PAR},
                    .filter = {&SATZ_EXPORT_BILD},
                    .bilder = {modellDokumentBild(QStringLiteral("par"), CMD_OEFFNEN_PAR)}},
        .menuetext = "&Parameter",
        .hinweis = "Erstellt ein Parameter-Dokument!",
        .knopfRang = 20,
        .bild = "par",
        .druck = nullptr,
        .erzeuge = [](Kontext& k, const Vorlagenquelle& v) -> ModellDokument* { return new ParDokument(k, v); },
    };
    return a;
}

void ParDokument::zeichnen(QPainter& p, QSize groesse) {
    parMalen(p, QRect(QPoint(0, 0), groesse), vorlagen_, kontext().zustand());
}

}  // namespace zor::app
