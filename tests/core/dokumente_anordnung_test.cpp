// Where the channel-model documents go when they open and close, and which menu states
// follow the number of open documents.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/dokumente/anordnung.h"

using namespace zor;

namespace {

const Flaeche FLAECHE{1200, 800, 80};
constexpr Minimiert KEINER{};

Modelldokument dok(char z) { return *dokumentVon(z); }

// A document opening as the program does it: bookkeeping, arrangement, then its flag.
Anordnung oeffne(ZorState& s, char z, const Minimiert& m = KEINER) {
    FensterInit(s);
    Anordnung a = OrdnenAufbau(s, dok(z), m, FLAECHE);
    offenFlag(s, dok(z)) = 1;
    return a;
}

Anordnung schliesse(ZorState& s, char z, const Minimiert& m = KEINER) {
    offenFlag(s, dok(z)) = 0;
    FensterDest(s);
    return s.Fenster.neu != 0 ? OrdnenAbbau(s, m, FLAECHE) : Anordnung{};
}

// The region codes of the four documents, "fkvp" order, '-' for closed ones.
std::string orte(const ZorState& s) {
    std::string o;
    for (Modelldokument d : MODELLDOKUMENTE) o += offenFlag(s, d) ? tochter(s, d).ort : '-';
    return o;
}

// Where each document of an arrangement moves to, as region codes.
std::string ziele(const Anordnung& a) {
    std::string o = "----";
    for (const auto& v : a.verschieben)
        for (char c : std::string("abcdefghijlmruvw"))
            if (region(c, FLAECHE) == v.ziel) o[static_cast<std::size_t>(v.dokument)] = c;
    return o;
}

ZorState frisch() { return startZustand(); }

}  // namespace

TEST(Region, RechteckeDerCodes) {
    EXPECT_EQ(region('a', FLAECHE), (Bereich{0, 0, 600, 400}));
    EXPECT_EQ(region('d', FLAECHE), (Bereich{600, 400, 600, 400}));
    EXPECT_EQ(region('f', FLAECHE), (Bereich{600, 0, 600, 720}));
    EXPECT_EQ(region('j', Flaeche{1000, 600, 80}), (Bereich{666, 0, 333, 520}));
    EXPECT_EQ(region('u', Flaeche{1000, 601, 80}), (Bereich{0, 400, 1000, 200}));
    EXPECT_EQ(region('w', FLAECHE), (Bereich{600, 0, 600, 533}));
    EXPECT_FALSE(region('x', FLAECHE));
    EXPECT_FALSE(region(0, FLAECHE));
}

TEST(OrdnenAufbau, EinesFuelltZweiTeilen) {
    ZorState s = frisch();
    EXPECT_EQ(ziele(oeffne(s, 'k')), "-m--");
    // PAR joins: PAR left, FKF right.
    EXPECT_EQ(ziele(oeffne(s, 'p')), "-r-l");
    EXPECT_EQ(orte(s), "-r-l");
}

// Every row of the three-document table: older pair, new one, then 'u', 'v', 'w'.
struct DreierFall {
    std::string alt, neu, u, v, w;
};

class DreiDokumente : public testing::TestWithParam<DreierFall> {};

TEST_P(DreiDokumente, ObenZweiUntenEines) {
    const DreierFall& f = GetParam();
    ZorState s = frisch();
    oeffne(s, f.alt[0]);
    oeffne(s, f.alt[1]);
    const Anordnung a = oeffne(s, f.neu[0]);
    std::string erwartet = "----";
    erwartet[static_cast<std::size_t>(dok(f.u[0]))] = 'u';
    erwartet[static_cast<std::size_t>(dok(f.v[0]))] = 'v';
    erwartet[static_cast<std::size_t>(dok(f.w[0]))] = 'w';
    EXPECT_EQ(orte(s), erwartet);
    EXPECT_EQ(ziele(a), erwartet);
    EXPECT_FALSE(a.kacheln);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, DreiDokumente,
    testing::Values(DreierFall{"fk", "v", "f", "v", "k"}, DreierFall{"fk", "p", "f", "p", "k"},
                    DreierFall{"fv", "k", "f", "k", "v"}, DreierFall{"fv", "p", "f", "p", "v"},
                    DreierFall{"fp", "k", "f", "k", "p"}, DreierFall{"fp", "v", "f", "v", "p"},
                    DreierFall{"kv", "f", "f", "k", "v"}, DreierFall{"kv", "p", "p", "k", "v"},
                    DreierFall{"kp", "f", "f", "p", "k"}, DreierFall{"kp", "v", "p", "v", "k"},
                    DreierFall{"vp", "f", "f", "p", "v"}, DreierFall{"vp", "k", "p", "k", "v"}),
    [](const auto& p) { return p.param.alt + "_plus_" + p.param.neu; });

