#include "app/jobs/vergleich_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/kontext/kontext.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

VergleichDialog::VergleichDialog(Kontext& kontext) : Jobdialog(kontext, 18, QStringLiteral("Dateien-Vergleich")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("1. Datei:"), 4113, 121, {}, QStringLiteral("Eingabedatei_1 (Öffnen)"), 4, Richtung::Oeffnen},
        {QStringLiteral("2. Datei:"), 4114, 171, {}, QStringLiteral("Eingabedatei_2 (Öffnen)"), 4, Richtung::Oeffnen},
        {QStringLiteral("Vergleichsdatei:"), 4115, 151, {}, QStringLiteral("Ausgabedatei (Speichern unter...)"), 5,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void VergleichDialog::ok() {
    const std::string eins = text(4113).toStdString(), zwei = text(4114).toStdString(), aus = text(4115).toStdString();
    imHintergrund([eins, zwei, aus, geschuetzt = geschuetzt()](Fortschritt& f) {
                      return CompareFile(eins, zwei, aus, f, Blockleser::STANDARD_BLOCK, geschuetzt);
                  },
                  [this](const JobErgebnis& r) { abschliessen(r); });
}

}  // namespace zor::app
