#include "core/documents/ff_malen.h"

#include <algorithm>
#include <string_view>

namespace zor {
namespace {

constexpr Farbe KOPFFARBE = farbeAus(0, 150, 0);
constexpr Farbe GRAU_PAPIER = farbeAus(100, 100, 100);

// Text tops are counted in rows below the rectangle's top; the canvas anchors on the baseline.
int grundlinie(const LRechteck& r, const FFLayout& l, int zeile, int oberlaenge) {
    return r.oben - (zeile + 1) * l.h - oberlaenge;
}

void kopfUndMarken(Canvas& dc, const FFInhalt& inhalt, const LRechteck& r) {
    const FFLayout& l = inhalt.layout;
    const int a = dc.oberlaenge();
    dc.setzeTextfarbe(KOPFFARBE);
    dc.setzeTexthintergrund(std::nullopt);
    dc.setzeAusrichtung(Ausrichtung::Links);
    for (int s = 0; s < l.smax; ++s) {
        const char ziffer[2] = {static_cast<char>('0' + (s + 1) % 10), 0};
        dc.text({r.links + s * l.abstand, r.oben - a}, ziffer);
    }
    dc.setzeAusrichtung(Ausrichtung::Rechts);
    for (const auto& [zeile, marke] : inhalt.marken) dc.text({r.rechts, grundlinie(r, l, zeile, a)}, marke);
}

struct Bitfarbe {
    Farbe text;
    std::optional<Farbe> grund;
    friend bool operator==(const Bitfarbe&, const Bitfarbe&) = default;
};

Bitfarbe bitfarbe(Bitzustand z, Farbe satzfarbe, int drucken, const std::array<farben, 7>& farbe) {
    if (drucken) {
        switch (z) {
        case Bitzustand::Z2: return {GRAU_PAPIER, std::nullopt};
        case Bitzustand::Schlecht:
        case Bitzustand::Z3: return {SCHWARZ, std::nullopt};
        default: return {satzfarbe, std::nullopt};
        }
    }
    switch (z) {
    case Bitzustand::Gut: return {satzfarbe, farbeAus(farbe[2])};
    case Bitzustand::Schlecht:
    case Bitzustand::Z2: return {satzfarbe, farbeAus(farbe[3])};
    case Bitzustand::Z3: return {satzfarbe, farbeAus(farbe[6])};
    default: return {satzfarbe, std::nullopt};
    }
}

void blockMalen(Canvas& dc, const FFBlock& b, const FFInhalt& inhalt, const LRechteck& r, int drucken,
                const std::array<farben, 7>& farbe) {
    const FFLayout& l = inhalt.layout;
    const int a = dc.oberlaenge();
    const Farbe satzfarbe = farbeAus(farbe[static_cast<std::size_t>(b.satz)]);
    dc.setzeAusrichtung(Ausrichtung::Links);
    const std::size_t proZeile = static_cast<std::size_t>(l.smax);
    // Bits of one row in the same colours go out as one row of characters.
    for (std::size_t k = 0; k < b.bits.size();) {
        const int zeile = b.z0 + static_cast<int>(k / proZeile);
        const std::size_t zeilenende = std::min(b.bits.size(), (k / proZeile + 1) * proZeile);
        const Bitfarbe f = bitfarbe(b.zustaende[k], satzfarbe, drucken, farbe);
        std::size_t ende = k + 1;
        while (ende < zeilenende && bitfarbe(b.zustaende[ende], satzfarbe, drucken, farbe) == f) ++ende;
        dc.setzeTextfarbe(f.text);
        dc.setzeTexthintergrund(f.grund);
        const int spalte = static_cast<int>(k % proZeile);
        dc.zeichenreihe({r.links + spalte * l.abstand, grundlinie(r, l, zeile, a)},
                        std::string_view(b.bits).substr(k, ende - k), l.abstand);
        k = ende;
    }
}

void zeilentexte(Canvas& dc, const FFInhalt& inhalt, const LRechteck& r, const std::array<farben, 7>& farbe) {
    const int a = dc.oberlaenge();
    dc.setzeAusrichtung(Ausrichtung::Mitte);
    const Schrift schrift = dc.schrift();
    const long long breite = r.rechts - r.links;
    for (const FFZeilentext& t : inhalt.zeilentexte) {
        dc.setzeTextfarbe(t.farbsatz < 0 ? SCHWARZ : farbeAus(farbe[static_cast<std::size_t>(t.farbsatz)]));
        dc.setzeTexthintergrund(t.weisserGrund ? std::optional<Farbe>(WEISS) : std::nullopt);
        // A summary wider than a narrow window is set smaller rather than losing both ends.
        const int noetig = dc.textmass(t.text).breite;
        if (noetig > breite)
            dc.setzeSchrift({schrift.familie, std::max(1, static_cast<int>(schrift.hoehe * breite / noetig))});
        dc.text({r.rechts / 2, grundlinie(r, inhalt.layout, t.zeile, a)}, t.text);
        dc.setzeSchrift(schrift);
    }
}

}  // namespace

FFLayout FF_LayoutFuer(Canvas& dc, const ZorState& s, const LRechteck& rect) {
    const Textmass zelle = dc.textmass("0");
    return FF_Layout(s, rect.rechts - rect.links, rect.oben - rect.unten, zelle.breite, zelle.hoehe);
}

void FF_Malen(Canvas& dc, const FFInhalt& inhalt, const LRechteck& rect, int drucken,
              const std::array<farben, 7>& farbe) {
    if (inhalt.layout.zmax == 0) return;
    const auto vorher = dc.texthintergrund();
    kopfUndMarken(dc, inhalt, rect);
    for (const FFBlock& b : inhalt.bloecke) blockMalen(dc, b, inhalt, rect, drucken, farbe);
    zeilentexte(dc, inhalt, rect, farbe);
    dc.setzeTexthintergrund(vorher);
}

FFInhalt FF_Paint(Canvas& dc, const ZorState& s, const LRechteck& rect, int drucken) {
    FFInhalt inhalt = FF_Erzeugen(s, FF_LayoutFuer(dc, s, rect));
    FF_Malen(dc, inhalt, rect, drucken, s.farbe);
    return inhalt;
}

}  // namespace zor
