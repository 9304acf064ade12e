#pragma once
// The likelihood of an error sequence under a hidden two-state chain (GOOD, BAD), gap by
// gap: a gap g is g - 1 correct bits and an error, so it contributes korrekt^(g-1) * fehler.
// Both GE and MC are of this form; only the two matrices and the start law differ.
// Powers are built once per distinct gap; the pass over the errors is one 2x2 product each.
// Written for plain numbers and for Dual, which then yields the exact gradient.

#include "core/anpassung/abstandsfolge.h"
#include "core/anpassung/dual.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

namespace zor {

// A row vector over the states GOOD, BAD.
template <class T>
struct Zeile2 {
    T g, b;
};

// Row: from, column: to.
template <class T>
struct Matrix2 {
    T gg, gb, bg, bb;
};

template <class T>
Matrix2<T> mal(const Matrix2<T>& a, const Matrix2<T>& b) {
    return {a.gg * b.gg + a.gb * b.bg, a.gg * b.gb + a.gb * b.bb, a.bg * b.gg + a.bb * b.bg, a.bg * b.gb + a.bb * b.bb};
}

template <class T>
Zeile2<T> mal(const Zeile2<T>& z, const Matrix2<T>& m) {
    return {z.g * m.gg + z.b * m.bg, z.g * m.gb + z.b * m.bb};
}

// A matrix times 2^exponent with entries kept near 1: powers for gaps of millions of bits
// would leave the range of doubles otherwise.
template <class T>
struct Skaliert {
    Matrix2<T> m;
    long exponent = 0;
};

template <class T>
Skaliert<T> normiert(Skaliert<T> s) {
    using std::ldexp;
    const double groesste = std::max({std::fabs(wertVon(s.m.gg)), std::fabs(wertVon(s.m.gb)),
                                      std::fabs(wertVon(s.m.bg)), std::fabs(wertVon(s.m.bb))});
    if (!(groesste > 0) || !std::isfinite(groesste)) return s;
    int e = 0;
    std::frexp(groesste, &e);
    s.m = {ldexp(s.m.gg, -e), ldexp(s.m.gb, -e), ldexp(s.m.bg, -e), ldexp(s.m.bb, -e)};
    s.exponent += e;
    return s;
}

template <class T>
Skaliert<T> mal(const Skaliert<T>& a, const Skaliert<T>& b) {
    return normiert(Skaliert<T>{mal(a.m, b.m), a.exponent + b.exponent});
}

// Powers of one matrix for ascending exponents, each from the last by repeated squares.
template <class T>
class Potenzreihe {
public:
    explicit Potenzreihe(const Matrix2<T>& m) : aktuell_{{T(1.0), T(0.0), T(0.0), T(1.0)}, 0} {
        quadrate_.push_back(normiert(Skaliert<T>{m, 0}));
    }
    // m^n; n must not be below the previous call's.
    const Skaliert<T>& bis(std::uint64_t n) {
        aktuell_ = mal(aktuell_, potenz(n - n_));
        n_ = n;
        return aktuell_;
    }
    // m^n on its own.
    Skaliert<T> potenz(std::uint64_t n) {
        Skaliert<T> p{{T(1.0), T(0.0), T(0.0), T(1.0)}, 0};
        for (std::size_t j = 0; n != 0; ++j, n >>= 1) {
            if (j == quadrate_.size()) quadrate_.push_back(mal(quadrate_.back(), quadrate_.back()));
            if (n & 1u) p = mal(p, quadrate_[j]);
        }
        return p;
    }

private:
    std::vector<Skaliert<T>> quadrate_;  // m^(2^j)
    Skaliert<T> aktuell_;
    std::uint64_t n_ = 0;
};

template <class T>
struct Zweizustandsmodell {
    Matrix2<T> korrekt;  // one correct bit, with the state change that follows it
    Matrix2<T> fehler;   // one error, with the state change that follows it
    Zeile2<T> start;     // the state law of the first bit
};

// ln L of the whole sequence (gaps of `w`, in order, then `rest` correct bits); -inf when
// the model cannot produce it. `fehlerZahl` limits the pass to the first errors.
template <class T>
T logLikelihood(const Zweizustandsmodell<T>& m, const Abstandswerte& w, std::uint64_t rest,
                std::size_t fehlerZahl = std::numeric_limits<std::size_t>::max()) {
    using std::ldexp;
    using std::log;
    const T minusUnendlich(-std::numeric_limits<double>::infinity());
    Potenzreihe<T> korrekt(m.korrekt);
    const Skaliert<T> fehler = normiert(Skaliert<T>{m.fehler, 0});
    std::vector<Matrix2<T>> gap(w.werte.size());
    std::vector<long> exponent(w.werte.size());
    for (std::size_t i = 0; i < w.werte.size(); ++i) {
        const Skaliert<T> a = mal(korrekt.bis(w.werte[i] - 1u), fehler);
        gap[i] = a.m;
        exponent[i] = a.exponent;
    }

    Zeile2<T> a = m.start;
    long e2 = 0;
    const std::size_t n = std::min(fehlerZahl, w.index.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t k = w.index[i];
        a = mal(a, gap[k]);
        e2 += exponent[k];
        const double summe = wertVon(a.g) + wertVon(a.b);
        if (summe > 0x1p-500 && summe < 0x1p500) continue;
        if (!(summe > 0) || !std::isfinite(summe)) return minusUnendlich;
        int e = 0;
        std::frexp(summe, &e);
        a = {ldexp(a.g, -e), ldexp(a.b, -e)};
        e2 += e;
    }
    // The correct bits after the last error: korrekt^rest times a column of ones.
    const Skaliert<T> r = korrekt.potenz(n < w.index.size() ? 0 : rest);
    const T ende = a.g * (r.m.gg + r.m.gb) + a.b * (r.m.bg + r.m.bb);
    if (!(wertVon(ende) > 0)) return minusUnendlich;
    return log(ende) + T(static_cast<double>(e2 + r.exponent) * std::numbers::ln2);
}

// P(gap >= k) in the long run, for ascending k: the state law just after an error is the
// stationary law of the chain from gap to gap, (1 - korrekt)^-1 * fehler.
class Zweizustandsabstaende {
public:
    explicit Zweizustandsabstaende(const Zweizustandsmodell<double>& m);
    // k >= 1, ascending between calls.
    double mindestens(std::uint64_t k);

private:
    Zeile2<double> nachFehler_;
    Potenzreihe<double> korrekt_;
};

inline Zweizustandsabstaende::Zweizustandsabstaende(const Zweizustandsmodell<double>& m) : korrekt_(m.korrekt) {
    // (I - M0)^-1 M1, then its stationary row vector.
    const Matrix2<double>& k = m.korrekt;
    const double det = (1 - k.gg) * (1 - k.bb) - k.gb * k.bg;
    const Matrix2<double> inv{(1 - k.bb) / det, k.gb / det, k.bg / det, (1 - k.gg) / det};
    const Matrix2<double> kette = mal(inv, m.fehler);
    const double zuB = kette.gb, zuG = kette.bg;
    nachFehler_ = zuB + zuG > 0 ? Zeile2<double>{zuG / (zuB + zuG), zuB / (zuB + zuG)} : m.start;
}

inline double Zweizustandsabstaende::mindestens(std::uint64_t k) {
    const Skaliert<double>& p = korrekt_.bis(k - 1);
    const double s = nachFehler_.g * (p.m.gg + p.m.gb) + nachFehler_.b * (p.m.bg + p.m.bb);
    return std::ldexp(s, static_cast<int>(std::max(p.exponent, -100000L)));
}

}  // namespace zor
