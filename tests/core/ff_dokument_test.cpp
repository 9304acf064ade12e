// The error-sequence document on a recording canvas: layout, the bits each model draws
// (the core's own sequences), state colours, statistics lines, file sources, text export.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/documents/ff_malen.h"
#include "core/models/fehlerquellen.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"
#include "modellzustand.h"
#include "sequenzdateien.h"
#include "temp_verzeichnis.h"
#include "zeichnungsvorlage.h"

using namespace zor;

namespace {

// Recording canvas metrics at height 16: a character cell of 9 x 16, ascent 12.
constexpr int W = 9, H = 16, A = 12;

struct Bild {
    AufzeichnendeLeinwand dc;
    FFInhalt inhalt;
};

Bild malen(const ZorState& s, int breite, int hoehe, int drucken = 0) {
    Bild b;
    b.dc.setzeSchrift({Schriftfamilie::Swiss, FF_SCHRIFTHOEHE});
    b.inhalt = FF_Paint(b.dc, s, {0, 0, breite, -hoehe}, drucken);
    return b;
}

// Width for n bits per row.
int breiteFuer(int bitsProZeile) { return W * (bitsProZeile + 5); }

// The bit characters drawn in a set's colour (screen colours).
std::vector<Zeichenaufruf> bitsVon(const Bild& b, const ZorState& s, int satz) {
    std::vector<Zeichenaufruf> l;
    const Farbe f = farbeAus(s.farbe[static_cast<std::size_t>(satz)]);
    for (const auto& a : b.dc.nur(Zeichenaufruf::Art::Text))
        if ((a.text == "0" || a.text == "1") && a.textfarbe == f) l.push_back(a);
    return l;
}

std::string zeichen(const std::vector<Zeichenaufruf>& l) {
    std::string t;
    for (const auto& a : l) t += a.text;
    return t;
}

struct Folge {
    std::string bits;
    std::vector<int> zustaende;
};

Folge kernFolge(const ZorState& s, int satz, std::size_t n) {
    Folge f;
    mitBitQuelle(s, satz, SwStart::Zustand, [&](auto& q) {
        for (std::size_t i = 0; i < n; ++i) {
            f.bits += q.bit() ? '1' : '0';
            f.zustaende.push_back(q.zustand());
        }
    });
    return f;
}

bool hatText(const Bild& b, const std::string& t) {
    for (const auto& x : b.dc.texte())
        if (x == t) return true;
    return false;
}

const Zeichenaufruf* textAufruf(const Bild& b, const std::string& t) {
    for (const auto& a : b.dc.aufrufe())
        if (a.art == Zeichenaufruf::Art::Text && a.text == t) return &a;
    return nullptr;
}

int baseline(int zeile) { return -(zeile + 1) * H - A; }

}  // namespace

// Start values in one block with the marks at the row ends and the green header; two sets
// with an odd number of free rows, the marks starting anew for set 2; set 2 as a theory.
TEST(FFLayout, WieVorlage) {
    struct Fall {
        const char* name;
        ZorState s;
        int bitsProZeile, zeilen, zmax;
    };
    const Fall faelle[] = {
        {"ff_startwerte", startZustand(), 10, 12, 10},     // 12 rows less the two under the block
        {"ff_zwei_saetze", mit(GE1, BSC2), 20, 16, 10},    // 11 free rows, one stays empty
        {"ff_theorie", mit(BSC1, GE2, 1, 0), 20, 20, 16},  // no bits for set 2, its note instead
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Bild b = malen(f.s, breiteFuer(f.bitsProZeile), f.zeilen * H);
        EXPECT_EQ(b.inhalt.layout.zmax, f.zmax);
        EXPECT_EQ(b.inhalt.layout.smax, f.bitsProZeile);
        wieVorlage(b.dc, f.name);
    }
}

struct ReserveFall {
    const char* name;
    int modell, sim, zeilen;
};

class FFReserve : public testing::TestWithParam<ReserveFall> {};

TEST_P(FFReserve, ZeilenUnterDemBlock) {
    const auto& f = GetParam();
    const ZorState s = mit(f.modell, 0, f.sim);
    EXPECT_EQ(FF_Reserve(s, 0), f.zeilen);
    EXPECT_EQ(FF_Layout(s, breiteFuer(20), 30 * H, W, H).zmax, 30 - f.zeilen);
}

