#include "app/dialogs/buendel_optionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zor::app {
namespace {

constexpr const char* BILDER[] = {
    "Bündel&länge L",
    "Bündel&gewicht W (Fehler je Bündel)",
    "Abstand &A zwischen Bündeln",
    "Fehler je Block P(&m, n)",
    "&Restblockfehler P(> t) über n",
};

}  // namespace

BuendelOptionendialog::BuendelOptionendialog(Kontext& kontext, Buendeleinstellungen& einstellungen, QWidget* eltern)
    : Optionsdialog(kontext, DLG_BUENDEL_OPTIONEN, "Optionen für Fenster Bündel und Blöcke", eltern),
      einstellungen_(einstellungen) {
    const Buendeleinstellungen& e = einstellungen;
    const Buendeltexte t = buendelTexte(e);

    auto* rahmen = new QGroupBox(QStringLiteral("Diagramm"), this);
    auto* rl = new QVBoxLayout(rahmen);
    bild_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) rl->addWidget(wahl(bild_, ID_BUENDEL_LAENGE + i, BILDER[i], rahmen));
    bild_->button(ID_BUENDEL_LAENGE + static_cast<int>(e.bild))->setChecked(true);
    connect(bild_, &QButtonGroup::idClicked, this, [this] { freigeben(); });
    layout_->addWidget(rahmen);

    auto* werte = new QGroupBox(QStringLiteral("Werte"), this);
    auto* form = new QFormLayout(werte);
    const auto zeile = [&](int id, const char* text, const std::string& wert) {
        QLineEdit* f = zahlfeld(id, wert);
        auto* l = new QLabel(QString::fromUtf8(text), werte);
        l->setBuddy(f);
        form->addRow(l, f);
        return f;
    };
    schutz_ = zeile(ID_BUENDEL_SCHUTZ, "&Schutzabstand g:", t.schutz);
    n_ = zeile(ID_BUENDEL_N, "&Blocklänge n:", t.n);
    M_ = zeile(ID_BUENDEL_M, "höchste &Fehlerzahl M:", t.M);
    t_ = zeile(ID_BUENDEL_T, "&korrigierbare Fehler t:", t.t);
    tiefe_ = zeile(ID_BUENDEL_TIEFE, "&Verschachtelungstiefe d:", t.tiefe);
    layout_->addWidget(werte);

    pk_ = haken(ID_BUENDEL_PK, "Wahrscheinlichkeiten &p(X = k) statt P(X ≥ k)", e.punktwahrscheinlichkeit);
    xLog_ = haken(ID_BUENDEL_XLOG, "Abszisse l&ogarithmisch", e.xLog);
    yLog_ = haken(ID_BUENDEL_YLOG, "Ordinate log&arithmisch", e.yLog);
    cursor_ = haken(ID_BUENDEL_CURSOR, "&Cursor setzen", e.cursor);
    for (QCheckBox* c : {pk_, xLog_, yLog_, cursor_}) layout_->addWidget(c);
    freigeben();
    knoepfeAnfuegen();
}

Buendelbild BuendelOptionendialog::bild() const {
    return static_cast<Buendelbild>(bild_->checkedId() - ID_BUENDEL_LAENGE);
}

void BuendelOptionendialog::freigeben() {
    const Buendelfreigabe f = buendelFreigabe(bild());
    schutz_->setEnabled(f.schutz);
    n_->setEnabled(f.n);
    M_->setEnabled(f.M);
    t_->setEnabled(f.t);
    tiefe_->setEnabled(f.tiefe);
    pk_->setEnabled(f.punktwahrscheinlichkeit);
    xLog_->setEnabled(f.xLog);
}

std::string BuendelOptionendialog::anwendenMitText() {
    Buendeleinstellungen wahl = einstellungen_;
    wahl.bild = bild();
    wahl.punktwahrscheinlichkeit = pk_->isChecked();
    wahl.xLog = xLog_->isChecked();
    wahl.yLog = yLog_->isChecked();
    wahl.cursor = cursor_->isChecked();
    const Buendeltexte t{schutz_->text().toStdString(), n_->text().toStdString(), M_->text().toStdString(),
                         t_->text().toStdString(), tiefe_->text().toStdString()};
    return buendelAnwenden(einstellungen_, wahl, t).value_or(std::string());
}

}  // namespace zor::app
