#include "core/media/midi.h"

#include "core/media/bytequelle.h"
#include "core/media/midi_ereignisse.h"
#include "core/util/format.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace zor {

namespace {

enum Phase : int { ANFANG, KOPF, SPUR_SUCHEN, EREIGNISSE, ENDE };

constexpr std::size_t PUFFER = std::size_t{64} << 10;

// The reading ends with the fault's line (the lines up to here are kept).
struct Abbruch {
    const char* text;
    std::uint64_t bei;
};

std::string ohneZeilenende(std::string zeile) {
    if (!zeile.empty() && zeile.back() == '\n') zeile.pop_back();
    return zeile;
}

bool zeichenAnfang(unsigned char c) { return (c & 0xC0) != 0x80; }

// Entries a line makes in a list box (at least one).
std::uint64_t eintragAnzahl(const std::string& zeile) {
    std::uint64_t zeichen = 0;
    for (unsigned char c : zeile) zeichen += zeichenAnfang(c);
    return std::max<std::uint64_t>(1, (zeichen + MIDI_EINTRAG_MAX - 1) / MIDI_EINTRAG_MAX);
}

}  // namespace

MidiZeilen::MidiZeilen(Bytequelle& q, std::string name)
    : q_(q), name_(std::move(name)), puffer_(static_cast<std::size_t>(std::clamp<std::uint64_t>(q.groesse(), 1, PUFFER))) {
    unsigned char kennung[4] = {};
    istMidi_ = q_.lies(0, kennung, 4) == 4 && std::equal(kennung, kennung + 4, "MThd");
    s_.phase = istMidi_ ? ANFANG : ENDE;
    s_.pos = 4;
}

MidiZeilen::Stand MidiZeilen::stand() const { return s_; }

void MidiZeilen::fortsetzen(const Stand& s) {
    s_ = s;
    ausstehend_.clear();
    abbruch_.reset();
}

bool MidiZeilen::naechste(std::string& zeile) {
    while (ausstehend_.empty() && s_.phase != ENDE) {
        try {
            schritt();
        } catch (const Abbruch& a) {
            char bei[64];
            std::snprintf(bei, sizeof bei, TEXT_MIDI_BEI_BYTE, static_cast<unsigned long long>(a.bei),
                          static_cast<unsigned long long>(a.bei));
            ausstehend_.push_back(std::string(a.text) + bei);
            abbruch_ = a.bei;
            s_.phase = ENDE;
        }
    }
    if (ausstehend_.empty()) return false;
    zeile = std::move(ausstehend_.front());
    ausstehend_.pop_front();
    return true;
}

void MidiZeilen::schritt() {
    switch (s_.phase) {
    case ANFANG:
        ausstehend_.push_back("MIDI FILE:\t\t " + name_);
        s_.phase = KOPF;
        break;
    case KOPF: kopf(); break;
    case SPUR_SUCHEN: spurSuchen(); break;
    case EREIGNISSE:
        if (s_.rest <= 0) {
            ausstehend_.push_back(ohneZeilenende(MIDI_TRENNER));
            // Whatever the events consumed, the next chunk starts where the track says.
            s_.pos = s_.spurEnde;
            ++s_.spur;
            s_.phase = SPUR_SUCHEN;
        } else {
            ereignis();
        }
        break;
    default: break;
    }
}

void MidiZeilen::kopf() {
    const std::uint32_t laenge = lies32();
    const std::uint64_t p = s_.pos;
    const auto zahl = [this](const char* muster, unsigned wert) {
        char zeile[64];
        std::snprintf(zeile, sizeof zeile, muster, wert);
        ausstehend_.push_back(zeile);
    };
    const auto lies16 = [this] {
        const unsigned hi = lies8();
        return hi << 8 | lies8();
    };
    zahl("FORMAT:\t\t\t %u", lies16());
    s_.spuren = lies16();
    zahl("TRACKS:\t\t\t %u", s_.spuren);
    zahl("DIVISION:\t\t %u", lies16());
    ausstehend_.push_back(ohneZeilenende(MIDI_TRENNER));
    s_.pos = p + laenge;
    s_.spur = 0;
    s_.phase = SPUR_SUCHEN;
}

// The next track chunk; a chunk of any other kind is skipped (one per step).
void MidiZeilen::spurSuchen() {
    if (s_.spur >= s_.spuren) {
        s_.phase = ENDE;
        return;
    }
    std::string kennung;
    for (int i = 0; i < 4; ++i) kennung += static_cast<char>(lies8());
    const std::uint32_t laenge = lies32();
    if (kennung != "MTrk") {
        s_.pos += laenge;
        return;
    }
    s_.spurEnde = s_.pos + laenge;
    s_.rest = laenge;
    s_.laufstatus = 0;
    s_.phase = EREIGNISSE;
}

void MidiZeilen::ereignis() {
    liesVari();  // the delta time is not shown
    const std::uint64_t statusBei = s_.pos;
    const unsigned c = lies8();
    if (c & 0x80)
        s_.laufstatus = c;
    else if (s_.laufstatus == 0)
        throw Abbruch{TEXT_MIDI_LAUFSTATUS, statusBei};
    std::string zeile;
    if (const int datenbytes = chantype(s_.laufstatus); datenbytes > 0) {
        const unsigned d1 = (c & 0x80) ? lies8() : c;
        const unsigned d2 = datenbytes == 2 ? lies8() : 0;
        ChannelMessage(zeile, s_.laufstatus, d1, d2);
    } else if (c == 0xF0 || c == 0xF7) {
        const std::uint32_t n = laenge(s_.pos);
        s_.pos += n;
        s_.rest -= n;
    } else if (c == 0xFF) {
        const unsigned typ = lies8();
        const std::uint32_t n = laenge(s_.pos);
        std::array<unsigned char, 256> daten{};
        const std::uint32_t behalten = std::min<std::uint32_t>(n, daten.size());
        for (std::uint32_t i = 0; i < behalten; ++i) daten[i] = static_cast<unsigned char>(lies8());
        s_.pos += n - behalten;
        s_.rest -= n - behalten;
        AddMeta(zeile, std::span(daten.data(), behalten), typ);
    } else {
        throw Abbruch{TEXT_MIDI_FALSCH, statusBei};
    }
    if (!zeile.empty()) ausstehend_.push_back(ohneZeilenende(std::move(zeile)));
}

