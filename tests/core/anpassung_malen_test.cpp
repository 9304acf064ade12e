// The fit's overlay on the recording canvas: where the sequence's points land on both
// ordinates, one curve per model with the dotted partner of an equivalent pair, and the
// legend in rank order.

#include "anpassungsfaelle.h"

#include "core/anpassung/anpassung.h"
#include "core/documents/anpassung_malen.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/plot/graphpaint.h"
#include "core/plot/plotzahlen.h"

#include <gtest/gtest.h>

using namespace zor;
using Art = Zeichenaufruf::Art;

namespace {

const Vorlagenquelle LEER = [](std::string_view) { return std::optional<std::string>("k leer\n"); };

const Anpassung& anpassung() {
    static const Anpassung a = [] {
        KeinFortschritt still;
        Anpassungsoptionen o;
        o.punkte = 40;
        o.lags = 25;
        return anpassen(simulieren(anpassungsfaelle()[2], 2, 200000), o, still);
    }();
    return a;
}

// The sequence's points: filled squares, centred on the curve's places.
std::vector<LPunkt> punkte(const AufzeichnendeLeinwand& dc) {
    std::vector<LPunkt> p;
    for (const auto& r : dc.nur(Art::Rechteck))
        p.push_back({(r.rechteck->links + r.rechteck->rechts) / 2, (r.rechteck->oben + r.rechteck->unten) / 2});
    return p;
}

TEST(AnpassungMalen, SequencePointsSitOnTheDocumentsAxes) {
    const Anpassung& a = anpassung();
    for (const bool linear : {false, true}) {
        for (const Anpassungsbild bild : {Anpassungsbild::Fav, Anpassungsbild::Fkf}) {
            AufzeichnendeLeinwand dc;
            Anpassungsansicht v;
            v.bild = bild;
            v.linear = linear;
            Anpassung_Paint(dc, a, v, LEER);
            const bool fav = bild == Anpassungsbild::Fav;
            const auto& kurve = fav ? a.fav : a.fkf;
            const int xnorm = 16000 / (fav ? 40 : 25);
            const auto p = punkte(dc);
            ASSERT_EQ(p.size(), kurve.size() + 1) << "one more in the legend";
            for (std::size_t i = 0; i < kurve.size(); ++i) {
                const int x = -7500 + (static_cast<int>(i) + (fav ? 1 : 0)) * xnorm;
                const int y = linear ? kappen(12500.0 * kurve[i].y - 8000) : logOrdinate(kurve[i].y, 1e-5f, 1.0f, 2500, -8000);
                EXPECT_EQ(p[i].x, x) << i;
                EXPECT_NEAR(p[i].y, y, 1) << i;
            }
        }
    }
}

TEST(AnpassungMalen, OneCurvePerModelAndTheLegendInRankOrder) {
    const Anpassung& a = anpassung();
    AufzeichnendeLeinwand dc;
    Anpassung_Paint(dc, a, {}, LEER);
    const auto kurven = dc.nur(Art::Polylinie);
    ASSERT_EQ(kurven.size(), a.modelle.size());
    int gepunktet = 0;
    for (const auto& k : kurven) {
        EXPECT_EQ(k.punkte.size(), a.fav.size());
        gepunktet += k.stift.art == Strichart::Gepunktet;
    }
    EXPECT_EQ(gepunktet, 1) << "the second of the equivalent GE and MC";
    // The best fits are drawn last, on top.
    EXPECT_EQ(kurven.back().stift.farbe, anpassungsfarbe(a.modelle[1].art));
    std::vector<std::string> legende;  // after the axis labels
    for (const auto& t : dc.nur(Art::Text))
        if (t.schrift.hoehe == dc.nur(Art::Text).back().schrift.hoehe) legende.push_back(t.text);
    const std::string erster = modellname(a.modelle[0].art), zweiter = modellname(a.modelle[1].art);
    EXPECT_EQ(legende, (std::vector<std::string>{"Folge", "1. " + erster + " (≙ " + zweiter + ")",
                                                 "1. " + zweiter + " (≙ " + erster + ")", "3. SW", "4. BSC"}));
}

}  // namespace
