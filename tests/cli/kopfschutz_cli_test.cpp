// zor corrupt … --protect auto: after a BSC corruption with p = 0.01 every recognised file
// still opens with the same parameters and differs from its original only in payload bytes.
// The header bounds are found again by a small Python walker of our own, independent of zor.

#include "zor_aufruf.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

namespace {

// Prints "ok" when outside the payload both files are equal, the payload differs, and
// (for WAV) Python's wave module reads the same parameters; else what failed.
constexpr const char* PRUEFER = R"PY(
import struct, sys, wave
def riff(d, pos, ende):
    while pos + 8 <= ende:
        k, n = d[pos:pos+4], struct.unpack('<I', d[pos+4:pos+8])[0]
        yield k, pos, min(n, ende - pos - 8)
        pos += 8 + n + (n & 1)
def nutzdaten(d):
    if d[:2] == b'BM':
        return [(struct.unpack('<I', d[10:14])[0], len(d))]
    if d[:4] == b'MThd':
        teile, pos = [], 8 + struct.unpack('>I', d[4:8])[0]
        while pos + 8 <= len(d):
            n = struct.unpack('>I', d[pos+4:pos+8])[0]
            teile.append((pos + 8, min(pos + 8 + n, len(d))))
            pos += 8 + n
        return teile
    if d[8:12] == b'WAVE':
        for k, pos, n in riff(d, 12, len(d)):
            if k == b'data':
                return [(pos + 8, pos + 8 + n)]
    if d[8:12] == b'AVI ':
        for k, pos, n in riff(d, 12, len(d)):
            if k == b'LIST' and d[pos+8:pos+12] == b'movi':
                return [(p + 8, p + 8 + m) for kk, p, m in riff(d, pos + 12, pos + 8 + n)]
    raise SystemExit('unbekannt')
a, b = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read()
frei = nutzdaten(a)
maske = bytearray(len(a))
for von, bis in frei:
    maske[von:bis] = b'\1' * (bis - von)
aussen = [i for i in range(len(a)) if a[i] != b[i] and not maske[i]]
if len(a) != len(b) or aussen:
    raise SystemExit('Kopf verändert bei %s' % aussen[:5])
if a == b:
    raise SystemExit('nichts verfälscht')
if a[8:12] == b'WAVE':
    with wave.open(sys.argv[1]) as x, wave.open(sys.argv[2]) as y:
        if x.getparams() != y.getparams():
            raise SystemExit('%s != %s' % (x.getparams(), y.getparams()))
print('ok')
)PY";

class KopfschutzAuto : public ZorCliTest {
protected:
    // Corrupts `datei` with --protect auto and checks the copy with the Python walker.
    void pruefen(const std::string& datei, const std::string& erwarteterHinweis) {
        SCOPED_TRACE(datei);
        const std::string kopie = pfad("kopie");
        const auto e = zorAufruf({"corrupt", "bsc", "--p", "0.01", "--protect", "auto", datei, kopie});
        ASSERT_EQ(e.code, 0) << e.fehler;
        EXPECT_THAT(e.fehler, HasSubstr(erwarteterHinweis));
        schreiben(pfad("pruefer.py"), PRUEFER);
        const auto p = befehlAufrufen(zorQuote(ZOR_PYTHON) + " " + zorQuote(pfad("pruefer.py")) + " " + zorQuote(datei) +
                                      " " + zorQuote(kopie));
        EXPECT_EQ(p.aus, "ok\n") << p.fehler;
    }
    void SetUp() override {
        ZorCliTest::SetUp();
        if (std::string(ZOR_PYTHON).empty()) GTEST_SKIP() << "python3 fehlt";
    }
};

TEST_F(KopfschutzAuto, TeachingSetKeepsEveryHeader) {
    ASSERT_EQ(zorAufruf({"beispiele", pfad("set")}).code, 0);
    pruefen(pfad("set/bild24.bmp"), "BMP-Bild");
    pruefen(pfad("set/bild8.bmp"), "BMP-Bild");
    pruefen(pfad("set/ton.wav"), "WAV-Ton");
    pruefen(pfad("set/film.avi"), "AVI-Film");
    pruefen(pfad("set/melodie.mid"), "MIDI-Datei");
}

// Their samples start at byte 142, behind a LIST chunk: a fixed 44 bytes let "data" be hit.
TEST_F(KopfschutzAuto, PythonTestsuiteWavesStillOpen) {
    const std::filesystem::path ordner = "/usr/lib/python3.11/test/audiodata";
    std::vector<std::string> waves;
    if (std::filesystem::is_directory(ordner))
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            if (e.path().extension() == ".wav") waves.push_back(e.path().string());
    if (waves.empty()) GTEST_SKIP() << "libpython3.11-testsuite fehlt";
    for (const auto& w : waves) pruefen(w, "ab Byte 142");
}

TEST_F(KopfschutzAuto, UnknownFormatProtectsNothingAndSaysSo) {
    schreiben(pfad("text"), std::string(4000, 'x'));
    const auto e = zorAufruf({"corrupt", "bsc", "--p", "1", "--protect", "auto", pfad("text"), pfad("kopie")});
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_THAT(e.fehler, HasSubstr("kein bekanntes Format"));
    EXPECT_EQ(lesen(pfad("kopie")), std::string(4000, static_cast<char>('x' ^ 0xFF)));
}

}  // namespace
