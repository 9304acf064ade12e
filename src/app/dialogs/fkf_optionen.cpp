#include "app/dialogs/fkf_optionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/context/kontext.h"
#include "core/documents/optionsregeln.h"

namespace zor::app {

FkfOptionendialog::FkfOptionendialog(Kontext& kontext, QWidget* eltern)
    : Optionsdialog(kontext, DLG_FKF_OPTIONEN, "Optionen für Fenster Fehlerkorrelationsfunktion", eltern) {
    const FkfOptionen o = fkfOptionen(kontext.zustand());
    cursor_ = haken(ID_CURSOR, "&Cursor setzen", o.cursor != 0);
    uhr_ = haken(ID_UHR, "&Rechenzeit anzeigen", o.uhr != 0);
    layout_->addWidget(cursor_);
    layout_->addWidget(uhr_);
    band_ = bandHaken(o.band != 0);

    abszisse_ = zahlfeld(ID_ABSZISSE, o.texte.abszisse);
    auto* beschriftung = new QLabel(QStringLiteral("Skalierung &Abszisse von 0 bis "), this);
    beschriftung->setBuddy(abszisse_);
    abszisseName_ = beschriftung->text();
    layout_->addLayout(mitFeld(beschriftung, abszisse_));
    layout_->addWidget(ordinatenRahmen("linear von 0 bis 1", "logarithmisch von 1e-", o.texte, o.ordinate));

    auto* rahmen = new QGroupBox(QStringLiteral("Berechnungsmethode:"), this);
    auto* rl = new QVBoxLayout(rahmen);
    methode_ = new QButtonGroup(this);
    rl->addWidget(wahl(methode_, ID_ALLGEMEIN, "Allg.- Gl. (1.19)", rahmen));
    rl->addWidget(wahl(methode_, ID_ERNEUERND, "aus FAV-Gl. (1.26)", rahmen));
    methode_->button(o.erneuernd != 0 ? ID_ERNEUERND : ID_ALLGEMEIN)->setChecked(true);
    layout_->addWidget(rahmen);
    knoepfeAnfuegen();
}

void FkfOptionendialog::freigeben() {
    const Optionsfreigabe f = fkfFreigabe(ordinate() == 1);
    cursor_->setEnabled(f.cursor);
    abszisse_->setEnabled(f.abszisse);
    dekadenFreigeben(f.dekaden);
}

Optionsfehler FkfOptionendialog::anwenden() {
    const FkfOptionen o{cursor_->isChecked() ? 1 : 0, uhr_->isChecked() ? 1 : 0, ordinate(),
                        methode_->checkedId() == ID_ERNEUERND ? 1 : 0, skalierung(), band_->isChecked() ? 1 : 0};
    return fkfOptionenAnwenden(kontext_.zustand(), o);
}

}  // namespace zor::app
