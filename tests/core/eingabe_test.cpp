#include "temp_verzeichnis.h"

#include "corruption/eingabe.h"

#include <gtest/gtest.h>

using namespace zor;

struct EingabeFall {
    const char* name;
    const char* feld;  // which entry is changed
    const char* text;
    Eingabefehler bsc, ge, mc;
};

// Entries of the corruption dialogs and what each dialog makes of them.
const EingabeFall EINGABE_FAELLE[] = {
    {"Vorgaben", "", "", Eingabefehler::Keiner, Eingabefehler::Keiner, Eingabefehler::Keiner},
    {"SchutzNegativ", "schutz", "-1", Eingabefehler::Geschuetzt, Eingabefehler::Geschuetzt, Eingabefehler::Geschuetzt},
    {"SchutzKeineZahl", "schutz", "4x", Eingabefehler::Geschuetzt, Eingabefehler::Geschuetzt, Eingabefehler::Geschuetzt},
    {"SchutzGanzeDatei", "schutz", "1000", Eingabefehler::Groesse, Eingabefehler::Groesse, Eingabefehler::Groesse},
    {"SchutzBisAufEinByte", "schutz", "999", Eingabefehler::Keiner, Eingabefehler::Keiner, Eingabefehler::Keiner},
    {"StartwertNull", "seed", "0", Eingabefehler::Startwert, Eingabefehler::Startwert, Eingabefehler::Startwert},
    {"StartwertZuGross", "seed", "10000", Eingabefehler::Startwert, Eingabefehler::Startwert, Eingabefehler::Startwert},
    {"StartwertBruch", "seed", "12.9", Eingabefehler::Keiner, Eingabefehler::Keiner, Eingabefehler::Keiner},
    {"Komma", "p", "0,001", Eingabefehler::Wahrscheinlichkeit, Eingabefehler::Wahrscheinlichkeit,
     Eingabefehler::Wahrscheinlichkeit},
    {"Exponent", "p", "1e-3", Eingabefehler::Keiner, Eingabefehler::Keiner, Eingabefehler::Keiner},
    {"UeberEins", "p", "1.5", Eingabefehler::Wahrscheinlichkeit, Eingabefehler::Wahrscheinlichkeit,
     Eingabefehler::Wahrscheinlichkeit},
    {"Null", "p", "0", Eingabefehler::Keiner, Eingabefehler::Wahrscheinlichkeit, Eingabefehler::Keiner},
    {"Eins", "p", "1", Eingabefehler::Keiner, Eingabefehler::Keiner, Eingabefehler::Keiner},
};

class Eingabe : public TempVerzeichnis, public ::testing::WithParamInterface<EingabeFall> {};

INSTANTIATE_TEST_SUITE_P(Faelle, Eingabe, ::testing::ValuesIn(EINGABE_FAELLE),
                         [](const auto& fall) { return std::string(fall.param.name); });

// For GE and MC the changed probability is the transition p(G|B); "Null" thus tells the
// GE dialog (transitions in (0, 1]) from the MC dialog (transitions in [0, 1]).
TEST_P(Eingabe, DialogRules) {
    const EingabeFall& f = GetParam();
    schreiben(pfad("ein"), std::string(1000, 'x'));
    const std::string feld = f.feld;
    BscEingaben b;
    GeMcEingaben g = geVorgabe(), m = mcVorgabe();
    b.eingabe = g.eingabe = m.eingabe = pfad("ein");
    for (std::string* ziel : {&b.nProtect, &g.nProtect, &m.nProtect}) if (feld == "schutz") *ziel = f.text;
    for (std::string* ziel : {&b.startwert, &g.startwert, &m.startwert}) if (feld == "seed") *ziel = f.text;
    for (std::string* ziel : {&b.p, &g.goodFromBad, &m.goodFromBad}) if (feld == "p") *ziel = f.text;
    BscAuftrag ba;
    GeMcAuftrag ga, ma;
    EXPECT_EQ(bscPruefen(b, ba).art, f.bsc);
    EXPECT_EQ(gePruefen(g, ga).art, f.ge);
    EXPECT_EQ(mcPruefen(m, ma).art, f.mc);
}

TEST_F(Eingabe, MessagesAndStoredValues) {
    schreiben(pfad("ein"), std::string(1000, 'x'));
    BscEingaben b;
    b.eingabe = pfad("ein");
    b.nProtect = "1000";
    BscAuftrag a;
    auto p = bscPruefen(b, a);
    EXPECT_EQ(p.meldung.text, "Die Datei ist 1000 Bytes groß!\nDavon sollen 0 Bytes verfälscht werden!\nDas ist nicht möglich!");
    b.nProtect = "x";
    EXPECT_EQ(bscPruefen(b, a).meldung.titel, "MM_ZOR");
    b.nProtect = "44";
    b.startwert = "12.9";
    b.p = ".5";
    ASSERT_TRUE(bscPruefen(b, a));
    EXPECT_EQ(a.nProtect, 44u);
    EXPECT_EQ(a.Startwert, 12);
    EXPECT_EQ(a.fFehlerWBSC, 0.5);

    GeMcEingaben g = geVorgabe();
    g.eingabe = pfad("ein");
    GeMcAuftrag ga;
    ASSERT_TRUE(gePruefen(g, ga));
    EXPECT_EQ(ga.Good_From_Good, 1.0f - 0.01f);
    EXPECT_EQ(ga.Bad_From_Bad, 1.0f - 0.1f);
    EXPECT_EQ(ga.Good, 0.01f);
    EXPECT_EQ(mcVorgabe().good, "0.1");

    g.eingabe = pfad("fehlt");
    EXPECT_EQ(gePruefen(g, ga).art, Eingabefehler::Eingabedatei);
    schreiben(pfad("leer"), "");
    g.eingabe = pfad("leer");
    EXPECT_EQ(gePruefen(g, ga).art, Eingabefehler::Groesse);
}

TEST(MmFileSize, LengthOrAllBitsSet) {
    EXPECT_EQ(MmFileSize(std::string(ZOR_TEST_DATA) + "/vgl/first_and_last_bit.vgl"), 2u);
    EXPECT_EQ(MmFileSize("/nicht/da"), MM_KEINE_GROESSE);
}
