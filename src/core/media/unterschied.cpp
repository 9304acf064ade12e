#include "core/media/unterschied.h"

#include "core/io/blockleser.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace zor {

std::optional<std::uint64_t> ersterUnterschied(const std::string& datei1, const std::string& datei2) {
    Blockleser a(datei1), b(datei2);
    if (!a.offen() || !b.offen()) return std::nullopt;
    std::uint64_t pos = 0;
    std::span<const unsigned char> x, y;
    for (;;) {
        if (x.empty()) x = a.naechster();
        if (y.empty()) y = b.naechster();
        if (x.empty() || y.empty()) break;
        const std::size_t n = std::min(x.size(), y.size());
        const auto m = std::mismatch(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), y.begin());
        if (m.first != x.begin() + static_cast<std::ptrdiff_t>(n))
            return pos + static_cast<std::uint64_t>(m.first - x.begin());
        pos += n;
        x = x.subspan(n);
        y = y.subspan(n);
    }
    if (a.fehler() || b.fehler()) return std::nullopt;
    if (a.groesse() != b.groesse()) return std::min(a.groesse(), b.groesse());
    return std::nullopt;
}

}  // namespace zor

namespace zor {

namespace {

// Reads the same block of both sources; the count both delivered.
std::size_t beideLesen(Bytequelle& a, Bytequelle& b, std::uint64_t anfang, std::vector<unsigned char>& x,
                       std::vector<unsigned char>& y) {
    return std::min(a.lies(anfang, x.data(), x.size()), b.lies(anfang, y.data(), y.size()));
}

}  // namespace

Suchergebnis naechsterUnterschied(Bytequelle& a, Bytequelle& b, std::uint64_t ab, Suchrichtung r, Fortschritt& f,
                                  std::size_t block) {
    Suchergebnis e;
    const std::uint64_t gemeinsam = std::min(a.groesse(), b.groesse());
    const bool laengen = a.groesse() != b.groesse();
    const bool vor = r == Suchrichtung::Vorwaerts;
    block = static_cast<std::size_t>(std::clamp<std::uint64_t>(gemeinsam, 1, block));
    std::vector<unsigned char> x(block), y(block);
    auto gefunden = [&](std::uint64_t byte) {
        e.art = Suchergebnis::Art::Gefunden;
        e.bit = 8 * byte;
        return e;
    };
    if (!vor && laengen && ab > gemeinsam) return gefunden(gemeinsam);
    const std::uint64_t grenze = vor ? gemeinsam : std::min(ab, gemeinsam);
    const std::uint64_t start = vor ? std::min(ab, gemeinsam) : 0;
    const std::uint64_t bloecke = (grenze - start + block - 1) / block;
    f.start("", TEXT_UNTERSCHIEDE_ZAEHLEN);
    for (std::uint64_t i = 0; i < bloecke; ++i) {
        if (f.abgebrochen()) {
            e.art = Suchergebnis::Art::Abgebrochen;
            f.end();
            return e;
        }
        f.step(static_cast<int>(1 + i * 100 / bloecke));
        // Forwards from `start`, backwards from the block that ends at `grenze`.
        const std::uint64_t anfang = vor ? start + i * block : (grenze - std::min<std::uint64_t>(grenze, (i + 1) * block));
        const std::uint64_t ende = vor ? std::min<std::uint64_t>(anfang + block, grenze) : grenze - i * block;
        const std::size_t laenge = static_cast<std::size_t>(ende - anfang);
        x.resize(laenge);
        y.resize(laenge);
        const std::size_t n = beideLesen(a, b, anfang, x, y);
        if (n == laenge && std::memcmp(x.data(), y.data(), n) == 0) continue;
        f.end();
        if (vor) {
            const auto m = std::mismatch(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), y.begin());
            return gefunden(anfang + static_cast<std::uint64_t>(m.first - x.begin()));
        }
        if (n < laenge) return gefunden(anfang + laenge - 1);  // a file that shrank meanwhile
        std::size_t k = n;
        while (k > 0 && x[k - 1] == y[k - 1]) --k;
        return gefunden(anfang + k - 1);
    }
    f.end();
    if (vor && laengen && ab <= gemeinsam) return gefunden(gemeinsam);
    return e;
}

Unterschiedszahl unterschiedeZaehlen(Bytequelle& a, Bytequelle& b, Fortschritt& f, std::size_t block) {
    Unterschiedszahl z;
    const std::uint64_t gemeinsam = std::min(a.groesse(), b.groesse());
    block = static_cast<std::size_t>(std::clamp<std::uint64_t>(gemeinsam, 1, block));
    std::vector<unsigned char> x(block), y(block);
    Schritte schritte = Schritte::prozent(gemeinsam);
    f.start("", TEXT_UNTERSCHIEDE_ZAEHLEN);
    for (std::uint64_t anfang = 0; anfang < gemeinsam; anfang += block) {
        schritte.bis(anfang + 1, f);
        if (schritte.abgebrochen()) {
            z.abgebrochen = true;
            break;
        }
        const std::size_t laenge = static_cast<std::size_t>(std::min<std::uint64_t>(block, gemeinsam - anfang));
        x.resize(laenge);
        y.resize(laenge);
        const std::size_t n = beideLesen(a, b, anfang, x, y);
        if (n == laenge && std::memcmp(x.data(), y.data(), n) == 0) continue;
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned d = x[i] ^ y[i];
            z.bytes += d != 0;
            z.bits += static_cast<std::uint64_t>(std::popcount(d));
        }
    }
    f.end();
    return z;
}

Unterschiedszahl unterschiedeZaehlen(const std::string& a, const std::string& b, Fortschritt& f) {
    std::string warum;
    auto qa = oeffneDatei(a, warum);
    auto qb = oeffneDatei(b, warum);
    if (!qa || !qb) return Unterschiedszahl{.abgebrochen = true};
    return unterschiedeZaehlen(*qa, *qb, f);
}

Suchergebnis naechsterUnterschied(const std::string& a, const std::string& b, std::uint64_t ab, Suchrichtung r,
                                  Fortschritt& f) {
    std::string warum;
    auto qa = oeffneDatei(a, warum);
    auto qb = oeffneDatei(b, warum);
    if (!qa || !qb) return Suchergebnis{};
    return naechsterUnterschied(*qa, *qb, ab, r, f);
}

std::vector<Lauf> unterschiedsLaeufe(Ansicht art, std::size_t offsetStellen, std::span<const unsigned char> a,
                                     std::span<const unsigned char> b) {
    std::vector<Lauf> laeufe;
    const std::size_t n =
        std::min<std::size_t>(std::max(a.size(), b.size()), static_cast<std::size_t>(bytesProZeile(art)));
    for (std::size_t i = 0; i < n; ++i) {
        const bool beide = i < a.size() && i < b.size();
        if (beide && a[i] == b[i]) continue;
        const Lauf byte = byteSpalten(art, offsetStellen, i);
        if (art == Ansicht::Hex || !beide) {
            laeufe.push_back(byte);
            continue;
        }
        // Bits are shown most significant first.
        const unsigned x = static_cast<unsigned>(a[i] ^ b[i]);
        for (std::size_t j = 0; j < 8;) {
            if (((x >> (7 - j)) & 1U) == 0) {
                ++j;
                continue;
            }
            std::size_t k = j;
            while (k < 8 && ((x >> (7 - k)) & 1U) != 0) ++k;
            laeufe.push_back({byte.von + j, k - j});
            j = k;
        }
    }
    return laeufe;
}

}  // namespace zor
