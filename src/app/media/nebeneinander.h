#pragma once
// A file and its corrupted copy side by side: two pictures of the same size as the bitmap
// window's comparison (with the differing pixels marked); any other files in two hex
// documents, both scrolled to the line of their first difference, so the red digits of the
// change are in view at once; the two hex views are paired (Dateiansicht::koppeln).

#include <QString>

namespace zor::app {

class Kontext;

void zeigeNebeneinander(Kontext& kontext, const QString& original, const QString& kopie);

}  // namespace zor::app
