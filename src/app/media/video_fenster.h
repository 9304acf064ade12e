#pragma once
// The video window: a top-level window above the frame with its own menu, a column of
// six picture buttons and the movie centred to the right of them. One exists at a time;
// while it does, the frame's video command is disabled.

#include <QMainWindow>

#include <memory>

class QMenu;

namespace zor::app {

class Bildflaeche;
class BildKnopf;
class Kontext;
class Wiedergabe;

class VideoFenster : public QMainWindow {
    Q_OBJECT
public:
    // Picture buttons: the command they carry is their id.
    enum Knopf : int {
        KNOPF_OEFFNEN = 138,
        KNOPF_VOR = 142,
        KNOPF_ZURUECK = 140,
        KNOPF_ANFANG = 146,
        KNOPF_ENDE = 29,
        KNOPF_SPIELEN = 157,
    };

    VideoFenster(Kontext& kontext, std::unique_ptr<Wiedergabe> geraet, QWidget* eltern);
    ~VideoFenster() override;

    // Every command of the menu and the buttons.
    void PopupVideo_OnCommand(int id);

    bool IsVideoOpne() const { return videoOffen_; }
    bool IsVideoPlayed() const { return videoSpielt_; }
    Wiedergabe& geraet() { return *geraet_; }
    QWidget* flaeche() const { return flaeche_; }
    Bildflaeche* film() const { return film_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void baueMenue();
    void baueKnoepfe();
    void GetSetInfos(const QString& datei);
    void PlayTheVideo(int befehl);
    void seekMovie(int befehl);
    void stepMovie(int befehl);
    void positionMovie();
    void CloseTheVideoFile();
    void ChangeWindowTitle(const QString& datei);
    void setzeKnoepfe(bool aktiv);
    // Playback is paused before a jump, as the user expects a still picture there.
    void haltAn();

    Kontext& kontext_;
    std::unique_ptr<Wiedergabe> geraet_;
    QWidget* flaeche_;
    Bildflaeche* film_;
    QMenu* bearbeiten_ = nullptr;
    QList<BildKnopf*> knoepfe_;
    bool videoOffen_ = false;
    bool videoSpielt_ = false;
};

// Where the movie of that size goes in a client area of that size: centred, moved 30
// pixels right to clear the button column.
QRect filmRechteck(QSize flaeche, QSize film);

}  // namespace zor::app
