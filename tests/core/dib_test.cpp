// The bitmap reader against hand-made files (each with a .ppm of the pixels it must show),
// damaged files, and the writer's round trip.
#include "core/media/dib.h"
#include "core/media/bildvergleich.h"

#include "medien_daten.h"
#include "temp_verzeichnis.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using zor::DibBild;
using zor::DibErgebnis;

// A binary P6 file as 0xFFRRGGBB pixels.
DibBild lesePpm(const std::filesystem::path& p) {
    std::istringstream in(dateiLesen(p));
    std::string magie;
    unsigned maxwert = 0;
    DibBild b;
    in >> magie >> b.breite >> b.hoehe >> maxwert;
    in.get();
    for (std::uint64_t i = 0; i < std::uint64_t{b.breite} * b.hoehe; ++i) {
        unsigned char rgb[3];
        in.read(reinterpret_cast<char*>(rgb), 3);
        b.pixel.push_back(0xFF000000u | std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2]);
    }
    return b;
}

std::filesystem::path bitmap(const std::string& stamm) {
    for (const char* endung : {".bmp", ".dib"})
        if (auto p = testdaten("bmp") / (stamm + endung); std::filesystem::exists(p)) return p;
    return {};
}

class DibMuster : public ::testing::TestWithParam<std::string> {};

TEST_P(DibMuster, ZeigtDieErwartetenBildpunkte) {
    const DibErgebnis e = zor::OpenDIB(bitmap(GetParam()).string());
    ASSERT_TRUE(e.ok) << e.meldung.text;
    const DibBild soll = lesePpm(testdaten("bmp") / (GetParam() + ".ppm"));
    ASSERT_EQ(e.bild.breite, soll.breite);
    ASSERT_EQ(e.bild.hoehe, soll.hoehe);
    for (std::uint32_t y = 0; y < soll.hoehe; ++y)
        for (std::uint32_t x = 0; x < soll.breite; ++x)
            ASSERT_EQ(e.bild.pixel[y * soll.breite + x], soll.pixel[y * soll.breite + x])
                << "bei x=" << x << " y=" << y;
    // Only the damaged samples carry a note, and it names the missing rows.
    std::uint32_t graueZeilen = 0;
    for (std::uint32_t y = 0; y < soll.hoehe; ++y)
        graueZeilen += soll.pixel[y * soll.breite] == zor::DIB_GRAU && soll.pixel[y * soll.breite + 1] == zor::DIB_GRAU;
    EXPECT_EQ(e.fehlendeZeilen, graueZeilen);
    EXPECT_EQ(e.meldung.text.empty(), graueZeilen == 0) << e.meldung.text;
}

INSTANTIATE_TEST_SUITE_P(Beispiele, DibMuster, ::testing::ValuesIn(staemmeMit("bmp", ".ppm")),
                         [](const auto& p) { return p.param; });

TEST(DibLeser, FehlendeZeilenWerdenMitAnzahlGenannt) {
    const DibErgebnis e = zor::OpenDIB(bitmap("truncated_pixel_data").string());
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.meldung.text, "Die Bilddaten sind unvollständig: 2 von 4 Zeilen fehlen und sind grau dargestellt.");
    EXPECT_EQ(e.meldung.symbol, zor::Symbol::Information);
}

TEST(DibLeser, FarbtabelleUndBilddatenHinterDemDateiende) {
    const DibErgebnis e = zor::OpenDIB(bitmap("palette_beyond_file").string());
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.fehlendeZeilen, 3u);
    for (std::uint32_t p : e.bild.pixel) ASSERT_EQ(p, zor::DIB_GRAU);
    EXPECT_NE(e.meldung.text.find("3 von 3 Zeilen"), std::string::npos);
    EXPECT_NE(e.meldung.text.find("Farbtabelle ist unvollständig"), std::string::npos);
}

struct Ablehnung {
    const char* datei;
    const char* meldungsteil;
};

class DibAbgelehnt : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(DibAbgelehnt, NenntDenGrund) {
    const DibErgebnis e = zor::OpenDIB(bitmap(GetParam().datei).string());
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.bild.pixel.empty());
    EXPECT_NE(e.meldung.text.find(GetParam().meldungsteil), std::string::npos) << e.meldung.text;
}

INSTANTIATE_TEST_SUITE_P(Dateien, DibAbgelehnt,
                         ::testing::Values(Ablehnung{"too_short", "zu kurz"}, Ablehnung{"absurd_size", "zu groß"},
                                           Ablehnung{"width_overflow", "zu groß"},
                                           Ablehnung{"claims_67108864x1_in_54_bytes", "keine Bilddaten"},
                                           Ablehnung{"claims_8000x8000_in_102_bytes", "keine Bilddaten"},
                                           Ablehnung{"rle8_claims_8000x8000_in_60_bytes", "viel zu kurz"}),
                         [](const auto& p) { return std::string(p.param.datei); });

