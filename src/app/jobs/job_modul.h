#pragma once
// The file-job commands: corruption by pattern, BSC, GE and MC, comparison of two files,
// and FFO/FAB from a comparison file; each runs its modal dialog.

#include "app/context/befehlsmodul.h"

namespace zor::app {

class JobModul : public Befehlsmodul {
public:
    explicit JobModul(Kontext& kontext);
};

}  // namespace zor::app
