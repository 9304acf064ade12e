// Pixel decoders of the bitmap reader: uncompressed rows in blocks, and the RLE streams.
#include "core/media/bytequelle.h"
#include "core/media/dib.h"
#include "core/media/dib_kopf.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace zor {

namespace {

// One colour channel of a bit-field mask, scaled to 8 bits.
struct Kanal {
    std::uint32_t maske = 0;
    int schieben = 0;
    std::uint32_t max = 0;  // largest channel value
    explicit Kanal(std::uint32_t m) : maske(m) {
        if (m == 0) return;
        schieben = std::countr_zero(m);
        max = m >> schieben;
    }
    std::uint32_t wert(std::uint32_t px) const {
        if (max == 0) return 0;
        const std::uint64_t v = (px & maske) >> schieben;
        return static_cast<std::uint32_t>(v * 255 / max);
    }
};

// Each decodes n pixels of a row from s, which starts on a byte with the first of them.
void zeileIndiziert(const unsigned char* s, const DibKopf& k, std::uint32_t n, std::uint32_t* z) {
    const unsigned bits = k.bits;
    const unsigned maske = (1u << bits) - 1;
    for (std::uint32_t x = 0; x < n; ++x) {
        const std::uint64_t bit = std::uint64_t{x} * bits;
        const unsigned idx = (s[bit / 8] >> (8 - bits - bit % 8)) & maske;
        z[x] = k.farben[idx];
    }
}

void zeile24(const unsigned char* s, std::uint32_t n, std::uint32_t* z) {
    for (std::uint32_t x = 0; x < n; ++x, s += 3)
        z[x] = 0xFF000000u | std::uint32_t{s[2]} << 16 | std::uint32_t{s[1]} << 8 | s[0];
}

void zeileMasken(const unsigned char* s, const DibKopf& k, std::uint32_t n, const Kanal (&c)[3], std::uint32_t* z) {
    const bool breit = k.bits == 32;
    for (std::uint32_t x = 0; x < n; ++x) {
        std::uint32_t px;
        if (breit) {
            px = std::uint32_t{s[0]} | std::uint32_t{s[1]} << 8 | std::uint32_t{s[2]} << 16 | std::uint32_t{s[3]} << 24;
            s += 4;
        } else {
            px = std::uint32_t{s[0]} | std::uint32_t{s[1]} << 8;
            s += 2;
        }
        z[x] = 0xFF000000u | c[0].wert(px) << 16 | c[1].wert(px) << 8 | c[2].wert(px);
    }
}

void pixelDekodieren(const unsigned char* s, const DibKopf& k, std::uint32_t n, const Kanal (&c)[3], std::uint32_t* z) {
    if (k.bits <= 8)
        zeileIndiziert(s, k, n, z);
    else if (k.bits == 24)
        zeile24(s, n, z);
    else
        zeileMasken(s, k, n, c, z);
}

// Image row (top first) of the n-th row in the file.
std::uint32_t bildzeile(const DibKopf& k, std::uint64_t n) {
    return static_cast<std::uint32_t>(k.obenZuerst ? n : k.hoehe - 1 - n);
}

// Reads stay within about 1 MiB, whatever the image.
constexpr std::uint64_t LESEBLOCK = std::uint64_t{1} << 20;

// Rows wider than a block, each read in pieces of whole bytes: the piece's pixel count is
// a multiple of 8, so a piece of 1- or 4-bit pixels starts on a byte. The count of the
// complete rows read.
std::uint64_t breiteZeilen(Bytequelle& q, const DibKopf& k, std::uint64_t zeilen, const Kanal (&c)[3], DibBild& bild) {
    const std::uint64_t zb = zeilenBytes(k);
    const std::uint32_t jeStueck = static_cast<std::uint32_t>(LESEBLOCK * 8 / k.bits / 8 * 8);
    std::vector<unsigned char> puffer(static_cast<std::size_t>(std::uint64_t{jeStueck} * k.bits / 8));
    for (std::uint64_t r = 0; r < zeilen; ++r) {
        std::uint32_t* z = bild.pixel.data() + std::uint64_t{bildzeile(k, r)} * k.breite;
        for (std::uint32_t x0 = 0; x0 < k.breite; x0 += jeStueck) {
            const std::uint32_t n = std::min(jeStueck, k.breite - x0);
            const std::size_t bytes = static_cast<std::size_t>((std::uint64_t{n} * k.bits + 7) / 8);
            // The file may have shrunk meanwhile.
            if (q.lies(k.pixelOffset + r * zb + std::uint64_t{x0} * k.bits / 8, puffer.data(), bytes) < bytes) return r;
            pixelDekodieren(puffer.data(), k, n, c, z + x0);
        }
    }
    return zeilen;
}

// Rows up to a block long, read many at a time. The count of the complete rows read.
std::uint64_t schmaleZeilen(Bytequelle& q, const DibKopf& k, std::uint64_t zeilen, const Kanal (&c)[3], DibBild& bild) {
    const std::uint64_t zb = zeilenBytes(k);
    const std::uint64_t jeBlock = std::max<std::uint64_t>(1, LESEBLOCK / zb);
    std::vector<unsigned char> puffer(static_cast<std::size_t>(std::min(jeBlock, std::max<std::uint64_t>(zeilen, 1)) * zb));
    std::uint64_t fertig = 0;
    while (fertig < zeilen) {
        const std::uint64_t n = std::min(jeBlock, zeilen - fertig);
        const std::size_t gelesen = q.lies(k.pixelOffset + fertig * zb, puffer.data(), static_cast<std::size_t>(n * zb));
        const std::uint64_t ganz = gelesen / zb;  // the file may have shrunk meanwhile
        for (std::uint64_t i = 0; i < ganz; ++i)
            pixelDekodieren(puffer.data() + i * zb, k, k.breite, c, bild.pixel.data() + std::uint64_t{bildzeile(k, fertig + i)} * k.breite);
        fertig += ganz;
        if (ganz < n) break;
    }
    return fertig;
}

}  // namespace

