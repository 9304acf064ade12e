#pragma once
// The "OK" / "Abbrechen" row that closes the dialogs of this folder, right-aligned, with
// the ids the tests and the help find them by. "OK" is the default button.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/context/befehle.h"

namespace zor::app {

template <class Bestaetigen, class Abbrechen>
QHBoxLayout* okAbbrechenZeile(QDialog* d, Bestaetigen bestaetigen, Abbrechen abbrechen) {
    auto* zeile = new QHBoxLayout;
    zeile->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), d);
    ok->setObjectName(QStringLiteral("id_%1").arg(ID_BESTAETIGEN));
    ok->setDefault(true);
    auto* nein = new QPushButton(QStringLiteral("Abbrechen"), d);
    nein->setObjectName(QStringLiteral("id_%1").arg(ID_ABBRECHEN));
    zeile->addWidget(ok);
    zeile->addWidget(nein);
    QObject::connect(ok, &QPushButton::clicked, d, bestaetigen);
    QObject::connect(nein, &QPushButton::clicked, d, abbrechen);
    return zeile;
}

}  // namespace zor::app
