#pragma once
// The error positions of a sequence, in one pass, for the burst and block counters:
// from a set's simulation (its generation procedure, N bits), from an FFO file or from a
// FAB file, each read only through its one reader. A consumer V has
// fehler(std::uint64_t pos) for every error in ascending order and ende(std::uint64_t
// bits) once at the end with the sequence's length.

#include "core/io/folgenleser.h"
#include "core/models/fehlerquellen.h"
#include "core/util/fortschritt.h"

#include <bit>
#include <cstring>
#include <span>
#include <tuple>

namespace zor {

// The errors among FFO characters ("0"/"1", as the reader hands them out) that begin at
// position `anfang`. 64 characters become one word of their low bits, so the work is
// one step per 8 characters plus one per error.
template <class V>
void ffoFehler(std::span<const unsigned char> zeichen, std::uint64_t anfang, V& v) {
    std::size_t i = 0;
    for (; i + 64 <= zeichen.size(); i += 64) {
        std::uint64_t wort = 0;
        for (unsigned j = 0; j < 8; ++j) {
            std::uint64_t acht;
            std::memcpy(&acht, zeichen.data() + i + 8 * j, 8);
            // The low bit of each of the eight bytes, byte k to bit k (little-endian load).
            wort |= (((acht & 0x0101010101010101ull) * 0x0102040810204080ull) >> 56) << (8 * j);
        }
        while (wort) {
            v.fehler(anfang + i + static_cast<unsigned>(std::countr_zero(wort)));
            wort &= wort - 1;
        }
    }
    for (; i < zeichen.size(); ++i)
        if (zeichen[i] & 1u) v.fehler(anfang + i);
}

// How reading a sequence ended: the reader's state, or cancelled by the user (then the
// consumer saw only a part and no ende()).
struct Lesung {
    Lesestand stand = Lesestand::Gut;
    bool abgebrochen = false;
};

// An FFO file through its reader; about 100 progress steps over its characters.
template <class V>
Lesung ffoFehlerLesen(FfoLeser& leser, V& v, Fortschritt& f) {
    Schritte schritte = Schritte::prozent(leser.zeichen());
    for (auto b = leser.naechster(); !b.empty(); b = leser.naechster()) {
        schritte.bis(leser.gelesen(), f);
        if (schritte.abgebrochen()) return {leser.stand(), true};
        ffoFehler(b, leser.gelesen() - b.size(), v);
    }
    if (leser.gut()) v.ende(leser.gelesen());
    return {leser.stand(), false};
}

// A FAB file through its reader: each gap ends in an error, the first one measured from
// before the first bit; the sequence ends with its last error.
template <class V>
Lesung fabFehlerLesen(FabLeser& leser, V& v, Fortschritt& f) {
    Schritte schritte(leser.eintraege() / 100, 0);
    std::uint64_t pos = 0;
    std::int32_t g;
    while (leser.naechster(g)) {
        schritte.bis(leser.gelesen(), f);
        if (schritte.abgebrochen()) return {leser.stand(), true};
        pos += static_cast<std::uint64_t>(g);
        v.fehler(pos - 1);
    }
    if (leser.gut()) v.ende(pos);
    return {leser.stand(), false};
}

// The N bits of a simulated set's generation procedure (as the simulated curves start it).
// Nothing for a set without one.
template <class V>
Lesung simulationFehler(const Satzparameter& p, V& v, Fortschritt& f) {
    bool weiter = true;
    mitBitQuelle(p, SwStart::Zustand, [&](auto& quelle) {
        Schritte schritte = Schritte::prozent(p.Durchlaeufe);
        weiter = schritte.ueber(0, p.Durchlaeufe, f, [&](std::uint64_t von, std::uint64_t bis) {
            for (std::uint64_t i = von; i < bis; ++i)
                if (quelle.bit()) v.fehler(i);
        });
        if (weiter) v.ende(p.Durchlaeufe);
    });
    return {Lesestand::Gut, !weiter};
}

// Several consumers fed in the same pass.
template <class... V>
struct Gemeinsam {
    std::tuple<V&...> ziele;
    void fehler(std::uint64_t pos) {
        std::apply([pos](auto&... z) { (z.fehler(pos), ...); }, ziele);
    }
    void ende(std::uint64_t bits) {
        std::apply([bits](auto&... z) { (z.ende(bits), ...); }, ziele);
    }
};
template <class... V>
Gemeinsam<V...> gemeinsam(V&... v) {
    return {std::tuple<V&...>(v...)};
}

}  // namespace zor
