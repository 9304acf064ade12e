// Find and next difference over blocks, checked against a plain search over the whole
// data as a string of bits, for every block size, direction and start.

#include "sequenzdateien.h"
#include "testnamen.h"

#include "core/media/suche.h"
#include "core/media/unterschied.h"

#include <gmock/gmock.h>

#include <bit>
#include <set>

using namespace zor;

namespace {

// Few distinct bytes, so that short patterns match often and across block bounds.
std::string daten(std::size_t n, std::uint64_t saat) {
    std::string d = zufallsBytes(n, saat);
    for (char& c : d) c = "\x00\x01\xff\x5a"[static_cast<unsigned char>(c) % 4];
    return d;
}

SpeicherQuelle quelle(const std::string& s) { return SpeicherQuelle({reinterpret_cast<const unsigned char*>(s.data()), s.size()}); }

// The plain answer: positions in the bit string, bytes only at multiples of 8.
std::optional<std::uint64_t> einfach(const std::string& bits, const std::string& muster, bool bitweise,
                                     std::uint64_t ab, bool vor) {
    std::optional<std::uint64_t> e;
    for (std::size_t i = 0; i + muster.size() <= bits.size(); i += bitweise ? 1 : 8) {
        if (bits.compare(i, muster.size(), muster) != 0) continue;
        if (vor && i >= ab) return i;
        if (!vor && i < ab) e = i;
    }
    return e;
}

struct Musterfall {
    const char* name;
    Suchmuster muster;
};

const std::string DATEN = daten(700, 11);

std::vector<Musterfall> musterfaelle() {
    return {{"Hex", std::get<Suchmuster>(hexMuster("01 ff"))},
            {"Text", textMuster(std::string("\x5a\x00\x5a", 3))},
            {"ThreeBits", std::get<Suchmuster>(bitMuster("101"))},
            {"SixtyFourBitsFromTheData", std::get<Suchmuster>(bitMuster(bitsAlsFfo(DATEN).substr(1235, 64)))},
            {"TenBits", std::get<Suchmuster>(bitMuster("11 0101 1010"))}};
}

class Suche : public ::testing::TestWithParam<Musterfall> {};

TEST_P(Suche, EqualsThePlainSearchForEveryBlockDirectionAndStart) {
    const std::string& d = DATEN;
    const std::string bits = bitsAlsFfo(d);
    const Suchmuster& m = GetParam().muster;
    const std::string musterBits = bitsAlsFfo(std::string(m.bytes.begin(), m.bytes.end())).substr(0, m.bits);
    KeinFortschritt still;
    for (const std::size_t block : {1u, 9u, 64u, 4096u}) {
        for (std::uint64_t ab : {0u, 1u, 13u, 800u, 1235u, 1236u, 2803u, 5590u, 5600u, 9000u}) {
            for (const bool vor : {true, false}) {
                auto q = quelle(d);
                const auto e = suchen(q, m, ab, vor ? Suchrichtung::Vorwaerts : Suchrichtung::Rueckwaerts, still, block);
                const auto erwartet = einfach(bits, musterBits, m.bitweise, ab, vor);
                ASSERT_EQ(e.art == Suchergebnis::Art::Gefunden, erwartet.has_value())
                    << "block " << block << " ab " << ab << " vor " << vor;
                if (erwartet) {
                    EXPECT_EQ(e.bit, *erwartet) << "block " << block << " ab " << ab << " vor " << vor;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Muster, Suche, ::testing::ValuesIn(musterfaelle()), testnamen::NachName());

TEST(Suchmuster, RefusesWhatIsNoPattern) {
    for (const char* falsch : {"d e", "abc", "xy", "0x12"})
        EXPECT_EQ(std::get<std::string>(hexMuster(falsch)), TEXT_MUSTER_HEX) << falsch;
    EXPECT_EQ(std::get<std::string>(hexMuster("  ")), TEXT_MUSTER_LEER);
    EXPECT_EQ(std::get<Suchmuster>(hexMuster("De aD0f")).bytes, (std::vector<unsigned char>{0xde, 0xad, 0x0f}));
    EXPECT_EQ(std::get<std::string>(bitMuster("0120")), TEXT_MUSTER_BITS);
    EXPECT_EQ(std::get<std::string>(bitMuster(std::string(65, '1'))), TEXT_MUSTER_BITS);
    EXPECT_EQ(std::get<Suchmuster>(bitMuster(std::string(64, '1'))).bits, 64u);
}

class Abbrechend final : public Fortschritt {
public:
    void start(const std::string&, const std::string&) override {}
    void step(int) override {}
    void end() override {}
    bool abgebrochen() const override { return true; }
};

TEST(Suche, CancelStopsBeforeAnyBlock) {
    const std::string d = daten(100, 1);
    auto q = quelle(d);
    auto r = quelle(std::string(d).replace(50, 1, "x"));
    Abbrechend ab;
    EXPECT_EQ(suchen(q, textMuster("\x5a"), 0, Suchrichtung::Vorwaerts, ab, 8).art, Suchergebnis::Art::Abgebrochen);
    EXPECT_EQ(naechsterUnterschied(q, r, 0, Suchrichtung::Vorwaerts, ab, 8).art, Suchergebnis::Art::Abgebrochen);
    EXPECT_TRUE(unterschiedeZaehlen(q, r, ab, 8).abgebrochen);
}

// Differences at a few bytes (and a longer second file): next, previous and the counts
// against a plain walk over both.
TEST(Unterschied, NextPreviousAndCountsEqualAPlainWalk) {
    const std::string a = daten(500, 3);
    std::string b = a;
    for (std::size_t i : {0u, 7u, 8u, 255u, 256u, 499u}) b[i] = static_cast<char>(b[i] ^ (i % 3 ? 0x81 : 0x10));
    KeinFortschritt still;
    for (const std::string& zweite : {b, b + "zu lang"}) {
        std::vector<std::uint64_t> orte;
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] != zweite[i]) orte.push_back(i);
            bits += static_cast<std::uint64_t>(std::popcount(static_cast<unsigned>(static_cast<unsigned char>(a[i] ^ zweite[i]))));
        }
        const std::uint64_t anzahl = orte.size();
        if (zweite.size() != a.size()) orte.push_back(a.size());
        for (const std::size_t block : {1u, 10u, 256u, 1u << 20}) {
            auto x = quelle(a);
            auto y = quelle(zweite);
            const Unterschiedszahl z = unterschiedeZaehlen(x, y, still, block);
            EXPECT_EQ(z.bytes, anzahl);
            EXPECT_EQ(z.bits, bits);
            for (std::uint64_t ab = 0; ab <= zweite.size() + 1; ab += ab < 20 || ab > 490 ? 1 : 7) {
                const auto vor = naechsterUnterschied(x, y, ab, Suchrichtung::Vorwaerts, still, block);
                const auto it = std::lower_bound(orte.begin(), orte.end(), ab);
                ASSERT_EQ(vor.art == Suchergebnis::Art::Gefunden, it != orte.end()) << "ab " << ab << " block " << block;
                if (it != orte.end()) {
                    EXPECT_EQ(vor.bit, 8 * *it) << "ab " << ab << " block " << block;
                }
                const auto rueck = naechsterUnterschied(x, y, ab, Suchrichtung::Rueckwaerts, still, block);
                ASSERT_EQ(rueck.art == Suchergebnis::Art::Gefunden, it != orte.begin()) << "ab " << ab << " block " << block;
                if (it != orte.begin()) {
                    EXPECT_EQ(rueck.bit, 8 * *std::prev(it)) << "ab " << ab << " block " << block;
                }
            }
        }
    }
}

// The framed characters of a view line pair equal what differs between the two lines'
// texts: in bin exactly the changed bit characters in maximal runs, in hex whole bytes;
// bytes only one line has count as changed.
TEST(Unterschied, FramedCharactersAreWhereTheLineTextsDiffer) {
    for (const Ansicht art : {Ansicht::Hex, Ansicht::Bin}) {
        const std::size_t n = static_cast<std::size_t>(bytesProZeile(art));
        for (std::uint64_t saat = 1; saat <= 40; ++saat) {
            const std::string z = zufallsBytes(2 * n + 2, saat);
            const auto* roh = reinterpret_cast<const unsigned char*>(z.data());
            std::vector<unsigned char> a(roh, roh + n), b(roh + n, roh + 2 * n);
            // Mostly equal bytes, some with one or several flipped bits, some lengths shorter.
            for (std::size_t i = 0; i < n; ++i)
                if (b[i] % 3 != 0) b[i] = a[i] ^ (b[i] % 5 == 0 ? b[i] : 0);
            const std::size_t na = n - (roh[2 * n] % 4 == 0 ? roh[2 * n] % n : 0);
            const std::size_t nb = n - (roh[2 * n + 1] % 4 == 0 ? roh[2 * n + 1] % n : 0);
            const std::span<const unsigned char> x(a.data(), na), y(b.data(), nb);
            const auto zeile = [art](std::span<const unsigned char> v) {
                return art == Ansicht::Hex ? hex_SnapLine(v, 0x40) : bin_SnapLine(v, 0x40);
            };
            const std::string tx = zeile(x), ty = zeile(y);
            const std::size_t stellen = tx.find('|');
            ASSERT_EQ(stellen, ty.find('|'));
            std::set<std::size_t> erwartet, gerahmt;
            for (std::size_t i = 0; i < n; ++i) {
                const Lauf byte = byteSpalten(art, stellen, i);
                bool anders = false;
                for (std::size_t c = byte.von; c < byte.von + byte.laenge; ++c)
                    if (tx.at(c) != ty.at(c)) {
                        anders = true;
                        if (art == Ansicht::Bin) erwartet.insert(c);
                    }
                if (anders && art == Ansicht::Hex)
                    for (std::size_t c = byte.von; c < byte.von + byte.laenge; ++c) erwartet.insert(c);
            }
            const std::vector<Lauf> laeufe = unterschiedsLaeufe(art, stellen, x, y);
            for (std::size_t k = 0; k < laeufe.size(); ++k) {
                for (std::size_t c = laeufe[k].von; c < laeufe[k].von + laeufe[k].laenge; ++c) gerahmt.insert(c);
                // Runs are maximal and in order: a gap lies between neighbours.
                if (k > 0) {
                    EXPECT_LT(laeufe[k - 1].von + laeufe[k - 1].laenge, laeufe[k].von);
                }
            }
            EXPECT_EQ(gerahmt, erwartet) << (art == Ansicht::Hex ? "hex" : "bin") << " saat " << saat;
        }
    }
}

}  // namespace
