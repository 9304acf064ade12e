// GE and MC by maximum likelihood of the whole sequence. Both are two-state chains over
// the bits; they differ in when the state may change (GE after every bit, MC only after
// an error) and in the law of the first state, exactly as the generators draw them.
#include "core/anpassung/einzelmodelle.h"
#include "core/anpassung/optimierung.h"
#include "core/anpassung/zweizustand.h"

#include <algorithm>
#include <cmath>

namespace zor {

namespace {

// Trial fits from many starting points look at this many errors only.
constexpr std::size_t PROBE = 20000;
constexpr double RAND = 1e-6;

template <class T>
Zweizustandsmodell<T> zweiModell(Modellart art, const std::array<T, 4>& t) {
    const T eins(1.0);
    const T &zuB = t[0], &zuG = t[1], &eG = t[2], &eB = t[3];
    const Matrix2<T> fehler{eG * (eins - zuB), eG * zuB, eB * zuG, eB * (eins - zuG)};
    if (art == Modellart::GE) {
        // The bit is drawn in the current state, then the state changes (GE_Fehlerfolge);
        // the first state from the stationary law (GE_Startzustand).
        const T s = zuG + zuB;
        const Zeile2<T> start = wertVon(s) > 0 ? Zeile2<T>{zuG / s, zuB / s} : Zeile2<T>{T(0.5), T(0.5)};
        return {{(eins - eG) * (eins - zuB), (eins - eG) * zuB, (eins - eB) * zuG, (eins - eB) * (eins - zuG)},
                fehler,
                start};
    }
    // MC: the state holds through a gap and changes after its error (MC_Zustand); the
    // first state by the share of bits spent in it (MC_Startzustand).
    const T g = zuG * eB, b = zuB * eG;
    const T s = g + b;
    const Zeile2<T> start = wertVon(s) > 0 ? Zeile2<T>{g / s, b / s} : Zeile2<T>{T(0.5), T(0.5)};
    return {{eins - eG, T(0.0), T(0.0), eins - eB}, fehler, start};
}

template <class T>
T logistisch(const T& x) {
    using std::exp;
    return T(1.0) / (T(1.0) + exp(-x));
}

double logit(double p) {
    p = std::clamp(p, RAND, 1 - RAND);
    return std::log(p / (1 - p));
}

double endlichOderUnendlich(double minusLnL) { return std::isfinite(minusLnL) ? minusLnL : HUGE_VAL; }

// -ln L of the first n errors over the logits of the parameters.
Zielfunktion ziel(Modellart art, const Abstandswerte& w, std::uint64_t rest, std::size_t n) {
    return [art, &w, rest, n](const std::vector<double>& x, std::vector<double>* g) {
        if (!g) {
            std::array<double, 4> t;
            for (std::size_t i = 0; i < 4; ++i) t[i] = logistisch(x[i]);
            return endlichOderUnendlich(-logLikelihood(zweiModell(art, t), w, rest, n));
        }
        std::array<Dual<4>, 4> t;
        for (int i = 0; i < 4; ++i) t[static_cast<std::size_t>(i)] = logistisch(Dual<4>::variable(x[static_cast<std::size_t>(i)], i));
        const Dual<4> l = logLikelihood(zweiModell(art, t), w, rest, n);
        for (std::size_t i = 0; i < 4; ++i) (*g)[i] = -l.d[i];
        return endlichOderUnendlich(-l.v);
    };
}

// ln L and its gradient in the probabilities themselves, `frei` of them varying.
Zielfunktion lnLNatuerlich(Modellart art, const Abstandswerte& w, std::uint64_t rest, const Zweiparameter& fest,
                           const std::vector<std::size_t>& frei) {
    return [art, &w, rest, fest, frei](const std::vector<double>& x, std::vector<double>* g) {
        std::array<Dual<4>, 4> t;
        for (std::size_t i = 0; i < 4; ++i) t[i] = Dual<4>(fest[i]);
        for (std::size_t j = 0; j < frei.size(); ++j) t[frei[j]] = Dual<4>::variable(x[j], static_cast<int>(j));
        const Dual<4> l = logLikelihood(zweiModell(art, t), w, rest);
        if (g)
            for (std::size_t j = 0; j < frei.size(); ++j) (*g)[j] = l.d[j];
        return std::isfinite(l.v) ? l.v : -HUGE_VAL;
    };
}

Zweiparameter wahrscheinlichkeiten(const std::vector<double>& x) {
    Zweiparameter t;
    for (std::size_t i = 0; i < 4; ++i) t[i] = logistisch(x[i]);
    return t;
}

// Optimises the best few of the starts on the first `n` errors; the best minima first.
std::vector<Minimum> versuche(const Zielfunktion& f, const std::vector<std::vector<double>>& starts, std::size_t wieviele,
                              int hoechstens, const Teilfortschritt& melden, const Fortschritt& halt) {
    std::vector<std::pair<double, std::size_t>> wert;
    for (std::size_t i = 0; i < starts.size(); ++i) wert.emplace_back(f(starts[i], nullptr), i);
    std::sort(wert.begin(), wert.end());
    std::vector<Minimum> m;
    for (std::size_t i = 0; i < std::min(wieviele, wert.size()) && !halt.abgebrochen(); ++i) {
        m.push_back(minimieren(f, starts[wert[i].second], hoechstens, halt));
        melden(static_cast<double>(i + 1) / static_cast<double>(wieviele));
    }
    std::sort(m.begin(), m.end(), [](const Minimum& a, const Minimum& b) { return a.f < b.f; });
    return m;
}

// GOOD is the state with the lower error probability.
void zustaendeOrdnen(Zweiparameter& t) {
    if (t[2] <= t[3]) return;
    std::swap(t[0], t[1]);
    std::swap(t[2], t[3]);
}

}  // namespace

Zweizustandsmodell<double> zweiModellVon(Modellart art, const Zweiparameter& theta) { return zweiModell(art, theta); }

double zweiLnL(Modellart art, const Zweiparameter& theta, const Abstandswerte& w, std::uint64_t rest) {
    return logLikelihood(zweiModell(art, theta), w, rest);
}

std::vector<Zweiparameter> zweiStarts(Modellart art, const Abstandswerte& w, const std::vector<Zweiparameter>& weitere) {
    const double p = fehlerrate(w);
    const std::vector<double> mix = geometrischeMischung(w, {std::min(0.5, p / 2), std::min(0.9, 2 * p)}, 200);
    const double cG = mix[0], cB = mix[1], eG = mix[2], eB = mix[3];
    std::vector<Zweiparameter> starts;
    for (const double s : {0.003, 0.03, 0.3, 1.0}) {
        // MC: per-error transitions with the mixture's weights as their stationary law.
        const Zweiparameter mc{cB * s, cG * s, eG, eB};
        if (art == Modellart::MC) {
            starts.push_back(mc);
            continue;
        }
        // GE: per bit, GOOD is left about once per 1/(eG q(B|G)) bits.
        starts.push_back({eG * mc[0], eB * mc[1], eG, eB});
        if (s < 0.5) starts.push_back({eG * mc[0], eB * mc[1], eG * 1e-3, eB});
    }
    starts.insert(starts.end(), weitere.begin(), weitere.end());
    for (auto& t : starts)
        for (double& v : t) v = std::clamp(std::isfinite(v) ? v : 0.5, RAND, 1 - RAND);
    return starts;
}

Rohanpassung zweiAnpassen(Modellart art, const Abstandswerte& w, std::uint64_t rest,
                          const std::vector<Zweiparameter>& starts, const Teilfortschritt& melden, const Fortschritt& halt) {
    std::vector<std::vector<double>> x;
    for (const auto& t : starts) {
        std::vector<double> v(4);
        for (std::size_t i = 0; i < 4; ++i) v[i] = logit(t[i]);
        x.push_back(v);
    }
    const std::size_t n = w.index.size();
    std::vector<Minimum> gut;
    if (n > 2 * PROBE) {
        // Trial fits on the first errors pick the basin; the whole sequence refines it.
        for (const Minimum& m : versuche(ziel(art, w, rest, PROBE), x, 4, 150, [&](double a) { melden(0.3 * a); }, halt))
            if (gut.size() < 2 && (gut.empty() || std::fabs(gut[0].f - m.f) > 1e-6 * std::fabs(m.f))) gut.push_back(m);
        // The trial's curvature, scaled to the whole sequence, lets the refinement take
        // nearly Newton steps from its first iteration.
        std::vector<Minimum> genau;
        for (std::size_t i = 0; i < gut.size() && !halt.abgebrochen(); ++i) {
            std::vector<double> H = gut[i].kruemmung;
            for (double& v : H) v *= static_cast<double>(PROBE) / static_cast<double>(n);
            genau.push_back(minimieren(ziel(art, w, rest, n), gut[i].x, 300, halt, H));
            melden(0.3 + 0.25 * static_cast<double>(i + 1));
        }
        std::sort(genau.begin(), genau.end(), [](const Minimum& a, const Minimum& b) { return a.f < b.f; });
        gut = genau;
    } else {
        gut = versuche(ziel(art, w, rest, n), x, 4, 300, [&](double a) { melden(0.8 * a); }, halt);
    }
    Rohanpassung r;
    if (gut.empty() || !std::isfinite(gut[0].f)) return r;
    Zweiparameter t = wahrscheinlichkeiten(gut[0].x);
    zustaendeOrdnen(t);
    r.lnL = -gut[0].f;
    r.konvergiert = gut[0].konvergiert;
    r.iterationen = gut[0].iterationen;

    // Estimates at the border of [0, 1] (a Gilbert channel's error-free GOOD) are set there
    // when that is no worse; they have no standard error.
    r.amRand.assign(4, false);
    for (std::size_t i = 0; i < 4; ++i) {
        if (t[i] > RAND && t[i] < 1 - RAND) continue;
        Zweiparameter rand = t;
        rand[i] = t[i] <= RAND ? 0.0 : 1.0;
        const double l = zweiLnL(art, rand, w, rest);
        if (l >= r.lnL - 1e-6) {
            t = rand;
            r.lnL = std::max(r.lnL, l);
            r.amRand[i] = true;
        }
    }
    r.theta.assign(t.begin(), t.end());
    r.standardfehler.assign(4, std::nullopt);
    std::vector<std::size_t> frei;
    std::vector<double> mitte, schritt;
    for (std::size_t i = 0; i < 4; ++i) {
        if (r.amRand[i]) continue;
        frei.push_back(i);
        mitte.push_back(t[i]);
        schritt.push_back(std::max(1e-4 * std::min(t[i], 1 - t[i]), 1e-13));
    }
    melden(0.85);
    if (const auto C = kovarianz(lnLNatuerlich(art, w, rest, t, frei), mitte, schritt))
        for (std::size_t j = 0; j < frei.size(); ++j) r.standardfehler[frei[j]] = std::sqrt((*C)[j * frei.size() + j]);
    melden(1.0);
    return r;
}

}  // namespace zor
