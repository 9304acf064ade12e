#pragma once
// A device that writes PCM samples into a wave file as they arrive: the header is
// written first with empty sizes and completed on close. Samples beyond the length limit
// are dropped, and the limit is announced once.

#include <QAudioFormat>
#include <QFile>
#include <QIODevice>

namespace zor::app {

class WaveSchreiber final : public QIODevice {
    Q_OBJECT
public:
    // format: 8-bit unsigned, 16/32-bit integer or 32-bit float samples.
    WaveSchreiber(const QString& pfad, const QAudioFormat& format, qint64 hoechstensBytes, QObject* eltern = nullptr);
    ~WaveSchreiber() override;

    // Creates the file and writes the header; false when that failed.
    bool open(OpenMode modus) override;
    // Completes the header and closes the file.
    void close() override;
    bool isSequential() const override { return true; }
    qint64 datenBytes() const { return daten_; }
    QString fehlertext() const { return datei_.errorString(); }

signals:
    void voll();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 n) override;

private:
    bool schreibeKopf();
    QFile datei_;
    QAudioFormat format_;
    qint64 hoechstens_;
    qint64 daten_ = 0;
    bool fehler_ = false;
    bool gemeldet_ = false;
};

}  // namespace zor::app
