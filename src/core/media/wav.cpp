#include "core/media/wav.h"

#include "core/media/riff.h"
#include "core/util/format.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace zor {

namespace {

constexpr std::uint16_t PCM = 1, ERWEITERT = 0xFFFE;
constexpr std::size_t WAV_BLOCK = std::size_t{1} << 16;  // frames per read

double abtastwert(const unsigned char* p, int bits) {
    switch (bits) {
    case 8: return (p[0] - 128) / 128.0;
    case 16: return static_cast<std::int16_t>(le16(p)) / 32768.0;
    case 24: {
        const std::int32_t v = static_cast<std::int32_t>(std::uint32_t{p[0]} << 8 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 24) >> 8;
        return v / 8388608.0;
    }
    default: return static_cast<std::int32_t>(le32(p)) / 2147483648.0;
    }
}

// Calls f(index, frame bytes) for frames [von, bis), read in blocks; false when cancelled.
template <class F>
bool framesLesen(Bytequelle& q, const WavFormat& w, std::uint64_t von, std::uint64_t bis, const Fortschritt* fort, F&& f) {
    std::vector<unsigned char> puffer(WAV_BLOCK * w.blockgroesse);
    for (std::uint64_t a = von; a < bis; a += WAV_BLOCK) {
        if (fort && fort->abgebrochen()) return false;
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(WAV_BLOCK, bis - a));
        const std::size_t gelesen = q.lies(w.datenAb + a * w.blockgroesse, puffer.data(), n * w.blockgroesse);
        const std::size_t ganze = gelesen / w.blockgroesse;  // a file that shrank gives fewer
        for (std::size_t i = 0; i < ganze; ++i) f(a + i, puffer.data() + i * w.blockgroesse);
        if (ganze < n) break;
    }
    return true;
}

}  // namespace

std::variant<WavFormat, std::string> wavLesen(Bytequelle& q) {
    const auto form = riffFormular(q);
    if (!form || std::memcmp(form->data(), "WAVE", 4) != 0) return std::string(TEXT_WAV_KEIN_RIFF);
    WavFormat w;
    bool fmt = false;
    RiffLeser leser(q, 12, q.groesse());
    while (auto a = leser.naechster()) {
        if (a->ist("fmt ")) {
            unsigned char k[40] = {};
            if (a->groesse < 16 || q.lies(a->daten(), k, std::min<std::uint64_t>(a->groesse, sizeof k)) < 16) continue;
            std::uint16_t art = le16(k);
            if (art == ERWEITERT && a->groesse >= 40) art = le16(k + 24);  // the sub-format's first two bytes
            w.kanaele = le16(k + 2);
            w.abtastrate = le32(k + 4);
            w.blockgroesse = le16(k + 12);
            w.bits = le16(k + 14);
            const bool gueltig = art == PCM && (w.bits == 8 || w.bits == 16 || w.bits == 24 || w.bits == 32) &&
                                 w.kanaele > 0 && w.blockgroesse == w.kanaele * (w.bits / 8);
            if (!gueltig) return format(TEXT_WAV_FORMAT, unsigned{art}, unsigned{w.bits}, unsigned{w.kanaele});
            fmt = true;
        } else if (a->ist("data")) {
            if (!fmt) return std::string(TEXT_WAV_KEIN_FMT);
            w.datenAb = a->daten();
            w.frames = a->groesse / w.blockgroesse;
            return w;
        }
    }
    return std::string(fmt ? TEXT_WAV_KEINE_DATEN : TEXT_WAV_KEIN_FMT);
}

std::vector<double> wavAbtastwerte(Bytequelle& q, const WavFormat& f, int kanal, std::uint64_t von, std::size_t anzahl) {
    std::vector<double> werte;
    if (kanal < 0 || kanal >= f.kanaele || von >= f.frames) return werte;
    const std::uint64_t bis = von + std::min<std::uint64_t>(anzahl, f.frames - von);
    werte.reserve(static_cast<std::size_t>(bis - von));
    const std::size_t versatz = static_cast<std::size_t>(kanal) * (f.bits / 8);
    framesLesen(q, f, von, bis, nullptr, [&](std::uint64_t, const unsigned char* p) { werte.push_back(abtastwert(p + versatz, f.bits)); });
    return werte;
}

namespace {

// Per-column extremes of frames [von, bis): wert(i) gives frame i's value, called in frame order.
class Spalten {
public:
    Spalten(std::uint64_t von, std::uint64_t bis, std::size_t spalten)
        : von_(von), n_(bis - von), s_(spalten, Spaltenwert{LEER, -LEER}) {}
    void nimm(std::uint64_t i, double v) {
        // Frames stay below 2^32 (a 32-bit chunk size), columns below 2^20.
        Spaltenwert& c = s_[static_cast<std::size_t>((i - von_) * s_.size() / n_)];
        c.min = std::min(c.min, v);
        c.max = std::max(c.max, v);
    }
    std::vector<Spaltenwert> fertig() {
        // Columns narrower than a frame take the frame they show.
        for (std::size_t c = 0; c < s_.size(); ++c)
            if (s_[c].min == LEER) s_[c] = c > 0 ? s_[c - 1] : Spaltenwert{};
        return std::move(s_);
    }

private:
    static constexpr double LEER = std::numeric_limits<double>::infinity();
    std::uint64_t von_, n_;
    std::vector<Spaltenwert> s_;
};

}  // namespace

