#include "core/models/zor_state.h"

namespace zor {

Modellart modellart(int id) {
    switch (id) {
    case BSC1: case BSC2: return Modellart::BSC;
    case GE1: case GE2: return Modellart::GE;
    case MC1: case MC2: return Modellart::MC;
    case SW1: case SW2: return Modellart::SW;
    case DATEI1: case DATEI2: return Modellart::Datei;
    default: return Modellart::Inaktiv;
    }
}

int satzVon(int id) { return id >= 6 ? 1 : 0; }

int modellId(Modellart art, int satz) {
    if (art == Modellart::Inaktiv) return INAKTIV;
    return static_cast<int>(art) + (satz == 0 ? 0 : 5);
}

void InitVar(ZorState& s) {
    s = ZorState{};
    s.Fenster.null = 1;
    s.Fenster.aktualisiert = 1;
    s.Modell.M1 = BSC1;
    s.Modell.M2 = INAKTIV;
    s.Modell.sim1 = 1;
    s.Modell.sim2 = 1;
    s.BSCWert1 = {0.1f, 1265.0f, 10000.0f};
    s.BSCWert2 = {0.01f, 8885.0f, 10000.0f};
    s.GEWert1 = {3457, 10000, 0.99f, 0.9f, 0.1f, 0.01f, 0.01f, 0.4f};
    s.GEWert2 = {6789, 10000, 0.999f, 0.5151f, 0.4949f, 0.001f, 0.01f, 0.5f};
    s.MCWert1 = {3457, 10000, 0.99f, 0.9f, 0.1f, 0.01f, 0.1f, 0.4f};
    s.MCWert2 = {6789, 10000, 0.64f, 0.776f, 0.224f, 0.36f, 0.0186f, 0.461f};
    s.SWWert1 = {2227, 10000, 0.75f, 0.05f, 0.2f, 0.045f, 0.5228f, 0.8f};
    s.SWWert2 = {6789, 10000, 0.3f, 0.1f, 0.6f, 0.008f, 0.02f, 0.8f};
    for (int satz = 0; satz < 2; ++satz)
        for (Modellart art : {Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW})
            durchlaeufeSetzen(s, art, satz, 10000);
    s.GE_sim1 = s.GE_sim2 = s.MC_sim1 = s.MC_sim2 = 1;
    s.farbe = {{{0, 0, 150}, {150, 0, 0}, {255, 255, 255}, {200, 200, 200},
                {0, 0, 250}, {250, 0, 0}, {150, 150, 150}}};
    s.FAV_defbereich = 50;
    s.FAV_abszisse = 1;
    s.FAV_xlindef = 50;
    s.FAV_xnorm = 320;
    s.FAV_wertneg = 1e-5f;
    s.FAV_wertpos = 1.0f;
    s.FAV_ynorm_log = 2500;
    s.FKF_defbereich = 50;
    s.FKF_xnorm = 320;
    s.FKF_wertneg = 1e-5f;
    s.FKF_wertpos = 1.0f;
    s.FKF_ynorm_log = 2500;
}

ZorState startZustand() {
    ZorState s;
    InitVar(s);
    return s;
}

int durchlaeufeIndex(Modellart art) { return art == Modellart::BSC ? int{bsc::Durchlaeufe} : int{gemc::Durchlaeufe}; }

namespace {

template <class S>
auto* bitzahlVon(S& s, Modellart art, int satz) {
    auto& n = satzSicht(s, satz).N;
    switch (art) {
    case Modellart::BSC: return &n.BSC;
    case Modellart::GE: return &n.GE;
    case Modellart::MC: return &n.MC;
    case Modellart::SW: return &n.SW;
    default: return static_cast<decltype(&n.BSC)>(nullptr);
    }
}

}  // namespace

std::uint64_t durchlaeufe(const ZorState& s, Modellart art, int satz) {
    const std::uint64_t* genau = bitzahlVon(s, art, satz);
    if (!genau) return 0;
    const float wert = modellWerte(satzSicht(s, satz), art)[durchlaeufeIndex(art)];
    // A count written into the array alone (not through durchlaeufeSetzen) wins over a stale exact one.
    if (static_cast<float>(*genau) == wert) return *genau;
    if (!(wert >= 1.0f)) return 0;
    return wert < 0x1p64f ? static_cast<std::uint64_t>(wert) : UINT64_MAX;
}

std::uint64_t durchlaeufe(const ZorState& s, int satz) {
    return durchlaeufe(s, modellart(modellVon(s, satz)), satz);
}

void durchlaeufeSetzen(ZorState& s, Modellart art, int satz, std::uint64_t n) {
    std::uint64_t* genau = bitzahlVon(s, art, satz);
    if (!genau) return;
    *genau = n;
    modellWerte(satzSicht(s, satz), art)[durchlaeufeIndex(art)] = static_cast<float>(n);
}

void ungueltigMachen(ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    v.FKF_ermittelt = 0;
    v.FAV_ermittelt = 0;
}

}  // namespace zor
