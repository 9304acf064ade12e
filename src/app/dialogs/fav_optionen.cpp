#include "app/dialogs/fav_optionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/context/kontext.h"
#include "core/documents/optionsregeln.h"

namespace zor::app {

FavOptionendialog::FavOptionendialog(Kontext& kontext, QWidget* eltern)
    : Optionsdialog(kontext, DLG_FAV_OPTIONEN, "Optionen für Fenster Fehlerabstandsverteilung", eltern) {
    const FavOptionen o = favOptionen(kontext.zustand());
    cursor_ = haken(ID_CURSOR, "&Cursor setzen", o.cursor != 0);
    uhr_ = haken(ID_UHR, "&Rechenzeit anzeigen", o.uhr != 0);
    ab_ = haken(ID_AB, "Darstellung der Wahrscheinlichkeiten p(a=k)", o.AB != 0);
    for (QCheckBox* c : {cursor_, uhr_, ab_}) layout_->addWidget(c);
    band_ = bandHaken(o.band != 0);

    auto* rahmen = new QGroupBox(QStringLiteral("Skalierung Abszisse"), this);
    auto* rl = new QVBoxLayout(rahmen);
    abszisseArt_ = new QButtonGroup(this);
    abszisse_ = zahlfeld(ID_ABSZISSE, o.texte.abszisse);
    QRadioButton* linear = wahl(abszisseArt_, ID_ABSZISSE_LINEAR, "linear von 0 bis", rahmen);
    abszisseName_ = rahmen->title() + QStringLiteral(": ") + linear->text();
    rl->addLayout(mitFeld(linear, abszisse_));
    rl->addWidget(wahl(abszisseArt_, ID_ABSZISSE_LOG, "logarithmisch von 1e+0 bis 1e+2", rahmen));
    connect(abszisseArt_, &QButtonGroup::idClicked, this, &FavOptionendialog::abszisseWaehlen);
    layout_->addWidget(rahmen);
    layout_->addWidget(ordinatenRahmen("&linear von 0 bis 1", "l&ogarithmisch von 1e-", o.texte, o.ordinate));
    abszisseWaehlen(o.abszisse != 0 ? ID_ABSZISSE_LINEAR : ID_ABSZISSE_LOG);
    knoepfeAnfuegen();
}

void FavOptionendialog::abszisseWaehlen(int id) {
    abszisseArt_->button(id)->setChecked(true);
    freigeben();
}

void FavOptionendialog::freigeben() {
    const Optionsfreigabe f = favFreigabe(abszisseArt_->checkedId() == ID_ABSZISSE_LINEAR, ordinate() == 1);
    cursor_->setEnabled(f.cursor);
    abszisse_->setEnabled(f.abszisse);
    dekadenFreigeben(f.dekaden);
}

Optionsfehler FavOptionendialog::anwenden() {
    const FavOptionen o{cursor_->isChecked() ? 1 : 0, uhr_->isChecked() ? 1 : 0, ordinate(),
                        abszisseArt_->checkedId() == ID_ABSZISSE_LINEAR ? 1 : 0, ab_->isChecked() ? 1 : 0,
                        skalierung(), band_->isChecked() ? 1 : 0};
    return favOptionenAnwenden(kontext_.zustand(), o);
}

}  // namespace zor::app
