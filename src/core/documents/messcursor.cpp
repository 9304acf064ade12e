#include "core/documents/messcursor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/documents/kurvenband.h"
#include "core/models/konfidenz.h"
#include "core/plot/plotzahlen.h"
#include "core/plot/textlage.h"
#include "core/util/format.h"

namespace zor {
namespace {

constexpr Farbe DUNKELBLAU{0, 0, 150}, DUNKELROT{150, 0, 0};
// Half the width of the strip a window repaints around the line: wide enough for the
// thinnest device line and its antialiasing at any window size.
constexpr int STREIFEN = 120;

// One piece of the readout: its anchor (left or right end, text bottom), text and colour.
struct Eintrag {
    LPunkt anker;
    Ausrichtung ausrichtung;
    std::string text;
    Farbe farbe;
};

std::string wert(double v) { return format("%.5g", v); }

// Ordinates hold floats widened to double, so narrowing back is exact.
std::string wert(double v, std::optional<float> halb) {
    return halb ? mitHalbbreite(static_cast<float>(v), *halb) : wert(v);
}

// Where the readout stands. Wide windows: "Abszisse:" with its value upper left, the
// ordinate values in a column upper right. Text keeps a minimum size on screen, so in
// narrow windows that row would run into the document's title: then all rows stand in
// one column at the right edge, below the title lines. In a window too short for the
// rows everything stands on one line at the top of the plot area, below the heading.
struct Lage {
    LPunkt etikett[3];  // right ends and bottoms of "Abszisse:", "Ordinate:", "Differenz:"
    LPunkt wert[4];     // left ends and bottoms: abscissa, first and second shown set, difference
};

constexpr int LUECKE = 300, RAND = 100;
constexpr std::string_view CURSOR_FEHLT = "–";  // a shown set without a point at the abscissa
// The widest value "%.5g" gives (with a band's half-width when bands are shown), and the
// wider of the curve documents' titles with the size and place their templates give them.
constexpr std::string_view WERT_MUSTER = "-0.0000e-00", BAND_MUSTER = "-0.0000e-00 ± 0.0e-00";
constexpr std::string_view TITEL_MUSTER = "Fehlerkorrelationsfunktion";
constexpr int TITEL_LINKS = -9600, TITEL_Y = 8000, TITEL_HOEHE = 962, UNTERTITEL_Y = 7050, UNTERTITEL_HOEHE = 703;
// The plot area's top and right edge, the window's top.
constexpr int FLAECHE_OBEN = 5500, FLAECHE_RECHTS = 9500, FENSTER_OBEN = 10000;

int breite(Canvas& dc, std::string_view t) { return dc.textmass(t).breite; }

// A heading line's box as the template's text rule places it, in the current font.
LRechteck kopfzeile(Canvas& dc, int y) {
    return textkasten(dc, {TITEL_LINKS, kappen(y - 0.4 * dc.oberlaenge())}, TITEL_MUSTER);
}

// Labels right-aligned at x, values LUECKE right of them, one row below the other.
Lage spalten(int abszisseX, int ordinateX, const int (&zeilen)[4]) {
    const int w = ordinateX + LUECKE;
    return {{{abszisseX, zeilen[0]}, {ordinateX, zeilen[1]}, {ordinateX, zeilen[3]}},
            {{abszisseX + LUECKE, zeilen[0]}, {w, zeilen[1]}, {w, zeilen[2]}, {w, zeilen[3]}}};
}

// Label, value, label, two values, label, value, right-aligned to the plot area's edge.
Lage eineZeile(Canvas& dc, int wert, int unten) {
    const int a = breite(dc, "Abszisse:"), o = breite(dc, "Ordinate:"), d = breite(dc, "Differenz:");
    const int gruppe = 2 * LUECKE;
    int x = FLAECHE_RECHTS - RAND - (a + o + d + 4 * wert + 4 * LUECKE + 2 * gruppe);
    Lage l{};
    const auto setzen = [&](LPunkt& p, int vorher, int breite) {
        x += vorher;
        p = {x, unten};
        x += breite;
    };
    setzen(l.etikett[0], a, 0);
    setzen(l.wert[0], LUECKE, wert);
    setzen(l.etikett[1], gruppe + o, 0);
    setzen(l.wert[1], LUECKE, wert);
    setzen(l.wert[2], LUECKE, wert);
    setzen(l.etikett[2], gruppe + d, 0);
    setzen(l.wert[3], LUECKE, wert);
    return l;
}

Lage lage(Canvas& dc, bool baender = false) {
    const Schrift schrift = dc.schrift();
    const int wert = breite(dc, WERT_MUSTER);
    const int hoehe = dc.textmass("0").hoehe;
    const int zeile = std::max(1200, hoehe * 5 / 4);
    const int ordinate = breite(dc, "Ordinate:");
    dc.setzeSchrift({Schriftfamilie::Swiss, TITEL_HOEHE});
    const int titelRechts = TITEL_LINKS + breite(dc, TITEL_MUSTER);
    const LRechteck titel = kopfzeile(dc, TITEL_Y);
    dc.setzeSchrift({Schriftfamilie::Swiss, UNTERTITEL_HOEHE});
    const int untertitelUnten = UNTERTITEL_Y + dc.oberlaenge() * 3 / 5 - dc.textmass("0").hoehe;
    // Then the heading continues on the title's line, where the rows would stand.
    const bool kopfEinzeilig = ueberlappen(titel, kopfzeile(dc, UNTERTITEL_Y));
    dc.setzeSchrift(schrift);

    constexpr int OBEN = 8500;
    if (kopfEinzeilig || OBEN + hoehe > FENSTER_OBEN - RAND)
        return eineZeile(dc, baender ? breite(dc, BAND_MUSTER) : wert, FLAECHE_OBEN - RAND - hoehe);
    const int abszisseX = std::max(-6000, -10000 + RAND + breite(dc, "Abszisse:"));
    const int ordinateX = std::min(4500, 10000 - RAND - LUECKE - wert);
    const int frei = std::max(abszisseX + LUECKE + wert, titelRechts) + LUECKE;
    if (ordinateX - ordinate >= frei) {
        const int zeilen[4] = {OBEN, OBEN, OBEN - zeile, OBEN - 2 * zeile};
        return spalten(abszisseX, ordinateX, zeilen);
    }
    int zeilen[4];
    for (int i = 0; i < 4; ++i) zeilen[i] = untertitelUnten - LUECKE - (i + 1) * zeile;
    return spalten(ordinateX, ordinateX, zeilen);
}

// In a free-scale diagram the readout stands in one column in the plot area's upper or
// lower right corner; low, it clears the x axis's name. The left corners would do no
// better: the ordinate's name and the start of most curves are there.
constexpr int ACHSENNAME = 1600;
Lage eckLage(Canvas& dc, const LRechteck& flaeche, bool unten) {
    const int zeile = std::max(1200, dc.textmass("0").hoehe * 5 / 4);
    const int x = flaeche.rechts - RAND - LUECKE - breite(dc, WERT_MUSTER);
    int zeilen[4];
    for (int i = 0; i < 4; ++i)
        zeilen[i] = unten ? flaeche.unten + ACHSENNAME + (3 - i) * zeile : flaeche.oben - RAND - (i + 1) * zeile;
    return spalten(x, x, zeilen);
}

std::vector<Eintrag> beschriftungen(const Lage& l, bool beide) {
    std::vector<Eintrag> e{{l.etikett[0], Ausrichtung::Rechts, "Abszisse:", SCHWARZ},
                           {l.etikett[1], Ausrichtung::Rechts, "Ordinate:", SCHWARZ}};
    if (beide) e.push_back({l.etikett[2], Ausrichtung::Rechts, "Differenz:", SCHWARZ});
    return e;
}

std::vector<Eintrag> werte(const Lage& l, const Ablesung& a) {
    std::vector<Eintrag> e;
    if (!a.gezeigt[0] && !a.gezeigt[1]) return e;
    e.push_back({l.wert[0], Ausrichtung::Links, wert(a.x), SCHWARZ});
    constexpr Farbe FARBEN[2] = {DUNKELBLAU, DUNKELROT};
    std::size_t platz = 1;
    for (std::size_t i = 0; i < 2; ++i)
        if (a.gezeigt[i])
            e.push_back({l.wert[platz++], Ausrichtung::Links,
                         a.y[i] ? wert(*a.y[i], a.halb[i]) : std::string(CURSOR_FEHLT), FARBEN[i]});
    if (a.gezeigt[0] && a.gezeigt[1])
        e.push_back({l.wert[3], Ausrichtung::Links,
                     a.y[0] && a.y[1] ? wert(*a.y[0] - *a.y[1]) : std::string(CURSOR_FEHLT), SCHWARZ});
    return e;
}

// The readout of the curve documents' points; a flag off shows no row for its set.
Ablesung punktAblesung(int G1, int G2, const STRUCT_PUNKT& p1, const STRUCT_PUNKT& p2, std::optional<float> h1,
                       std::optional<float> h2) {
    Ablesung a;
    a.x = G1 ? p1.x : p2.x;
    a.gezeigt = {G1 != 0, G2 != 0};
    if (G1) a.y[0] = p1.y;
    if (G2) a.y[1] = p2.y;
    a.halb = {h1, h2};
    return a;
}

// The readout anchors texts at their bottom; the canvas anchors at the baseline, which
// lies the font's descent above the bottom.
int grundlinie(Canvas& dc, const std::string& text, int unten) {
    return unten + dc.textmass(text).hoehe - dc.oberlaenge();
}

void schreiben(Canvas& dc, const std::vector<Eintrag>& eintraege) {
    const Farbe farbeVorher = dc.textfarbe();
    const Ausrichtung ausrichtungVorher = dc.ausrichtung();
    for (const Eintrag& e : eintraege) {
        dc.setzeTextfarbe(e.farbe);
        dc.setzeAusrichtung(e.ausrichtung);
        dc.text({e.anker.x, grundlinie(dc, e.text, e.anker.y)}, e.text);
    }
    dc.setzeTextfarbe(farbeVorher);
    dc.setzeAusrichtung(ausrichtungVorher);
}

void schriftHoehe(Canvas& dc, int hoehe) { dc.setzeSchrift({Schriftfamilie::Swiss, hoehe}); }

bool gueltig(std::span<const STRUCT_PUNKT> kurve, int pos) {
    return pos >= 0 && static_cast<std::size_t>(pos) < kurve.size();
}

// The values at pos; a curve too short for pos counts as not shown.
std::vector<Eintrag> werteBei(Canvas& dc, const CursorKurven& k, int pos) {
    const int G1 = k.G1 && gueltig(k.g1, pos), G2 = k.G2 && gueltig(k.g2, pos);
    const auto u = static_cast<std::size_t>(std::max(pos, 0));
    return werte(lage(dc, k.b1 || k.b2),
                 punktAblesung(G1, G2, G1 ? k.g1[u] : STRUCT_PUNKT{}, G2 ? k.g2[u] : STRUCT_PUNKT{},
                               halbbreiteBei(k.b1, pos), halbbreiteBei(k.b2, pos)));
}

int linienX(const CursorGeometrie& g, int xpos) {
    return kappen(static_cast<double>(xpos) * g.schrittweite + g.xlinks);
}

// The curve whose values count with one curve shown; both flags or none: nothing.
std::span<const STRUCT_PUNKT> einzige(const CursorKurven& k) {
    if (k.G1 && !k.G2) return k.g1;
    if (k.G2 && !k.G1) return k.g2;
    return {};
}

template <class Besser>
int suchen(int von, int bis, double start, int xpos, Besser besser, auto wertBei) {
    double bestes = start;
    int pos = xpos;
    for (int i = von; i < bis; ++i) {
        const double v = wertBei(i);
        if (besser(v, bestes)) {
            bestes = v;
            pos = i;
        }
    }
    return pos;
}

}  // namespace

CursorGeometrie favCursorGeometrie(const ZorState& s) {
    return {static_cast<float>(s.FAV_xnorm - 7500), -8000.0f, 5500.0f, s.FAV_xnorm};
}

// The line stands on the lag it reads, as on paper and as the curve places its points
// (a step of FKF_xnorm + 1 drifted up to D units right of the point).
CursorGeometrie fkfCursorGeometrie(const ZorState& s) { return {-7500.0f, -8000.0f, 5500.0f, s.FKF_xnorm}; }

CursorKurven favCursorKurven(const ZorState& s, Gezeichnet g) {
    const auto d = static_cast<std::size_t>(std::clamp(s.FAV_defbereich, 0, FAV_PUNKTE));
    const auto kurve = [&](int satz) {
        const auto v = satzSicht(s, satz);
        return std::span<const STRUCT_PUNKT>(s.Modell.AB == 1 ? v.ptFAVa : v.ptFAV).first(d);
    };
    return {kurve(0), kurve(1), g.Graph1, g.Graph2, favBand(s, 0), favBand(s, 1)};
}

CursorKurven fkfCursorKurven(const ZorState& s, Gezeichnet g) {
    const auto n = static_cast<std::size_t>(std::clamp(s.FKF_defbereich + 1, 0, FKF_PUNKTE));
    return {std::span<const STRUCT_PUNKT>(s.ptFKF1).first(n),
            std::span<const STRUCT_PUNKT>(s.ptFKF2).first(n),
            g.Graph1,
            g.Graph2,
            fkfBand(s, 0),
            fkfBand(s, 1)};
}

std::optional<float> halbbreiteBei(const Kurvenband* b, int pos) {
    if (!b || pos < 0 || pos >= BAND_PUNKTE) return std::nullopt;
    return b->halb[static_cast<std::size_t>(pos)];
}

int Cursor_Unterkante(Canvas& dc) {
    const Schrift vorher = dc.schrift();
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
    const Lage l = lage(dc);
    int unten = l.wert[0].y;
    for (const LPunkt& p : l.wert) unten = std::min(unten, p.y);
    dc.setzeSchrift(vorher);
    return unten;
}

void Cursor_Beschriftung(Canvas& dc, const CursorKurven& k) {
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
    schreiben(dc, beschriftungen(lage(dc, k.b1 || k.b2), k.G1 && k.G2));
}

void Markierung(Canvas& dc, const CursorGeometrie& g, const CursorKurven& k, int xpos) {
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
    const int x = linienX(g, xpos);
    dc.invertierteLinie({x, kappen(g.yunten)}, {x, kappen(g.yoben)});
    schreiben(dc, werteBei(dc, k, xpos));
}

std::vector<LRechteck> Markierung_Bereiche(Canvas& dc, const CursorGeometrie& g, const CursorKurven& k, int xpos) {
    const Schrift vorher = dc.schrift();
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
    const int x = linienX(g, xpos);
    std::vector<LRechteck> r{{x - STREIFEN, kappen(g.yoben) + STREIFEN, x + STREIFEN, kappen(g.yunten) - STREIFEN}};
    for (const Eintrag& e : werteBei(dc, k, xpos)) {
        const Textmass m = dc.textmass(e.text);
        const int links = e.ausrichtung == Ausrichtung::Links ? e.anker.x : e.anker.x - m.breite;
        r.push_back(
            {links - STREIFEN, e.anker.y + m.hoehe + STREIFEN, links + m.breite + STREIFEN, e.anker.y - STREIFEN});
    }
    dc.setzeSchrift(vorher);
    return r;
}

void Cursor_drucken(Canvas& dc, float xpos, float yunten, float yoben, int G1, int G2, const STRUCT_PUNKT& p1,
                    const STRUCT_PUNKT& p2, std::optional<float> h1, std::optional<float> h2) {
    schriftHoehe(dc, CURSOR_SCHRIFTHOEHE_DRUCK);
    const Lage l = lage(dc);
    schreiben(dc, beschriftungen(l, G1 && G2));
    const int x = kappen(xpos);
    dc.invertierteLinie({x, kappen(yunten)}, {x, kappen(yoben)});
    schreiben(dc, werte(l, punktAblesung(G1, G2, p1, p2, h1, h2)));
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
}

void Ablesung_malen(Canvas& dc, const Ablesung& a, int x, const LRechteck& flaeche, bool unten, int drucken) {
    schriftHoehe(dc, drucken == 1 ? CURSOR_SCHRIFTHOEHE_DRUCK : KURVEN_SCHRIFTHOEHE);
    const Lage l = eckLage(dc, flaeche, unten);
    schreiben(dc, beschriftungen(l, a.gezeigt[0] && a.gezeigt[1]));
    dc.invertierteLinie({x, flaeche.unten}, {x, flaeche.oben});
    schreiben(dc, werte(l, a));
    schriftHoehe(dc, KURVEN_SCHRIFTHOEHE);
}

int cursorTaste(Cursortaste t, int xpos, int d, int rechtsBis, const CursorKurven& k) {
    const bool beide = k.G1 && k.G2;
    const std::span<const STRUCT_PUNKT> eine = einzige(k);
    // Extremes never look past a curve's end.
    const int n = beide
                      ? static_cast<int>(std::min({static_cast<std::size_t>(std::max(d, 0)), k.g1.size(), k.g2.size()}))
                      : std::min(std::max(d, 0), static_cast<int>(eine.size()));
    const auto differenz = [&](int i) {
        const auto u = static_cast<std::size_t>(i);
        return std::fabs(static_cast<double>(k.g1[u].y) - k.g2[u].y);
    };
    const auto einzeln = [&](int i) { return static_cast<double>(eine[static_cast<std::size_t>(i)].y); };
    const auto groesser = [](double v, double b) { return v >= b; };  // later wins a tie
    const auto kleiner = [](double v, double b) { return v <= b; };
    switch (t) {
    case Cursortaste::BildAuf:
        if (beide) return suchen(0, n, 0.0, xpos, groesser, differenz);
        return suchen(std::max(xpos, 0), n, 0.0, xpos, groesser, einzeln);
    case Cursortaste::BildAb:
        if (beide) return suchen(0, n, 1e30, xpos, kleiner, differenz);
        return suchen(std::max(xpos, 0), n, 1.0, xpos, kleiner, einzeln);
    case Cursortaste::Ende: return std::max(d - 1, 0);
    case Cursortaste::Pos1: return 0;
    case Cursortaste::Links: return xpos > 0 ? xpos - 1 : xpos;
    case Cursortaste::Rechts: return xpos < rechtsBis ? xpos + 1 : xpos;
    }
    return xpos;
}

std::optional<int> favMausPosition(double x, const ZorState& s) {
    const int xn = s.FAV_xnorm, d = s.FAV_defbereich;
    const double links = xn - 7500.0;
    if (xn <= 0 || d <= 0 || !(links < x && x < static_cast<double>(xn) * d + links)) return std::nullopt;
    const int pos = static_cast<int>(std::floor((x - links) / xn));
    return std::clamp(pos, 0, d - 1);
}

std::optional<int> fkfMausPosition(double x, const ZorState& s) {
    const int xn = s.FKF_xnorm, D = s.FKF_defbereich;
    if (xn <= 0 || D < 0 || !(-7500.0 < x && x < static_cast<double>(xn + 1) * D - 7500.0)) return std::nullopt;
    // The bound is one unit per lag wider than the curve, so the far edge would name a
    // lag past D; such a point selects D.
    const int pos = static_cast<int>(std::floor((x + 7500.0) / xn));
    return std::clamp(pos, 0, D);
}

}  // namespace zor
