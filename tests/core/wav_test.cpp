// The WAV reader, the per-column envelope and the SNR, against values computed here from
// the integer samples the test wrote itself.

#include "testnamen.h"

#include "core/media/wav.h"

#include <gmock/gmock.h>

#include <cmath>

using namespace zor;

using namespace std::string_literals;

namespace {

std::string le(std::uint64_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
}
std::string abschnitt(const std::string& k, const std::string& d) {
    return k + le(d.size(), 4) + d + (d.size() % 2 ? "\0"s : ""s);
}

// A WAV of `werte` (frame after frame, channel after channel) as `bits`-bit integers.
std::string wav(int kanaele, int bits, const std::vector<std::int32_t>& werte, std::uint16_t art = 1,
                const std::string& davor = "", int block = 0) {
    std::string daten;
    for (std::int32_t v : werte) daten += le(static_cast<std::uint32_t>(bits == 8 ? v + 128 : v), bits / 8);
    const int b = block ? block : kanaele * bits / 8;
    const std::string fmt = le(art, 2) + le(kanaele, 2) + le(8000, 4) + le(8000 * b, 4) + le(b, 2) + le(bits, 2);
    const std::string inhalt = "WAVE" + davor + abschnitt("fmt ", fmt) + abschnitt("LIST", "INFOabc") + abschnitt("data", daten);
    return "RIFF" + le(inhalt.size(), 4) + inhalt;
}

struct Quelle {
    std::string bytes;
    SpeicherQuelle q{{reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}};
    explicit Quelle(std::string b) : bytes(std::move(b)), q({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}) {}
};

struct Formatfall {
    const char* name;
    int kanaele, bits;
};

class WavFormate : public ::testing::TestWithParam<Formatfall> {};

TEST_P(WavFormate, SamplesAreTheWrittenIntegersScaled) {
    const auto [name, kanaele, bits] = GetParam();
    const std::int32_t gross = static_cast<std::int32_t>((std::int64_t{1} << (bits - 1)) - 1);
    const std::vector<std::int32_t> werte = {0, 1, -1, gross, -gross - 1, gross / 3, -gross / 7, 5};
    Quelle w(wav(kanaele, bits, werte, 1, abschnitt("junk", "xyz")));
    const auto f = std::get<WavFormat>(wavLesen(w.q));
    EXPECT_EQ(f.kanaele, kanaele);
    EXPECT_EQ(f.bits, bits);
    EXPECT_EQ(f.abtastrate, 8000u);
    ASSERT_EQ(f.frames, werte.size() / kanaele);
    const double skala = std::ldexp(1.0, bits - 1);
    for (int c = 0; c < kanaele; ++c) {
        const auto s = wavAbtastwerte(w.q, f, c, 0, 100);
        ASSERT_EQ(s.size(), f.frames);
        for (std::size_t i = 0; i < s.size(); ++i) EXPECT_EQ(s[i], werte[i * kanaele + c] / skala) << name << " " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Pcm, WavFormate,
                         ::testing::Values(Formatfall{"Mono8", 1, 8}, Formatfall{"Stereo16", 2, 16}, Formatfall{"Mono24", 1, 24},
                                           Formatfall{"Stereo32", 2, 32}, Formatfall{"Stereo24", 2, 24}),
                         testnamen::NachName());

TEST(Wav, RefusesWhatIsNoPcmWave) {
    const std::vector<std::pair<std::string, const char*>> faelle = {
        {"RIFF0000AVI ", TEXT_WAV_KEIN_RIFF},
        {wav(1, 16, {1, 2}, 3), "Format 3"},                      // floating point
        {wav(1, 12, {1, 2}), "12 Bit"},
        {wav(2, 16, {1, 2}, 1, "", 2), "2 Kanäle"},                // block size not channels × bytes
        {"RIFF\x20\0\0\0WAVE"s + abschnitt("data", "abcd"), TEXT_WAV_KEIN_FMT},
    };
    for (const auto& [datei, text] : faelle) {
        Quelle w(datei);
        const auto e = wavLesen(w.q);
        ASSERT_TRUE(std::holds_alternative<std::string>(e)) << text;
        EXPECT_THAT(std::get<std::string>(e), ::testing::HasSubstr(text));
    }
    // A data size beyond the end: the frames the file holds.
    std::string kurz = wav(1, 16, {1, 2, 3, 4});
    kurz.replace(kurz.size() - 12, 4, le(0x7FFFFFF0u, 4));
    Quelle w(kurz.substr(0, kurz.size() - 3));
    EXPECT_EQ(std::get<WavFormat>(wavLesen(w.q)).frames, 2u);
}

// Columns of the envelope against a plain min/max over each column's frames.
TEST(Wav, EnvelopeHoldsEachColumnsExtremes) {
    std::vector<std::int32_t> werte;
    for (int i = 0; i < 1001; ++i) werte.push_back(static_cast<std::int32_t>(30000 * std::sin(i * 0.05) + (i % 7) * 100));
    Quelle w(wav(1, 16, werte));
    const auto f = std::get<WavFormat>(wavLesen(w.q));
    for (const std::size_t spalten : {1u, 7u, 300u}) {
        for (const auto& [von, bis] : {std::pair<std::uint64_t, std::uint64_t>{0, 1001}, {100, 350}}) {
            const auto h = huellkurve(w.q, f, 0, von, bis, spalten);
            ASSERT_EQ(h.size(), spalten);
            double lo = 0, hi = 0;  // a column without a frame of its own repeats the one before
            for (std::size_t c = 0; c < spalten; ++c) {
                bool leer = true;
                for (std::uint64_t i = von; i < bis; ++i)
                    if ((i - von) * spalten / (bis - von) == c) {
                        const double v = werte[i] / 32768.0;
                        lo = leer ? v : std::min(lo, v);
                        hi = leer ? v : std::max(hi, v);
                        leer = false;
                    }
                EXPECT_EQ(h[c].min, lo) << spalten << " " << c;
                EXPECT_EQ(h[c].max, hi) << spalten << " " << c;
            }
        }
    }
}

// SNR = 10 log10(sum s^2 / sum (s - c)^2), worked on the integers; stereo, 24 bit.
TEST(Wav, SnrEqualsTheReferenceAndIsInfiniteForEqualSamples) {
    std::vector<std::int32_t> a, b;
    for (int i = 0; i < 200000; ++i) {
        a.push_back(static_cast<std::int32_t>(4000000 * std::sin(i * 0.01)));
        b.push_back(a.back() ^ (i % 97 == 0 ? 1 << 20 : 0));
    }
    double s = 0, n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        s += double(a[i]) * a[i];
        n += double(a[i] - b[i]) * (a[i] - b[i]);
    }
    Quelle x(wav(2, 24, a)), y(wav(2, 24, b));
    const auto fa = std::get<WavFormat>(wavLesen(x.q));
    const auto fb = std::get<WavFormat>(wavLesen(y.q));
    KeinFortschritt still;
    const auto r = rauschabstand(x.q, fa, y.q, fb, still);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.frames, 100000u);
    EXPECT_NEAR(r.db, 10 * std::log10(s / n), 1e-9);
    EXPECT_TRUE(std::isinf(rauschabstand(x.q, fa, x.q, fa, still).db));
    Quelle mono(wav(1, 24, a));
    EXPECT_FALSE(rauschabstand(x.q, fa, mono.q, std::get<WavFormat>(wavLesen(mono.q)), still).ok);
}

}  // namespace

