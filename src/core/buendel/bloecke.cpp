#include "core/buendel/bloecke.h"

#include <algorithm>
#include <cstring>

namespace zor {

namespace {

// nach[m] += a0 * von[m] + a1 * von[m - 1] for m in [0, bis); von[-1] is readable (a zero
// pad). Two lanes at a time: the compiler's cheap vectoriser leaves such loops scalar.
void beitragen(double* __restrict nach, const double* __restrict von, double a0, double a1, std::size_t bis) {
    using Zwei = double __attribute__((vector_size(16)));
    const Zwei b0 = {a0, a0}, b1 = {a1, a1};
    // von[m - 1] with an unsigned m would wrap round at m = 0.
    const double* vorher = von - 1;
    std::size_t m = 0;
    for (; m + 2 <= bis; m += 2) {
        Zwei x, y, z;
        std::memcpy(&x, von + m, sizeof x);
        std::memcpy(&y, vorher + m, sizeof y);
        std::memcpy(&z, nach + m, sizeof z);
        z += b0 * x + b1 * y;
        std::memcpy(nach + m, &z, sizeof z);
    }
    for (; m < bis; ++m) nach[m] += a0 * von[m] + a1 * vorher[m];
}

// The joint law of (state, errors so far) of a growing block; errors are counted up to
// M + 1, which stands for "more than M". Each state's row starts with a zero pad, so
// "one error fewer" can be read at m - 1 also for m = 0.
class Vorwaerts {
public:
    Vorwaerts(const Kanalkette& k, int M)
        : k_(k), breite_(static_cast<std::size_t>(M) + 2), f_(3 * (breite_ + 1)), g_(3 * (breite_ + 1)) {
        for (int s = 0; s < k.zustaende; ++s) f_[zeile(s)] = k.start[static_cast<std::size_t>(s)];
    }

    // One more bit. Only the first `belegt` entries of a state can be non-zero.
    void schritt() {
        const std::size_t letzt = breite_ - 1;                 // "more than M"
        const std::size_t bis = std::min(belegt_ + 1, letzt);  // entries below it that can become non-zero
        std::fill(g_.begin(), g_.end(), 0.0);
        for (int z = 0; z < k_.zustaende; ++z) {
            double* nach = &g_[zeile(z)];
            for (int s = 0; s < k_.zustaende; ++s) {
                const double* von = &f_[zeile(s)];
                const double a0 = k_.K0[static_cast<std::size_t>(s)][static_cast<std::size_t>(z)];
                const double a1 = k_.K1[static_cast<std::size_t>(s)][static_cast<std::size_t>(z)];
                if (a0 == 0 && a1 == 0) continue;
                beitragen(nach, von, a0, a1, bis);
                // Past M an error changes nothing: the last entry stays "more than M".
                if (belegt_ + 1 >= breite_) nach[letzt] += a1 * von[letzt - 1] + (a0 + a1) * von[letzt];
            }
        }
        f_.swap(g_);
        belegt_ = std::min(belegt_ + 1, breite_);
    }

    double summe(std::size_t m) const {
        double p = 0;
        for (int s = 0; s < k_.zustaende; ++s) p += f_[zeile(s) + m];
        return p;
    }
    std::size_t breite() const { return breite_; }

private:
    std::size_t zeile(int s) const { return static_cast<std::size_t>(s) * (breite_ + 1) + 1; }

    const Kanalkette& k_;
    std::size_t breite_;
    std::size_t belegt_ = 1;  // entries of a state that may be non-zero
    std::vector<double> f_, g_;
};

}  // namespace

// No block holds more errors than bits: counts above n need no recursion.
std::vector<double> blockverteilung(const Kanalkette& k, std::uint64_t n, int M) {
    M = std::max(M, 0);
    const int bis = static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(M), n));
    Vorwaerts v(k, bis);
    for (std::uint64_t i = 0; i < n; ++i) v.schritt();
    std::vector<double> p(static_cast<std::size_t>(M) + 2);
    for (std::size_t m = 0; m < v.breite(); ++m) p[m] = v.summe(m);
    if (bis < M) p[static_cast<std::size_t>(bis) + 1] = 0;  // "more than n" is empty
    return p;
}

std::vector<double> restfehlerkurve(const Kanalkette& k, std::span<const std::uint64_t> laengen, int t) {
    if (laengen.empty() || static_cast<std::uint64_t>(std::max(t, 0)) >= laengen.back())
        return std::vector<double>(laengen.size(), 0.0);
    Vorwaerts v(k, std::max(t, 0));
    std::vector<double> r;
    r.reserve(laengen.size());
    std::uint64_t n = 0;
    for (const std::uint64_t ziel : laengen) {
        for (; n < ziel; ++n) v.schritt();
        r.push_back(v.summe(v.breite() - 1));
    }
    return r;
}

}  // namespace zor
