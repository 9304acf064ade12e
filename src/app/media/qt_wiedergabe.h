#pragma once
// Playback through Qt Multimedia: one QMediaPlayer with its own audio output at full
// volume (the system volume is never touched) and a video sink whose frames are handed
// on as they arrive, so they can be painted without a native video surface.

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QVideoSink>

#include <functional>

#include "app/media/wiedergabe.h"

namespace zor::app {

class QtWiedergabe final : public Wiedergabe {
    Q_OBJECT
public:
    // With tonPflicht playing is refused when the system has no audio output device.
    explicit QtWiedergabe(bool tonPflicht = false, QObject* eltern = nullptr);
    ~QtWiedergabe() override;

    Fehlertext oeffne(const QString& datei) override;
    void schliesse() override;
    Fehlertext spiele(bool rueckwaerts = false) override;
    void pausiere() override;
    void stoppe() override;
    void springe(qint64 ms) override;

    Spielzustand zustand() const override;
    qint64 position() const override { return spieler_.position(); }
    qint64 dauer() const override { return spieler_.duration(); }
    bool hatBild() const override { return spieler_.hasVideo(); }
    QSize bildgroesse() const override { return groesse_; }
    qint64 bilddauer() const override { return bilddauer_; }

private:
    // Runs the event loop without user input until the condition holds or ms pass.
    bool warte(const std::function<bool()>& bedingung, int ms);
    void neuesBild(const QVideoFrame& bild);

    QMediaPlayer spieler_;
    QAudioOutput ausgabe_;
    QVideoSink senke_;
    QString fehler_;
    QSize groesse_;
    qint64 bilddauer_;
    bool tonPflicht_;
    bool spielte_ = false;
    bool gestoppt_ = false;
};

}  // namespace zor::app
