#include "app/dialogs/kenngroessen_panel.h"

#include <QFormLayout>
#include <QLabel>

#include "core/documents/kennzeilen.h"

namespace zor::app {
namespace {
constexpr const char* KEIN_WERT = "–";
}

QString kennwertName(const std::string& schluessel) {
    return QStringLiteral("kenn_") + QString::fromStdString(schluessel);
}

KenngroessenPanel::KenngroessenPanel(Modellart art, int D, QWidget* eltern)
    : QGroupBox(QString::fromUtf8(TITEL_KENNGROESSEN), eltern), art_(art), D_(D), form_(new QFormLayout(this)) {
    setObjectName(QStringLiteral("kenngroessen"));
    form_->setLabelAlignment(Qt::AlignLeft);
    hinweis_ = new QLabel(QString::fromUtf8(TEXT_KENNGROESSEN_UNVOLLSTAENDIG), this);
    hinweis_->setObjectName(QStringLiteral("kenn_hinweis"));
    hinweis_->setWordWrap(true);
    hinweis_->setVisible(false);
    form_->addRow(hinweis_);
}

void KenngroessenPanel::zeigen(std::span<const std::string> texte) {
    aktuell_ = kenngroessenAusEingaben(art_, texte, D_);
    hinweis_->setVisible(!aktuell_);
    if (!aktuell_) {
        for (auto& [schluessel, label] : werte_) label->setText(QString::fromUtf8(KEIN_WERT));
        return;
    }
    // The lines of a model never change, so they are made when first known.
    for (const Kennzeile& z : kennzeilen(*aktuell_)) {
        QLabel*& wert = werte_[z.schluessel];
        if (!wert) {
            wert = new QLabel(this);
            wert->setObjectName(kennwertName(z.schluessel));
            wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
            form_->insertRow(form_->rowCount() - 1, QString::fromStdString(z.name + ":"), wert);
        }
        wert->setText(QString::fromStdString(kennwertText(z)));
    }
}

}  // namespace zor::app
