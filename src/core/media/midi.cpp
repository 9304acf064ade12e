#include "core/media/midi.h"

#include "core/media/bytequelle.h"
#include "core/media/midi_ereignisse.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace zor {

namespace {

// The reading ends with this line appended (the text up to here is kept).
struct Abbruch {
    const char* zeile;
};

// Sequential bytes through a buffer; `rest`, when given, counts the bytes of the track.
class MidiStrom {
public:
    // The buffer is no larger than the file.
    explicit MidiStrom(Bytequelle& q)
        : q_(q), puffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(q.groesse(), 1, std::size_t{64} << 10))) {}

    bool ende() const { return pos_ >= q_.groesse(); }
    std::uint64_t uebrig() const { return ende() ? 0 : q_.groesse() - pos_; }
    std::uint64_t position() const { return pos_; }
    void gehe(std::uint64_t p) { pos_ = p; }

    unsigned Read8(std::int64_t* rest = nullptr) {
        if (pos_ < anfang_ || pos_ >= anfang_ + laenge_) fuellen();
        if (pos_ >= anfang_ + laenge_) throw Abbruch{TEXT_MIDI_VORZEITIG};
        if (rest) --*rest;
        return puffer_[static_cast<std::size_t>(pos_++ - anfang_)];
    }
    unsigned Read16(std::int64_t* rest = nullptr) {
        const unsigned hi = Read8(rest);
        return hi << 8 | Read8(rest);
    }
    std::uint32_t Read32(std::int64_t* rest = nullptr) {
        const std::uint32_t hi = Read16(rest);
        return hi << 16 | Read16(rest);
    }
    // At most four bytes: a longer number is a fault, not a value.
    std::uint32_t ReadVari(std::int64_t* rest = nullptr) {
        std::uint32_t wert = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned c = Read8(rest);
            wert = wert << 7 | (c & 0x7F);
            if ((c & 0x80) == 0) return wert;
        }
        throw Abbruch{TEXT_MIDI_VARI};
    }
    // Four bytes, or fewer at the end of the file.
    std::string kennung() {
        std::string k;
        while (k.size() < 4 && !ende()) k += static_cast<char>(Read8());
        return k;
    }

private:
    void fuellen() {
        anfang_ = pos_;
        laenge_ = q_.lies(pos_, puffer_.data(), puffer_.size());
    }
    Bytequelle& q_;
    std::vector<unsigned char> puffer_;
    std::uint64_t anfang_ = 0, laenge_ = 0, pos_ = 0;
};

class MidiLeser {
public:
    MidiLeser(Bytequelle& q, std::string& text) : s_(q), text_(text) {}

    // False when the file is no MIDI file at all.
    bool lesen() {
        if (s_.kennung() != "MThd") return false;
        try {
            kopf();
        } catch (const Abbruch& a) {
            text_ += a.zeile;
        }
        return true;
    }

private:
    void kopf() {
        const std::uint32_t laenge = s_.Read32();
        const std::uint64_t p = s_.position();
        zahl("FORMAT:\t\t\t %u\n", s_.Read16());
        const unsigned spuren = s_.Read16();
        zahl("TRACKS:\t\t\t %u\n", spuren);
        zahl("DIVISION:\t\t %u\n", s_.Read16());
        text_ += MIDI_TRENNER;
        s_.gehe(p + laenge);
        for (unsigned t = 0; t < spuren; ++t)
            if (!spur()) return;
    }

    // False when the reading stops here.
    bool spur() {
        const std::string k = s_.kennung();
        if (k.size() < 4) throw Abbruch{TEXT_MIDI_VORZEITIG};
        if (k != "MTrk") return false;
        const std::uint32_t laenge = s_.Read32();
        const std::uint64_t q = s_.position();
        std::int64_t rest = laenge;
        laufstatus_ = 0;
        while (rest > 0) {
            if (s_.ende()) throw Abbruch{TEXT_MIDI_VORZEITIG};
            if (!ereignis(rest)) return false;
        }
        text_ += MIDI_TRENNER;
        s_.gehe(q + laenge);
        return true;
    }

    bool ereignis(std::int64_t& rest) {
        s_.ReadVari(&rest);
        const unsigned c = s_.Read8(&rest);
        if (c & 0x80) {
            laufstatus_ = c;
        } else if (laufstatus_ == 0) {
            text_ += TEXT_MIDI_LAUFSTATUS;
            return false;
        }
        if (const int n = chantype(laufstatus_); n > 0) {
            const unsigned d1 = (c & 0x80) ? s_.Read8(&rest) : c;
            const unsigned d2 = n == 2 ? s_.Read8(&rest) : 0;
            ChannelMessage(text_, laufstatus_, d1, d2);
        } else if (c == 0xF0 || c == 0xF7) {
            ueberspringe(laenge(rest), rest);
        } else if (c == 0xFF) {
            const unsigned typ = s_.Read8(&rest);
            const std::uint32_t laengeDaten = laenge(rest);
            std::array<unsigned char, 256> daten{};
            const std::uint32_t behalten = std::min<std::uint32_t>(laengeDaten, daten.size());
            for (std::uint32_t i = 0; i < behalten; ++i) daten[i] = static_cast<unsigned char>(s_.Read8(&rest));
            ueberspringe(laengeDaten - behalten, rest);
            AddMeta(text_, std::span(daten.data(), behalten), typ);
        } else {
            text_ += TEXT_MIDI_FALSCH;
            return false;
        }
        return true;
    }

    // A data length that must fit both the file and the track.
    std::uint32_t laenge(std::int64_t& rest) {
        const std::uint32_t n = s_.ReadVari(&rest);
        if (n > s_.uebrig()) throw Abbruch{TEXT_MIDI_UEBER_DATEI};
        if (n > rest) throw Abbruch{TEXT_MIDI_UEBER_SPUR};
        return n;
    }
    void ueberspringe(std::uint32_t n, std::int64_t& rest) {
        s_.gehe(s_.position() + n);
        rest -= n;
    }
    void zahl(const char* muster, unsigned wert) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, muster, wert);
        text_ += puffer;
    }

    MidiStrom s_;
    std::string& text_;
    unsigned laufstatus_ = 0;
};

}  // namespace

MidiErgebnis midiInfo(Bytequelle& q, const std::string& name) {
    MidiErgebnis e;
    // A listing is about ten times its file; reserving spares the copies of growing.
    e.text.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(q.groesse(), std::uint64_t{64} << 20) * 10) + name.size());
    e.text += "MIDI FILE:\t\t " + name + "\n";
    if (!MidiLeser(q, e.text).lesen()) {
        e.text.clear();
        e.meldung = {TEXT_MIDI_FEHLER, TITEL_MIDI_FEHLER, Symbol::Information};
        return e;
    }
    e.ok = true;
    return e;
}

MidiErgebnis GetFileInfo(const std::string& datei) {
    std::string warum;
    auto q = oeffneDatei(datei, warum);
    if (!q) {
        MidiErgebnis e;
        e.meldung = {TEXT_MIDI_FEHLER, TITEL_MIDI_FEHLER, Symbol::Information};
        return e;
    }
    return midiInfo(*q, datei);
}

MidiErgebnis midiAusSpeicher(std::span<const unsigned char> bytes, const std::string& name) {
    SpeicherQuelle q(bytes);
    return midiInfo(q, name);
}

}  // namespace zor
