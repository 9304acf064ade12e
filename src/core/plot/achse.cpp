#include "core/plot/achse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/plot/plotzahlen.h"
#include "core/plot/textlage.h"

namespace zor {
namespace {

constexpr double PI = 3.141592654;

// Ticks from the one nearest the low end up to (not including) the high end minus
// 3.5 element sizes, where the arrowhead sits. Calls f(i, position) for each.
template <class F>
void striche(long long unten, long long mitte, long long oben, long long skala, int groesse,
             int schritteProSkala, F f) {
    if (skala <= 0 || skala / schritteProSkala <= 0) return;
    const long long schritt = skala / schritteProSkala;
    const long long i0 = (unten - mitte) / skala;
    long long pos = i0 * skala + mitte;
    const double ende = static_cast<double>(oben) - 3.5 * groesse;
    for (int n = 0; static_cast<double>(pos) < ende && n < MAX_STRICHE; ++n, pos += schritt)
        f(i0 + n, pos);
}

std::string beschriftung(long long i, char art, float wert) {
    if (art == 'l') {
        const double betrag = std::pow(10.0, static_cast<double>(static_cast<float>(std::llabs(i)) + wert - 1.0f));
        return dekadenForm(i < 0 ? -betrag : betrag);
    }
    return gcvtForm(static_cast<double>(static_cast<float>(i) * wert), 5);
}

}  // namespace

int schrifthoehe(int groesse) { return kappen(groesse * 3.7); }

void Dreieck(Canvas& dc, int x, int y, float phi, float winkel, float laenge) {
    std::array<LPunkt, 3> ecken{LPunkt{x, y}};
    for (int k = 0; k < 2; ++k) {
        const double s = k == 0 ? -1.0 : 1.0;
        const double w = phi + PI + s * winkel / 2;
        ecken[k + 1] = {kappen(x + std::trunc(std::cos(w) * laenge)),
                        kappen(y + std::trunc(std::sin(w) * laenge))};
    }
    dc.polygon(ecken);
}

void Pfeil(Canvas& dc, int x, int y, float phi, float winkel, int laenge, int groesse) {
    const double richtung = phi;
    dc.linie({x, y}, {kappen(x - std::cos(richtung) * laenge), kappen(y - std::sin(richtung) * laenge)});
    std::array<LPunkt, 3> ecken{LPunkt{x, y}};
    for (int k = 0; k < 2; ++k) {
        const double s = k == 0 ? -1.0 : 1.0;
        const double w = phi + PI + s * winkel / 2;
        ecken[k + 1] = {kappen(std::cos(w) * groesse + x), kappen(std::sin(w) * groesse + y)};
    }
    dc.polygon(ecken);
}

void Achse(Canvas& dc, const Achsendaten& d) {
    dc.linie({d.xlinks, d.ymitte}, {d.xrechts, d.ymitte});
    dc.linie({d.xmitte, d.yunten}, {d.xmitte, d.yoben});
    const auto seite = static_cast<float>(3.0 * d.groesse);
    Dreieck(dc, d.xrechts, d.ymitte, 0.0f, 0.53f, seite);
    Dreieck(dc, d.xmitte, d.yoben, static_cast<float>(PI / 2), 0.53f, seite);
}

namespace {

struct Strichtext {
    long long i;
    int pos;
    std::string text;  // empty: a tick without a label
};

std::vector<Strichtext> strichtexte(long long unten, long long mitte, long long oben, long long skala, int groesse,
                                    char art, float wert) {
    std::vector<Strichtext> t;
    striche(unten, mitte, oben, skala, groesse, 1, [&](long long i, long long pos) {
        std::string text;
        if (i != 0)
            text = beschriftung(i, art, wert);
        else if (art == 'l')
            text = dekadenForm(std::pow(10.0, wert - 1.0));
        t.push_back({i, kappen(static_cast<double>(pos)), std::move(text)});
    });
    return t;
}

// Every how many ticks a label fits: 1, 2, 5, 10, 20, 50, ... ticks of skala units must
// hold the largest label and a gap.
long long labelschritt(long long skala, int bedarf) {
    if (skala <= 0) return 1;
    for (long long dekade = 1;; dekade *= 10)
        for (const long long f : {1, 2, 5})
            if (f * dekade * skala >= bedarf || f * dekade > MAX_STRICHE) return f * dekade;
}

// A decade label without the exponent's sign and leading zeros ("1e-01" -> "1e-1",
// "1e+00" -> "1", "1e+02" -> "1e2"); other texts as they are.
std::string kurzeDekade(const std::string& text) {
    const auto e = text.find('e');
    if (e == std::string::npos || e + 1 >= text.size()) return text;
    std::string exponent = text.substr(e + 1);
    const bool minus = exponent.front() == '-';
    if (minus || exponent.front() == '+') exponent.erase(0, 1);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size()));
    if (exponent.empty()) return text.substr(0, e);
    return text.substr(0, e + 1) + (minus ? "-" : "") + exponent;
}

}  // namespace

