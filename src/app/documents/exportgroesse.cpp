#include "app/documents/exportgroesse.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "app/platform/knopfkasten.h"
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

ExportGroesse::ExportGroesse(QSize vorgabe, std::optional<Legendenort> legende, QWidget* eltern)
    : QDialog(eltern),
      breite_(feld(vorgabe.width(), QStringLiteral("breite"), this)),
      hoehe_(feld(vorgabe.height(), QStringLiteral("hoehe"), this)) {
    setObjectName(QStringLiteral("exportgroesse"));
    setWindowTitle(QStringLiteral("Exportieren"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Breite:"), breite_);
    form->addRow(QStringLiteral("&Höhe:"), hoehe_);
    if (legende) {
        legende_ = new QComboBox(this);
        legende_->setObjectName(QStringLiteral("legende"));
        for (const Legendenwahl& w : LEGENDENORTE) {
            legende_->addItem(QString::fromUtf8(w.text), static_cast<int>(w.ort));
            if (w.ort == *legende) legende_->setCurrentIndex(legende_->count() - 1);
        }
        form->addRow(QStringLiteral("&Legende:"), legende_);
    }
    form->addRow(okAbbrechenKasten(this));
}

Exportwahl ExportGroesse::wahl() const {
    const auto ort = legende_ ? static_cast<Legendenort>(legende_->currentData().toInt()) : Legendenort::Keine;
    return {{breite_->value(), hoehe_->value()}, ort};
}

std::optional<Exportwahl> ExportGroesse::frage(QSize vorgabe, std::optional<Legendenort> legende, QWidget* eltern) {
    ExportGroesse d(vorgabe, legende, eltern);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.wahl();
}

}  // namespace zor::app
