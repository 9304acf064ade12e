#pragma once
// The general media player: a small top-level window that plays any file the installed
// backend can, with play/pause, stop, its own menu and a position slider; the title shows
// the name, mode and position. Any number may be open; each waits for a file at first.

#include <QWidget>

#include <memory>

class QLabel;
class QSlider;
class QToolButton;

namespace zor::app {

class Bildflaeche;
class Kontext;
class Wiedergabe;

class Medienspieler : public QWidget {
    Q_OBJECT
public:
    static constexpr int LEISTE_HOEHE = 50;

    Medienspieler(Kontext& kontext, std::unique_ptr<Wiedergabe> geraet, QWidget* eltern);
    ~Medienspieler() override;

    // Opens a file (the menu's "Öffnen..." asks for one first).
    bool oeffne(const QString& datei);
    Wiedergabe& geraet() { return *geraet_; }
    QString datei() const { return datei_; }

private:
    void oeffnen();
    void schliessen();
    void spielenOderPause();
    void zeigeZustand();

    Kontext& kontext_;
    std::unique_ptr<Wiedergabe> geraet_;
    Bildflaeche* film_;
    QToolButton* spielen_;
    QToolButton* stop_;
    QSlider* position_;
    QLabel* anzeige_;
    QString datei_;
};

// The position as the title shows it: minutes, seconds and tenths, "1:05.3".
QString positionText(qint64 ms);

}  // namespace zor::app
