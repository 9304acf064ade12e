#include "core/beispiele/bytefolge.h"
#include "core/beispiele/erzeuger.h"

namespace zor::beispiele {

namespace {

// sin(2π·phase/2^32) by folding into a quarter wave and a Taylor polynomial: only
// additions and multiplications, so the samples are the same on every machine.
double sinus(std::uint32_t phase) {
    const double t = phase * (1.0 / 4294967296.0);  // [0, 1)
    const double vorzeichen = t < 0.5 ? 1.0 : -1.0;
    double u = t < 0.5 ? t : t - 0.5;                // [0, 0.5)
    if (u > 0.25) u = 0.5 - u;                       // [0, 0.25]
    const double x = u * 6.283185307179586, x2 = x * x;
    const double s = x * (1 - x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72 * (1 - x2 / 110)))));
    return vorzeichen * s;
}

struct Note {
    std::uint32_t milliHertz;  // equal temperament, A4 = 440 Hz
    std::uint32_t achtel;      // length in eighths of a second
};

// C D E F G G, then A G: a rising line that ends on a longer tone.
constexpr Note MELODIE[] = {{523251, 3}, {587330, 3}, {659255, 3}, {698456, 3}, {783991, 4},
                            {783991, 4}, {880000, 2}, {783991, 2}};

constexpr std::uint32_t ANSCHLAG = TON_RATE / 100;  // 10 ms rise
constexpr std::uint32_t AUSKLANG = TON_RATE / 25;   // 40 ms fall, then a rest
constexpr std::uint32_t PAUSE = TON_RATE / 40;      // 25 ms of silence between tones

void noteAnhaengen(std::vector<std::int16_t>& werte, const Note& n, std::uint32_t laenge) {
    const std::uint32_t klang = laenge - PAUSE;
    const auto schritt = static_cast<std::uint32_t>((std::uint64_t{n.milliHertz} << 32) / (std::uint64_t{TON_RATE} * 1000));
    std::uint32_t phase = 0;
    for (std::uint32_t i = 0; i < laenge; ++i, phase += schritt) {
        double huelle = 0;
        if (i < ANSCHLAG) huelle = double(i) / ANSCHLAG;
        else if (i < klang - AUSKLANG) huelle = 1.0 - 0.4 * double(i - ANSCHLAG) / double(klang - AUSKLANG - ANSCHLAG);
        else if (i < klang) huelle = 0.6 * double(klang - i) / AUSKLANG;
        // A fundamental with two overtones sounds less thin than a pure sine.
        const double klangwert = 0.6 * sinus(phase) + 0.25 * sinus(2 * phase) + 0.15 * sinus(3 * phase);
        werte.push_back(static_cast<std::int16_t>(huelle * klangwert * 16000.0));
    }
}

}  // namespace

std::vector<unsigned char> tonBytes() {
    std::vector<std::int16_t> werte;
    // Note boundaries on whole samples from the start, so the lengths add up to the whole.
    std::uint32_t achtel = 0;
    for (const Note& n : MELODIE) {
        const std::uint32_t von = achtel * TON_RATE / 8;
        achtel += n.achtel;
        noteAnhaengen(werte, n, achtel * TON_RATE / 8 - von);
    }
    const auto daten = static_cast<std::uint32_t>(werte.size() * 2);
    Bytefolge b;
    b.text("RIFF");
    b.le32(36 + daten);
    b.text("WAVE");
    b.text("fmt ");
    b.le32(16);
    b.le16(1);  // PCM
    b.le16(1);  // mono
    b.le32(TON_RATE);
    b.le32(TON_RATE * 2);
    b.le16(2);
    b.le16(16);
    b.text("data");
    b.le32(daten);
    for (std::int16_t w : werte) b.le16(static_cast<std::uint16_t>(w));
    return b.bytes();
}

}  // namespace zor::beispiele
