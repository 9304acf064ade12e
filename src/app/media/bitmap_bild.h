#pragma once
// Images of the bitmap documents: files (BMP/DIB through the core reader, other formats
// through Qt's image readers), the clipboard, and the QImage view of the core's pixels.

#include <QImage>
#include <QString>

#include <optional>

#include "core/media/dib.h"

namespace zor::app {

struct GeladenesBild {
    bool ok = false;
    zor::DibBild bild;
    QString fehler;  // why nothing could be shown
    QString notiz;   // what could not be shown of an image that opened
};

GeladenesBild ladeBild(const QString& datei);

// The pixels as a QImage that shares their memory: valid while `bild` lives unchanged.
QImage alsQImage(const zor::DibBild& bild);
zor::DibBild ausQImage(const QImage& bild);

// The pixels of `r` (clipped to the picture); the whole picture for an empty rectangle.
zor::DibBild ausschnitt(const zor::DibBild& bild, const QRect& r);

// A bitmap on the clipboard (a DIB or BMP read by the core reader, else Qt's image), or nothing.
std::optional<zor::DibBild> bildAusZwischenablage();
void bildInZwischenablage(const zor::DibBild& bild);

}  // namespace zor::app
