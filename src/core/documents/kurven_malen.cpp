#include "core/documents/kurven_malen.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "core/documents/kurvenband.h"
#include "core/documents/messcursor.h"
#include "core/models/konfidenz.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/achse.h"
#include "core/plot/graphpaint.h"
#include "core/plot/plotzahlen.h"
#include "core/plot/textlage.h"
#include "core/util/format.h"

namespace zor {
namespace {

constexpr int X0 = -7500, Y0 = -8000, XENDE = 9500, YENDE = 5500, GROESSE = 230;
constexpr Farbe DK_GRUEN{0, 150, 0};
constexpr int DK_SCHRIFTHOEHE = 925;
// Curves may leave the plot area sideways only as far as the window could ever show.
const LRechteck KURVENBEREICH{-20000, YENDE, 20000, Y0};

// The axis cross of both documents with the given scales.
Achsendaten achsen(int xskala, char a, int yskala, char b, float xwert, float ywert) {
    return {X0, Y0, XENDE, YENDE, X0, Y0, GROESSE, xskala, a, yskala, b, xwert, ywert};
}

float ersteDekade(float wertneg) { return std::log10(wertneg) + 1; }

// Selectors of the curve colours: the model ids on screen, blue and red on paper.
short auswahl(const ZorState& s, int satz, int drucken) {
    constexpr short PAPIER[2] = {12, 13};
    if (drucken == 1) return PAPIER[satz];
    return modellVon(s, satz);
}

bool hat(std::span<const STRUCT_PUNKT> kurve, int pos) {
    return pos >= 0 && static_cast<std::size_t>(pos) < kurve.size();
}

// A position past a curve's end (the point count shrank) prints no value for it.
void gedruckterCursor(Canvas& dc, const CursorKurven& k, float x, int pos) {
    const bool g1 = k.G1 && hat(k.g1, pos), g2 = k.G2 && hat(k.g2, pos);
    const auto u = static_cast<std::size_t>(std::max(pos, 0));
    Cursor_drucken(dc, x, Y0, YENDE, g1, g2, g1 ? k.g1[u] : STRUCT_PUNKT{}, g2 ? k.g2[u] : STRUCT_PUNKT{},
                   g1 ? halbbreiteBei(k.b1, pos) : std::nullopt, g2 ? halbbreiteBei(k.b2, pos) : std::nullopt);
}

// Where the FAV curves' points lie in the four axis modes.
Kurvenlage favLage(const ZorState& s) {
    const bool linX = s.FAV_abszisse != 0, linY = s.FAV.ordinate != 0;
    const int xn = s.FAV_xnorm;
    if (linY) return {!linX, false, linX ? xn + X0 : X0, linX ? xn : 8000, 0, 0, 12500, Y0};
    return {!linX, true, linX ? xn + X0 : X0, linX ? xn : 8000, s.FAV_wertneg, s.FAV_wertpos, s.FAV_ynorm_log, Y0};
}

Kurvenlage fkfLage(const ZorState& s) {
    if (s.FKF.ordinate != 0) return {false, false, X0, s.FKF_xnorm, 0, 0, 12500, Y0};
    return {false, true, X0, s.FKF_xnorm, s.FKF_wertneg, s.FKF_wertpos, s.FKF_ynorm_log, Y0};
}

std::array<Farbe, 2> satzfarben(const ZorState& s, int drucken) {
    return {kurvenfarbe(s.farbe, auswahl(s, 0, drucken)), kurvenfarbe(s.farbe, auswahl(s, 1, drucken))};
}

// The bands of the active sets, light, behind grid and curves.
template <class Band, class Kurve>
void baenderMalen(Canvas& dc, const ZorState& s, const Kurvenlage& lage, int n, int drucken, Band band, Kurve kurve) {
    const auto farben = satzfarben(s, drucken);
    dc.beschneiden(KURVENBEREICH);
    for (int satz = 0; satz < 2; ++satz)
        if (const Kurvenband* b = band(s, satz))
            BandMalen(dc, kurve(satz), *b, lage, n, bandfarbe(farben[static_cast<std::size_t>(satz)]));
    dc.beschneiden(std::nullopt);
}

std::span<const STRUCT_PUNKT> favKurve(const ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    if (s.Modell.AB == 1) return v.ptFAVa;
    return v.ptFAV;
}

std::span<const STRUCT_PUNKT> fkfKurve(const ZorState& s, int satz) { return satzSicht(s, satz).ptFKF; }

// The band hints of a diagram and where they stand; the legend keeps clear of them.
struct Hinweisblock {
    std::vector<Bandhinweis> hinweise;
    int ersteZeile;
    bool vonUnten;
};

Hinweisblock hinweisblock(const ZorState& s, bool fav, int drucken) {
    if (fav)
        return {bandhinweise(s, true, favKurve(s, 0), favKurve(s, 1), static_cast<std::size_t>(s.FAV_defbereich),
                             bandPruefpunkt(s.Modell.AB == 1), satzfarben(s, drucken)),
                s.FAV.ordinate != 0 ? HINWEISE_OBEN : HINWEISE_UNTEN, s.FAV.ordinate == 0};
    const bool linY = s.FKF.ordinate != 0;
    return {bandhinweise(s, false, fkfKurve(s, 0), fkfKurve(s, 1), static_cast<std::size_t>(s.FKF_defbereich) + 1,
                         bandPruefpunkt(false), satzfarben(s, drucken)),
            linY ? HINWEISE_UNTER_DK : HINWEISE_UNTEN, !linY};
}

// The sets that paint draws: those with a model.
Gezeichnet aktiveSaetze(const ZorState& s) { return {s.Modell.M1 != 0 ? 1 : 0, s.Modell.M2 != 0 ? 1 : 0}; }

// The axis labels of the four FAV axis modes.
Achsendaten favBeschriftung(const ZorState& s, int t) {
    const bool linX = s.FAV_abszisse != 0, linY = s.FAV.ordinate != 0;
    const int xskala = linX ? t * s.FAV_xnorm : 8000;
    const char a = linX ? 'n' : 'l';
    const float xwert = linX ? static_cast<float>(t) : 1.0f;
    if (linY) return achsen(xskala, a, 2500, 'n', xwert, 0.2f);
    return achsen(xskala, a, s.FAV_ynorm_log, 'l', xwert, ersteDekade(s.FAV_wertneg));
}

// Where the label "D k = ..." starts: right of its marker line, or ending at the window's
// right edge where it would leave the window (moving it left of the line would put it
// over the ordinate's labels); never past the window's left edge, and clear of the
// ordinate's arrow when the line stands on the axis (a duration of 0).
// The gap to the line grows with the letters: in a narrow window a logical unit is only a
// sliver of a pixel wide.
double dkAnfang(double X, int breite, int breiteD) {
    const double rechtsbuendig = DIAGRAMMFENSTER.rechts - 100.0 - breite;
    const double rechtsDerLinie = std::max(X, static_cast<double>(X0 + GROESSE)) + std::max(100, breiteD / 4);
    return std::max(std::min(rechtsDerLinie, rechtsbuendig), static_cast<double>(DIAGRAMMFENSTER.links));
}

void dkMalen(Canvas& dc, const ZorState& s, const Stift& gruen) {
    const Stift vorher = dc.stift();
    dc.setzeStift(gruen);
    DK_Beschriftung(dc, s);
    dc.setzeStift(vorher);
}

}  // namespace

Gezeichnet FAV_Paint(Canvas& dc, ZorState& s, const Vorlagenquelle& quelle, int drucken) {
    if (s.Modell.AB == 1) FAV_PunkteAbleiten(s);
    const int t = s.FAV_defbereich <= 60 ? 5 : 10;
    const Kurvenlage lage = favLage(s);
    baenderMalen(dc, s, lage, s.FAV_defbereich, drucken, favBand, [&](int satz) { return favKurve(s, satz); });
    Diagonal(dc, achsen(t * s.FAV_xnorm, 'n', s.FAV_ynorm_log, 'l', static_cast<float>(t), ersteDekade(s.FAV_wertneg)));
    if (drucken == 1 && s.Cursor.FAV) {
        const float x = static_cast<float>((s.FAV_xpos + 1) * s.FAV_xnorm + X0);
        gedruckterCursor(dc, favCursorKurven(s, aktiveSaetze(s)), x, s.FAV_xpos);
    }
    const Stift vorher = dc.stift();
    dc.setzeStift({55, SCHWARZ});
    dc.setzeTextfarbe(SCHWARZ);
    plotag(dc, quelle, s.Modell.AB == 1 ? "FAVak.PLT" : "FAV.PLT", {}, 0, 'a', Textregel::Zeilen);
    Achsenbeschriftung(dc, favBeschriftung(s, t));
    dc.setzeStift(vorher);

    Gezeichnet g;
    dc.beschneiden(KURVENBEREICH);
    for (int satz = 0; satz < 2; ++satz) {
        if (modellVon(s, satz) == 0) continue;
        GraphPaint(dc, favKurve(s, satz), lage, s.FAV_defbereich, auswahl(s, satz, drucken), s.farbe);
        g.setzen(satz);
    }
    dc.beschneiden(std::nullopt);
    const Hinweisblock h = hinweisblock(s, true, drucken);
    HinweiseMalen(dc, h.hinweise, h.ersteZeile, h.vonUnten);
    return g;
}

Gezeichnet FKF_Paint(Canvas& dc, const ZorState& s, const Vorlagenquelle& quelle, int drucken) {
    const int D = s.FKF_defbereich, xn = s.FKF_xnorm;
    const int t = D < 61 ? 5 : 10;
    const float dekade = ersteDekade(s.FKF_wertneg);
    const Kurvenlage lage = fkfLage(s);
    const auto kurve = [&](int satz) { return fkfKurve(s, satz); };
    baenderMalen(dc, s, lage, D + 1, drucken, fkfBand, kurve);
    // The grid keeps the decade height also under a linear ordinate.
    Diagonal(dc, achsen(t * xn, 'n', s.FKF_ynorm_log, 'l', static_cast<float>(t), dekade));
    if (drucken == 1 && s.Cursor.FKF) {
        const float x = static_cast<float>(s.FKF_xpos * xn + X0);
        gedruckterCursor(dc, fkfCursorKurven(s, aktiveSaetze(s)), x, s.FKF_xpos);
    }
    const Stift vorher = dc.stift();
    const Stift gruen{55, DK_GRUEN};
    dkMalen(dc, s, gruen);
    dc.setzeStift({55, SCHWARZ});
    dc.setzeTextfarbe(SCHWARZ);
    plotag(dc, quelle, "FKF.PLT", {}, 0, 'a', Textregel::Zeilen);
    const bool linY = s.FKF.ordinate != 0;
    Achsenbeschriftung(dc, linY ? achsen(t * xn, 'n', 2500, 'n', static_cast<float>(t), 0.2f)
                                : achsen(t * xn, 'n', s.FKF_ynorm_log, 'l', static_cast<float>(t), dekade));
    dc.setzeStift(vorher);

    Gezeichnet g;
    dc.beschneiden(KURVENBEREICH);
    for (int satz = 0; satz < 2; ++satz) {
        if (modellVon(s, satz) == 0) continue;
        GraphPaint(dc, kurve(satz), lage, D + 1, auswahl(s, satz, drucken), s.farbe);
        g.setzen(satz);
    }
    // On a linear ordinate the curves start at the top and would hide the markers.
    if (linY) dkMalen(dc, s, gruen);
    dc.beschneiden(std::nullopt);
    const Hinweisblock h = hinweisblock(s, false, drucken);
    HinweiseMalen(dc, h.hinweise, h.ersteZeile, h.vonUnten);
    return g;
}

namespace {

// How far below 5500 each set's duration label stands, and how far its "k" is lowered;
// measured in the duration font, which the caller selected.
struct DkLage {
    int o[2] = {1700, 1700};
    int tiefer = 0;
};

DkLage dkLage(Canvas& dc, const ZorState& s) {
    const Satzsicht<const ZorState> v[2] = {satzSicht(s, 0), satzSicht(s, 1)};
    DkLage l;
    // Text has a minimum size on screen, so in a small window the two labels (each with its
    // lowered "k") are kept a measured line apart rather than a fixed distance.
    const int zeile = dc.textmass("D").hoehe;
    l.tiefer = std::max(400, zeile / 3);
    // Both stand below the cursor readout, which needs more rows in narrow windows.
    const int mindestens = 5500 + dc.oberlaenge() - (Cursor_Unterkante(dc) - 300);
    if (v[0].M != 0 && v[1].M != 0) {
        const int kleiner = v[1].DK < v[0].DK ? 1 : 0;  // a tie puts set 1 higher
        l.o[kleiner] = 500;
        l.o[1 - kleiner] = std::max(1700, 500 + zeile + l.tiefer + zeile / 4);
    }
    // Nor above the plot by more than a little, where the heading lines stand.
    const int unterDemKopf = dc.oberlaenge() - 300;
    const int absenken = std::max({0, mindestens - std::min(l.o[0], l.o[1]), unterDemKopf - std::min(l.o[0], l.o[1])});
    for (int& versatz : l.o) versatz += absenken;
    return l;
}

// The lowest point the duration labels reach.
int dkUnterkante(Canvas& dc, const ZorState& s) {
    const Schrift vorher = dc.schrift();
    dc.setzeSchrift({Schriftfamilie::Swiss, DK_SCHRIFTHOEHE});
    const DkLage l = dkLage(dc, s);
    int unten = YENDE;
    for (int i = 0; i < 2; ++i)
        if (modellVon(s, i) != 0) unten = std::min(unten, 5500 - l.tiefer - l.o[i] - dc.textmass("k").hoehe / 4);
    dc.setzeSchrift(vorher);
    return unten;
}

}  // namespace

void DK_Beschriftung(Canvas& dc, const ZorState& s) {
    const Satzsicht<const ZorState> v[2] = {satzSicht(s, 0), satzSicht(s, 1)};
    const bool aktiv[2] = {v[0].M != 0, v[1].M != 0};
    const Farbe textVorher = dc.textfarbe();
    dc.setzeSchrift({Schriftfamilie::Swiss, DK_SCHRIFTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Links);
    const DkLage lage = dkLage(dc, s);
    const int tiefer = lage.tiefer;
    const int* o = lage.o;
    for (int i = 0; i < 2; ++i) {
        if (!aktiv[i]) continue;
        const float DK = v[i].DK;
        const double X = static_cast<double>(s.FKF_xnorm) * DK - 7500;
        const int x = kappen(X);
        dc.linie({x, 6000 - o[i]}, {x, Y0});
        dc.setzeTextfarbe(farbeAus(s.farbe[static_cast<std::size_t>(i)]));
        const Konfidenz& k = v[i].FKF_konfidenz;
        std::string wert;
        if (DK == 0)
            wert = format("= %.1f (%s)", DK, TEXT_KEINE_ABKLINGENDE_KORRELATION);
        else if (s.FKF_band && k)
            wert = format("= %.1f (95 %%: %.1f – %.1f)", DK, k.dauerUnten, k.dauerOben);
        else
            wert = format("= %.1f (= %.1e/%.1e)", DK, v[i].zaehler, v[i].nenner);
        // The least advances keep the classic spacing; in a wide window, where a logical
        // unit is many times wider than tall, they would tear "D", "k" and value apart.
        const int breiteD = dc.textmass("D").breite, breiteK = dc.textmass("k").breite * 5 / 4;
        const int bD = std::clamp(570, breiteD, breiteD * 2), bk = std::clamp(330, breiteK, breiteK * 3 / 2);
        const double a = dkAnfang(X, bD + bk + dc.textmass(wert).breite, breiteD);
        dc.text({kappen(a), 5500 - o[i]}, "D");
        dc.text({kappen(a + bD), 5500 - tiefer - o[i]}, "k");
        dc.text({kappen(a + bD + bk), 5500 - o[i]}, wert);
    }
    dc.setzeTextfarbe(textVorher);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Mitte);
}

namespace {

// The legend's texts and geometry: font, padding, the colour sample's length, the
// distance from the plot's frame.
constexpr int LEGENDE_SCHRIFTHOEHE = 750, LEGENDE_RAND = 250, MUSTERLAENGE = 900, LEGENDE_ABSTAND = 200;
constexpr int LEGENDE_RECHTS = XENDE - LEGENDE_ABSTAND;

const char* modelltext(Modellart art) {
    switch (art) {
    case Modellart::BSC: return "BSC";
    case Modellart::GE: return "Gilbert-Elliott";
    case Modellart::MC: return "McCullough";
    case Modellart::SW: return "Dreizustandsmodell";
    case Modellart::Datei: return "Datei";
    case Modellart::Inaktiv: break;
    }
    return "";
}

// 1000000 as "1.000.000", as German readers group digits.
std::string gruppiert(std::uint64_t n) {
    std::string z = std::to_string(n);
    for (auto i = static_cast<std::ptrdiff_t>(z.size()) - 3; i > 0; i -= 3) z.insert(static_cast<std::size_t>(i), ".");
    return z;
}

std::string dateiname(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    return schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
}

}  // namespace

std::string legendenzeile(const ZorState& s, int satz) {
    const Modellart art = modellart(modellVon(s, satz));
    if (art == Modellart::Inaktiv) return {};
    std::string z = format("Satz %d: %s", satz + 1, modelltext(art));
    if (art == Modellart::Datei) return z + " " + dateiname(dateiVon(s, satz).szFileName);
    if (simVon(s, satz) == 0) return z + ", Theorie";
    return z + ", Simulation, N = " + gruppiert(durchlaeufe(s, satz));
}

std::string bildunterschrift(const ZorState& s, bool fav) {
    std::string t = fav ? (s.Modell.AB == 1 ? "Fehlerabstandsverteilung p(a = k)" : "Fehlerabstandsverteilung P(a ≥ k)")
                        : "Fehlerkorrelationsfunktion";
    const bool band = (fav ? favBand(s, 0) : fkfBand(s, 0)) || (fav ? favBand(s, 1) : fkfBand(s, 1));
    if (band) t += ", mit 95-%-Konfidenzband";
    return t;
}

void LegendeMalen(Canvas& dc, const ZorState& s, bool fav, Legendenort ort, int drucken) {
    if (ort == Legendenort::Keine) return;
    std::vector<std::pair<int, std::string>> zeilen;
    for (int satz = 0; satz < 2; ++satz)
        if (std::string z = legendenzeile(s, satz); !z.empty()) zeilen.emplace_back(satz, std::move(z));
    const std::string titel = bildunterschrift(s, fav);

    const Stift stiftVorher = dc.stift();
    const Schrift schriftVorher = dc.schrift();
    const Farbe textVorher = dc.textfarbe(), pinselVorher = dc.pinsel();
    const Ausrichtung ausrichtungVorher = dc.ausrichtung();
    const std::optional<Farbe> grundVorher = dc.texthintergrund();
    dc.setzeSchrift({Schriftfamilie::Swiss, LEGENDE_SCHRIFTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Links);
    dc.setzeTexthintergrund(std::nullopt);

    // Text has a minimum size on screen, so rows and widths are measured; on a page whose
    // x scale is smaller than its y scale the font shrinks until the box fits the plot.
    const int platz = LEGENDE_RECHTS - (X0 + GROESSE) - 2 * LEGENDE_RAND;
    const int einzug = MUSTERLAENGE + LEGENDE_RAND;
    const auto breiteMessen = [&] {
        int b = dc.textmass(titel).breite;
        for (const auto& [satz, z] : zeilen) b = std::max(b, einzug + dc.textmass(z).breite);
        return b;
    };
    int breite = breiteMessen();
    for (int versuch = 0; versuch < 3 && breite > platz; ++versuch) {
        const int h = dc.schrift().hoehe;
        dc.setzeSchrift(
            {Schriftfamilie::Swiss, std::max(100, static_cast<int>(static_cast<long long>(h) * platz / breite))});
        breite = breiteMessen();
    }
    const int zeile = std::max(dc.schrift().hoehe * 5 / 4, dc.textmass("Ag").hoehe * 6 / 5);
    const int hoehe = zeile * static_cast<int>(zeilen.size() + 1) + 2 * LEGENDE_RAND;
    const int links = std::max(X0 + GROESSE, LEGENDE_RECHTS - breite - 2 * LEGENDE_RAND);

    // Below or above the band hints when they share the corner.
    const Hinweisblock h = hinweisblock(s, fav, drucken);
    const int n = static_cast<int>(h.hinweise.size());
    int oben = 0;
    if (ort == Legendenort::ObenRechts) {
        oben = YENDE - LEGENDE_ABSTAND;
        if (n > 0 && !h.vonUnten) oben = std::min(oben, h.ersteZeile - (n - 1) * 800 - 700);
        // The correlation-duration labels start at the top of the plot.
        if (!fav) oben = std::min(oben, dkUnterkante(dc, s) - LEGENDE_ABSTAND);
    } else {
        int unten = Y0 + LEGENDE_ABSTAND + 600;  // clear of the abscissa's "k"
        if (n > 0 && h.vonUnten) unten = std::max(unten, h.ersteZeile + (n - 1) * 800 + 900);
        oben = unten + hoehe;
    }

    dc.setzeStift({0, SCHWARZ});
    dc.setzePinsel(WEISS);
    dc.rechteck({links, oben, LEGENDE_RECHTS, oben - hoehe});
    const int x = links + LEGENDE_RAND;
    int y = oben - LEGENDE_RAND - dc.oberlaenge();
    dc.setzeTextfarbe(SCHWARZ);
    dc.text({x, y}, titel);
    const auto farben = satzfarben(s, drucken);
    for (const auto& [satz, z] : zeilen) {
        y -= zeile;
        const Farbe f = farben[static_cast<std::size_t>(satz)];
        dc.setzeStift({70, f});
        const int mitte = y + dc.oberlaenge() / 3;
        dc.linie({x, mitte}, {x + MUSTERLAENGE - LEGENDE_RAND, mitte});
        dc.setzeTextfarbe(f);
        dc.text({x + einzug, y}, z);
    }

    dc.setzeStift(stiftVorher);
    dc.setzeSchrift(schriftVorher);
    dc.setzeTextfarbe(textVorher);
    dc.setzePinsel(pinselVorher);
    dc.setzeAusrichtung(ausrichtungVorher);
    dc.setzeTexthintergrund(grundVorher);
}

}  // namespace zor
