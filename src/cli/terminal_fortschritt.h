#pragma once
// Progress as a bar on stderr, only when stderr is a terminal.

#include "core/util/fortschritt.h"

namespace zorcli {

class TerminalFortschritt final : public zor::Fortschritt {
public:
    TerminalFortschritt();
    void start(const std::string& label, const std::string& status) override;
    void step(int k) override;
    void end() override;

private:
    bool aktiv_;
    std::string label_;
};

}  // namespace zorcli