// Closing one of four leaves three; the table of the remaining three.
struct RestFall {
    char geschlossen;
    std::string orte;
};

class Abbau : public testing::TestWithParam<RestFall> {};

TEST_P(Abbau, DreiBleiben) {
    ZorState s = frisch();
    for (char z : std::string("fkvp")) oeffne(s, z);
    const Anordnung a = schliesse(s, GetParam().geschlossen);
    EXPECT_EQ(orte(s), GetParam().orte);
    EXPECT_EQ(ziele(a), GetParam().orte);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Abbau,
                         testing::Values(RestFall{'p', "uvw-"}, RestFall{'v', "uw-v"}, RestFall{'k', "u-wv"},
                                         RestFall{'f', "-vwu"}),
                         [](const auto& p) { return std::string("ohne_") + p.param.geschlossen; });

TEST(OrdnenAbbau, ZweiUndEinesBleiben) {
    ZorState s = frisch();
    for (char z : std::string("fkv")) oeffne(s, z);
    EXPECT_EQ(ziele(schliesse(s, 'k')), "l-r-");  // FF left, FAV right
    EXPECT_EQ(ziele(schliesse(s, 'f')), "--m-");
    const Anordnung leer = schliesse(s, 'v');
    EXPECT_TRUE(leer.verschieben.empty());
    EXPECT_EQ(s.Fenster.aktuell, 0);
    EXPECT_EQ(s.Fenster.null, 1);
}

TEST(OrdnenAufbau, AlleInDenQuadrantenGleichInWelcherFolge) {
    std::string folge = "fkvp";
    do {
        ZorState s = frisch();
        s.Fenster.neu = 4;
        Anordnung letzte;
        for (char z : folge) letzte = oeffne(s, z);
        EXPECT_EQ(orte(s), "abcd") << folge;
        EXPECT_EQ(ziele(letzte), "abcd") << folge;
    } while (std::next_permutation(folge.begin(), folge.end()));
}

TEST(OrdnenAufbau, AlleMitZweiNochNichtGebautenBleibenInIhrenQuadranten) {
    ZorState s = frisch();
    s.Fenster.neu = 4;
    oeffne(s, 'f');
    EXPECT_EQ(ziele(oeffne(s, 'p')), "a--d");
    EXPECT_EQ(s.Fenster.neu, 4);
    EXPECT_EQ(s.Fenster.aktuell, 2);
}

TEST(OrdnenAufbau, MitMinimiertemTeilenDieSichtbarenDenPlatzUeberDenIcons) {
    Minimiert m{};
    {
        // Two open, FKF minimised, PAR opens: PAR left, FF right, both above the icons.
        ZorState s = frisch();
        oeffne(s, 'f');
        oeffne(s, 'k');
        m[1] = true;
        const Anordnung a = oeffne(s, 'p', m);
        EXPECT_EQ(ziele(a), "f--e");
        EXPECT_EQ(a.verschieben[0].ziel, (Bereich{0, 0, 600, 720}));
        EXPECT_EQ(orte(s), "uw-v");  // recorded by the table all the same
    }
    {
        // One open and minimised: the new one takes the whole width above the icons.
        ZorState s = frisch();
        oeffne(s, 'v');
        const Anordnung a = oeffne(s, 'f', Minimiert{false, false, true, false});
        EXPECT_EQ(a.verschieben, (std::vector<Verschiebung>{{Modelldokument::FF, Bereich{0, 0, 1200, 720}}}));
    }
    {
        // Three open, FKF minimised, the fourth opens: thirds from the left in the fixed order.
        ZorState s = frisch();
        for (char z : std::string("fkv")) oeffne(s, z);
        EXPECT_EQ(ziele(oeffne(s, 'p', Minimiert{false, true, false, false})), "h-ij");
    }
    {
        // Open-all while two are minimised: the new one goes right ('f'), not left.
        ZorState s = frisch();
        s.Fenster.neu = 4;
        oeffne(s, 'f');
        oeffne(s, 'k');
        EXPECT_EQ(ziele(oeffne(s, 'v', Minimiert{true, true, false, false})), "--f-");
    }
}

