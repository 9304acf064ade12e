#pragma once
// The check marks of the model items in the "Parameterwahl" menu: one item per set.

#include "app/kontext/befehle.h"

namespace zor::app {

class Kontext;

// The commands of one set's menu: its model items in menu order, saving its sequence.
struct Satzbefehle {
    int modelle[6];  // BSC, GE, MC, SW, file, inactive
    int speichern;
    int datei() const { return modelle[4]; }
    int inaktiv() const { return modelle[5]; }
};
inline constexpr Satzbefehle SATZBEFEHLE[2] = {
    {{CMD_SATZ1_BSC, CMD_SATZ1_GE, CMD_SATZ1_MC, CMD_SATZ1_SW, CMD_SATZ1_DATEI, CMD_SATZ1_INAKTIV}, CMD_SPEICHERN_SATZ1},
    {{CMD_SATZ2_BSC, CMD_SATZ2_GE, CMD_SATZ2_MC, CMD_SATZ2_SW, CMD_SATZ2_DATEI, CMD_SATZ2_INAKTIV}, CMD_SPEICHERN_SATZ2},
};

// Clears the check mark of every model item of set 0 (set 1) or 1 (set 2).
void Para_unchecked(Kontext& kontext, int satz);

// Clears the set's marks and checks the item `id`.
void modellHaken(Kontext& kontext, int satz, int id);

}  // namespace zor::app
