#pragma once
// Entering a GE or MC model by the quantities a student thinks in: mean error
// probability, mean stay in BAD (the burst length, in bits) and the error probabilities
// in BAD and GOOD. The transitions follow from them; what a set stores stays the
// transitions and error probabilities. Targets that cannot be met are refused with the
// range the edited field may take while the others are held.

#include "core/models/zor_state.h"

#include <array>
#include <optional>
#include <string>

namespace zor {

enum class Zielfeld { Fehlerwahrscheinlichkeit, Buendellaenge, FehlerBad, FehlerGood };

struct Zielwerte {
    double fehlerwahrscheinlichkeit = 0;  // mean error probability
    double buendellaenge = 0;             // mean stay in BAD, bits
    double fehlerBad = 0;                 // error probability in BAD
    double fehlerGood = 0;                // error probability in GOOD
};

// The values one field may take while the others are held; empty when none can.
struct Zielbereich {
    double von = 0, bis = 0;  // bis infinite: no upper bound
    bool vonOffen = false, bisOffen = false;
    bool leer = false;
};
Zielbereich zielbereich(Modellart art, const Zielwerte& z, Zielfeld feld);

struct Zieluebergaenge {
    float Good_From_Bad = 0, Bad_From_Good = 0;  // GE: per bit; MC: after an error
};

// The transitions, or the German refusal naming the possible range of `bearbeitet`.
struct Zielergebnis {
    std::optional<Zieluebergaenge> uebergaenge;
    std::string meldung;
    Zielwerte ziele = {};  // the targets as read, for zieleEintragen
    explicit operator bool() const { return uebergaenge.has_value(); }
};
Zielergebnis uebergaengeAusZielen(Modellart art, const Zielwerte& z, Zielfeld bearbeitet);

// The same from the texts of the four fields in the order of Zielfeld, read by the
// dialogs' number syntax: probabilities 0 to 1, the burst length a number of bits.
Zielergebnis uebergaengeAusZieltexten(Modellart art, const std::array<std::string, 4>& texte, Zielfeld bearbeitet);

// Writes the error probabilities and transitions into a GE or MC array, with the
// complements p(G|G), p(B|B) as the dialogs store them; seed and runs are kept.
void zieleEintragen(ModellWerte& w, const Zielwerte& z, const Zieluebergaenge& u);

// The label of a field in messages ("die mittlere Fehlerwahrscheinlichkeit").
const char* zielfeldName(Zielfeld feld);

}  // namespace zor
