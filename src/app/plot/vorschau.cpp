#include "app/plot/vorschau.h"

#include <algorithm>
#include <cstdio>

#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "core/models/kurven_ermitteln.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "app/plot/qpainter_canvas.h"

namespace zor {
namespace {

// The samples are theory curves of fixed parameters: a report here is a fault of the
// samples themselves, so it goes to stderr rather than into a silent picture.
void melden(const Kurvenbericht& k) {
    for (const Meldung& m : k.meldungen) std::fprintf(stderr, "%s\n", m.text.c_str());
}

// --- the curve diagrams: the documents' own painting on sample curves -----------------

// GE theory in set 1 and BSC theory in set 2, computed by the core as the documents do.
ZorState mitBeispielkurven(ZorState s) {
    s.Modell.M1 = GE1;
    s.Modell.M2 = BSC2;
    s.Modell.sim1 = s.Modell.sim2 = 0;
    s.FAV.ermittelt1 = s.FAV.ermittelt2 = s.FKF.ermittelt1 = s.FKF.ermittelt2 = 0;
    KeinFortschritt still;
    melden(FAV_Ermitteln(s, still));
    melden(FKF_Ermitteln(s, still));
    return s;
}

enum class Skala { Linear, Log };

struct Diagramm {
    bool fav;
    bool ak;  // p(a = k) instead of P(a >= k)
    Skala abszisse, ordinate;
    int cursor = -1;  // cursor position, -1: none
};

Szene diagrammSzene(QString name, const ZorState& beispiel, Diagramm d) {
    const QSize g(900, 640);
    ZorState s = beispiel;
    s.Modell.AB = d.ak ? 1 : 0;
    s.FAV_abszisse = d.abszisse == Skala::Linear ? 1 : 0;
    (d.fav ? s.FAV : s.FKF).ordinate = d.ordinate == Skala::Linear ? 1 : 0;
    (d.fav ? s.Cursor.FAV : s.Cursor.FKF) = d.cursor >= 0 ? 1 : 0;
    (d.fav ? s.FAV_xpos : s.FKF_xpos) = std::max(d.cursor, 0);
    return {std::move(name), g, [s, d, g](QPainter& p, const Vorlagenquelle& q) mutable {
                if (d.fav)
                    favMalen(p, g, s, q, 0);
                else
                    fkfMalen(p, g, s, q, 0);
                // The painting ignores a faulty template as the documents do; the scene
                // reports it by drawing the template once more where nobody sees it.
                AufzeichnendeLeinwand probe;
                const char* vorlage = !d.fav ? "FKF.PLT" : d.ak ? "FAVak.PLT" : "FAV.PLT";
                return plotag(probe, q, vorlage, {}, 0, 'a') == 1 ? 0 : 1;
            }};
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
Szene druckSzene(QString name, const Druckart& art, ZorState s) {
    const QSize seite(850, 1100);
    KeinFortschritt still;
    melden(druckKurvenErmitteln(s, art, still));
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
    const ZorState kurven = mitBeispielkurven(s);
    sz.push_back(diagrammSzene("fkf_linear", kurven, {false, false, Skala::Linear, Skala::Linear}));
    sz.push_back(diagrammSzene("fkf_logarithmisch", kurven, {false, false, Skala::Linear, Skala::Log}));
    sz.push_back(diagrammSzene("fav_lin_log", kurven, {true, false, Skala::Linear, Skala::Log}));
    sz.push_back(diagrammSzene("fav_lin_lin", kurven, {true, false, Skala::Linear, Skala::Linear}));
    sz.push_back(diagrammSzene("fav_log_lin", kurven, {true, false, Skala::Log, Skala::Linear}));
    sz.push_back(diagrammSzene("fav_log_log", kurven, {true, false, Skala::Log, Skala::Log}));
    sz.push_back(diagrammSzene("favak_lin_log", kurven, {true, true, Skala::Linear, Skala::Log}));
    sz.push_back(diagrammSzene("favak_log_lin", kurven, {true, true, Skala::Log, Skala::Linear}));
    sz.push_back(diagrammSzene("fkf_cursor", kurven, {false, false, Skala::Linear, Skala::Log, 12}));
    sz.push_back(diagrammSzene("fav_cursor", kurven, {true, false, Skala::Linear, Skala::Log, 7}));

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

    sz.push_back(druckSzene("drucken_ff", DRUCK_FF, s));
    sz.push_back(druckSzene("drucken_fkf", DRUCK_FKF, mitSatz(s, 1, GE2, 1)));
    sz.push_back(druckSzene("drucken_fav", DRUCK_FAV, mitSatz(s, 1, MC2, 0)));
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
