// The packed correlation against a literal implementation of the window algorithm:
// a window of D + 1 bits, a cyclic position p, the products w[p] w[(p + k) mod (D + 1)]
// summed while n < N - D - 1, the next bit shifted in after each step.

#include "core/models/fkf_packed.h"

#include <gtest/gtest.h>

#include <random>
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

std::vector<Fall> faelle() {
    std::vector<Fall> v;
    // Short sequences around the window and word sizes, for every kind of lag.
    for (int D : {0, 1, 20, 50, 63, 64, 65, 100})
        for (long n : {0L, 1L, 2L, 50L, 51L, 52L, 63L, 64L, 65L, 100L, 101L, 102L, 127L, 128L, 129L, 166L, 1000L, 4097L})
            v.push_back({n, D, 0.3});
    // Long ones cross the block borders of the packed buffer (4096 words).
    for (int D : {50, 64, 100})
        for (long n : {262143L, 262144L + 101L, 262144L + 6000L, 600001L}) v.push_back({n, D, 0.05});
    v.push_back({300000, 100, 0.9});
    return v;
}

INSTANTIATE_TEST_SUITE_P(VieleLaengen, PackedGegenFenster, ::testing::ValuesIn(faelle()));

}  // namespace
