#pragma once
// The frame's status bar: field 0 the menu hint or program line, then the labels
// "Datum:" and "Uhrzeit:" (raised) with the date and time fields that the clock fills.

#include <QDateTime>
#include <QStatusBar>

#include <functional>

class QLabel;
class QTimer;

namespace zor::app {

// "   %2d:%02d:%02d" with hour, minute, second.
QString uhrzeitText(const QTime& t);
// "   %02d.%02d.%02d" with day, month and the full year.
QString datumText(const QDate& d);

class Statusleiste : public QStatusBar {
    Q_OBJECT
public:
    // hinweis gives the hint of a command id.
    explicit Statusleiste(std::function<QString(int)> hinweis, QWidget* eltern = nullptr);

    // Writes a text into a field; erhaben selects the raised style.
    void UpdateStatusBar(const QString& text, int feld, bool erhaben = false);
    QString feldText(int feld) const;
    QLabel* feld(int i) const { return felder_[i]; }

    // The clock: writes date and time of the given moment.
    void Frame_OnTimer(const QDateTime& jetzt);
    // The hint of a highlighted menu item (id 0: pop-up title, -1: menu closed).
    void Frame_OnMenuSelect(int id);

    static constexpr int FELDER = 5;
    static constexpr int MENU_ZU = -1;

private:
    std::function<QString(int)> hinweis_;
    QLabel* felder_[FELDER];
    QTimer* uhr_;
};

}  // namespace zor::app
