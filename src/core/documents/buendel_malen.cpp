#include "core/documents/buendel_malen.h"

#include "core/documents/diagramm.h"
#include "core/documents/diagrammcursor.h"
#include "core/documents/ff_inhalt.h"
#include "core/plot/graphpaint.h"
#include "core/util/format.h"

#include <algorithm>
#include <vector>

namespace zor {

namespace {

constexpr int X_LAENGE = 16000, Y_LAENGE = 12500;
constexpr int LEGENDE_Y[3] = {7800, 7100, 6400};  // set 1, set 2, the curve styles
constexpr int LEGENDE_X = -9500;
constexpr int LEGENDE_HOEHE = 650;

// One drawn curve and its CSV column.
struct Linie {
    std::string name;
    int satz = 0;
    Kurvenart art = Kurvenart::Linie;
    std::vector<Wertpunkt> punkte;
};

const char* satzName(int satz) { return satz == 0 ? "Satz 1" : "Satz 2"; }

const char* modellName(Modellart a) {
    switch (a) {
    case Modellart::BSC: return "BSC-Modell";
    case Modellart::GE: return "GE-Modell";
    case Modellart::MC: return "MC-Modell";
    case Modellart::SW: return "SW-Modell";
    case Modellart::Datei: return "aus Datei";
    case Modellart::Inaktiv: break;
    }
    return "inaktiv";
}

// Screen colours by the model id, on paper the brighter pair (as the curve documents).
Farbe satzFarbe(const ZorState& s, int satz, int drucken) {
    return kurvenfarbe(s.farbe, drucken == 1 ? (satz == 0 ? 12 : 13) : modellVon(s, satz));
}

const char* groessenZeichen(Groesse g) { return g == Groesse::Laenge ? "L" : g == Groesse::Gewicht ? "W" : "A"; }

std::vector<Wertpunkt> abK(const std::vector<double>& werte, double erstes) {
    std::vector<Wertpunkt> p;
    for (std::size_t i = 0; i < werte.size(); ++i) p.push_back({erstes + static_cast<double>(i), werte[i]});
    return p;
}

std::vector<Linie> buendelLinien(const BuendelAnsicht& a, const Buendelsaetze& d) {
    std::vector<Linie> l;
    for (int satz = 0; satz < 2; ++satz) {
        const auto& b = d[static_cast<std::size_t>(satz)];
        if (!b || !b->gezaehlt) continue;
        const Verteilung& v = b->statistik.von(a.groesse);
        l.push_back(
            {satzName(satz), satz, Kurvenart::Linie, abK(a.punktwahrscheinlichkeit ? v.genau() : v.abWert(), 1)});
    }
    return l;
}

std::vector<Linie> blockLinien(const BlockAnsicht& a, const Blocksaetze& d) {
    std::vector<Linie> l;
    for (int satz = 0; satz < 2; ++satz) {
        const auto& b = d[static_cast<std::size_t>(satz)];
        if (!b) continue;
        const struct {
            const std::optional<Blockkurven>& k;
            const char* name;
            Kurvenart art;
        } teile[] = {{b->exakt, " exakt", Kurvenart::Linie},
                     {b->gezaehlt, " gezählt", Kurvenart::Kreuze},
                     {b->exaktVerschachtelt, " exakt verschachtelt", Kurvenart::Gepunktet},
                     {b->gezaehltVerschachtelt, " gezählt verschachtelt", Kurvenart::Quadrate}};
        for (const auto& t : teile) {
            if (!t.k) continue;
            Linie linie{std::string(satzName(satz)) + t.name, satz, t.art, {}};
            if (a.diagramm == Blockdiagramm::Restfehler) {
                for (std::size_t i = 0; i < b->laengen.size(); ++i)
                    linie.punkte.push_back({static_cast<double>(b->laengen[i]), t.k->rest[i]});
            } else {
                linie.punkte = abK(t.k->verteilung, 0);
                linie.punkte.pop_back();  // "more than M" has no place on the axis
            }
            l.push_back(std::move(linie));
        }
    }
    return l;
}

Skala yAchse(bool log, const std::vector<Linie>& linien) {
    if (!log) return Skala::linear(1, Y_LAENGE);
    double kleinster = 1, groesster = 0;
    for (const Linie& l : linien)
        for (const Wertpunkt& p : l.punkte)
            if (p.y > 0) {
                kleinster = std::min(kleinster, p.y);
                groesster = std::max(groesster, p.y);
            }
    return Skala::logarithmisch(kleinster, std::max(groesster, 1.0), Y_LAENGE);
}

Diagramm buendelDiagramm(const BuendelOptionen& o, const BuendelAnsicht& a, const std::vector<Linie>& linien) {
    const double K = std::max(o.punkte, 1);
    return {a.xLog ? Skala::logarithmisch(1, K, X_LAENGE) : Skala::linear(K, X_LAENGE), yAchse(a.yLog, linien)};
}

Diagramm blockDiagramm(const BlockOptionen& o, const BlockAnsicht& a, const std::vector<Linie>& linien) {
    const bool rest = a.diagramm == Blockdiagramm::Restfehler;
    return {Skala::linear(static_cast<double>(rest ? o.nMax : static_cast<std::uint64_t>(std::max(o.M, 1))), X_LAENGE),
            yAchse(a.yLog, linien)};
}

// Each shown set's first curve: the counted bursts, the exact block curve (else the
// counted one); a set's twins stay in the picture but the readout names only one.
Satzkurven cursorKurven(const std::vector<Linie>& linien, bool gezeigt1, bool gezeigt2) {
    Satzkurven k;
    if (gezeigt1) k[0].emplace();
    if (gezeigt2) k[1].emplace();
    // Backwards, so that a set's first curve is the one left standing.
    for (auto l = linien.rbegin(); l != linien.rend(); ++l)
        if (auto& ziel = k[static_cast<std::size_t>(l->satz)]) *ziel = l->punkte;
    return k;
}

void linienMalen(Canvas& dc, const Diagramm& dia, const ZorState& s, const std::vector<Linie>& linien, int drucken) {
    for (const Linie& l : linien) dia.kurve(dc, l.punkte, satzFarbe(s, l.satz, drucken), l.art);
}

void legende(Canvas& dc, const ZorState& s, int satz, int drucken, const std::string& text) {
    dc.setzeSchrift({Schriftfamilie::Swiss, LEGENDE_HOEHE});
    dc.setzeAusrichtung(Ausrichtung::Links);
    dc.setzeTextfarbe(satzFarbe(s, satz, drucken));
    dc.text({LEGENDE_X, LEGENDE_Y[satz]}, text);
    dc.setzeTextfarbe(SCHWARZ);
}

std::string satzKopf(const ZorState& s, int satz) {
    return format("Satz %d (%s): ", satz + 1, modellName(modellart(modellVon(s, satz))));
}

std::string buendelLegende(const ZorState& s, int satz, const Buendelbericht& b, Groesse g) {
    if (!b.ok) return satzKopf(s, satz) + "nicht ermittelt";
    if (!b.gezaehlt) return satzKopf(s, satz) + FF_THEORIE_TEXT;
    const Mittelwert& m = b.statistik.mittel[static_cast<int>(g)];
    std::string t =
        satzKopf(s, satz) + format("%llu Bündel, Mittelwert %s = %.4g",
                                   static_cast<unsigned long long>(b.statistik.buendel()), groessenZeichen(g), m.wert);
    if (m.halbbreite) t += format(" ± %.2g", *m.halbbreite);
    return t;
}

std::string blockLegende(const ZorState& s, int satz, const Blockbericht& b, const BlockOptionen& o) {
    if (!b.ok) return satzKopf(s, satz) + "nicht ermittelt";
    std::string t = satzKopf(s, satz);
    if (b.gezaehlt)
        t += format("%llu Blöcke", static_cast<unsigned long long>(b.gezaehlt->bloecke));
    else
        t += "nur exakt";
    if (o.tiefe > 1 && b.gezaehltVerschachtelt)
        t += format(", verschachtelt %llu", static_cast<unsigned long long>(b.gezaehltVerschachtelt->bloecke));
    return t;
}

}  // namespace

void BUENDEL_Paint(Canvas& dc, const ZorState& s, const BuendelOptionen& o, const BuendelAnsicht& a,
                   const Buendelsaetze& d, int drucken) {
    const auto linien = buendelLinien(a, d);
    const Diagramm dia = buendelDiagramm(o, a, linien);
    static const char* const TITEL[] = {"Bündellänge L", "Bündelgewicht W", "Abstand A zwischen Bündeln"};
    const char* zeichen = groessenZeichen(a.groesse);
    dia.rahmen(dc, "k", format(a.punktwahrscheinlichkeit ? "p(%s = k)" : "P(%s ≥ k)", zeichen),
               format("%s, Schutzabstand g = %llu", TITEL[static_cast<int>(a.groesse)],
                      static_cast<unsigned long long>(o.schutz)));
    linienMalen(dc, dia, s, linien, drucken);
    for (int satz = 0; satz < 2; ++satz)
        if (const auto& b = d[static_cast<std::size_t>(satz)])
            legende(dc, s, satz, drucken, buendelLegende(s, satz, *b, a.groesse));
}

void BLOECKE_Paint(Canvas& dc, const ZorState& s, const BlockOptionen& o, const BlockAnsicht& a, const Blocksaetze& d,
                   int drucken) {
    const auto linien = blockLinien(a, d);
    const bool rest = a.diagramm == Blockdiagramm::Restfehler;
    const Diagramm dia = blockDiagramm(o, a, linien);
    std::string titel = rest ? format("Restblockfehler P(> t), t = %d", o.t)
                             : format("Fehler je Block, n = %llu", static_cast<unsigned long long>(o.n));
    if (o.tiefe > 1) titel += format(", Verschachtelungstiefe d = %llu", static_cast<unsigned long long>(o.tiefe));
    dia.rahmen(dc, rest ? "n" : "m", rest ? "P(> t)" : "P(m, n)", titel);
    linienMalen(dc, dia, s, linien, drucken);
    for (int satz = 0; satz < 2; ++satz)
        if (const auto& b = d[static_cast<std::size_t>(satz)])
            legende(dc, s, satz, drucken, blockLegende(s, satz, *b, o));
    dc.setzeSchrift({Schriftfamilie::Swiss, LEGENDE_HOEHE});
    dc.setzeAusrichtung(Ausrichtung::Links);
    dc.text({LEGENDE_X, LEGENDE_Y[2]},
            o.tiefe > 1 ? "Linie: exakt,  ×: gezählt;  verschachtelt: gepunktet,  □" : "Linie: exakt,  ×: gezählt");
}

namespace {

std::string csv(const char* kopf, const std::vector<Linie>& linien) {
    std::string text = kopf;
    for (const Linie& l : linien) text += "," + l.name;
    text += '\n';
    std::size_t zeilen = 0;
    for (const Linie& l : linien) zeilen = std::max(zeilen, l.punkte.size());
    for (std::size_t i = 0; i < zeilen; ++i) {
        for (const Linie& l : linien)
            if (i < l.punkte.size()) {
                text += kurvenzahl(l.punkte[i].x);
                break;
            }
        for (const Linie& l : linien) {
            text += ',';
            if (i < l.punkte.size()) text += kurvenzahl(l.punkte[i].y);
        }
        text += '\n';
    }
    return text;
}

}  // namespace

Cursorbild BUENDEL_Cursorbild(const BuendelOptionen& o, const BuendelAnsicht& a, const Buendelsaetze& d) {
    const auto linien = buendelLinien(a, d);
    return {buendelDiagramm(o, a, linien), cursorKurven(linien, d[0].has_value(), d[1].has_value())};
}

Cursorbild BLOECKE_Cursorbild(const BlockOptionen& o, const BlockAnsicht& a, const Blocksaetze& d) {
    const auto linien = blockLinien(a, d);
    return {blockDiagramm(o, a, linien), cursorKurven(linien, d[0].has_value(), d[1].has_value())};
}

std::string BUENDEL_Csv(const BuendelAnsicht& a, const Buendelsaetze& d) { return csv("k", buendelLinien(a, d)); }

std::string BLOECKE_Csv(const BlockAnsicht& a, const Blocksaetze& d) {
    return csv(a.diagramm == Blockdiagramm::Restfehler ? "n" : "m", blockLinien(a, d));
}

}  // namespace zor
