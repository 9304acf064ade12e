#pragma once
// The derived quantities of a set as text: the lines of the parameter dialogs' panel and
// the cells under each picture of the parameter document.

#include "core/models/kenngroessen.h"
#include "core/plot/canvas.h"

#include <string>

namespace zor {

// The value with 7 significant digits, as the parameter pictures print their values, and
// " Bit" for lengths; "unendlich" for an infinite value.
std::string kennwertText(const Kennzeile& z);
// "mittlere Fehlerwahrscheinlichkeit = 0.04545455"
std::string kennzeileText(const Kennzeile& z);
// "pm = 0.04545", for the pictures: the short label and 4 significant digits.
std::string kennzeileKurz(const Kennzeile& z);

// Paints set `satz`'s quantities under its parameter picture, two cells a row in the
// set's colour, ending where the stacked layout's next picture begins. Nothing for a set
// without quantities (inactive, file).
void PAR_Kenngroessen(Canvas& dc, const ZorState& s, int satz);

}  // namespace zor
