// Header protection by format: the ranges found for hand-built files of each kind, their
// hostile variants, and a corruption that leaves exactly those ranges and draws nothing there.

#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

#include "core/corruption/kanaele.h"
#include "core/corruption/verfaelschen.h"
#include "core/media/kopfschutz.h"
#include "core/models/fehlerquellen.h"

#include <gmock/gmock.h>

using namespace zor;
using ::testing::HasSubstr;

namespace {

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string abschnitt(const std::string& kennung, const std::string& daten, std::uint32_t groesse) {
    return kennung + le32(groesse) + daten + (daten.size() % 2 ? std::string(1, '\0') : "");
}
std::string abschnitt(const std::string& kennung, const std::string& daten) {
    return abschnitt(kennung, daten, static_cast<std::uint32_t>(daten.size()));
}
std::string riff(const std::string& form, const std::string& inhalt) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + inhalt.size())) + form + inhalt;
}
std::string bmp(std::uint32_t pixelAb, std::size_t groesse) {
    std::string d = "BM" + le32(static_cast<std::uint32_t>(groesse)) + le32(0) + le32(pixelAb) + le32(40);
    d.resize(groesse, '\x55');
    return d;
}
std::string midi(const std::vector<std::string>& spuren, std::uint32_t kopf = 6) {
    std::string d = "MThd" + be32(kopf) + std::string(kopf, '\1');
    for (const auto& s : spuren) d += "MTrk" + be32(static_cast<std::uint32_t>(s.size())) + s;
    return d;
}

const std::string FMT = abschnitt("fmt ", std::string(16, '\2'));

struct Fall {
    const char* name;
    std::string datei;
    std::vector<Bytebereich> bereiche;
    const char* hinweis;
};

std::vector<Fall> faelle() {
    const std::string avi = riff("AVI ", abschnitt("LIST", "hdrl" + std::string(20, 'h')) +
                                             abschnitt("LIST", "movi" + abschnitt("00dc", "abc") +
                                                                   abschnitt("LIST", "rec " + abschnitt("01wb", "wxyz"))) +
                                             abschnitt("idx1", std::string(16, 'i')));
    return {
        {"Bmp", bmp(54, 90), {{0, 54}}, "54 Bytes (BMP-Bild"},
        {"BmpPixelsBeyondTheEnd", bmp(200, 90), {}, "wie ein BMP-Bild"},
        {"BmpPixelsInsideTheHeader", bmp(20, 90), {}, "wie ein BMP-Bild"},
        // The public test set's layout: a LIST chunk before the samples.
        {"WavListBeforeData",
         riff("WAVE", FMT + abschnitt("LIST", std::string(74, 'L')) + abschnitt("data", std::string(10, 'd'))),
         {{0, 126}},
         "Abtastwert ab Byte 126)."},
        {"WavOddDataAndTrailingChunk",
         riff("WAVE", abschnitt("data", std::string(5, 'd')) + FMT),
         {{0, 20}, {25, 50}},
         "dazu 25 Bytes nach"},
        {"WavDataSizeBeyondTheEnd",
         riff("WAVE", FMT + abschnitt("data", "", 0xFFFFFFF0u) + "1234"),
         {{0, 44}},
         "ab Byte 44"},
        {"WavWithoutData", riff("WAVE", FMT + abschnitt("LIST", "xx")), {}, "wie ein WAV-Ton"},
        {"WavChunkSizeBeyondTheEnd",
         riff("WAVE", abschnitt("LIST", "", 0x7FFFFFFFu) + abschnitt("data", "ab")),
         {},
         "wie ein WAV-Ton"},
        {"AviMoviHeadersAndIndex",
         avi,
         {{0, 64}, {67, 88}, {92, avi.size()}},
         "der 3 Abschnitte darin und 24 Bytes danach"},
        {"AviWithoutMovi", riff("AVI ", abschnitt("LIST", "hdrl")), {}, "wie ein AVI-Film"},
        // A recording cut off inside an odd-sized chunk: its pad byte would lie past the end.
        {"AviCutInsideAnOddChunk",
         riff("AVI ", abschnitt("LIST", "hdrl" + std::string(20, 'h')) + "LIST" + le32(0x1000) + "movi" + "00dc" +
                          le32(0x101) + "abc"),
         {{0, 64}},
         "Kopf geschützt: 64 Bytes"},
        {"MidiTrackHeaders",
         midi({"abcdefghijklm", "", "1234567"}),
         {{0, 22}, {35, 51}},
         "die Köpfe der 3 Spurabschnitte"},
        {"MidiTrackLengthBeyondTheEnd", midi({}) + "MTrk" + be32(0xFFFFFFFFu) + "xyz", {{0, 22}}, "die Köpfe der 1 "},
        {"MidiHeaderTooShort", midi({}, 4), {}, "wie eine MIDI-Datei"},
        {"Text", std::string(100, 't'), {}, "kein bekanntes Format"},
        {"Empty", "", {}, "kein bekanntes Format"},
    };
}

