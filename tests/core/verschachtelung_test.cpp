#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/corruption/verfaelschen.h"
#include "core/corruption/verschachtelung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace zor;

namespace {

// The sending order of a frame of r bits, built the plain way: data index i sits in row
// i / zeile, column i % zeile; columns are read top to bottom, empty cells skipped.
std::vector<std::uint64_t> spaltenweise(std::uint64_t zeile, std::uint64_t r) {
    std::vector<std::uint64_t> folge;
    const std::uint64_t zeilen = (r + zeile - 1) / zeile;
    for (std::uint64_t spalte = 0; spalte < zeile; ++spalte)
        for (std::uint64_t z = 0; z < zeilen; ++z)
            if (z * zeile + spalte < r) folge.push_back(z * zeile + spalte);
    return folge;
}

std::vector<std::uint64_t> abgebildet(const Blockverschachtler& v, std::uint64_t r) {
    std::vector<std::uint64_t> folge;
    const auto form = v.form(r);
    for (std::uint64_t c = 0; c < r; ++c) folge.push_back(v.datenIndex(c, form));
    return folge;
}

}  // namespace

// For example depth 3, rows of 3: 0 3 6 1 4 7 2 5 8; a last frame of 7 bits: 0 3 6 1 4 2 5.
TEST(Blockverschachtler, EveryFrameShapeIsTheColumnReadingOfItsRows) {
    for (const std::uint64_t tiefe : {1u, 2u, 5u, 8u})
        for (const std::uint64_t zeile : {1u, 3u, 7u, 8u})
            for (std::uint64_t r = 1; r <= tiefe * zeile; ++r)
                ASSERT_EQ(abgebildet(Blockverschachtler(tiefe, zeile), r), spaltenweise(zeile, r))
                    << "tiefe " << tiefe << " zeile " << zeile << " r " << r;
}

namespace {

struct VerschachtelungFall {
    const char* name;
    JobErgebnis (*job)(const std::string& ein, const std::string& aus, std::uint32_t tiefe);
};

JobErgebnis bsc(const std::string& ein, const std::string& aus, std::uint32_t tiefe) {
    KeinFortschritt still;
    return MmMakeBscErr({.eingabe = ein, .ausgabe = aus, .nProtect = 5, .fFehlerWBSC = 0.05, .tiefe = tiefe}, still);
}

GeMcAuftrag buendelig(const std::string& ein, const std::string& aus, std::uint32_t tiefe) {
    return {.eingabe = ein, .ausgabe = aus, .nProtect = 5, .Good_From_Bad = 0.2f, .Bad_From_Good = 0.05f,
            .Good_From_Good = 0.95f, .Bad_From_Bad = 0.8f, .Good = 0.05f, .Bad = 0.6f, .tiefe = tiefe};
}
JobErgebnis ge(const std::string& ein, const std::string& aus, std::uint32_t tiefe) {
    KeinFortschritt still;
    return MakeGeError(buendelig(ein, aus, tiefe), still);
}
JobErgebnis mc(const std::string& ein, const std::string& aus, std::uint32_t tiefe) {
    KeinFortschritt still;
    return MakeMcError(buendelig(ein, aus, tiefe), still);
}

const VerschachtelungFall KANAELE[] = {{"Bsc", bsc}, {"Ge", ge}, {"Mc", mc}};

}  // namespace

class VerschachtelteVerfaelschung : public TempVerzeichnis, public ::testing::WithParamInterface<VerschachtelungFall> {
protected:
    // The inverted bits of a copy of 300 zero bytes, most significant bit first, from
    // the first unprotected byte on.
    std::string muster(std::uint32_t tiefe) {
        const auto e = GetParam().job(pfad("null"), pfad("aus"), tiefe);
        EXPECT_TRUE(e.ok);
        const std::string aus = lesen(pfad("aus"));
        EXPECT_EQ(aus.substr(0, 5), std::string(5, '\0'));  // the protected bytes
        fehler = e.fehlerAnzahl;
        return bitsAlsFfo(aus.substr(5));
    }
    void SetUp() override {
        TempVerzeichnis::SetUp();
        schreiben(pfad("null"), std::string(300, '\0'));
    }
    std::uint64_t fehler = 0;
};

INSTANTIATE_TEST_SUITE_P(Kanaele, VerschachtelteVerfaelschung, ::testing::ValuesIn(KANAELE), testnamen::NachName{});

// 2360 data bits: 48 frames of 7 x 7 bits and a last one of 8 bits in two rows.
TEST_P(VerschachtelteVerfaelschung, FlipsTheSameBitsAtTheirImagePositions) {
    const std::string gerade = muster(1);
    const std::uint64_t anzahlGerade = fehler;
    const std::string verschachtelt = muster(7);
    EXPECT_EQ(fehler, anzahlGerade);
    ASSERT_GT(anzahlGerade, 50u);

    std::string erwartet(gerade.size(), '0');
    for (std::uint64_t anfang = 0; anfang < gerade.size(); anfang += 49) {
        const std::uint64_t r = std::min<std::uint64_t>(49, gerade.size() - anfang);
        const auto folge = spaltenweise(7, r);
        for (std::uint64_t c = 0; c < r; ++c) erwartet[anfang + folge[c]] = gerade[anfang + c];
    }
    EXPECT_EQ(verschachtelt, erwartet);
    EXPECT_NE(verschachtelt, gerade);
}

// A depth whose frame is larger than the file leaves one partial row: nothing moves.
TEST_P(VerschachtelteVerfaelschung, DepthBeyondTheFileChangesNothing) {
    EXPECT_EQ(muster(4096), muster(1));
}
