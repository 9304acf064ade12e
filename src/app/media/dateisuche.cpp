#include "app/media/dateisuche.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "app/platform/knopfkasten.h"

namespace zor::app {

namespace {
enum Art { Hex, Text, Bits };
}

Suchdialog::Suchdialog(Ansicht ansicht, QWidget* eltern)
    : QDialog(eltern), art_(new QComboBox(this)), text_(new QLineEdit(this)), rueckwaerts_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("suchen"));
    setWindowTitle(QString::fromUtf8(TEXT_SUCHE_TITEL));
    art_->setObjectName(QStringLiteral("art"));
    text_->setObjectName(QStringLiteral("muster"));
    rueckwaerts_->setObjectName(QStringLiteral("rueckwaerts"));
    art_->addItems({QStringLiteral("Hexadezimal (z. B. 52 49 46 46)"), QStringLiteral("Text")});
    if (ansicht == Ansicht::Bin) {
        art_->addItem(QStringLiteral("Bitmuster, an jeder Bitposition (z. B. 0110 1)"));
        art_->setCurrentIndex(Bits);
    }
    rueckwaerts_->setText(QStringLiteral("&Rückwärts suchen"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Art:"), art_);
    form->addRow(QStringLiteral("&Muster:"), text_);
    form->addRow(rueckwaerts_);
    form->addRow(okAbbrechenKasten(this));
    setMinimumWidth(420);
}

std::variant<Suchanfrage, std::string> Suchdialog::anfrage() const {
    const std::string t = text_->text().toStdString();
    std::variant<Suchmuster, std::string> m = art_->currentIndex() == Hex    ? hexMuster(t)
                                              : art_->currentIndex() == Bits ? bitMuster(t)
                                              : t.empty()                    ? std::variant<Suchmuster, std::string>(TEXT_MUSTER_LEER)
                                                                             : textMuster(t);
    if (auto* text = std::get_if<std::string>(&m)) return *text;
    return Suchanfrage{std::get<Suchmuster>(m), rueckwaerts_->isChecked() ? Suchrichtung::Rueckwaerts : Suchrichtung::Vorwaerts};
}

}  // namespace zor::app
