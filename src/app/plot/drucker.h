#pragma once
// Which printer a job goes to: the default printer, or none. Every printing command asks
// here, so tests install one lookup and no test ever reaches a real printer.

#include <QString>

#include <functional>

namespace zor::app {

// Finds the default printer: its name, or empty when none is installed. Returns the
// lookup replaced.
using Druckersuche = std::function<QString()>;
Druckersuche setzeDruckersuche(Druckersuche suche);
QString standardDrucker();

}  // namespace zor::app
