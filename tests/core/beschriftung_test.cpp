// Diagram text at any window size: every document painted on a recording canvas that
// measures text as the screen would, then no two texts may touch and all must lie in
// the window.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "anpassungsfaelle.h"
#include "core/anpassung/anpassung.h"
#include "core/documents/anpassung_malen.h"
#include "core/documents/kurven_malen.h"
#include "core/documents/messcursor.h"
#include "core/documents/par_malen.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/textlage.h"
#include "core/plot/vorlagenquelle.h"
#include "modellzustand.h"
#include "testnamen.h"

using namespace zor;

namespace {

const std::filesystem::path VORLAGEN = ZOR_VORLAGEN;
const Vorlagenquelle QUELLE = [](std::string_view n) { return vorlageAusVerzeichnis(VORLAGEN, n); };

// A text's box in device pixels (y down).
struct Kasten {
    std::string text;
    double links, oben, rechts, unten;
};

std::ostream& operator<<(std::ostream& o, const Kasten& k) {
    return o << "\"" << k.text << "\" " << k.links << ".." << k.rechts << " x " << k.oben << ".." << k.unten;
}

bool zahl(const std::string& t);

// Paints into a recording canvas per picture and collects the texts' device boxes.
using Malen = std::function<void(AufzeichnendeLeinwand&, ZorState&)>;

void sammeln(AufzeichnendeLeinwand& dc, const Abbildung& a, std::vector<Kasten>& k) {
    for (const auto& t : dc.nur(Zeichenaufruf::Art::Text)) {
        if (t.text.empty()) continue;
        const LRechteck r = dc.kasten(t);
        const Geraetepunkt p1 = a.geraet({r.links, r.oben}), p2 = a.geraet({r.rechts, r.unten});
        Kasten neu{t.text, std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x), std::max(p1.y, p2.y)};
        if (zahl(t.text)) neu.unten = a.geraet(t.punkte[0]).y;
        // A label drawn again over itself (markers repainted above the curves) is one label.
        const auto gleich = [&](const Kasten& alt) {
            return alt.text == neu.text && alt.links == neu.links && alt.oben == neu.oben;
        };
        if (std::none_of(k.begin(), k.end(), gleich)) k.push_back(neu);
    }
}

ZorState mitKurven(int m1, int m2) {
    ZorState s = mit(m1, m2, 0, 0);
    KeinFortschritt still;
    static_cast<void>(FAV_Ermitteln(s, still));
    static_cast<void>(FKF_Ermitteln(s, still));
    return s;
}

// With the measurement cursor on, whose readout is the tallest text block.
std::vector<Kasten> kurvendokument(int breite, int hoehe, bool fkf, int ordinate) {
    ZorState s = mitKurven(GE1, MC2);
    s.FAV.ordinate = s.FKF.ordinate = ordinate;
    s.FAV_xpos = s.FKF_xpos = 7;
    const Abbildung a = Abbildung::fenstereigenschaften(breite, hoehe);
    AufzeichnendeLeinwand dc;
    dc.setzeGeraet(a);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    const Gezeichnet g = fkf ? FKF_Paint(dc, s, QUELLE, 0) : FAV_Paint(dc, s, QUELLE, 0);
    const CursorKurven k = fkf ? fkfCursorKurven(s, g) : favCursorKurven(s, g);
    Cursor_Beschriftung(dc, k);
    Markierung(dc, fkf ? fkfCursorGeometrie(s) : favCursorGeometrie(s), k, 7);
    std::vector<Kasten> kaesten;
    sammeln(dc, a, kaesten);
    return kaesten;
}

std::vector<Kasten> parameterdokument(int breite, int hoehe, int m2) {
    ZorState s = mit(GE1, m2);
    s.Datei2.szFileName = "/tmp/versuch/folge.FAB";
    std::vector<Kasten> kaesten;
    for (const ParBild& b : PAR_Anordnung(s, 0, 0, breite, hoehe)) {
        AufzeichnendeLeinwand dc;
        dc.setzeGeraet(b.abbildung);
        dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
        M_PAINT(dc, s, b.satz, QUELLE);
        sammeln(dc, b.abbildung, kaesten);
    }
    return kaesten;
}

