#pragma once
// The file-job commands: corruption by pattern, BSC, GE and MC, comparison of two files,
// and FFO/FAB from a comparison file; each runs its modal dialog.

#include "app/context/beschreibung.h"

namespace zor::app {

class JobModul : public Befehlsmodul {
public:
    explicit JobModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void bsc(int id);
    void ge(int id);
    void mc(int id);
    void muster(int id);
    void vergleich(int id);
    void ableiten(int id);
};

}  // namespace zor::app
