#include "app/shell/statusleiste.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

#include "app/context/befehle.h"
#include "app/context/texte.h"

namespace zor::app {

QString uhrzeitText(const QTime& t) {
    return QString::asprintf("   %2d:%02d:%02d", t.hour(), t.minute(), t.second());
}

QString datumText(const QDate& d) {
    return QString::asprintf("   %02d.%02d.%02d", d.day(), d.month(), d.year());
}

Statusleiste::Statusleiste(std::function<QString(int)> hinweis, QWidget* eltern)
    : QStatusBar(eltern), hinweis_(std::move(hinweis)), uhr_(new QTimer(this)) {
    setObjectName(QStringLiteral("id_%1").arg(ID_STATUSLEISTE));
    setSizeGripEnabled(false);
    const QFontMetrics fm(font());
    // Wide enough for the clock texts with their three leading blanks.
    const int breiten[FELDER] = {0, fm.horizontalAdvance(QStringLiteral("Datum:")) + 12,
                                 fm.horizontalAdvance(datumText(QDate(2000, 12, 28))) + 12,
                                 fm.horizontalAdvance(QStringLiteral("Uhrzeit:")) + 12,
                                 fm.horizontalAdvance(uhrzeitText(QTime(23, 59, 58))) + 12};
    for (int i = 0; i < FELDER; ++i) {
        felder_[i] = new QLabel(this);
        felder_[i]->setObjectName(QStringLiteral("feld_%1").arg(i));
        felder_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        felder_[i]->setMargin(1);
        if (i == 0) {
            addWidget(felder_[i], 1);
        } else {
            felder_[i]->setFixedWidth(breiten[i]);
            addPermanentWidget(felder_[i]);
        }
    }
    UpdateStatusBar(text(TXT_PROGRAMMZEILE), 0);
    UpdateStatusBar(QStringLiteral("Datum:"), 1, true);
    UpdateStatusBar(QStringLiteral("Uhrzeit:"), 3, true);
    connect(uhr_, &QTimer::timeout, this, [this] { Frame_OnTimer(QDateTime::currentDateTime()); });
    uhr_->start(1000);
    Frame_OnTimer(QDateTime::currentDateTime());
}

void Statusleiste::UpdateStatusBar(const QString& t, int feld, bool erhaben) {
    if (feld < 0 || feld >= FELDER) return;
    felder_[feld]->setText(t);
    felder_[feld]->setFrameShadow(erhaben ? QFrame::Raised : QFrame::Sunken);
}

QString Statusleiste::feldText(int feld) const {
    return feld >= 0 && feld < FELDER ? felder_[feld]->text() : QString();
}

void Statusleiste::Frame_OnTimer(const QDateTime& jetzt) {
    UpdateStatusBar(uhrzeitText(jetzt.time()), 4);
    UpdateStatusBar(datumText(jetzt.date()), 2);
}

void Statusleiste::Frame_OnMenuSelect(int id) {
    if (id == MENU_ZU)
        UpdateStatusBar(text(TXT_PROGRAMMZEILE), 0);
    else
        UpdateStatusBar(id > 0 && hinweis_ ? hinweis_(id) : QString(), 0);
}

}  // namespace zor::app
