// The difference picture of the teaching set's bitmaps after a BSC corruption that spares
// their headers: its bit and byte counts equal the comparison file's, its pixel count and
// PSNR per channel equal a plain computation here.

#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/beispiele/beispiele.h"
#include "core/corruption/verfaelschen.h"
#include "core/media/bilddifferenz.h"
#include "core/media/unterschied.h"
#include "core/seqfiles/vergleich.h"

#include <gmock/gmock.h>

#include <bit>
#include <cmath>

using namespace zor;

namespace {

class Bilddifferenzen : public TempVerzeichnis, public ::testing::WithParamInterface<const char*> {};

TEST_P(Bilddifferenzen, CountsEqualTheComparisonFileAndPsnrTheReference) {
    ASSERT_TRUE(beispieleSchreiben(pfad("set"), false).job);
    const std::string ein = pfad(std::string("set/") + GetParam()), aus = pfad("kopie.bmp");
    KeinFortschritt still;
    BscAuftrag a{.eingabe = ein, .ausgabe = aus, .fFehlerWBSC = 0.002, .kopfAutomatisch = true};
    ASSERT_TRUE(MmMakeBscErr(a, still));

    ASSERT_TRUE(CompareFile(ein, aus, pfad("v.vgl"), still));
    std::uint64_t vglBits = 0, vglBytes = 0;
    for (const char c : lesen(pfad("v.vgl"))) {
        vglBits += static_cast<std::uint64_t>(std::popcount(static_cast<unsigned char>(c)));
        vglBytes += c != 0;
    }
    std::string warum;
    auto x = oeffneDatei(ein, warum);
    auto y = oeffneDatei(aus, warum);
    const Unterschiedszahl z = unterschiedeZaehlen(*x, *y, still);
    EXPECT_EQ(z.bits, vglBits);
    EXPECT_EQ(z.bytes, vglBytes);
    EXPECT_GT(z.bits, 0u);

    const auto o = OpenDIB(ein), k = OpenDIB(aus);
    ASSERT_TRUE(o && k);
    const auto d = bilddifferenz(o.bild, k.bild);
    ASSERT_TRUE(d);
    std::uint64_t geaendert = 0;
    double quadrat[3] = {0, 0, 0};  // red, green, blue
    for (std::size_t i = 0; i < o.bild.pixel.size(); ++i) {
        const std::uint32_t p = o.bild.pixel[i], q = k.bild.pixel[i];
        geaendert += (p & 0xFFFFFF) != (q & 0xFFFFFF);
        EXPECT_EQ(d->bild.pixel[i], (p & 0xFFFFFF) != (q & 0xFFFFFF) ? DIFFERENZ_ROT : gedimmt(p));
        for (int c = 0; c < 3; ++c) {
            const double u = double(p >> (16 - 8 * c) & 255) - double(q >> (16 - 8 * c) & 255);
            quadrat[c] += u * u;
        }
    }
    EXPECT_EQ(d->pixel, geaendert);
    EXPECT_GT(geaendert, 0u);
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(d->psnr[c], 20 * std::log10(255.0) - 10 * std::log10(quadrat[c] / double(o.bild.pixel.size())), 1e-9);
    EXPECT_TRUE(std::isinf(bilddifferenz(o.bild, o.bild)->psnr[1]));
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Bilddifferenzen, ::testing::Values("bild24.bmp", "bild8.bmp"),
                         [](const ::testing::TestParamInfo<const char*>& i) { return testnamen::bereinigt(i.param); });

}  // namespace