INSTANTIATE_TEST_SUITE_P(Satzzustand, FFReserve,
                         testing::Values(ReserveFall{"inaktiv", INAKTIV, 1, 0}, ReserveFall{"BSC", BSC1, 1, 2},
                                         ReserveFall{"BSC_theoretisch", BSC1, 0, 2},
                                         ReserveFall{"Datei", DATEI1, 1, 2},
                                         ReserveFall{"GE_theoretisch", GE1, 0, 2}, ReserveFall{"GE", GE1, 1, 3},
                                         ReserveFall{"MC", MC1, 1, 3}, ReserveFall{"SW", SW1, 1, 3}),
                         [](const auto& p) { return std::string(p.param.name); });

// Too small for a row: one note instead of a blank window.
TEST(FFLayout, ZuKleinZeigtHinweis) {
    for (const auto& [breite, hoehe] : {std::pair{breiteFuer(9), 40 * H}, {breiteFuer(10), 2 * H}}) {
        const auto texte = malen(startZustand(), breite, hoehe).dc.texte();
        EXPECT_EQ(texte, std::vector<std::string>{TEXT_FF_ZU_KLEIN}) << breite << "x" << hoehe;
    }
    // Two sets need two rows: one free row is nothing.
    EXPECT_EQ(FF_Layout(mit(GE1, BSC2), breiteFuer(10), 6 * H, W, H).zmax, 0);
    EXPECT_EQ(FF_Layout(startZustand(), breiteFuer(10), 100, 0, 0).smax, 0);
}

struct ModellFall {
    const char* name;
    int satz, modell, simfabs;
};

class FFBits : public testing::TestWithParam<ModellFall> {};

TEST_P(FFBits, ZeichenSindDieErstenBitsDesKerns) {
    const auto& f = GetParam();
    ZorState s = f.satz == 0 ? mit(f.modell, 0) : mit(0, f.modell);
    bscSimfabsVon(s, f.satz) = f.simfabs;
    const Bild b = malen(s, breiteFuer(40), 40 * H);
    const auto bits = bitsVon(b, s, f.satz);
    const int zmax = b.inhalt.layout.zmax;
    ASSERT_EQ(bits.size(), static_cast<std::size_t>(40 * zmax));
    EXPECT_EQ(zeichen(bits), kernFolge(s, f.satz, bits.size()).bits);
    EXPECT_EQ(bits[41].punkte[0], (LPunkt{W, baseline(1)}));  // row 1, column 1
}

