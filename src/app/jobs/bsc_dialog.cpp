#include "app/jobs/bsc_dialog.h"

#include <QGroupBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/kontext/kontext.h"
#include "core/corruption/eingabe.h"
#include "core/corruption/verfaelschen.h"

namespace zor::app {

namespace {
constexpr int NUMMERN_LAENGE = 14;
constexpr int ID_TIEFE = 166;  // ours: the interleaver depth
}

BscDialog::BscDialog(Kontext& kontext) : Jobdialog(kontext, 14, QStringLiteral("BSC-Modell")) {
    const BscEingaben v;
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(dateien({
        {QStringLiteral("Eingabedatei:"), 162, 121, {}, QStringLiteral("Eingabedatei (Öffnen)"), 4, Richtung::Oeffnen},
        {QStringLiteral("Ausgabedatei:"), 163, 151, {}, QStringLiteral("Ausgabedatei (Speichern unter...)"), 4,
         Richtung::Speichern},
    }));
    spalte->addLayout(geschuetzteBytes(QString::fromStdString(v.nProtect)));
    auto* zahlen = new QFormLayout;
    QLineEdit* p = feld(165, QString::fromStdString(v.p));
    QLineEdit* s = feld(164, QString::fromStdString(v.startwert));
    zahlen->addRow(QStringLiteral("Fehlerwahrscheinlichkeit:"), p);
    zahlen->addRow(QStringLiteral("Startwert Zufallsgenerator:"), s);
    QLineEdit* d = feld(ID_TIEFE, QString::fromStdString(v.tiefe));
    zahlen->addRow(QStringLiteral("Verschachtelungstiefe:"), d);
    for (QLineEdit* e : {p, s, d}) e->setMaxLength(NUMMERN_LAENGE);
    spalte->addLayout(zahlen);
    spalte->addLayout(okAbbrechen());
}

void BscDialog::ok() {
    BscEingaben e;
    e.eingabe = text(162).toStdString();
    e.ausgabe = text(163).toStdString();
    e.nProtect = text(26).toStdString();
    e.kopfAutomatisch = kopfAutomatisch();
    e.startwert = text(164).toStdString();
    e.p = text(165).toStdString();
    e.tiefe = text(ID_TIEFE).toStdString();
    BscAuftrag a;
    if (!angenommen(bscPruefen(e, a))) return;
    a.geschuetzt = geschuetzt();
    imHintergrund([a](Fortschritt& f) { return MmMakeBscErr(a, f); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.eingabe, 1); });
}

}  // namespace zor::app
