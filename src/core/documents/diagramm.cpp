#include "core/documents/diagramm.h"

#include "core/plot/achse.h"
#include "core/plot/plotzahlen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zor {

namespace {

constexpr int GROESSE = 230;
constexpr int TEXTHOEHE = 900;
constexpr int KREUZ = 110;  // half the width of a marker

// 1, 2 or 5 times a power of ten, at least `roh`.
double runderSchritt(double roh) {
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double f : {1.0, 2.0, 5.0})
        if (f * zehner >= roh * (1 - 1e-9)) return f * zehner;
    return 10 * zehner;
}

// About five to eight ticks along a linear axis.
double schritt(const Skala& s) { return runderSchritt((s.bis - s.von) / 8); }

}  // namespace

Skala Skala::linear(double hoechster, int laenge) { return {false, 0, hoechster > 0 ? hoechster : 1, laenge}; }

Skala Skala::logarithmisch(double kleinster, double groesster, int laenge, int tiefste) {
    const double oben = groesster > 0 ? std::ceil(std::log10(groesster) - 1e-9) : 0;
    double unten = kleinster > 0 ? std::floor(std::log10(kleinster) + 1e-9) : oben - 1;
    unten = std::clamp(unten, oben - tiefste, oben - 1);
    return {true, std::pow(10.0, unten), std::pow(10.0, oben), laenge};
}

std::optional<double> Skala::ort(double wert) const {
    if (!std::isfinite(wert)) return std::nullopt;
    if (!log) return (wert - von) * laenge / (bis - von);
    if (wert < von * (1 - 1e-9)) return std::nullopt;
    return std::log10(wert / von) * laenge / std::log10(bis / von);
}

int Skala::tickAbstand() const {
    if (log) return kappen(laenge / std::log10(bis / von));
    return kappen(schritt(*this) * laenge / (bis - von));
}

float Skala::tickWert() const {
    if (log) return static_cast<float>(std::log10(von) + 1);
    return static_cast<float>(schritt(*this));
}

void Diagramm::rahmen(Canvas& dc, const std::string& xName, const std::string& yName, const std::string& titel) const {
    const Achsendaten d{DIAGRAMM_X0,       DIAGRAMM_Y0,  DIAGRAMM_XENDE,  DIAGRAMM_YENDE,    DIAGRAMM_X0,
                        DIAGRAMM_Y0,       GROESSE,      x.tickAbstand(), x.log ? 'l' : 'n', y.tickAbstand(),
                        y.log ? 'l' : 'n', x.tickWert(), y.tickWert()};
    Diagonal(dc, d);
    const Stift vorher = dc.stift();
    dc.setzeStift({55, SCHWARZ});
    dc.setzePinsel(SCHWARZ);
    dc.setzeTextfarbe(SCHWARZ);
    Achse(dc, d);
    Achsenbeschriftung(dc, d);
    dc.setzeStift(vorher);
    dc.setzeSchrift({Schriftfamilie::Swiss, TEXTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Rechts);
    dc.text({DIAGRAMM_XENDE, DIAGRAMM_Y0 + 450}, xName);
    dc.setzeAusrichtung(Ausrichtung::Links);
    dc.text({DIAGRAMM_X0 + 500, DIAGRAMM_YENDE - 300}, yName);
    dc.setzeSchrift({Schriftfamilie::Swiss, 950});
    dc.setzeAusrichtung(Ausrichtung::Mitte);
    dc.text({0, 8750}, titel);
}

void Diagramm::kurve(Canvas& dc, std::span<const Wertpunkt> punkte, Farbe farbe, Kurvenart art) const {
    const Stift vorher = dc.stift();
    dc.beschneiden(LRechteck{DIAGRAMM_X0, DIAGRAMM_YENDE, DIAGRAMM_XENDE, DIAGRAMM_Y0});
    std::vector<LPunkt> zug;
    auto zeichnen = [&] {
        if (zug.size() > 1) dc.polylinie(zug);
        zug.clear();
    };
    const bool marken = art == Kurvenart::Kreuze || art == Kurvenart::Quadrate;
    dc.setzeStift(
        {marken ? 30 : 60, farbe, art == Kurvenart::Gepunktet ? Strichart::Gepunktet : Strichart::Durchgezogen});
    for (const Wertpunkt& p : punkte) {
        const auto ox = x.ort(p.x), oy = y.ort(p.y);
        if (!ox || !oy) {
            zeichnen();
            continue;
        }
        const LPunkt q{kappen(DIAGRAMM_X0 + *ox), kappen(DIAGRAMM_Y0 + *oy)};
        if (!marken) {
            zug.push_back(q);
        } else if (art == Kurvenart::Kreuze) {
            dc.linie({q.x - KREUZ, q.y - KREUZ}, {q.x + KREUZ, q.y + KREUZ});
            dc.linie({q.x - KREUZ, q.y + KREUZ}, {q.x + KREUZ, q.y - KREUZ});
        } else {
            const LPunkt ecken[] = {{q.x - KREUZ, q.y - KREUZ},
                                    {q.x + KREUZ, q.y - KREUZ},
                                    {q.x + KREUZ, q.y + KREUZ},
                                    {q.x - KREUZ, q.y + KREUZ},
                                    {q.x - KREUZ, q.y - KREUZ}};
            dc.polylinie(ecken);
        }
    }
    zeichnen();
    dc.beschneiden(std::nullopt);
    dc.setzeStift(vorher);
}

}  // namespace zor
