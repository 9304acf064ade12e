#pragma once
// Painting of the two curve documents (gap distribution and error correlation) on a
// canvas: the window, the printed page, exported pictures and the headless renderer
// all call these.

#include "core/models/zor_state.h"
#include "core/plot/canvas.h"
#include "core/plot/plotag.h"

namespace zor {

// Which curves the latest paint drew (the documents' Graph1/Graph2 flags).
struct Gezeichnet {
    int Graph1 = 0, Graph2 = 0;
    void setzen(int satz) { (satz == 0 ? Graph1 : Graph2) = 1; }
    friend bool operator==(const Gezeichnet&, const Gezeichnet&) = default;
};

// The readout and label font height of both documents on screen.
inline constexpr int KURVEN_SCHRIFTHOEHE = 1050;

// The FAV diagram on a canvas whose mapping the caller set (documents: logical
// -10000..10000, y up). Derives ptFAVa1/2 first when Modell.AB = 1 (hence non-const).
// drucken = 1: print colours and, when Cursor.FAV is set, the printed cursor.
// Returns the curves drawn; does not compute curves (the caller did, lazily).
Gezeichnet FAV_Paint(Canvas& dc, ZorState& s, const Vorlagenquelle& quelle, int drucken);

// The FKF diagram likewise, with the correlation-duration markers.
Gezeichnet FKF_Paint(Canvas& dc, const ZorState& s, const Vorlagenquelle& quelle, int drucken);

// The correlation-duration markers of the active sets with the selected pen.
void DK_Beschriftung(Canvas& dc, const ZorState& s);

}  // namespace zor
