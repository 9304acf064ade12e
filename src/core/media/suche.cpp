#include "core/media/suche.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace zor {

namespace {

__extension__ typedef unsigned __int128 Fenster;

int hexwert(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The pattern byte memchr looks for: the one least likely in files (zeros, 0xFF and
// blanks fill sparse files, padding and text).
std::size_t ankerStelle(const std::vector<unsigned char>& muster) {
    auto haeufig = [](unsigned char c) { return c == 0 ? 3 : c == 0xFF ? 2 : c == ' ' ? 1 : 0; };
    std::size_t beste = 0;
    for (std::size_t i = 1; i < muster.size(); ++i)
        if (haeufig(muster[i]) < haeufig(muster[beste])) beste = i;
    return beste;
}

// Calls treffer(bit) for the matches starting in [von, bis) of `daten`, whose first byte
// is byte `basis` of the file, in ascending order, until treffer returns false.
// memchr on a rare byte of the pattern runs at memory speed; when it stops too often
// (the byte is common in this data) the rest goes through memmem.
template <class F>
void byteTreffer(std::span<const unsigned char> daten, std::uint64_t basis, const Suchmuster& m, std::uint64_t von,
                 std::uint64_t bis, F&& treffer) {
    const std::size_t k = m.bytes.size();
    if (daten.size() < k) return;
    const std::size_t anker = ankerStelle(m.bytes);
    const unsigned char* p = daten.data();
    const unsigned char* letzte = daten.data() + (daten.size() - k);  // last possible start
    std::size_t fehlgriffe = 0;
    while (p <= letzte) {
        const unsigned char* tp = nullptr;
        if (fehlgriffe < 64 + static_cast<std::size_t>(p - daten.data()) / 256) {
            const auto* a = static_cast<const unsigned char*>(
                std::memchr(p + anker, m.bytes[anker], static_cast<std::size_t>(letzte - p) + 1));
            if (!a) return;
            tp = a - anker;
            if (std::memcmp(tp, m.bytes.data(), k) != 0) {
                ++fehlgriffe;
                p = tp + 1;
                continue;
            }
        } else {
            tp = static_cast<const unsigned char*>(::memmem(p, static_cast<std::size_t>(letzte - p) + k, m.bytes.data(), k));
            if (!tp) return;
        }
        const std::uint64_t bit = 8 * (basis + static_cast<std::uint64_t>(tp - daten.data()));
        if (bit >= bis) return;
        if (bit >= von && !treffer(bit)) return;
        p = tp + 1;
    }
}

template <class F>
void bitTreffer(std::span<const unsigned char> daten, std::uint64_t basis, const Suchmuster& m, std::uint64_t von,
                std::uint64_t bis, F&& treffer) {
    const std::size_t k = m.bits;
    std::uint64_t muster = 0;
    for (std::size_t i = 0; i < k; ++i) muster = muster << 1 | ((m.bytes[i / 8] >> (7 - i % 8)) & 1u);
    const Fenster maske = k == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << k) - 1;
    Fenster w = 0;
    std::uint64_t gesehen = 0;  // bits in the window
    for (std::size_t i = 0; i < daten.size(); ++i) {
        w = w << 8 | daten[i];
        gesehen += 8;
        if (gesehen < k) continue;
        const std::uint64_t byteBit = 8 * (basis + i);
        for (int j = 0; j < 8; ++j) {
            if (gesehen - (7 - static_cast<unsigned>(j)) < k) continue;
            if (((w >> (7 - j)) & maske) != muster) continue;
            const std::uint64_t bit = byteBit + static_cast<std::uint64_t>(j) + 1 - k;
            if (bit >= bis) return;
            if (bit >= von && !treffer(bit)) return;
        }
    }
}

template <class F>
void treffer(std::span<const unsigned char> daten, std::uint64_t basis, const Suchmuster& m, std::uint64_t von,
             std::uint64_t bis, F&& f) {
    if (m.bitweise) bitTreffer(daten, basis, m, von, bis, f);
    else byteTreffer(daten, basis, m, von, bis, f);
}

}  // namespace

std::variant<Suchmuster, std::string> hexMuster(std::string_view text) {
    Suchmuster m;
    int halb = -1;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (halb >= 0) return std::string(TEXT_MUSTER_HEX);
            continue;
        }
        const int w = hexwert(c);
        if (w < 0) return std::string(TEXT_MUSTER_HEX);
        if (halb < 0) {
            halb = w;
        } else {
            m.bytes.push_back(static_cast<unsigned char>(halb << 4 | w));
            halb = -1;
        }
    }
    if (halb >= 0) return std::string(TEXT_MUSTER_HEX);
    if (m.bytes.empty()) return std::string(TEXT_MUSTER_LEER);
    m.bits = 8 * m.bytes.size();
    return m;
}

