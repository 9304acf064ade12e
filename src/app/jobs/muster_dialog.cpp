#include "app/jobs/muster_dialog.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/context/folgedatei.h"
#include "app/context/kontext.h"
#include "app/jobs/job_ids.h"
#include "core/corruption/muster.h"

namespace zor::app {

MusterDialog::MusterDialog(Kontext& kontext)
    : Jobdialog(kontext, DLG_VERF_MUSTER, QStringLiteral("FFO/FAB-Verfahren")) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Eingabedatei:"),
         ID_MUSTER_EINGABE,
         ID_OEFFNEN_KNOPF,
         {},
         QStringLiteral("Zu verfälschender Datei (Öffnen)"),
         &SATZ_DATEIEN,
         Richtung::Oeffnen},
        {QStringLiteral("FFO/FAB-Datei:"),
         ID_MUSTER_FOLGE,
         ID_ZWEITE_DATEI_KNOPF,
         {},
         QStringLiteral("FFO/FAB Datei (Öffnen)"),
         &SATZ_FFO_FAB,
         Richtung::Oeffnen},
        {QStringLiteral("Ausgabedatei:"),
         ID_MUSTER_AUSGABE,
         ID_SPEICHERN_KNOPF,
         {},
         QStringLiteral("Ausgabedatei (Speichern unter...)"),
         &SATZ_DATEIEN,
         Richtung::Speichern},
    }));
    spalte->addLayout(okAbbrechen());
}

void MusterDialog::ok() {
    const MusterAuftrag a{text(ID_MUSTER_EINGABE).toStdString(), text(ID_MUSTER_FOLGE).toStdString(),
                          text(ID_MUSTER_AUSGABE).toStdString(), geschuetzt()};
    imHintergrund([a](Fortschritt& f) { return MusterVerfaelschen(a, f); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.szInPutFile, 1); });
}

}  // namespace zor::app
