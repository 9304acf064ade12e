#pragma once
// Recording from the system's default audio input through Qt Multimedia into a wave file.

#include <QAudioSource>

#include <memory>

#include "app/media/tonaufnahme.h"
#include "app/media/wave_schreiber.h"

namespace zor::app {

class QtTonaufnahme final : public Tonaufnahme {
    Q_OBJECT
public:
    using Tonaufnahme::Tonaufnahme;
    ~QtTonaufnahme() override;

    Fehlertext starte(const QString& datei, int hoechstensMs) override;
    void beende() override;
    bool laeuft() const override { return quelle_ != nullptr; }
    qint64 aufgenommenMs() const override;

private:
    void raeumeAuf();
    std::unique_ptr<WaveSchreiber> schreiber_;
    std::unique_ptr<QAudioSource> quelle_;
    QAudioFormat format_;
    qint64 fertigBytes_ = 0;  // data bytes of the last finished recording
};

}  // namespace zor::app
