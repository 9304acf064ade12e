#pragma once
// The quantities a student reads off a parameter set: mean error probability, share of
// bits and mean stay (in bits) of each state, mean gap between errors, mean burst length
// and the correlation duration of the theory curve. A burst is a stay in BAD for the
// models with a BAD state (GE, MC) and a run of adjacent errors for the others (BSC, SW).
// Shared by the parameter dialogs' panel, the parameter document and `zor kenngroessen`.

#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zor {

struct Zustandskenngroesse {
    const char* name;      // "GOOD", "BAD", "Z1", "Z2", "Z3"
    double anteil;         // share of the bits generated in the state
    double verweildauer;   // mean stay in bits; infinite for a state never left
};

struct Kenngroessen {
    double fehlerwahrscheinlichkeit = 0;      // mean error probability
    std::vector<Zustandskenngroesse> zustaende;  // empty for BSC
    double abstand = 0;                       // mean gap between errors; infinite without errors
    double buendellaenge = 0;                 // mean burst length in bits
    double korrelationsdauer = 0;             // of the theory curve over D lags
};

// werte: the model's parameter array (BSC: 3 floats, GE/MC/SW: 8); D: the highest lag of
// the theory curve whose correlation duration is taken (2..100). Nothing for inactive and
// file sources or arrays of the wrong size. Degenerate arrays (a transition pair of 0)
// follow the theory formulas' conventions: each state then holds half of the bits.
std::optional<Kenngroessen> kenngroessen(Modellart art, std::span<const float> werte, int D);
// Of one set's parameters.
std::optional<Kenngroessen> kenngroessen(const Satzparameter& p, int D);
// Of set `satz`'s current model, with the state's FKF_defbereich as D.
std::optional<Kenngroessen> kenngroessen(const ZorState& s, int satz);

// The quantities of entries as typed in a parameter dialog (texte: one per array index,
// as for parameterPruefen); nothing while an entry is refused by the dialog's rules.
// Seed and runs do not matter here and are not checked.
std::optional<Kenngroessen> kenngroessenAusEingaben(Modellart art, std::span<const std::string> texte, int D);

// One displayed line: a stable key (zor's output, JSON), the German label, a short label
// for the parameter pictures, and the value.
struct Kennzeile {
    std::string schluessel;
    std::string name;
    std::string kurz;
    double wert;
    bool inBits;  // a length in bits
};
// The lines in display order: mean error probability, the share of every state but
// GOOD, the mean stays, mean gap, mean burst length, correlation duration.
std::vector<Kennzeile> kennzeilen(const Kenngroessen& k);

inline constexpr const char* TITEL_KENNGROESSEN = "Kenngrößen";
inline constexpr const char* TEXT_KENNGROESSEN_UNVOLLSTAENDIG = "(erst bei gültigen Eingaben)";

}  // namespace zor
