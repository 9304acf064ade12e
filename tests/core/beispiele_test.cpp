// The teaching set: every file is written whole, reads back in our own readers, follows
// its format to the byte (checked here by a separate little RIFF walker), is the same on
// every run, and an existing file is replaced only when asked.

#include "temp_verzeichnis.h"

#include "core/beispiele/beispiele.h"
#include "core/beispiele/testbild.h"
#include "core/media/dib.h"
#include "core/media/midi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <regex>

using namespace zor;

namespace {

std::uint32_t le32(const std::string& b, std::size_t pos) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b.at(pos + static_cast<std::size_t>(i)));
    return v;
}
std::uint16_t le16(const std::string& b, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(pos)) | static_cast<unsigned char>(b.at(pos + 1)) << 8);
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

TEST_F(Beispiele, EveryFileIsSmallAndTheSameOnEveryRun) {
    ASSERT_TRUE(beispieleSchreiben(pfad("noch/einmal"), false).job);
    for (const Beispieldatei& d : beispieldateien()) {
        const std::string inhalt = datei(d.name);
        EXPECT_GT(inhalt.size(), 100u) << d.name;
        EXPECT_LE(inhalt.size(), 400u * 1024) << d.name;
        EXPECT_EQ(inhalt, lesen(pfad("noch/einmal/" + d.name))) << d.name;
    }
}

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
}

TEST_F(Beispiele, WaveIsPlainPcmWithTonesAndRests) {
    const std::string w = datei("ton.wav");
    ASSERT_EQ(w.substr(0, 4), "RIFF");
    EXPECT_EQ(le32(w, 4), w.size() - 8);
    ASSERT_EQ(w.substr(8, 4), "WAVE");
    const auto teile = bloecke(w, 12, w.size());
    ASSERT_EQ(teile.size(), 2u);
    ASSERT_EQ(teile[0].kennung, "fmt ");
    EXPECT_EQ(le16(w, 20), 1);       // PCM
    EXPECT_EQ(le16(w, 22), 1);       // mono
    const std::uint32_t rate = le32(w, 24);
    EXPECT_EQ(le32(w, 28), rate * 2);
    EXPECT_EQ(le16(w, 34), 16);
    ASSERT_EQ(teile[1].kennung, "data");
    EXPECT_EQ(teile[1].daten, beispieldateien()[2].kopf);
    const std::size_t n = teile[1].groesse / 2;
    EXPECT_EQ(n, rate * 3);
    // Loud enough that a flipped high bit is heard, and quiet stretches between the tones.
    int spitze = 0, pausen = 0, still = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int v = static_cast<std::int16_t>(le16(w, teile[1].daten + 2 * i));
        spitze = std::max(spitze, std::abs(v));
        still = std::abs(v) < 50 ? still + 1 : 0;
        if (still == static_cast<int>(rate / 50)) ++pausen;
    }
    EXPECT_GT(spitze, 8000);
    EXPECT_GE(pausen, 7);
}

TEST_F(Beispiele, MidiReadsWithoutAFaultAndHoldsTheTune) {
    const MidiErgebnis m = GetFileInfo(pfad("set/melodie.mid"));
    ASSERT_TRUE(m) << m.meldung.text;
    for (const char* fehler : {TEXT_MIDI_LAUFSTATUS, TEXT_MIDI_FALSCH, TEXT_MIDI_VORZEITIG, TEXT_MIDI_UEBER_DATEI,
                               TEXT_MIDI_UEBER_SPUR})
        EXPECT_EQ(m.text.find(fehler), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("FORMAT:\t\t\t 1\nTRACKS:\t\t\t 2\nDIVISION:\t\t 480"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("TIME SIGNATURE:\t\t 4/4"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("Alle meine Entchen"), std::string::npos);
    const std::regex ton("NOTE ON:\t\t note (\\d+) - vel 96");
    const auto anzahl = std::distance(std::sregex_iterator(m.text.begin(), m.text.end(), ton), std::sregex_iterator());
    EXPECT_EQ(anzahl, 27);
}

TEST_F(Beispiele, AviHasOneVideoStreamOfDibFramesAndAnIndex) {
    const std::string a = datei("film.avi");
    ASSERT_EQ(a.substr(0, 4), "RIFF");
    ASSERT_EQ(le32(a, 4), a.size() - 8);
    ASSERT_EQ(a.substr(8, 4), "AVI ");
    const auto oben = bloecke(a, 12, a.size());
    ASSERT_EQ(oben.size(), 3u);
    ASSERT_EQ(oben[0].kennung + a.substr(oben[0].daten, 4), "LISThdrl");
    ASSERT_EQ(oben[1].kennung + a.substr(oben[1].daten, 4), "LISTmovi");
    ASSERT_EQ(oben[2].kennung, "idx1");

    const auto hdrl = bloecke(a, oben[0].daten + 4, oben[0].daten + oben[0].groesse);
    ASSERT_EQ(hdrl.size(), 2u);
    ASSERT_EQ(hdrl[0].kennung, "avih");
    const std::size_t avih = hdrl[0].daten;
    const std::uint32_t bilder = le32(a, avih + 16), breite = le32(a, avih + 32), hoehe = le32(a, avih + 36);
    EXPECT_EQ(le32(a, avih + 24), 1u);  // streams
    EXPECT_GE(bilder, 5u);
    const auto strl = bloecke(a, hdrl[1].daten + 4, hdrl[1].daten + hdrl[1].groesse);
    ASSERT_EQ(strl.size(), 2u);
    EXPECT_EQ(a.substr(strl[0].daten, 4), "vids");
    EXPECT_EQ(le32(a, strl[0].daten + 32), bilder);  // dwLength
    const std::size_t strf = strl[1].daten;
    EXPECT_EQ(le32(a, strf + 4), breite);
    EXPECT_EQ(le32(a, strf + 8), hoehe);
    EXPECT_EQ(le16(a, strf + 14), 24);
    EXPECT_EQ(le32(a, strf + 16), 0u);  // uncompressed

    const std::uint32_t bildbytes = (breite * 3 + 3) / 4 * 4 * hoehe;
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

TEST_F(Beispiele, ReadMeNamesEveryFileWithItsHeaderLength) {
    const std::string text = datei("LIESMICH.txt");
    for (const Beispieldatei& d : beispieldateien()) {
        if (d.kopf == 0) continue;
        EXPECT_NE(text.find(d.name), std::string::npos) << d.name;
        EXPECT_NE(text.find("Kopf: " + std::to_string(d.kopf) + " Bytes"), std::string::npos) << d.name;
    }
}

TEST_F(Beispiele, ExistingFilesAreKeptUnlessReplacingIsAsked) {
    schreiben(pfad("set/ton.wav"), "eigene Aufnahme");
    std::filesystem::remove(pfad("set/bild8.bmp"));
    auto e = beispieleSchreiben(pfad("set"), false);
    EXPECT_FALSE(e.job);
    EXPECT_TRUE(e.job.abgelehnt);
    ASSERT_EQ(e.job.meldungen.size(), 1u);
    EXPECT_NE(e.job.meldungen[0].text.find("bild24.bmp, ton.wav"), std::string::npos) << e.job.meldungen[0].text;
    EXPECT_EQ(lesen(pfad("set/ton.wav")), "eigene Aufnahme");
    EXPECT_FALSE(std::filesystem::exists(pfad("set/bild8.bmp")));
    e = beispieleSchreiben(pfad("set"), true);
    EXPECT_TRUE(e.job);
    EXPECT_NE(lesen(pfad("set/ton.wav")), "eigene Aufnahme");
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
