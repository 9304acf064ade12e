#include "core/anpassung/abstandsfolge.h"

#include <algorithm>

namespace zor {

namespace {

// Gaps below this are counted in a table; the few longer ones are sorted.
constexpr std::uint32_t DICHT = 1u << 16;

}  // namespace

Abstandswerte abstandswerte(const Abstandsfolge& f, bool mitIndex) {
    std::vector<std::uint64_t> dicht(DICHT, 0);
    std::vector<std::uint32_t> lang;
    for (const std::uint32_t g : f.abstaende) {
        if (g < DICHT)
            ++dicht[g];
        else
            lang.push_back(g);
    }
    std::sort(lang.begin(), lang.end());

    Abstandswerte w;
    std::vector<std::uint32_t> platz(DICHT, 0);
    for (std::uint32_t g = 0; g < DICHT; ++g) {
        if (dicht[g] == 0) continue;
        platz[g] = static_cast<std::uint32_t>(w.werte.size());
        w.werte.push_back(g);
        w.anzahl.push_back(dicht[g]);
    }
    const auto ersteLange = w.werte.size();
    for (std::size_t i = 0; i < lang.size(); ++i) {
        if (i > 0 && lang[i] == lang[i - 1]) {
            ++w.anzahl.back();
            continue;
        }
        w.werte.push_back(lang[i]);
        w.anzahl.push_back(1);
    }
    if (!mitIndex) return w;

    w.index.resize(f.abstaende.size());
    const auto langAnfang = w.werte.begin() + static_cast<std::ptrdiff_t>(ersteLange);
    for (std::size_t i = 0; i < f.abstaende.size(); ++i) {
        const std::uint32_t g = f.abstaende[i];
        w.index[i] = g < DICHT ? platz[g]
                               : static_cast<std::uint32_t>(std::lower_bound(langAnfang, w.werte.end(), g) -
                                                            w.werte.begin());
    }
    return w;
}

double fehlerrate(const Abstandswerte& w) {
    double fehler = 0, bits = 0;
    for (std::size_t i = 0; i < w.werte.size(); ++i) {
        fehler += static_cast<double>(w.anzahl[i]);
        bits += static_cast<double>(w.anzahl[i]) * w.werte[i];
    }
    return fehler / std::max(bits, 1.0);
}

}  // namespace zor
