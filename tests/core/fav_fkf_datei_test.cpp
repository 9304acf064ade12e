// The file sources: a sequence saved from a set gives back that set's curves; the rules
// for short FFO files, the last FAB value and records below 1; failures give a message
// and the empty curve.

#include "aufzeichnender_fortschritt.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"

#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/kurven_ermitteln.h"
#include "core/models/kurvenquelle_datei.h"
#include "core/io/dateityp.h"
#include "core/seqfiles/folge_speichern.h"
#include "core/io/formate.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <utility>
#include <vector>

using namespace zor;

namespace {

using FavPunkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;
using FkfPunkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;

constexpr std::size_t D = 50;

using Werte = std::vector<std::pair<float, float>>;

template <class A>
Werte werte(const A& a, std::size_t n) {
    Werte w;
    for (std::size_t j = 0; j < n; ++j) w.emplace_back(a[j].x, a[j].y);
    return w;
}

class KurveAusDatei : public TempVerzeichnis {
protected:
    STRUCT_DATEI datei(const std::string& name, int typ) const {
        return {typ, static_cast<decltype(STRUCT_DATEI::laenge)>(std::filesystem::file_size(pfad(name))), pfad(name)};
    }
    Werte fav(const STRUCT_DATEI& d, std::size_t n) {
        FavPunkte p{};
        EXPECT_TRUE(FAV_DATEI(d, Kurve(p).first(n), still).ok) << d.szFileName;
        return werte(p, n);
    }
    Werte fkf(const STRUCT_DATEI& d, std::size_t n, int erneuernd) {
        FkfPunkte p{};
        EXPECT_TRUE(FKF_DATEI(d, Kurve(p).first(n), erneuernd, still).ok) << d.szFileName;
        return werte(p, n);
    }
    KeinFortschritt still;
};

class GespeicherteFolge : public KurveAusDatei, public ::testing::WithParamInterface<Modellart> {};

// A bit model (GE) and a gap model (MC), simulated as set 1 and saved in both formats.
TEST_P(GespeicherteFolge, FilesGiveTheCurvesOfTheSimulation) {
    ZorState s = startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(modellId(GetParam(), 0));
    s.GEWert1[gemc::Durchlaeufe] = s.MCWert1[gemc::Durchlaeufe] = 200000;
    ASSERT_TRUE(SaveFolge(s, 0, TYP_FFO, pfad("f.FFO"), still).ok);
    ASSERT_TRUE(SaveFolge(s, 0, TYP_FAB, pfad("f.FAB"), still).ok);
    const STRUCT_DATEI ffo = datei("f.FFO", TYP_FFO), fabDatei = datei("f.FAB", TYP_FAB);
    // The gap model's last gap may pass bit N: the FAB and the simulated gap distribution
    // hold it, the FFO ends at bit N.
    const auto sim = FAV_Satz(satzparameter(s, 0), 100, still);
    ASSERT_TRUE(sim.ok);
    EXPECT_EQ(fav(fabDatei, 100), werte(sim.kurve, 100));
    if (GetParam() == Modellart::GE) {
        EXPECT_EQ(fav(ffo, 100), werte(sim.kurve, 100));
    }
    // The FAB's bits end at its last error; its last gap does not enter the renewal method.
    const std::string roh = lesen(fabDatei.szFileName);
    std::string bits;
    for (std::size_t i = 0; i + 4 <= roh.size(); i += 4)
        bits += std::string(static_cast<std::size_t>(fabWert(reinterpret_cast<const unsigned char*>(&roh[i]))) - 1, '0') + '1';
    for (int erneuernd : {0, 1}) {
        const auto fsim = FKF_Satz(satzparameter(s, 0), static_cast<int>(D), erneuernd, still).kurve;
        EXPECT_EQ(fkf(ffo, D + 1, erneuernd), werte(fsim, D + 1)) << erneuernd;
        schreiben(pfad("bits.FFO"), erneuernd ? bits.substr(0, bits.rfind('1', bits.size() - 2) + 1) : bits);
        EXPECT_EQ(fkf(fabDatei, D + 1, erneuernd), fkf(datei("bits.FFO", TYP_FFO), D + 1, erneuernd)) << erneuernd;
    }
}

INSTANTIATE_TEST_SUITE_P(Modelle, GespeicherteFolge, ::testing::Values(Modellart::GE, Modellart::MC),
                         [](const auto& fall) { return std::string(fall.param == Modellart::GE ? "GE" : "MC"); });

TEST_F(KurveAusDatei, HandMadeFab) {
    // Records below 1 are gaps of 1 and the partial record is left out: gaps 3, 1, 1, 2.
    // Both are said, with the information icon, and the curve stands.
    schreiben(pfad("a.FAB"), fabBytes({3, 0, -5, 2}) + "\x01\x02");
    EXPECT_EQ(fav(datei("a.FAB", TYP_FAB), 5), (Werte{{1, 1}, {2, 0.5f}, {3, 0.25f}, {4, 0}, {5, 0}}));
    FavPunkte p{};
    const Ergebnis e = FAV_DATEI(datei("a.FAB", TYP_FAB), Kurve(p).first(5), still);
    EXPECT_EQ(e.meldung.text, "2 Einträge der FAB-Datei " + pfad("a.FAB") +
                                  " lagen unter 1 und wurden als Abstand 1 gelesen.\n"
                                  "Die letzten 2 Bytes der FAB-Datei " + pfad("a.FAB") +
                                  " bilden keinen vollständigen Eintrag und wurden ignoriert.");
    EXPECT_EQ(e.meldung.symbol, Symbol::Information);
    // Gaps 1, 2, 3 are the bits 1 0 1 0 0 1. Renewal: the last gap is read but not entered,
    // R(0) = 2 / 3. General: products at n = 0, 1, 2, divided by 6 bits.
    schreiben(pfad("b.FAB"), fabBytes({1, 2, 3}));
    EXPECT_EQ(fkf(datei("b.FAB", TYP_FAB), 3, 1), (Werte{{0, 2.0f / 3}, {1, 1.0f / 3}, {2, 0.5f}}));
    EXPECT_EQ(fkf(datei("b.FAB", TYP_FAB), 3, 0), (Werte{{0, 2.0f / 6}, {1, 0}, {2, 1.0f / 6}}));
}

TEST_F(KurveAusDatei, OnlyTheRecordedLengthIsRead) {
    schreiben(pfad("c.FFO"), "01011111");
    STRUCT_DATEI d = datei("c.FFO", TYP_FFO);
    d.laenge = 4;
    EXPECT_EQ(fav(d, 3), (Werte{{1, 1}, {2, 1}, {3, 0}}));  // gaps 2 and 2 only
}

TEST_F(KurveAusDatei, FfoNotLongerThanDGivesAnEmptyCorrelationAndSaysWhy) {
    schreiben(pfad("d.FFO"), std::string(D, '1'));
    FkfPunkte p{};
    p.fill({7.0f, 7.0f});
    const Ergebnis e = FKF_DATEI(datei("d.FFO", TYP_FFO), Kurve(p).first(D + 1), 0, still);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung.titel, "Fehlerkorrelationsfunktion");
    EXPECT_NE(e.meldung.text.find("zu kurz"), std::string::npos);
    for (std::size_t k = 0; k <= D; ++k) EXPECT_EQ(p[k].y, 0.0f);
    // One character more is enough for the renewal method.
    schreiben(pfad("d.FFO"), std::string(D + 1, '1'));
    const Werte r = fkf(datei("d.FFO", TYP_FFO), D + 1, 1);
    EXPECT_EQ(Werte(r.begin(), r.begin() + 2), (Werte{{0, 1}, {1, 1}}));
}

