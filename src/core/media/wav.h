#pragma once
// Reader of PCM WAV files over a bounded byte source: 8-bit unsigned, 16/24/32-bit signed
// integer samples, any number of channels (the views show one or two), chunks in any order
// before and after `fmt ` and `data`. Samples are read block by block, never the whole file.

#include "core/media/bytequelle.h"
#include "core/util/fortschritt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zor {

struct WavFormat {
    std::uint16_t kanaele = 0;
    std::uint32_t abtastrate = 0;
    std::uint16_t bits = 0;           // 8, 16, 24 or 32
    std::uint16_t blockgroesse = 0;   // bytes per frame
    std::uint64_t datenAb = 0;        // first sample byte
    std::uint64_t frames = 0;         // whole frames in the data chunk (cut at the file's end)
};

// The format, or a German message why the file is no PCM WAV.
std::variant<WavFormat, std::string> wavLesen(Bytequelle& q);

// Samples of frames [von, von + anzahl) of one channel, scaled to [-1, 1).
std::vector<double> wavAbtastwerte(Bytequelle& q, const WavFormat& f, int kanal, std::uint64_t von, std::size_t anzahl);

// The smallest and largest sample of each pixel column: frames [von, bis) split evenly into
// `spalten` columns (bounded memory: one pass in blocks, one pair per column).
struct Spaltenwert {
    double min = 0, max = 0;
};
std::vector<Spaltenwert> huellkurve(Bytequelle& q, const WavFormat& f, int kanal, std::uint64_t von, std::uint64_t bis,
                                    std::size_t spalten);

// "16 Bit, 22050 Hz, stereo": a format as the wave window names it.
std::string formatname(const WavFormat& f);

// Why the difference of two files cannot be shown (channels, bits or rate differ), or nothing.
std::optional<std::string> differenzUnmoeglich(const WavFormat& a, const WavFormat& b);

// The envelope of B minus A (what the channel added), sample by sample in one channel, over the frames both files
// hold (same bounded block-wise pass as huellkurve). Empty when the formats differ. The
// difference of two full-scale samples reaches ±2.
std::vector<Spaltenwert> differenzkurve(Bytequelle& qa, const WavFormat& a, Bytequelle& qb, const WavFormat& b,
                                        int kanal, std::uint64_t von, std::uint64_t bis, std::size_t spalten);

// Signal-to-noise ratio of a corrupted copy against its original in dB: signal power over
// the power of the difference, over all channels of the common frames. +inf for equal
// samples; nothing when the formats do not match or a read was cancelled.
struct Rauschabstand {
    bool ok = false;
    double db = 0;
    std::uint64_t frames = 0;
};
Rauschabstand rauschabstand(Bytequelle& original, const WavFormat& a, Bytequelle& kopie, const WavFormat& b, Fortschritt& f);

inline constexpr const char* TEXT_WAV_KEIN_RIFF = "Die Datei ist keine WAV-Datei (kein RIFF/WAVE-Kopf).";
inline constexpr const char* TEXT_WAV_KEIN_FMT = "Der WAV-Datei fehlt der fmt-Abschnitt vor den Abtastwerten.";
inline constexpr const char* TEXT_WAV_KEINE_DATEN = "Der WAV-Datei fehlt der data-Abschnitt.";
inline constexpr const char* TEXT_WAV_FORMAT =
    "Nur unkomprimierte PCM-Daten mit 8, 16, 24 oder 32 Bit werden gezeigt (Format %u, %u Bit, %u Kanäle).";

inline constexpr const char* TEXT_WAV_SNR = "Rauschabstand (SNR) der Kopie: %.1f dB über %llu Frames";
inline constexpr const char* TEXT_WAV_GLEICH = "Die Abtastwerte beider Dateien sind gleich.";
inline constexpr const char* TEXT_WAV_DIFFERENZ_FORMAT = "Keine Differenz: verschiedene Formate (A: %s; B: %s).";
inline constexpr const char* TEXT_WAV_FORMATNAME = "%u Bit, %u Hz, %s";  // the last: mono, stereo or
inline constexpr const char* TEXT_WAV_KANAELE = "%u Kanäle";
inline constexpr const char* TEXT_WAV_UNVERGLEICHBAR = "Die beiden Dateien haben verschiedene Formate: kein Rauschabstand.";

}  // namespace zor
