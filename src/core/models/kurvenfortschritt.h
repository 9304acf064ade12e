#pragma once
// Progress of the curve computations: a step is reported before the item at each trigger
// position (erster, erster + schritt, ...; with schritt 0 only at erster). Work is handed
// out in pieces between the triggers so that the inner loops stay tight.

#include "util/fortschritt.h"

#include <cstdint>
#include <string>

namespace zor {

inline constexpr const char* TEXT_WIRD_BERECHNET = "wird berechnet!";

class Schrittpunkte {
public:
    Schrittpunkte(std::uint64_t erster, std::uint64_t schritt) : naechster_(erster), schritt_(schritt) {}

    // About 100 steps over n items: step = trunc(0.01 n), triggers at 1, 1 + step, ...
    static Schrittpunkte prozent(std::uint64_t n) {
        return {1, static_cast<std::uint64_t>(0.01 * static_cast<double>(n))};
    }

    // Calls f(a, b) for consecutive pieces of [von, bis); ranges must follow each other.
    template <class F>
    void ueber(std::uint64_t von, std::uint64_t bis, Fortschritt& fs, F&& f) {
        std::uint64_t pos = von;
        while (pos < bis) {
            if (aktiv_ && naechster_ == pos) {
                fs.step(++k_);
                if (schritt_ == 0)
                    aktiv_ = false;
                else
                    naechster_ += schritt_;
            }
            std::uint64_t ende = bis;
            if (aktiv_ && naechster_ > pos && naechster_ < ende) ende = naechster_;
            f(pos, ende);
            pos = ende;
        }
    }

private:
    std::uint64_t naechster_;
    std::uint64_t schritt_;
    int k_ = 0;
    bool aktiv_ = true;
};

// start/end around a job, also when it returns early.
class FortschrittsRahmen {
public:
    FortschrittsRahmen(Fortschritt& f, const std::string& label) : f_(f) { f_.start(label, TEXT_WIRD_BERECHNET); }
    ~FortschrittsRahmen() { f_.end(); }
    FortschrittsRahmen(const FortschrittsRahmen&) = delete;
    FortschrittsRahmen& operator=(const FortschrittsRahmen&) = delete;

private:
    Fortschritt& f_;
};

}  // namespace zor
