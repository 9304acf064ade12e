#include "app/plot/vorschau.h"

#include <array>
#include <cmath>
#include <optional>

#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/plot/achse.h"
#include "core/plot/graphpaint.h"
#include "app/plot/qpainter_canvas.h"

namespace zor {
namespace {

// --- sample curves: the core's theory of GE set 1 and BSC set 2 ---------------------

struct Beispiel {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> fkf{};
    std::array<STRUCT_PUNKT, FAV_PUNKTE> ab{}, gleich{};  // P(a >= k), p(a = k)
    short modell;
};

std::array<Beispiel, 2> beispiele(const ZorState& s) {
    std::array<Beispiel, 2> b{};
    b[0].modell = GE1;
    FKF_GE_THEORIE(s.GEWert1.data(), b[0].fkf);
    FAV_GE_THEORIE(s.GEWert1.data(), b[0].ab);
    b[1].modell = BSC2;
    FKF_BSC_THEORIE(s.BSCWert2.data(), b[1].fkf);
    FAV_BSC_THEORIE(s.BSCWert2[bsc::p], b[1].ab);
    for (auto& k : b) FAV_Punktwahrscheinlichkeiten(k.ab, k.gleich);
    return b;
}

// --- the curve diagrams --------------------------------------------------------------

enum class Skala { Linear, Log };

struct Diagramm {
    const char* vorlage;
    Skala abszisse, ordinate;
    bool fav;
};

int diagrammMalen(QPainter& p, QSize g, const Vorlagenquelle& q, const ZorState& s, const Diagramm& d) {
    QPainterCanvas dc(p, Abbildung::fenstereigenschaften(g.width(), g.height()));
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    const int t = 5, xnorm = 320, ynormLog = 2500;
    const float wertneg = 1e-5f, wertpos = 1.0f;
    const float yLog = std::log10(wertneg) + 1;
    Achsendaten a{-7500, -8000, 9500, 5500, -7500, -8000, 230, t * xnorm, 'n', ynormLog, 'l', t, yLog};
    Diagonal(dc, a);
    const Stift vorher = dc.stift();
    dc.setzeStift({55, SCHWARZ});
    dc.setzeTextfarbe(SCHWARZ);
    const int fehler = plotag(dc, q, d.vorlage, {}, 0, 'a') == 1 ? 0 : 1;
    if (d.abszisse == Skala::Log) a = {-7500, -8000, 9500, 5500, -7500, -8000, 230, 8000, 'l', ynormLog, 'l', 1.0f, yLog};
    if (d.ordinate == Skala::Linear) {
        a.yskala = 2500;
        a.b = 'n';
        a.ywert = 0.2f;
    }
    Achsenbeschriftung(dc, a);
    dc.setzeStift(vorher);
    dc.beschneiden(LRechteck{-20000, 5500, 20000, -8000});

    for (const Beispiel& k : beispiele(s)) {
        const short modell = k.modell;
        if (!d.fav) {
            if (d.ordinate == Skala::Linear)
                GraphPaint_LIN(dc, k.fkf, -7500, xnorm, 12500, -8000, 51, modell, s.farbe);
            else
                GraphPaint_LOG(dc, k.fkf, -7500, xnorm, wertneg, wertpos, ynormLog, -8000, 51, modell, s.farbe);
            continue;
        }
        const auto& pt = std::string_view(d.vorlage) == "FAVak.PLT" ? k.gleich : k.ab;
        if (d.abszisse == Skala::Linear && d.ordinate == Skala::Log)
            GraphPaint_LOG(dc, pt, xnorm - 7500, xnorm, wertneg, wertpos, ynormLog, -8000, 50, modell, s.farbe);
        else if (d.abszisse == Skala::Linear)
            GraphPaint_LIN(dc, pt, xnorm - 7500, xnorm, 12500, -8000, 50, modell, s.farbe);
        else if (d.ordinate == Skala::Linear)
            GraphPaint_LI_LO(dc, pt, -7500, 8000, 12500, -8000, 50, modell, s.farbe);
        else
            GraphPaint_LO_LO(dc, pt, -7500, 8000, wertneg, wertpos, ynormLog, -8000, 50, modell, s.farbe);
    }
    dc.beschneiden(std::nullopt);
    return fehler;
}

// --- the parameter pictures: the document's own painting ---------------------------

Szene parSzene(QString name, QSize g, ZorState s) {
    return {std::move(name), g, [s, g](QPainter& p, const Vorlagenquelle& q) {
                return parMalen(p, QRect(0, 0, g.width(), g.height()), q, s);
            }};
}

ZorState mitSatz(ZorState s, int satz, int id, int sim, int simfabs = 0) {
    modellVon(s, satz) = static_cast<std::int16_t>(id);
    simVon(s, satz) = sim;
    bscSimfabsVon(s, satz) = simfabs;
    return s;
}

// --- the page header ----------------------------------------------------------------

// The printed page itself, at 100 pixels per inch on letter paper.
Szene druckSzene(QString name, Druckart art, ZorState s) {
    const QSize seite(850, 1100);
    KeinFortschritt still;
    druckKurvenErmitteln(s, art, still);
    return {std::move(name), seite, [s, art, seite](QPainter& p, const Vorlagenquelle& q) mutable {
                return druckseiteMalen(p, seite, s, q, art).vorlagenFehler;
            }};
}

Szene marSzene(QString name, char text) {
    const QSize g(420, 210);
    return {std::move(name), g, [text, g](QPainter& p, const Vorlagenquelle& q) {
                QPainterCanvas dc(p, marAbbildung(g));
                return plotag(dc, q, "MAR.PLT", {}, 0, text) == 1 ? 0 : 1;
            }};
}

Szene diagrammSzene(QString name, ZorState s, Diagramm d) {
    const QSize g(900, 640);
    return {std::move(name), g, [s, d, g](QPainter& p, const Vorlagenquelle& q) {
                return diagrammMalen(p, g, q, s, d);
            }};
}

}  // namespace

QImage vorlageMalen(const Vorlagenquelle& quelle, const std::string& name, std::span<const float> werte,
                    int textfarbe, char text, const Abbildung& abbildung, QSize groesse, int* ergebnis) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    QPainterCanvas dc(p, abbildung);
    dc.setzeSchrift({Schriftfamilie::Swiss, 1050});
    const int e = plotag(dc, quelle, name, werte, textfarbe, text);
    if (ergebnis) *ergebnis = e;
    return bild;
}

