#pragma once
// GE_Fehlerfolge eight bits at a time, draw for draw. The sixteen draws of a byte (error,
// then transition, per bit) are computed side by side from the generator state by jumps
// ahead (s_k = A_k s + C_k), and the state walk through the eight bits is looked up a
// nibble at a time from the transitions' outcomes, so little remains in sequence.

#include <cstdint>
#include <span>

namespace zor {

// Eight GE bits; bit j of each mask belongs to the j-th bit.
struct GeAchtBits {
    unsigned fehler;  // the errors
    unsigned inGood;  // generated in GOOD
};

class GeBytekern {
public:
    // From a GE parameter array. Error when the draw k <= floor(p * 32768) (u <= p);
    // GOOD next when k < ceil(p * 32768) (u < p): the float comparisons, on integers.
    explicit GeBytekern(const float* wert);

    // Fills aus with the next bits, advancing the generator state s and the GE state
    // (GOOD = 1, BAD = 0) exactly as GE_Fehlerfolge would, eight bits per entry.
    void erzeugen(std::uint32_t& s, int& zustand, std::span<GeAchtBits> aus) const;

private:
    class Ziehungen;
    std::uint32_t aF_[8], cF_[8], aU_[8], cU_[8];  // jumps to the error and transition draws of bit j
    int fehlerGood_, fehlerBad_;                   // error when the draw k <= this
    int bleibtGood_, wirdGood_;                    // GOOD next when the draw k < this
    // [state][GOOD outcomes][BAD outcomes] of four bits (bit j = the j-th bit) -> states
    // the bits are generated in (bits 0..3) and the state after them (bit 4).
    std::uint8_t gang_[2][16][16];
};

}  // namespace zor
