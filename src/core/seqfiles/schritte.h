#pragma once
// Progress steps of a streaming job: step k + 1 falls before item erster + k * schritt.
// A job that works in blocks reports, before each block, every step falling inside it,
// so the steps are those of an item-by-item loop while the check costs once per block.

#include "util/fortschritt.h"

#include <cstdint>
#include <limits>

namespace zor {

class Schritte {
public:
    Schritte(std::uint64_t schritt, std::uint64_t erster) : schritt_(schritt), naechster_(erster) {}

    // Reports every step before item `ende` (exclusive).
    void bis(std::uint64_t ende, Fortschritt& f) {
        while (naechster_ < ende) {
            f.step(++k_);
            naechster_ = schritt_ == 0 ? std::numeric_limits<std::uint64_t>::max() : naechster_ + schritt_;
        }
    }
    int k() const { return k_; }

private:
    std::uint64_t schritt_;
    std::uint64_t naechster_;
    int k_ = 0;
};

// Start/end of the progress display around a job, also on early returns.
class FortschrittsFenster {
public:
    FortschrittsFenster(Fortschritt& f, const std::string& label, const std::string& status) : f_(f) {
        f_.start(label, status);
    }
    ~FortschrittsFenster() { f_.end(); }
    FortschrittsFenster(const FortschrittsFenster&) = delete;
    FortschrittsFenster& operator=(const FortschrittsFenster&) = delete;

private:
    Fortschritt& f_;
};

}  // namespace zor
