// The three-state model: its gaps are independent, each drawn from one of three geometric
// laws chosen anew after every error (SW_Zustand), so ln L is a sum over the histogram.
#include "core/anpassung/dual.h"
#include "core/anpassung/einzelmodelle.h"
#include "core/anpassung/optimierung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace zor {

namespace {

// ln of sum exp(a_k), for terms that may be far below the range of doubles.
template <class T>
T logSummeExp(const T (&a)[3]) {
    using std::exp;
    using std::log;
    std::size_t m = 0;
    for (std::size_t k = 1; k < 3; ++k)
        if (wertVon(a[k]) > wertVon(a[m])) m = k;
    if (!std::isfinite(wertVon(a[m]))) return a[m];
    T s(0.0);
    for (std::size_t k = 0; k < 3; ++k)
        if (k != m && std::isfinite(wertVon(a[k]))) s += exp(a[k] - a[m]);
    return a[m] + log(T(1.0) + s);
}

template <class T>
T swLogL(const std::array<T, 5>& t, const Abstandswerte& w, std::uint64_t rest) {
    using std::log;
    const T c[3] = {t[0], t[1], T(1.0) - t[0] - t[1]};
    T lc[3], le[3], l1e[3];
    for (std::size_t k = 0; k < 3; ++k) {
        if (!(wertVon(c[k]) > 0)) return T(-std::numeric_limits<double>::infinity());
        lc[k] = log(c[k]);
        le[k] = log(t[2 + k]);
        l1e[k] = log(T(1.0) - t[2 + k]);
    }
    T summe(0.0);
    for (std::size_t i = 0; i < w.werte.size(); ++i) {
        const double v = w.werte[i];
        T a[3];
        for (std::size_t k = 0; k < 3; ++k) a[k] = v == 1 ? lc[k] + le[k] : lc[k] + le[k] + (v - 1) * l1e[k];
        summe += static_cast<double>(w.anzahl[i]) * logSummeExp(a);
    }
    if (rest > 0) {
        T a[3];
        for (std::size_t k = 0; k < 3; ++k) a[k] = lc[k] + static_cast<double>(rest) * l1e[k];
        summe += logSummeExp(a);
    }
    return summe;
}

// Weights by softmax of (a1, a2, 0), error probabilities by the logistic function.
template <class T>
std::array<T, 5> natuerlich(const std::array<T, 5>& x) {
    using std::exp;
    const T g1 = exp(x[0]), g2 = exp(x[1]);
    const T n = T(1.0) + g1 + g2;
    std::array<T, 5> t{g1 / n, g2 / n, T(0.0), T(0.0), T(0.0)};
    for (std::size_t k = 2; k < 5; ++k) t[k] = T(1.0) / (T(1.0) + exp(-x[k]));
    return t;
}

std::vector<double> unbeschraenkt(const Swparameter& t) {
    const double c3 = std::max(1 - t[0] - t[1], 1e-12);
    std::vector<double> x{std::log(std::max(t[0], 1e-12) / c3), std::log(std::max(t[1], 1e-12) / c3), 0, 0, 0};
    for (std::size_t k = 2; k < 5; ++k) {
        const double e = std::clamp(t[k], 1e-9, 1 - 1e-9);
        x[k] = std::log(e / (1 - e));
    }
    return x;
}

double minus(double lnL) { return std::isfinite(lnL) ? -lnL : HUGE_VAL; }

Zielfunktion ziel(const Abstandswerte& w, std::uint64_t rest) {
    return [&w, rest](const std::vector<double>& x, std::vector<double>* g) {
        if (!g) {
            std::array<double, 5> v;
            std::copy(x.begin(), x.end(), v.begin());
            return minus(swLogL(natuerlich(v), w, rest));
        }
        std::array<Dual<5>, 5> v;
        for (int i = 0; i < 5; ++i) v[static_cast<std::size_t>(i)] = Dual<5>::variable(x[static_cast<std::size_t>(i)], i);
        const Dual<5> l = swLogL(natuerlich(v), w, rest);
        for (std::size_t i = 0; i < 5; ++i) (*g)[i] = -l.d[i];
        return minus(l.v);
    };
}

Zielfunktion lnLNatuerlich(const Abstandswerte& w, std::uint64_t rest) {
    return [&w, rest](const std::vector<double>& x, std::vector<double>* g) {
        std::array<Dual<5>, 5> t;
        for (int i = 0; i < 5; ++i) t[static_cast<std::size_t>(i)] = Dual<5>::variable(x[static_cast<std::size_t>(i)], i);
        const Dual<5> l = swLogL(t, w, rest);
        if (g) std::copy(l.d.begin(), l.d.end(), g->begin());
        return std::isfinite(l.v) ? l.v : -HUGE_VAL;
    };
}

// Components ordered by error probability, the weights with them.
Swparameter geordnet(const Swparameter& t) {
    const double c[3] = {t[0], t[1], 1 - t[0] - t[1]};
    std::array<std::size_t, 3> o{0, 1, 2};
    std::sort(o.begin(), o.end(), [&](std::size_t a, std::size_t b) { return t[2 + a] < t[2 + b]; });
    return {c[o[0]], c[o[1]], t[2 + o[0]], t[2 + o[1]], t[2 + o[2]]};
}

}  // namespace

