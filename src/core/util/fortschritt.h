#pragma once
// Progress of a long job: the GUI shows the progress window, the CLI a bar on stderr,
// tests record the steps. A job calls start once, step with k = 1..101, end once.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace zor {

// Status lines of the progress window.
inline constexpr const char* TEXT_WIRD_ERSTELLT = "wird erstellt!";
inline constexpr const char* TEXT_WIRD_ERZEUGT = "wird erzeugt!";
inline constexpr const char* TEXT_WIRD_BERECHNET = "wird berechnet!";

class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    virtual void start(const std::string& label, const std::string& status) = 0;
    virtual void step(int k) = 0;
    virtual void end() = 0;
    // True once the user asked to stop the job (and from then on). Long loops ask between
    // blocks and return early; the job then leaves no output and its result is dropped.
    // May be asked from the thread that runs the job while another thread answers it.
    virtual bool abgebrochen() const { return false; }
};

// Asks a progress every `alle` calls whether to stop, for loops without progress steps
// (gap sources, record loops), so the question costs nothing per item.
class Abbruchfrage {
public:
    explicit Abbruchfrage(const Fortschritt& f, std::uint32_t alle = 1u << 16) : f_(f), alle_(alle) {}
    bool jetzt() {
        if (--rest_ != 0) return false;
        rest_ = alle_;
        return f_.abgebrochen();
    }

private:
    const Fortschritt& f_;
    std::uint32_t alle_;
    std::uint32_t rest_ = 1;
};

// For callers that want no progress shown.
class KeinFortschritt final : public Fortschritt {
public:
    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
};

// Progress steps at trigger positions erster, erster + schritt, ... (with schritt 0 only
// erster): step k + 1 is reported before the item at the k-th trigger after erster.
// Jobs that work in blocks report every trigger inside a block before it, so the steps
// are those of an item-by-item loop while the check costs once per block. Every
// ABFRAGE items it also asks whether the job was cancelled (abgebrochen()).
class Schritte {
public:
    static constexpr std::uint64_t ABFRAGE = std::uint64_t{1} << 20;

    Schritte(std::uint64_t schritt, std::uint64_t erster) : schritt_(schritt), naechster_(erster) {}

    // About 100 steps over n items: step = trunc(0.01 * n), triggers at 1, 1 + step, ...
    static Schritte prozent(std::uint64_t n) {
        return {static_cast<std::uint64_t>(0.01 * static_cast<double>(n)), 1};
    }

    // Reports every trigger before item `ende` (exclusive).
    void bis(std::uint64_t ende, Fortschritt& f) {
        while (naechster_ < ende) {
            f.step(++k_);
            naechster_ = schritt_ == 0 ? std::numeric_limits<std::uint64_t>::max() : naechster_ + schritt_;
        }
        if (ende > abfrage_) {
            abgebrochen_ = f.abgebrochen();
            abfrage_ = ende + ABFRAGE;
        }
    }

    // Calls work(a, b) for consecutive pieces of [von, ende) cut at the triggers and the
    // cancel questions, each trigger reported before its piece, so inner loops stay free
    // of checks. False when the job was cancelled (the rest is left out).
    template <class F>
    bool ueber(std::uint64_t von, std::uint64_t ende, Fortschritt& f, F&& work) {
        for (std::uint64_t pos = von; pos < ende;) {
            bis(pos + 1, f);
            if (abgebrochen_) return false;
            const std::uint64_t stueckEnde = std::min({ende, naechster_, abfrage_});
            work(pos, stueckEnde);
            pos = stueckEnde;
        }
        return !abgebrochen_;
    }

    int k() const { return k_; }
    // The answer of the last cancel question.
    bool abgebrochen() const { return abgebrochen_; }

private:
    std::uint64_t schritt_;
    std::uint64_t naechster_;
    std::uint64_t abfrage_ = 0;
    bool abgebrochen_ = false;
    int k_ = 0;
};

// start ... end around a job, also when it returns early.
class Fortschrittsrahmen {
public:
    Fortschrittsrahmen(Fortschritt& f, const std::string& label, const std::string& status) : f_(f) {
        f_.start(label, status);
    }
    ~Fortschrittsrahmen() { f_.end(); }
    Fortschrittsrahmen(const Fortschrittsrahmen&) = delete;
    Fortschrittsrahmen& operator=(const Fortschrittsrahmen&) = delete;

private:
    Fortschritt& f_;
};

}  // namespace zor
