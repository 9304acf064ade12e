// Round trips through the file jobs: corrupt -> compare -> derive -> apply the derived
// pattern to the original gives the corrupted copy again.
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "corruption/muster.h"
#include "corruption/verfaelschen.h"
#include "seqfiles/konvertieren.h"
#include "seqfiles/vergleich.h"

#include <gtest/gtest.h>

using namespace zor;

enum class Kanal { BSC, GE, MC };

struct Reise {
    Kanal kanal;
    const char* muster;  // name of the derived pattern: its format
    std::size_t groesse;
};

class Rundreise : public TempVerzeichnis, public ::testing::WithParamInterface<Reise> {
protected:
    KeinFortschritt still;

    JobErgebnis verfaelschen(Kanal k) {
        if (k == Kanal::BSC) {
            BscAuftrag a;
            a.eingabe = pfad("original");
            a.ausgabe = pfad("kopie");
            a.fFehlerWBSC = 0.001;
            a.nProtect = 54;
            return MmMakeBscErr(a, still);
        }
        GeMcAuftrag a;
        a.eingabe = pfad("original");
        a.ausgabe = pfad("kopie");
        return k == Kanal::GE ? MakeGeError(a, still) : MakeMcError(a, still);
    }
};

INSTANTIATE_TEST_SUITE_P(Kanaele, Rundreise,
                         ::testing::Values(Reise{Kanal::BSC, "m.FAB", 4 << 20}, Reise{Kanal::BSC, "m.FFO", 512 << 10},
                                           Reise{Kanal::GE, "m.fab", 1 << 20}, Reise{Kanal::GE, "m.ffo", 256 << 10},
                                           Reise{Kanal::MC, "m.FAB", 1 << 20}, Reise{Kanal::MC, "m.FFO", 256 << 10},
                                           Reise{Kanal::BSC, "gross.FAB", 64 << 20}));

TEST_P(Rundreise, DerivedPatternReproducesTheCorruptedCopy) {
    const Reise r = GetParam();
    schreiben(pfad("original"), zufallsBytes(r.groesse, 77));
    const auto v = verfaelschen(r.kanal);
    ASSERT_TRUE(v.ok);
    ASSERT_TRUE(CompareFile(pfad("original"), pfad("kopie"), pfad("v.vgl"), still).ok);
    ASSERT_TRUE(FfoOderFabErstellen(pfad("v.vgl"), pfad(r.muster), still).ok);
    const auto m = MusterVerfaelschen({pfad("original"), pfad(r.muster), pfad("wieder")}, still);
    ASSERT_TRUE(m.ok);
    EXPECT_EQ(m.uebersprungen, 0u);
    EXPECT_EQ(lesen(pfad("wieder")), lesen(pfad("kopie")));
    const bool fab = std::string(r.muster).find("ffo") == std::string::npos &&
                     std::string(r.muster).find("FFO") == std::string::npos;
    EXPECT_EQ(std::filesystem::file_size(pfad(r.muster)), fab ? 4 * v.fehlerAnzahl : 8 * r.groesse);
}

TEST_F(Rundreise, FfoToFabToFfoEndsAtTheLastError) {
    std::string ffo = bitsAlsFfo(zufallsBytes(100000, 5));
    ffo += std::string(77, '0');
    schreiben(pfad("f.ffo"), ffo);
    ASSERT_TRUE(Convert_Ffo_To_Fab(pfad("f.ffo"), still).ok);
    ASSERT_TRUE(Convert_Fab_To_Ffo(pfad("f.FAB"), still).ok);
    EXPECT_EQ(lesen(pfad("f.FFO")), ffo.substr(0, ffo.find_last_of('1') + 1));
}
