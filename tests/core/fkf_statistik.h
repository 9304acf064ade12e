#pragma once
// Exact curves and standard errors of the simulated curves, derived from the models
// themselves. Every model is written as a hidden Markov chain over at most three states:
// M0[s][t] is the probability of a correct bit in state s followed by state t, M1[s][t]
// that of an error; unused states stay zero. A per-bit model (BSC, GE) changes state
// after every bit, a gap model (MC, SW) only after errors.

#include "core/models/zor_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kurvenstatistik {

using Vek = std::array<double, 3>;
using Mat = std::array<Vek, 3>;
inline const Mat I3 = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

inline Vek operator*(const Vek& v, const Mat& a) {
    Vek r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[j] += v[i] * a[i][j];
    return r;
}
inline Mat operator*(const Mat& a, const Mat& b) { return {a[0] * b, a[1] * b, a[2] * b}; }
inline Mat operator+(Mat a, const Mat& b) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) a[i][j] += b[i][j];
    return a;
}
inline double summe(const Vek& v) { return v[0] + v[1] + v[2]; }

struct Kette {
    Mat M0{}, M1{};
};

// Normalised after each step: float parameters need not sum to 1 exactly.
inline Vek stationaer(const Mat& P) {
    Vek v{1, 1, 1};
    for (int r = 0; r < 20000; ++r) {
        v = v * P;
        const double s = summe(v);
        for (double& x : v) x /= s;
    }
    return v;
}
// (I - M0)^-1 M1: from the state after one error to the state after the next.
inline Mat nachFehler(const Kette& k) {
    Mat K = k.M1;
    for (int r = 0; r < 100000; ++r) K = k.M1 + k.M0 * K;
    return K;
}

// e[s]: error probability in state s; P: the state transitions.
inline Kette kette(const std::vector<double>& e, const std::vector<Vek>& P, bool jeBit) {
    Kette k;
    for (std::size_t s = 0; s < e.size(); ++s) {
        for (std::size_t t = 0; t < e.size(); ++t) {
            k.M1[s][t] = e[s] * P[s][t];
            if (jeBit) k.M0[s][t] = (1 - e[s]) * P[s][t];
        }
        if (!jeBit) k.M0[s][s] = 1 - e[s];
    }
    return k;
}

// A model with the values of set `satz` of the start state; BSC set 2 is simulated gap by gap.
struct Modellfall {
    zor::Modellart art;
    int satz;
};
inline const std::vector<Modellfall> MODELLE = {{zor::Modellart::BSC, 0}, {zor::Modellart::BSC, 1}, {zor::Modellart::GE, 0},
                                                {zor::Modellart::GE, 1},  {zor::Modellart::MC, 0},  {zor::Modellart::MC, 1},
                                                {zor::Modellart::SW, 0},  {zor::Modellart::SW, 1}};
inline std::string fallname(const ::testing::TestParamInfo<Modellfall>& i) {
    const char* namen[] = {"", "BSC", "GE", "MC", "SW"};
    return namen[static_cast<int>(i.param.art)] + std::string("_Satz") + std::to_string(i.param.satz + 1);
}

// The start state with N bits in that set, by theory until the caller sets sim.
inline zor::ZorState zustand(const Modellfall& fall, float N) {
    using namespace zor;
    ZorState s = startZustand();
    modellVon(s, fall.satz) = static_cast<std::int16_t>(modellId(fall.art, fall.satz));
    simVon(s, fall.satz) = 0;
    s.BSC_simfabs2 = 1;
    bscWerte(s, fall.satz)[bsc::Durchlaeufe] = N;
    for (auto* w : {&geWerte(s, fall.satz), &mcWerte(s, fall.satz)}) {
        (*w)[gemc::Durchlaeufe] = N;
        // GE set 2 starts with p(B|B) + p(G|B) = 1.01; the generators read p(G|B) only.
        (*w)[gemc::Bad_From_Bad] = 1 - (*w)[gemc::Good_From_Bad];
    }
    swWerte(s, fall.satz)[sw::Durchlaeufe] = N;
    return s;
}

// States of GE and MC: 0 = GOOD, 1 = BAD.
inline Kette kette(const zor::ZorState& z, const Modellfall& fall) {
    using namespace zor;
    if (fall.art == Modellart::BSC) return kette({bscWerte(z, fall.satz)[bsc::p]}, {{1, 0, 0}}, true);
    if (fall.art == Modellart::SW) {
        const auto& w = swWerte(z, fall.satz);
        const Vek c = {w[sw::pZ1], w[sw::pZ2], w[sw::pZ3]};
        return kette({w[sw::pFehlerZ1], w[sw::pFehlerZ2], w[sw::pFehlerZ3]}, {c, c, c}, false);
    }
    const auto& w = fall.art == Modellart::GE ? geWerte(z, fall.satz) : mcWerte(z, fall.satz);
    const double gg = w[gemc::Good_From_Good], gb = w[gemc::Good_From_Bad];
    return kette({w[gemc::Good], w[gemc::Bad]}, {{gg, 1 - gg, 0}, {gb, 1 - gb, 0}}, fall.art == Modellart::GE);
}

