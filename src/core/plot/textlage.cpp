#include "core/plot/textlage.h"

#include "core/plot/plotzahlen.h"

#include <algorithm>

namespace zor {

LRechteck textkasten(Canvas& dc, LPunkt anker, std::string_view text) {
    const Textmass m = dc.textmass(text);
    // Wide sums: a template may ask for absurd fonts and positions; the box then ends at
    // the plot's bound instead of wrapping round.
    const long long oberlaenge = dc.oberlaenge();
    long long links = anker.x;
    if (dc.ausrichtung() == Ausrichtung::Mitte) links -= m.breite / 2;
    if (dc.ausrichtung() == Ausrichtung::Rechts) links -= m.breite;
    return {kappen(static_cast<double>(links)), kappen(static_cast<double>(anker.y + oberlaenge)),
            kappen(static_cast<double>(links + m.breite)), kappen(static_cast<double>(anker.y + oberlaenge - m.hoehe))};
}

bool ueberlappen(const LRechteck& a, const LRechteck& b) {
    return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
}

bool innerhalb(const LRechteck& k, const LRechteck& b) {
    return k.links >= b.links && k.rechts <= b.rechts && k.unten >= b.unten && k.oben <= b.oben;
}

namespace {

// The shift that brings [von, bis] into [min, max]; too long: von onto min.
long long verschiebung(long long von, long long bis, long long min, long long max) {
    if (bis - von > max - min || von < min) return min - von;
    if (bis > max) return max - bis;
    return 0;
}

}  // namespace

LPunkt insFenster(Canvas& dc, LPunkt anker, std::string_view text, const LRechteck& bereich) {
    const LRechteck k = textkasten(dc, anker, text);
    const long long dx = verschiebung(k.links, k.rechts, bereich.links, bereich.rechts);
    // y runs upwards: a text taller than the area keeps its top on the area's top.
    const long long dy = -verschiebung(-static_cast<long long>(k.oben), -static_cast<long long>(k.unten),
                                       -static_cast<long long>(bereich.oben), -static_cast<long long>(bereich.unten));
    return {kappen(static_cast<double>(anker.x + dx)), kappen(static_cast<double>(anker.y + dy))};
}

bool Textbelegung::frei(const LRechteck& kasten) const {
    return std::none_of(belegt_.begin(), belegt_.end(), [&](const LRechteck& b) { return ueberlappen(b, kasten); });
}

}  // namespace zor
