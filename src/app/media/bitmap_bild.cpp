#include "app/media/bitmap_bild.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>

#include <cstring>

#include "core/io/oeffnen.h"
#include "core/media/medienfehler.h"
#include "core/util/systemfehler.h"

namespace zor::app {

namespace {

bool istBitmap(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == QLatin1String("bmp") || endung == QLatin1String("dib")) return true;
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) && f.read(2) == "BM";
}

GeladenesBild ausKern(const zor::DibErgebnis& e) {
    GeladenesBild g;
    g.ok = e.ok;
    if (e.ok) {
        g.bild = e.bild;
        g.notiz = QString::fromStdString(e.meldung.text);
    } else {
        g.fehler = QString::fromStdString(e.meldung.text);
    }
    return g;
}

}  // namespace

GeladenesBild ladeBild(const QString& datei) {
    // Qt's readers would block on a FIFO; only a regular file is read at all.
    int grund = 0;
    if (!regulaerLesbar(QFile::encodeName(datei).toStdString(), &grund)) {
        GeladenesBild g;
        g.fehler = QString::fromStdString(mitGrund("Die Datei " + datei.toStdString() + " kann nicht gelesen werden!", grund));
        return g;
    }
    if (istBitmap(datei)) return ausKern(zor::OpenDIB(QFile::encodeName(datei).toStdString()));
    QImageReader leser(datei);
    // Qt's readers bound their own allocations; keep to the core's pixel limit as well.
    const QSize groesse = leser.size();
    if (groesse.isValid() && std::uint64_t(groesse.width()) * std::uint64_t(groesse.height()) > zor::DIB_MAX_PIXEL) {
        GeladenesBild g;
        g.fehler = QStringLiteral("Das Bild ist mit %1 × %2 Bildpunkten zu groß.").arg(groesse.width()).arg(groesse.height());
        return g;
    }
    const QImage bild = leser.read();
    GeladenesBild g;
    if (bild.isNull()) {
        g.fehler = QStringLiteral("Die Datei ist kein lesbares Bild (%1).").arg(QString::fromStdString(zor::bildfehler(leser.errorString().toStdString())));
        return g;
    }
    g.ok = true;
    g.bild = ausQImage(bild);
    return g;
}

QImage alsQImage(const zor::DibBild& bild) {
    if (bild.pixel.empty()) return {};
    return QImage(reinterpret_cast<const uchar*>(bild.pixel.data()), int(bild.breite), int(bild.hoehe),
                  qsizetype(bild.breite) * 4, QImage::Format_RGB32);
}

zor::DibBild ausQImage(const QImage& bild) {
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    zor::DibBild b;
    b.breite = std::uint32_t(rgb.width());
    b.hoehe = std::uint32_t(rgb.height());
    b.pixel.resize(std::size_t(b.breite) * b.hoehe);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(b.pixel.data() + std::size_t(y) * b.breite, rgb.constScanLine(y), std::size_t(b.breite) * 4);
    return b;
}

std::optional<zor::DibBild> bildAusZwischenablage() {
    const QMimeData* m = QApplication::clipboard()->mimeData();
    if (!m) return std::nullopt;
    for (const QString& art : {QStringLiteral("image/bmp"), QStringLiteral("image/x-bmp")})
        if (m->hasFormat(art)) {
            const QByteArray roh = m->data(art);
            const auto e = zor::dibAusSpeicher({reinterpret_cast<const unsigned char*>(roh.constData()), std::size_t(roh.size())});
            if (e.ok) return e.bild;
        }
    if (!m->hasImage()) return std::nullopt;
    const QImage bild = qvariant_cast<QImage>(m->imageData());
    if (bild.isNull()) return std::nullopt;
    return ausQImage(bild);
}

void bildInZwischenablage(const zor::DibBild& bild) {
    QApplication::clipboard()->setImage(alsQImage(bild).copy());
}

}  // namespace zor::app
