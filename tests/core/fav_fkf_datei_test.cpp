// The file sources: a sequence saved from a set gives back that set's curves; the rules
// for short FFO files, the last FAB value and records below 1; failures give a message
// and the empty curve.

#include "aufzeichnender_fortschritt.h"
#include "temp_verzeichnis.h"

#include "models/fav.h"
#include "models/fkf.h"
#include "models/kurven_ermitteln.h"
#include "models/kurvenquelle_datei.h"
#include "seqfiles/dateityp.h"
#include "seqfiles/folge_speichern.h"
#include "seqfiles/formate.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <vector>

using namespace zor;

namespace {

using FavPunkte = std::array<STRUCT_PUNKT, FAV_PUNKTE>;
using FkfPunkte = std::array<STRUCT_PUNKT, FKF_PUNKTE>;

constexpr int D = 50;

class KurveAusDatei : public TempVerzeichnis {
protected:
    STRUCT_DATEI datei(const std::string& name, int typ) const {
        return {typ, static_cast<std::int32_t>(std::filesystem::file_size(pfad(name))), pfad(name)};
    }
    static std::string fab(const std::vector<std::int32_t>& werte) {
        std::string s;
        for (std::int32_t w : werte)
            for (int i = 0; i < 4; ++i) s += static_cast<char>(static_cast<std::uint32_t>(w) >> (8 * i) & 0xFF);
        return s;
    }
    KeinFortschritt still;
};

template <class A>
void gleich(const A& a, const A& b, std::size_t n) {
    for (std::size_t j = 0; j < n; ++j) {
        EXPECT_EQ(a[j].x, b[j].x) << j;
        EXPECT_EQ(a[j].y, b[j].y) << j;
    }
}

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
    FavPunkte sim{};
    ASSERT_FALSE(FAV_Satz(s, 0, Kurve(sim).first(100), still));
    for (const STRUCT_DATEI& d : {ffo, fabDatei}) {
        if (d.datei == TYP_FFO && GetParam() == Modellart::MC) continue;
        FavPunkte aus{};
        ASSERT_TRUE(FAV_DATEI(d, Kurve(aus).first(100), still).ok);
        gleich(sim, aus, 100);
    }
    // The FAB's bits end at its last error; its last gap does not enter the renewal method.
    const std::string roh = lesen(fabDatei.szFileName);
    std::string bits;
    for (std::size_t i = 0; i + 4 <= roh.size(); i += 4)
        bits += std::string(static_cast<std::size_t>(fabWert(reinterpret_cast<const unsigned char*>(&roh[i]))) - 1, '0') + '1';
    for (int erneuernd : {0, 1}) {
        FkfPunkte fsim{}, aus{}, vonFab{}, vonFfo{};
        FKF_Satz(s, 0, Kurve(fsim).first(D + 1), erneuernd, still);
        ASSERT_TRUE(FKF_DATEI(ffo, Kurve(aus).first(D + 1), erneuernd, still).ok);
        gleich(fsim, aus, D + 1);
        schreiben(pfad("bits.FFO"), erneuernd ? bits.substr(0, bits.rfind('1', bits.size() - 2) + 1) : bits);
        ASSERT_TRUE(FKF_DATEI(fabDatei, Kurve(vonFab).first(D + 1), erneuernd, still).ok);
        ASSERT_TRUE(FKF_DATEI(datei("bits.FFO", TYP_FFO), Kurve(vonFfo).first(D + 1), erneuernd, still).ok);
        gleich(vonFab, vonFfo, D + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Modelle, GespeicherteFolge, ::testing::Values(Modellart::GE, Modellart::MC));

TEST_F(KurveAusDatei, HandMadeFab) {
    // Records below 1 and a partial record are skipped: gaps 3 and 2.
    schreiben(pfad("a.FAB"), fab({3, 0, -5, 2}) + "\x01\x02");
    FavPunkte p{};
    ASSERT_TRUE(FAV_DATEI(datei("a.FAB", TYP_FAB), Kurve(p).first(5), still).ok);
    const float erwartet[] = {1.0f, 1.0f, 0.5f, 0.0f, 0.0f};
    for (std::size_t j = 0; j < 5; ++j) EXPECT_EQ(p[j].y, erwartet[j]) << j;
    // Gaps 1, 2, 3 are the bits 1 0 1 0 0 1.
    schreiben(pfad("b.FAB"), fab({1, 2, 3}));
    FkfPunkte r{};
    ASSERT_TRUE(FKF_DATEI(datei("b.FAB", TYP_FAB), Kurve(r).first(3), 1, still).ok);
    EXPECT_FLOAT_EQ(r[0].y, 2.0f / 3.0f);  // the last gap is read but not entered
    EXPECT_FLOAT_EQ(r[1].y, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(r[2].y, 0.5f);
    ASSERT_TRUE(FKF_DATEI(datei("b.FAB", TYP_FAB), Kurve(r).first(3), 0, still).ok);
    EXPECT_FLOAT_EQ(r[0].y, 2.0f / 6.0f);  // products at n = 0, 1, 2, divided by 6 bits
    EXPECT_FLOAT_EQ(r[1].y, 0.0f);
    EXPECT_FLOAT_EQ(r[2].y, 1.0f / 6.0f);
}

TEST_F(KurveAusDatei, OnlyTheRecordedLengthIsRead) {
    schreiben(pfad("c.FFO"), "01011111");
    STRUCT_DATEI d = datei("c.FFO", TYP_FFO);
    d.laenge = 4;
    FavPunkte p{};
    ASSERT_TRUE(FAV_DATEI(d, Kurve(p).first(3), still).ok);
    EXPECT_EQ(p[1].y, 1.0f);  // gaps 2 and 2 only
    EXPECT_EQ(p[2].y, 0.0f);
}

TEST_F(KurveAusDatei, FfoNotLongerThanDGivesAnEmptyCorrelationAndSaysWhy) {
    schreiben(pfad("d.FFO"), std::string(static_cast<std::size_t>(D), '1'));
    FkfPunkte p{};
    p.fill({7.0f, 7.0f});
    const Ergebnis e = FKF_DATEI(datei("d.FFO", TYP_FFO), Kurve(p).first(D + 1), 0, still);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.titel, "Fehlerkorrelationsfunktion");
    EXPECT_NE(e.text.find("zu kurz"), std::string::npos);
    for (int k = 0; k <= D; ++k) EXPECT_EQ(p[static_cast<std::size_t>(k)].y, 0.0f);
    // One character more is enough for the renewal method.
    schreiben(pfad("d.FFO"), std::string(static_cast<std::size_t>(D) + 1, '1'));
    ASSERT_TRUE(FKF_DATEI(datei("d.FFO", TYP_FFO), Kurve(p).first(D + 1), 1, still).ok);
    EXPECT_EQ(p[0].y, 1.0f);
    EXPECT_EQ(p[1].y, 1.0f);
}

TEST_F(KurveAusDatei, MissingOrShortenedFilesGiveAMessageAndTheEmptyCurves) {
    schreiben(pfad("e.FFO"), std::string(1000, '1'));
    const STRUCT_DATEI gewaehlt = datei("e.FFO", TYP_FFO);
    // An empty content: the file is gone.
    for (const auto& [inhalt, text] : {std::pair{"", "Datei kann nicht geöffnet werden!"}, std::pair{"0101", "kürzer"}}) {
        std::filesystem::remove(pfad("e.FFO"));
        if (*inhalt) schreiben(pfad("e.FFO"), inhalt);
        FavPunkte fav{};
        const Ergebnis a = FAV_DATEI(gewaehlt, Kurve(fav).first(D), still);
        EXPECT_FALSE(a.ok);
        EXPECT_NE(a.text.find(text), std::string::npos) << a.text;
        EXPECT_EQ(a.titel, "Fehlerabstandsverteilung");
        for (std::size_t j = 0; j < D; ++j) EXPECT_EQ(fav[j].y, 1.0f);
        for (int erneuernd : {0, 1}) {
            FkfPunkte fkf{};
            fkf.fill({3.0f, 3.0f});
            const Ergebnis b = FKF_DATEI(gewaehlt, Kurve(fkf).first(D + 1), erneuernd, still);
            EXPECT_FALSE(b.ok);
            EXPECT_NE(b.text.find(text), std::string::npos) << b.text;
            for (std::size_t k = 0; k <= D; ++k) EXPECT_EQ(fkf[k].y, 0.0f);
        }
    }
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