TEST_F(KurveAusDatei, MissingOrShortenedFilesGiveAMessageAndTheEmptyCurves) {
    schreiben(pfad("e.FFO"), std::string(1000, '1'));
    const STRUCT_DATEI gewaehlt = datei("e.FFO", TYP_FFO);
    // An empty content: the file is gone.
    for (const auto& [inhalt, text] : {std::pair{"", "Datei kann nicht geöffnet werden!"}, std::pair{"0101", "kürzer"}}) {
        std::filesystem::remove(pfad("e.FFO"));
        if (*inhalt) schreiben(pfad("e.FFO"), inhalt);
        FavPunkte a0{};
        const Ergebnis a = FAV_DATEI(gewaehlt, Kurve(a0).first(D), still);
        EXPECT_FALSE(a.ok);
        EXPECT_NE(a.meldung.text.find(text), std::string::npos) << a.meldung.text;
        EXPECT_EQ(a.meldung.titel, "Fehlerabstandsverteilung");
        for (std::size_t j = 0; j < D; ++j) EXPECT_EQ(a0[j].y, 1.0f);
        for (int erneuernd : {0, 1}) {
            FkfPunkte b0{};
            b0.fill({3.0f, 3.0f});
            const Ergebnis b = FKF_DATEI(gewaehlt, Kurve(b0).first(D + 1), erneuernd, still);
            EXPECT_FALSE(b.ok);
            EXPECT_NE(b.meldung.text.find(text), std::string::npos) << b.meldung.text;
            for (std::size_t k = 0; k <= D; ++k) EXPECT_EQ(b0[k].y, 0.0f);
        }
    }
}

