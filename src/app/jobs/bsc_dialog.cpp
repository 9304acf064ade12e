#include "app/jobs/bsc_dialog.h"

#include <QGroupBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/context/kontext.h"
#include "app/jobs/job_ids.h"
#include "core/corruption/eingabe.h"
#include "core/corruption/verfaelschen.h"

namespace zor::app {

namespace {
constexpr int NUMMERN_LAENGE = 14;
}

BscDialog::BscDialog(Kontext& kontext) : Jobdialog(kontext, DLG_VERF_BSC, QStringLiteral("BSC-Modell")) {
    const BscEingaben v;
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Eingabedatei:"),
         ID_BSC_EINGABE,
         ID_OEFFNEN_KNOPF,
         {},
         QStringLiteral("Eingabedatei (Öffnen)"),
         &SATZ_DATEIEN,
         Richtung::Oeffnen},
        {QStringLiteral("Ausgabedatei:"),
         ID_BSC_AUSGABE,
         ID_SPEICHERN_KNOPF,
         {},
         QStringLiteral("Ausgabedatei (Speichern unter...)"),
         &SATZ_DATEIEN,
         Richtung::Speichern},
    }));
    spalte->addLayout(geschuetzteBytes(QString::fromStdString(v.nProtect)));
    auto* zahlen = new QFormLayout;
    QLineEdit* p = feld(ID_BSC_P, QString::fromStdString(v.p));
    QLineEdit* s = feld(ID_BSC_STARTWERT, QString::fromStdString(v.startwert));
    zahlen->addRow(QStringLiteral("Fehlerwahrscheinlichkeit:"), p);
    zahlen->addRow(QStringLiteral("Startwert Zufallsgenerator:"), s);
    QLineEdit* d = feld(ID_BSC_TIEFE, QString::fromStdString(v.tiefe));
    zahlen->addRow(QStringLiteral("Verschachtelungstiefe:"), d);
    for (QLineEdit* e : {p, s, d}) e->setMaxLength(NUMMERN_LAENGE);
    spalte->addLayout(zahlen);
    spalte->addLayout(okAbbrechen());
}

void BscDialog::ok() {
    BscEingaben e;
    e.eingabe = text(ID_BSC_EINGABE).toStdString();
    e.ausgabe = text(ID_BSC_AUSGABE).toStdString();
    e.nProtect = text(ID_GESCHUETZT).toStdString();
    e.kopfAutomatisch = kopfAutomatisch();
    e.startwert = text(ID_BSC_STARTWERT).toStdString();
    e.p = text(ID_BSC_P).toStdString();
    e.tiefe = text(ID_BSC_TIEFE).toStdString();
    BscAuftrag a;
    if (!angenommen(bscPruefen(e, a))) return;
    a.geschuetzt = geschuetzt();
    imHintergrund([a](Fortschritt& f) { return MmMakeBscErr(a, f); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.eingabe, 1); });
}

}  // namespace zor::app
