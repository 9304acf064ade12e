#pragma once
// The pictures of the document "Bündel und Blöcke" on a canvas, and their curves as CSV:
// - bursts: the distribution of burst length, weight or the gap between bursts, as
//   P(X >= k) or p(X = k), for both sets, with each set's mean and batch-means interval;
// - blocks: P(m, n) over m, or the residual block error probability P(> t) over n;
//   exact curves as lines, counted ones as crosses; with interleaving the de-interleaved
//   twins dotted resp. in the lighter set colour.
// Colours come from the state's table: set 1 blue, set 2 red (on paper the brighter pair).

#include "core/buendel/auswertung.h"
#include "core/models/zor_state.h"
#include "core/plot/canvas.h"

#include <array>
#include <optional>
#include <string>

namespace zor {

struct BuendelAnsicht {
    Groesse groesse = Groesse::Laenge;
    bool punktwahrscheinlichkeit = false;  // p(X = k) instead of P(X >= k)
    bool xLog = false, yLog = true;
};

enum class Blockdiagramm { Verteilung, Restfehler };
struct BlockAnsicht {
    Blockdiagramm diagramm = Blockdiagramm::Verteilung;
    bool yLog = true;
};

// The results of set 1 and set 2; nothing for an inactive set.
using Buendelsaetze = std::array<std::optional<Buendelbericht>, 2>;
using Blocksaetze = std::array<std::optional<Blockbericht>, 2>;

void BUENDEL_Paint(Canvas& dc, const ZorState& s, const BuendelOptionen& o, const BuendelAnsicht& a,
                   const Buendelsaetze& d, int drucken);
void BLOECKE_Paint(Canvas& dc, const ZorState& s, const BlockOptionen& o, const BlockAnsicht& a, const Blocksaetze& d,
                   int drucken);

// The diagram and each set's curve that the measurement cursor reads (diagrammcursor.h;
// declared only, so that the free scales' names stay out of every includer).
struct Cursorbild;
Cursorbild BUENDEL_Cursorbild(const BuendelOptionen& o, const BuendelAnsicht& a, const Buendelsaetze& d);
Cursorbild BLOECKE_Cursorbild(const BlockOptionen& o, const BlockAnsicht& a, const Blocksaetze& d);

// A heading line, then one line per k (m, n) with a column per shown curve; a missing
// value is an empty field. Numbers as `zor` prints them.
std::string BUENDEL_Csv(const BuendelAnsicht& a, const Buendelsaetze& d);
std::string BLOECKE_Csv(const BlockAnsicht& a, const Blocksaetze& d);

}  // namespace zor
