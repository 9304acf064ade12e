#include "core/documents/anpassung_malen.h"

#include "core/documents/kurven_malen.h"
#include "core/plot/achse.h"
#include "core/plot/graphpaint.h"
#include "core/plot/plotzahlen.h"
#include "core/util/format.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

namespace zor {

namespace {

constexpr int X0 = -7500, Y0 = -8000, XENDE = 9500, YENDE = 5500, GROESSE = 230, BREITE = 16000;
constexpr int PUNKT = 110;  // half the side of a sequence point
// The wider of the two headings with the size and place the templates give it.
constexpr std::string_view TITEL_MUSTER = "Fehlerkorrelationsfunktion";
constexpr int TITEL_LINKS = -9600, TITEL_HOEHE = 962;
constexpr int LEGENDE_X = 3600, LEGENDE_Y = 9300, LEGENDE_ZEILE = 650, LEGENDE_SCHRIFT = 560, LEGENDE_RAND = 200;
const LRechteck KURVENBEREICH{-20000, YENDE, 20000, Y0};

Achsendaten achsen(int xskala, char a, int yskala, char b, float xwert, float ywert) {
    return {X0, Y0, XENDE, YENDE, X0, Y0, GROESSE, xskala, a, yskala, b, xwert, ywert};
}

// FAV: k = 1..d at k * xnorm - 7500; FKF: lag k at k * xnorm - 7500 from lag 0.
struct Lage {
    int xnorm, erster;
    int x(std::size_t i) const { return kappen(X0 + (static_cast<double>(i) + erster) * xnorm); }
};

int ordinate(float y, const Anpassungsansicht& v) {
    if (v.linear) return kappen(12500.0 * y + Y0);
    return logOrdinate(y, v.wertneg, v.wertpos, v.ynormLog, Y0);
}

void kurveMalen(Canvas& dc, std::span<const STRUCT_PUNKT> kurve, const Lage& l, const Anpassungsansicht& v,
                const Stift& stift) {
    std::vector<LPunkt> p;
    for (std::size_t i = 0; i < kurve.size(); ++i) p.push_back({l.x(i), ordinate(kurve[i].y, v)});
    const Stift vorher = dc.stift();
    dc.setzeStift(stift);
    dc.polylinie(p);
    dc.setzeStift(vorher);
}

void punkteMalen(Canvas& dc, std::span<const STRUCT_PUNKT> kurve, const Lage& l, const Anpassungsansicht& v) {
    const Farbe pinsel = dc.pinsel();
    dc.setzePinsel(SCHWARZ);
    for (std::size_t i = 0; i < kurve.size(); ++i) {
        const int x = l.x(i), y = ordinate(kurve[i].y, v);
        dc.rechteck({x - PUNKT, y + PUNKT, x + PUNKT, y - PUNKT});
    }
    dc.setzePinsel(pinsel);
}

// An equivalent fit's curve lies on its partner's: dotted, so that both stay visible.
Stift modellstift(const Modellanpassung& m, const Anpassung& a) {
    bool zweiter = false;
    if (m.gleichwertig)
        for (const Modellanpassung& n : a.modelle) {
            if (&n == &m) break;
            zweiter = zweiter || n.art == *m.gleichwertig;
        }
    return {70, anpassungsfarbe(m.art), zweiter ? Strichart::Gepunktet : Strichart::Durchgezogen};
}

std::string eintragstext(const Modellanpassung& m) {
    std::string text = format("%d. %s", m.rang, modellname(m.art));
    if (m.gleichwertig) text += format(" (≙ %s)", modellname(*m.gleichwertig));
    return text;
}

// The legend's place: right of the heading at the template's row spacing while its text
// fits that spacing; in a small window, where text keeps a minimum size and the heading
// runs on one line, at the plot area's upper right corner with measured rows.
struct Legendenlage {
    int x, y, zeile;
};

Legendenlage legendenlage(Canvas& dc, const Anpassung& a) {
    const int hoehe = dc.textmass("Ag").hoehe;
    const Schrift schrift = dc.schrift();
    dc.setzeSchrift({Schriftfamilie::Swiss, TITEL_HOEHE});
    const int titelRechts = TITEL_LINKS + dc.textmass(TITEL_MUSTER).breite;
    dc.setzeSchrift(schrift);
    if (hoehe <= LEGENDE_ZEILE && titelRechts + LEGENDE_RAND <= LEGENDE_X) return {LEGENDE_X, LEGENDE_Y, LEGENDE_ZEILE};
    int breite = dc.textmass("Folge").breite;
    for (const Modellanpassung& m : a.modelle) breite = std::max(breite, dc.textmass(eintragstext(m)).breite);
    const int zeile = hoehe * 6 / 5;
    return {XENDE - LEGENDE_RAND - 1100 - breite, YENDE - LEGENDE_RAND - zeile / 2, zeile};
}

void legende(Canvas& dc, const Anpassung& a) {
    dc.setzeSchrift({Schriftfamilie::Swiss, LEGENDE_SCHRIFT});
    dc.setzeAusrichtung(Ausrichtung::Links);
    const Farbe textVorher = dc.textfarbe();
    const Legendenlage l = legendenlage(dc, a);
    int y = l.y;
    const auto eintrag = [&](const std::string& text, Farbe farbe) {
        dc.setzeTextfarbe(farbe);
        dc.text({l.x + 1100, y - dc.oberlaenge() / 3}, text);
        y -= l.zeile;
    };
    const Farbe pinsel = dc.pinsel();
    dc.setzePinsel(SCHWARZ);
    dc.rechteck({l.x + 450 - PUNKT, y + PUNKT, l.x + 450 + PUNKT, y - PUNKT});
    dc.setzePinsel(pinsel);
    eintrag("Folge", SCHWARZ);
    for (const Modellanpassung& m : a.modelle) {
        const Stift vorher = dc.stift();
        dc.setzeStift(modellstift(m, a));
        dc.linie({l.x, y}, {l.x + 900, y});
        dc.setzeStift(vorher);
        eintrag(eintragstext(m), anpassungsfarbe(m.art));
    }
    dc.setzeTextfarbe(textVorher);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Mitte);
}

}  // namespace

