#include "app/jobs/gemc_verfaelschen_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/jobs/mar_bild.h"
#include "app/kontext/kontext.h"
#include "core/corruption/eingabe.h"
#include "core/corruption/verfaelschen.h"

namespace zor::app {

namespace {

constexpr int ID_TIEFE = 1011;  // ours: the interleaver depth

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
    static const Modellzeile GE{15, "Gilbert-Elliott-Modell", "p(G|B) =", "p(B|G) =", "Ok", 'g',
                                &geVorgabe, &gePruefen, &MakeGeError};
    static const Modellzeile MC{16, "Mc Cullough-Modell", "q(G|B) =", "q(B|G) =", "OK", 'm',
                                &mcVorgabe, &mcPruefen, &MakeMcError};
    return m == Zweizustand::GE ? GE : MC;
}

}  // namespace

GeMcVerfaelschenDialog::GeMcVerfaelschenDialog(Kontext& kontext, Zweizustand modell)
    : Jobdialog(kontext, zeile(modell).dialogId, QString::fromUtf8(zeile(modell).titel)), modell_(modell) {
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(gruppenUndBild());
    spalte->addWidget(dateien({
        {QStringLiteral("Eingang:"), 1000, 121, {}, QStringLiteral("Öffnen"), 4, Richtung::Oeffnen},
        {QStringLiteral("Ausgang:"), 1001, 151, {}, QStringLiteral("Speichern unter"), 4, Richtung::Speichern},
    }));
    auto* geschuetzt = new QHBoxLayout;
    geschuetzt->addWidget(new QLabel(QStringLiteral("Die ersten"), this));
    QLineEdit* n = feld(26, QString::fromStdString(zeile(modell).vorgabe().nProtect));
    n->setMaximumWidth(100);
    geschuetzt->addWidget(n);
    geschuetzt->addWidget(new QLabel(QStringLiteral("Bytes nicht verfälschen."), this));
    geschuetzt->addStretch(1);
    spalte->addLayout(geschuetzt);
    auto* tiefe = new QHBoxLayout;
    tiefe->addWidget(new QLabel(QStringLiteral("Verschachtelungstiefe:"), this));
    QLineEdit* d = feld(ID_TIEFE, QString::fromStdString(zeile(modell).vorgabe().tiefe));
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
        {QStringLiteral("Zufallsgenerator:"), {{QStringLiteral("Startwert SWZ ="), 1002, v.startwert}}},
        {QStringLiteral("Übergänge:"),
         {{QString::fromUtf8(z.gb), 1007, v.goodFromBad}, {QString::fromUtf8(z.bg), 1008, v.badFromGood}}},
        {QStringLiteral("Zustände:"),
         {{QStringLiteral("Zustand 'GOOD' ="), 1009, v.good}, {QStringLiteral("Zustand 'BAD' ="), 1010, v.bad}}},
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
    e.eingabe = text(1000).toStdString();
    e.ausgabe = text(1001).toStdString();
    e.nProtect = text(26).toStdString();
    e.startwert = text(1002).toStdString();
    e.goodFromBad = text(1007).toStdString();
    e.badFromGood = text(1008).toStdString();
    e.good = text(1009).toStdString();
    e.bad = text(1010).toStdString();
    e.tiefe = text(ID_TIEFE).toStdString();
    GeMcAuftrag a;
    if (!angenommen(z.pruefen(e, a))) return;
    a.geschuetzt = geschuetzt();
    imHintergrund([a, job = z.job](Fortschritt& f) { return job(a, f, KANAL_BLOCK); },
                  [this, a](const JobErgebnis& r) { verfaelschungAbschliessen(r, a.eingabe, 1); });
}

}  // namespace zor::app
