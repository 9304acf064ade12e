#pragma once
// One printed page as a job: on the default printer, or where none is installed, into a
// PDF file the user named. While it runs a small dialog offers to cancel; a cancelled
// or failed job leaves no file behind and keeps one that was there.

#include <QString>

#include <functional>

#include "app/plot/bildausgabe.h"

class QPrinter;
class QWidget;

namespace zor::app {

inline constexpr const char* TEXT_NICHT_DRUCKBAR = "Parameterfenster kann nicht ausgedruckt werden!";
inline constexpr const char* TEXT_DRUCKFEHLER = "Fehler beim Drucken der Seite!";
inline constexpr const char* TEXT_ES_WIRD_GEDRUCKT = "Es wird gedruckt";
inline constexpr const char* TEXT_ALS_PDF = "Seite als PDF-Datei speichern";
// The cancel dialog.
inline constexpr int DLG_DRUCKABBRUCH = 99;

// Finds the default printer: its name, or empty when none is installed. Tests install
// their own so that no test ever reaches a real printer; returns the one replaced.
using Druckersuche = std::function<QString()>;
Druckersuche setzeDruckersuche(Druckersuche suche);
QString standardDrucker();

// The page on the named printer, with the cancel dialog over eltern.
Druckergebnis druckeAufDrucker(const QString& drucker, QWidget* eltern, const Seitenmaler& malen);

// The page as a PDF file, with the cancel dialog over eltern; never onto one of `geschuetzt`.
Druckergebnis druckeAlsPdf(const QString& pfad, QWidget* eltern, const Seitenmaler& malen, const Eingaben& geschuetzt);

// A printer for the page preview: the default printer, or a PDF page set up as
// druckeAlsPdf writes it.
void vorschauDruckerEinrichten(QPrinter& drucker);

}  // namespace zor::app