std::vector<Spaltenwert> huellkurve(Bytequelle& q, const WavFormat& f, int kanal, std::uint64_t von, std::uint64_t bis,
                                    std::size_t spalten) {
    bis = std::min(bis, f.frames);
    spalten = std::min<std::size_t>(spalten, std::size_t{1} << 20);
    if (spalten == 0 || kanal < 0 || kanal >= f.kanaele || von >= bis) return {};
    Spalten s(von, bis, spalten);
    const std::size_t versatz = static_cast<std::size_t>(kanal) * (f.bits / 8);
    framesLesen(q, f, von, bis, nullptr,
                [&](std::uint64_t i, const unsigned char* p) { s.nimm(i, abtastwert(p + versatz, f.bits)); });
    return s.fertig();
}

std::string formatname(const WavFormat& f) {
    const std::string kanaele = f.kanaele == 1   ? "mono"
                                : f.kanaele == 2 ? "stereo"
                                                 : format(TEXT_WAV_KANAELE, unsigned{f.kanaele});
    return format(TEXT_WAV_FORMATNAME, unsigned{f.bits}, unsigned{f.abtastrate}, kanaele.c_str());
}

std::optional<std::string> differenzUnmoeglich(const WavFormat& a, const WavFormat& b) {
    if (a.kanaele == b.kanaele && a.bits == b.bits && a.abtastrate == b.abtastrate) return std::nullopt;
    return format(TEXT_WAV_DIFFERENZ_FORMAT, formatname(a).c_str(), formatname(b).c_str());
}

std::vector<Spaltenwert> differenzkurve(Bytequelle& qa, const WavFormat& a, Bytequelle& qb, const WavFormat& b,
                                        int kanal, std::uint64_t von, std::uint64_t bis, std::size_t spalten) {
    bis = std::min({bis, a.frames, b.frames});
    spalten = std::min<std::size_t>(spalten, std::size_t{1} << 20);
    if (differenzUnmoeglich(a, b) || spalten == 0 || kanal < 0 || kanal >= a.kanaele || von >= bis) return {};
    Spalten s(von, bis, spalten);
    const std::size_t versatz = static_cast<std::size_t>(kanal) * (a.bits / 8);
    // Block by block: A's samples of the block, then B's against them.
    std::vector<double> werte;
    for (std::uint64_t blockAb = von; blockAb < bis; blockAb += WAV_BLOCK) {
        const std::uint64_t blockBis = std::min<std::uint64_t>(blockAb + WAV_BLOCK, bis);
        werte.clear();
        framesLesen(qa, a, blockAb, blockBis, nullptr,
                    [&](std::uint64_t, const unsigned char* p) { werte.push_back(abtastwert(p + versatz, a.bits)); });
        framesLesen(qb, b, blockAb, blockBis, nullptr, [&](std::uint64_t i, const unsigned char* p) {
            const std::size_t j = static_cast<std::size_t>(i - blockAb);
            if (j < werte.size()) s.nimm(i, abtastwert(p + versatz, b.bits) - werte[j]);
        });
    }
    return s.fertig();
}

Rauschabstand rauschabstand(Bytequelle& original, const WavFormat& a, Bytequelle& kopie, const WavFormat& b, Fortschritt& f) {
    Rauschabstand r;
    if (a.kanaele != b.kanaele || a.bits != b.bits) return r;
    r.frames = std::min(a.frames, b.frames);
    std::vector<double> werte;
    double signal = 0, rauschen = 0;
    const int k = a.kanaele;
    for (std::uint64_t von = 0; von < r.frames; von += WAV_BLOCK) {
        const std::uint64_t bis = std::min<std::uint64_t>(von + WAV_BLOCK, r.frames);
        werte.clear();
        if (!framesLesen(original, a, von, bis, &f, [&](std::uint64_t, const unsigned char* p) {
                for (int c = 0; c < k; ++c) werte.push_back(abtastwert(p + c * (a.bits / 8), a.bits));
            }))
            return {};
        std::size_t i = 0;
        if (!framesLesen(kopie, b, von, bis, &f, [&](std::uint64_t, const unsigned char* p) {
                for (int c = 0; c < k && i < werte.size(); ++c, ++i) {
                    const double d = werte[i] - abtastwert(p + c * (b.bits / 8), b.bits);
                    signal += werte[i] * werte[i];
                    rauschen += d * d;
                }
            }))
            return {};
    }
    r.ok = true;
    r.db = rauschen == 0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(signal / rauschen);
    return r;
}

}  // namespace zor
