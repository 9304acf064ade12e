#pragma once
// The loss models of the Linux network emulator (tc ... netem) as parameter sets:
// `loss gemodel p [r [1-h [1-k]]]` is a GE set (p: GOOD->BAD, r: BAD->GOOD, 1-h: loss in
// BAD, 1-k: loss in GOOD), `loss random P` a BSC set; every value in percent.
// Omitted gemodel values take the emulator manual's defaults: r = 100 % - p, 1-h = 100 %,
// 1-k = 0 %. The emulator draws a packet's state change before its loss, the generator
// here a bit's error before the change: whichever state the loss is drawn in, the packets
// see the same two-state chain as the bits (at most one step apart), so the transitions
// and error probabilities carry over unchanged; only the start differs.

#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zor {

struct NetemModell {
    Modellart art = Modellart::Inaktiv;  // BSC or GE
    float p = 0;                          // BSC: bit error probability
    float Good_From_Bad = 0, Bad_From_Good = 0, Good = 0, Bad = 0;  // GE
};

struct NetemErgebnis {
    std::optional<NetemModell> modell;
    std::string meldung;  // German refusal when there is no model
    explicit operator bool() const { return modell.has_value(); }
};

// Reads the loss model from a line; anything else on it (tc qdisc ..., delay, ecn) is
// passed over. Refuses a line without a loss model, the 4-state model, a correlated
// random loss, values outside 0..100 % and GE transitions of 0, each in German.
NetemErgebnis netemLesen(std::string_view zeile);

// The model's values written into its parameter array (BSC 3, GE 8 floats); seed and
// runs stay, GE gets the complements p(G|G), p(B|B) as the dialogs store them.
void netemEintragen(const NetemModell& m, std::span<float> werte);
// The same into a set's parameters of the model's kind.
void netemEintragen(const NetemModell& m, Satzparameter& p);

// The line of a BSC or GE parameter array ("loss gemodel 1% 10% 40% 1%"), nothing for
// other models. Each percentage is the shortest decimal that reads back as the same
// single-precision value, so a line read and written again keeps its numbers.
std::optional<std::string> netemZeile(Modellart art, std::span<const float> werte);
std::optional<std::string> netemZeile(const Satzparameter& p);

inline constexpr const char* TEXT_NETEM_UNTERSTUETZT =
    "Unterstützt werden „loss gemodel p [r [1-h [1-k]]]“ (Gilbert-Elliott-Modell) und „loss random P“ "
    "(BSC-Modell), die Werte in Prozent.";
inline constexpr const char* TEXT_NETEM_NUR_BSC_GE =
    "Als netem-Zeile lassen sich nur Parametersätze des BSC- und des Gilbert-Elliott-Modells schreiben.";

}  // namespace zor
