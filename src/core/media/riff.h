#pragma once
// Walking the chunks of a RIFF file (WAV, AVI) over a bounded byte source. Every size is
// checked against the file before use: a chunk that claims more bytes than remain ends the
// walk, so a hostile size cannot send a reader past the end.

#include "core/media/bytequelle.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zor {

struct RiffAbschnitt {
    std::array<char, 4> kennung{};
    std::uint64_t kopf = 0;    // offset of the 8-byte chunk header
    std::uint64_t groesse = 0; // data bytes as the header states them
    std::uint64_t daten() const { return kopf + 8; }
    std::uint64_t ende() const { return daten() + groesse; }                // without the pad byte
    std::uint64_t naechster() const { return ende() + (groesse & 1); }      // chunks start at even offsets
    bool ist(const char* k) const { return kennung[0] == k[0] && kennung[1] == k[1] && kennung[2] == k[2] && kennung[3] == k[3]; }
};

std::uint32_t le32(const unsigned char* p);
std::uint16_t le16(const unsigned char* p);

// The form type of a RIFF file ("WAVE", "AVI "), or nothing when the file does not start
// with a RIFF header.
std::optional<std::array<char, 4>> riffFormular(Bytequelle& q);

// Chunks one after another in [anfang, ende): a whole 8-byte header that fits, with its
// data inside the bound (the last chunk may be cut short at the file's end: `abgeschnitten`).
class RiffLeser {
public:
    RiffLeser(Bytequelle& q, std::uint64_t anfang, std::uint64_t ende);
    std::optional<RiffAbschnitt> naechster();
    bool abgeschnitten() const { return abgeschnitten_; }
    // Continue with the chunks inside a list (after its 4-byte list type).
    void hinein(const RiffAbschnitt& liste) {
        pos_ = liste.daten() + 4;
        abgeschnitten_ = false;  // a list cut short still holds whole chunks up to the bound
    }

private:
    Bytequelle& q_;
    std::uint64_t pos_, ende_;
    bool abgeschnitten_ = false;
};

}  // namespace zor
