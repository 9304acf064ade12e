#pragma once
// The warning sound that accompanies a refused input: a short WAV from the resources,
// played asynchronously. Without an audio device it stays silent and harmless.

#include <QString>

class QSoundEffect;

namespace zor::app {

class Warnton {
public:
    Warnton() = default;
    ~Warnton();
    Warnton(const Warnton&) = delete;
    Warnton& operator=(const Warnton&) = delete;

    // Plays the sound resource ":/sounds/<name>.wav"; 0 when it does not exist, else 1.
    int PlayTheResourceWave(const QString& name);

private:
    QSoundEffect* effekt_ = nullptr;  // made on first use, so start-up stays quick
    QString geladen_;
};

// The sound the program plays: resource 101.
inline const QString WARNTON = QStringLiteral("101");

}  // namespace zor::app
