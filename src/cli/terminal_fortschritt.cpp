#include "terminal_fortschritt.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace zorcli {

TerminalFortschritt::TerminalFortschritt() : aktiv_(::isatty(STDERR_FILENO) != 0) {}

void TerminalFortschritt::start(const std::string& label, const std::string& status) {
    label_ = label + " " + status;
    step(0);
}

void TerminalFortschritt::step(int k) {
    if (!aktiv_) return;
    const int prozent = std::clamp(k, 0, 100);
    const int breite = 30;
    const int voll = prozent * breite / 100;
    std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", label_.c_str(), voll, "##############################",
                 breite - voll, "", prozent);
    std::fflush(stderr);
}

void TerminalFortschritt::end() {
    if (aktiv_) std::fprintf(stderr, "\n");
}

}  // namespace zorcli
