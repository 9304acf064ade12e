#include "app/media/wave_schreiber.h"

#include "app/media/riff_felder.h"

namespace zor::app {
namespace {

constexpr quint16 WAVE_PCM = 1;
constexpr quint16 WAVE_FLOAT = 3;
constexpr qint64 KOPF_BYTES = 44;


}  // namespace

WaveSchreiber::WaveSchreiber(const QString& pfad, const QAudioFormat& format, qint64 hoechstensBytes, QObject* eltern)
    : QIODevice(eltern), datei_(pfad), format_(format), hoechstens_(hoechstensBytes) {}

WaveSchreiber::~WaveSchreiber() { close(); }

bool WaveSchreiber::open(OpenMode modus) {
    if (!(modus & WriteOnly) || !datei_.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    daten_ = 0;
    gemeldet_ = false;
    fehler_ = !schreibeKopf();
    if (fehler_) {
        datei_.close();
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

bool WaveSchreiber::schreibeKopf() {
    const quint16 kanaele = static_cast<quint16>(format_.channelCount());
    const quint16 bits = static_cast<quint16>(format_.bytesPerSample() * 8);
    const auto rate = static_cast<quint32>(format_.sampleRate());
    const quint16 block = static_cast<quint16>(format_.bytesPerFrame());
    const auto daten = static_cast<quint32>(daten_);
    QByteArray k;
    k.append("RIFF", 4);
    haengeAn32(k, daten + KOPF_BYTES - 8);
    k.append("WAVEfmt ", 8);
    haengeAn32(k, 16);
    haengeAn16(k, format_.sampleFormat() == QAudioFormat::Float ? WAVE_FLOAT : WAVE_PCM);
    haengeAn16(k, kanaele);
    haengeAn32(k, rate);
    haengeAn32(k, rate * block);
    haengeAn16(k, block);
    haengeAn16(k, bits);
    k.append("data", 4);
    haengeAn32(k, daten);
    return datei_.seek(0) && datei_.write(k) == KOPF_BYTES;
}

qint64 WaveSchreiber::writeData(const char* daten, qint64 n) {
    const qint64 platz = std::max<qint64>(0, hoechstens_ - daten_);
    // Whole frames only, so the file never ends inside a sample.
    const qint64 frame = std::max(1, format_.bytesPerFrame());
    const qint64 nehmen = std::min(n, platz) / frame * frame;
    if (nehmen > 0) {
        if (!datei_.seek(KOPF_BYTES + daten_) || datei_.write(daten, nehmen) != nehmen) {
            fehler_ = true;
            return -1;
        }
        daten_ += nehmen;
    }
    if (nehmen < n && !gemeldet_) {
        gemeldet_ = true;
        emit voll();
    }
    return n;
}

void WaveSchreiber::close() {
    if (!datei_.isOpen()) return;
    schreibeKopf();
    datei_.close();
    QIODevice::close();
}

}  // namespace zor::app