Suchmuster textMuster(std::string_view text) {
    Suchmuster m;
    m.bytes.assign(text.begin(), text.end());
    m.bits = 8 * m.bytes.size();
    return m;
}

std::variant<Suchmuster, std::string> bitMuster(std::string_view text) {
    Suchmuster m;
    m.bitweise = true;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        if ((c != '0' && c != '1') || m.bits == BITMUSTER_HOECHSTENS) return std::string(TEXT_MUSTER_BITS);
        if (m.bits % 8 == 0) m.bytes.push_back(0);
        if (c == '1') m.bytes.back() = static_cast<unsigned char>(m.bytes.back() | 0x80u >> (m.bits % 8));
        ++m.bits;
    }
    if (m.bits == 0) return std::string(TEXT_MUSTER_LEER);
    return m;
}

Suchergebnis suchen(Bytequelle& q, const Suchmuster& m, std::uint64_t ab, Suchrichtung r, Fortschritt& f,
                    std::size_t block) {
    Suchergebnis e;
    const std::uint64_t n = q.groesse();
    if (m.bits == 0 || m.bits > 8 * n) return e;
    // Bytes a match may reach beyond the block it starts in.
    const std::size_t ueber = (m.bits + 7) / 8 + (m.bitweise ? 1 : 0) - 1;
    block = std::max(block, ueber + 1);
    std::vector<unsigned char> puffer(block + ueber);
    const bool vor = r == Suchrichtung::Vorwaerts;
    // Blocks of matches starting in [anfang, anfang + block): forwards from ab's block,
    // backwards from the block before ab.
    const std::uint64_t abByte = std::min<std::uint64_t>(ab / 8, n);
    if (!vor && ab == 0) return e;
    const std::uint64_t letztes = std::min<std::uint64_t>((ab - (vor ? 0 : 1)) / 8, n - 1);
    const std::uint64_t erster = vor ? abByte - abByte % block : letztes - letztes % block;
    const std::uint64_t bloecke = vor ? (n - erster + block - 1) / block : erster / block + 1;
    f.start("", TEXT_SUCHE_LAEUFT);
    for (std::uint64_t i = 0; i < bloecke; ++i) {
        if (f.abgebrochen()) {
            e.art = Suchergebnis::Art::Abgebrochen;
            break;
        }
        f.step(static_cast<int>(1 + i * 100 / bloecke));
        const std::uint64_t anfang = vor ? erster + i * block : erster - i * block;
        const std::size_t gelesen = q.lies(anfang, puffer.data(), puffer.size());
        const std::uint64_t von = vor ? std::max(ab, 8 * anfang) : 8 * anfang;
        const std::uint64_t bis = vor ? 8 * (anfang + block) : std::min(ab, 8 * (anfang + block));
        bool gefunden = false;
        treffer({puffer.data(), gelesen}, anfang, m, von, bis, [&](std::uint64_t bit) {
            gefunden = true;
            e.bit = bit;
            return !vor;  // forwards the first, backwards the last
        });
        if (gefunden) {
            e.art = Suchergebnis::Art::Gefunden;
            break;
        }
    }
    f.end();
    return e;
}

}  // namespace zor
