#pragma once
// Progress of a long job: the GUI shows the progress window, the CLI a bar on stderr,
// tests record the steps. A job calls start once, step with k = 1..101, end once.

#include <string>

namespace zor {

class Fortschritt {
public:
    virtual ~Fortschritt() = default;
    virtual void start(const std::string& label, const std::string& status) = 0;
    virtual void step(int k) = 0;
    virtual void end() = 0;
};

// For callers that want no progress shown.
class KeinFortschritt final : public Fortschritt {
public:
    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
};

// Calls step about 100 times over n items: step = trunc(0.01 * n); before item i,
// when i = k * step + 1, k advances (with step 0: once, before item 1).
class Prozentschritte {
public:
    explicit Prozentschritte(long n) : schritt_(static_cast<long>(0.01 * static_cast<double>(n))) {}
    // i counts from 0; reports before item i.
    void vor(long i, Fortschritt& f) {
        if (i == naechster_) {
            f.step(++k_);
            naechster_ += schritt_;
        }
    }
    int k() const { return k_; }

private:
    long schritt_;
    long naechster_ = 1;
    int k_ = 0;
};

}  // namespace zor
