#pragma once
// The entry rules of the parameter dialogs: each entry read as typed, checked in the
// dialogs' order, and the parameter array filled only when every entry is valid.

#include <cstdint>
#include <span>
#include <string>

#include "core/models/eingaberegeln.h"
#include "core/models/zor_state.h"

namespace zor {

// The dialogs read back at most this many characters of an entry.
inline constexpr std::size_t EINGABE_ZEICHEN = 14;

// What a refused entry brings up: dialog 612 (seed or runs), dialog 613 (a probability),
// or the note that the state probabilities of the three-state model do not sum to 1.
enum class Ablehnung { Keine, Startwert, Wahrscheinlichkeit, Zustandssumme };

struct [[nodiscard]] ParameterPruefung {
    Ablehnung art = Ablehnung::Keine;
    int index = -1;  // parameter-array index of the refused entry
    Eingaberegel regel = Eingaberegel::Keine;  // the rule it broke
    std::uint64_t durchlaeufe = 0;  // on success: the exact number of simulated bits
    explicit operator bool() const { return art == Ablehnung::Keine; }
};

inline constexpr const char* TEXT_ZUSTANDSSUMME =
    "Die Wahrscheinlichkeiten der Zustände müssen zusammen 1 ergeben:\n\npZ1 + pZ2 + pZ3 = 1";

// texte holds the entry of each array index (BSC: 3, others: 8; the GE/MC complements
// at 2 and 3 are not entries and are ignored). On success werte is the new parameter
// array, with p(G|G) and p(B|B) as complements for GE and MC, and the exact number of
// bits is in the result (the array holds it rounded); on refusal werte is unchanged.
// Order and rules: BSC p, seed, runs; GE/MC seed, runs, p(G|B), p(B|G), Good, Bad, then
// GE refuses a zero transition and MC a zero error probability; SW seed, runs, the three
// state probabilities, the three error probabilities, their sum, and a state that can be
// chosen must be able to make an error.
// The text of a number of bits for its entry: in digits, or as digits and a power of ten
// when that is what fits into EINGABE_ZEICHEN characters; read back, it is n exactly.
std::string durchlaeufeText(std::uint64_t n);

ParameterPruefung parameterPruefen(Modellart art, std::span<const std::string> texte, std::span<float> werte);

// The rules over several values of one set, each valid on its own, that the dialogs and
// zor share: GE refuses a zero transition, MC a zero error probability, SW state
// probabilities that do not sum to 1 and a state that can be chosen but never errs.
// index names the refused value.
ParameterPruefung werteGemeinsamPruefen(Modellart art, std::span<const float> werte);

}  // namespace zor
