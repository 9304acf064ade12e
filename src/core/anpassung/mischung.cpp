// A mixture of geometric gap laws fitted to a gap histogram by EM: the starting points of
// the state models, whose gap laws are such mixtures.
#include "core/anpassung/einzelmodelle.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zor {

std::vector<double> geometrischeMischung(const Abstandswerte& w, std::vector<double> e, int schritte) {
    const std::size_t k = e.size();
    std::vector<double> c(k, 1.0 / static_cast<double>(k)), t(k), A(k), B(k);
    double gesamt = 0;
    for (const std::uint64_t a : w.anzahl) gesamt += static_cast<double>(a);
    for (int s = 0; s < schritte; ++s) {
        std::fill(A.begin(), A.end(), 0.0);
        std::fill(B.begin(), B.end(), 0.0);
        for (std::size_t i = 0; i < w.werte.size(); ++i) {
            const double v = w.werte[i];
            for (std::size_t j = 0; j < k; ++j) t[j] = std::log(c[j] * e[j]) + (v - 1) * std::log1p(-e[j]);
            const double m = *std::max_element(t.begin(), t.end());
            double summe = 0;
            for (std::size_t j = 0; j < k; ++j) summe += t[j] = std::exp(t[j] - m);
            for (std::size_t j = 0; j < k; ++j) {
                const double r = static_cast<double>(w.anzahl[i]) * t[j] / summe;
                A[j] += r;
                B[j] += r * v;
            }
        }
        for (std::size_t j = 0; j < k; ++j) {
            c[j] = std::max(A[j] / std::max(gesamt, 1.0), 1e-12);
            e[j] = B[j] > 0 ? std::clamp(A[j] / B[j], 1e-12, 1 - 1e-12) : e[j];
        }
    }
    std::vector<std::size_t> ordnung(k);
    std::iota(ordnung.begin(), ordnung.end(), 0);
    std::sort(ordnung.begin(), ordnung.end(), [&](std::size_t a, std::size_t b) { return e[a] < e[b]; });
    std::vector<double> r;
    for (const std::size_t j : ordnung) r.push_back(c[j]);
    for (const std::size_t j : ordnung) r.push_back(e[j]);
    return r;
}

}  // namespace zor
