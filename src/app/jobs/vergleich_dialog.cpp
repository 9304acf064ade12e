#include "app/jobs/vergleich_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/context/folgedatei.h"
#include "app/context/kontext.h"
#include "app/jobs/job_ids.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

VergleichDialog::VergleichDialog(Kontext& kontext)
    : Jobdialog(kontext, DLG_VERGLEICH, QStringLiteral("Dateien-Vergleich")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("1. Datei:"),
         ID_VGL_ERSTE,
         ID_OEFFNEN_KNOPF,
         {},
         QStringLiteral("Eingabedatei_1 (Öffnen)"),
         &SATZ_DATEIEN,
         Richtung::Oeffnen},
        {QStringLiteral("2. Datei:"),
         ID_VGL_ZWEITE,
         ID_ZWEITE_DATEI_KNOPF,
         {},
         QStringLiteral("Eingabedatei_2 (Öffnen)"),
         &SATZ_DATEIEN,
         Richtung::Oeffnen},
        {QStringLiteral("Vergleichsdatei:"),
         ID_VGL_AUSGABE,
         ID_SPEICHERN_KNOPF,
         {},
         QStringLiteral("Ausgabedatei (Speichern unter...)"),
         &SATZ_VERGLEICH,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void VergleichDialog::ok() {
    const std::string eins = text(ID_VGL_ERSTE).toStdString(), zwei = text(ID_VGL_ZWEITE).toStdString(),
                      aus = text(ID_VGL_AUSGABE).toStdString();
    imHintergrund([eins, zwei, aus, geschuetzt = geschuetzt()](Fortschritt& f) {
                      return CompareFile(eins, zwei, aus, f, Blockleser::STANDARD_BLOCK, geschuetzt);
                  },
                  [this](const JobErgebnis& r) { abschliessen(r); });
}

}  // namespace zor::app
