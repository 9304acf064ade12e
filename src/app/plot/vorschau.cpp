#include "app/plot/vorschau.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/plot/achse.h"
#include "core/plot/graphpaint.h"
#include "app/plot/qpainter_canvas.h"

namespace zor {
namespace {

// --- sample curves: theory of a two-state chain (GE) and of the BSC -----------------

struct Kette {
    double pGB, pBG, eG, eB;  // per-bit transitions G->B, B->G; error probabilities
};

Kette geKette(const ModellWerte& w) {
    return {w[gemc::Bad_From_Good], w[gemc::Good_From_Bad], w[gemc::Good], w[gemc::Bad]};
}

using Zeile = std::array<double, 2>;  // weights of GOOD and BAD

Zeile schritt(const Kette& k, Zeile v) {
    return {v[0] * (1 - k.pGB) + v[1] * k.pBG, v[0] * k.pGB + v[1] * (1 - k.pBG)};
}

Zeile stationaer(const Kette& k) {
    const double s = k.pGB + k.pBG;
    return {k.pBG / s, k.pGB / s};
}

std::array<STRUCT_PUNKT, FKF_PUNKTE> fkfKurve(const Kette& k) {
    std::array<STRUCT_PUNKT, FKF_PUNKTE> pt{};
    const Zeile pi = stationaer(k);
    Zeile v{pi[0] * k.eG, pi[1] * k.eB};  // error at lag 0, by state
    pt[0] = {0, static_cast<float>(v[0] + v[1])};
    for (int lag = 1; lag < FKF_PUNKTE; ++lag) {
        v = schritt(k, v);
        pt[lag] = {static_cast<float>(lag), static_cast<float>(v[0] * k.eG + v[1] * k.eB)};
    }
    return pt;
}

// P(a >= k) and p(a = k) for k = 1..100.
void favKurven(const Kette& k, std::array<STRUCT_PUNKT, FAV_PUNKTE>& ab, std::array<STRUCT_PUNKT, FAV_PUNKTE>& gleich) {
    const Zeile pi = stationaer(k);
    const double e = pi[0] * k.eG + pi[1] * k.eB;
    Zeile v{pi[0] * k.eG / e, pi[1] * k.eB / e};  // state of the error that opens the gap
    for (int i = 0; i < FAV_PUNKTE; ++i) {
        const float x = static_cast<float>(i + 1);
        ab[i] = {x, static_cast<float>(v[0] + v[1])};
        const Zeile n = schritt(k, v);
        gleich[i] = {x, static_cast<float>(n[0] * k.eG + n[1] * k.eB)};
        v = {n[0] * (1 - k.eG), n[1] * (1 - k.eB)};
    }
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

    const Kette ge = geKette(s.GEWert1);
    const Kette bsc{0, 1, s.BSCWert2[bsc::p], 0};
    for (const auto& [kette, modell] : {std::pair{ge, short{GE1}}, std::pair{bsc, short{BSC2}}}) {
        if (!d.fav) {
            const auto pt = fkfKurve(kette);
            if (d.ordinate == Skala::Linear)
                GraphPaint_LIN(dc, pt, -7500, xnorm, 12500, -8000, 51, modell, s.farbe);
            else
                GraphPaint_LOG(dc, pt, -7500, xnorm, wertneg, wertpos, ynormLog, -8000, 51, modell, s.farbe);
            continue;
        }
        std::array<STRUCT_PUNKT, FAV_PUNKTE> ab{}, gleich{};
        favKurven(kette, ab, gleich);
        const auto& pt = std::string_view(d.vorlage) == "FAVak.PLT" ? gleich : ab;
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

// --- the parameter pictures ----------------------------------------------------------

// One set's picture as the parameter document draws it; returns the faulty templates.
int parSatzMalen(QPainterCanvas& dc, const Vorlagenquelle& q, const ZorState& s, int satz) {
    const bool sim = simVon(s, satz) != 0;
    const char text = static_cast<char>((satz == 0 ? 'a' : 'c') + (sim ? 0 : 1));
    const auto ein = [&](const char* name, std::span<const float> werte, char t) {
        return plotag(dc, q, name, werte, satz, t) == 1 ? 0 : 1;
    };
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC: {
        int f = ein("BSC_PAR.PLT", bscWerte(s, satz), text);
        if (sim) f += ein("FFO_FAB.PLT", {}, bscSimfabsVon(s, satz) == 0 ? 'a' : 'b');
        return f;
    }
    case Modellart::GE: return ein("GE_PAR.PLT", geWerte(s, satz), text);
    case Modellart::MC: return ein("MC_PAR.PLT", mcWerte(s, satz), text);
    case Modellart::SW: return ein("SW_PAR.PLT", swWerte(s, satz), text);
    default: return 0;
    }
}

// The parameter document's layouts in a rectangle: one picture, or two side by side
// (wide rectangles) or stacked.
int parMalen(QPainter& p, QRectF r, const Vorlagenquelle& q, const ZorState& s) {
    const double W = r.width(), H = r.height();
    const bool breit = r.right() >= 2.8 * r.bottom();
    const auto ganz = [](double v) { return static_cast<double>(static_cast<int>(v)); };
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    if (s.Modell.M1 == 0 || s.Modell.M2 == 0) {
        a.viewportX = ganz((breit ? 0.5 : 0.25) * W);
        a.viewportY = ganz(-0.5 * H);
        a.ursprungX = ganz(0.5 * W + r.left());
        a.ursprungY = ganz(0.5 * H + r.top());
        QPainterCanvas dc(p, a);
        return parSatzMalen(dc, q, s, s.Modell.M1 != 0 ? 0 : 1);
    }
    (breit ? a.fensterX : a.fensterY) = 20000;
    a.viewportX = ganz((breit ? 0.5 : 0.3) * W);
    a.viewportY = ganz((breit ? -0.5 : -0.54) * H);
    a.ursprungX = ganz((breit ? 0.25 : 0.5) * W + r.left());
    a.ursprungY = ganz((breit ? 0.5 : 0.3) * H + r.top());
    QPainterCanvas dc(p, a);
    int fehler = parSatzMalen(dc, q, s, 0);
    a.ursprungX = ganz((breit ? 0.75 : 0.5) * W + r.left());
    a.ursprungY = ganz((breit ? 0.5 : 0.75) * H + r.top());
    dc.setzeAbbildung(a);
    return fehler + parSatzMalen(dc, q, s, 1);
}

Szene parSzene(QString name, QSize g, ZorState s) {
    return {std::move(name), g, [s, g](QPainter& p, const Vorlagenquelle& q) {
                return parMalen(p, QRectF(0, 0, g.width(), g.height()), q, s);
            }};
}

ZorState mitSatz(ZorState s, int satz, int id, int sim, int simfabs = 0) {
    modellVon(s, satz) = static_cast<std::int16_t>(id);
    simVon(s, satz) = sim;
    bscSimfabsVon(s, satz) = simfabs;
    return s;
}

// --- the page header ----------------------------------------------------------------

Szene druckSzene(QString name, char text, ZorState s) {
    const QSize seite(850, 1100);
    return {std::move(name), seite, [s, text, seite](QPainter& p, const Vorlagenquelle& q) {
                QPainterCanvas dc(p, druckkopfAbbildung(seite));
                int fehler = plotag(dc, q, "DRUCKEN.PLT", {}, 1, text) == 1 ? 0 : 1;
                const double cx = seite.width(), cy = seite.height();
                const QRectF rahmen(QPointF(static_cast<int>(0.1 * cx), static_cast<int>(0.083 * cy)),
                                    QPointF(static_cast<int>(0.9 * cx), static_cast<int>(0.4 * cy)));
                fehler += parMalen(p, rahmen, q, s);
                return fehler;
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

Abbildung druckkopfAbbildung(QSize seite) {
    Abbildung a;
    a.fensterX = a.fensterY = 10000;
    a.viewportX = static_cast<int>(0.4 * seite.width());
    a.viewportY = static_cast<int>(-0.4 * seite.height());
    a.ursprungX = static_cast<int>(0.5 * seite.width());
    a.ursprungY = static_cast<int>(0.042 * seite.height());
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

    sz.push_back(druckSzene("drucken_ff", 'a', s));
    sz.push_back(druckSzene("drucken_fkf", 'b', mitSatz(s, 1, GE2, 1)));
    sz.push_back(druckSzene("drucken_fav", 'c', mitSatz(s, 1, MC2, 0)));
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