// A fit of four models to a simulated sequence, with its legend of five rows.
std::vector<Kasten> anpassungsdokument(int breite, int hoehe, Anpassungsbild bild) {
    static const Anpassung a = [] {
        KeinFortschritt still;
        Anpassungsoptionen o;
        o.punkte = 40;
        o.lags = 25;
        return anpassen(simulieren(anpassungsfaelle()[2], 2, 200000), o, still);
    }();
    const Abbildung abb = Abbildung::fenstereigenschaften(breite, hoehe);
    AufzeichnendeLeinwand dc;
    dc.setzeGeraet(abb);
    dc.setzeSchrift({Schriftfamilie::Swiss, KURVEN_SCHRIFTHOEHE});
    Anpassung_Paint(dc, a, {.bild = bild}, QUELLE);
    std::vector<Kasten> kaesten;
    sammeln(dc, abb, kaesten);
    return kaesten;
}

struct Dokument {
    std::string name;
    std::function<std::vector<Kasten>(int, int)> malen;
};

const Dokument DOKUMENTE[] = {
    {"FAVlog", [](int b, int h) { return kurvendokument(b, h, false, 0); }},
    {"FAVlinear", [](int b, int h) { return kurvendokument(b, h, false, 1); }},
    {"FKFlog", [](int b, int h) { return kurvendokument(b, h, true, 0); }},
    {"FKFlinear", [](int b, int h) { return kurvendokument(b, h, true, 1); }},
    {"PARzweiModelle", [](int b, int h) { return parameterdokument(b, h, MC2); }},
    {"PARmitDatei", [](int b, int h) { return parameterdokument(b, h, DATEI2); }},
};

struct Fenster {
    std::string name;
    int breite, hoehe;
};

const Fenster FENSTER[] = {
    {"schmal", 380, 720},
    {"hoch", 500, 1000},
    {"klein", 320, 240},
    {"gross", 1500, 950},
    {"flach", 1200, 320},
    {"Viertel", 790, 470},
    // Four windows stacked on a 1600 x 1000 screen, at 100 % and 200 %.
    {"gestapelt", 1590, 150},
    {"gestapeltDoppelt", 795, 72},
};

// Tick numbers have no descenders; at their baseline their box ends.
bool zahl(const std::string& t) { return !t.empty() && t.find_first_not_of("0123456789.e+-") == std::string::npos; }

// Antialiasing may let neighbours share a pixel.
constexpr double SPIEL = 1.0;

bool beruehren(const Kasten& a, const Kasten& b) {
    return a.links + SPIEL < b.rechts && b.links + SPIEL < a.rechts && a.oben + SPIEL < b.unten &&
           b.oben + SPIEL < a.unten;
}

}  // namespace

using Fall = std::tuple<Dokument, Fenster>;

class Beschriftung : public testing::TestWithParam<Fall> {};

TEST_P(Beschriftung, KeineUeberlappungUndAllesImFenster) {
    const auto& [dokument, fenster] = GetParam();
    const auto kaesten = dokument.malen(fenster.breite, fenster.hoehe);
    ASSERT_FALSE(kaesten.empty());
    for (std::size_t i = 0; i < kaesten.size(); ++i) {
        const Kasten& a = kaesten[i];
        EXPECT_TRUE(a.links >= -SPIEL && a.rechts <= fenster.breite + SPIEL && a.oben >= -SPIEL &&
                    a.unten <= fenster.hoehe + SPIEL)
            << a;
        for (std::size_t j = i + 1; j < kaesten.size(); ++j)
            EXPECT_FALSE(beruehren(a, kaesten[j])) << a << " / " << kaesten[j];
    }
}

INSTANTIATE_TEST_SUITE_P(Fenstergroessen, Beschriftung,
                         testing::Combine(testing::ValuesIn(DOKUMENTE), testing::ValuesIn(FENSTER)),
                         [](const testing::TestParamInfo<Fall>& i) {
                             return std::get<0>(i.param).name + "_" + std::get<1>(i.param).name;
                         });

// The fit's diagrams: small in the fit document, any size when exported; never stacked.
const Dokument ANPASSUNGEN[] = {
    {"AnpassungFAV", [](int b, int h) { return anpassungsdokument(b, h, Anpassungsbild::Fav); }},
    {"AnpassungFKF", [](int b, int h) { return anpassungsdokument(b, h, Anpassungsbild::Fkf); }},
};
const Fenster ANPASSUNGSFENSTER[] = {
    {"Anpassungsbild", 330, 120}, {"schmal", 380, 720}, {"hoch", 500, 1000},   {"klein", 320, 240},
    {"gross", 1500, 950},         {"flach", 1200, 320}, {"Viertel", 790, 470},
};