TEST(DibLeser, KopfUndFormatfehlerImSpeicher) {
    const std::string kopf = dateiLesen(bitmap("rgb24_size_image_0"));
    // The 24-bit sample with bytes changed, cut to `laenge` bytes.
    auto mit = [&](std::initializer_list<std::pair<std::size_t, unsigned char>> aenderungen, std::size_t laenge = 0) {
        std::string k = laenge ? kopf.substr(0, laenge) : kopf;
        for (const auto& [stelle, wert] : aenderungen) k[stelle] = static_cast<char>(wert);
        return zor::dibAusSpeicher({reinterpret_cast<const unsigned char*>(k.data()), k.size()});
    };
    EXPECT_NE(mit({{14, 20}}).meldung.text.find("Bitmap-Kopf"), std::string::npos);  // biSize 20
    EXPECT_NE(mit({{16, 1}}).meldung.text.find("Bitmap-Kopf"), std::string::npos);   // biSize past the end
    EXPECT_NE(mit({{14 + 14, 2}}).meldung.text.find("2 Bit je Bildpunkt"), std::string::npos);
    EXPECT_NE(mit({{14 + 16, 1}}).meldung.text.find("Kompression 1"), std::string::npos);  // RLE8 with 24 bit
    EXPECT_NE(mit({{14 + 14, 8}, {14 + 16, 3}}).meldung.text.find("8 Bit je Bildpunkt"), std::string::npos);
    EXPECT_NE(mit({{14 + 4, 0}}).meldung.text.find("Bildmaße"), std::string::npos);  // width 0
    // 16-bit bit fields whose masks the file ends in.
    EXPECT_EQ(mit({{14 + 14, 16}, {14 + 16, 3}}, 58).meldung.text, zor::TEXT_DIB_MASKEN);
    EXPECT_TRUE(mit({{14 + 20, 0xFF}}).ok);  // a wrong biSizeImage is not needed
}

TEST(DibLeser, GrenzeDerBildpunkteIstEinstellbar) {
    const auto p = bitmap("rgb24_size_image_0").string();
    EXPECT_TRUE(zor::OpenDIB(p, 15).ok);
    EXPECT_FALSE(zor::OpenDIB(p, 14).ok);
}

class DibDateien : public TempVerzeichnis {};

TEST_F(DibDateien, NurGewoehnlicheLesbareDateien) {
    EXPECT_NE(zor::OpenDIB(dir_.string()).meldung.text.find("keine gewöhnliche Datei"), std::string::npos);
    EXPECT_NE(zor::OpenDIB(pfad("fehlt.bmp")).meldung.text.find("kann nicht geöffnet werden"), std::string::npos);
}

TEST_F(DibDateien, GespeichertesBildLiestSichGleichZurueck) {
    DibBild b;
    b.breite = 7;  // rows need padding
    b.hoehe = 3;
    for (std::uint32_t i = 0; i < 21; ++i) b.pixel.push_back(0xFF000000u | (i * 0x0A1B2Cu & 0xFFFFFFu));
    ASSERT_TRUE(zor::speichereDib(b, pfad("rund.bmp"), {}));
    const DibErgebnis e = zor::OpenDIB(pfad("rund.bmp"));
    ASSERT_TRUE(e.ok);
    EXPECT_TRUE(e.meldung.text.empty());
    EXPECT_EQ(e.bild.pixel, b.pixel);
    EXPECT_EQ(std::filesystem::file_size(pfad("rund.bmp")), 54u + 3 * 24);
}

TEST_F(DibDateien, SpeichernInFehlendenOrdnerScheitertOhneReste) {
    DibBild b{1, 1, {0xFF112233u}};
    const zor::Ergebnis e = zor::speichereDib(b, pfad("fehlt/x.bmp"), {});
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.meldung.text.find("kann nicht geschrieben werden"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pfad("fehlt")));
}

// An info header, the colour table and the pixel data of a bitmap built in memory.
std::string bitmapImSpeicher(std::int32_t breite, std::int32_t hoehe, std::uint16_t bits, std::uint32_t kompression,
                             const std::string& farben, const std::string& daten) {
    std::string k(40, '\0');
    auto le = [&k](std::size_t an, std::uint32_t wert, int bytes) {
        for (int i = 0; i < bytes; ++i) k[an + i] = static_cast<char>(wert >> (8 * i));
    };
    le(0, 40, 4);
    le(4, static_cast<std::uint32_t>(breite), 4);
    le(8, static_cast<std::uint32_t>(hoehe), 4);
    le(12, 1, 2);
    le(14, bits, 2);
    le(16, kompression, 4);
    le(32, static_cast<std::uint32_t>(farben.size() / 4), 4);
    return k + farben + daten;
}

DibErgebnis lies(const std::string& roh) {
    return zor::dibAusSpeicher({reinterpret_cast<const unsigned char*>(roh.data()), roh.size()});
}

