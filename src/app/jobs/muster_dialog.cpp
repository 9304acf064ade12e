#include "app/jobs/muster_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/kontext/kontext.h"
#include "core/corruption/muster.h"

namespace zor::app {

MusterDialog::MusterDialog(Kontext& kontext) : Jobdialog(kontext, 17, QStringLiteral("FFO/FAB-Verfahren")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Eingabedatei:"), 4110, 121, {}, QStringLiteral("Zu verfälschender Datei (Öffnen)"), 4,
         Richtung::Oeffnen},
        {QStringLiteral("FFO/FAB-Datei:"), 4109, 171, {}, QStringLiteral("FFO/FAB Datei (Öffnen)"), 1, Richtung::Oeffnen},
        {QStringLiteral("Ausgabedatei:"), 4108, 151, {}, QStringLiteral("Ausgabedatei (Speichern unter...)"), 4,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void MusterDialog::ok() {
    const MusterAuftrag a{text(4110).toStdString(), text(4109).toStdString(), text(4108).toStdString(), geschuetzt()};
    imHintergrund([a](Fortschritt& f) { return MusterVerfaelschen(a, f); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.szInPutFile, 1); });
}

}  // namespace zor::app