Abbildung parAbbildungEinzeln(QSize g) {
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.viewportX = static_cast<int>((g.width() >= 2.8 * g.height() ? 0.5 : 0.25) * g.width());
    a.viewportY = static_cast<int>(-0.5 * g.height());
    a.ursprungX = static_cast<int>(0.5 * g.width());
    a.ursprungY = static_cast<int>(0.5 * g.height());
    return a;
}

Abbildung marAbbildung(QSize g) {
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.viewportX = g.width() / 2;
    a.viewportY = -g.height();
    a.ursprungX = g.width() / 2;
    a.ursprungY = g.height() / 2;
    a.isotrop = true;
    return a;
}

std::vector<Szene> alleSzenen(const ZorState& s) {
    const QSize einzeln(900, 600), breit(1500, 520), hoch(700, 900);
    std::vector<Szene> sz;
    sz.push_back(diagrammSzene("fkf_linear", s, {"FKF.PLT", Skala::Linear, Skala::Linear, false}));
    sz.push_back(diagrammSzene("fkf_logarithmisch", s, {"FKF.PLT", Skala::Linear, Skala::Log, false}));
    sz.push_back(diagrammSzene("fav_lin_log", s, {"FAV.PLT", Skala::Linear, Skala::Log, true}));
    sz.push_back(diagrammSzene("fav_lin_lin", s, {"FAV.PLT", Skala::Linear, Skala::Linear, true}));
    sz.push_back(diagrammSzene("fav_log_lin", s, {"FAV.PLT", Skala::Log, Skala::Linear, true}));
    sz.push_back(diagrammSzene("fav_log_log", s, {"FAV.PLT", Skala::Log, Skala::Log, true}));
    sz.push_back(diagrammSzene("favak_lin_log", s, {"FAVak.PLT", Skala::Linear, Skala::Log, true}));
    sz.push_back(diagrammSzene("favak_log_lin", s, {"FAVak.PLT", Skala::Log, Skala::Linear, true}));

    sz.push_back(parSzene("par_bsc_satz1_fehlerfolge", einzeln, mitSatz(s, 0, BSC1, 1, 0)));
    sz.push_back(parSzene("par_bsc_satz1_fehlerabstand", einzeln, mitSatz(s, 0, BSC1, 1, 1)));
    sz.push_back(parSzene("par_bsc_satz2_theorie", einzeln, mitSatz(mitSatz(s, 0, INAKTIV, 1), 1, BSC2, 0)));
    sz.push_back(parSzene("par_ge_satz1", einzeln, mitSatz(s, 0, GE1, 1)));
    sz.push_back(parSzene("par_ge_satz2_theorie", einzeln, mitSatz(mitSatz(s, 0, INAKTIV, 1), 1, GE2, 0)));
    sz.push_back(parSzene("par_mc_satz1_theorie", einzeln, mitSatz(s, 0, MC1, 0)));
    sz.push_back(parSzene("par_mc_satz2", einzeln, mitSatz(mitSatz(s, 0, INAKTIV, 1), 1, MC2, 1)));
    sz.push_back(parSzene("par_sw_satz1", einzeln, mitSatz(s, 0, SW1, 1)));
    sz.push_back(parSzene("par_sw_satz2_theorie", einzeln, mitSatz(mitSatz(s, 0, INAKTIV, 1), 1, SW2, 0)));
    sz.push_back(parSzene("par_nebeneinander_bsc_ge", breit, mitSatz(s, 1, GE2, 1)));
    sz.push_back(parSzene("par_untereinander_mc_sw", hoch, mitSatz(mitSatz(s, 0, MC1, 1), 1, SW2, 0)));

    sz.push_back(marSzene("mar_ge", 'g'));
    sz.push_back(marSzene("mar_mc", 'm'));

    sz.push_back(druckSzene("drucken_ff", Druckart::FF, s));
    sz.push_back(druckSzene("drucken_fkf", Druckart::FKF, mitSatz(s, 1, GE2, 1)));
    sz.push_back(druckSzene("drucken_fav", Druckart::FAV, mitSatz(s, 1, MC2, 0)));
    return sz;
}

QImage szeneMalen(const Szene& szene, const Vorlagenquelle& quelle, int* fehler) {
    QImage bild(szene.groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    const int f = szene.malen(p, quelle);
    if (fehler) *fehler = f;
    return bild;
}

}  // namespace zor
