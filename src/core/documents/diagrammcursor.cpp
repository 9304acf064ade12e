#include "core/documents/diagrammcursor.h"

#include <algorithm>
#include <cmath>

#include "core/plot/plotzahlen.h"

namespace zor {
namespace {

const LRechteck FLAECHE{DIAGRAMM_X0, DIAGRAMM_YENDE, DIAGRAMM_XENDE, DIAGRAMM_Y0};

// The ordinate of the curve's point at the place; abscissae are integers k, m or n, so
// they compare exactly.
std::optional<double> ordinateBei(const std::vector<Wertpunkt>& kurve, double x) {
    for (const Wertpunkt& p : kurve)
        if (p.x == x) return p.y;
    return std::nullopt;
}

}  // namespace

std::vector<double> Cursorbild::stellen() const {
    std::vector<double> s;
    for (const auto& k : kurven)
        if (k)
            for (const Wertpunkt& p : *k)
                if (const auto o = dia.x.ort(p.x); o && *o <= dia.x.laenge * (1 + 1e-9)) s.push_back(p.x);
    std::sort(s.begin(), s.end());
    s.erase(std::unique(s.begin(), s.end()), s.end());
    return s;
}

std::optional<double> Cursorbild::naechste(double x) const {
    // A value the axis cannot place (zero on a log axis) lies before its start.
    return amNaechsten(dia.x.ort(x).value_or(-1.0));
}

std::optional<double> Cursorbild::unterMaus(double logischX) const {
    if (!(DIAGRAMM_X0 <= logischX && logischX <= DIAGRAMM_XENDE)) return std::nullopt;
    return amNaechsten(logischX - DIAGRAMM_X0);
}

// A tie goes to the smaller place.
std::optional<double> Cursorbild::amNaechsten(double ort) const {
    const auto s = stellen();
    if (s.empty()) return std::nullopt;
    return *std::min_element(s.begin(), s.end(), [&](double a, double b) {
        return std::fabs(*dia.x.ort(a) - ort) < std::fabs(*dia.x.ort(b) - ort);
    });
}

std::optional<double> Cursorbild::nachTaste(Cursortaste t, double x) const {
    const auto s = stellen();
    const auto jetzt = naechste(x);
    if (!jetzt) return std::nullopt;
    const auto i = static_cast<std::size_t>(std::lower_bound(s.begin(), s.end(), *jetzt) - s.begin());
    switch (t) {
    case Cursortaste::Pos1: return s.front();
    case Cursortaste::Ende: return s.back();
    case Cursortaste::Links: return s[i > 0 ? i - 1 : i];
    case Cursortaste::Rechts: return s[i + 1 < s.size() ? i + 1 : i];
    case Cursortaste::BildAuf:
    case Cursortaste::BildAb: break;
    }
    return *jetzt;
}

Ablesung Cursorbild::ablesung(double x) const {
    Ablesung a;
    a.x = x;
    for (std::size_t i = 0; i < 2; ++i) {
        a.gezeigt[i] = kurven[i].has_value();
        if (kurven[i]) a.y[i] = ordinateBei(*kurven[i], x);
    }
    return a;
}

int Cursorbild::linie(double x) const { return kappen(DIAGRAMM_X0 + dia.x.ort(x).value_or(0.0)); }

bool Cursorbild::untenFreier() const {
    int oben = 0, unten = 0;
    for (const auto& k : kurven)
        for (const Wertpunkt& p : k.value_or(std::vector<Wertpunkt>{})) {
            const auto ox = dia.x.ort(p.x), oy = dia.y.ort(p.y);
            if (!ox || !oy || *ox < dia.x.laenge / 2.0) continue;
            if (*oy > dia.y.laenge * 2.0 / 3) ++oben;
            if (*oy < dia.y.laenge / 3.0) ++unten;
        }
    return unten < oben;
}

void Cursorbild::malen(Canvas& dc, double x, int drucken) const {
    const auto stelle = naechste(x);
    if (!stelle) return;
    Ablesung_malen(dc, ablesung(*stelle), linie(*stelle), FLAECHE, untenFreier(), drucken);
}

}  // namespace zor
