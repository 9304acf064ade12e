// The packed correlation against a literal implementation of the window algorithm:
// a window of D + 1 bits, a cyclic position p, the products w[p] w[(p + k) mod (D + 1)]
// summed while n < N - D - 1, the next bit shifted in after each step.

#include "core/models/fkf_packed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace zor;

namespace {

Korrelationszaehler fenster(const std::vector<unsigned char>& b, int D) {
    const auto N = static_cast<long>(b.size());
    const auto W = static_cast<std::size_t>(D) + 1;
    std::vector<std::uint64_t> w(W);
    std::size_t naechstes = 0;
    auto lesen = [&] { return naechstes < b.size() ? b[naechstes++] : 0u; };
    for (std::size_t i = 0; i < W; ++i) w[i] = lesen();
    Korrelationszaehler R{};
    std::size_t p = 0;
    for (long n = 0; n < N - D - 1; ++n) {
        for (std::size_t k = 0; k < W; ++k) R[k] += w[p] * w[(p + k) % W];
        w[p] = lesen();
        p = (p + 1) % W;
    }
    return R;
}

// Feeds the bits through every way of appending: single bits, whole words, runs of zeros;
// with the length given up front (offen = false) or found at the end.
Korrelationszaehler gepackt(const std::vector<unsigned char>& b, int D, bool offen) {
    Korrelator kor = offen ? Korrelator(D) : Korrelator(D, fkfPositionen(b.size(), D));
    std::mt19937 gen(7);
    std::size_t i = 0;
    while (i < b.size()) {
        const auto art = gen() % 3;
        if (art == 1 && kor.anWortgrenze() && i + 64 <= b.size()) {
            std::uint64_t w = 0;
            for (unsigned j = 0; j < 64; ++j) w |= static_cast<std::uint64_t>(b[i + j]) << j;
            kor.wort(w);
            i += 64;
        } else if (art == 2 && b[i] == 0) {
            const std::size_t start = i;
            while (i < b.size() && b[i] == 0) ++i;
            kor.nullen(i - start);
        } else {
            kor.bit(b[i++]);
        }
    }
    return kor.zaehler();
}

struct Fall {
    long n;
    int D;
    double dichte;
};

std::string fallname(const ::testing::TestParamInfo<Fall>& info) {
    const Fall& f = info.param;
    return "n" + std::to_string(f.n) + "_D" + std::to_string(f.D) + (f.dichte > 0.5 ? "_dicht" : "");
}

class PackedGegenFenster : public ::testing::TestWithParam<Fall> {};

TEST_P(PackedGegenFenster, IdenticalSums) {
    const Fall f = GetParam();
    std::mt19937 gen(static_cast<unsigned>(f.n * 131 + f.D));
    std::bernoulli_distribution fehler(f.dichte);
    std::vector<unsigned char> bits(static_cast<std::size_t>(f.n));
    for (auto& b : bits) b = fehler(gen) ? 1 : 0;
    const auto erwartet = fenster(bits, f.D);
    for (bool offen : {false, true})
        EXPECT_EQ(gepackt(bits, f.D, offen), erwartet) << (offen ? "length found at the end" : "length given");
}

constexpr long WORT = 64;
constexpr long BLOCK = 64 * 4096;  // bits per block of the packed buffer

// The edges the packed count can get wrong: no position at all, the first position, the
// last position at and around a word edge (the tail word's mask), whole words of lag
// bits after the positions; for lag counts that end before, on and after a word edge.
std::vector<Fall> faelle() {
    std::vector<Fall> v;
    for (int D : {0, 1, 63, 64, 65, 100}) {
        const long vorlauf = D + 1;  // bits in the window before the first product is taken
        for (long positionen : {-1L, 1L, WORT - 1, WORT, WORT + 1, 2 * WORT + 1})
            v.push_back({std::max(0L, vorlauf + positionen), D, 0.3});
        v.push_back({1000, D, 0.3});
    }
    // A block full of positions, and one position more or less: the last one ends in the
    // words carried into the next block, and for a short window has positions there (dense,
    // so that those few hold errors). Sparse sequences append long runs of zeros as words.
    for (long positionen : {BLOCK - 1, BLOCK, BLOCK + 1}) {
        v.push_back({positionen + 2, 1, 0.3});
        for (int D : {64, 100}) v.push_back({positionen + D + 1, D, 0.05});
    }
    // The last word fills the block and the three words kept for 100 lags; two block
    // changes; nearly every bit an error.
    v.push_back({BLOCK + 3 * WORT, 100, 0.05});
    v.push_back({600001, 100, 0.05});
    v.push_back({300000, 100, 0.9});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Grenzen, PackedGegenFenster, ::testing::ValuesIn(faelle()), fallname);

}  // namespace
