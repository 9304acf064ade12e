#pragma once
// Writes a painting as a PNG, SVG or PDF file, or a text, always through Ausgabedatei:
// the target appears only when everything was written.

#include <QSize>
#include <QString>

#include <functional>
#include <string>

#include "core/util/ergebnis.h"

class QByteArray;
class QImage;
class QPagedPaintDevice;
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

// A printed page as a PDF file stands for paper: A4 with a printer's usual margins, at a
// printer's resolution, so that the page's integer layout comes out as on paper.
inline constexpr int DRUCK_AUFLOESUNG = 1200;
// The job's name at the print spooler and the PDF's title.
inline constexpr const char* DRUCK_DOKUMENTNAME = "Druckvorgang";
void druckseiteEinrichten(QPagedPaintDevice& seite);

enum class Druckergebnis { Gedruckt, Fehler, Abgebrochen };

// Paints a printed page on its printable area of seite pixels and writes it as a PDF;
// malen returns false to give up, and then no file appears.
using Seitenmaler = std::function<bool(QPainter& p, QSize seite)>;
Druckergebnis druckseiteSpeichern(const QString& pfad, const Seitenmaler& malen);
// The same in two steps: the PDF into memory (any thread), then into the file.
Druckergebnis druckseiteAlsPdf(QByteArray& daten, const Seitenmaler& malen);
bool druckseiteSchreiben(const QString& pfad, const QByteArray& daten);

}  // namespace zor
