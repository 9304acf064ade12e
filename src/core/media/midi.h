#pragma once
// The information text of a Standard MIDI File: the header and every event of every track
// as readable lines, with a separator line after the header and after each track. Chunks
// other than tracks are skipped, as the file format asks of readers. A damaged file ends
// the listing with a line naming the fault and its byte offset; nothing is ever read past
// the end of the file. The lines are produced one at a time, so a listing of any length
// needs no more memory than one event.

#include "core/util/ergebnis.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zor {

class Bytequelle;

// The lines of one file, in order, each without its line feed.
class MidiZeilen {
public:
    // `q` must outlive the reader; `name` is the file name the first line shows.
    MidiZeilen(Bytequelle& q, std::string name);

    // False when the file is no MIDI file at all (no "MThd" at its start).
    bool istMidi() const { return istMidi_; }
    // The next line; false after the last one.
    bool naechste(std::string& zeile);
    // Where a damaged file stopped the listing (its last line names the fault); nothing
    // while the listing is whole so far.
    std::optional<std::uint64_t> abbruchBei() const { return abbruch_; }

    // A point the reading can go on from, taken between two lines (see bereit()).
    struct Stand {
        int phase = 0;
        std::uint64_t pos = 0, spurEnde = 0;
        std::int64_t rest = 0;
        unsigned spur = 0, spuren = 0, laufstatus = 0;
    };
    // True when stand() may be taken: every line read so far has been handed out.
    bool bereit() const { return ausstehend_.empty(); }
    Stand stand() const;
    void fortsetzen(const Stand& s);

private:
    void schritt();
    void kopf();
    void spurSuchen();
    void ereignis();
    std::uint32_t laenge(std::uint64_t anfang);
    unsigned lies8();
    std::uint32_t lies32();
    std::uint32_t liesVari();

    Bytequelle& q_;
    std::string name_;
    bool istMidi_ = false;
    Stand s_;
    std::deque<std::string> ausstehend_;
    std::optional<std::uint64_t> abbruch_;
    std::vector<unsigned char> puffer_;
    std::uint64_t pufferAnfang_ = 0, pufferLaenge_ = 0;
};

struct [[nodiscard]] MidiErgebnis {
    bool ok = false;    // a text exists (perhaps ending in a fault line)
    std::string text;   // UTF-8; meta texts are taken as Latin-1
    Meldung meldung;    // why there is no text
    std::optional<std::uint64_t> abbruchBei;  // a damaged file's fault offset
    explicit operator bool() const { return ok; }
};

// The whole text at once, for small files (tests and the fuzzer); `name` is the file
// name the first line shows.
MidiErgebnis GetFileInfo(const std::string& datei);
MidiErgebnis midiInfo(Bytequelle& q, const std::string& name);
MidiErgebnis midiAusSpeicher(std::span<const unsigned char> bytes, const std::string& name);

// A list box shows a line in entries of at most this many characters.
inline constexpr std::size_t MIDI_EINTRAG_MAX = 256;
// The entries of one line (UTF-8, split between characters, never inside one).
std::vector<std::string> listenEintraege(const std::string& zeile);

// A file's listing as list entries, read lazily: opening reads the file once to count
// the entries and to note a point to go on from every so many entries; an entry is then
// made again from the nearest point when it is asked for. Memory stays small whatever
// the file's length. The file stays open as long as the listing lives.
class MidiListe {
public:
    // Nothing when the file cannot be read or is no MIDI file (then `meldung` says so).
    static std::unique_ptr<MidiListe> oeffnen(const std::string& datei, Meldung& meldung);
    ~MidiListe();

    std::uint64_t anzahl() const { return anzahl_; }
    // Entry i (0 ≤ i < anzahl()); empty when the file changed so that it no longer exists.
    std::string eintrag(std::uint64_t i);
    std::optional<std::uint64_t> abbruchBei() const { return abbruch_; }

private:
    struct Marke {
        std::uint64_t eintrag;
        MidiZeilen::Stand stand;
    };
    MidiListe(std::unique_ptr<Bytequelle> q, std::string name);
    void zaehlen();

    std::unique_ptr<Bytequelle> q_;
    std::string name_;
    std::vector<Marke> marken_;
    std::uint64_t anzahl_ = 0;
    std::optional<std::uint64_t> abbruch_;
    std::uint64_t blockAnfang_ = 0;
    std::vector<std::string> block_;  // the entries from one mark to the next
};

// The separator line `bar` (with its line feed).
inline const std::string MIDI_TRENNER = std::string(64, '_') + "\n";

inline constexpr const char* TEXT_MIDI_FEHLER = "Fehler beim Lesen der Datei!";
inline constexpr const char* TITEL_MIDI_FEHLER = "Message";
inline constexpr const char* TEXT_MIDI_LAUFSTATUS = "Bad file - unexpected running status";
inline constexpr const char* TEXT_MIDI_FALSCH = "Falsche Information!";
inline constexpr const char* TEXT_MIDI_VORZEITIG = "Datei endet vorzeitig";
inline constexpr const char* TEXT_MIDI_VARI = "Zahl variabler Länge mit mehr als vier Bytes";
inline constexpr const char* TEXT_MIDI_UEBER_DATEI = "Länge reicht über das Dateiende hinaus";
inline constexpr const char* TEXT_MIDI_UEBER_SPUR = "Länge reicht über das Spurende hinaus";
// Follows a fault's text: its offset, decimal and as the hex view shows it.
inline constexpr const char* TEXT_MIDI_BEI_BYTE = " (bei Byte %llu, hex %05llX)";

}  // namespace zor
