#pragma once
// The opening step shared by saving, loading and converting a sequence file in the
// channel-model mode: the documents must be up to date (else notice 611), then the user
// names an FFO or FAB file.

#include <QString>

#include <optional>

#include "app/platform/dateiwahl.h"

namespace zor::app {

class Kontext;

// Error-sequence and error-gap files, for opening and for saving.
inline const Filtersatz SATZ_FFO_FAB{"FFO/FAB", {"Fehlerfolge (*.FFO)", "Fehlerabstand (*.FAB)"}};

// The chosen file, or nothing when the documents were stale or the user cancelled.
std::optional<QString> folgedateiWaehlen(Kontext& kontext, Richtung richtung);

}  // namespace zor::app
