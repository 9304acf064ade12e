#include "core/plot/textlage.h"

#include <algorithm>

namespace zor {

LRechteck textkasten(Canvas& dc, LPunkt anker, std::string_view text) {
    const Textmass m = dc.textmass(text);
    const int oberlaenge = dc.oberlaenge();
    int links = anker.x;
    if (dc.ausrichtung() == Ausrichtung::Mitte) links -= m.breite / 2;
    if (dc.ausrichtung() == Ausrichtung::Rechts) links -= m.breite;
    return {links, anker.y + oberlaenge, links + m.breite, anker.y + oberlaenge - m.hoehe};
}

bool ueberlappen(const LRechteck& a, const LRechteck& b) {
    return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
}

bool innerhalb(const LRechteck& k, const LRechteck& b) {
    return k.links >= b.links && k.rechts <= b.rechts && k.unten >= b.unten && k.oben <= b.oben;
}

namespace {

// The shift that brings [von, bis] into [min, max]; too long: von onto min.
int verschiebung(int von, int bis, int min, int max) {
    if (bis - von > max - min || von < min) return min - von;
    if (bis > max) return max - bis;
    return 0;
}

}  // namespace

LPunkt insFenster(Canvas& dc, LPunkt anker, std::string_view text, const LRechteck& bereich) {
    const LRechteck k = textkasten(dc, anker, text);
    const int dx = verschiebung(k.links, k.rechts, bereich.links, bereich.rechts);
    // y runs upwards: a text taller than the area keeps its top on the area's top.
    const int dy = -verschiebung(-k.oben, -k.unten, -bereich.oben, -bereich.unten);
    return {anker.x + dx, anker.y + dy};
}

bool Textbelegung::frei(const LRechteck& kasten) const {
    return std::none_of(belegt_.begin(), belegt_.end(), [&](const LRechteck& b) { return ueberlappen(b, kasten); });
}

}  // namespace zor
