#include "app/shell/fortschrittsfenster.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "app/context/befehle.h"

namespace zor::app {
namespace {

QLabel* mittig(const QString& text, int id, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setObjectName(QStringLiteral("id_%1").arg(id));
    return l;
}

}  // namespace

Fortschrittsfenster::Fortschrittsfenster(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      datei_(mittig(QStringLiteral("datei"), ID_DATEI, this)),
      status_(mittig(QString::fromUtf8(TEXT_WIRD_ERSTELLT), ID_STATUS, this)),
      balken_(new QProgressBar(this)),
      prozent_(new QLabel(QStringLiteral("0"), this)) {
    setObjectName(QStringLiteral("id_%1").arg(DLG_FORTSCHRITT));
    setWindowTitle(QStringLiteral("Bitte warten Sie"));
    balken_->setObjectName(QStringLiteral("id_%1").arg(ID_BALKEN));
    balken_->setRange(0, 101);
    balken_->setValue(0);
    balken_->setTextVisible(false);
    prozent_->setObjectName(QStringLiteral("id_%1").arg(ID_PROZENT));
    prozent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    prozent_->setMinimumWidth(prozent_->fontMetrics().horizontalAdvance(QStringLiteral("100")));

    auto* zeile = new QHBoxLayout;
    zeile->setSpacing(3);
    zeile->addStretch(1);
    zeile->addWidget(prozent_);
    zeile->addWidget(new QLabel(QStringLiteral("%"), this));
    zeile->addStretch(1);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 12, 16, 12);
    l->addWidget(datei_);
    l->addWidget(status_);
    l->addWidget(balken_);
    l->addLayout(zeile);
    setFixedSize(QSize(340, sizeHint().height()));
}

void Fortschrittsfenster::start(const std::string& label, const std::string& status) {
    datei_->setText(QString::fromStdString(label));
    if (!status.empty()) status_->setText(QString::fromStdString(status));
    balken_->setValue(0);
    prozent_->setText(QStringLiteral("0"));
    show();
    // A new window reaches the screen only once the window system has exposed it; wait for
    // that (user input excluded, so no command can start), after which steps paint directly.
    QDeadlineTimer frist(300);
    while (windowHandle() && !windowHandle()->isExposed() && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    repaint();
}

void Fortschrittsfenster::step(int k) {
    balken_->setValue(std::clamp(k, 0, 101));
    prozent_->setText(QString::number(std::min(k, 100)));
    repaint();
}

void Fortschrittsfenster::end() { hide(); }

int Fortschrittsfenster::balken() const { return balken_->value(); }
QString Fortschrittsfenster::prozent() const { return prozent_->text(); }

}  // namespace zor::app