// A data length that must fit both the file and the track.
std::uint32_t MidiZeilen::laenge(std::uint64_t anfang) {
    const std::uint32_t n = liesVari();
    const std::uint64_t uebrig = q_.groesse() > s_.pos ? q_.groesse() - s_.pos : 0;
    if (n > uebrig) throw Abbruch{TEXT_MIDI_UEBER_DATEI, anfang};
    if (n > s_.rest) throw Abbruch{TEXT_MIDI_UEBER_SPUR, anfang};
    return n;
}

// One byte; every byte read counts against the track's rest.
unsigned MidiZeilen::lies8() {
    if (s_.pos < pufferAnfang_ || s_.pos >= pufferAnfang_ + pufferLaenge_) {
        pufferAnfang_ = s_.pos;
        pufferLaenge_ = q_.lies(s_.pos, puffer_.data(), puffer_.size());
    }
    if (s_.pos >= pufferAnfang_ + pufferLaenge_) throw Abbruch{TEXT_MIDI_VORZEITIG, std::min(s_.pos, q_.groesse())};
    --s_.rest;
    return puffer_[static_cast<std::size_t>(s_.pos++ - pufferAnfang_)];
}

std::uint32_t MidiZeilen::lies32() {
    std::uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) wert = wert << 8 | lies8();
    return wert;
}

// At most four bytes: a longer number is a fault, not a value.
std::uint32_t MidiZeilen::liesVari() {
    const std::uint64_t anfang = s_.pos;
    std::uint32_t wert = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned c = lies8();
        wert = wert << 7 | (c & 0x7F);
        if ((c & 0x80) == 0) return wert;
    }
    throw Abbruch{TEXT_MIDI_VARI, anfang};
}

MidiErgebnis midiInfo(Bytequelle& q, const std::string& name) {
    MidiErgebnis e;
    MidiZeilen z(q, name);
    if (!z.istMidi()) {
        e.meldung = {TEXT_MIDI_FEHLER, TITEL_MIDI_FEHLER, Symbol::Information};
        return e;
    }
    for (std::string zeile; z.naechste(zeile);) e.text += zeile + '\n';
    e.abbruchBei = z.abbruchBei();
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

std::vector<std::string> listenEintraege(const std::string& zeile) {
    std::vector<std::string> e;
    std::size_t anfang = 0, zeichen = 0;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        if (!zeichenAnfang(static_cast<unsigned char>(zeile[i]))) continue;
        if (zeichen++ == MIDI_EINTRAG_MAX) {
            e.push_back(zeile.substr(anfang, i - anfang));
            anfang = i;
            zeichen = 1;
        }
    }
    e.push_back(zeile.substr(anfang));
    return e;
}

namespace {
// Entries from one mark to the next: few enough to make again at each scroll.
constexpr std::uint64_t BLOCK = 512;
}  // namespace

MidiListe::MidiListe(std::unique_ptr<Bytequelle> q, std::string name) : q_(std::move(q)), name_(std::move(name)) {}
MidiListe::~MidiListe() = default;

std::unique_ptr<MidiListe> MidiListe::oeffnen(const std::string& datei, Meldung& meldung) {
    std::string warum;
    auto q = oeffneDatei(datei, warum);
    if (!q || !MidiZeilen(*q, datei).istMidi()) {
        meldung = {TEXT_MIDI_FEHLER, TITEL_MIDI_FEHLER, Symbol::Information};
        return nullptr;
    }
    std::unique_ptr<MidiListe> l(new MidiListe(std::move(q), datei));
    l->zaehlen();
    return l;
}

void MidiListe::zaehlen() {
    MidiZeilen z(*q_, name_);
    marken_.push_back({0, z.stand()});
    for (std::string zeile;;) {
        if (z.bereit() && anzahl_ - marken_.back().eintrag >= BLOCK) marken_.push_back({anzahl_, z.stand()});
        if (!z.naechste(zeile)) break;
        anzahl_ += eintragAnzahl(zeile);
    }
    abbruch_ = z.abbruchBei();
}

std::string MidiListe::eintrag(std::uint64_t i) {
    if (i < blockAnfang_ || i >= blockAnfang_ + block_.size()) {
        auto m = std::upper_bound(marken_.begin(), marken_.end(), i,
                                  [](std::uint64_t k, const Marke& marke) { return k < marke.eintrag; });
        if (m == marken_.begin()) return {};
        const Marke& von = *std::prev(m);
        const std::uint64_t bis = m == marken_.end() ? anzahl_ : m->eintrag;
        MidiZeilen z(*q_, name_);
        z.fortsetzen(von.stand);
        block_.clear();
        blockAnfang_ = von.eintrag;
        for (std::string zeile; blockAnfang_ + block_.size() < bis && z.naechste(zeile);)
            for (std::string& e : listenEintraege(zeile)) block_.push_back(std::move(e));
    }
    return i - blockAnfang_ < block_.size() ? block_[static_cast<std::size_t>(i - blockAnfang_)] : std::string();
}

}  // namespace zor
