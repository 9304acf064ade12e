#include "core/beispiele/bytefolge.h"
#include "core/beispiele/erzeuger.h"

#include <string_view>

namespace zor::beispiele {

namespace {

constexpr std::uint32_t VIERTEL = 480;  // ticks per quarter note

// A variable-length quantity: seven bits per byte, the high bit set on all but the last.
void vlq(Bytefolge& b, std::uint32_t wert) {
    unsigned char teile[5];
    int n = 0;
    do {
        teile[n++] = static_cast<unsigned char>(wert & 0x7F);
        wert >>= 7;
    } while (wert != 0);
    while (n-- > 1) b.byte(teile[n] | 0x80u);
    b.byte(teile[0]);
}

void meta(Bytefolge& b, std::uint32_t delta, std::uint32_t art, std::string_view daten) {
    vlq(b, delta);
    b.byte(0xFF);
    b.byte(art);
    vlq(b, static_cast<std::uint32_t>(daten.size()));
    b.text(daten);
}

// An MTrk chunk around the events that `inhalt` writes.
template <class F>
void spur(Bytefolge& datei, F inhalt) {
    datei.text("MTrk");
    const std::size_t laenge = datei.groesse();
    datei.be32(0);
    inhalt(datei);
    meta(datei, 0, 0x2F, {});
    datei.be32An(laenge, static_cast<std::uint32_t>(datei.groesse() - laenge - 4));
}

struct Ton {
    std::uint32_t taste;    // MIDI note number, 60 = middle C
    std::uint32_t viertel;  // length in quarter notes
};

// "Alle meine Entchen", a German children's song.
constexpr Ton LIED[] = {
    {60, 1}, {62, 1}, {64, 1}, {65, 1}, {67, 2}, {67, 2},
    {69, 1}, {69, 1}, {69, 1}, {69, 1}, {67, 4},
    {69, 1}, {69, 1}, {69, 1}, {69, 1}, {67, 4},
    {65, 1}, {65, 1}, {65, 1}, {65, 1}, {64, 2}, {64, 2},
    {62, 1}, {62, 1}, {62, 1}, {62, 1}, {60, 4},
};

}  // namespace

std::vector<unsigned char> melodieBytes() {
    Bytefolge b;
    b.text("MThd");
    b.be32(6);
    b.be16(1);  // format 1: tracks played together
    b.be16(2);
    b.be16(VIERTEL);
    spur(b, [](Bytefolge& s) {
        meta(s, 0, 0x03, "Zorwerk-Beispiel");
        meta(s, 0, 0x58, std::string_view("\x04\x02\x18\x08", 4));  // 4/4
        meta(s, 0, 0x59, std::string_view("\x00\x00", 2));          // C major
        meta(s, 0, 0x51, std::string_view("\x07\xA1\x20", 3));      // 500000 µs per quarter: 120 bpm
    });
    spur(b, [](Bytefolge& s) {
        meta(s, 0, 0x03, "Alle meine Entchen");
        s.byte(0);
        s.byte(0xC0);  // program change, channel 1: flute
        s.byte(73);
        s.byte(0);
        s.byte(0xB0);  // channel volume
        s.byte(7);
        s.byte(100);
        std::uint32_t pause = 0;
        for (const Ton& t : LIED) {
            vlq(s, pause);
            if (&t == LIED) s.byte(0x90);  // the one status byte; every later note event runs on it
            s.byte(t.taste);
            s.byte(96);
            // A slightly shortened note, released by velocity 0, keeps repeated notes apart.
            vlq(s, t.viertel * VIERTEL - VIERTEL / 8);
            s.byte(t.taste);
            s.byte(0);
            pause = VIERTEL / 8;
        }
    });
    return b.bytes();
}

}  // namespace zor::beispiele
