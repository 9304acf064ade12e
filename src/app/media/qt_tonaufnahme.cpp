#include "app/media/qt_tonaufnahme.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace zor::app {
namespace {

QString geraetefehler(QAudio::Error e) {
    switch (e) {
    case QAudio::OpenError: return QStringLiteral("Das Gerät zur Tonaufnahme lässt sich nicht öffnen.");
    case QAudio::IOError: return QStringLiteral("Beim Lesen vom Gerät zur Tonaufnahme trat ein Fehler auf.");
    case QAudio::FatalError: return QStringLiteral("Das Gerät zur Tonaufnahme ist nicht verwendbar.");
    default: return {};
    }
}

}  // namespace

QtTonaufnahme::~QtTonaufnahme() { raeumeAuf(); }

Fehlertext QtTonaufnahme::starte(const QString& datei, int hoechstensMs) {
    raeumeAuf();
    if (QMediaDevices::audioInputs().isEmpty())
        return QStringLiteral("Es ist kein Gerät zur Tonaufnahme vorhanden.");
    const QAudioDevice geraet = QMediaDevices::defaultAudioInput();
    QAudioFormat format;
    format.setSampleRate(22050);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!geraet.isFormatSupported(format)) format = geraet.preferredFormat();

    format_ = format;
    fertigBytes_ = 0;
    schreiber_ = std::make_unique<WaveSchreiber>(datei, format, format.bytesForDuration(qint64{hoechstensMs} * 1000));
    if (!schreiber_->open(QIODevice::WriteOnly)) {
        const QString text = schreiber_->fehlertext();
        schreiber_.reset();
        return text;
    }
    connect(schreiber_.get(), &WaveSchreiber::voll, this, &QtTonaufnahme::beende, Qt::QueuedConnection);
    quelle_ = std::make_unique<QAudioSource>(geraet, format);
    quelle_->start(schreiber_.get());
    if (const QString text = geraetefehler(quelle_->error()); !text.isEmpty()) {
        raeumeAuf();
        return text;
    }
    connect(quelle_.get(), &QAudioSource::stateChanged, this, [this](QAudio::State s) {
        if (s == QAudio::StoppedState && quelle_ && quelle_->error() != QAudio::NoError) beende();
    });
    return std::nullopt;
}

qint64 QtTonaufnahme::aufgenommenMs() const {
    const qint64 bytes = schreiber_ ? schreiber_->datenBytes() : fertigBytes_;
    if (!format_.isValid() || format_.bytesPerFrame() <= 0) return 0;
    return bytes / format_.bytesPerFrame() * 1000 / format_.sampleRate();
}

void QtTonaufnahme::beende() {
    if (!laeuft()) return;
    raeumeAuf();
    emit beendet();
}

void QtTonaufnahme::raeumeAuf() {
    if (quelle_) {
        quelle_->disconnect(this);
        quelle_->stop();
        quelle_.reset();
    }
    if (schreiber_) fertigBytes_ = schreiber_->datenBytes();
    schreiber_.reset();  // completes the file
}

}  // namespace zor::app
