#include "core/plot/achse.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "core/plot/plotzahlen.h"

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

void Achsenbeschriftung(Canvas& dc, const Achsendaten& d) {
    const Schrift vorher = dc.schrift();
    const Ausrichtung ausrichtungVorher = dc.ausrichtung();
    const double g = d.groesse;
    dc.setzeSchrift({Schriftfamilie::Swiss, schrifthoehe(d.groesse)});
    const int oberlaenge = dc.oberlaenge();

    dc.setzeAusrichtung(Ausrichtung::Mitte);
    const int xTextY = kappen(d.ymitte - 4.5 * g);
    striche(d.xlinks, d.xmitte, d.xrechts, d.xskala, d.groesse, 1, [&](long long i, long long x) {
        const int X = kappen(static_cast<double>(x));
        if (i != 0)
            dc.text({X, xTextY}, beschriftung(i, d.a, d.xwert));
        else if (d.a == 'l')
            dc.text({X, xTextY}, dekadenForm(std::pow(10.0, d.xwert - 1.0)));
        dc.linie({X, kappen(d.ymitte + g)}, {X, kappen(d.ymitte - g)});
    });

    dc.setzeAusrichtung(Ausrichtung::Rechts);
    const int yTextX = kappen(d.xmitte - 1.5 * g);
    striche(d.yunten, d.ymitte, d.yoben, d.yskala, d.groesse, 1, [&](long long i, long long y) {
        const int Y = kappen(static_cast<double>(y));
        const int textY = kappen(static_cast<double>(y) - 0.4 * oberlaenge);
        if (i != 0)
            dc.text({yTextX, textY}, beschriftung(i, d.b, d.ywert));
        else if (d.b == 'l')
            dc.text({yTextX, textY}, dekadenForm(std::pow(10.0, d.ywert - 1.0)));
        dc.linie({kappen(d.xmitte + g), Y}, {kappen(d.xmitte - g), Y});
    });

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
