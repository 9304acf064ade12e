#pragma once
// The classic 15-bit linear congruential generator, so that every platform gives the
// same sequence for a seed. One object per computation, passed explicitly.

#include <cstdint>

namespace zor {

class Zufall {
public:
    explicit Zufall(std::uint32_t seed = 1) : state_(seed) {}

    void srand(std::uint32_t seed) { state_ = seed; }

    // An integer 0..32767.
    int rand() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

    // k/32768 with k in 0..32767, exact in single precision.
    float gleich() { return static_cast<float>(rand()) * (1.0f / 32768.0f); }

    std::uint32_t zustand() const { return state_; }

private:
    std::uint32_t state_;
};

// Seeds are stored as floats and truncated where used.
inline std::uint32_t startwert(float wert) { return static_cast<std::uint32_t>(static_cast<std::int64_t>(wert)); }

}  // namespace zor
