#pragma once
// The files the desktop opens with the program (its MIME types): error sequences and
// error distances show as bits, pictures in the bitmap window, comparison files and
// anything else as hex.

#include <QString>
#include <QStringList>

#include "core/media/zeilen.h"

namespace zor::app {

class Kontext;

Ansicht ansichtFuerDatei(const QString& pfad);
bool istBilddatei(const QString& pfad);

// Opens each file in its view, in the multimedia mode.
void oeffneDateien(Kontext& kontext, const QStringList& pfade);

}  // namespace zor::app
