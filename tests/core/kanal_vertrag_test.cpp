// One contract for every corruption channel, run through its job and on its own: the same
// seed gives the same copy and another seed another; the inverted bits over a file lie
// within five standard deviations of the model's rate; protected leading bytes stay as
// they are and consume no draws; the copy does not depend on the block size the job reads
// in; and the channel draws from the generator it is handed, not from one of its own.

#include "modellstatistik.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "core/corruption/kanaele.h"
#include "core/corruption/verfaelschen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <span>
#include <string>

using namespace zor;

namespace {

// Runs the channel's job on `ein` and writes `aus`.
using Job = std::function<JobErgebnis(const std::string& ein, const std::string& aus, std::uint64_t schutz,
                                      int startwert, std::size_t block)>;
// A fresh channel with its generator seeded as the job seeds it, applied to the bytes in
// pieces of `stueck`; `stoeren` draws once from the generator after the channel took it.
using Kanal = std::function<std::uint64_t(std::span<unsigned char> bytes, int startwert, std::size_t stueck,
                                          bool stoeren)>;

struct Kanalfall {
    const char* name;
    Job job;
    Kanal kanal;
    std::function<modellstatistik::Erwartung(double bits)> erwartung;
};

template <class K>
std::uint64_t inStuecken(K& kanal, std::span<unsigned char> bytes, std::size_t stueck) {
    for (std::size_t i = 0; i < bytes.size(); i += stueck)
        kanal.anwenden(bytes.subspan(i, std::min(stueck, bytes.size() - i)));
    return kanal.fehler();
}

// Below 0.05 the BSC skips from error to error; above it draws for every bit.
Kanalfall bsc(const char* name, double p) {
    return {name,
            [p](const std::string& ein, const std::string& aus, std::uint64_t schutz, int startwert, std::size_t block) {
                KeinFortschritt still;
                return MmMakeBscErr({ein, aus, schutz, startwert, p}, still, block);
            },
            [p](std::span<unsigned char> bytes, int startwert, std::size_t stueck, bool stoeren) {
                Zufall64 z(static_cast<std::uint32_t>(startwert));
                BscKanal k(p, z);
                if (stoeren) z();
                return inStuecken(k, bytes, stueck);
            },
            // Every bit on its own with exactly p.
            [p](double bits) { return modellstatistik::Erwartung{p, std::sqrt(p * (1 - p) / bits), 1.0, 0.0}; }};
}

GeMcAuftrag gemc(const std::string& ein, const std::string& aus, std::uint64_t schutz, int startwert, float pgb,
                 float pbg, float good, float bad) {
    return {ein, aus, schutz, startwert, pgb, pbg, 1.0f - pbg, 1.0f - pgb, good, bad};
}

template <class K>
Kanalfall gemcFall(const char* name, JobErgebnis (*job)(const GeMcAuftrag&, Fortschritt&, std::size_t),
                   modellstatistik::Erwartung (*statistik)(const ModellWerte&, double), float pgb, float pbg,
                   float good, float bad) {
    return {name,
            [=](const std::string& ein, const std::string& aus, std::uint64_t schutz, int startwert, std::size_t block) {
                KeinFortschritt still;
                return job(gemc(ein, aus, schutz, startwert, pgb, pbg, good, bad), still, block);
            },
            [=](std::span<unsigned char> bytes, int startwert, std::size_t stueck, bool stoeren) {
                Zufall z(static_cast<std::uint32_t>(startwert));
                K k(gemc("", "", 0, startwert, pgb, pbg, good, bad), z);
                if (stoeren) z.rand();
                return inStuecken(k, bytes, stueck);
            },
            [=](double bits) { return statistik(alsModellWerte(gemc("", "", 0, 1, pgb, pbg, good, bad)), bits); }};
}

const std::vector<Kanalfall>& alleKanaele() {
    static const std::vector<Kanalfall> v = {
        bsc("BSC_Abstaende", 0.001),
        bsc("BSC_Bitweise", 0.2),
        gemcFall<GeKanal>("GE", MakeGeError, modellstatistik::geBits, 0.1f, 0.01f, 0.01f, 0.4f),
        gemcFall<McKanal>("MC", MakeMcError, modellstatistik::mcBits, 0.1f, 0.01f, 0.1f, 0.4f),
    };
    return v;
}

std::uint64_t verschiedeneBits(const std::string& a, const std::string& b) {
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        n += static_cast<unsigned>(std::popcount(static_cast<unsigned>(static_cast<unsigned char>(a[i] ^ b[i]))));
    return n;
}

std::span<unsigned char> alsBytes(std::string& s) { return {reinterpret_cast<unsigned char*>(s.data()), s.size()}; }

class Kanalvertrag : public TempVerzeichnis, public ::testing::WithParamInterface<Kanalfall> {
protected:
    // The copy of `inhalt` the job writes, or "" when it failed.
    std::string kopie(const std::string& inhalt, std::uint64_t schutz, int startwert,
                      std::size_t block = KANAL_BLOCK) {
        schreiben(pfad("ein"), inhalt);
        letztes = GetParam().job(pfad("ein"), pfad("aus"), schutz, startwert, block);
        EXPECT_TRUE(letztes.ok) << GetParam().name;
        return letztes.ok ? lesen(pfad("aus")) : std::string();
    }
    JobErgebnis letztes;
};

}  // namespace

