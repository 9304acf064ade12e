#pragma once
// Writes a painting as a PNG, SVG or PDF file, or a text, always through Ausgabedatei:
// the target appears only when everything was written.

#include <QSize>
#include <QString>

#include <functional>
#include <string>

#include "core/util/ergebnis.h"

class QImage;
class QPainter;

namespace zor {

enum class Bildformat { PNG, SVG, PDF, Text, CSV, Unbekannt };

// The format a file name's extension asks for (case does not matter).
Bildformat formatVon(const QString& pfad);

using Malen = std::function<void(QPainter&)>;

// Paints on a white area of the given size and saves it in the format of pfad's
// extension (PNG, SVG or PDF).
Ergebnis bildSpeichern(const QString& pfad, QSize groesse, const Malen& malen);

// The painting as a picture, for the clipboard.
QImage bildVon(QSize groesse, const Malen& malen);

Ergebnis textSpeichern(const QString& pfad, const std::string& text);

}  // namespace zor
