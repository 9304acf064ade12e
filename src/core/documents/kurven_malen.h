#pragma once
// Painting of the two curve documents (gap distribution and error correlation) on a
// canvas: the window, the printed page, exported pictures and the headless renderer
// all call these.

#include <array>
#include <string>

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

// Where an exported or printed diagram's legend stands. The window keeps the classic
// look (no legend): its readout, duration labels and cursor already fill its corners,
// and there the colours are explained by the parameter document beside it.
enum class Legendenort { Keine, ObenRechts, UntenRechts };

// The places as the export dialog offers them and zorwerk-render names them.
struct Legendenwahl {
    Legendenort ort;
    const char* text;     // export dialog
    const char* kennung;  // zorwerk-render --legende
};
inline constexpr std::array<Legendenwahl, 3> LEGENDENORTE = {{
    {Legendenort::ObenRechts, "oben rechts", "oben"},
    {Legendenort::UntenRechts, "unten rechts", "unten"},
    {Legendenort::Keine, "keine", "keine"},
}};
// Printed pages and the protocol use this place.
inline constexpr Legendenort LEGENDE_DRUCK = Legendenort::ObenRechts;

// A set's legend line: "Satz 1: Gilbert-Elliott, Simulation, N = 1.000.000"; a file set
// names its file. Empty for an inactive set.
std::string legendenzeile(const ZorState& s, int satz);
// The diagram's caption: what it shows and, with the option on, that bands are drawn.
std::string bildunterschrift(const ZorState& s, bool fav);

// The caption and one line per active set in its curve colour, in a framed white box in
// the plot's corner, clear of the band hints; nothing for Keine.
void LegendeMalen(Canvas& dc, const ZorState& s, bool fav, Legendenort ort, int drucken);

}  // namespace zor
