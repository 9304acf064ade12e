#pragma once
// A file and its corrupted copy in two hex documents side by side, both scrolled to the
// line of their first difference, so the red digits of the change are in view at once.

#include <QString>

namespace zor::app {

class Kontext;

void zeigeNebeneinander(Kontext& kontext, const QString& original, const QString& kopie);

}  // namespace zor::app
