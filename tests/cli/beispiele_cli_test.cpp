// zor beispiele: the teaching set as the lab gets it, read by readers that are not ours
// (Python's wave module, mido for MIDI, file(1), ImageMagick, ffprobe) wherever they are
// installed, and still readable after a corruption that spares the header.

#include "zor_aufruf.h"
#include "../core/testnamen.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

namespace {

const std::vector<std::string> DATEIEN = {"bild24.bmp", "bild8.bmp", "ton.wav", "melodie.mid", "film.avi", "LIESMICH.txt"};

bool vorhanden(const std::string& programm) {
    return befehlAufrufen("command -v " + zorQuote(programm)).code == 0;
}

class Beispiele : public ZorCliTest {
protected:
    void SetUp() override {
        ZorCliTest::SetUp();
        const auto e = zorAufruf({"beispiele", pfad("set")});
        ASSERT_EQ(e.code, 0) << e.fehler;
        std::string erwartet;
        for (const auto& d : DATEIEN) erwartet += "Geschrieben: " + pfad("set/" + d) + "\n";
        ASSERT_EQ(e.fehler, erwartet);
        ASSERT_EQ(e.aus, "");
    }
    // Runs a Python snippet on the set's folder; skips when Python or the module is missing.
    ZorErgebnis python(const std::string& modul, const std::string& code) {
        if (std::string(ZOR_PYTHON).empty()) return {-2, "", "python3 fehlt"};
        if (befehlAufrufen(zorQuote(ZOR_PYTHON) + " -c 'import " + modul + "'").code != 0) return {-2, "", modul + " fehlt"};
        return befehlAufrufen("cd " + zorQuote(pfad("set")) + " && " + zorQuote(ZOR_PYTHON) + " -c " + zorQuote(code));
    }
};

TEST_F(Beispiele, AnExistingSetIsReplacedOnlyWithForce) {
    dateiSchreiben(pfad("set/ton.wav"), "eigene Aufnahme");
    std::filesystem::remove(pfad("set/bild8.bmp"));
    auto e = zorAufruf({"beispiele", pfad("set")});
    EXPECT_EQ(e.code, 2);
    EXPECT_THAT(e.fehler, HasSubstr("gibt es schon: bild24.bmp, ton.wav, melodie.mid"));
    EXPECT_EQ(dateiLesen(pfad("set/ton.wav")), "eigene Aufnahme");
    EXPECT_FALSE(std::filesystem::exists(pfad("set/bild8.bmp")));
    e = zorAufruf({"beispiele", "--force", pfad("set")});
    EXPECT_EQ(e.code, 0) << e.fehler;
    EXPECT_NE(dateiLesen(pfad("set/ton.wav")), "eigene Aufnahme");
}

TEST_F(Beispiele, PythonsWaveReadsTheToneAlsoAfterAProtectedCorruption) {
    const auto e = zorAufruf({"corrupt", "ge", "--protect", "44", pfad("set/ton.wav"), pfad("set/ton-ge.wav")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    const auto w = python("wave", "import wave\n"
                                  "for n in ('ton.wav', 'ton-ge.wav'):\n"
                                  "    with wave.open(n) as w:\n"
                                  "        print(n, w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())\n");
    if (w.code == -2) GTEST_SKIP() << w.fehler;
    ASSERT_EQ(w.code, 0) << w.fehler;
    EXPECT_EQ(w.aus, "ton.wav 1 2 22050 66150\nton-ge.wav 1 2 22050 66150\n");
}

// Our own MIDI reader lists the tune without a fault line; mido (where installed) agrees.
TEST_F(Beispiele, MidiReadersFindTheTune) {
    const auto eigen = zorAufruf({"midi", pfad("set/melodie.mid")});
    ASSERT_EQ(eigen.code, 0) << eigen.fehler;
    EXPECT_THAT(eigen.aus, HasSubstr("FORMAT:\t\t\t 1\nTRACKS:\t\t\t 2\nDIVISION:\t\t 480"));
    EXPECT_THAT(eigen.aus, HasSubstr("TIME SIGNATURE:\t\t 4/4"));
    // A fault would end the listing early: both tracks reach their end.
    std::size_t enden = 0;
    for (auto p = eigen.aus.find("END OF TRACK"); p != std::string::npos; p = eigen.aus.find("END OF TRACK", p + 1)) ++enden;
    EXPECT_EQ(enden, 2u);
    const auto m = python("mido", "import mido\n"
                                  "f = mido.MidiFile('melodie.mid')\n"
                                  "an = [x.note for x in f.tracks[1] if x.type == 'note_on' and x.velocity > 0]\n"
                                  "print(f.type, len(f.tracks), f.ticks_per_beat, len(an), an[:5], round(f.length))\n");
    if (m.code == -2) GTEST_SKIP() << m.fehler;
    ASSERT_EQ(m.code, 0) << m.fehler;
    // 27 notes over 40 quarters at 120 bpm: 20 s.
    EXPECT_EQ(m.aus, "1 2 480 27 [60, 62, 64, 65, 67] 20\n");
}

struct Fremdleser {
    const char* name;
    const char* programm;
    const char* aufruf;   // run in the set's folder
    const char* erwartet; // a part of its output
};

class BeispieleFremd : public Beispiele, public ::testing::WithParamInterface<Fremdleser> {};

TEST_P(BeispieleFremd, ReadsTheFile) {
    if (!vorhanden(GetParam().programm)) GTEST_SKIP() << GetParam().programm << " fehlt";
    const auto e = befehlAufrufen("cd " + zorQuote(pfad("set")) + " && " + GetParam().aufruf);
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_THAT(e.aus, HasSubstr(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Leser, BeispieleFremd,
    ::testing::Values(
        Fremdleser{"FileBitmap24", "file", "file -b bild24.bmp", "PC bitmap, Windows 3.x format, 320 x 240 x 24"},
        Fremdleser{"FileBitmap8", "file", "file -b bild8.bmp", "320 x 240 x 8"},
        Fremdleser{"FileWave", "file", "file -b ton.wav", "Microsoft PCM, 16 bit, mono 22050 Hz"},
        Fremdleser{"FileMidi", "file", "file -b melodie.mid", "Standard MIDI data (format 1) using 2 tracks at 1/480"},
        Fremdleser{"FileAvi", "file", "file -b film.avi", "AVI, 128 x 96, 5.00 fps, video: uncompressed"},
        Fremdleser{"IdentifyBitmaps", "identify", "identify bild24.bmp bild8.bmp",
                   "bild8.bmp BMP3 320x240 320x240+0+0 8-bit sRGB 256c"},
        Fremdleser{"FfprobeAvi", "ffprobe",
                   "ffprobe -v error -count_frames -show_entries stream=codec_name,width,height,nb_read_frames -of csv=p=0 film.avi",
                   "rawvideo,128,96,10"}),
    testnamen::NachName());

}  // namespace
