#pragma once
// Gap counting shared by the error-gap distribution and the renewal estimate of the
// error-correlation function. Counts are integers: a float counter stops at 2^24.

#include "core/models/zor_state.h"
#include "core/util/fortschritt.h"

#include <array>
#include <cstdint>

namespace zor {

struct Abstandshistogramm {
    // anzahl[j - 1] counts the gaps of length j for j = 1..grenze.
    explicit Abstandshistogramm(int grenze_) : grenze(grenze_) {}

    void zaehlen(long long g) {
        if (g <= grenze)
            ++anzahl[static_cast<std::size_t>(g - 1)];
        else
            ++ueberlauf;
        ++summe;
    }

    int grenze;
    std::array<std::int64_t, FKF_PUNKTE> anzahl{};
    long long summe = 0;      // gaps counted
    long long ueberlauf = 0;  // gaps longer than grenze
};

// Exactly n bits of a bit source; a gap counter starts at 1, grows per correct bit and
// restarts after each error. Correct bits after the last error are not counted.
template <class Quelle>
void bitsZaehlen(Quelle& q, std::uint64_t bits, Abstandshistogramm& h, Fortschritt& f) {
    long long c = 1;
    Schritte::prozent(bits).ueber(0, bits, f, [&](std::uint64_t a, std::uint64_t b) {
        for (std::uint64_t i = a; i < b; ++i) {
            if (q.bit()) {
                h.zaehlen(c);
                c = 1;
            } else {
                ++c;
            }
        }
    });
}

// Gaps of a gap source over n bits; the gap that reaches or passes bit n is not counted.
// A cancelled job stops early.
template <class Quelle>
void abstaendeInnerhalb(Quelle& q, std::uint64_t n, Abstandshistogramm& h, const Fortschritt& f) {
    Abbruchfrage abbruch(f);
    // rest: bits from the last counted error to bit n; unsigned, so no count overflows.
    auto g = static_cast<std::uint64_t>(q.naechster().g);
    for (std::uint64_t rest = n; g < rest && !abbruch.jetzt(); g = static_cast<std::uint64_t>(q.naechster().g)) {
        h.zaehlen(static_cast<long long>(g));
        rest -= g;
    }
}

// Gaps of a gap source over n bits, the gap that reaches or passes bit n included.
template <class Quelle>
void abstaendeBisUeber(Quelle& q, std::uint64_t n, Abstandshistogramm& h, const Fortschritt& f) {
    Abbruchfrage abbruch(f);
    for (std::uint64_t rest = n; rest > 0 && !abbruch.jetzt();) {
        const auto g = static_cast<std::uint64_t>(q.naechster().g);
        h.zaehlen(static_cast<long long>(g));
        rest -= g < rest ? g : rest;
    }
}

}  // namespace zor
