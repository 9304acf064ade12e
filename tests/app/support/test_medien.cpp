#include "support/test_medien.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <numbers>

#include "app/media/riff_felder.h"
#include "app/media/wave_schreiber.h"

bool schreibeSinusWav(const QString& pfad, int ms, int rate) {
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    zor::app::WaveSchreiber w(pfad, f, f.bytesForDuration(qint64{ms} * 1000));
    if (!w.open(QIODevice::WriteOnly)) return false;
    const qint64 n = qint64{rate} * ms / 1000;
    QByteArray daten(static_cast<qsizetype>(n * 2), Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i) {
        const double x = 8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * static_cast<double>(i) / rate);
        qToLittleEndian(static_cast<qint16>(x), daten.data() + i * 2);
    }
    const bool ok = w.write(daten) == daten.size();
    w.close();
    return ok;
}

void TestTonaufnahme::beende() {
    if (!laeuft_) return;
    laeuft_ = false;
    if (schreibtWav) schreibeSinusWav(datei, static_cast<int>(ms));
    emit beendet();
}

using zor::app::haengeAn16;
using zor::app::haengeAn32;

namespace {

QByteArray chunk(const char* id, const QByteArray& daten) {
    QByteArray b(id, 4);
    haengeAn32(b, static_cast<quint32>(daten.size()));
    b += daten;
    if (daten.size() % 2) b.append('\0');
    return b;
}
QByteArray liste(const char* art, const QByteArray& inhalt) { return chunk("LIST", QByteArray(art, 4) + inhalt); }

QImage testbild(int w, int h, int nr) {
    static const QColor BALKEN[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    for (int i = 0; i < 7; ++i) p.fillRect(w * i / 7, 0, w * (i + 1) / 7 - w * i / 7, h * 2 / 3, BALKEN[i]);
    p.fillRect(0, h * 2 / 3, w, h - h * 2 / 3, Qt::black);
    p.fillRect((nr * 7) % w, h * 2 / 3 + 4, 12, 12, Qt::white);
    p.setPen(Qt::white);
    p.drawText(QRect(0, h * 2 / 3, w - 4, h - h * 2 / 3), Qt::AlignRight | Qt::AlignVCenter, QString::number(nr));
    return img;
}

}  // namespace

bool schreibeTestAvi(const QString& pfad, int breite, int hoehe, int bilder, int bilderProSekunde) {
    QByteArray movi, idx1;
    quint32 groesstes = 0;
    for (int i = 0; i < bilder; ++i) {
        QByteArray jpeg;
        QBuffer puffer(&jpeg);
        puffer.open(QIODevice::WriteOnly);
        if (!testbild(breite, hoehe, i).save(&puffer, "JPEG", 85)) return false;
        groesstes = std::max(groesstes, static_cast<quint32>(jpeg.size()));
        idx1 += QByteArray("00dc", 4);
        haengeAn32(idx1, 0x10);  // key frame
        haengeAn32(idx1, static_cast<quint32>(movi.size() + 4));
        haengeAn32(idx1, static_cast<quint32>(jpeg.size()));
        movi += chunk("00dc", jpeg);
    }
    const auto w = static_cast<quint32>(breite), h = static_cast<quint32>(hoehe);
    const auto n = static_cast<quint32>(bilder), rate = static_cast<quint32>(bilderProSekunde);
    QByteArray avih;
    for (quint32 v : {1000000 / rate, groesstes * rate, 0u, 0x10u, n, 0u, 1u, groesstes, w, h, 0u, 0u, 0u, 0u})
        haengeAn32(avih, v);
    QByteArray strh("vidsMJPG", 8);
    haengeAn32(strh, 0);
    haengeAn32(strh, 0);  // priority, language
    for (quint32 v : {0u, 1u, rate, 0u, n, groesstes, 0xFFFFFFFFu, 0u}) haengeAn32(strh, v);
    for (quint16 v : {quint16(0), quint16(0), quint16(w), quint16(h)}) haengeAn16(strh, v);
    QByteArray strf;
    haengeAn32(strf, 40);
    haengeAn32(strf, w);
    haengeAn32(strf, h);
    haengeAn16(strf, 1);
    haengeAn16(strf, 24);
    strf += QByteArray("MJPG", 4);
    for (quint32 v : {w * h * 3, 0u, 0u, 0u, 0u}) haengeAn32(strf, v);
    const QByteArray hdrl =
        liste("hdrl", chunk("avih", avih) + liste("strl", chunk("strh", strh) + chunk("strf", strf)));
    const QByteArray riff = QByteArray("AVI ", 4) + hdrl + liste("movi", movi) + chunk("idx1", idx1);
    QSaveFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(chunk("RIFF", riff)) >= 0 && datei.commit();
}
