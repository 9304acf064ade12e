// Arbitrary bytes as a WAV, AVI, BMP or MIDI file for "Kopf schützen: automatisch" and the
// wave reader: neither may crash or read out of bounds; the protected ranges stay inside
// the file and in order, and the waveform of a readable WAV has its columns within [-1, 1].
#include "core/media/bytequelle.h"
#include "core/media/kopfschutz.h"
#include "core/media/wav.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    zor::SpeicherQuelle q({daten, n});
    const zor::Kopfschutz k = zor::kopfschutzErkennen(q);
    std::uint64_t vorher = 0;
    for (const zor::Bytebereich& b : k.bereiche.bereiche()) {
        if (b.anfang < vorher || b.ende <= b.anfang || b.ende > n) std::abort();
        vorher = b.ende;
    }
    if (k.hinweis.empty()) std::abort();
    const auto f = zor::wavLesen(q);
    if (const auto* w = std::get_if<zor::WavFormat>(&f)) {
        if (w->datenAb > n || w->frames * w->blockgroesse > n - w->datenAb) std::abort();
        for (int kanal = 0; kanal < w->kanaele && kanal < 2; ++kanal)
            for (const zor::Spaltenwert& s : zor::huellkurve(q, *w, kanal, 0, w->frames, 7))
                if (!(s.min >= -1.0 && s.max < 1.0 && s.min <= s.max)) std::abort();
    } else if (std::get<std::string>(f).empty()) {
        std::abort();
    }
    return 0;
}
