#include "app/jobs/ffofab_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/kontext/kontext.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

FfoFabDialog::FfoFabDialog(Kontext& kontext) : Jobdialog(kontext, 19, QStringLiteral("Fehlerfolge/Fehlerabstand")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Vergleichsdatei:"), 4121, 121, {}, QStringLiteral("Vergleichsdatei (Öffnen)"), 3,
         Richtung::Oeffnen},
        {QStringLiteral("FFO/FAB:"), 4120, 151, {}, QStringLiteral("Ausgabedatei (Speichern unter...)"), 1,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void FfoFabDialog::ok() {
    const std::string vgl = text(4121).toStdString(), aus = text(4120).toStdString();
    imHintergrund([vgl, aus, geschuetzt = geschuetzt()](Fortschritt& f) {
                      return FfoOderFabErstellen(vgl, aus, f, Blockleser::STANDARD_BLOCK, geschuetzt);
                  },
                  [this](const JobErgebnis& r) { abschliessen(r); });
}

}  // namespace zor::app
