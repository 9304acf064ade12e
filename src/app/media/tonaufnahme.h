#pragma once
// Sound recording into a new wave file, as the wave recorder needs it. The program uses
// QtTonaufnahme; tests use a fake.

#include <QObject>

#include "app/media/wiedergabe.h"

namespace zor::app {

class Tonaufnahme : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts recording into the file (created anew); the recording ends by itself after
    // hoechstensMs. nullopt on success, else the backend's error text.
    virtual Fehlertext starte(const QString& datei, int hoechstensMs) = 0;
    // Ends a running recording and completes the file.
    virtual void beende() = 0;
    virtual bool laeuft() const = 0;
    // Length of the sound captured so far (or of the finished recording) in milliseconds.
    // A device may deliver its first samples well after the start, so the recorder shows
    // this rather than the time since the start.
    virtual qint64 aufgenommenMs() const = 0;

signals:
    // The recording ended: stopped, at its length limit or by a device failure.
    void beendet();
};

}  // namespace zor::app
