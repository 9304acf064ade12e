#include "core/io/signale.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace zor {

namespace {

// Fixed storage, so the handler touches no allocator.
constexpr int PLAETZE = 32;
constexpr std::size_t NAMENSLAENGE = 4096;
char g_namen[PLAETZE][NAMENSLAENGE];
// A slot is taken, then written, then ready: the handler reads only ready names.
enum : int { FREI, BELEGT, BEREIT };
std::atomic<int> g_stand[PLAETZE];

extern "C" void beiSignal(int signal) {
    for (int i = 0; i < PLAETZE; ++i)
        if (g_stand[i].load() == BEREIT) ::unlink(g_namen[i]);
    // Directories once their files are gone; a file's name fails here harmlessly.
    for (int i = 0; i < PLAETZE; ++i)
        if (g_stand[i].load() == BEREIT) ::rmdir(g_namen[i]);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void temporaereDateienBeiSignalEntfernen() {
    for (int s : {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGPIPE}) std::signal(s, beiSignal);
    // A file-size limit then ends a write with an error instead of the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

void beiSignalEntfernen(const std::string& pfad) {
    if (pfad.empty() || pfad.size() >= NAMENSLAENGE) return;
    for (int i = 0; i < PLAETZE; ++i) {
        int frei = FREI;
        if (!g_stand[i].compare_exchange_strong(frei, BELEGT)) continue;
        std::memcpy(g_namen[i], pfad.c_str(), pfad.size() + 1);
        g_stand[i].store(BEREIT);
        return;
    }
}

void nichtMehrEntfernen(const std::string& pfad) {
    if (pfad.empty()) return;
    for (int i = 0; i < PLAETZE; ++i)
        if (g_stand[i].load() == BEREIT && pfad == g_namen[i]) {
            g_stand[i].store(FREI);
            return;
        }
}

}  // namespace zor
