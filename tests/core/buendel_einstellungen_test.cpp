// The rules of the document "Bündel und Blöcke" that its dialog and window follow: only
// the edits of the chosen diagram are read, and only what changes the numbers makes the
// window compute again.
#include <gtest/gtest.h>

#include "core/documents/buendel_einstellungen.h"
#include "core/models/vorgaben.h"

using namespace zor;

namespace {

Buendeltexte gueltig() { return {"5", "127", "12", "4", "8"}; }

}  // namespace

TEST(BuendelEinstellungen, OnlyTheChosenDiagramsEditsAreReadAndApplied) {
    Buendeleinstellungen e;
    Buendeleinstellungen wahl;
    wahl.bild = Buendelbild::Restfehler;
    Buendeltexte t = gueltig();
    t.schutz = "kaputt";  // disabled for blocks: neither refused nor taken
    t.n = "0";            // n belongs to P(m, n) only
    ASSERT_FALSE(buendelAnwenden(e, wahl, t));
    EXPECT_EQ(e.bild, Buendelbild::Restfehler);
    EXPECT_EQ(e.buendel.schutz, 10u);
    EXPECT_EQ(e.block.n, 63u);
    EXPECT_EQ(e.block.t, 4);
    EXPECT_EQ(e.block.tiefe, 8u);

    wahl.bild = Buendelbild::Gewicht;
    t = gueltig();
    t.tiefe = "0";  // d belongs to the blocks
    ASSERT_FALSE(buendelAnwenden(e, wahl, t));
    EXPECT_EQ(e.buendel.schutz, 5u);
    EXPECT_EQ(e.block.tiefe, 8u);
}

TEST(BuendelEinstellungen, ARefusalKeepsEverythingAsItWas) {
    Buendeleinstellungen e;
    Buendeleinstellungen wahl;
    wahl.bild = Buendelbild::Verteilung;
    wahl.yLog = false;
    Buendeltexte t = gueltig();
    t.M = "10001";
    const auto m = buendelAnwenden(e, wahl, t);
    ASSERT_TRUE(m);
    EXPECT_NE(m->find("höchste Fehlerzahl M"), std::string::npos) << *m;
    EXPECT_EQ(e, Buendeleinstellungen{});
}

TEST(BuendelEinstellungen, OnlyWhatChangesTheNumbersOrdersANewComputation) {
    ZorState s = startZustand();
    vorgabeSetzen(s, 0, *vorgabe("ge1"));
    Buendeleinstellungen e;
    const Buendelauftrag vorher = buendelAuftrag(s, e);
    Buendeleinstellungen anders = e;
    anders.bild = Buendelbild::Abstand;  // same bursts, another view
    anders.yLog = false;
    anders.block.t = 7;  // blocks are not computed for a burst picture
    EXPECT_EQ(buendelAuftrag(s, anders), vorher);
    anders.buendel.schutz = 3;
    EXPECT_FALSE(buendelAuftrag(s, anders) == vorher);
    anders = e;
    anders.bild = Buendelbild::Verteilung;
    EXPECT_FALSE(buendelAuftrag(s, anders) == vorher);
    vorgabeSetzen(s, 0, *vorgabe("ge2"));
    EXPECT_FALSE(buendelAuftrag(s, e) == vorher);
}