class KopfschutzFaelle : public ::testing::TestWithParam<Fall> {};

TEST_P(KopfschutzFaelle, FindsTheHeaderRanges) {
    const Fall& f = GetParam();
    SpeicherQuelle q({reinterpret_cast<const unsigned char*>(f.datei.data()), f.datei.size()});
    const Kopfschutz k = kopfschutzErkennen(q);
    EXPECT_EQ(k.bereiche.bereiche(), f.bereiche);
    EXPECT_THAT(k.hinweis, HasSubstr(f.hinweis));
    EXPECT_EQ(k.format.empty(), f.bereiche.empty());
}

INSTANTIATE_TEST_SUITE_P(Formate, KopfschutzFaelle, ::testing::ValuesIn(faelle()),
                         testnamen::NachName());

// Whatever the block size, the channel sees the unprotected bytes as one stream: the MC
// pattern over them is the channel-model sequence, and the protected bytes stay.
class KopfschutzKopie : public TempVerzeichnis, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(KopfschutzKopie, ChannelSkipsExactlyTheProtectedRanges) {
    const std::string ein = midi({zufallsBytes(13, 5), "", zufallsBytes(40, 6)}) + zufallsBytes(3, 7);
    schreiben(pfad("ein"), ein);
    GeMcAuftrag a{.eingabe = pfad("ein"), .ausgabe = pfad("aus"), .Good_From_Bad = 0.3f, .Bad_From_Good = 0.2f,
                  .Good_From_Good = 0.8f, .Bad_From_Bad = 0.7f, .Good = 0.2f, .Bad = 0.9f, .kopfAutomatisch = true};
    KeinFortschritt still;
    const auto e = MakeMcError(a, still, GetParam());
    ASSERT_TRUE(e.ok);
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_THAT(e.meldungen[0].text, HasSubstr("Kopf geschützt: 38 Bytes"));
    const std::string aus = lesen(pfad("aus"));
    ASSERT_EQ(aus.size(), ein.size());
    // Header 0..22, track headers 35..43 and 43..51; the rest is payload.
    std::string frei;
    for (std::size_t i = 0; i < ein.size(); ++i) {
        const bool geschuetzt = i < 22 || (i >= 35 && i < 51);
        if (geschuetzt) EXPECT_EQ(aus[i], ein[i]) << "Byte " << i;
        else frei += static_cast<char>(aus[i] ^ ein[i]);
    }
    std::string erwartet;
    McBitQuelle q(alsModellWerte(a).data());
    for (std::size_t i = 0; i < 8 * frei.size(); ++i) erwartet += q.bit() ? '1' : '0';
    EXPECT_EQ(bitsAlsFfo(frei), erwartet);
}

INSTANTIATE_TEST_SUITE_P(Bloecke, KopfschutzKopie, ::testing::Values(1, 5, 64), testnamen::blockname);

}  // namespace
