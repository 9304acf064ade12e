#pragma once
// Where the channel-model documents stand in the MDI area: the counting when one opens
// or closes and the regions they move to. Pure functions over the state and the area's
// size; the program applies the result. The documents are known by their letters, in the
// fixed order of the program's table ("fkvp": FF, FKF, FAV, PAR); any number fits.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/models/zor_state.h"

namespace zor {

// The letters of the four documents the arrangement's tables name.
inline constexpr std::string_view VIER_DOKUMENTE = "fkvp";

// A document's open flag and arrangement record inside the state: the named fields for
// 'f', 'k', 'v' and 'p', the entries of ZorState::weitereDokumente for any other letter.
int& offenFlag(ZorState& s, char buchstabe);
int offenFlag(const ZorState& s, char buchstabe);
STRUCT_TOCHTER& tochter(ZorState& s, char buchstabe);
const STRUCT_TOCHTER& tochter(const ZorState& s, char buchstabe);

// True while any channel-model document is open.
bool modellDokumentOffen(const ZorState& s);

// A rectangle of the MDI area in pixels, top-left origin.
struct Bereich {
    int x = 0, y = 0, breite = 0, hoehe = 0;
    friend bool operator==(const Bereich&, const Bereich&) = default;
};

// The MDI area: width, height, the room kept for icons (2.5 x icon height) and, for
// more than four kinds of document, how many the grid of region codes '0'... holds.
struct Flaeche {
    int breite = 0, hoehe = 0, iconRaum = 0;
    int raster = 0;
};

// The rectangle of a region code ('a' ... 'w', or a grid cell '0' + i), or nothing for a
// code that leaves the window where it is.
std::optional<Bereich> region(char code, const Flaeche& f);

// Cascaded windows: each a title bar (versatz) lower and to the right of the one before,
// all of one size that leaves room for the offsets but never below 60 % of the area.
std::vector<Bereich> kaskade(int breite, int hoehe, int anzahl, int versatz);

// The letters of the documents that are minimised now.
using Minimiert = std::string;

struct Verschiebung {
    char dokument;
    Bereich ziel;
    friend bool operator==(const Verschiebung&, const Verschiebung&) = default;
};

struct [[nodiscard]] Anordnung {
    std::vector<Verschiebung> verschieben;  // in this order
    bool kacheln = false;                   // let the MDI area tile all children instead
};

// The counting when a document is being created (before OrdnenAufbau) and removed (after
// its flag was cleared); `reihe` lists every kind of document in the fixed order.
void FensterInit(ZorState& s, std::string_view reihe);
void FensterDest(ZorState& s, std::string_view reihe);

// Records the regions for the documents open now plus the new one (its flag still clear)
// and says where they move.
Anordnung OrdnenAufbau(ZorState& s, std::string_view reihe, char neu, const Minimiert& minimiert, const Flaeche& f);

// Records the regions of the remaining documents and says where they move (Tile).
Anordnung OrdnenAbbau(ZorState& s, std::string_view reihe, const Minimiert& minimiert, const Flaeche& f);

// Every open document to its recorded region, or tiling when one is minimised.
Anordnung Tile(const ZorState& s, std::string_view reihe, const Minimiert& minimiert, const Flaeche& f);

}  // namespace zor
