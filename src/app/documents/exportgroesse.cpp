#include "app/documents/exportgroesse.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "app/plot/bildausgabe.h"

namespace zor::app {
namespace {


QSpinBox* feld(int wert, const QString& name, QWidget* eltern) {
    auto* f = new QSpinBox(eltern);
    f->setObjectName(name);
    f->setRange(16, BILD_KANTE_MAX);
    f->setSuffix(QStringLiteral(" Pixel"));
    f->setValue(wert);
    return f;
}

}  // namespace

ExportGroesse::ExportGroesse(QSize vorgabe, QWidget* eltern)
    : QDialog(eltern), breite_(feld(vorgabe.width(), QStringLiteral("breite"), this)),
      hoehe_(feld(vorgabe.height(), QStringLiteral("hoehe"), this)) {
    setObjectName(QStringLiteral("exportgroesse"));
    setWindowTitle(QStringLiteral("Exportieren"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Breite:"), breite_);
    form->addRow(QStringLiteral("&Höhe:"), hoehe_);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(knoepfe);
}

QSize ExportGroesse::groesse() const { return {breite_->value(), hoehe_->value()}; }

std::optional<QSize> ExportGroesse::frage(QSize vorgabe, QWidget* eltern) {
    ExportGroesse d(vorgabe, eltern);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.groesse();
}

}  // namespace zor::app
