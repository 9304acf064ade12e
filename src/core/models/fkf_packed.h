#pragma once
// The correlation of a bit sequence with itself, on bit-packed 64-bit words:
// zaehler[k] = sum over n < positionen of b[n] * b[n + k], k = 0..D, counted in integers
// with popcount. Bits arrive in order; memory stays bounded (one block of words).
// The positions may be cut into batches with a counter set each: a product belongs to
// the batch of its first bit, so products reaching across a border are counted once and
// the batches add up to the counts of the whole sequence.

#include "core/models/chargen.h"
#include "core/models/zor_state.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zor {

using Korrelationszaehler = std::array<std::uint64_t, FKF_PUNKTE>;

// Positions whose products the general estimate takes over a sequence of n bits with D
// lags: it walks a window of D + 1 bits while bits remain to shift in.
inline std::uint64_t fkfPositionen(std::uint64_t n, int D) {
    return n > static_cast<std::uint64_t>(D) + 1 ? n - static_cast<std::uint64_t>(D) - 1 : 0;
}

class Korrelator {
public:
    // D <= 100 lags; products are taken for the first `positionen` bit positions, so the
    // bits 0 .. positionen + D - 1 are read and any further bits are ignored. The
    // positions are cut into `chargen` batches on word borders.
    Korrelator(int D, std::uint64_t positionen, int chargen = 1);
    // For a sequence of unknown length: the positions are fkfPositionen(all bits, D).
    explicit Korrelator(int D);

    // Bits still wanted; appending beyond that is harmless.
    std::uint64_t angehaengt() const { return angehaengt_; }
    std::uint64_t fehlend() const { return bedarf_ > angehaengt_ ? bedarf_ - angehaengt_ : 0; }

    void bit(unsigned b) {
        wort_ |= static_cast<std::uint64_t>(b & 1u) << belegt_;
        ++angehaengt_;
        if (++belegt_ == 64) wortFertig();
    }
    // 64 bits at once (bit j of w is the j-th bit); needs a word boundary.
    void wort(std::uint64_t w) {
        wort_ = w;
        angehaengt_ += 64;
        wortFertig();
    }
    bool anWortgrenze() const { return belegt_ == 0; }
    void nullen(std::uint64_t n);

    // Counts over all positions; call once, after the last bit.
    Korrelationszaehler zaehler();
    // The counts of each batch and how the positions were cut; valid after zaehler().
    const std::vector<Korrelationszaehler>& chargenZaehler() const { return chargen_; }
    const Chargenteilung& teilung() const { return teilung_; }

private:
    void wortFertig();
    void blockVerarbeiten(std::size_t woerter);

    int D_;
    std::uint64_t positionen_, bedarf_;
    bool offen_ = false;
    std::uint64_t angehaengt_ = 0;
    std::uint64_t basis_ = 0;  // position of the first bit in puffer_
    std::uint64_t wort_ = 0;
    unsigned belegt_ = 0;
    std::size_t reserve_;      // words kept from one block for the lags of the next
    std::vector<std::uint64_t> puffer_;
    std::size_t gefuellt_ = 0;
    Chargenteilung teilung_;
    std::vector<Korrelationszaehler> chargen_;
};

}  // namespace zor