TEST_P(Kanalvertrag, SameSeedSameCopyAnotherSeedAnotherCopy) {
    const std::string ein = zufallsBytes(50000, 3);
    const std::string a = kopie(ein, 0, 17);
    EXPECT_NE(a, ein);
    EXPECT_EQ(kopie(ein, 0, 17), a);
    EXPECT_NE(kopie(ein, 0, 18), a);
}

TEST_P(Kanalvertrag, InvertedBitsLieWithinFiveSigmaOfTheModelRate) {
    const std::string ein = zufallsBytes(std::size_t{1} << 20, 9);
    const std::string aus = kopie(ein, 0, 4711);
    const double bits = 8.0 * static_cast<double>(ein.size());
    const auto e = GetParam().erwartung(bits);
    const std::uint64_t n = verschiedeneBits(ein, aus);
    EXPECT_EQ(letztes.fehlerAnzahl, n);
    EXPECT_NEAR(static_cast<double>(n) / bits, e.rate, 5 * e.rateSigma) << "rate " << e.rate;
}

// The protected bytes are copied as they are, and the channel starts on the first
// unprotected byte as if the file began there, also when they span several blocks.
TEST_P(Kanalvertrag, ProtectedBytesStayAndTakeNoDraws) {
    const std::string ein = zufallsBytes(30000, 5);
    for (const std::uint64_t schutz : {1u, 1000u, 20000u}) {
        const std::string aus = kopie(ein, schutz, 99, 4096);
        EXPECT_EQ(aus.substr(0, schutz), ein.substr(0, schutz)) << schutz;
        std::string rest = ein.substr(schutz);
        GetParam().kanal(alsBytes(rest), 99, rest.size(), false);
        EXPECT_EQ(aus.substr(schutz), rest) << schutz;
    }
    // Protecting the whole file but one byte leaves only that byte to the channel.
    const std::string aus = kopie(ein, ein.size() - 1, 99);
    EXPECT_EQ(aus.substr(0, ein.size() - 1), ein.substr(0, ein.size() - 1));
}

TEST_P(Kanalvertrag, CopyDoesNotDependOnTheBlockSize) {
    const std::string ein = zufallsBytes(30000, 11);
    const std::string ganz = kopie(ein, 333, 5);
    for (const std::size_t block : {1u, 7u, 333u, 4096u, 65537u}) EXPECT_EQ(kopie(ein, 333, 5, block), ganz) << block;
}

// Pieces of any size give the same bytes; one draw taken from the generator between
// construction and use changes them, so the channel draws from that generator.
TEST_P(Kanalvertrag, ChannelDrawsFromTheGeneratorItIsHanded) {
    const std::string ein = zufallsBytes(65536, 13);
    std::string ganz = ein, stueckweise = ein, gestoert = ein;
    const std::uint64_t n = GetParam().kanal(alsBytes(ganz), 42, ganz.size(), false);
    EXPECT_EQ(GetParam().kanal(alsBytes(stueckweise), 42, 5, false), n);
    EXPECT_EQ(stueckweise, ganz);
    EXPECT_EQ(verschiedeneBits(ein, ganz), n);
    GetParam().kanal(alsBytes(gestoert), 42, gestoert.size(), true);
    EXPECT_NE(gestoert, ganz);
}

INSTANTIATE_TEST_SUITE_P(Kanaele, Kanalvertrag, ::testing::ValuesIn(alleKanaele()),
                         [](const auto& fall) { return std::string(fall.param.name); });
