#include "core/documents/kurven_csv.h"

#include <algorithm>
#include <span>

#include "core/documents/kurvenband.h"
#include "core/models/kurven_ermitteln.h"
#include "core/util/format.h"

namespace zor {
namespace {

constexpr const char* KOPFZEILE = "k,Satz 1,Satz 2";
constexpr const char* BANDSPALTEN = ",Satz 1 unten,Satz 1 oben,Satz 2 unten,Satz 2 oben";

// The band's ends at point i, or two empty cells.
std::string bandzellen(const Kurvenband* b, std::span<const STRUCT_PUNKT> g, std::size_t i) {
    if (!b) return ",,";
    return "," + kurvenzahl(b->unten(i, g[i].y)) + "," + kurvenzahl(b->oben(i, g[i].y));
}

// One line per point; k from the first shown curve, as `zor` prints a curve's x. With
// the band option, each set's band ends follow, as `zor --band` prints them.
std::string csv(const ZorState& s, std::span<const STRUCT_PUNKT> g1, std::span<const STRUCT_PUNKT> g2, std::size_t n,
                bool band, const Kurvenband* b1, const Kurvenband* b2) {
    const bool a1 = s.Modell.M1 != 0, a2 = s.Modell.M2 != 0;
    std::string text = std::string(KOPFZEILE) + (band ? BANDSPALTEN : "") + "\n";
    if (!a1 && !a2) return text;
    for (std::size_t i = 0; i < n; ++i) {
        text += kurvenzahl(a1 ? g1[i].x : g2[i].x);
        text += ',';
        if (a1) text += kurvenzahl(g1[i].y);
        text += ',';
        if (a2) text += kurvenzahl(g2[i].y);
        if (band) text += bandzellen(b1, g1, i) + bandzellen(b2, g2, i);
        text += '\n';
    }
    return text;
}

}  // namespace

std::string FAV_Csv(ZorState& s) {
    const bool ab = s.Modell.AB == 1;
    if (ab) FAV_PunkteAbleiten(s);
    const auto n = static_cast<std::size_t>(std::clamp(s.FAV_defbereich, 0, FAV_PUNKTE));
    const auto kurve = [&](int satz) -> std::span<const STRUCT_PUNKT> {
        const auto v = satzSicht(s, satz);
        return ab ? v.ptFAVa : v.ptFAV;
    };
    return csv(s, kurve(0), kurve(1), n, s.FAV_band != 0, favBand(s, 0), favBand(s, 1));
}

std::string FKF_Csv(const ZorState& s) {
    const auto n = static_cast<std::size_t>(std::clamp(s.FKF_defbereich + 1, 0, FKF_PUNKTE));
    return csv(s, s.ptFKF1, s.ptFKF2, n, s.FKF_band != 0, fkfBand(s, 0), fkfBand(s, 1));
}

}  // namespace zor
