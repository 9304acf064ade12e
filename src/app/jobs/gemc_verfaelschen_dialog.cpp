#include "app/jobs/gemc_verfaelschen_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/context/kontext.h"
#include "app/jobs/job_ids.h"
#include "app/jobs/mar_bild.h"
#include "core/corruption/eingabe.h"
#include "core/corruption/verfaelschen.h"

namespace zor::app {

namespace {

struct Modellzeile {
    int dialogId;
    const char* titel;
    const char* gb;  // label of the BAD -> GOOD transition
    const char* bg;
    const char* ok;
    char bild;
    GeMcEingaben (*vorgabe)();
    EingabePruefung (*pruefen)(const GeMcEingaben&, GeMcAuftrag&);
    JobErgebnis (*job)(const GeMcAuftrag&, Fortschritt&, std::size_t);
};

const Modellzeile& zeile(Zweizustand m) {
    static const Modellzeile GE{
        DLG_VERF_GE, "Gilbert-Elliott-Modell", "p(G|B) =", "p(B|G) =", "Ok", 'g', &geVorgabe, &gePruefen, &MakeGeError};
    static const Modellzeile MC{DLG_VERF_MC, "Mc Cullough-Modell", "q(G|B) =", "q(B|G) =",  "OK",
                                'm',         &mcVorgabe,           &mcPruefen, &MakeMcError};
    return m == Zweizustand::GE ? GE : MC;
}

}  // namespace

GeMcVerfaelschenDialog::GeMcVerfaelschenDialog(Kontext& kontext, Zweizustand modell)
    : Jobdialog(kontext, zeile(modell).dialogId, QString::fromUtf8(zeile(modell).titel)), modell_(modell) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(gruppenUndBild());
    spalte->addWidget(dateien({
        {QStringLiteral("Eingang:"),
         ID_GEMC_EINGABE,
         ID_OEFFNEN_KNOPF,
         {},
         QStringLiteral("Öffnen"),
         &SATZ_DATEIEN,
         Richtung::Oeffnen},
        {QStringLiteral("Ausgang:"),
         ID_GEMC_AUSGABE,
         ID_SPEICHERN_KNOPF,
         {},
         QStringLiteral("Speichern unter"),
         &SATZ_DATEIEN,
         Richtung::Speichern},
    }));
    spalte->addLayout(geschuetzteBytes(QString::fromStdString(zeile(modell).vorgabe().nProtect)));
    auto* tiefe = new QHBoxLayout;
    tiefe->addWidget(new QLabel(QStringLiteral("Verschachtelungstiefe:"), this));
    QLineEdit* d = feld(ID_GEMC_TIEFE, QString::fromStdString(zeile(modell).vorgabe().tiefe));
    d->setMaximumWidth(100);
    d->setMaxLength(14);
    tiefe->addWidget(d);
    tiefe->addStretch(1);
    spalte->addLayout(tiefe);
    spalte->addLayout(okAbbrechen(QString::fromUtf8(zeile(modell).ok)));
}

// The three parameter groups on the left, the model diagram on the right.
QLayout* GeMcVerfaelschenDialog::gruppenUndBild() {
    const Modellzeile& z = zeile(modell_);
    const GeMcEingaben v = z.vorgabe();
    struct Gruppe {
        QString titel;
        std::vector<std::tuple<QString, int, std::string>> felder;
    };
    const Gruppe gruppen[] = {
        {QStringLiteral("Zufallsgenerator:"), {{QStringLiteral("Startwert SWZ ="), ID_GEMC_STARTWERT, v.startwert}}},
        {QStringLiteral("Übergänge:"),
         {{QString::fromUtf8(z.gb), ID_GEMC_GOOD_VON_BAD, v.goodFromBad},
          {QString::fromUtf8(z.bg), ID_GEMC_BAD_VON_GOOD, v.badFromGood}}},
        {QStringLiteral("Zustände:"),
         {{QStringLiteral("Zustand 'GOOD' ="), ID_GEMC_GOOD, v.good},
          {QStringLiteral("Zustand 'BAD' ="), ID_GEMC_BAD, v.bad}}},
    };
    auto* links = new QVBoxLayout;
    for (const Gruppe& g : gruppen) {
        auto* box = new QGroupBox(g.titel, this);
        auto* form = new QFormLayout(box);
        for (const auto& [beschriftung, id, wert] : g.felder) {
            QLineEdit* e = feld(id, QString::fromStdString(wert));
            e->setMaxLength(14);
            form->addRow(beschriftung, e);
        }
        links->addWidget(box);
    }
    auto* reihe = new QHBoxLayout;
    reihe->addLayout(links);
    reihe->addWidget(new MarBild(z.bild, this), 1);
    return reihe;
}

void GeMcVerfaelschenDialog::ok() {
    const Modellzeile& z = zeile(modell_);
    GeMcEingaben e = z.vorgabe();
    e.eingabe = text(ID_GEMC_EINGABE).toStdString();
    e.ausgabe = text(ID_GEMC_AUSGABE).toStdString();
    e.nProtect = text(ID_GESCHUETZT).toStdString();
    e.kopfAutomatisch = kopfAutomatisch();
    e.startwert = text(ID_GEMC_STARTWERT).toStdString();
    e.goodFromBad = text(ID_GEMC_GOOD_VON_BAD).toStdString();
    e.badFromGood = text(ID_GEMC_BAD_VON_GOOD).toStdString();
    e.good = text(ID_GEMC_GOOD).toStdString();
    e.bad = text(ID_GEMC_BAD).toStdString();
    e.tiefe = text(ID_GEMC_TIEFE).toStdString();
    GeMcAuftrag a;
    if (!angenommen(z.pruefen(e, a))) return;
    a.geschuetzt = geschuetzt();
    imHintergrund([a, job = z.job](Fortschritt& f) { return job(a, f, KANAL_BLOCK); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.eingabe, 1); });
}

}  // namespace zor::app
