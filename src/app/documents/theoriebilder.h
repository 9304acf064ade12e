#pragma once
// The theory page's example curves, drawn by the curve documents themselves.

#include <QString>

#include "app/context/bildrezept.h"

namespace zor::app {

// Set 1 the GE preset, set 2 the MC preset, both theoretical, in the curve document the
// command opens, maximised.
Bildrezept theoriekurvenBild(const QString& bild, int befehl);

}  // namespace zor::app
