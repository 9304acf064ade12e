#include "core/media/midi_ereignisse.h"

#include <cstdio>

namespace zor {

namespace {

template <class... A>
void zeile(std::string& text, const char* muster, A... a) {
    char puffer[160];
    const int n = std::snprintf(puffer, sizeof puffer, muster, a...);
    if (n > 0) text.append(puffer, static_cast<std::size_t>(std::min<int>(n, sizeof puffer - 1)));
}

// The kept bytes up to the first zero, Latin-1 to UTF-8. Control characters are written
// as escapes, so that a text with line feeds stays on its one line.
void textZeile(std::string& text, const char* vorn, std::span<const unsigned char> daten) {
    text += vorn;
    for (unsigned char c : daten) {
        if (c == 0) break;
        if (c == '\n') {
            text += "\\n";
        } else if (c == '\r') {
            text += "\\r";
        } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            text += escape;
        } else if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | c >> 6);
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    text += '\n';
}

unsigned byteAn(std::span<const unsigned char> d, std::size_t i) { return i < d.size() ? d[i] : 0u; }

}  // namespace

int chantype(unsigned status) {
    switch (status >> 4) {
    case 0x8: case 0x9: case 0xA: case 0xB: case 0xE: return 2;
    case 0xC: case 0xD: return 1;
    default: return 0;
    }
}

void ChannelMessage(std::string& text, unsigned status, unsigned d1, unsigned d2) {
    const unsigned chan = status & 0x0F;
    switch (status >> 4) {
    case 0x8: zeile(text, "NOTE OFF:\t\t note %u - vel %u - chan %u\n", d1, d2, chan); break;
    case 0x9: zeile(text, "NOTE ON:\t\t note %u - vel %u - chan %u\n", d1, d2, chan); break;
    case 0xA: zeile(text, "KEY PRESSURE:\t\t ctrl %u - val %u - chan %u\n", d1, d2, chan); break;
    case 0xB: zeile(text, "PARAMETER:\t\t p1 %u - p2 %u - chan %u\n", d1, d2, chan); break;
    case 0xC: zeile(text, "PROGRAM CHANGE:\t program %u - chan %u\n", d1, chan); break;
    case 0xD: zeile(text, "AFTERTOUCH:\t val %u - chan %u\n", d1, chan); break;
    case 0xE: zeile(text, "PITCH BEND:\t\t ctrl %u - val %u - chan %u\n", d1, d2, chan); break;
    default: break;
    }
}

void AddMeta(std::string& text, std::span<const unsigned char> d, unsigned typ) {
    switch (typ) {
    case 0x00: zeile(text, "SEQUENCE NUMBER:\t %u\n", byteAn(d, 0) << 8 | byteAn(d, 1)); break;
    case 0x01: textZeile(text, "TEXT:\t\t\t ", d); break;
    case 0x02: textZeile(text, "COPYRIGHT:\t ", d); break;
    case 0x03: textZeile(text, "SEQUENCE:\t\t ", d); break;
    case 0x04: textZeile(text, "INSTRUMENT:\t\t ", d); break;
    case 0x05: textZeile(text, "LYRIC:\t ", d); break;
    case 0x06: textZeile(text, "MARKER:\t ", d); break;
    case 0x07: textZeile(text, "CUE POINT:\t ", d); break;
    case 0x20: zeile(text, "CHANNEL PREFIX:\t %u\n", byteAn(d, 0)); break;
    case 0x2F: text += "END OF TRACK\n"; break;
    case 0x51:
        zeile(text, "TEMPO:\t\t\t %lu\n", static_cast<unsigned long>(byteAn(d, 0) << 16 | byteAn(d, 1) << 8 | byteAn(d, 2)));
        break;
    case 0x58: {
        // Numerator over the denominator, which the file holds as a power of two.
        const unsigned hoch = byteAn(d, 1);
        if (hoch < 32)
            zeile(text, "TIME SIGNATURE:\t\t %u/%lu\n", byteAn(d, 0), 1ul << hoch);
        else
            zeile(text, "TIME SIGNATURE:\t\t %u/2^%u\n", byteAn(d, 0), hoch);
        break;
    }
    case 0x59:
        zeile(text, "KEY SIGNATURE:\t\t %d - %s\n", static_cast<int>(static_cast<signed char>(byteAn(d, 0))),
              byteAn(d, 1) % 2 == 0 ? "MAJOR" : "MINOR");
        break;
    default: break;
    }
}

}  // namespace zor
