#pragma once
// A number that carries its first derivatives along (forward-mode differentiation), so
// the likelihoods give exact gradients from the same code that gives their values.

#include <array>
#include <cmath>

namespace zor {

template <int N>
struct Dual {
    double v = 0;
    std::array<double, N> d{};

    Dual() = default;
    Dual(double wert) : v(wert) {}  // a constant: no derivative
    // The i-th variable with value `wert`.
    static Dual variable(double wert, int i) {
        Dual x(wert);
        x.d[static_cast<std::size_t>(i)] = 1;
        return x;
    }

    Dual& operator+=(const Dual& b) {
        v += b.v;
        for (int i = 0; i < N; ++i) d[i] += b.d[i];
        return *this;
    }
    Dual& operator-=(const Dual& b) {
        v -= b.v;
        for (int i = 0; i < N; ++i) d[i] -= b.d[i];
        return *this;
    }
    Dual& operator*=(double s) {
        v *= s;
        for (int i = 0; i < N; ++i) d[i] *= s;
        return *this;
    }
    friend Dual operator+(Dual a, const Dual& b) { return a += b; }
    friend Dual operator-(Dual a, const Dual& b) { return a -= b; }
    friend Dual operator-(const Dual& a) { return Dual(0.0) - a; }
    friend Dual operator*(const Dual& a, const Dual& b) {
        Dual r;
        r.v = a.v * b.v;
        for (int i = 0; i < N; ++i) r.d[i] = a.v * b.d[i] + a.d[i] * b.v;
        return r;
    }
    friend Dual operator*(Dual a, double s) { return a *= s; }
    friend Dual operator*(double s, Dual a) { return a *= s; }
    friend Dual operator/(const Dual& a, const Dual& b) {
        Dual r;
        r.v = a.v / b.v;
        for (int i = 0; i < N; ++i) r.d[i] = (a.d[i] - r.v * b.d[i]) / b.v;
        return r;
    }
    friend Dual log(const Dual& a) {
        Dual r;
        r.v = std::log(a.v);
        for (int i = 0; i < N; ++i) r.d[i] = a.d[i] / a.v;
        return r;
    }
    friend Dual exp(const Dual& a) {
        Dual r;
        r.v = std::exp(a.v);
        for (int i = 0; i < N; ++i) r.d[i] = a.d[i] * r.v;
        return r;
    }
    friend Dual ldexp(Dual a, int e) {
        a.v = std::ldexp(a.v, e);
        for (int i = 0; i < N; ++i) a.d[i] = std::ldexp(a.d[i], e);
        return a;
    }
};

// The value of a plain number or a Dual, for decisions that do not depend on derivatives.
inline double wertVon(double x) { return x; }
template <int N>
double wertVon(const Dual<N>& x) { return x.v; }

}  // namespace zor
