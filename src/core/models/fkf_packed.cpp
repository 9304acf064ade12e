#include "core/models/fkf_packed.h"
#include "core/util/popcount.h"

#include <algorithm>
#include <bit>

namespace zor {

namespace {

constexpr std::size_t BLOCK = 4096;  // words per block: 32 KiB, stays in the first-level cache

// Adds, for each lag, the products of the positions in w[0 .. woerter) with the bits k
// later; the last word's positions are cut to `maske`.
ZOR_POPCOUNT_KLONE void kernel(const std::uint64_t* w, std::size_t woerter, std::uint64_t maske, int D, Korrelationszaehler& z) {
    if (woerter == 0) return;
    const std::size_t voll = woerter - 1;
    for (int k = 0; k <= D; ++k) {
        const std::size_t q = static_cast<std::size_t>(k >> 6);
        const int r = k & 63;
        auto verschoben = [&](std::size_t i) { return (w[i + q] >> r) | ((w[i + q + 1] << 1) << (63 - r)); };
        std::uint64_t c = 0;
        for (std::size_t i = 0; i < voll; ++i) c += static_cast<std::uint64_t>(std::popcount(w[i] & verschoben(i)));
        c += static_cast<std::uint64_t>(std::popcount(w[voll] & maske & verschoben(voll)));
        z[static_cast<std::size_t>(k)] += c;
    }
}

}  // namespace

Korrelator::Korrelator(int D, std::uint64_t positionen, int chargen)
    : D_(D), positionen_(positionen), bedarf_(positionen > 0 ? positionen + static_cast<std::uint64_t>(D) : 0),
      reserve_(static_cast<std::size_t>(D / 64 + 2)), puffer_(BLOCK + reserve_, 0), teilung_(positionen, chargen, 64),
      chargen_(static_cast<std::size_t>(teilung_.anzahl())) {}

Korrelator::Korrelator(int D) : Korrelator(D, ~std::uint64_t{0} - 128) { offen_ = true; }

void Korrelator::wortFertig() {
    puffer_[gefuellt_++] = wort_;
    wort_ = 0;
    belegt_ = 0;
    if (gefuellt_ < puffer_.size()) return;
    blockVerarbeiten(BLOCK);
    std::copy(puffer_.end() - static_cast<std::ptrdiff_t>(reserve_), puffer_.end(), puffer_.begin());
    gefuellt_ = reserve_;
    basis_ += 64 * BLOCK;
}

void Korrelator::nullen(std::uint64_t n) {
    n = std::min(n, fehlend());
    while (n > 0 && belegt_ != 0) {
        bit(0);
        --n;
    }
    for (; n >= 64; n -= 64) wort(0);
    if (n > 0) {
        angehaengt_ += n;
        belegt_ = static_cast<unsigned>(n);
    }
}

void Korrelator::blockVerarbeiten(std::size_t woerter) {
    if (basis_ >= positionen_) return;
    const std::uint64_t ende = std::min(positionen_, basis_ + 64 * static_cast<std::uint64_t>(woerter));
    // Inner batch borders lie on words, so only the piece ending at the last position
    // can end inside a word.
    teilung_.stuecke(basis_, ende, [&](int j, std::uint64_t a, std::uint64_t e) {
        const std::uint64_t bits = e - a;
        const std::uint64_t maske = bits % 64 != 0 ? (std::uint64_t{1} << (bits % 64)) - 1 : ~std::uint64_t{0};
        kernel(puffer_.data() + (a - basis_) / 64, static_cast<std::size_t>((bits + 63) / 64), maske, D_,
               chargen_[static_cast<std::size_t>(j)]);
    });
}

Korrelationszaehler Korrelator::zaehler() {
    // Blocks already processed lie wholly before the end: more than D bits followed them.
    if (offen_) {
        positionen_ = fkfPositionen(angehaengt_, D_);
        teilung_ = Chargenteilung(positionen_, 1);
    }
    if (belegt_ != 0) {
        puffer_[gefuellt_++] = wort_;
        wort_ = 0;
        belegt_ = 0;
    }
    std::fill(puffer_.begin() + static_cast<std::ptrdiff_t>(gefuellt_), puffer_.end(), 0);
    // Positions lie in the words before the reserve; the reserve holds only lag bits.
    blockVerarbeiten(gefuellt_ > BLOCK ? BLOCK : gefuellt_);
    if (gefuellt_ > BLOCK) {
        std::copy(puffer_.begin() + static_cast<std::ptrdiff_t>(BLOCK), puffer_.end(), puffer_.begin());
        std::fill(puffer_.begin() + static_cast<std::ptrdiff_t>(reserve_), puffer_.end(), 0);
        basis_ += 64 * BLOCK;
        blockVerarbeiten(gefuellt_ - BLOCK);
    }
    Korrelationszaehler summe{};
    for (const auto& c : chargen_)
        for (std::size_t k = 0; k < summe.size(); ++k) summe[k] += c[k];
    return summe;
}

}  // namespace zor