INSTANTIATE_TEST_SUITE_P(Modelle, FFBits,
                         testing::Values(ModellFall{"BSC_bitweise", 0, BSC1, 0},
                                         ModellFall{"BSC_Abstaende", 0, BSC1, 1}, ModellFall{"GE", 0, GE1, 0},
                                         ModellFall{"MC", 0, MC1, 0}, ModellFall{"SW", 0, SW1, 0},
                                         ModellFall{"BSC_Satz2", 1, BSC2, 0}, ModellFall{"GE_Satz2", 1, GE2, 0},
                                         ModellFall{"MC_Satz2", 1, MC2, 0}, ModellFall{"SW_Satz2", 1, SW2, 0}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(FFFarben, ZustaendeAufDemSchirmAlsHintergrund) {
    const ZorState s = mit(GE1, SW2);
    const Bild b = malen(s, breiteFuer(50), 30 * H);
    const auto ge = bitsVon(b, s, 0);
    const auto sw = bitsVon(b, s, 1);
    const Folge k1 = kernFolge(s, 0, ge.size()), k2 = kernFolge(s, 1, sw.size());
    int schlecht = 0;
    for (std::size_t i = 0; i < ge.size(); ++i) {
        schlecht += k1.zustaende[i] == BAD;
        EXPECT_EQ(ge[i].texthintergrund, farbeAus(s.farbe[k1.zustaende[i] == GOOD ? 2 : 3])) << i;
    }
    EXPECT_GT(schlecht, 0);  // the start values do reach BAD within 1000 bits
    const int grund[] = {0, 2, 3, 6};
    for (std::size_t i = 0; i < sw.size(); ++i)
        EXPECT_EQ(sw[i].texthintergrund, farbeAus(s.farbe[static_cast<std::size_t>(grund[k2.zustaende[i]])])) << i;
}

TEST(FFFarben, ZustaendeAufPapierAlsTextfarbe) {
    const ZorState s = mit(MC1, SW2);
    const Bild b = malen(s, breiteFuer(50), 30 * H, 1);
    std::vector<Zeichenaufruf> bits;
    for (const auto& a : b.dc.nur(Zeichenaufruf::Art::Text))
        if ((a.text == "0" || a.text == "1") && a.ausrichtung == Ausrichtung::Links && a.punkte[0].y < -A)
            bits.push_back(a);
    const int proSatz = 50 * b.inhalt.layout.zmax / 2;
    ASSERT_EQ(bits.size(), static_cast<std::size_t>(2 * proSatz));
    const Folge mc = kernFolge(s, 0, proSatz), sw = kernFolge(s, 1, proSatz);
    for (int i = 0; i < proSatz; ++i) {
        EXPECT_FALSE(bits[i].texthintergrund);
        EXPECT_EQ(bits[i].textfarbe, mc.zustaende[i] == GOOD ? farbeAus(s.farbe[0]) : SCHWARZ) << i;
        const Farbe swFarbe[] = {SCHWARZ, farbeAus(s.farbe[1]), farbeAus(100, 100, 100), SCHWARZ};
        EXPECT_EQ(bits[proSatz + i].textfarbe, swFarbe[sw.zustaende[i]]) << i;
    }
}

TEST(FFStatistik, HaeufigkeitUndZustaende) {
    const ZorState s = mit(GE1, SW2);
    const Bild b = malen(s, breiteFuer(30), 26 * H);
    const int zmax = b.inhalt.layout.zmax;  // 26 - 3 - 3 = 20
    ASSERT_EQ(zmax, 20);
    const std::size_t n = 30 * 10;
    const Folge ge = kernFolge(s, 0, n), sw = kernFolge(s, 1, n);
    long fGe = 0, gut = 0, fSw = 0, z[4] = {};
    for (std::size_t i = 0; i < n; ++i) {
        fGe += ge.bits[i] == '1';
        gut += ge.zustaende[i] == GOOD;
        fSw += sw.bits[i] == '1';
        ++z[sw.zustaende[i]];
    }
    const std::string h1 = format("Fehlerhäufigkeit: %.4f (%ld von 300 Bits)", static_cast<double>(fGe) / 300.0, fGe);
    const auto* zeile = textAufruf(b, h1);
    ASSERT_TRUE(zeile);
    EXPECT_EQ(zeile->punkte[0], (LPunkt{breiteFuer(30) / 2, baseline(10)}));
    EXPECT_EQ(zeile->ausrichtung, Ausrichtung::Mitte);
    EXPECT_EQ(zeile->textfarbe, SCHWARZ);
    EXPECT_EQ(zeile->texthintergrund, WEISS);
    const auto* zustand = textAufruf(b, format("Zustand 'G': %ld   Zustand 'B': %ld", gut, 300 - gut));
    ASSERT_TRUE(zustand);
    EXPECT_EQ(zustand->punkte[0].y, baseline(11));
    EXPECT_TRUE(hatText(b, format("Fehlerhäufigkeit: %.4f (%ld von 300 Bits)", static_cast<double>(fSw) / 300.0, fSw)));
    EXPECT_TRUE(hatText(b, format("Z1: %ld   Z2: %ld   Z3: %ld", z[1], z[2], z[3])));
}

class FFDatei : public TempVerzeichnis {
protected:
    ZorState ausDatei(const std::string& name, const std::string& inhalt, int satz = 0) {
        schreiben(pfad(name), inhalt);
        ZorState s = startZustand();
        EXPECT_EQ(Load(s, satz, pfad(name)).art, LadenErgebnis::Art::Erfolg);
        return s;
    }
};

TEST_F(FFDatei, FehlerfolgeHoechstens5000Zeichen) {
    std::string folge(6000, '0');
    for (std::size_t i = 0; i < folge.size(); i += 7) folge[i] = '1';
    const ZorState s = ausDatei("lang.FFO", folge);
    const Bild b = malen(s, breiteFuer(100), 80 * H);
    const auto bits = bitsVon(b, s, 0);
    ASSERT_EQ(bits.size(), 5000u);
    EXPECT_EQ(zeichen(bits), folge.substr(0, 5000));
    EXPECT_TRUE(hatText(b, "Fehlerhäufigkeit: 0.1430 (715 von 5000 Bits)"));
}

TEST_F(FFDatei, AbstaendeAufgebrauchtVorDemFensterende) {
    const ZorState s = ausDatei("kurz.FAB", fabBytes({3, 1, 0, 2}));
    const Bild b = malen(s, breiteFuer(10), 12 * H);
    EXPECT_EQ(zeichen(bitsVon(b, s, 0)), "0011101");  // the record 0 is a gap of 1
    EXPECT_TRUE(hatText(b, "Fehlerhäufigkeit: 0.5714 (4 von 7 Bits)"));
}

// The error-sequence file is read by the format's one rule: the final line end is not
// shown, a stray character is named with its position and nothing is drawn for the set.
TEST_F(FFDatei, ZeilenendeUnsichtbarFremdesZeichenGemeldet) {
    ZorState s = ausDatei("n.FFO", "0110\r\n");
    EXPECT_EQ(zeichen(bitsVon(malen(s, breiteFuer(10), 12 * H), s, 0)), "0110");
    s = ausDatei("x.FFO", "0110x1");
    const Bild b = malen(s, breiteFuer(10), 12 * H);
    ASSERT_EQ(b.inhalt.meldungen.size(), 1u);
    EXPECT_EQ(b.inhalt.meldungen[0].text,
              "Ungültiges Zeichen an Position 5 der Fehlerfolge " + pfad("x.FFO") + " (nur 0 und 1 erlaubt).");
    EXPECT_TRUE(bitsVon(b, s, 0).empty());
}

TEST_F(FFDatei, OhneBitKeineDivisionDurchNull) {
    const ZorState s = ausDatei("rest.FAB", "abc");  // no whole record
    const Bild b = malen(s, breiteFuer(10), 12 * H);
    EXPECT_TRUE(bitsVon(b, s, 0).empty());
    EXPECT_TRUE(hatText(b, "Fehlerhäufigkeit: – (0 Bits)"));
}

TEST_F(FFDatei, UnlesbarMeldetUndZeichnetDenAnderenSatz) {
    ZorState s = ausDatei("weg.FFO", "0101", 0);
    s.Modell.M2 = BSC2;
    std::filesystem::remove(pfad("weg.FFO"));
    const Bild b = malen(s, breiteFuer(10), 14 * H);
    ASSERT_EQ(b.inhalt.meldungen.size(), 1u);
    EXPECT_EQ(b.inhalt.meldungen[0].text, TEXT_NICHT_GELESEN);
    EXPECT_EQ(b.inhalt.meldungen[0].symbol, Symbol::Ausrufezeichen);
    EXPECT_TRUE(bitsVon(b, s, 0).empty());
    EXPECT_EQ(bitsVon(b, s, 1).size(), static_cast<std::size_t>(10 * b.inhalt.layout.zmax / 2));
    int statistik = 0;
    for (const auto& t : b.dc.texte()) statistik += t.rfind("Fehlerhäufigkeit", 0) == 0;
    EXPECT_EQ(statistik, 1);
}

TEST(FFText, ZeilenWieImFenster) {
    const ZorState s = startZustand();
    const FFInhalt inhalt = FF_Erzeugen(s, FF_Layout(s, breiteFuer(10), 5 * H, W, H));
    const std::string bits = kernFolge(s, 0, 30).bits;
    long fehler = 0;
    for (char c : bits) fehler += c == '1';
    const std::string erwartet = "1234567890\n" + bits.substr(0, 10) + " 10\n" + bits.substr(10, 10) + " 20\n" +
                                 bits.substr(20, 10) + " 30\n" +
                                 format("Fehlerhäufigkeit: %.4f (%ld von 30 Bits)\n", static_cast<double>(fehler) / 30.0, fehler);
    EXPECT_EQ(FF_Text(inhalt), erwartet);
    EXPECT_EQ(FF_Text(FF_Erzeugen(s, FF_Layout(s, 10, 10, W, H))), "");
}