INSTANTIATE_TEST_SUITE_P(Anpassung, Beschriftung,
                         testing::Combine(testing::ValuesIn(ANPASSUNGEN), testing::ValuesIn(ANPASSUNGSFENSTER)),
                         [](const testing::TestParamInfo<Fall>& i) {
                             return std::get<0>(i.param).name + "_" + std::get<1>(i.param).name;
                         });

// Fonts follow the smaller side within bounds; grids and pictures keep following y alone.
TEST(Schriftgroesse, AusDerKleinerenSeiteInGrenzen) {
    struct F {
        int breite, hoehe;
        double erwartet;
    } faelle[] = {
        {640, 400, 1000 * 200.0 / 10000},   // wide: the height decides
        {400, 1000, 1000 * 200.0 / 10000},  // tall: the width decides
        {100, 100, 10},                     // tiny: the lower bound
        {4000, 3000, 24},                   // huge: the upper bound
    };
    for (const auto& f : faelle) {
        const Abbildung a = Abbildung::fenstereigenschaften(f.breite, f.hoehe);
        EXPECT_DOUBLE_EQ(a.schriftPixel(1000), f.erwartet) << f.breite << "x" << f.hoehe;
    }
    Abbildung frei = Abbildung::fenstereigenschaften(400, 1000);
    frei.schriftgrenzen.reset();
    EXPECT_DOUBLE_EQ(frei.schriftPixel(1000), 50);
}

// The abscissa's numbers hang below its line, and a short window still numbers it.
TEST(Abszissenzahlen, UnterDerAchseAuchImFlachenFenster) {
    for (const auto& [breite, hoehe] : {std::pair{640, 480}, {1590, 150}, {795, 72}}) {
        ZorState s = mitKurven(GE1, MC2);
        const Abbildung a = Abbildung::fenstereigenschaften(breite, hoehe);
        AufzeichnendeLeinwand dc;
        dc.setzeGeraet(a);
        FKF_Paint(dc, s, QUELLE, 0);
        const double achse = a.geraet({0, -8000}).y;
        int zahlen = 0;
        for (const auto& t : dc.nur(Zeichenaufruf::Art::Text)) {
            // The ordinate's numbers stand right-aligned beside their ticks.
            if (!zahl(t.text) || t.ausrichtung != Ausrichtung::Mitte || t.punkte[0].y > -8000) continue;
            ++zahlen;
            // The digits' tops: four fifths of the font's ascent above the baseline.
            const LPunkt basis = t.punkte[0];
            const int ziffernOben = basis.y + (dc.kasten(t).oben - basis.y) * 4 / 5;
            EXPECT_GT(a.geraet({basis.x, ziffernOben}).y, achse) << t.text << " in " << breite << "x" << hoehe;
            EXPECT_LE(a.geraet(basis).y, hoehe) << t.text << " in " << breite << "x" << hoehe;
        }
        EXPECT_GE(zahlen, 5) << breite << "x" << hoehe;
    }
}

// Pens follow x, but not past twice the y scale: a short wide window keeps thin curves.
TEST(Stiftbreite, FolgtXBisZumDoppeltenVonY) {
    EXPECT_DOUBLE_EQ(Abbildung::fenstereigenschaften(640, 480).stiftPixel(70), 70 * 320.0 / 10000);
    EXPECT_DOUBLE_EQ(Abbildung::fenstereigenschaften(1600, 160).stiftPixel(70), 70 * 2 * 80.0 / 10000);
}

// In a narrow window the duration label keeps a visible gap to its green line.
TEST(Korrelationsdauer, AbstandZurLinieImSchmalenFenster) {
    ZorState s = mitKurven(GE1, MC2);
    // Short durations: both labels fit right of their lines.
    s.DK1 = 1.0f;
    s.DK2 = 3.0f;
    const Abbildung a = Abbildung::fenstereigenschaften(380, 720);
    AufzeichnendeLeinwand dc;
    dc.setzeGeraet(a);
    DK_Beschriftung(dc, s);
    const auto linien = dc.nur(Zeichenaufruf::Art::Linie);
    std::vector<Zeichenaufruf> d;
    for (const auto& t : dc.nur(Zeichenaufruf::Art::Text))
        if (t.text == "D") d.push_back(t);
    ASSERT_EQ(d.size(), 2u);
    ASSERT_EQ(linien.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const double linie = a.geraet(linien[i].punkte[0]).x, text = a.geraet({dc.kasten(d[i]).links, 0}).x;
        EXPECT_GE(text - linie, 2.5) << i;
    }
}