TEST(OrdnenAbbau, MitMinimiertemKachelt) {
    ZorState s = frisch();
    for (char z : std::string("fkv")) oeffne(s, z);
    const Anordnung a = schliesse(s, 'v', Minimiert{true, false, false, false});
    EXPECT_TRUE(a.kacheln);
    EXPECT_TRUE(a.verschieben.empty());
    EXPECT_EQ(orte(s), "lr--");  // recorded all the same
}

TEST(Fensterzaehlung, FreigabenBeimErstenViertenUndLetzten) {
    ZorState s = frisch();
    Freigabe g = FensterInit(s);
    EXPECT_EQ(g.fensterBefehle, true);
    EXPECT_FALSE(g.alleOeffnen);
    EXPECT_EQ(s.Fenster.null, 0);
    offenFlag(s, Modelldokument::FF) = 1;
    for (int i = 0; i < 2; ++i) {
        g = FensterInit(s);
        EXPECT_FALSE(g.fensterBefehle);
    }
    g = FensterInit(s);
    EXPECT_EQ(g.alleOeffnen, false);
    EXPECT_EQ(s.Fenster.alle, 1);
    g = FensterDest(s);
    EXPECT_EQ(g.alleOeffnen, true);
    EXPECT_EQ(s.Fenster.alle, 0);
    EXPECT_FALSE(g.aktualisierenGrau);
    FensterDest(s);
    FensterDest(s);
    g = FensterDest(s);
    EXPECT_EQ(g.fensterBefehle, false);
    EXPECT_TRUE(g.aktualisierenGrau);
    EXPECT_EQ(s.Fenster.aktuell, 0);
    EXPECT_EQ(s.Fenster.null, 1);
}

TEST(Fensterzaehlung, AlleHaeltDieVierBisEinesSchliesst) {
    ZorState s = frisch();
    s.Fenster.neu = 4;
    FensterInit(s);
    EXPECT_EQ(s.Fenster.neu, 4);
    EXPECT_EQ(s.Fenster.aktuell, 1);
    FensterDest(s);
    EXPECT_EQ(s.Fenster.neu, 0);
}

// Cascaded windows keep a usable size, stay inside the area and each shows its title bar.
TEST(Kaskade, BrauchbareGroesseImBereich) {
    struct F {
        int breite, hoehe, anzahl, versatz;
    } faelle[] = {{1600, 900, 4, 30}, {800, 500, 4, 30}, {300, 200, 4, 30}, {1600, 900, 1, 30}, {400, 300, 40, 30}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.breite << "x" << f.hoehe << " n=" << f.anzahl);
        const auto b = kaskade(f.breite, f.hoehe, f.anzahl, f.versatz);
        ASSERT_EQ(b.size(), static_cast<std::size_t>(f.anzahl));
        for (std::size_t i = 0; i < b.size(); ++i) {
            EXPECT_GE(b[i].breite, f.breite * 3 / 5);
            EXPECT_GE(b[i].hoehe, f.hoehe * 3 / 5);
            EXPECT_LE(b[i].x + b[i].breite, f.breite);
            EXPECT_LE(b[i].y + b[i].hoehe, f.hoehe);
            if (i > 0) {
                EXPECT_GE(b[i].y, b[i - 1].y);
            }
        }
        if (f.anzahl > 1 && (f.anzahl - 1) * f.versatz <= f.hoehe - f.hoehe * 3 / 5) {
            EXPECT_EQ(b[1].y - b[0].y, f.versatz);
        }
    }
    EXPECT_TRUE(kaskade(0, 500, 3, 30).empty());
}
