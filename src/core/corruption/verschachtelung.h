#pragma once
// The block interleaver and a channel seen through it.
//
// Blockverschachtler: the data bits fill a frame of `tiefe` rows of `zeile` bits, written
// row by row and sent column by column. So data bits that follow each other in a row lie
// `tiefe` bits apart on the channel, and a channel burst no longer than `tiefe` hits every
// row at most once. A last frame with fewer bits (r < tiefe * zeile) is written the same
// way into ceil(r / zeile) rows, the last one partly filled, and read by columns skipping
// the empty cells; a frame of at most one row is sent unchanged.
//
// VerschachtelterKanal: a corruption channel whose errors are drawn in sending order and
// mapped back through the interleaver (square frames, zeile = tiefe) before they hit the
// file's data bits (most significant bit of a byte first). The channel draws exactly as
// without interleaving, so the same number of bits is inverted, at the image positions.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace zor {

// Depths the corruption jobs and the block statistics accept.
inline constexpr std::uint32_t MAX_TIEFE = 4096;
inline constexpr const char* TEXT_TIEFE = "Falsche Eingabe bei der Verschachtelungstiefe!\nErlaubt sind ganze Zahlen von 1 bis 4096.";

class Blockverschachtler {
public:
    Blockverschachtler(std::uint64_t tiefe, std::uint64_t zeile) : tiefe_(tiefe), zeile_(zeile) {}

    std::uint64_t tiefe() const { return tiefe_; }
    std::uint64_t zeile() const { return zeile_; }
    std::uint64_t rahmen() const { return tiefe_ * zeile_; }

    // The shape of a frame of r bits (1 <= r <= rahmen()).
    struct Form {
        std::uint64_t zeilen;  // rows used
        std::uint64_t voll;    // columns with `zeilen` cells; the others have one less
    };
    Form form(std::uint64_t r) const {
        const std::uint64_t zeilen = (r + zeile_ - 1) / zeile_;
        return {zeilen, r - (zeilen - 1) * zeile_};
    }

    // The data index (row * zeile + column) of the c-th bit sent in a frame of that shape.
    std::uint64_t datenIndex(std::uint64_t c, const Form& f) const {
        if (c < f.voll * f.zeilen) return (c % f.zeilen) * zeile_ + c / f.zeilen;
        const std::uint64_t rest = c - f.voll * f.zeilen, kurz = f.zeilen - 1;
        return (rest % kurz) * zeile_ + f.voll + rest / kurz;
    }

private:
    std::uint64_t tiefe_, zeile_;
};

// Kanal: anwenden(std::span<unsigned char>) inverts bits of consecutive bytes in place
// (the corruption channels); fehler() counts them.
template <class Kanal>
class VerschachtelterKanal {
public:
    VerschachtelterKanal(Kanal& kanal, std::uint32_t tiefe) : kanal_(kanal), v_(tiefe, tiefe) {}

    // The number of data bytes that will pass (all unprotected bytes of the file): the
    // last frame's shape depends on it. Called by the copying frame before the first block.
    void beginnen(std::uint64_t bytes) { bits_ = 8 * bytes; }

    void anwenden(std::span<unsigned char> bytes);
    std::uint64_t fehler() const { return kanal_.fehler(); }

private:
    void rahmenErzeugen();
    bool maskenbit(std::uint64_t i) const { return (maske_[i >> 6] >> (i & 63)) & 1u; }

    Kanal& kanal_;
    Blockverschachtler v_;
    std::uint64_t bits_ = 0;
    std::uint64_t pos_ = 0;                   // data bits passed so far
    std::uint64_t anfang_ = 0, laenge_ = 0;   // the current frame
    std::vector<std::uint64_t> maske_;        // its errors by data index
    std::vector<unsigned char> gesendet_;     // the channel's bytes covering the frame
    std::uint64_t erzeugtBytes_ = 0;          // channel bytes drawn so far
    unsigned char letztes_ = 0;               // the last of them, shared by two frames
};

template <class Kanal>
void VerschachtelterKanal<Kanal>::rahmenErzeugen() {
    anfang_ += laenge_;
    laenge_ = std::min(v_.rahmen(), bits_ - anfang_);
    // The channel inverts bits of zero bytes: what it leaves set are its errors, in the
    // order they were sent. A frame may begin inside a byte drawn for the previous one.
    const std::uint64_t erstes = anfang_ / 8, ende = (anfang_ + laenge_ + 7) / 8;
    gesendet_.assign(ende - erstes, 0);
    const std::size_t schon = erzeugtBytes_ > erstes ? 1 : 0;
    if (schon) gesendet_[0] = letztes_;
    kanal_.anwenden(std::span(gesendet_).subspan(schon));
    erzeugtBytes_ = ende;
    letztes_ = gesendet_.back();

    maske_.assign((laenge_ + 63) / 64, 0);
    const auto form = v_.form(laenge_);
    for (std::size_t k = 0; k < gesendet_.size(); ++k) {
        for (unsigned rest = gesendet_[k]; rest != 0; rest &= rest - 1) {
            const std::uint64_t t = (erstes + k) * 8 + 7 - static_cast<unsigned>(std::countr_zero(rest));
            if (t < anfang_ || t >= anfang_ + laenge_) continue;
            const std::uint64_t i = v_.datenIndex(t - anfang_, form);
            maske_[i >> 6] |= std::uint64_t{1} << (i & 63);
        }
    }
}

template <class Kanal>
void VerschachtelterKanal<Kanal>::anwenden(std::span<unsigned char> bytes) {
    for (unsigned char& b : bytes) {
        unsigned maske = 0;
        if (pos_ >= anfang_ && pos_ + 8 <= anfang_ + laenge_) {
            // The whole byte inside the frame: its eight mask bits at once, reversed into
            // most-significant-first order.
            const std::uint64_t i = pos_ - anfang_;
            const unsigned r = static_cast<unsigned>(i & 63);
            std::uint64_t w = maske_[i >> 6] >> r;
            if (r > 56) w |= maske_[(i >> 6) + 1] << (64 - r);
            const auto acht = static_cast<std::uint8_t>(w);
            maske = static_cast<unsigned>((acht * 0x0202020202ull & 0x010884422010ull) % 1023);
            pos_ += 8;
        } else {
            for (unsigned j = 0; j < 8; ++j, ++pos_) {
                if (pos_ >= bits_) return;  // more bytes than announced: leave them as they are
                if (pos_ == anfang_ + laenge_) rahmenErzeugen();
                maske |= static_cast<unsigned>(maskenbit(pos_ - anfang_)) << (7 - j);
            }
        }
        b = static_cast<unsigned char>(b ^ maske);
    }
}

}  // namespace zor
