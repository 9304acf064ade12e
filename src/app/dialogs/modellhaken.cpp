#include "app/dialogs/modellhaken.h"

#include "app/context/befehle.h"
#include "app/context/kontext.h"

namespace zor::app {

void Para_unchecked(Kontext& kontext, int satz) {
    static constexpr int SATZ1[] = {CMD_SATZ1_BSC, CMD_SATZ1_GE,    CMD_SATZ1_MC,
                                    CMD_SATZ1_SW,  CMD_SATZ1_DATEI, CMD_SATZ1_INAKTIV};
    static constexpr int SATZ2[] = {CMD_SATZ2_BSC, CMD_SATZ2_GE,    CMD_SATZ2_MC,
                                    CMD_SATZ2_SW,  CMD_SATZ2_DATEI, CMD_SATZ2_INAKTIV};
    for (int id : satz == 0 ? SATZ1 : SATZ2) kontext.setzeHaken(id, false);
}

void modellHaken(Kontext& kontext, int satz, int id) {
    Para_unchecked(kontext, satz);
    kontext.setzeHaken(id, true);
}

}  // namespace zor::app
