#pragma once
// An error sequence held as its gaps: one 32-bit gap per error (the correct bits before
// it plus one) and the correct bits after the last error. 10^8 bits with millions of
// errors thus take a few bytes per error, however long the sequence is.

#include <cstdint>
#include <vector>

namespace zor {

struct Abstandsfolge {
    std::vector<std::uint32_t> abstaende;
    std::uint64_t rest = 0;  // correct bits after the last error (none in a FAB)
    std::uint64_t bits = 0;  // the sequence's length: all gaps plus rest

    std::uint64_t fehler() const { return abstaende.size(); }
};

// The distinct gaps of a sequence with their counts, and for every error the index of its
// gap among them: the likelihoods work per distinct gap, not per error.
struct Abstandswerte {
    std::vector<std::uint32_t> werte;   // ascending
    std::vector<std::uint64_t> anzahl;  // occurrences of each value
    std::vector<std::uint32_t> index;   // per error, into werte

    std::size_t verschiedene() const { return werte.size(); }
};

// Errors per bit of the gaps (the correct bits after the last error not counted).
double fehlerrate(const Abstandswerte& w);

// With `mitIndex` false only values and counts (for the renewal models and the curves).
Abstandswerte abstandswerte(const Abstandsfolge& f, bool mitIndex = true);

}  // namespace zor
