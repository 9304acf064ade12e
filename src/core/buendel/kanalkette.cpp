#include "core/buendel/kanalkette.h"

#include <algorithm>

namespace zor {

namespace {

using Matrix = Kanalkette::Matrix;
constexpr int G = 0, B = 1;  // GOOD and BAD as chain states

double d(float v) { return static_cast<double>(v); }

// Shares proportional to the weights, or equal shares when all are 0 (the start-state
// draws then split the unit interval evenly as well).
std::array<double, 3> normiert(std::array<double, 3> w, int n) {
    double summe = 0;
    for (int i = 0; i < n; ++i) summe += w[static_cast<std::size_t>(i)];
    for (int i = 0; i < n; ++i) w[static_cast<std::size_t>(i)] = summe > 0 ? w[static_cast<std::size_t>(i)] / summe : 1.0 / n;
    return w;
}

Matrix mal(const Matrix& a, const Matrix& b, int n) {
    Matrix c{};
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k)
            for (int j = 0; j < n; ++j) c[i][j] += a[i][k] * b[k][j];
    return c;
}

// Per-error state changes in a two-state model (MC): stay GOOD with w[Good_From_Good],
// come back from BAD with w[Good_From_Bad].
void zweiZustaende(Matrix& t, const ModellWerte& w) {
    const double gg = d(w[gemc::Good_From_Good]), gb = d(w[gemc::Good_From_Bad]);
    t[G] = {gg, 1 - gg, 0};
    t[B] = {gb, 1 - gb, 0};
}

}  // namespace

Kanalkette bscKette(double p) {
    Kanalkette k;
    k.start[0] = 1;
    k.K0[0][0] = 1 - p;
    k.K1[0][0] = p;
    return k;
}

Kanalkette geKette(const ModellWerte& w) {
    Kanalkette k;
    k.zustaende = 2;
    Matrix t{};
    zweiZustaende(t, w);
    const double e[2] = {d(w[gemc::Good]), d(w[gemc::Bad])};
    for (int s : {G, B})
        for (int z : {G, B}) {
            k.K0[s][z] = (1 - e[s]) * t[s][z];
            k.K1[s][z] = e[s] * t[s][z];
        }
    k.start = normiert({t[B][G], t[G][B], 0}, 2);
    return k;
}

Kanalkette mcKette(const ModellWerte& w) {
    Kanalkette k;
    k.zustaende = 2;
    Matrix t{};
    zweiZustaende(t, w);
    const double e[2] = {d(w[gemc::Good]), d(w[gemc::Bad])};
    for (int s : {G, B}) {
        k.K0[s][s] = 1 - e[s];
        for (int z : {G, B}) k.K1[s][z] = e[s] * t[s][z];
    }
    // Balance of the changes per bit: pi_G eG q(B|G) = pi_B eB q(G|B).
    k.start = normiert({e[B] * t[B][G], e[G] * t[G][B], 0}, 2);
    return k;
}

Kanalkette swKette(const ModellWerte& w) {
    Kanalkette k;
    k.zustaende = 3;
    // As SW_Zustand draws: Z1 below pZ1, Z2 below pZ1 + pZ2, Z3 above.
    const double bis1 = std::min(1.0, d(w[sw::pZ1])), bis2 = std::min(1.0, d(w[sw::pZ1]) + d(w[sw::pZ2]));
    const std::array<double, 3> c = {bis1, bis2 - bis1, 1 - bis2};
    const std::array<double, 3> e = {d(w[sw::pFehlerZ1]), d(w[sw::pFehlerZ2]), d(w[sw::pFehlerZ3])};
    for (std::size_t s = 0; s < 3; ++s) {
        k.K0[s][s] = 1 - e[s];
        for (std::size_t z = 0; z < 3; ++z) k.K1[s][z] = e[s] * c[z];
    }
    // A state holds for a mean of 1/e bits per visit: pi_s ~ c_s / e_s, without dividing by 0.
    k.start = normiert({c[0] * e[1] * e[2], c[1] * e[0] * e[2], c[2] * e[0] * e[1]}, 3);
    return k;
}

std::optional<Kanalkette> kanalkette(const Satzparameter& p) {
    switch (p.art) {
    case Modellart::BSC: return bscKette(d(p.Wert[bsc::p]));
    case Modellart::GE: return geKette(p.Wert);
    case Modellart::MC: return mcKette(p.Wert);
    case Modellart::SW: return swKette(p.Wert);
    default: return std::nullopt;
    }
}

Kanalkette verschachtelt(const Kanalkette& k, std::uint64_t tiefe) {
    const int n = k.zustaende;
    Matrix schritt{}, potenz{};
    for (int i = 0; i < n; ++i) {
        potenz[i][i] = 1;
        for (int j = 0; j < n; ++j) schritt[i][j] = k.K0[i][j] + k.K1[i][j];
    }
    for (std::uint64_t e = tiefe > 0 ? tiefe - 1 : 0; e > 0; e >>= 1) {
        if (e & 1) potenz = mal(potenz, schritt, n);
        schritt = mal(schritt, schritt, n);
    }
    Kanalkette v = k;
    v.K0 = mal(k.K0, potenz, n);
    v.K1 = mal(k.K1, potenz, n);
    return v;
}

}  // namespace zor
