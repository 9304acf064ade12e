#include "core/beispiele/bytefolge.h"
#include "core/beispiele/erzeuger.h"

namespace zor::beispiele {

namespace {

constexpr std::uint32_t ZEILE = (FILM_BREITE * 3 + 3) & ~3u;
constexpr std::uint32_t BILDBYTES = ZEILE * FILM_HOEHE;
constexpr std::uint32_t AVIF_HASINDEX = 0x10, AVIIF_KEYFRAME = 0x10;

// One frame, bottom-up BGR rows: a sky-to-ground gradient and a red square that moves
// right by ten pixels a frame.
std::vector<unsigned char> bild(std::uint32_t nr) {
    std::vector<unsigned char> b(BILDBYTES, 0);
    const std::uint32_t links = 8 + nr * 10, oben = 36, seite = 24;
    for (std::uint32_t y = 0; y < FILM_HOEHE; ++y) {
        unsigned char* zeile = b.data() + std::size_t{FILM_HOEHE - 1 - y} * ZEILE;
        for (std::uint32_t x = 0; x < FILM_BREITE; ++x) {
            std::uint32_t r = 40 + y, g = 80 + y, bl = 220 - y;
            if (x >= links && x < links + seite && y >= oben && y < oben + seite) {
                r = 220;
                g = bl = 30;
            }
            zeile[3 * x] = static_cast<unsigned char>(bl);
            zeile[3 * x + 1] = static_cast<unsigned char>(g);
            zeile[3 * x + 2] = static_cast<unsigned char>(r);
        }
    }
    return b;
}

// Opens a chunk or list; returns where its size goes.
std::size_t oeffnen(Bytefolge& b, const char* kennung, const char* art = nullptr) {
    b.text(kennung);
    const std::size_t pos = b.groesse();
    b.le32(0);
    if (art) b.text(art);
    return pos;
}

void schliessen(Bytefolge& b, std::size_t pos) { b.le32An(pos, static_cast<std::uint32_t>(b.groesse() - pos - 4)); }

void kopf(Bytefolge& b) {
    const std::size_t hdrl = oeffnen(b, "LIST", "hdrl");
    const std::size_t avih = oeffnen(b, "avih");
    b.le32(1000000 / FILM_BILDRATE);
    b.le32(BILDBYTES * FILM_BILDRATE);
    b.le32(0);
    b.le32(AVIF_HASINDEX);
    b.le32(FILM_BILDER);
    b.le32(0);
    b.le32(1);  // streams
    b.le32(BILDBYTES);
    b.le32(FILM_BREITE);
    b.le32(FILM_HOEHE);
    for (int i = 0; i < 4; ++i) b.le32(0);
    schliessen(b, avih);
    const std::size_t strl = oeffnen(b, "LIST", "strl");
    const std::size_t strh = oeffnen(b, "strh");
    b.text("vids");
    b.le32(0);  // handler: none, the frames are plain DIBs
    b.le32(0);  // flags
    b.le32(0);  // priority, language
    b.le32(0);  // initial frames
    b.le32(1);  // scale
    b.le32(FILM_BILDRATE);
    b.le32(0);  // start
    b.le32(FILM_BILDER);
    b.le32(BILDBYTES);
    b.le32(0xFFFFFFFFu);  // default quality
    b.le32(0);            // sample size: varies per chunk
    b.le16(0);
    b.le16(0);
    b.le16(FILM_BREITE);
    b.le16(FILM_HOEHE);
    schliessen(b, strh);
    const std::size_t strf = oeffnen(b, "strf");
    b.le32(40);
    b.le32(FILM_BREITE);
    b.le32(FILM_HOEHE);
    b.le16(1);
    b.le16(24);
    b.le32(0);  // uncompressed
    b.le32(BILDBYTES);
    for (int i = 0; i < 4; ++i) b.le32(0);
    schliessen(b, strf);
    schliessen(b, strl);
    schliessen(b, hdrl);
}

}  // namespace

std::vector<unsigned char> filmBytes() {
    Bytefolge b;
    const std::size_t riff = oeffnen(b, "RIFF", "AVI ");
    kopf(b);
    const std::size_t movi = oeffnen(b, "LIST", "movi");
    const std::size_t moviStart = movi + 4;  // index offsets count from the list type "movi"
    std::vector<std::uint32_t> lagen;
    for (std::uint32_t nr = 0; nr < FILM_BILDER; ++nr) {
        lagen.push_back(static_cast<std::uint32_t>(b.groesse() - moviStart));
        const std::size_t db = oeffnen(b, "00db");
        b.anhaengen(bild(nr));
        schliessen(b, db);
    }
    schliessen(b, movi);
    const std::size_t idx1 = oeffnen(b, "idx1");
    for (std::uint32_t lage : lagen) {
        b.text("00db");
        b.le32(AVIIF_KEYFRAME);
        b.le32(lage);
        b.le32(BILDBYTES);
    }
    schliessen(b, idx1);
    schliessen(b, riff);
    return b.bytes();
}

std::uint64_t filmKopf() {
    // RIFF + hdrl (avih, strl with strh and strf) + movi list head + the first chunk's head.
    return 12 + (12 + 8 + 56 + 12 + 8 + 56 + 8 + 40) + 12 + 8;
}

}  // namespace zor::beispiele
