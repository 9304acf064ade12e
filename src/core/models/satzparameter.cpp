#include "core/models/satzparameter.h"

#include <algorithm>
#include <span>

namespace zor {

Satzparameter satzparameter(const ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    Satzparameter p;
    p.art = modellart(v.M);
    p.satz = satz;
    p.sim = v.sim;
    p.BSC_simfabs = v.BSC_simfabs;
    const auto w = modellWerte(v, p.art);
    std::copy(w.begin(), w.end(), p.Wert.begin());
    p.Durchlaeufe = durchlaeufe(s, satz);
    if (p.art == Modellart::Datei) p.Datei = v.Datei;
    return p;
}

Satzparameter startparameter(Modellart art, int vorlage, int satz) {
    ZorState start = startZustand();
    modellVon(start, vorlage) = static_cast<std::int16_t>(modellId(art, vorlage));
    Satzparameter p = satzparameter(start, vorlage);
    p.satz = satz;
    p.sim = 1;
    p.BSC_simfabs = 0;
    return p;
}

void satzparameterSetzen(ZorState& s, int satz, const Satzparameter& p) {
    const auto v = satzSicht(s, satz);
    v.M = static_cast<std::int16_t>(modellId(p.art, satz));
    v.sim = p.sim;
    if (p.art == Modellart::BSC) v.BSC_simfabs = p.BSC_simfabs;
    const auto w = modellWerte(v, p.art);
    std::copy_n(p.Wert.begin(), w.size(), w.begin());
    if (p.art == Modellart::Datei) v.Datei = p.Datei;
    if (p.art != Modellart::Datei && p.art != Modellart::Inaktiv) durchlaeufeSetzen(s, p.art, satz, p.Durchlaeufe);
}

}  // namespace zor
