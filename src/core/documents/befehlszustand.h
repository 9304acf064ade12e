#pragma once
// Which channel-model commands the menus and the toolbar offer, and which model items
// carry the check mark, as a pure function of the state. The program applies it after
// every change; the rules live here and nowhere else.

#include <array>
#include <string_view>
#include <vector>

#include "core/models/zor_state.h"

namespace zor {

struct [[nodiscard]] Befehlszustand {
    bool aktualisieren = false;        // 250: documents open and not up to date
    bool alleOeffnen = false;          // 253 and the "Öffnen" pop-up: not all documents open
    bool fensterBefehle = false;       // 260, the "Schließen" and "Anordnen" pop-ups, export, page preview
    bool drucken = false;              // 503: a document open and a set active
    std::array<bool, 2> speichern{};   // 500, 501: the set simulates a model (a file or a theory has no sequence)
    bool multimedia = false;           // 4058: no channel-model document open
    std::vector<bool> offen;           // per document of the fixed order: its open item grayed, its close item enabled
    std::array<Modellart, 2> haken{};  // the model item of each set that carries the check mark
};

// The command states of the state; `reihe` lists the documents' letters in the fixed order.
Befehlszustand befehlszustand(const ZorState& s, std::string_view reihe);

}  // namespace zor