double swLnL(const Swparameter& theta, const Abstandswerte& w, std::uint64_t rest) { return swLogL(theta, w, rest); }

Rohanpassung swAnpassen(const Abstandswerte& w, std::uint64_t rest, const Teilfortschritt& melden, const Fortschritt& halt) {
    const double p = fehlerrate(w);
    // EM on the histogram from a few spreads of the error probabilities.
    const std::vector<std::vector<double>> anfaenge = {
        {p / 4, p, std::min(0.9, 4 * p)}, {p / 10, p / 2, 0.8}, {p / 2, 2 * p, 0.5}, {p / 30, p / 3, std::min(0.95, 3 * p)}};
    const Zielfunktion f = ziel(w, rest);
    std::vector<std::pair<double, std::vector<double>>> kandidaten;
    for (std::size_t i = 0; i < anfaenge.size() && !halt.abgebrochen(); ++i) {
        std::vector<double> e = anfaenge[i];
        for (double& v : e) v = std::clamp(v, 1e-9, 1 - 1e-9);
        const std::vector<double> m = geometrischeMischung(w, e, 100);
        const std::vector<double> x = unbeschraenkt({m[0], m[1], m[3], m[4], m[5]});
        kandidaten.emplace_back(f(x, nullptr), x);
        melden(0.1 * static_cast<double>(i + 1));
    }
    std::sort(kandidaten.begin(), kandidaten.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    Minimum best;
    best.f = HUGE_VAL;
    for (std::size_t i = 0; i < std::min<std::size_t>(2, kandidaten.size()) && !halt.abgebrochen(); ++i) {
        const Minimum m = minimieren(f, kandidaten[i].second, 400, halt);
        if (m.f < best.f) best = m;
        melden(0.4 + 0.25 * static_cast<double>(i + 1));
    }
    Rohanpassung r;
    if (!std::isfinite(best.f)) return r;
    std::array<double, 5> x;
    std::copy(best.x.begin(), best.x.end(), x.begin());
    const Swparameter t = geordnet(natuerlich(x));
    const double c3 = 1 - t[0] - t[1];
    r.theta = {t[0], t[1], c3, t[2], t[3], t[4]};  // pZ1, pZ2, pZ3, e1, e2, e3
    r.lnL = -best.f;
    r.konvergiert = best.konvergiert;
    r.iterationen = best.iterationen;
    r.amRand.assign(6, false);
    r.standardfehler.assign(6, std::nullopt);
    std::vector<double> schritt(5);
    for (std::size_t k = 0; k < 5; ++k) {
        const double rand = k < 2 ? std::min({t[k], c3, 1 - t[k]}) : std::min(t[k], 1 - t[k]);
        schritt[k] = std::max(1e-4 * rand, 1e-13);
    }
    if (const auto C = kovarianz(lnLNatuerlich(w, rest), {t.begin(), t.end()}, schritt)) {
        const auto& c = *C;
        r.standardfehler = {std::sqrt(c[0]), std::sqrt(c[6]), std::sqrt(c[0] + c[6] + 2 * c[1]),
                            std::sqrt(c[12]), std::sqrt(c[18]), std::sqrt(c[24])};
    }
    melden(1.0);
    return r;
}

}  // namespace zor
