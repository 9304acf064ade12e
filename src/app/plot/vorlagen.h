#pragma once
// The program's plot templates: an edited copy in the start directory wins, else the
// copy built into the resources.

#include <QString>

#include "core/plot/plotag.h"

namespace zor {

// The built-in templates (":/plt/NAME").
Vorlagenquelle eingebauteVorlagen();

// The start directory first, then the built-in copy.
Vorlagenquelle programmVorlagen(const QString& startverzeichnis);

}  // namespace zor
