#pragma once
// The parameter sets the model fitting is checked on (the presets of every model and two
// harder GE channels), their simulated sequences, and the probabilities the generators
// really use: a draw k/32768 is compared with the float parameter, and gaps come from a
// table of those draws, so "true" means the generator's own values.

#include "core/anpassung/abstandsfolge.h"
#include "core/anpassung/folge_lesen.h"
#include "core/models/eingaberegeln.h"
#include "core/models/fehlerquellen.h"
#include "core/models/vorgaben.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

struct Anpassungsfall {
    std::string name;
    zor::Modellart art;
    zor::ModellWerte werte{};  // BSC: p at index 0
};

inline std::vector<Anpassungsfall> anpassungsfaelle() {
    using zor::Modellart;
    const zor::ZorState s = zor::startZustand();
    const auto bsc = [](float p) {
        zor::ModellWerte w{};
        w[zor::bsc::p] = p;
        return w;
    };
    const auto ge = [](float bg, float gb, float eG, float eB) {
        zor::ModellWerte w{};
        w[zor::gemc::Bad_From_Good] = bg;
        w[zor::gemc::Good_From_Bad] = gb;
        w[zor::gemc::Good] = eG;
        w[zor::gemc::Bad] = eB;
        zor::uebergaengeErgaenzen(w);
        return w;
    };
    // The generators read p(G|G) and p(G|B) only; the ge2 start values' p(B|B) is no
    // complement of p(G|B), so the arrays are completed as the dialogs would.
    const auto ergaenzt = [](zor::ModellWerte w) {
        zor::uebergaengeErgaenzen(w);
        return w;
    };
    return {
        {"bsc1", Modellart::BSC, bsc(s.BSCWert1[0])},
        {"bsc2", Modellart::BSC, bsc(s.BSCWert2[0])},
        {"ge1", Modellart::GE, ergaenzt(s.GEWert1)},
        {"ge2", Modellart::GE, ergaenzt(s.GEWert2)},
        {"gilbert", Modellart::GE, ge(0.01f, 0.2f, 0.0f, 0.5f)},
        {"lange_buendel", Modellart::GE, ge(0.0005f, 0.005f, 0.001f, 0.2f)},
        {"mc1", Modellart::MC, ergaenzt(s.MCWert1)},
        {"mc2", Modellart::MC, ergaenzt(s.MCWert2)},
        {"sw1", Modellart::SW, s.SWWert1},
        {"sw2", Modellart::SW, s.SWWert2},
    };
}

// Set 1 runs the case's model with the seed over n bits.
inline zor::ZorState zustandFuer(const Anpassungsfall& f, int seed, std::uint64_t n) {
    zor::ZorState s = zor::startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(zor::modellId(f.art, 0));
    if (f.art == zor::Modellart::BSC) {
        s.BSCWert1[zor::bsc::p] = f.werte[zor::bsc::p];
        s.BSCWert1[zor::bsc::Startwert] = static_cast<float>(seed);
    } else {
        zor::ModellWerte w = f.werte;
        w[0] = static_cast<float>(seed);
        (f.art == zor::Modellart::GE ? s.GEWert1 : f.art == zor::Modellart::MC ? s.MCWert1 : s.SWWert1) = w;
    }
    zor::durchlaeufeSetzen(s, f.art, 0, n);
    return s;
}

inline zor::Abstandsfolge simulieren(const Anpassungsfall& f, int seed, std::uint64_t n) {
    zor::KeinFortschritt kein;
    zor::Folgeneingabe e = zor::folgeVonSatz(zor::satzparameter(zustandFuer(f, seed, n), 0), kein);
    if (!e.ok) throw std::runtime_error(e.meldung.text);
    return std::move(e.folge);
}

namespace anpassungsfaelle_detail {
// P(draw <= p): the error rule of bits (a draw of 0 is an error even for p = 0).
inline double fehlerregel(float p) { return (std::floor(static_cast<double>(p) * 32768.0) + 1) / 32768.0; }
// P(draw < q): the rule of state changes.
inline double wechselregel(float q) { return zor::schwelle(q) / 32768.0; }
// A geometric law with the mean of the gap table.
inline double abstandsregel(float e) {
    const zor::Abstandsziehung z(e);
    double summe = 0;
    for (int k = 1; k < 32768; ++k) summe += static_cast<double>(z.fuerZiehung(k));
    return 32767.0 / summe;
}
}  // namespace anpassungsfaelle_detail

// The generator's probabilities in the order of the fit's parameters.
inline std::vector<double> wahreWerte(const Anpassungsfall& f) {
    using namespace anpassungsfaelle_detail;
    namespace g = zor::gemc;
    const zor::ModellWerte& w = f.werte;
    switch (f.art) {
    case zor::Modellart::BSC: return {fehlerregel(w[0])};
    case zor::Modellart::GE:
        return {1 - wechselregel(w[g::Good_From_Good]), wechselregel(w[g::Good_From_Bad]),
                fehlerregel(w[g::Good]), fehlerregel(w[g::Bad])};
    case zor::Modellart::MC:
        return {1 - wechselregel(w[g::Good_From_Good]), wechselregel(w[g::Good_From_Bad]), abstandsregel(w[g::Good]),
                abstandsregel(w[g::Bad])};
    default: {
        const double z1 = wechselregel(w[zor::sw::pZ1]);
        const double z12 = zor::schwelle(static_cast<double>(w[zor::sw::pZ1]) + w[zor::sw::pZ2]) / 32768.0;
        return {z1, z12 - z1, 1 - z12, abstandsregel(w[zor::sw::pFehlerZ1]), abstandsregel(w[zor::sw::pFehlerZ2]),
                abstandsregel(w[zor::sw::pFehlerZ3])};
    }
    }
}
