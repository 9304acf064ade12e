// Every bitmap and MIDI sample, corrupted by the BSC and GE jobs at several rates and
// seeds, must open (or be refused with a message) quickly and without a crash.
#include "core/corruption/verfaelschen.h"
#include "core/media/dib.h"
#include "core/media/midi.h"

#include "medien_daten.h"
#include "temp_verzeichnis.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

struct Kanal {
    bool ge;
    double p;  // BSC error probability, or the GE bad-state error probability
};

const Kanal KANAELE[] = {{false, 0.001}, {false, 0.01}, {false, 0.05}, {true, 0.2}, {true, 0.5}};
constexpr int STARTWERTE = 7;

std::vector<std::filesystem::path> beispiele() {
    std::vector<std::filesystem::path> d;
    for (const char* ordner : {"bmp", "midi"})
        for (const auto& e : std::filesystem::directory_iterator(testdaten(ordner)))
            if (e.path().extension() == ".bmp" || e.path().extension() == ".dib" || e.path().extension() == ".mid")
                d.push_back(e.path());
    std::sort(d.begin(), d.end());
    return d;
}

class VerfaelschteMedien : public TempVerzeichnis {
protected:
    bool verfaelsche(const std::filesystem::path& ein, const std::string& aus, const Kanal& k, int startwert) {
        zor::KeinFortschritt f;
        if (!k.ge) {
            zor::BscAuftrag a{ein.string(), aus, 0, startwert, k.p};
            return zor::MmMakeBscErr(a, f).ok;
        }
        zor::GeMcAuftrag a;
        a.eingabe = ein.string();
        a.ausgabe = aus;
        a.StartWert = startwert;
        a.Bad = static_cast<float>(k.p);
        return zor::MakeGeError(a, f).ok;
    }
};

TEST_F(VerfaelschteMedien, OeffnenOhneAbsturzUndInKurzerZeit) {
    int geoeffnet = 0, abgelehnt = 0, veraendert = 0;
    for (const auto& ein : beispiele()) {
        const std::string original = dateiLesen(ein);
        for (const Kanal& k : KANAELE)
            for (int s = 1; s <= STARTWERTE; ++s) {
                const std::string aus = pfad("v" + ein.extension().string());
                ASSERT_TRUE(verfaelsche(ein, aus, k, s * 997));
                veraendert += dateiLesen(aus) != original;
                const auto t0 = std::chrono::steady_clock::now();
                bool ok;
                std::string meldung;
                if (ein.extension() == ".mid") {
                    const zor::MidiErgebnis e = zor::GetFileInfo(aus);
                    ok = e.ok && e.text.starts_with("MIDI FILE:");
                    meldung = e.meldung.text;
                } else {
                    const zor::DibErgebnis e = zor::OpenDIB(aus);
                    ok = e.ok && e.bild.pixel.size() == std::uint64_t{e.bild.breite} * e.bild.hoehe;
                    meldung = e.meldung.text;
                }
                const auto dauer = std::chrono::steady_clock::now() - t0;
                EXPECT_LT(dauer, std::chrono::seconds(1)) << ein.filename() << " Startwert " << s;
                EXPECT_TRUE(ok || !meldung.empty()) << ein.filename();
                (ok ? geoeffnet : abgelehnt)++;
            }
    }
    // The sweep must reach both outcomes and really change files.
    EXPECT_GT(geoeffnet + abgelehnt, 1000);
    EXPECT_GT(geoeffnet, 0);
    EXPECT_GT(abgelehnt, 0);
    EXPECT_GT(veraendert, (geoeffnet + abgelehnt) / 3);
}

}  // namespace
