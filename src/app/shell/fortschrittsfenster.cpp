#include "app/shell/fortschrittsfenster.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/context/befehle.h"

namespace zor::app {
namespace {

// A job that ends this fast shows no window at all.
constexpr int ZEIGEN_NACH_MS = 400;
constexpr const char* TEXT_ABBRECHEN = "Abbrechen";
constexpr const char* TEXT_RESTZEIT = "noch etwa %1";

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
      prozent_(new QLabel(QStringLiteral("0"), this)),
      restzeit_(new QLabel(this)),
      abbrechen_(new QPushButton(QString::fromUtf8(TEXT_ABBRECHEN), this)),
      spaeter_(new QTimer(this)) {
    setObjectName(QStringLiteral("id_%1").arg(DLG_FORTSCHRITT));
    setWindowTitle(QStringLiteral("Bitte warten Sie"));
    // Modal, so that it takes input even over a modal job dialog that started the job.
    setWindowModality(Qt::ApplicationModal);
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

    restzeit_->setObjectName(QStringLiteral("restzeit"));
    restzeit_->setAlignment(Qt::AlignCenter);
    abbrechen_->setObjectName(QStringLiteral("id_%1").arg(ID_ABBRECHEN));
    abbrechen_->setEnabled(false);
    connect(abbrechen_, &QPushButton::clicked, this, [this] {
        abbrechen_->setEnabled(false);
        if (abbrechenFunktion_) abbrechenFunktion_();
    });
    spaeter_->setSingleShot(true);
    connect(spaeter_, &QTimer::timeout, this, &Fortschrittsfenster::zeigen);

    auto* knopfzeile = new QHBoxLayout;
    knopfzeile->addStretch(1);
    knopfzeile->addWidget(abbrechen_);
    knopfzeile->addStretch(1);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(16, 12, 16, 12);
    l->addWidget(datei_);
    l->addWidget(status_);
    l->addWidget(balken_);
    l->addLayout(zeile);
    l->addWidget(restzeit_);
    l->addLayout(knopfzeile);
    setFixedSize(QSize(340, sizeHint().height()));
}

QString restzeitText(qint64 vergangen, int k) {
    // Before a second has passed or two steps are done the rate says little.
    if (k < 2 || vergangen < 1000 || k >= 101) return {};
    const qint64 s = (vergangen * (101 - k) / k + 999) / 1000;
    QString zeit;
    if (s < 60)
        zeit = QStringLiteral("%1 s").arg(s);
    else if (s < 3600)
        zeit = QStringLiteral("%1 min %2 s").arg(s / 60).arg(s % 60);
    else
        zeit = QStringLiteral("%1 h %2 min").arg(s / 3600).arg(s % 3600 / 60);
    return QString::fromUtf8(TEXT_RESTZEIT).arg(zeit);
}

void Fortschrittsfenster::jobBeginnt(const std::string& titel, const std::string& status,
                                     std::function<void()> abbrechen) {
    abbrechenFunktion_ = std::move(abbrechen);
    abbrechen_->setEnabled(true);
    beginnen(titel, status);
    spaeter_->start(ZEIGEN_NACH_MS);
}

void Fortschrittsfenster::beginnen(const std::string& titel, const std::string& status) {
    datei_->setText(QString::fromStdString(titel));
    if (!status.empty()) status_->setText(QString::fromStdString(status));
    balken_->setValue(0);
    prozent_->setText(QStringLiteral("0"));
    restzeit_->clear();
    uhr_.start();
}

void Fortschrittsfenster::jobEndet() {
    spaeter_->stop();
    abbrechenFunktion_ = nullptr;
    abbrechen_->setEnabled(false);
    hide();
}

void Fortschrittsfenster::reject() {
    if (abbrechen_->isEnabled()) abbrechen_->click();
}

void Fortschrittsfenster::zeigen() {
    show();
    raise();
    // Escape reaches the window only while it has the keyboard.
    activateWindow();
}

void Fortschrittsfenster::start(const std::string& label, const std::string& status) {
    beginnen(label, status);
    // A job in the background appears only once it has taken a while; one on this thread
    // (the renderer, the old synchronous callers) at once.
    if (!abbrechenFunktion_) zeigen();
}

void Fortschrittsfenster::step(int k) {
    balken_->setValue(std::clamp(k, 0, 101));
    prozent_->setText(QString::number(std::min(k, 100)));
    restzeit_->setText(restzeitText(uhr_.isValid() ? uhr_.elapsed() : 0, k));
    repaint();
}

void Fortschrittsfenster::end() { hide(); }

int Fortschrittsfenster::balken() const { return balken_->value(); }
QString Fortschrittsfenster::prozent() const { return prozent_->text(); }
QString Fortschrittsfenster::restzeit() const { return restzeit_->text(); }

}  // namespace zor::app
