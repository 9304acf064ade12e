#pragma once
// The options commands of the channel-model mode (228 FAV, 229 FKF, 293 bursts): the dialog, then
// the cursor back to its start, removed when switched off, and the documents repainted.

#include "app/context/beschreibung.h"

namespace zor::app {

class OptionenModul : public Befehlsmodul {
public:
    explicit OptionenModul(Kontext& kontext);
    static const Modul& beschreibung();

private:
    void FAVOPT(int id);
    void FKFOPT(int id);
    void BUENDELOPT(int id);
    void neuMalen();
};

}  // namespace zor::app
