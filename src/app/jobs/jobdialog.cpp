#include "app/jobs/jobdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/jobs/job_ids.h"
#include "app/platform/hinweise.h"
#include "app/platform/meldungsdienst.h"
#include "core/corruption/eingabe.h"
#include "core/corruption/verfaelschen.h"
#include "core/seqfiles/dateiquelle.h"

namespace zor::app {

Jobdialog::Jobdialog(Kontext& kontext, int dialogId, const QString& titel)
    : QDialog(kontext.fenster()), kontext_(kontext) {
    setObjectName(QStringLiteral("id_%1").arg(dialogId));
    setWindowTitle(titel);
}

Eingaben Jobdialog::geschuetzt() const { return satzDateien(kontext_.zustand()); }

QString Jobdialog::text(int id) const {
    const auto* e = findChild<QLineEdit*>(QStringLiteral("id_%1").arg(id));
    return e ? e->text() : QString();
}

QLineEdit* Jobdialog::feld(int id, const QString& vorgabe) {
    auto* e = new QLineEdit(vorgabe, this);
    e->setObjectName(QStringLiteral("id_%1").arg(id));
    return e;
}

QLayout* Jobdialog::geschuetzteBytes(const QString& vorgabe) {
    auto* reihe = new QHBoxLayout;
    reihe->addWidget(new QLabel(QStringLiteral("Die ersten"), this));
    QLineEdit* n = feld(ID_GESCHUETZT, vorgabe);
    n->setMaximumWidth(100);
    n->setMaxLength(14);
    reihe->addWidget(n);
    reihe->addWidget(new QLabel(QStringLiteral("Bytes nicht verfälschen."), this));
    reihe->addStretch(1);
    auto* automatisch = new QCheckBox(QStringLiteral("&Kopf schützen: automatisch"), this);
    automatisch->setObjectName(QStringLiteral("kopfAutomatisch"));
    automatisch->setToolTip(QStringLiteral("Schützt genau den Kopf einer BMP-, WAV-, AVI- oder MIDI-Datei"));
    connect(automatisch, &QCheckBox::toggled, n, &QLineEdit::setDisabled);
    auto* spalte = new QVBoxLayout;
    spalte->addLayout(reihe);
    spalte->addWidget(automatisch);
    return spalte;
}

bool Jobdialog::kopfAutomatisch() const {
    const auto* k = findChild<QCheckBox*>(QStringLiteral("kopfAutomatisch"));
    return k && k->isChecked();
}

QPushButton* Jobdialog::knopf(int id, const QString& beschriftung) {
    auto* b = new QPushButton(beschriftung, this);
    b->setObjectName(QStringLiteral("id_%1").arg(id));
    b->setAutoDefault(false);
    return b;
}

QPushButton* Jobdialog::durchsuchen(int knopfId, int feldId, const QString& titel, const Filtersatz& satz, Richtung r) {
    QPushButton* b = knopf(knopfId, r == Richtung::Oeffnen ? QStringLiteral("Öffnen...") : QStringLiteral("Speichern..."));
    connect(b, &QPushButton::clicked, this, [this, feldId, titel, &satz, r] {
        auto* e = findChild<QLineEdit*>(QStringLiteral("id_%1").arg(feldId));
        Dateiwahl& w = kontext_.dateiwahl();
        const auto name = r == Richtung::Oeffnen ? w.GetFileNameInFWK(titel, e->text(), satz)
                                                 : w.GetFileNameOutFWK(titel, e->text(), satz);
        if (name) e->setText(*name);
    });
    return b;
}

QGroupBox* Jobdialog::dateien(std::initializer_list<Dateizeile> zeilen, const QString& ueberschrift) {
    auto* gruppe = new QGroupBox(ueberschrift, this);
    auto* raster = new QGridLayout(gruppe);
    int zeile = 0;
    for (const Dateizeile& z : zeilen) {
        QLineEdit* e = feld(z.feldId);
        e->setMinimumWidth(280);
        auto* l = new QLabel(z.beschriftung, gruppe);
        l->setBuddy(e);
        raster->addWidget(l, zeile, 0);
        raster->addWidget(e, zeile, 1);
        raster->addWidget(durchsuchen(z.knopfId, z.feldId, z.titel, *z.satz, z.richtung), zeile, 2);
        ++zeile;
    }
    raster->setColumnStretch(1, 1);
    return gruppe;
}

QLayout* Jobdialog::okAbbrechen(const QString& okText) {
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    QPushButton* ja = knopf(ID_BESTAETIGEN, okText);
    ja->setDefault(true);
    ja->setAutoDefault(true);
    QPushButton* nein = knopf(ID_ABBRECHEN, QStringLiteral("Abbrechen"));
    connect(ja, &QPushButton::clicked, this, [this] { ok(); });
    connect(nein, &QPushButton::clicked, this, [this] { done(0); });
    reihe->addWidget(ja);
    reihe->addWidget(nein);
    return reihe;
}

bool Jobdialog::angenommen(const EingabePruefung& p) {
    switch (p.art) {
    case Eingabefehler::Keiner: return true;
    case Eingabefehler::Startwert:
    case Eingabefehler::Wahrscheinlichkeit: {
        const int vorlage = p.art == Eingabefehler::Startwert ? DLG_STARTFEHLER : DLG_EINGABEFEHLER;
        if (EingabeAbgelehnt(vorlage, kontext_.warnton(), this, QString::fromStdString(p.grund)) == 0) done(0);
        return false;
    }
    default: zeige(kontext_.meldung(), p.meldung); return false;
    }
}

void Jobdialog::imHintergrund(std::function<JobErgebnis(Fortschritt&)> job,
                              std::function<void(const JobErgebnis&)> danach) {
    kontext_.hintergrund().starten<JobErgebnis>(this, {windowTitle().toStdString(), TEXT_WIRD_ERSTELLT}, std::move(job),
                                                [danach = std::move(danach)](JobErgebnis e) {
                                                    if (!e.abgebrochen) danach(e);
                                                });
}

void Jobdialog::ergebnisZeigen(const JobErgebnis& e) {
    for (const Meldung& m : e.meldungen) zeige(kontext_.meldung(), m);
    if (e.ok && !e.ausgabe.empty()) kontext_.geschriebenMelden(QString::fromStdString(e.ausgabe));
    if (e.ok && !e.zusammenfassung.empty())
        kontext_.meldung().zeige(QString::fromStdString(e.zusammenfassung), QString::fromUtf8(TITEL_ZUSAMMENFASSUNG),
                                 Symbol::Ausrufezeichen);
}

void Jobdialog::abschliessen(const JobErgebnis& e) {
    ergebnisZeigen(e);
    if (e.ok) done(1);
}

void Jobdialog::verfaelschungAbschliessen(const JobErgebnis& e, const std::string& original, int ergebnis) {
    ergebnisZeigen(e);
    if (!e.ok) return;  // a refusal or failure keeps the entries for a correction
    if (kontext_.meldung().zeige(QStringLiteral("Ergebnis anzeigen?"), QString::fromUtf8(TITEL_PROGRAMM),
                                         Symbol::Frage, Knoepfe::JaNein) == Antwort::Ja)
        kontext_.zeigeNebeneinander(QString::fromStdString(original), QString::fromStdString(e.ausgabe));
    done(ergebnis);
}

}  // namespace zor::app
