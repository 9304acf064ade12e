#pragma once
// Byte ranges of a file, sorted and apart: the bytes a corruption leaves as they are. The
// number field of the dialogs is the single range [0, n); a recognised header can be
// several ranges (a MIDI file's track headers lie between the events).

#include <cstdint>
#include <vector>

namespace zor {

struct Bytebereich {
    std::uint64_t anfang = 0, ende = 0;  // [anfang, ende)
    bool operator==(const Bytebereich&) const = default;
};

class Schutzbereiche {
public:
    Schutzbereiche() = default;
    // The leading n bytes.
    static Schutzbereiche ersteBytes(std::uint64_t n) {
        Schutzbereiche s;
        s.anhaengen(0, n);
        return s;
    }
    // Ranges are appended in file order; one touching or overlapping the last merges with it.
    void anhaengen(std::uint64_t anfang, std::uint64_t ende) {
        if (ende <= anfang) return;
        if (!b_.empty() && anfang <= b_.back().ende) {
            if (ende > b_.back().ende) b_.back().ende = ende;
            return;
        }
        b_.push_back({anfang, ende});
    }
    const std::vector<Bytebereich>& bereiche() const { return b_; }
    std::size_t anzahl() const { return b_.size(); }
    std::uint64_t bytes() const {
        std::uint64_t n = 0;
        for (const auto& b : b_) n += b.ende - b.anfang;
        return n;
    }
    // Protected bytes below `ende` (a file's length).
    std::uint64_t bytesVor(std::uint64_t ende) const {
        std::uint64_t n = 0;
        for (const auto& b : b_)
            if (b.anfang < ende) n += (b.ende < ende ? b.ende : ende) - b.anfang;
        return n;
    }
    // Calls f(offset, laenge) for each unprotected piece of [anfang, anfang + laenge), in
    // order. `von` is the index of the first range that may still matter; calls with
    // ascending blocks keep it and so never walk the list twice.
    template <class F>
    void freieTeile(std::uint64_t anfang, std::uint64_t laenge, std::size_t& von, F&& f) const {
        const std::uint64_t ende = anfang + laenge;
        while (von < b_.size() && b_[von].ende <= anfang) ++von;
        std::uint64_t pos = anfang;
        for (std::size_t i = von; i < b_.size() && b_[i].anfang < ende; ++i) {
            if (b_[i].anfang > pos) f(pos - anfang, b_[i].anfang - pos);
            pos = b_[i].ende > pos ? b_[i].ende : pos;
        }
        if (pos < ende) f(pos - anfang, ende - pos);
    }

private:
    std::vector<Bytebereich> b_;
};

}  // namespace zor
