#include "app/dialogs/netem_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/knopfzeile.h"

namespace zor::app {
namespace {

constexpr const char* TITEL = "Parametersatz %1 aus netem-Zeile";
constexpr const char* AUFFORDERUNG = "netem-Zeile, z. B. „tc qdisc add dev eth0 root netem loss gemodel 1% 10% 70% 0.1%“:";

QString idName(int id) { return QStringLiteral("id_%1").arg(id); }

}  // namespace

NetemDialog::NetemDialog(int satz, QWidget* eltern) : QDialog(eltern) {
    setObjectName(idName(DLG_NETEM));
    setWindowTitle(QString::fromUtf8(TITEL).arg(satz + 1));
    setModal(true);
    auto* l = new QVBoxLayout(this);
    auto* aufforderung = new QLabel(QString::fromUtf8(AUFFORDERUNG), this);
    aufforderung->setWordWrap(true);
    zeile_ = new QLineEdit(this);
    zeile_->setObjectName(idName(ID_NETEM_ZEILE));
    zeile_->setMinimumWidth(zeile_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60);
    aufforderung->setBuddy(zeile_);
    unterstuetzt_ = new QLabel(QString::fromUtf8(TEXT_NETEM_UNTERSTUETZT), this);
    unterstuetzt_->setWordWrap(true);
    meldung_ = new QLabel(this);
    meldung_->setObjectName(idName(ID_NETEM_MELDUNG));
    meldung_->setWordWrap(true);
    meldung_->setStyleSheet(QStringLiteral("color: #b00000"));
    meldung_->setVisible(false);
    l->addWidget(aufforderung);
    l->addWidget(zeile_);
    l->addWidget(unterstuetzt_);
    l->addWidget(meldung_);

    l->addLayout(okAbbrechenZeile(this, [this] { bestaetigen(); }, [this] { reject(); }));
    connect(zeile_, &QLineEdit::textEdited, this, [this] { meldungZeigen({}); });
    // Wrapped labels take their height from the width: the layout must ask them.
    l->setSizeConstraint(QLayout::SetFixedSize);
}

// A refusal names what is supported itself, so it takes the place of that line.
void NetemDialog::meldungZeigen(const QString& text) {
    meldung_->setText(text);
    meldung_->setVisible(!text.isEmpty());
    unterstuetzt_->setVisible(text.isEmpty());
}

void NetemDialog::bestaetigen() {
    const NetemErgebnis e = netemLesen(zeile_->text().toStdString());
    if (!e) {
        meldungZeigen(QString::fromStdString(e.meldung));
        zeile_->setFocus();
        return;
    }
    modell_ = e.modell;
    accept();
}

}  // namespace zor::app
