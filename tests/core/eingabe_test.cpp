#include "temp_verzeichnis.h"

#include "core/corruption/eingabe.h"

#include <gtest/gtest.h>

using namespace zor;

using E = Eingabefehler;

struct EingabeFall {
    const char* name;
    const char* feld;  // which entry is changed
    const char* text;
    E bsc, ge, mc;
};

// Entries of the corruption dialogs and what each dialog makes of them.
const EingabeFall EINGABE_FAELLE[] = {
    {"Vorgaben", "", "", E::Keiner, E::Keiner, E::Keiner},
    {"EingabeFehlt", "ein", "fehlt", E::Eingabedatei, E::Eingabedatei, E::Eingabedatei},
    {"EingabeVerzeichnis", "ein", "", E::Eingabedatei, E::Eingabedatei, E::Eingabedatei},
    {"EingabeLeer", "ein", "leer", E::Groesse, E::Groesse, E::Groesse},
    {"SchutzNegativ", "schutz", "-1", E::Geschuetzt, E::Geschuetzt, E::Geschuetzt},
    {"SchutzKeineZahl", "schutz", "4x", E::Geschuetzt, E::Geschuetzt, E::Geschuetzt},
    {"SchutzGanzeDatei", "schutz", "1000", E::Groesse, E::Groesse, E::Groesse},
    {"SchutzBisAufEinByte", "schutz", "999", E::Keiner, E::Keiner, E::Keiner},
    {"StartwertNull", "seed", "0", E::Startwert, E::Startwert, E::Startwert},
    {"StartwertZuGross", "seed", "10000", E::Startwert, E::Startwert, E::Startwert},
    {"StartwertGebrochen", "seed", "1.9", E::Startwert, E::Startwert, E::Startwert},
    {"SchutzGebrochen", "schutz", "10.9", E::Geschuetzt, E::Geschuetzt, E::Geschuetzt},
    {"Komma", "p", "0,001", E::Wahrscheinlichkeit, E::Wahrscheinlichkeit, E::Wahrscheinlichkeit},
    {"Exponent", "p", "1e-3", E::Keiner, E::Keiner, E::Keiner},
    {"UeberEins", "p", "1.5", E::Wahrscheinlichkeit, E::Wahrscheinlichkeit, E::Wahrscheinlichkeit},
    {"Null", "p", "0", E::Keiner, E::Wahrscheinlichkeit, E::Keiner},
    {"Eins", "p", "1", E::Keiner, E::Keiner, E::Keiner},
    {"TiefeNull", "tiefe", "0", E::Tiefe, E::Tiefe, E::Tiefe},
    {"TiefeZuGross", "tiefe", "4097", E::Tiefe, E::Tiefe, E::Tiefe},
    {"TiefeGebrochen", "tiefe", "2.5", E::Tiefe, E::Tiefe, E::Tiefe},
    {"TiefeGroesste", "tiefe", "4096", E::Keiner, E::Keiner, E::Keiner},
};

class Eingabe : public TempVerzeichnis, public ::testing::WithParamInterface<EingabeFall> {};

INSTANTIATE_TEST_SUITE_P(Faelle, Eingabe, ::testing::ValuesIn(EINGABE_FAELLE),
                         [](const auto& fall) { return std::string(fall.param.name); });

