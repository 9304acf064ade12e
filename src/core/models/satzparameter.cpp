#include "core/models/satzparameter.h"

#include <algorithm>
#include <span>

namespace zor {
namespace {

// The state's array of a model in a set, as a span of its own length.
template <class S>
auto werte(S& s, Modellart art, int satz) {
    const auto v = satzSicht(s, satz);
    using F = std::remove_reference_t<decltype(v.GEWert[0])>;
    switch (art) {
    case Modellart::BSC: return std::span<F>(v.BSCWert);
    case Modellart::GE: return std::span<F>(v.GEWert);
    case Modellart::MC: return std::span<F>(v.MCWert);
    case Modellart::SW: return std::span<F>(v.SWWert);
    default: return std::span<F>();
    }
}

}  // namespace

Satzparameter satzparameter(const ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    Satzparameter p;
    p.art = modellart(v.M);
    p.satz = satz;
    p.sim = v.sim;
    p.BSC_simfabs = v.BSC_simfabs;
    const auto w = werte(s, p.art, satz);
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
    const auto w = werte(s, p.art, satz);
    std::copy_n(p.Wert.begin(), w.size(), w.begin());
    if (p.art == Modellart::Datei) v.Datei = p.Datei;
    if (p.art != Modellart::Datei && p.art != Modellart::Inaktiv) durchlaeufeSetzen(s, p.art, satz, p.Durchlaeufe);
}

}  // namespace zor
