#pragma once
// The options commands of the channel-model mode (228 FAV, 229 FKF): the dialog, then
// the cursor back to its start, removed when switched off, and the document repainted.

#include "app/context/befehlsmodul.h"

namespace zor::app {

class OptionenModul : public Befehlsmodul {
public:
    explicit OptionenModul(Kontext& kontext);

private:
    void FAVOPT();
    void FKFOPT();
};

}  // namespace zor::app
