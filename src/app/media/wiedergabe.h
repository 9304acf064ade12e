#pragma once
// Playback of one media file, as the wave recorder, the video window and the general
// player need it. The program uses QtWiedergabe; tests use a recording fake.

#include <QObject>
#include <QSize>
#include <QString>

#include <optional>

class QVideoFrame;

namespace zor::app {

// The backend's own error text of a failed step; nullopt when the step succeeded.
using Fehlertext = std::optional<QString>;

enum class Spielzustand { Geschlossen, Gestoppt, Spielt, Pausiert };

class Wiedergabe : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens a file and waits until it is loaded or refused; a video shows its first frame.
    virtual Fehlertext oeffne(const QString& datei) = 0;
    virtual void schliesse() = 0;
    // Plays from the current position, backwards where asked (refused where the backend
    // cannot play backwards). A sound player may also refuse for want of an output device.
    virtual Fehlertext spiele(bool rueckwaerts = false) = 0;
    virtual void pausiere() = 0;
    // Ends playback and shows the first frame again.
    virtual void stoppe() = 0;
    // Moves to a position in milliseconds (clamped to the file); playback goes on.
    virtual void springe(qint64 ms) = 0;

    virtual Spielzustand zustand() const = 0;
    virtual qint64 position() const = 0;
    virtual qint64 dauer() const = 0;
    virtual bool hatBild() const = 0;
    // Size of the video picture; empty without one.
    virtual QSize bildgroesse() const = 0;
    // Length of one video frame in milliseconds, from the stream where it says so.
    virtual qint64 bilddauer() const = 0;

signals:
    // Playback ended: at the end of the file, or stopped.
    void fertig();
    void positionGeaendert(qint64 ms);
    void zustandGeaendert();
    void bild(const QVideoFrame& bild);
};

}  // namespace zor::app