// Rows longer than a read block are read in pieces: a 4-bit row of 1.1 MB, whose pieces
// must meet inside a byte's pair of pixels exactly.
TEST(DibLeser, ZeilenLaengerAlsEinLeseblock) {
    constexpr std::uint32_t BREITE = 2200001;
    std::string farben;
    for (int i = 0; i < 16; ++i) farben += std::string{static_cast<char>(i * 16), static_cast<char>(i), '\x7F', '\0'};
    std::string zeile(((BREITE + 1) / 2 + 3) & ~3u, '\0');
    for (std::uint32_t x = 0; x < BREITE; ++x) zeile[x / 2] |= static_cast<char>((x * 7 % 16) << (x % 2 ? 0 : 4));
    const DibErgebnis e = lies(bitmapImSpeicher(BREITE, 1, 4, 0, farben, zeile));
    ASSERT_TRUE(e.ok) << e.meldung.text;
    ASSERT_EQ(e.bild.pixel.size(), BREITE);
    for (std::uint32_t x = 0; x < BREITE; ++x) {
        const std::uint32_t i = x * 7 % 16;
        ASSERT_EQ(e.bild.pixel[x], 0xFF7F0000u | i << 8 | i * 16) << x;
    }
}

// A claim far beyond the data is cut to the rows the file holds, with a note; a small
// gap is still shown grey.
TEST(DibLeser, GrosseBehauptungWirdAufDieVorhandenenZeilenGekuerzt) {
    std::string daten;
    for (int zeile = 0; zeile < 2; ++zeile)
        for (int x = 0; x < 3000; ++x) daten += std::string{static_cast<char>(zeile), static_cast<char>(x), '\x05'};
    const DibErgebnis e = lies(bitmapImSpeicher(3000, 3000, 24, 0, "", daten));
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.bild.hoehe, 2u);
    EXPECT_EQ(e.bild.pixel.size(), 6000u);
    EXPECT_EQ(e.bild.pixel[3000 + 1], 0xFF050100u) << "the file's first row is the bottom row";
    EXPECT_EQ(e.meldung.text, "Die Bilddaten sind unvollständig: die Datei enthält nur 2 der 3000 Zeilen; gezeigt werden nur diese.");
    const DibErgebnis klein = lies(bitmapImSpeicher(300, 300, 24, 0, "", daten.substr(0, 900 * 2)));
    ASSERT_TRUE(klein.ok);
    EXPECT_EQ(klein.fehlendeZeilen, 298u);
}

// An image the file can account for that memory cannot hold is refused with a message
// (the allocation fails under an address-space limit), never by ending the process.
TEST(DibLeser, ZuWenigSpeicherGibtEineMeldung) {
    const std::string strom(16000, '\0');  // a row end for each of the 8000 rows
    const std::string roh = bitmapImSpeicher(8000, 8000, 8, 1, std::string("\x10\x20\x30\0", 4), strom);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        long seiten = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (!statm || std::fscanf(statm, "%ld", &seiten) != 1) ::_exit(3);
        const rlim_t grenze = static_cast<rlim_t>(seiten) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (rlim_t{64} << 20);
        const rlimit r{grenze, grenze};
        ::setrlimit(RLIMIT_AS, &r);
        const DibErgebnis e = lies(roh);
        ::_exit(!e.ok && e.meldung.text == "Für ein Bild von 8000 × 8000 Bildpunkten ist nicht genug Speicher frei." ? 0 : 1);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(DibLeser, GepackteDibImSpeicherWieAusDerDatei) {
    const std::string roh = dateiLesen(bitmap("packed_dib_8bit"));
    const DibErgebnis a = zor::dibAusSpeicher({reinterpret_cast<const unsigned char*>(roh.data()), roh.size()});
    const DibErgebnis b = zor::OpenDIB(bitmap("packed_dib_8bit").string());
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.bild.pixel, b.bild.pixel);
}

}  // namespace

namespace {

TEST(Bildvergleich, NebeneinanderMitKarteDerUnterschiede) {
    const DibBild a{2, 1, {0xFF000001u, 0xFF000002u}};
    const DibBild b{2, 1, {0xFF000001u, 0xFF0000FFu}};
    const auto v = zor::vergleicheBilder(a, b);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->verschieden, 1u);
    ASSERT_EQ(v->bild.breite, 2u * 3 + 2 * zor::VERGLEICH_LUECKE);
    const auto& p = v->bild.pixel;
    EXPECT_EQ(p[1], 0xFF000002u);
    EXPECT_EQ(p[2], zor::DIB_GRAU);
    EXPECT_EQ(p[2 + zor::VERGLEICH_LUECKE + 1], 0xFF0000FFu);
    EXPECT_EQ(p[2 * (2 + zor::VERGLEICH_LUECKE)], zor::VERGLEICH_GLEICH);
    EXPECT_EQ(p[2 * (2 + zor::VERGLEICH_LUECKE) + 1], zor::VERGLEICH_ANDERS);
    EXPECT_FALSE(zor::vergleicheBilder(a, DibBild{1, 2, {0, 0}}));
}

}  // namespace
