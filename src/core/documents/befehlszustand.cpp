#include "core/documents/befehlszustand.h"

#include "core/documents/anordnung.h"

namespace zor {
namespace {

bool simuliert(const ZorState& s, int satz) {
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC:
    case Modellart::GE:
    case Modellart::MC:
    case Modellart::SW: return simVon(s, satz) == 1;
    default: return false;
    }
}

}  // namespace

Befehlszustand befehlszustand(const ZorState& s, std::string_view reihe) {
    const auto& F = s.Fenster;
    const bool dokumente = F.null == 0;
    Befehlszustand b;
    b.aktualisieren = dokumente && F.aktualisiert == 0;
    b.alleOeffnen = F.alle == 0;
    b.fensterBefehle = dokumente;
    b.drucken = dokumente && s.Modell.inaktiv == 0;
    for (int satz = 0; satz < 2; ++satz) {
        b.speichern[static_cast<std::size_t>(satz)] = simuliert(s, satz);
        b.haken[static_cast<std::size_t>(satz)] = modellart(modellVon(s, satz));
    }
    b.multimedia = !modellDokumentOffen(s);
    for (char z : reihe) b.offen.push_back(offenFlag(s, z) != 0);
    return b;
}

}  // namespace zor