void Achsenbeschriftung(Canvas& dc, const Achsendaten& d) {
    const Schrift vorher = dc.schrift();
    const Ausrichtung ausrichtungVorher = dc.ausrichtung();
    const double g = d.groesse;
    dc.setzeSchrift({Schriftfamilie::Swiss, schrifthoehe(d.groesse)});
    const int oberlaenge = dc.oberlaenge();
    Textbelegung belegt;

    const auto xtexte = strichtexte(d.xlinks, d.xmitte, d.xrechts, d.xskala, d.groesse, d.a, d.xwert);
    int breitest = 0;
    for (const Strichtext& t : xtexte) breitest = std::max(breitest, dc.textmass(t.text).breite);
    const long long xschritt = labelschritt(d.xskala, breitest + dc.textmass("0").breite);
    dc.setzeAusrichtung(Ausrichtung::Mitte);
    const int xTextY = kappen(d.ymitte - 4.5 * g);
    for (const Strichtext& t : xtexte) {
        if (!t.text.empty() && t.i % xschritt == 0) {
            const LRechteck k = textkasten(dc, {t.pos, xTextY}, t.text);
            // The axis' end is left free for the axis name the templates put there.
            if (innerhalb(k, DIAGRAMMFENSTER) && k.rechts <= d.xrechts - 2 * g && belegt.frei(k)) {
                dc.text({t.pos, xTextY}, t.text);
                belegt.belegen(k);
            }
        }
        dc.linie({t.pos, kappen(d.ymitte + g)}, {t.pos, kappen(d.ymitte - g)});
    }

    const auto ytexte = strichtexte(d.yunten, d.ymitte, d.yoben, d.yskala, d.groesse, d.b, d.ywert);
    const int zeilenhoehe = dc.textmass("0").hoehe;
    const long long yschritt = labelschritt(d.yskala, zeilenhoehe + zeilenhoehe / 4);
    dc.setzeAusrichtung(Ausrichtung::Rechts);
    const int yTextX = kappen(d.xmitte - 1.5 * g);
    for (const Strichtext& t : ytexte) {
        if (!t.text.empty() && t.i % yschritt == 0) {
            const LPunkt soll{yTextX, kappen(t.pos - 0.4 * oberlaenge)};
            std::string text = t.text;
            LPunkt anker = insFenster(dc, soll, text);
            // Left of the axis there is too little room (a narrow window, text at its
            // smallest size): the short form keeps the label off the axis line.
            if (anker.x != soll.x && d.b == 'l') {
                text = kurzeDekade(text);
                anker = insFenster(dc, soll, text);
            }
            const LRechteck k = textkasten(dc, anker, text);
            if (belegt.frei(k)) {
                dc.text(anker, text);
                belegt.belegen(k);
            }
        }
        dc.linie({kappen(d.xmitte + g), t.pos}, {kappen(d.xmitte - g), t.pos});
    }

    dc.setzeSchrift(vorher);
    dc.setzeAusrichtung(ausrichtungVorher);
}

void Diagonal(Canvas& dc, const Achsendaten& d) {
    const Stift vorher = dc.stift();
    dc.setzeStift({0, {192, 192, 192}, Strichart::Gepunktet});
    const double g = d.groesse;
    const int yOben = kappen(d.ymitte + 55 * g), yUnten = kappen(d.ymitte - g);
    striche(d.xlinks, d.xmitte, d.xrechts, d.xskala, d.groesse, 5, [&](long long, long long x) {
        const int X = kappen(static_cast<double>(x));
        dc.linie({X, yOben}, {X, yUnten});
    });
    const int xVon = kappen(std::trunc((d.xmitte + g) * -10.2)), xBis = kappen(d.xmitte - g);
    striche(d.yunten, d.ymitte, d.yoben, d.yskala, d.groesse, 5, [&](long long, long long y) {
        const int Y = kappen(static_cast<double>(y));
        dc.linie({xVon, Y}, {xBis, Y});
    });
    dc.setzeStift(vorher);
}

}  // namespace zor