// For GE and MC the changed probability is the transition p(G|B); "Null" thus tells the
// GE dialog (transitions in (0, 1]) from the MC dialog (transitions in [0, 1]).
TEST_P(Eingabe, DialogRules) {
    const EingabeFall& f = GetParam();
    schreiben(pfad("ein"), std::string(1000, 'x'));
    schreiben(pfad("leer"), "");
    const std::string feld = f.feld;
    BscEingaben b;
    GeMcEingaben g = geVorgabe(), m = mcVorgabe();
    b.eingabe = g.eingabe = m.eingabe = pfad(feld == "ein" ? f.text : "ein");  // "": the directory itself
    for (std::string* ziel : {&b.nProtect, &g.nProtect, &m.nProtect}) if (feld == "schutz") *ziel = f.text;
    for (std::string* ziel : {&b.startwert, &g.startwert, &m.startwert}) if (feld == "seed") *ziel = f.text;
    for (std::string* ziel : {&b.p, &g.goodFromBad, &m.goodFromBad}) if (feld == "p") *ziel = f.text;
    for (std::string* ziel : {&b.tiefe, &g.tiefe, &m.tiefe}) if (feld == "tiefe") *ziel = f.text;
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
    b.nProtect = "1001";
    EXPECT_EQ(bscPruefen(b, a).meldung.text,
              "Die Datei ist 1000 Bytes groß!\nDavon sollen 0 Bytes verfälscht werden!\nDas ist nicht möglich!");
    b.nProtect = "x";
    EXPECT_EQ(bscPruefen(b, a).meldung.titel, "MM_ZOR");
    b.nProtect = "1e2";
    b.startwert = "12";
    b.p = ".5";
    ASSERT_TRUE(bscPruefen(b, a));
    EXPECT_EQ(a.nProtect, 100u);
    b.nProtect = "44";
    b.p = ".5";
    ASSERT_TRUE(bscPruefen(b, a));
    EXPECT_EQ(a.nProtect, 44u);
    EXPECT_EQ(a.Startwert, 12);
    EXPECT_EQ(a.fFehlerWBSC, 0.5);
    EXPECT_EQ(a.tiefe, 1u);
    b.tiefe = "1e3";
    ASSERT_TRUE(bscPruefen(b, a));
    EXPECT_EQ(a.tiefe, 1000u);

    GeMcEingaben g = geVorgabe();
    g.eingabe = pfad("ein");
    GeMcAuftrag ga;
    ASSERT_TRUE(gePruefen(g, ga));
    EXPECT_EQ(ga.Good_From_Good, 1.0f - 0.01f);
    EXPECT_EQ(ga.Bad_From_Bad, 1.0f - 0.1f);
    EXPECT_EQ(ga.Good, 0.01f);
}


// A refused number names its field and the one rule it broke (the line under 612/613).
TEST_F(Eingabe, RefusalNamesFieldAndRule) {
    schreiben(pfad("ein"), std::string(1000, 'x'));
    struct Fall {
        std::string GeMcEingaben::*feld;
        const char* text;
        bool ge;
        const char* grund;
    };
    const Fall faelle[] = {
        {&GeMcEingaben::goodFromBad, "0,5", true, "Feld „Übergang von BAD nach GOOD“: „0,5“ enthält ein Komma; Dezimalzahlen mit Punkt schreiben."},
        {&GeMcEingaben::badFromGood, "x", false, "Feld „Übergang von GOOD nach BAD“: „x“ ist keine Zahl."},
        {&GeMcEingaben::good, "1.5", false, "Feld „Zustand 'GOOD'“: „1.5“ ist größer als 1."},
        {&GeMcEingaben::bad, "-0.1", true, "Feld „Zustand 'BAD'“: „-0.1“ ist kleiner als 0."},
        {&GeMcEingaben::goodFromBad, "0", true, "Feld „Übergang von BAD nach GOOD“: „0“ ist 0; ein Übergang des GE-Modells muss größer als 0 sein."},
        {&GeMcEingaben::startwert, "0", false, "Feld „Startwert“: „0“ ist keine ganze Zahl von 1 bis 9999."},
    };
    for (const Fall& f : faelle) {
        GeMcEingaben e = f.ge ? geVorgabe() : mcVorgabe();
        e.eingabe = pfad("ein");
        e.*f.feld = f.text;
        GeMcAuftrag a;
        EXPECT_EQ((f.ge ? gePruefen(e, a) : mcPruefen(e, a)).grund, f.grund) << f.text;
    }
    GeMcEingaben mcNull = mcVorgabe();
    mcNull.eingabe = pfad("ein");
    mcNull.good = "0";
    GeMcAuftrag a;
    EXPECT_TRUE(mcPruefen(mcNull, a)) << "MC takes a state probability of 0";
}
