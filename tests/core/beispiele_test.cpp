// The teaching set: the bitmaps read back in our own reader as the intended picture, the
// AVI follows its format to the byte (checked by a separate little RIFF walker), the set
// is the same on every run, and a folder that cannot be one is refused. The sound, the
// MIDI file and replacing existing files are checked in the CLI tests.

#include "temp_verzeichnis.h"

#include "core/beispiele/beispiele.h"
#include "core/beispiele/erzeuger.h"
#include "core/beispiele/testbild.h"
#include "core/media/dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>

using namespace zor;

namespace {

std::uint32_t le32(const std::string& b, std::size_t pos) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b.at(pos + static_cast<std::size_t>(i)));
    return v;
}

struct Block {
    std::string kennung;
    std::size_t daten, groesse;  // where the data starts, and its length
};

// The chunks between `von` and `bis`, each padded to an even length; fails the test when
// a chunk reaches past `bis`.
std::vector<Block> bloecke(const std::string& b, std::size_t von, std::size_t bis) {
    std::vector<Block> liste;
    while (von + 8 <= bis) {
        const Block k{b.substr(von, 4), von + 8, le32(b, von + 4)};
        EXPECT_LE(k.daten + k.groesse, bis) << k.kennung;
        liste.push_back(k);
        von = k.daten + k.groesse + (k.groesse & 1);
    }
    EXPECT_EQ(von, bis);
    return liste;
}

class Beispiele : public TempVerzeichnis {
protected:
    void SetUp() override {
        TempVerzeichnis::SetUp();
        const auto e = beispieleSchreiben(pfad("set"), false);
        ASSERT_TRUE(e.job) << (e.job.meldungen.empty() ? "" : e.job.meldungen[0].text);
        ASSERT_EQ(e.ausgaben.size(), beispieldateien().size());
    }
    std::string datei(const std::string& name) const { return lesen(pfad("set/" + name)); }
};

TEST_F(Beispiele, BothBitmapsShowTheSamePictureInOurReader) {
    const DibErgebnis b24 = OpenDIB(pfad("set/bild24.bmp")), b8 = OpenDIB(pfad("set/bild8.bmp"));
    ASSERT_TRUE(b24) << b24.meldung.text;
    ASSERT_TRUE(b8) << b8.meldung.text;
    EXPECT_TRUE(b24.meldung.text.empty() && b8.meldung.text.empty());
    ASSERT_EQ(b24.bild.breite, beispiele::BILD_BREITE);
    ASSERT_EQ(b24.bild.hoehe, beispiele::BILD_HOEHE);
    ASSERT_EQ(b8.bild.pixel.size(), b24.bild.pixel.size());
    std::map<std::uint32_t, int> farben;
    for (std::uint32_t y = 0; y < beispiele::BILD_HOEHE; ++y)
        for (std::uint32_t x = 0; x < beispiele::BILD_BREITE; ++x) {
            const std::size_t i = std::size_t{y} * beispiele::BILD_BREITE + x;
            ASSERT_EQ(b24.bild.pixel[i], b8.bild.pixel[i]) << x << "," << y;
            ASSERT_EQ(b24.bild.pixel[i], 0xFF000000u | beispiele::bildPalette()[beispiele::bildIndex(x, y)]);
            ++farben[b24.bild.pixel[i]];
        }
    // Flat areas (one colour over a large share) and gradients (many colours) both exist.
    int groessteFlaeche = 0;
    for (const auto& [farbe, anzahl] : farben) groessteFlaeche = std::max(groessteFlaeche, anzahl);
    EXPECT_GT(groessteFlaeche, 15000);
    EXPECT_GE(farben.size(), 200u);
    // The header lengths the read-me names are where the pixels start.
    EXPECT_EQ(le32(datei("bild24.bmp"), 10), beispieldateien()[0].kopf);
    EXPECT_EQ(le32(datei("bild8.bmp"), 10), beispieldateien()[1].kopf);
    ASSERT_TRUE(beispieleSchreiben(pfad("noch/einmal"), false).job);
    for (const Beispieldatei& d : beispieldateien()) EXPECT_EQ(datei(d.name), lesen(pfad("noch/einmal/" + d.name))) << d.name;
}

TEST_F(Beispiele, AviFramesAndIndexAgree) {
    const std::string a = datei("film.avi");
    ASSERT_EQ(a.substr(0, 4), "RIFF");
    ASSERT_EQ(le32(a, 4), a.size() - 8);
    ASSERT_EQ(a.substr(8, 4), "AVI ");
    const auto oben = bloecke(a, 12, a.size());
    ASSERT_EQ(oben.size(), 3u);
    ASSERT_EQ(oben[0].kennung + a.substr(oben[0].daten, 4), "LISThdrl");
    ASSERT_EQ(oben[1].kennung + a.substr(oben[1].daten, 4), "LISTmovi");
    ASSERT_EQ(oben[2].kennung, "idx1");

    // The headers' fields are read by file(1) and ffprobe in the CLI tests; here the frames
    // and the index that players seek by.
    const std::uint32_t bilder = le32(a, 12 + 8 + 4 + 8 + 16);  // avih: total frames
    EXPECT_EQ(bilder, beispiele::FILM_BILDER);
    const std::uint32_t bildbytes = (beispiele::FILM_BREITE * 3 + 3) / 4 * 4 * beispiele::FILM_HOEHE;
    const std::size_t movi = oben[1].daten;
    const auto rahmen = bloecke(a, movi + 4, movi + oben[1].groesse);
    ASSERT_EQ(rahmen.size(), bilder);
    EXPECT_EQ(rahmen[0].daten, beispieldateien()[4].kopf);
    for (const Block& r : rahmen) {
        EXPECT_EQ(r.kennung, "00db");
        EXPECT_EQ(r.groesse, bildbytes);
    }
    // The frames differ: something moves.
    EXPECT_NE(a.substr(rahmen[0].daten, bildbytes), a.substr(rahmen[1].daten, bildbytes));
    // Each index entry points at its frame's chunk, counted from the list type "movi".
    ASSERT_EQ(oben[2].groesse, 16u * bilder);
    for (std::uint32_t i = 0; i < bilder; ++i) {
        const std::size_t eintrag = oben[2].daten + 16 * i;
        EXPECT_EQ(a.substr(eintrag, 4), "00db");
        EXPECT_EQ(movi + le32(a, eintrag + 8), rahmen[i].daten - 8) << i;
        EXPECT_EQ(le32(a, eintrag + 12), bildbytes);
    }
}

TEST_F(TempVerzeichnis, BeispieleRefuseAFileAsFolderAndNameAFolderTheyCannotMake) {
    schreiben(pfad("datei"), "x");
    auto e = beispieleSchreiben(pfad("datei"), true);
    EXPECT_TRUE(e.job.abgelehnt);
    EXPECT_EQ(e.job.meldungen.at(0).text, pfad("datei") + " ist kein Ordner.");
    e = beispieleSchreiben(pfad("datei/unter"), true);
    EXPECT_FALSE(e.job);
    EXPECT_EQ(e.job.meldungen.at(0).text.rfind("Der Ordner " + pfad("datei/unter") + " kann nicht angelegt werden!\n", 0), 0u)
        << e.job.meldungen.at(0).text;
    EXPECT_TRUE(e.ausgaben.empty());
}

}  // namespace