Farbe anpassungsfarbe(Modellart art) {
    switch (art) {
    case Modellart::GE: return {0, 0, 150};
    case Modellart::MC: return {150, 0, 0};
    case Modellart::SW: return {0, 120, 0};
    default: return {190, 110, 0};
    }
}

void Anpassung_Paint(Canvas& dc, const Anpassung& a, const Anpassungsansicht& v, const Vorlagenquelle& quelle) {
    const bool fav = v.bild == Anpassungsbild::Fav;
    const std::vector<STRUCT_PUNKT>& folge = fav ? a.fav : a.fkf;
    const int schritte = std::max(1, static_cast<int>(folge.size()) - (fav ? 0 : 1));
    const Lage lage{BREITE / schritte, fav ? 1 : 0};
    const int t = schritte <= 60 ? 5 : 10;
    const float dekade = std::log10(v.wertneg) + 1;

    Diagonal(dc, achsen(t * lage.xnorm, 'n', v.ynormLog, 'l', static_cast<float>(t), dekade));
    const Stift vorher = dc.stift();
    dc.setzeStift({55, SCHWARZ});
    dc.setzeTextfarbe(SCHWARZ);
    plotag(dc, quelle, fav ? "FAV.PLT" : "FKF.PLT", {}, 0, 'a', Textregel::Zeilen);
    Achsenbeschriftung(dc, v.linear ? achsen(t * lage.xnorm, 'n', 2500, 'n', static_cast<float>(t), 0.2f)
                                    : achsen(t * lage.xnorm, 'n', v.ynormLog, 'l', static_cast<float>(t), dekade));
    dc.setzeStift(vorher);

    dc.beschneiden(KURVENBEREICH);
    // Worst first, so that the best fits lie on top; dotted ones over their partners.
    for (const Strichart art : {Strichart::Durchgezogen, Strichart::Gepunktet})
        for (auto m = a.modelle.rbegin(); m != a.modelle.rend(); ++m)
            if (const Stift s = modellstift(*m, a); s.art == art) kurveMalen(dc, fav ? m->fav : m->fkf, lage, v, s);
    punkteMalen(dc, folge, lage, v);
    dc.beschneiden(std::nullopt);
    legende(dc, a);
}

}  // namespace zor
