#pragma once
// The options of the curve documents as their dialogs edit them: working copies taken
// from the state, the entry rules for the axis ranges, and the apply rules (which
// changes make the cached curves stale).

#include <optional>
#include <string>

#include "core/models/eingaberegeln.h"
#include "core/models/zor_state.h"

namespace zor {

// The edits: the abscissa end (319) and the decades a1 (320) and a2 (321) of the
// logarithmic ordinate 1e-a1 ... 1e-a2, as typed.
struct Skalierungstexte {
    std::string abszisse, a1, a2;
};

struct FkfOptionen {
    int cursor = 0, uhr = 0, ordinate = 0, erneuernd = 0;
    Skalierungstexte texte;
    int band = 0;
};

struct FavOptionen {
    int cursor = 0, uhr = 0, ordinate = 0, abszisse = 1, AB = 0;
    Skalierungstexte texte;
    int band = 0;
};

enum class [[nodiscard]] Optionsfehler{Keiner, Abszisse, Ordinate};

// The refused edit and the rule it broke, for the line under the notice.
enum class Skalierungsfeld { Abszisse, UntereDekade, ObereDekade };
struct Skalierungsfehler {
    Skalierungsfeld feld;
    Eingaberegel regel;
};
// The first refused edit in the order the options are checked; nothing when all hold.
std::optional<Skalierungsfehler> skalierungsfehler(const Skalierungstexte& t);

// The working copies and edit texts a dialog opens with.
FkfOptionen fkfOptionen(const ZorState& s);
FavOptionen favOptionen(const ZorState& s);

// Checks the entries (abscissa first, then all three ordinate rules; both also when
// the edits are disabled) and, only when all hold, applies the options. A larger
// range, or another correlation method, clears both sets' cached curves; showing the
// bands does not (every sampled curve carries its band).
Optionsfehler fkfOptionenAnwenden(ZorState& s, const FkfOptionen& o);
Optionsfehler favOptionenAnwenden(ZorState& s, const FavOptionen& o);

}  // namespace zor
