#pragma once
// Where the four channel-model documents stand in the MDI area: the bookkeeping when one
// opens or closes (counts, which menu items follow) and the regions they move to. Pure
// functions over the state and the area's size; the program applies the result.

#include <array>
#include <optional>
#include <vector>

#include "core/models/zor_state.h"

namespace zor {

// The documents in their fixed order FF, FKF, FAV, PAR, with their letters.
enum class Modelldokument { FF = 0, FKF = 1, FAV = 2, PAR = 3 };
inline constexpr std::array<Modelldokument, 4> MODELLDOKUMENTE = {Modelldokument::FF, Modelldokument::FKF,
                                                                  Modelldokument::FAV, Modelldokument::PAR};
char buchstabeVon(Modelldokument d);  // 'f', 'k', 'v', 'p'
std::optional<Modelldokument> dokumentVon(char buchstabe);

// The open flag and arrangement record of a document inside the state.
int& offenFlag(ZorState& s, Modelldokument d);
int offenFlag(const ZorState& s, Modelldokument d);
STRUCT_TOCHTER& tochter(ZorState& s, Modelldokument d);
const STRUCT_TOCHTER& tochter(const ZorState& s, Modelldokument d);

// True while any channel-model document is open.
bool modellDokumentOffen(const ZorState& s);

// A rectangle of the MDI area in pixels, top-left origin.
struct Bereich {
    int x = 0, y = 0, breite = 0, hoehe = 0;
    friend bool operator==(const Bereich&, const Bereich&) = default;
};

// The MDI area: width, height and the room kept for icons (2.5 x icon height).
struct Flaeche {
    int breite = 0, hoehe = 0, iconRaum = 0;
};

// The rectangle of a region code ('a' ... 'w'), or nothing for a code that leaves the
// window where it is.
std::optional<Bereich> region(char code, const Flaeche& f);

// Cascaded windows: each a title bar (versatz) lower and to the right of the one before,
// all of one size that leaves room for the offsets but never below 60 % of the area.
std::vector<Bereich> kaskade(int breite, int hoehe, int anzahl, int versatz);

// Which documents are minimised now (by document index).
using Minimiert = std::array<bool, 4>;

struct Verschiebung {
    Modelldokument dokument;
    Bereich ziel;
    friend bool operator==(const Verschiebung&, const Verschiebung&) = default;
};

struct Anordnung {
    std::vector<Verschiebung> verschieben;  // in this order
    bool kacheln = false;                   // let the MDI area tile all children instead
};

// Menu states that change when the first document opens or the last closes, and when
// the fourth opens or one of four closes.
struct Freigabe {
    std::optional<bool> fensterBefehle;  // 260, 503, 4200, the "Schließen"/"Anordnen" pop-ups
    std::optional<bool> alleOeffnen;     // 253 and the "Öffnen" pop-up
    bool aktualisierenGrau = false;      // 250 (and its button) grayed: the last one closed
};

// Counts a document that is being created (before OrdnenAufbau).
Freigabe FensterInit(ZorState& s);
// Counts a document that is being removed (after its flag was cleared).
Freigabe FensterDest(ZorState& s);

// Records the regions for the documents open now plus the new one (its flag still clear)
// and says where they move.
Anordnung OrdnenAufbau(ZorState& s, Modelldokument neu, const Minimiert& minimiert, const Flaeche& f);

// Records the regions of the remaining documents and says where they move (Tile).
Anordnung OrdnenAbbau(ZorState& s, const Minimiert& minimiert, const Flaeche& f);

// Every open document to its recorded region, or tiling when one is minimised.
Anordnung Tile(const ZorState& s, const Minimiert& minimiert, const Flaeche& f);

}  // namespace zor
