#include "core/models/vorgaben.h"

namespace zor {
namespace {

constexpr Vorgabe VORGABEN[] = {
    {"bsc1", Modellart::BSC, 0}, {"bsc2", Modellart::BSC, 1}, {"ge1", Modellart::GE, 0},
    {"ge2", Modellart::GE, 1},   {"mc1", Modellart::MC, 0},   {"mc2", Modellart::MC, 1},
    {"sw1", Modellart::SW, 0},   {"sw2", Modellart::SW, 1},
};

}  // namespace

std::optional<Vorgabe> vorgabe(std::string_view name) {
    for (const Vorgabe& v : VORGABEN)
        if (name == v.name) return v;
    return std::nullopt;
}

void vorgabeSetzen(ZorState& s, int satz, const Vorgabe& v) {
    const ZorState start = startZustand();
    switch (v.art) {
    case Modellart::BSC: bscWerte(s, satz) = bscWerte(start, v.satz); break;
    case Modellart::GE: geWerte(s, satz) = geWerte(start, v.satz); break;
    case Modellart::MC: mcWerte(s, satz) = mcWerte(start, v.satz); break;
    case Modellart::SW: swWerte(s, satz) = swWerte(start, v.satz); break;
    default: return;
    }
    durchlaeufeSetzen(s, v.art, satz, durchlaeufe(start, v.art, v.satz));
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(v.art, satz));
    simVon(s, satz) = 1;
    s.Modell.inaktiv = 0;
}

}  // namespace zor
