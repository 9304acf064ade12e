#pragma once
// What the options dialogs of the curve documents offer for the choices made in them,
// and what follows when one closes. The entry and apply rules themselves are
// core/models/optionseingabe.h.

#include "core/models/zor_state.h"

namespace zor {

// Which controls take input.
struct Optionsfreigabe {
    bool cursor = true;    // "Cursor setzen" (315)
    bool abszisse = true;  // the abscissa's end (319)
    bool dekaden = true;   // the decades of a logarithmic ordinate (320, 321)
};

// FAV: the cursor and the abscissa's end need a linear abscissa. Both: the decades
// count only for a logarithmic ordinate.
Optionsfreigabe favFreigabe(bool abszisseLinear, bool ordinateLinear);
Optionsfreigabe fkfFreigabe(bool ordinateLinear);

// After the dialog closed, whichever way: the cursor starts again at 0. True when the
// open document must remove its shown cursor: it was switched off or, for FAV, the
// abscissa is logarithmic.
bool nachFavOptionen(ZorState& s);
bool nachFkfOptionen(ZorState& s);

}  // namespace zor