std::uint64_t vorhandeneZeilen(const DibKopf& k, std::uint64_t dateigroesse) {
    return dateigroesse > k.pixelOffset ? (dateigroesse - k.pixelOffset) / zeilenBytes(k) : 0;
}

std::uint32_t dekodiereUnkomprimiert(Bytequelle& q, const DibKopf& k, DibBild& bild) {
    const std::uint64_t zeilen = std::min<std::uint64_t>(vorhandeneZeilen(k, q.groesse()), k.hoehe);
    const Kanal kanaele[3] = {Kanal(k.masken[0]), Kanal(k.masken[1]), Kanal(k.masken[2])};
    const std::uint64_t fertig = zeilenBytes(k) > LESEBLOCK ? breiteZeilen(q, k, zeilen, kanaele, bild)
                                                             : schmaleZeilen(q, k, zeilen, kanaele, bild);
    for (std::uint64_t r = fertig; r < k.hoehe; ++r)
        std::fill_n(bild.pixel.begin() + static_cast<std::ptrdiff_t>(std::uint64_t{bildzeile(k, r)} * k.breite), k.breite, DIB_GRAU);
    return static_cast<std::uint32_t>(k.hoehe - fertig);
}

namespace {

// Runs the RLE8/RLE4 stream; returns the rows it never reached when the stream ended
// without its end-of-bitmap mark.
class RleLauf {
public:
    RleLauf(const DibKopf& k, DibBild& bild, std::span<const unsigned char> s) : k_(k), bild_(bild), s_(s) {}

    std::uint32_t lauf() {
        const bool vier = k_.kompression == BI_RLE4;
        while (i_ + 2 <= s_.size() && y_ < k_.hoehe) {
            const unsigned a = s_[i_], b = s_[i_ + 1];
            i_ += 2;
            if (a > 0) {
                for (unsigned j = 0; j < a; ++j) setze(vier ? (j % 2 == 0 ? b >> 4 : b & 15) : b);
            } else if (b == 0) {
                x_ = 0;
                ++y_;
            } else if (b == 1) {
                return 0;
            } else if (b == 2) {
                if (i_ + 2 > s_.size()) break;
                x_ += s_[i_];
                y_ += s_[i_ + 1];
                i_ += 2;
            } else if (!absolut(b, vier)) {
                break;
            }
        }
        if (y_ >= k_.hoehe) return 0;
        const std::uint64_t erreicht = y_ + (x_ > 0 ? 1 : 0);
        for (std::uint64_t r = erreicht; r < k_.hoehe; ++r)
            std::fill_n(bild_.pixel.begin() + static_cast<std::ptrdiff_t>(std::uint64_t{zeile(r)} * k_.breite), k_.breite, DIB_GRAU);
        return static_cast<std::uint32_t>(k_.hoehe - erreicht);
    }

private:
    // n literal pixels, padded to a 16-bit boundary; false when the stream ends inside.
    bool absolut(unsigned n, bool vier) {
        const std::size_t bytes = vier ? (n + 1) / 2 : n;
        const std::size_t da = std::min(bytes, s_.size() - i_);
        for (unsigned j = 0; j < n && (vier ? j / 2 : j) < da; ++j) {
            const unsigned char c = s_[i_ + (vier ? j / 2 : j)];
            setze(vier ? (j % 2 == 0 ? c >> 4 : c & 15) : c);
        }
        if (da < bytes) return false;
        i_ += bytes + (bytes & 1);
        return true;
    }
    void setze(unsigned idx) {
        if (x_ < k_.breite && y_ < k_.hoehe) bild_.pixel[std::uint64_t{zeile(y_)} * k_.breite + x_] = k_.farben[idx];
        ++x_;
    }
    std::uint32_t zeile(std::uint64_t n) const { return bildzeile(k_, n); }

    const DibKopf& k_;
    DibBild& bild_;
    std::span<const unsigned char> s_;
    std::size_t i_ = 0;
    std::uint64_t x_ = 0, y_ = 0;
};

}  // namespace

std::uint32_t dekodiereRle(Bytequelle& q, const DibKopf& k, DibBild& bild) {
    // No stream that fills the image needs more than two bytes a pixel plus a row end per row.
    const std::uint64_t grenze = 2 * std::uint64_t{k.breite} * k.hoehe + 2 * std::uint64_t{k.hoehe} + 16;
    const std::uint64_t da = q.groesse() > k.pixelOffset ? q.groesse() - k.pixelOffset : 0;
    std::vector<unsigned char> strom(static_cast<std::size_t>(std::min(da, grenze)));
    strom.resize(q.lies(k.pixelOffset, strom.data(), strom.size()));
    return RleLauf(k, bild, strom).lauf();
}

}  // namespace zor
