#pragma once
// Writes a painting as a PNG, SVG or PDF file, or a text, always through Ausgabedatei:
// the target appears only when everything was written, and never replaces one of
// `geschuetzt` (the files the parameter sets read) or a target that is no regular file.

#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "core/io/ausgabedatei.h"
#include "core/util/ergebnis.h"

class QByteArray;
class QImage;
class QPagedPaintDevice;
class QPdfWriter;
class QPainter;

namespace zor {

enum class Bildformat { PNG, SVG, PDF, Text, CSV, Unbekannt };

// The format a file name's extension asks for (case does not matter).
Bildformat formatVon(const QString& pfad);

using Malen = std::function<void(QPainter&)>;

// Paints on a white area of the given size and saves it in the format of pfad's
// extension (PNG, SVG or PDF).
Ergebnis bildSpeichern(const QString& pfad, QSize groesse, const Malen& malen, const Eingaben& geschuetzt);

// A finished picture in the format of pfad's extension (any format Qt writes).
Ergebnis bildSpeichern(const QString& pfad, const QImage& bild, const Eingaben& geschuetzt);

// The painting as a picture, for the clipboard.
QImage bildVon(QSize groesse, const Malen& malen);

// The largest picture written: its pixels, its PNG and the painting's work stay within a
// few hundred megabytes and seconds.
inline constexpr int BILD_KANTE_MAX = 5000;
inline constexpr const char* TEXT_BILD_ZU_GROSS = "Die Bildgröße %1 × %2 ist zu groß: höchstens %3 × %3 Bildpunkte.";
// The refusal of a picture size beyond that; nothing when it is fine.
std::optional<std::string> groesseVerweigert(QSize groesse);

Ergebnis textSpeichern(const QString& pfad, const std::string& text, const Eingaben& geschuetzt);

// A printed page as a PDF file stands for paper: A4 with a printer's usual margins, at a
// printer's resolution, so that the page's integer layout comes out as on paper.
inline constexpr int DRUCK_AUFLOESUNG = 1200;
// The job's name at the print spooler and the PDF's title.
inline constexpr const char* DRUCK_DOKUMENTNAME = "Druckvorgang";
void druckseiteEinrichten(QPagedPaintDevice& seite);

enum class [[nodiscard]] Druckergebnis{Gedruckt, Fehler, Abgebrochen};

// Paints a printed page on its printable area of seite pixels and writes it as a PDF;
// malen returns false to give up, and then no file appears.
using Seitenmaler = std::function<bool(QPainter& p, QSize seite)>;
// The caller refuses a target first (ausgabeVerweigert), so that it can say why.
Druckergebnis druckseiteSpeichern(const QString& pfad, const Seitenmaler& malen, const Eingaben& geschuetzt,
                                  std::string* grund = nullptr);
// A PDF of any number of A4 pages into memory, set up as a printed page: schreiben paints
// on the writer (starting pages with newPage) and returns false to give up.
Druckergebnis pdfAlsDaten(QByteArray& daten, const QString& titel, const std::function<bool(QPdfWriter&)>& schreiben);
// The same in two steps: the PDF into memory (any thread), then into the file.
Druckergebnis druckseiteAlsPdf(QByteArray& daten, const Seitenmaler& malen);
// A failure carries the file's name and the system's reason.
Ergebnis druckseiteSchreiben(const QString& pfad, const QByteArray& daten, const Eingaben& geschuetzt);

}  // namespace zor
