// Arbitrary bytes as a bitmap file: the reader must never crash, leak or read out of bounds.
#include "core/media/dib.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    // A small pixel limit keeps each run fast (a header alone can ask for a huge image); the checks are the same.
    const zor::DibErgebnis e = zor::dibAusSpeicher({daten, n}, std::uint64_t{1} << 16);
    if (e.ok && e.bild.pixel.size() != std::uint64_t{e.bild.breite} * e.bild.hoehe) std::abort();
    if (!e.ok && e.meldung.text.empty()) std::abort();
    return 0;
}
