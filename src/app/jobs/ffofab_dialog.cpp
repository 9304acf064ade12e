#include "app/jobs/ffofab_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/context/folgedatei.h"
#include "app/context/kontext.h"
#include "app/jobs/job_ids.h"
#include "core/seqfiles/vergleich.h"

namespace zor::app {

FfoFabDialog::FfoFabDialog(Kontext& kontext)
    : Jobdialog(kontext, DLG_ABLEITEN, QStringLiteral("Fehlerfolge/Fehlerabstand")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Vergleichsdatei:"),
         ID_ABLEITEN_VGL,
         ID_OEFFNEN_KNOPF,
         {},
         QStringLiteral("Vergleichsdatei (Öffnen)"),
         &SATZ_VERGLEICH,
         Richtung::Oeffnen},
        {QStringLiteral("FFO/FAB:"),
         ID_ABLEITEN_AUSGABE,
         ID_SPEICHERN_KNOPF,
         {},
         QStringLiteral("Ausgabedatei (Speichern unter...)"),
         &SATZ_FFO_FAB,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void FfoFabDialog::ok() {
    const std::string vgl = text(ID_ABLEITEN_VGL).toStdString(), aus = text(ID_ABLEITEN_AUSGABE).toStdString();
    imHintergrund([vgl, aus, geschuetzt = geschuetzt()](Fortschritt& f) {
                      return FfoOderFabErstellen(vgl, aus, f, Blockleser::STANDARD_BLOCK, geschuetzt);
                  },
                  [this](const JobErgebnis& r) { abschliessen(r); });
}

}  // namespace zor::app
