// The burst and block pictures on the recording canvas: where the curves land on the
// free scales, which style each kind of curve takes, colours on screen and paper, the
// legend of a set without a sequence, and the CSV columns.

#include "core/documents/buendel_malen.h"
#include "core/documents/diagramm.h"
#include "core/documents/ff_inhalt.h"
#include "core/plot/aufzeichnende_leinwand.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

// Lengths 1, 1, 2, 5 (K = 4) as the counted bursts of set 1; set 2 theoretical.
Buendelsaetze zweiSaetze() {
    Buendelbericht b;
    b.gezaehlt = true;
    b.statistik.laenge = Verteilung(4);
    for (const std::uint64_t l : {1u, 1u, 2u, 5u}) b.statistik.laenge.zaehlen(l);
    Buendelbericht theorie;
    return {b, theorie};
}

ZorState geUndMc() {
    ZorState s = startZustand();
    s.Modell.M1 = GE1;
    s.Modell.M2 = MC2;
    return s;
}

std::vector<Zeichenaufruf> kurvenzuege(const AufzeichnendeLeinwand& dc) {
    std::vector<Zeichenaufruf> k;
    for (const auto& a : dc.nur(Art::Polylinie))
        if (a.stift.breite == 60) k.push_back(a);
    return k;
}

}  // namespace

TEST(Skala, DecadesFromTheSmallestValueAndRoundLinearTicks) {
    const Skala log = Skala::logarithmisch(3e-7, 0.5, 12500);
    EXPECT_EQ(log.tickAbstand(), 12500 / 7);  // seven decades from 1e-7 to 1
    EXPECT_FLOAT_EQ(log.tickWert(), -6.0f);   // the label of the first tick: 1e-06
    EXPECT_NEAR(*log.ort(1.0), 12500, 1e-9);
    EXPECT_FALSE(log.ort(0.0) || log.ort(5e-8));
    EXPECT_FLOAT_EQ(Skala::linear(1023, 16000).tickWert(), 200.0f);
    EXPECT_EQ(Skala::logarithmisch(0, 0, 100).von, 0.1);  // nothing positive: one decade below 1
}

TEST(BuendelMalen, TailProbabilitiesOnALogOrdinateInTheSetColour) {
    const ZorState s = geUndMc();
    AufzeichnendeLeinwand dc;
    BUENDEL_Paint(dc, s, {.schutz = 3, .punkte = 4}, {}, zweiSaetze(), 0);
    const auto k = kurvenzuege(dc);
    ASSERT_EQ(k.size(), 1u);  // set 2 has no sequence
    // P(L >= k) = 1, 0.5, 0.25, 0.25 over the decade 0.1 .. 1 (12500 units).
    const std::vector<LPunkt> erwartet = {{-3500, 4500}, {500, 737}, {4500, -3025}, {8500, -3025}};
    EXPECT_EQ(k[0].punkte, erwartet);
    EXPECT_EQ(k[0].stift.farbe, farbeAus(s.farbe[0]));
    const auto texte = dc.texte();
    EXPECT_NE(std::find(texte.begin(), texte.end(), std::string("Satz 2 (MC-Modell): ") + FF_THEORIE_TEXT),
              texte.end());
    AufzeichnendeLeinwand papier;
    BUENDEL_Paint(papier, s, {.schutz = 3, .punkte = 4}, {}, zweiSaetze(), 1);
    EXPECT_EQ(kurvenzuege(papier)[0].stift.farbe, farbeAus(s.farbe[4]));
}

TEST(BloeckeMalen, ExactLinesCountedCrossesAndTheirInterleavedTwins) {
    Blockbericht b;
    b.laengen = {10, 20};
    const Blockkurven k{{0.5, 0.3, 0.2}, {0.1, 0.2}, 100};
    b.exakt = b.gezaehlt = b.exaktVerschachtelt = b.gezaehltVerschachtelt = k;
    const ZorState s = geUndMc();
    AufzeichnendeLeinwand dc;
    const BlockOptionen o{.n = 10, .M = 1, .tiefe = 4};
    BLOECKE_Paint(dc, s, o, {}, {b, std::nullopt}, 0);
    const auto zuege = kurvenzuege(dc);
    ASSERT_EQ(zuege.size(), 2u);  // exact, plain and dotted; "more than M" is not drawn
    EXPECT_EQ(zuege[0].stift.art, Strichart::Durchgezogen);
    EXPECT_EQ(zuege[1].stift.art, Strichart::Gepunktet);
    EXPECT_EQ(zuege[0].punkte.size(), 2u);
    std::size_t kreuzlinien = 0, quadrate = 0;
    for (const auto& a : dc.nur(Art::Linie)) kreuzlinien += a.stift.breite == 30;
    for (const auto& a : dc.nur(Art::Polylinie)) quadrate += a.stift.breite == 30;
    EXPECT_EQ(kreuzlinien, 4u);  // two crosses
    EXPECT_EQ(quadrate, 2u);

    EXPECT_EQ(BLOECKE_Csv({}, {b, std::nullopt}),
              "m,Satz 1 exakt,Satz 1 gezählt,Satz 1 exakt verschachtelt,Satz 1 gezählt verschachtelt\n"
              "0,0.5,0.5,0.5,0.5\n1,0.3,0.3,0.3,0.3\n");
    EXPECT_EQ(BLOECKE_Csv({.diagramm = Blockdiagramm::Restfehler}, {std::nullopt, b}).rfind("n,Satz 2 exakt,", 0), 0u);
}

TEST(BuendelMalen, CsvHasAColumnPerSetWithASequence) {
    EXPECT_EQ(BUENDEL_Csv({.punktwahrscheinlichkeit = true}, zweiSaetze()), "k,Satz 1\n1,0.5\n2,0.25\n3,0\n4,0\n");
}
