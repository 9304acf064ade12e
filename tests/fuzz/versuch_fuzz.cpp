// Arbitrary text as an experiment file: the reader refuses with a message or accepts, and
// what it accepts writes out as a file that reads back to the same text.
#include "core/versuch/versuch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const zor::VersuchGelesen v = zor::versuchLesen({reinterpret_cast<const char*>(daten), n});
    if (!v) {
        if (v.ergebnis.meldung.text.empty()) std::abort();
        return 0;
    }
    const std::string text = zor::versuchSchreiben(v.versuch.zustand, v.versuch.dokumente);
    const zor::VersuchGelesen wieder = zor::versuchLesen(text);
    if (!wieder || zor::versuchSchreiben(wieder.versuch.zustand, wieder.versuch.dokumente) != text) std::abort();
    return 0;
}
