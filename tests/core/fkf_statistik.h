#pragma once
// Standard errors of the simulated curves, derived from the models themselves. Every
// model is written as a hidden Markov chain over its states: M0[s][t] is the probability
// of a correct bit in state s followed by state t, M1[s][t] that of an error. A per-bit
// model (BSC, GE) changes state after every bit, a gap model (MC, SW) only after errors.
// From these the exact covariances of the estimators follow.

#include "models/zor_state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kurvenstatistik {

constexpr int MAXZ = 3;
using Vek = std::array<double, MAXZ>;
using Mat = std::array<Vek, MAXZ>;

struct Kette {
    int n = 1;
    Mat M0{}, M1{};
};

inline Mat mal(const Kette& k, const Mat& a, const Mat& b) {
    Mat c{};
    for (int i = 0; i < k.n; ++i)
        for (int j = 0; j < k.n; ++j)
            for (int l = 0; l < k.n; ++l) c[i][j] += a[i][l] * b[l][j];
    return c;
}
inline Vek links(const Kette& k, const Vek& v, const Mat& a) {
    Vek r{};
    for (int i = 0; i < k.n; ++i)
        for (int j = 0; j < k.n; ++j) r[j] += v[i] * a[i][j];
    return r;
}
inline double summe(const Kette& k, const Vek& v) {
    double s = 0;
    for (int i = 0; i < k.n; ++i) s += v[i];
    return s;
}
inline Mat plus(const Kette& k, const Mat& a, const Mat& b) {
    Mat c{};
    for (int i = 0; i < k.n; ++i)
        for (int j = 0; j < k.n; ++j) c[i][j] = a[i][j] + b[i][j];
    return c;
}
inline Mat einheit(const Kette& k) {
    Mat e{};
    for (int i = 0; i < k.n; ++i) e[i][i] = 1;
    return e;
}
inline Vek stationaer(const Kette& k, const Mat& P) {
    Vek v{};
    for (int i = 0; i < k.n; ++i) v[i] = 1.0 / k.n;
    for (int r = 0; r < 20000; ++r) {
        v = links(k, v, P);
        const double s = summe(k, v);  // float parameters need not sum to 1 exactly
        for (int i = 0; i < k.n; ++i) v[i] /= s;
    }
    return v;
}
// (I - M0)^-1 M1: from the state after one error to the state after the next.
inline Mat nachFehler(const Kette& k) {
    Mat S = einheit(k), potenz = einheit(k);
    for (int r = 0; r < 100000; ++r) {
        potenz = mal(k, potenz, k.M0);
        S = plus(k, S, potenz);
    }
    Mat K = mal(k, S, k.M1);
    for (int i = 0; i < k.n; ++i) {  // float parameters need not sum to 1 exactly
        const double z = summe(k, K[i]);
        for (int j = 0; j < k.n; ++j) K[i][j] /= z;
    }
    return K;
}

inline Kette bsc(double p) {
    Kette k;
    k.M0[0][0] = 1 - p;
    k.M1[0][0] = p;
    return k;
}
// States 0 = GOOD, 1 = BAD.
inline Kette ge(const zor::ModellWerte& w) {
    Kette k;
    k.n = 2;
    const double gg = w[zor::gemc::Good_From_Good], gb = w[zor::gemc::Good_From_Bad];
    const double P[2][2] = {{gg, 1 - gg}, {gb, 1 - gb}};
    const double e[2] = {w[zor::gemc::Good], w[zor::gemc::Bad]};
    for (int s = 0; s < 2; ++s)
        for (int t = 0; t < 2; ++t) {
            k.M0[s][t] = (1 - e[s]) * P[s][t];
            k.M1[s][t] = e[s] * P[s][t];
        }
    return k;
}
inline Kette mc(const zor::ModellWerte& w) {
    Kette k;
    k.n = 2;
    const double gg = w[zor::gemc::Good_From_Good], gb = w[zor::gemc::Good_From_Bad];
    const double Q[2][2] = {{gg, 1 - gg}, {gb, 1 - gb}};
    const double e[2] = {w[zor::gemc::Good], w[zor::gemc::Bad]};
    for (int s = 0; s < 2; ++s) {
        k.M0[s][s] = 1 - e[s];
        for (int t = 0; t < 2; ++t) k.M1[s][t] = e[s] * Q[s][t];
    }
    return k;
}
inline Kette sw(const zor::ModellWerte& w) {
    Kette k;
    k.n = 3;
    const double c[3] = {w[zor::sw::pZ1], w[zor::sw::pZ2], w[zor::sw::pZ3]};
    const double e[3] = {w[zor::sw::pFehlerZ1], w[zor::sw::pFehlerZ2], w[zor::sw::pFehlerZ3]};
    for (int s = 0; s < 3; ++s) {
        k.M0[s][s] = 1 - e[s];
        for (int t = 0; t < 3; ++t) k.M1[s][t] = e[s] * c[t];
    }
    return k;
}

// Error rate per bit.
inline double fehlerrate(const Kette& k) {
    const Vek pi = stationaer(k, plus(k, k.M0, k.M1));
    return summe(k, links(k, pi, k.M1));
}

