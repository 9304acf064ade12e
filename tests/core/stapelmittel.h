#pragma once
// Ratio estimates (errors per bit, bits per run, long gaps per gap) from a long correlated
// sequence, with their standard error by batch means: the sequence is cut into batches
// much longer than its correlation, and the spread of the batches gives the error.

#include <cmath>
#include <cstddef>
#include <vector>

namespace stapelmittel {

class Verhaeltnis {
public:
    // Starts the next batch.
    void stapel() {
        zaehler_.push_back(0);
        nenner_.push_back(0);
    }
    void zaehlen(double z, double n) {
        zaehler_.back() += z;
        nenner_.back() += n;
    }
    double wert() const { return summe(zaehler_) / summe(nenner_); }
    // Var(A / B) ~ n / B^2 * var(a_i - r b_i) over the n batches.
    double sigma() const {
        const double r = wert(), B = summe(nenner_);
        const double n = static_cast<double>(zaehler_.size());
        double s2 = 0;
        for (std::size_t i = 0; i < zaehler_.size(); ++i) {
            const double d = zaehler_[i] - r * nenner_[i];
            s2 += d * d;
        }
        return std::sqrt(n * s2 / (n - 1)) / B;
    }

private:
    static double summe(const std::vector<double>& v) {
        double s = 0;
        for (double x : v) s += x;
        return s;
    }
    std::vector<double> zaehler_, nenner_;
};

// How many standard errors apart an estimate and a value are.
inline double abweichung(const Verhaeltnis& a, double erwartet) { return std::fabs(a.wert() - erwartet) / a.sigma(); }
// The same for two independent estimates.
inline double abweichung(const Verhaeltnis& a, const Verhaeltnis& b) {
    return std::fabs(a.wert() - b.wert()) / std::hypot(a.sigma(), b.sigma());
}

}  // namespace stapelmittel
