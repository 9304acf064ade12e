#include "core/anpassung/optimierung.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zor {

namespace {

using Vektor = std::vector<double>;

double skalar(const Vektor& a, const Vektor& b) {
    double s = 0;
    for (std::size_t i = 0; i < a.size(); ++i) s += a[i] * b[i];
    return s;
}

double betragMax(const Vektor& a) {
    double m = 0;
    for (const double v : a) m = std::max(m, std::fabs(v));
    return m;
}

// Inverse Hessian approximation, row by row.
struct Matrix {
    std::size_t n;
    Vektor a;
    explicit Matrix(std::size_t n_, double diagonale = 1) : n(n_), a(n_ * n_, 0) {
        for (std::size_t i = 0; i < n; ++i) a[i * n + i] = diagonale;
    }
    Vektor mal(const Vektor& v) const {
        Vektor r(n, 0);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j) r[i] += a[i * n + j] * v[j];
        return r;
    }
};

// H = (I - r s y') H (I - r y s') + r s s'.
void bfgs(Matrix& H, const Vektor& s, const Vektor& y, double r) {
    const std::size_t n = H.n;
    const Vektor Hy = H.mal(y);
    const double yHy = skalar(y, Hy);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            H.a[i * n + j] += -r * (s[i] * Hy[j] + Hy[i] * s[j]) + (r * r * yHy + r) * s[i] * s[j];
}

// Steps longer than this (in the unbounded variables) are shortened: far steps only
// leave the region where the quadratic model means anything.
constexpr double WEITESTER_SCHRITT = 3.0;

}  // namespace

Minimum minimieren(const Zielfunktion& f, Vektor x, int hoechstens, const Fortschritt& halt, const Vektor& kruemmung,
                   double genauigkeit) {
    const std::size_t n = x.size();
    Vektor g(n);
    Minimum m;
    m.f = f(x, &g);
    m.x = x;
    if (!std::isfinite(m.f)) return m;
    Matrix H(n, 1.0 / std::max(1.0, betragMax(g)));
    bool erster = kruemmung.size() != n * n;
    if (!erster) H.a = kruemmung;
    for (; m.iterationen < hoechstens && !halt.abgebrochen(); ++m.iterationen) {
        Vektor d = H.mal(g);
        for (double& v : d) v = -v;
        double neigung = skalar(g, d);
        if (!(neigung < 0)) {  // not downhill: start the curvature afresh
            H = Matrix(n, 1.0 / std::max(1.0, betragMax(g)));
            d = H.mal(g);
            for (double& v : d) v = -v;
            neigung = skalar(g, d);
            erster = true;
        }
        if (-neigung * 0.5 < genauigkeit) {
            m.konvergiert = true;
            break;
        }
        const double laenge = betragMax(d);
        if (laenge > WEITESTER_SCHRITT)
            for (double& v : d) v *= WEITESTER_SCHRITT / laenge;
        neigung = skalar(g, d);

        double t = 1;
        Vektor xNeu(n), gNeu(n);
        double fNeu = std::numeric_limits<double>::infinity();
        for (int versuch = 0; versuch < 60; ++versuch, t *= 0.5) {
            for (std::size_t i = 0; i < n; ++i) xNeu[i] = x[i] + t * d[i];
            fNeu = f(xNeu, &gNeu);
            if (std::isfinite(fNeu) && fNeu <= m.f + 1e-4 * t * neigung) break;
        }
        if (!std::isfinite(fNeu) || fNeu > m.f) break;  // no step helps any more

        Vektor s(n), y(n);
        for (std::size_t i = 0; i < n; ++i) s[i] = xNeu[i] - x[i], y[i] = gNeu[i] - g[i];
        const double sy = skalar(s, y);
        if (sy > 1e-12 * std::sqrt(skalar(s, s) * skalar(y, y))) {
            if (erster) H = Matrix(n, sy / skalar(y, y));
            bfgs(H, s, y, 1.0 / sy);
            erster = false;
        }
        const double abnahme = m.f - fNeu;
        x = xNeu;
        g = gNeu;
        m.f = fNeu;
        m.x = x;
        // The last digits of f no longer move: as close as arithmetic allows.
        if (abnahme <= 1e-15 * std::fabs(m.f) && -neigung * t < 1e-9 * std::max(1.0, std::fabs(m.f))) {
            m.konvergiert = true;
            break;
        }
    }
    m.kruemmung = H.a;
    return m;
}

std::optional<Vektor> kovarianz(const Zielfunktion& gradientLnL, const Vektor& theta, const Vektor& schritt) {
    const std::size_t n = theta.size();
    Matrix I(n, 0);  // minus the Hessian of ln L
    Vektor g0(n), gPlus(n);
    if (!std::isfinite(gradientLnL(theta, &g0))) return std::nullopt;
    for (std::size_t j = 0; j < n; ++j) {
        Vektor t = theta;
        t[j] = theta[j] + schritt[j];
        if (!std::isfinite(gradientLnL(t, &gPlus))) return std::nullopt;
        for (std::size_t i = 0; i < n; ++i) I.a[i * n + j] = -(gPlus[i] - g0[i]) / schritt[j];
    }
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < i; ++j) I.a[i * n + j] = I.a[j * n + i] = 0.5 * (I.a[i * n + j] + I.a[j * n + i]);

    // Cholesky I = L L', then I^-1 = L'^-1 L^-1.
    Vektor L(n * n, 0);
    for (std::size_t j = 0; j < n; ++j) {
        double d = I.a[j * n + j];
        for (std::size_t k = 0; k < j; ++k) d -= L[j * n + k] * L[j * n + k];
        if (!(d > 0) || !std::isfinite(d)) return std::nullopt;
        L[j * n + j] = std::sqrt(d);
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = I.a[i * n + j];
            for (std::size_t k = 0; k < j; ++k) s -= L[i * n + k] * L[j * n + k];
            L[i * n + j] = s / L[j * n + j];
        }
    }
    Vektor Linv(n * n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        Linv[i * n + i] = 1 / L[i * n + i];
        for (std::size_t j = 0; j < i; ++j) {
            double s = 0;
            for (std::size_t k = j; k < i; ++k) s -= L[i * n + k] * Linv[k * n + j];
            Linv[i * n + j] = s / L[i * n + i];
        }
    }
    Vektor C(n * n, 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = std::max(i, j); k < n; ++k) C[i * n + j] += Linv[k * n + i] * Linv[k * n + j];
    return C;
}

}  // namespace zor
