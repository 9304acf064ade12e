#pragma once
// A sequence of n items (bits, characters or gap records) cut into consecutive batches,
// for the confidence bands of the sampled curves. The counting kernels keep one counter
// set per batch; the batches add up to the counts of the whole sequence.

#include <algorithm>
#include <cstdint>

namespace zor {

class Chargenteilung {
public:
    // B >= 1 batches of about n / B items; the inner borders are rounded down to multiples
    // of `raster` (64 for the packed correlation, whose kernel works on whole words).
    Chargenteilung(std::uint64_t n, int B, std::uint64_t raster = 1)
        : n_(n), B_(std::max(B, 1)), raster_(std::max<std::uint64_t>(raster, 1)) {}

    int anzahl() const { return B_; }
    std::uint64_t laenge() const { return n_; }

    // First item of batch j; grenze(anzahl()) = n. Formed without overflow for any n.
    std::uint64_t grenze(int j) const {
        if (j <= 0) return 0;
        if (j >= B_) return n_;
        const auto B = static_cast<std::uint64_t>(B_), u = static_cast<std::uint64_t>(j);
        const std::uint64_t g = n_ / B * u + n_ % B * u / B;
        return g - g % raster_;
    }

    // Batch of item i; items at or past n belong to the last batch.
    int charge(std::uint64_t i) const {
        int j = static_cast<int>(static_cast<double>(i) / static_cast<double>(std::max<std::uint64_t>(n_, 1)) * B_);
        j = std::clamp(j, 0, B_ - 1);
        while (j > 0 && i < grenze(j)) --j;
        while (j + 1 < B_ && i >= grenze(j + 1)) ++j;
        return j;
    }

    // Calls f(j, a, e) for the non-empty pieces [a, e) of [von, bis) that lie in batch j.
    template <class F>
    void stuecke(std::uint64_t von, std::uint64_t bis, F&& f) const {
        while (von < bis) {
            const int j = charge(von);
            const std::uint64_t e = j + 1 < B_ ? std::min(bis, grenze(j + 1)) : bis;
            f(j, von, e);
            von = e;
        }
    }

private:
    std::uint64_t n_;
    int B_;
    std::uint64_t raster_;
};

}  // namespace zor