// The difference envelope against a plain per-column min/max of B - A worked on the
// integers: over block boundaries, a B shorter than A, and each channel of a stereo pair.
TEST(Wav, DifferenceEnvelopeHoldsEachColumnsExtremesOfAMinusB) {
    struct Fall {
        int kanaele, bits, frames;
        std::uint64_t von;
        std::size_t spalten;
    };
    for (const Fall fall : {Fall{1, 16, 150001, 1000, 7}, Fall{2, 24, 900, 0, 300}}) {
        const double skala = std::ldexp(1.0, fall.bits - 1);
        std::vector<std::int32_t> a, b;
        for (int i = 0; i < fall.frames * fall.kanaele; ++i) {
            a.push_back(static_cast<std::int32_t>((skala / 2) * std::sin(i * 0.003)));
            b.push_back(i % 101 == 3 ? -a.back() : a.back() ^ (i % 13 == 0 ? 4 : 0));
        }
        b.resize(b.size() - fall.kanaele);  // B lacks A's last frame
        Quelle x(wav(fall.kanaele, fall.bits, a)), y(wav(fall.kanaele, fall.bits, b));
        const auto fa = std::get<WavFormat>(wavLesen(x.q)), fb = std::get<WavFormat>(wavLesen(y.q));
        ASSERT_FALSE(differenzUnmoeglich(fa, fb));
        const std::uint64_t bis = fb.frames, n = bis - fall.von;
        for (int c = 0; c < fall.kanaele; ++c) {
            std::vector<std::pair<double, double>> ref(fall.spalten, {INFINITY, -INFINITY});
            for (std::uint64_t i = fall.von; i < bis; ++i) {
                const std::size_t k = i * fall.kanaele + c;
                const double d = (double(b[k]) - a[k]) / skala;
                auto& [lo, hi] = ref[(i - fall.von) * fall.spalten / n];
                lo = std::min(lo, d);
                hi = std::max(hi, d);
            }
            // Asked for more frames than B holds: the common frames.
            const auto h = differenzkurve(x.q, fa, y.q, fb, c, fall.von, fa.frames, fall.spalten);
            ASSERT_EQ(h.size(), fall.spalten);
            for (std::size_t s = 0; s < fall.spalten; ++s) {
                EXPECT_EQ(h[s].min, ref[s].first) << fall.frames << " " << c << " " << s;
                EXPECT_EQ(h[s].max, ref[s].second) << fall.frames << " " << c << " " << s;
            }
        }
    }
}

// Different channels, bits or rates give no difference and say both formats.
TEST(Wav, DifferenceOfUnequalFormatsIsRefusedWithBothFormats) {
    Quelle mono(wav(1, 16, {1, 2, 3, 4})), stereo(wav(2, 16, {1, 2, 3, 4})), acht(wav(1, 8, {1, 2, 3, 4}));
    std::string schneller = wav(1, 16, {1, 2, 3, 4});
    schneller.replace(schneller.find("fmt ") + 12, 4, le(44100, 4));
    Quelle rate(schneller);
    const auto fm = std::get<WavFormat>(wavLesen(mono.q));
    for (Quelle* andere : {&stereo, &acht, &rate}) {
        const auto fo = std::get<WavFormat>(wavLesen(andere->q));
        const auto warum = differenzUnmoeglich(fm, fo);
        ASSERT_TRUE(warum);
        EXPECT_THAT(*warum, ::testing::HasSubstr("(A: 16 Bit, 8000 Hz, mono; B: "));
        EXPECT_TRUE(differenzkurve(mono.q, fm, andere->q, fo, 0, 0, 4, 2).empty());
    }
    EXPECT_THAT(*differenzUnmoeglich(fm, std::get<WavFormat>(wavLesen(rate.q))),
                ::testing::HasSubstr("B: 16 Bit, 44100 Hz, mono)."));
}
