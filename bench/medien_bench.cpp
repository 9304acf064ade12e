// Opening a 4000 x 3000 24-bit bitmap and listing a 1 MB MIDI file through the core readers.
#include "core/media/dib.h"
#include "core/media/midi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string bmpDatei() {
    static const std::string pfad = [] {
        const auto p = (std::filesystem::temp_directory_path() / "medien_bench_4000x3000.bmp").string();
        zor::DibBild b{4000, 3000, {}};
        b.pixel.resize(std::size_t{4000} * 3000);
        for (std::size_t i = 0; i < b.pixel.size(); ++i) b.pixel[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
        if (!zor::speichereDib(b, p, {})) std::abort();
        return p;
    }();
    return pfad;
}

// About 1 MB of notes, tempo changes and texts in one track.
std::string midiDatei() {
    static const std::string pfad = [] {
        std::string spur;
        for (int i = 0; spur.size() < (1u << 20); ++i) {
            spur += std::string("\x00\x90", 2) + char(i % 128) + char(64);
            spur += std::string("\x60", 1) + char(i % 128) + char(0);  // running status
            if (i % 50 == 0) spur += std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7);
            if (i % 200 == 0) spur += std::string("\x00\xFF\x01\x05Hallo", 9);
        }
        spur += std::string("\x00\xFF\x2F\x00", 4);
        const auto n = spur.size();
        const auto p = (std::filesystem::temp_directory_path() / "medien_bench_1MB.mid").string();
        std::ofstream(p, std::ios::binary) << std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) << "MTrk" << char(n >> 24)
                                           << char(n >> 16 & 255) << char(n >> 8 & 255) << char(n & 255) << spur;
        return p;
    }();
    return pfad;
}

void BM_Bmp4000x3000Oeffnen(benchmark::State& s) {
    const std::string p = bmpDatei();
    for (auto _ : s) {
        const zor::DibErgebnis e = zor::OpenDIB(p);
        if (!e.ok) s.SkipWithError("nicht gelesen");
        benchmark::DoNotOptimize(e.bild.pixel.data());
    }
}
BENCHMARK(BM_Bmp4000x3000Oeffnen)->Unit(benchmark::kMillisecond);

void BM_Midi1MBListen(benchmark::State& s) {
    const std::string p = midiDatei();
    std::size_t zeichen = 0;
    for (auto _ : s) {
        const zor::MidiErgebnis e = zor::GetFileInfo(p);
        zeichen = e.text.size();
    }
    s.counters["Textbytes"] = static_cast<double>(zeichen);
}
BENCHMARK(BM_Midi1MBListen)->Unit(benchmark::kMillisecond);

}  // namespace
