#include "core/versuch/versuch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/models/optionseingabe.h"
#include "core/models/satzparameter.h"
#include "temp_verzeichnis.h"
#include "testnamen.h"

namespace {

using namespace zor;

// Values a decimal text must carry exactly: a float's neighbours, tiny and odd ones.
const float KRUMM = std::nextafter(0.1f, 1.0f);
// Not a float: N must not pass through single precision.
constexpr std::uint64_t N_GROSS = (std::uint64_t{1} << 53) + 1;

ZorState versuchszustand(Modellart art) {
    ZorState s = startZustand();
    s.Modell.M1 = static_cast<std::int16_t>(modellId(art, 0));
    s.Modell.M2 = static_cast<std::int16_t>(modellId(Modellart::GE, 1));
    s.Modell.sim1 = 0;
    s.BSC_simfabs1 = 1;
    s.gemc2 = 1;
    s.BSCWert1[bsc::p] = KRUMM;
    s.GEWert1 = {17, 10000, 0.7f, 0.3f, 0.7f, 0.3f, 1e-7f, KRUMM};  // complements not derived from the rest
    s.MCWert1[gemc::Good] = 3.0e-38f;
    s.SWWert1 = {42, 10000, 0.25f, 0.25f, 0.5f, 0.125f, KRUMM, 1.0f};
    durchlaeufeSetzen(s, art, 0, N_GROSS);
    durchlaeufeSetzen(s, Modellart::GE, 1, 123456789);
    FavOptionen fav = favOptionen(s);
    fav.AB = 1, fav.band = 1, fav.abszisse = 0, fav.texte = {"77", "7", "2"};
    EXPECT_EQ(favOptionenAnwenden(s, fav), Optionsfehler::Keiner);
    FkfOptionen fkf = fkfOptionen(s);
    fkf.erneuernd = 1, fkf.texte.abszisse = "99";
    EXPECT_EQ(fkfOptionenAnwenden(s, fkf), Optionsfehler::Keiner);
    return s;
}

// Bit for bit: equal floats could still differ in the sign of zero.
template <class A>
bool bitgleich(const A& a, const A& b) {
    return std::memcmp(a.data(), b.data(), sizeof(a[0]) * a.size()) == 0;
}

void erwarteGleicheSaetze(const ZorState& a, const ZorState& b) {
    for (int satz = 0; satz < 2; ++satz) {
        SCOPED_TRACE(satz);
        const auto va = satzSicht(a, satz), vb = satzSicht(b, satz);
        EXPECT_EQ(satzparameter(a, satz), satzparameter(b, satz));
        EXPECT_TRUE(bitgleich(va.BSCWert, vb.BSCWert));
        EXPECT_TRUE(bitgleich(va.GEWert, vb.GEWert));
        EXPECT_TRUE(bitgleich(va.MCWert, vb.MCWert));
        EXPECT_TRUE(bitgleich(va.SWWert, vb.SWWert));
        EXPECT_EQ(va.N.BSC, vb.N.BSC);
        EXPECT_EQ(va.N.GE, vb.N.GE);
        EXPECT_EQ(va.N.SW, vb.N.SW);
        EXPECT_EQ(std::tie(va.sim, va.BSC_simfabs, va.GE_sim, va.MC_sim, va.gemc),
                  std::tie(vb.sim, vb.BSC_simfabs, vb.GE_sim, vb.MC_sim, vb.gemc));
    }
    EXPECT_EQ(std::tie(a.FAV_defbereich, a.FAV_xlindef, a.FAV_abszisse, a.Modell.AB, a.FAV_band, a.FAV_wertneg,
                       a.FAV_wertpos, a.FAV_ynorm_log, a.FKF_defbereich, a.FKF_erneuernd, a.FKF_xnorm),
              std::tie(b.FAV_defbereich, b.FAV_xlindef, b.FAV_abszisse, b.Modell.AB, b.FAV_band, b.FAV_wertneg,
                       b.FAV_wertpos, b.FAV_ynorm_log, b.FKF_defbereich, b.FKF_erneuernd, b.FKF_xnorm));
}

class VersuchRundreise : public ::testing::TestWithParam<Modellart> {};

TEST_P(VersuchRundreise, GibtJedenWertBitgenauZurueck) {
    const ZorState s = versuchszustand(GetParam());
    const VersuchGelesen g = versuchLesen(versuchSchreiben(s, "vkp"));
    ASSERT_TRUE(g) << g.ergebnis.meldung.text;
    EXPECT_TRUE(g.versuch.hinweise.empty());
    EXPECT_EQ(g.versuch.dokumente, "vkp");
    EXPECT_EQ(durchlaeufe(g.versuch.zustand, 0), N_GROSS);
    erwarteGleicheSaetze(s, g.versuch.zustand);

    // Taken over into a running state, the curves computed before are stale.
    ZorState laufend = startZustand();
    laufend.FAV.ermittelt1 = laufend.FKF.ermittelt2 = 1;
    versuchUebernehmen(laufend, g.versuch.zustand);
    erwarteGleicheSaetze(s, laufend);
    EXPECT_EQ(laufend.FAV.ermittelt1 + laufend.FKF.ermittelt2, 0);
    // Written again, the text is the same: nothing drifts from save to save.
    EXPECT_EQ(versuchSchreiben(laufend, "vkp"), versuchSchreiben(s, "vkp"));
}

std::string modellname(const ::testing::TestParamInfo<Modellart>& info) {
    const char* namen[] = {"Inaktiv", "BSC", "GE", "MC", "SW", "Datei"};
    return namen[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Modelle, VersuchRundreise,
                         ::testing::Values(Modellart::BSC, Modellart::GE, Modellart::MC, Modellart::SW), modellname);

class VersuchDatei : public TempVerzeichnis {};

TEST_F(VersuchDatei, DateiquelleAbsolutUndRelativZumVersuch) {
    schreiben(pfad("folge.ffo"), "0010010001");
    ZorState s = startZustand();
    s.Modell.M2 = DATEI2;
    s.Datei2 = {1, 10, pfad("folge.ffo")};
    ASSERT_TRUE(versuchSpeichern(pfad("a.zorversuch"), s, "f", {}));
    VersuchGelesen g = versuchLaden(pfad("a.zorversuch"));
    ASSERT_TRUE(g) << g.ergebnis.meldung.text;
    EXPECT_EQ(g.versuch.zustand.Datei2, s.Datei2);
    EXPECT_EQ(satzparameter(g.versuch.zustand, 1), satzparameter(s, 1));

    // A teacher hands out the folder: the source is found beside the experiment.
    std::filesystem::create_directories(dir_ / "weiter");
    std::filesystem::rename(pfad("folge.ffo"), pfad("weiter/folge.ffo"));
    std::string text = lesen(pfad("a.zorversuch"));
    text.replace(text.find(pfad("folge.ffo")), pfad("folge.ffo").size(), "folge.ffo");
    schreiben(pfad("weiter/b.zorversuch"), text);
    g = versuchLaden(pfad("weiter/b.zorversuch"));
    ASSERT_TRUE(g) << g.ergebnis.meldung.text;
    EXPECT_EQ(g.versuch.zustand.Datei2.szFileName, pfad("weiter/folge.ffo"));
    EXPECT_EQ(g.versuch.zustand.Datei2.laenge, 10);

    // Without its source the experiment is refused, naming the file.
    schreiben(pfad("a.zorversuch"), text);
    g = versuchLaden(pfad("a.zorversuch"));
    EXPECT_FALSE(g);
    EXPECT_NE(g.ergebnis.meldung.text.find("Parametersatz 2"), std::string::npos) << g.ergebnis.meldung.text;
}

TEST_F(VersuchDatei, RiesigeDateiWirdVorDemLesenAbgelehnt) {
    std::filesystem::resize_file((std::ofstream(pfad("gross.zorversuch")), pfad("gross.zorversuch")),
                                 std::uintmax_t{1} << 30);
    const VersuchGelesen g = versuchLaden(pfad("gross.zorversuch"));
    EXPECT_FALSE(g);
    EXPECT_NE(g.ergebnis.meldung.text.find("zu groß"), std::string::npos);
    EXPECT_FALSE(versuchLaden(pfad("fehlt.zorversuch")));
}

// A valid experiment with one line replaced (or, with an empty `alt`, the given text).
struct Schaden {
    std::string name, alt, neu, erwartet;
};

void PrintTo(const Schaden& f, std::ostream* os) { *os << f.name; }

std::string beschaedigt(const Schaden& f) {
    std::string t = versuchSchreiben(versuchszustand(Modellart::GE), "fkvp");
    if (f.alt.empty()) return f.neu;
    const auto pos = t.find(f.alt);
    EXPECT_NE(pos, std::string::npos) << f.alt;
    return t.replace(pos, f.alt.size(), f.neu);
}

class VersuchSchaden : public ::testing::TestWithParam<Schaden> {};

TEST_P(VersuchSchaden, WirdMitMeldungAbgelehnt) {
    const VersuchGelesen g = versuchLesen(beschaedigt(GetParam()));
    ASSERT_FALSE(g);
    EXPECT_EQ(g.ergebnis.meldung.titel, TITEL_VERSUCH);
    EXPECT_NE(g.ergebnis.meldung.text.find(GetParam().erwartet), std::string::npos) << g.ergebnis.meldung.text;
}

INSTANTIATE_TEST_SUITE_P(Faelle, VersuchSchaden,
                         ::testing::Values(Schaden{"Leer", "", "", "keine Versuchsdatei"},
                                           Schaden{"AndereDatei", "", "0010010\n", "keine Versuchsdatei"},
                                           Schaden{"Abgeschnitten", "\n[dokumente]", "\n[dokum", "Zeile"},
                                           Schaden{"OhneEnde", "[ende]\n", "", "unvollständig"},
                                           Schaden{"TextNachEnde", "[ende]\n", "[ende]\nmodell=bsc\n", "nach „[ende]“"},
                                           Schaden{"UnbekanntesModell", "modell=ge", "modell=gauss", "satz1.modell"},
                                           Schaden{"NaN", "ge.good=1e-07", "ge.good=nan", "satz1.ge.good"},
                                           Schaden{"Unendlich", "ge.good=1e-07", "ge.good=1e999", "satz1.ge.good"},
                                           Schaden{"TextStattZahl", "bsc.n=10000", "bsc.n=zehntausend", "bsc.n"},
                                           Schaden{"NNull", "bsc.n=10000", "bsc.n=0", "bsc.n"},
                                           Schaden{"Komma", "bsc.p=0.01\n", "bsc.p=0,01\n", "bsc.p"},
                                           Schaden{"UeberEins", "bsc.p=0.01\n", "bsc.p=1.5\n", "bsc.p"},
                                           Schaden{"Startwert", "ge.startwert=17", "ge.startwert=10000",
                                                   "ge.startwert"},
                                           Schaden{"SchalterZwei", "gemc=0", "gemc=2", "gemc"},
                                           Schaden{"GeUebergangNull", "ge.pgb=0.7", "ge.pgb=0", "Übergänge = 0"},
                                           Schaden{"SwSumme", "sw.pz1=0.25", "sw.pz1=0.5", "pZ1 + pZ2 + pZ3"},
                                           Schaden{"Doppelt", "gemc=0\n", "gemc=0\ngemc=0\n", "doppelt"},
                                           Schaden{"OhneGleich", "gemc=0\n", "gemc\n", "Zeile"},
                                           Schaden{"DateiOhnePfad", "modell=ge", "modell=datei", "datei=PFAD"},
                                           Schaden{"AbszisseZuKlein", "punkte=77", "punkte=10", "Abszisse"},
                                           Schaden{"OrdinateVerkehrt", "dekade_unten=7", "dekade_unten=1", "Ordinate"},
                                           Schaden{"DokumentDoppelt", "offen=fkvp", "offen=fkvf", "dokumente.offen"}),
                         testnamen::NachName{});

TEST(Versuch, UnbekannteEintraegeWerdenMitHinweisUebergangen) {
    std::string t = versuchSchreiben(versuchszustand(Modellart::MC), "k");
    t.replace(0, t.find("\n[satz1]"), "zorversuch=2\n[zukunft]\nfarbe=rot");
    t.insert(t.find("[fav]"), "mc.neu=3\n\n");
    const VersuchGelesen g = versuchLesen(t);
    ASSERT_TRUE(g) << g.ergebnis.meldung.text;
    ASSERT_EQ(g.versuch.hinweise.size(), 3u);
    EXPECT_NE(g.versuch.hinweise[0].find("neuere Format 2"), std::string::npos);
    EXPECT_NE(g.versuch.hinweise[1].find("zukunft.farbe"), std::string::npos);
    EXPECT_NE(g.versuch.hinweise[2].find("satz2.mc.neu"), std::string::npos);
    erwarteGleicheSaetze(versuchszustand(Modellart::MC), g.versuch.zustand);
}

TEST(Versuch, FehlendeWerteBehaltenDieStartwerte) {
    const VersuchGelesen g = versuchLesen("zorversuch=1\n[satz1]\nmodell=ge\nge.pgb=0.25\n[ende]\n");
    ASSERT_TRUE(g) << g.ergebnis.meldung.text;
    const ZorState start = startZustand();
    const ZorState& s = g.versuch.zustand;
    EXPECT_EQ(s.Modell.M1, GE1);
    EXPECT_EQ(s.Modell.M2, INAKTIV);
    // An entered transition away gets its complement, as in the dialog.
    EXPECT_EQ(s.GEWert1[gemc::Good_From_Bad], 0.25f);
    EXPECT_EQ(s.GEWert1[gemc::Bad_From_Bad], 0.75f);
    EXPECT_EQ(s.GEWert1[gemc::Good], start.GEWert1[gemc::Good]);
    EXPECT_EQ(durchlaeufe(s, 0), durchlaeufe(start, Modellart::GE, 0));
}

}  // namespace
