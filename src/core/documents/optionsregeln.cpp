#include "core/documents/optionsregeln.h"

namespace zor {

Optionsfreigabe favFreigabe(bool abszisseLinear, bool ordinateLinear) {
    return {abszisseLinear, abszisseLinear, !ordinateLinear};
}

Optionsfreigabe fkfFreigabe(bool ordinateLinear) { return {true, true, !ordinateLinear}; }

bool nachFavOptionen(ZorState& s) {
    s.FAV_xpos = 0;
    return (s.Cursor.FAVon == 0 || s.FAV_abszisse == 0) && s.Cursor.FAV && s.Fenster.FAV;
}

bool nachFkfOptionen(ZorState& s) {
    s.FKF_xpos = 0;
    return s.Cursor.FKFon == 0 && s.Cursor.FKF && s.Fenster.FKF;
}

}  // namespace zor
