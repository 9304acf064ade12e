// Round trips through the file jobs: corrupt -> compare -> derive -> apply the derived
// pattern to the original gives the corrupted copy again.
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/corruption/muster.h"
#include "core/corruption/verfaelschen.h"
#include "core/seqfiles/konvertieren.h"
#include "core/seqfiles/vergleich.h"

#include <gtest/gtest.h>

using namespace zor;

enum class Kanal { BSC, GE, MC };

struct Reise {
    Kanal kanal;
    bool fab;  // format of the derived pattern
    std::size_t groesse;
};

std::string reisename(const ::testing::TestParamInfo<Reise>& info) {
    const char* kanaele[] = {"BSC", "GE", "MC"};
    const Reise& r = info.param;
    return std::string(kanaele[static_cast<int>(r.kanal)]) + (r.fab ? "_FAB_" : "_FFO_") + testnamen::groesse(r.groesse);
}

class Rundreise : public TempVerzeichnis, public ::testing::WithParamInterface<Reise> {
protected:
    KeinFortschritt still;
};

// Each channel and each pattern format once, and one large file through the FAB path.
INSTANTIATE_TEST_SUITE_P(Kanaele, Rundreise,
                         ::testing::Values(Reise{Kanal::BSC, false, 512 << 10}, Reise{Kanal::GE, true, 1 << 20},
                                           Reise{Kanal::GE, false, 256 << 10}, Reise{Kanal::MC, true, 1 << 20},
                                           Reise{Kanal::BSC, true, 64 << 20}),
                         reisename);

TEST_P(Rundreise, DerivedPatternReproducesTheCorruptedCopy) {
    const Reise r = GetParam();
    const std::string muster = pfad(r.fab ? "m.FAB" : "m.ffo");
    schreiben(pfad("original"), zufallsBytes(r.groesse, 77));
    JobErgebnis v;
    if (r.kanal == Kanal::BSC) {
        v = MmMakeBscErr({.eingabe = pfad("original"), .ausgabe = pfad("kopie"), .nProtect = 54}, still);
    } else {
        const GeMcAuftrag a{.eingabe = pfad("original"), .ausgabe = pfad("kopie")};
        v = r.kanal == Kanal::GE ? MakeGeError(a, still) : MakeMcError(a, still);
    }
    ASSERT_TRUE(v.ok);
    ASSERT_TRUE(CompareFile(pfad("original"), pfad("kopie"), pfad("v.vgl"), still).ok);
    ASSERT_TRUE(FfoOderFabErstellen(pfad("v.vgl"), muster, still).ok);
    EXPECT_EQ(std::filesystem::file_size(muster), r.fab ? 4 * v.fehlerAnzahl : 8 * r.groesse);
    const auto m = MusterVerfaelschen({pfad("original"), muster, pfad("wieder")}, still);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.uebersprungen, 0u);
    EXPECT_EQ(lesen(pfad("wieder")), lesen(pfad("kopie")));
}

TEST_F(Rundreise, FfoToFabToFfoEndsAtTheLastError) {
    const std::string ffo = bitsAlsFfo(zufallsBytes(100000, 5)) + std::string(77, '0');
    schreiben(pfad("f.ffo"), ffo);
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("f.ffo"), still).ok);
    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("f.FAB"), still).ok);
    EXPECT_EQ(lesen(pfad("f.FFO")), ffo.substr(0, ffo.find_last_of('1') + 1));
}
