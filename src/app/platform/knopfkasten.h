#pragma once
// "OK" and "Abbrechen" under a small dialog, German whatever Qt's own translations say,
// named "ok" and "abbrechen" for the tests and the help pictures; they accept and reject.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zor::app {

inline QDialogButtonBox* okAbbrechenKasten(QDialog* d) {
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return knoepfe;
}

}  // namespace zor::app