// The recorded length is 64-bit all the way: a length past 4 GiB is not cut down to what
// happens to fit into 32 bits (here 8, which this file has).
TEST_F(KurveAusDatei, RecordedLengthsPast32BitsAreKept) {
    schreiben(pfad("k.FAB"), fabBytes({2, 3}));
    STRUCT_DATEI d = datei("k.FAB", TYP_FAB);
    d.laenge = static_cast<decltype(d.laenge)>((std::int64_t{1} << 32) + 8);
    FavPunkte p{};
    const Ergebnis e = FAV_DATEI(d, Kurve(p).first(D), still);
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.meldung.text.find("kürzer als beim Auswählen (4294967304 Bytes)"), std::string::npos) << e.meldung.text;
}

// The general method expands the gaps into bits: one long gap is most of the work, and the
// steps are spread over its bits, not over the two records.
TEST_F(KurveAusDatei, LongGapsSpreadTheStepsOverTheirBits) {
    schreiben(pfad("l.FAB"), fabBytes({1, 3000000}));
    FkfPunkte p{};
    AufzeichnenderFortschritt f;
    ASSERT_TRUE(FKF_DATEI(datei("l.FAB", TYP_FAB), Kurve(p).first(D + 1), 0, f).ok);
    EXPECT_EQ(f.label, FKF_TITEL_DATEI);
    ASSERT_GE(f.schritte.size(), 100u);
    for (std::size_t i = 0; i < f.schritte.size(); ++i) EXPECT_EQ(f.schritte[i], static_cast<int>(i + 1));
    // Bits 0 and 3000000 are the errors: no lag up to D sees both.
    EXPECT_FLOAT_EQ(p[0].y, 1.0f / 3000001);  // bit 3000000 lies past the last product taken
    EXPECT_EQ(p[1].y, 0.0f);
}

TEST_F(KurveAusDatei, ReadingReportsProgress) {
    schreiben(pfad("f.FFO"), std::string(10000, '0'));
    FavPunkte p{};
    AufzeichnenderFortschritt f;
    ASSERT_TRUE(FAV_DATEI(datei("f.FFO", TYP_FFO), Kurve(p).first(D), f).ok);
    EXPECT_EQ(f.label, FAV_TITEL_DATEI);
    EXPECT_EQ(f.schritte.size(), 100u);
    EXPECT_EQ(f.enden, 1);
}

}  // namespace
