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
void bitsZaehlen(Quelle& q, long n, Abstandshistogramm& h, Fortschritt& f) {
    const auto bits = static_cast<std::uint64_t>(n > 0 ? n : 0);
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
template <class Quelle>
void abstaendeInnerhalb(Quelle& q, long n, Abstandshistogramm& h) {
    long g = q.naechster().g;
    for (long long rest = n - static_cast<long long>(g); rest > 0; rest -= g) {
        h.zaehlen(g);
        g = q.naechster().g;
    }
}

// Gaps of a gap source over n bits, the gap that reaches or passes bit n included.
template <class Quelle>
void abstaendeBisUeber(Quelle& q, long n, Abstandshistogramm& h) {
    for (long long rest = n; rest > 0;) {
        const long g = q.naechster().g;
        h.zaehlen(g);
        rest -= g;
    }
}

}  // namespace zor