// Standard error of the general estimate R(k) = (1/N) sum b[n] b[n + k], k = 0..D.
inline std::vector<double> fkfAllgemeinSE(const Kette& k, int D, double N) {
    const Mat M = plus(k, k.M0, k.M1);
    const Vek pi = stationaer(k, M);
    constexpr int L = 3000;
    std::vector<Mat> potenz(L + 2 * D + 2);
    potenz[0] = einheit(k);
    for (std::size_t i = 1; i < potenz.size(); ++i) potenz[i] = mal(k, potenz[i - 1], M);
    // Probability that all of the sorted, distinct positions hold an error.
    auto alle = [&](std::vector<int> pos) {
        Vek v = links(k, pi, k.M1);
        for (std::size_t i = 1; i < pos.size(); ++i) v = links(k, links(k, v, potenz[pos[i] - pos[i - 1] - 1]), k.M1);
        return summe(k, v);
    };
    auto menge = [](std::vector<int> p) {
        std::sort(p.begin(), p.end());
        p.erase(std::unique(p.begin(), p.end()), p.end());
        return p;
    };
    std::vector<double> se(static_cast<std::size_t>(D) + 1);
    for (int lag = 0; lag <= D; ++lag) {
        const double r = alle(menge({0, lag}));
        double var = r - r * r;
        for (int l = 1; l < L; ++l) var += 2 * (alle(menge({0, lag, l, l + lag})) - r * r);
        se[static_cast<std::size_t>(lag)] = std::sqrt(var / N);
    }
    return se;
}

// Standard error of P(a >= k), k = 1..d, from about N * rate gaps that follow a Markov
// chain of the state after each error.
inline std::vector<double> favSE(const Kette& k, int d, double N) {
    const Mat K = nachFehler(k);
    const Vek nu = stationaer(k, K);
    const double luecken = N * fehlerrate(k);
    std::vector<double> se(static_cast<std::size_t>(d));
    Mat M0k = einheit(k);  // M0^(j - 1); A = M0^(j - 1) K: gap >= j, then the next state
    for (int j = 1; j <= d; ++j) {
        const Mat A = mal(k, M0k, K);
        const Vek nuA = links(k, nu, A);
        const double mu = summe(k, nuA);
        double var = mu * (1 - mu);
        Vek v = nuA;  // nu A K^(l-1)
        for (int l = 1; l < 5000; ++l) {
            var += 2 * (summe(k, links(k, v, A)) - mu * mu);
            v = links(k, v, K);
        }
        se[static_cast<std::size_t>(j - 1)] = std::sqrt(std::max(var, 0.0) / luecken);
        M0k = mal(k, M0k, k.M0);
    }
    return se;
}

// Standard error of the renewal estimate for a renewal process (independent gaps with
// law f; BSC and SW), by the delta method on R(0) = rate and on the renewal function
// u(k) = R(k) / R(0); their errors are added, which bounds any correlation between them.
inline std::vector<double> fkfErneuerndSE(const Kette& k, int D, double N) {
    const Mat K = nachFehler(k);
    const Vek nu = stationaer(k, K);
    const auto Du = static_cast<std::size_t>(D);
    std::vector<double> f(Du + 1), u(Du + 1);
    Mat M0k = einheit(k);
    double mittel = 0, quadrat = 0;
    for (int j = 1; j < 200000; ++j) {
        const double fj = summe(k, links(k, links(k, nu, M0k), k.M1));
        if (j <= D) f[static_cast<std::size_t>(j)] = fj;
        mittel += j * fj;
        quadrat += double(j) * j * fj;
        M0k = mal(k, M0k, k.M0);
    }
    const double n = N / mittel;
    const double cvR0 = std::sqrt((quadrat - mittel * mittel) / (mittel * mittel) / n);
    u[0] = 1;
    for (std::size_t m = 1; m <= Du; ++m)
        for (std::size_t i = 1; i <= m; ++i) u[m] += f[i] * u[m - i];
    // du[m] / df[j], for each j.
    std::vector<std::vector<double>> ab(Du + 1, std::vector<double>(Du + 1, 0.0));
    for (std::size_t j = 1; j <= Du; ++j)
        for (std::size_t m = 1; m <= Du; ++m) {
            double d = m >= j ? u[m - j] : 0.0;
            for (std::size_t i = 1; i <= m; ++i) d += f[i] * ab[j][m - i];
            ab[j][m] = d;
        }
    std::vector<double> se(Du + 1);
    const double R0 = 1 / mittel;
    se[0] = R0 * cvR0;
    for (std::size_t m = 1; m <= Du; ++m) {
        double s1 = 0, s2 = 0;
        for (std::size_t j = 1; j <= Du; ++j) {
            s1 += ab[j][m] * ab[j][m] * f[j];
            s2 += ab[j][m] * f[j];
        }
        const double sdU = std::sqrt(std::max(s1 - s2 * s2, 0.0) / n);
        se[m] = R0 * u[m] * cvR0 + R0 * sdU;
    }
    return se;
}

}  // namespace kurvenstatistik
