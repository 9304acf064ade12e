#pragma once
// Counted block statistics of an error sequence given by its error positions: the
// sequence is cut into blocks of n bits, or, through a block interleaver of depth d, into
// frames of d x n bits whose rows are the blocks (block r of a frame gets the bits sent
// at r, r + d, r + 2d, ...). Only whole blocks (whole frames) count.

#include "core/corruption/verschachtelung.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zor {

class Blockzaehler {
public:
    // Blocks of n >= 1 bits, errors counted up to M (entry M + 1: more than M).
    Blockzaehler(std::uint64_t n, int M, std::uint64_t tiefe = 1);

    void fehler(std::uint64_t pos) {
        if (pos >= anfang_ + v_.rahmen()) wechseln(pos / v_.rahmen());
        // In a whole frame the c-th bit sent belongs to row c mod d (see datenIndex).
        const std::uint64_t c = pos - anfang_;
        ++zaehler_[tiefe_ == 1 ? 0 : c % tiefe_];
    }
    // The sequence had `bits` bits; a last, incomplete frame is left out.
    void ende(std::uint64_t bits);

    // Blocks with 0 .. M errors and, last, with more.
    const std::vector<std::uint64_t>& anzahl() const { return anzahl_; }
    std::uint64_t bloecke() const { return bloecke_; }
    // The shares of the blocks (all 0 without a block).
    std::vector<double> anteile() const;

private:
    void abschliessen();
    void wechseln(std::uint64_t rahmen);

    Blockverschachtler v_;
    std::uint64_t tiefe_;
    std::vector<std::uint64_t> anzahl_;
    std::vector<std::uint64_t> zaehler_;  // errors of the current frame's blocks
    std::uint64_t aktuell_ = 0;           // the current frame
    std::uint64_t anfang_ = 0;            // and its first bit
    std::uint64_t bloecke_ = 0;
};

// The counted P(> t, n) for several block lengths at once, in one pass.
class Restfehlerzaehler {
public:
    Restfehlerzaehler(std::span<const std::uint64_t> laengen, int t, std::uint64_t tiefe = 1);
    void fehler(std::uint64_t pos) {
        for (Blockzaehler& z : zaehler_) z.fehler(pos);
    }
    void ende(std::uint64_t bits) {
        for (Blockzaehler& z : zaehler_) z.ende(bits);
    }
    // The share of blocks with more than t errors per length; 0 where no block was whole.
    std::vector<double> kurve() const;

private:
    std::vector<Blockzaehler> zaehler_;
};

}  // namespace zor
