#pragma once
// The channels of the corruption jobs. Each inverts bits of consecutive unprotected bytes
// in place, block after block, and counts what it inverted.
// - BscKanal: every bit independently with exactly probability p, from a fast 64-bit
//   generator; for small p it skips straight to the next error.
// - GeKanal: the Gilbert-Elliott chain, two 15-bit draws per bit, most significant bit first.
// - McKanal: the McCullough gaps, most significant bit first.
// GE and MC draw exactly as the channel-model generators do, so a corrupted file's error
// pattern is the sequence that model produces for the same seed and parameters.
// A channel draws from the generator its caller hands in and keeps; nothing else.

#include "core/corruption/eingabe.h"
#include "core/models/fehlerquellen.h"
#include "core/models/ge_bytekern.h"

#include <cstdint>
#include <span>

namespace zor {

// xoshiro256**, seeded through splitmix64.
class Zufall64 {
public:
    explicit Zufall64(std::uint64_t seed);
    std::uint64_t operator()() {
        const std::uint64_t ergebnis = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return ergebnis;
    }
    // Uniform in (0, 1], 53 bits.
    double offenUnten() { return static_cast<double>(((*this)() >> 11) + 1) * 0x1.0p-53; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

class BscKanal {
public:
    BscKanal(double p, Zufall64& z);
    void anwenden(std::span<unsigned char> bytes);
    std::uint64_t fehler() const { return fehler_; }

private:
    enum class Art { Keine, Alle, Luecken, Bitweise };
    std::uint64_t naechsteLuecke();
    void bitweise(std::span<unsigned char> bytes);
    void luecken(std::span<unsigned char> bytes);

    Zufall64& z_;
    Art art_;
    double lnQ_ = 0.0;              // ln(1 - p), for the gaps
    std::uint64_t schwelle_ = 0;    // bitwise: error when a draw is below this
    std::uint64_t korrektBisFehler_ = 0;  // correct bits before the next error
    std::uint64_t fehler_ = 0;
};

// The GE job's start state: seeded with StartWert, GOOD with the stationary share of GOOD
// (the quotient rounded to single precision), or one half when both transitions are 0.
int MM_GE_StartZustand(const GeMcAuftrag& a, Zufall& z);

// The job record as a channel-model parameter array (indices of gemc).
ModellWerte alsModellWerte(const GeMcAuftrag& a);

// Per bit exactly GE_Fehlerfolge, eight bits at a time through the GE byte kernel. The
// start state is MM_GE_StartZustand's, which seeds z with the job's StartWert.
class GeKanal {
public:
    GeKanal(const GeMcAuftrag& a, Zufall& z);
    void anwenden(std::span<unsigned char> bytes);
    std::uint64_t fehler() const { return fehler_; }

private:
    GeBytekern kern_;
    Zufall& z_;
    int zustand_;
    std::uint64_t fehler_ = 0;
};

// The MC gaps; the start state is MC_Startzustand's, which seeds z with the job's StartWert.
class McKanal {
public:
    McKanal(const GeMcAuftrag& a, Zufall& z);
    void anwenden(std::span<unsigned char> bytes);
    std::uint64_t fehler() const { return fehler_; }

private:
    Zufall& z_;
    McAbstandsregel regel_;
    std::uint64_t korrektBisFehler_;
    std::uint64_t fehler_ = 0;
};

}  // namespace zor