// A curve's exact values and the standard errors of its estimate.
struct Erwartung {
    std::vector<double> wert, se;
};

// R(k), k = 0..D, and the standard error of the general estimate (1/N) sum b[n] b[n + k].
inline Erwartung fkfAllgemein(const Kette& k, int D, double N) {
    const Mat M = k.M0 + k.M1;
    const Vek pi = stationaer(M);
    constexpr int L = 3000;
    std::vector<Mat> potenz(L + 2 * D + 2, I3);
    for (std::size_t i = 1; i < potenz.size(); ++i) potenz[i] = potenz[i - 1] * M;
    // Probability that all of the given positions hold an error.
    auto alle = [&](std::vector<int> pos) {
        std::sort(pos.begin(), pos.end());
        pos.erase(std::unique(pos.begin(), pos.end()), pos.end());
        Vek v = pi * k.M1;
        for (std::size_t i = 1; i < pos.size(); ++i) v = v * potenz[pos[i] - pos[i - 1] - 1] * k.M1;
        return summe(v);
    };
    Erwartung e;
    for (int lag = 0; lag <= D; ++lag) {
        const double r = alle({0, lag});
        double var = r - r * r;
        for (int l = 1; l < L; ++l) var += 2 * (alle({0, lag, l, l + lag}) - r * r);
        e.wert.push_back(r);
        e.se.push_back(std::sqrt(var / N));
    }
    return e;
}

// P(a >= j), j = 1..d, and its standard error from about N * rate gaps that follow a
// Markov chain of the state after each error.
inline Erwartung fav(const Kette& k, int d, double N) {
    const Mat K = nachFehler(k);
    const Vek nu = stationaer(K);
    const double luecken = N * summe(stationaer(k.M0 + k.M1) * k.M1);
    Erwartung e;
    Mat M0j = I3;  // M0^(j - 1); A = M0^(j - 1) K: gap >= j, then the next state
    for (int j = 1; j <= d; ++j, M0j = M0j * k.M0) {
        const Mat A = M0j * K;
        Vek v = nu * A;  // nu A K^(l - 1)
        const double mu = summe(v);
        double var = mu * (1 - mu);
        for (int l = 1; l < 5000; ++l, v = v * K) var += 2 * (summe(v * A) - mu * mu);
        e.wert.push_back(mu);
        e.se.push_back(std::sqrt(std::max(var, 0.0) / luecken));
    }
    return e;
}

// Standard error of the renewal estimate for a renewal process (independent gaps with
// law f; BSC and SW), by the delta method on R(0) = rate and on the renewal function
// u(k) = R(k) / R(0); their errors are added, which bounds any correlation between them.
inline std::vector<double> fkfErneuerndSE(const Kette& k, int D, double N) {
    const auto Du = static_cast<std::size_t>(D);
    std::vector<double> f(Du + 1), u(Du + 1), w(Du + 1);
    Vek v = stationaer(nachFehler(k));  // nu M0^(j - 1)
    double mittel = 0, quadrat = 0;
    for (std::size_t j = 1; j < 200000; ++j, v = v * k.M0) {
        const double fj = summe(v * k.M1);
        if (j <= Du) f[j] = fj;
        mittel += static_cast<double>(j) * fj;
        quadrat += static_cast<double>(j * j) * fj;
    }
    // u = 1 + f * u (convolution); its derivative by f[j] at m is w[m - j], w = u * u.
    u[0] = 1;
    for (std::size_t m = 1; m <= Du; ++m)
        for (std::size_t i = 1; i <= m; ++i) u[m] += f[i] * u[m - i];
    for (std::size_t m = 0; m <= Du; ++m)
        for (std::size_t i = 0; i <= m; ++i) w[m] += u[i] * u[m - i];
    const double n = N / mittel, R0 = 1 / mittel;
    const double cvR0 = std::sqrt((quadrat - mittel * mittel) / (mittel * mittel) / n);
    std::vector<double> se(Du + 1, R0 * cvR0);
    for (std::size_t m = 1; m <= Du; ++m) {
        double s1 = 0, s2 = 0;
        for (std::size_t j = 1; j <= m; ++j) {
            s1 += w[m - j] * w[m - j] * f[j];
            s2 += w[m - j] * f[j];
        }
        se[m] = R0 * (u[m] * cvR0 + std::sqrt(std::max(s1 - s2 * s2, 0.0) / n));
    }
    return se;
}

}  // namespace kurvenstatistik
