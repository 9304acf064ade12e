#pragma once
// Bursts and blocks of one parameter set: what the document "Bündel und Blöcke" and
// `zor buendel` / `zor bloecke` show. The sequence is the set's simulation (N bits of its
// generation procedure) or its file; a theoretical set has no sequence, so its bursts
// stay empty and its blocks are only the exact ones. The set comes as a value and the
// results are values, so the work may run on any thread; file problems come back as
// messages, a cancelled job as `abgebrochen` without counted results.

#include "core/buendel/buendel.h"
#include "core/models/satzparameter.h"
#include "core/util/ergebnis.h"
#include "core/util/fortschritt.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zor {

inline constexpr const char* BUENDEL_MELDUNGSTITEL = "Bündel und Blöcke";
inline constexpr const char* BUENDEL_FORTSCHRITT = "Bündelstatistik";
inline constexpr const char* BLOCK_FORTSCHRITT = "Blockstatistik";
inline constexpr const char* TEXT_UNBEKANNTE_GROESSE = "Unbekannte Größe: %s (length, weight oder gap)";
inline constexpr const char* TEXT_KEINE_BLOCKSTATISTIK = "Für diesen Parametersatz gibt es keine Blockstatistik.";

struct BuendelOptionen {
    std::uint64_t schutz = 10;  // guard band g
    int punkte = 100;           // K: the distributions for k = 1..K
    int chargen = 20;           // parts of a simulation for the batch-means intervals
};

struct Buendelbericht {
    bool ok = true;
    std::vector<Meldung> meldungen;
    bool gezaehlt = false;   // a sequence was there and was counted
    bool simuliert = false;  // ... from a simulation (then with intervals)
    bool abgebrochen = false;
    Buendelstatistik statistik;
    std::uint32_t ms = 0;
};

Buendelbericht buendelErmitteln(const Satzparameter& p, const BuendelOptionen& o, Fortschritt& f);

struct BlockOptionen {
    std::uint64_t n = 63;        // block length
    int M = 10;                  // P(m, n) for m = 0..M (and > M)
    int t = 2;                   // errors a code corrects
    std::uint64_t tiefe = 1;     // interleaver depth d
    std::uint64_t nMax = 1023;   // the residual curve runs over n up to nMax
    int punkte = 50;             // ... at this many block lengths
};

// The block lengths of the residual curve: ceil(i * nMax / P), i = 1..P, without repeats.
std::vector<std::uint64_t> blocklaengen(std::uint64_t nMax, int punkte);

struct Blockkurven {
    std::vector<double> verteilung;  // P(m, n), m = 0..M, then P(> M, n)
    std::vector<double> rest;        // P(> t, n) at the block lengths
    std::uint64_t bloecke = 0;       // counted curves: whole blocks of length n
};

struct Blockbericht {
    bool ok = true;
    std::vector<Meldung> meldungen;
    std::vector<std::uint64_t> laengen;
    // Without interleaving, and with it (depth > 1 only); exact for a model, counted
    // for a simulated or file-fed set.
    std::optional<Blockkurven> exakt, exaktVerschachtelt, gezaehlt, gezaehltVerschachtelt;
    bool abgebrochen = false;
    std::uint32_t ms = 0;
};

Blockbericht bloeckeErmitteln(const Satzparameter& p, const BlockOptionen& o, Fortschritt& f);

}  // namespace zor
