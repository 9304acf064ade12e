// Where the channel-model documents go when they open and close, and which menu states
// follow the number of open documents.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/documents/anordnung.h"

using namespace zor;

namespace {

const Flaeche FLAECHE{1200, 800, 80};
const std::string REIHE(VIER_DOKUMENTE);

std::size_t dok(char z) { return REIHE.find(z); }

// A document opening as the program does it: bookkeeping, arrangement, then its flag.
Anordnung oeffne(ZorState& s, char z, const Minimiert& m = {}, const std::string& reihe = REIHE,
                 const Flaeche& f = FLAECHE) {
    FensterInit(s, reihe);
    Anordnung a = OrdnenAufbau(s, reihe, z, m, f);
    offenFlag(s, z) = 1;
    return a;
}

Anordnung schliesse(ZorState& s, char z, const Minimiert& m = {}, const std::string& reihe = REIHE,
                    const Flaeche& f = FLAECHE) {
    offenFlag(s, z) = 0;
    FensterDest(s, reihe);
    return s.Fenster.neu != 0 ? OrdnenAbbau(s, reihe, m, f) : Anordnung{};
}

// The region codes of the documents in the order of the row, '-' for closed ones.
std::string orte(const ZorState& s, const std::string& reihe = REIHE) {
    std::string o;
    for (char z : reihe) o += offenFlag(s, z) ? tochter(s, z).ort : '-';
    return o;
}

// Where each document of an arrangement moves to, as region codes.
std::string ziele(const Anordnung& a, const std::string& reihe = REIHE, const Flaeche& f = FLAECHE) {
    std::string o(reihe.size(), '-');
    for (const auto& v : a.verschieben)
        for (char c : std::string("abcdefghijlmruvw0123456789"))
            if (region(c, f) == v.ziel) o[reihe.find(v.dokument)] = c;
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
    static_cast<void>(oeffne(s, f.alt[0]));
    static_cast<void>(oeffne(s, f.alt[1]));
    const Anordnung a = oeffne(s, f.neu[0]);
    std::string erwartet = "----";
    erwartet[dok(f.u[0])] = 'u';
    erwartet[dok(f.v[0])] = 'v';
    erwartet[dok(f.w[0])] = 'w';
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
    for (char z : std::string("fkvp")) static_cast<void>(oeffne(s, z));
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
    for (char z : std::string("fkv")) static_cast<void>(oeffne(s, z));
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
    static_cast<void>(oeffne(s, 'f'));
    EXPECT_EQ(ziele(oeffne(s, 'p')), "a--d");
    EXPECT_EQ(s.Fenster.neu, 4);
    EXPECT_EQ(s.Fenster.aktuell, 2);
}

TEST(OrdnenAufbau, MitMinimiertemTeilenDieSichtbarenDenPlatzUeberDenIcons) {
    {
        // Two open, FKF minimised, PAR opens: PAR left, FF right, both above the icons.
        ZorState s = frisch();
        static_cast<void>(oeffne(s, 'f'));
        static_cast<void>(oeffne(s, 'k'));
        const Anordnung a = oeffne(s, 'p', "k");
        EXPECT_EQ(ziele(a), "f--e");
        EXPECT_EQ(a.verschieben[0].ziel, (Bereich{0, 0, 600, 720}));
        EXPECT_EQ(orte(s), "uw-v");  // recorded by the table all the same
    }
    {
        // One open and minimised: the new one takes the whole width above the icons.
        ZorState s = frisch();
        static_cast<void>(oeffne(s, 'v'));
        const Anordnung a = oeffne(s, 'f', "v");
        EXPECT_EQ(a.verschieben, (std::vector<Verschiebung>{{'f', Bereich{0, 0, 1200, 720}}}));
    }
    {
        // Three open, FKF minimised, the fourth opens: thirds from the left in the fixed order.
        ZorState s = frisch();
        for (char z : std::string("fkv")) static_cast<void>(oeffne(s, z));
        EXPECT_EQ(ziele(oeffne(s, 'p', "k")), "h-ij");
    }
    {
        // Open-all while two are minimised: the new one goes right ('f'), not left.
        ZorState s = frisch();
        s.Fenster.neu = 4;
        static_cast<void>(oeffne(s, 'f'));
        static_cast<void>(oeffne(s, 'k'));
        EXPECT_EQ(ziele(oeffne(s, 'v', "fk")), "--f-");
    }
}

TEST(OrdnenAbbau, MitMinimiertemKachelt) {
    ZorState s = frisch();
    for (char z : std::string("fkv")) static_cast<void>(oeffne(s, z));
    const Anordnung a = schliesse(s, 'v', "f");
    EXPECT_TRUE(a.kacheln);
    EXPECT_TRUE(a.verschieben.empty());
    EXPECT_EQ(orte(s), "lr--");  // recorded all the same
}

TEST(Fensterzaehlung, ErstesViertesUndLetztes) {
    ZorState s = frisch();
    FensterInit(s, REIHE);
    EXPECT_EQ(s.Fenster.null, 0);
    for (int i = 0; i < 2; ++i) FensterInit(s, REIHE);
    EXPECT_EQ(s.Fenster.alle, 0);
    FensterInit(s, REIHE);
    EXPECT_EQ(s.Fenster.alle, 1);
    FensterDest(s, REIHE);
    EXPECT_EQ(s.Fenster.alle, 0);
    EXPECT_EQ(s.Fenster.null, 0);
    for (int i = 0; i < 3; ++i) FensterDest(s, REIHE);
    EXPECT_EQ(s.Fenster.aktuell, 0);
    EXPECT_EQ(s.Fenster.null, 1);
}

TEST(Fensterzaehlung, AlleHaeltDieVierBisEinesSchliesst) {
    ZorState s = frisch();
    s.Fenster.neu = 4;
    FensterInit(s, REIHE);
    EXPECT_EQ(s.Fenster.neu, 4);
    EXPECT_EQ(s.Fenster.aktuell, 1);
    FensterDest(s, REIHE);
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

// A fifth kind of document keeps its flag and region in the state by its letter. Three
// with it: the first of the older ones below, the new one upper left; five open (or
// open-all): a grid of two rows in the fixed order; four kinds stay in the quadrants.
TEST(FuenfterDokumenttyp, PasstInDieAnordnung) {
    const std::string reihe = "fkvpm";
    const Flaeche f{1200, 800, 80, 5};
    ZorState s = frisch();
    static_cast<void>(oeffne(s, 'k', {}, reihe, f));
    static_cast<void>(oeffne(s, 'm', {}, reihe, f));
    EXPECT_EQ(orte(s, reihe), "-r--l");
    EXPECT_EQ(ziele(oeffne(s, 'f', {}, reihe, f), reihe, f), "vu--w");
    EXPECT_EQ(tochter(s, 'm').ort, 'w');
    static_cast<void>(oeffne(s, 'v', {}, reihe, f));
    EXPECT_EQ(ziele(oeffne(s, 'p', {}, reihe, f), reihe, f), "01234");
    EXPECT_EQ(region('4', f), (Bereich{400, 400, 400, 400}));
    EXPECT_EQ(s.Fenster.alle, 1);
    EXPECT_TRUE(modellDokumentOffen(s));
    EXPECT_EQ(ziele(schliesse(s, 'k', {}, reihe, f), reihe, f), "0-234");
    for (char z : std::string("fvp")) static_cast<void>(schliesse(s, z, {}, reihe, f));
    EXPECT_EQ(orte(s, reihe), "----m");
    static_cast<void>(schliesse(s, 'm', {}, reihe, f));
    EXPECT_FALSE(modellDokumentOffen(s));
}
