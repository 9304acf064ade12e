#include "core/anpassung/anpassung.h"

#include "core/anpassung/einzelmodelle.h"
#include "core/anpassung/guete.h"
#include "core/models/eingaberegeln.h"
#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/umrechnung.h"
#include "core/util/format.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace zor {

namespace {

// Reports steps 1..100 from the fractions of the phases of the whole fit.
class Band {
public:
    explicit Band(Fortschritt& f) : f_(f) {}
    void phase(double von, double bis) {
        von_ = von;
        bis_ = bis;
        melden(0);
    }
    void melden(double anteil) {
        const double a = von_ + (bis_ - von_) * std::clamp(anteil, 0.0, 1.0);
        const int k = 1 + static_cast<int>(99 * a);
        while (k_ < k) f_.step(++k_);
    }
    Teilfortschritt teil() {
        return [this](double a) { melden(a); };
    }

private:
    Fortschritt& f_;
    double von_ = 0, bis_ = 0;
    int k_ = 0;
};

// Each model's share of the work, in the order they are fitted (MC may start from GE).
double anteil(Modellart art) {
    switch (art) {
    case Modellart::GE: return 0.45;
    case Modellart::MC: return 0.35;
    case Modellart::SW: return 0.08;
    default: return 0.02;
    }
}

const std::vector<const char*>& namen(Modellart art) {
    static const std::vector<const char*> bsc{"p"}, ge{"p(B|G)", "p(G|B)", "pG", "pB"},
        mc{"q(B|G)", "q(G|B)", "qG", "qB"}, sw{"pZ1", "pZ2", "pZ3", "e1", "e2", "e3"};
    switch (art) {
    case Modellart::GE: return ge;
    case Modellart::MC: return mc;
    case Modellart::SW: return sw;
    default: return bsc;
    }
}

int freieParameter(Modellart art) { return art == Modellart::BSC ? 1 : art == Modellart::SW ? 5 : 4; }

// The model's parameter array as the curves, dialogs and generators read it.
ModellWerte werteAus(Modellart art, const std::vector<double>& t) {
    ModellWerte w{};
    const auto f = [](double v) { return static_cast<float>(v); };
    switch (art) {
    case Modellart::GE:
    case Modellart::MC:
        w[gemc::Bad_From_Good] = f(t[0]);
        w[gemc::Good_From_Bad] = f(t[1]);
        w[gemc::Good] = f(t[2]);
        w[gemc::Bad] = f(t[3]);
        uebergaengeErgaenzen(w);
        break;
    case Modellart::SW:
        w[sw::pZ1] = f(t[0]);
        w[sw::pZ2] = f(t[1]);
        w[sw::pZ3] = f(t[2]);
        w[sw::pFehlerZ1] = f(t[3]);
        w[sw::pFehlerZ2] = f(t[4]);
        w[sw::pFehlerZ3] = f(t[5]);
        break;
    default:
        w[bsc::p] = f(t[0]);
    }
    return w;
}

void kurvenSetzen(Modellanpassung& m, int punkte, int lags) {
    m.fav.assign(static_cast<std::size_t>(punkte), {});
    m.fkf.assign(static_cast<std::size_t>(lags) + 1, {});
    const float* w = m.werte.data();
    switch (m.art) {
    case Modellart::GE: FAV_GE_THEORIE(w, m.fav), FKF_GE_THEORIE(w, m.fkf); break;
    case Modellart::MC: FAV_MC_THEORIE(w, m.fav), FKF_MC_THEORIE(w, m.fkf); break;
    case Modellart::SW: FAV_SW_THEORIE(w, m.fav), FKF_SW_THEORIE(w, m.fkf); break;
    default: FAV_BSC_THEORIE(w[bsc::p], m.fav), FKF_BSC_THEORIE(w, m.fkf);
    }
}

Modellanpassung auswerten(Modellart art, const Rohanpassung& r, const Anpassung& a, const Abstandswerte& w,
                          const Anpassungsoptionen& o) {
    Modellanpassung m;
    m.art = art;
    for (std::size_t i = 0; i < r.theta.size(); ++i)
        m.parameter.push_back({namen(art)[i], r.theta[i], r.standardfehler[i], r.amRand[i]});
    m.freieParameter = freieParameter(art);
    m.lnL = r.lnL;
    m.AIC = 2.0 * m.freieParameter - 2 * r.lnL;
    m.BIC = m.freieParameter * std::log(static_cast<double>(a.bits)) - 2 * r.lnL;
    m.konvergiert = r.konvergiert;
    m.iterationen = r.iterationen;
    m.werte = werteAus(art, r.theta);
    m.KS = ksAbstand(w, abstandsgesetz(art, r.theta));
    kurvenSetzen(m, o.punkte, o.lags);
    m.fkfAbweichung = fkfAbweichung(a.fkf, m.fkf);
    return m;
}

Modellanpassung* gefunden(std::vector<Modellanpassung>& v, Modellart art) {
    for (auto& m : v)
        if (m.art == art) return &m;
    return nullptr;
}

// The MC model with the same gap law as a fitted GE model, when there is one.
std::optional<Zweiparameter> mcAusGe(const Modellanpassung& ge) {
    const GE_TO_MC_STRUCT r = Umrechnung(ge.werte.data());
    if (!mcModellGueltig(r)) return std::nullopt;
    Zweiparameter t{r.McBadFromGood, r.McGoodFromBad, r.McGood, r.McBad};
    if (t[2] > t[3]) std::swap(t[0], t[1]), std::swap(t[2], t[3]);
    return t;
}

// GE and MC fits that describe the sequence equally well and whose laws coincide (the GE
// fit's MC equivalent has its likelihood) are one choice, not two.
void gleichwertigeFinden(Anpassung& a, const Abstandswerte& w) {
    Modellanpassung* ge = gefunden(a.modelle, Modellart::GE);
    Modellanpassung* mc = gefunden(a.modelle, Modellart::MC);
    if (!ge || !mc) return;
    const auto t = mcAusGe(*ge);
    if (!t) return;
    const double toleranz = 1.0 + 1e-7 * std::fabs(ge->lnL);
    if (std::fabs(zweiLnL(Modellart::MC, *t, w, a.rest) - ge->lnL) > toleranz) return;
    if (std::fabs(mc->lnL - ge->lnL) > 1.0) return;
    ge->gleichwertig = Modellart::MC;
    mc->gleichwertig = Modellart::GE;
    a.hinweise.push_back(format(TEXT_GLEICHWERTIG, "GE", "MC"));
}

// By BIC; equivalent fits, and fits whose BIC agree to rounding, share the better rank.
void rangfolge(std::vector<Modellanpassung>& v) {
    std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.BIC < b.BIC; });
    // An equivalent pair stands together, at the better one's place.
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!v[i].gleichwertig) continue;
        for (std::size_t j = i + 1; j < v.size(); ++j)
            if (v[j].art == *v[i].gleichwertig) std::rotate(v.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                                            v.begin() + static_cast<std::ptrdiff_t>(j),
                                                            v.begin() + static_cast<std::ptrdiff_t>(j) + 1);
        break;
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i].rang = static_cast<int>(i) + 1;
        if (i == 0) continue;
        const bool gleich = std::fabs(v[i].BIC - v[i - 1].BIC) <= 1e-9 * std::fabs(v[i].BIC);
        if (gleich || (v[i].gleichwertig && v[i - 1].gleichwertig == v[i].art)) v[i].rang = v[i - 1].rang;
    }
}

}  // namespace

Rohanpassung bscAnpassen(const Abstandsfolge& f) {
    Rohanpassung r;
    const double n = static_cast<double>(f.bits), k = static_cast<double>(f.fehler());
    const double p = k / n;
    r.theta = {p};
    r.lnL = (k > 0 ? k * std::log(p) : 0.0) + (n > k ? (n - k) * std::log1p(-p) : 0.0);
    r.standardfehler = {std::sqrt(p * (1 - p) / n)};
    r.amRand = {false};
    r.konvergiert = true;
    return r;
}

const char* modellname(Modellart art) {
    switch (art) {
    case Modellart::BSC: return "BSC";
    case Modellart::GE: return "GE";
    case Modellart::MC: return "MC";
    case Modellart::SW: return "SW";
    default: return "";
    }
}

namespace {

Anpassung anpassenOhneGrenze(const Abstandsfolge& folge, const Anpassungsoptionen& o, Fortschritt& f) {
    Anpassung a;
    a.bits = folge.bits;
    a.fehler = folge.fehler();
    a.rest = folge.rest;
    if (a.fehler == 0 || a.fehler == a.bits) {
        a.meldung = {a.fehler == 0 ? TEXT_KEIN_FEHLER : TEXT_NUR_FEHLER, TITEL_ANPASSUNG, Symbol::Ausrufezeichen};
        return a;
    }
    Fortschrittsrahmen rahmen(f, TITEL_ANPASSUNG, TEXT_WIRD_BERECHNET);
    Band band(f);
    const auto will = [&](Modellart art) { return std::find(o.modelle.begin(), o.modelle.end(), art) != o.modelle.end(); };
    const bool zwei = will(Modellart::GE) || will(Modellart::MC);
    const Abstandswerte w = abstandswerte(folge, zwei);
    // The curves hold at most the documents' 100 points and lags.
    Anpassungsoptionen grenzen = o;
    grenzen.punkte = std::clamp(o.punkte, 1, FAV_PUNKTE);
    grenzen.lags = std::clamp(o.lags, 1, FKF_PUNKTE - 1);
    a.fav = folgenFav(w, grenzen.punkte);
    a.fkf = folgenFkf(folge, grenzen.lags);

    double fertig = 0.05;
    const auto schritt = [&](Modellart art) {
        band.phase(fertig, fertig + anteil(art));
        fertig += anteil(art);
    };
    for (const Modellart art : {Modellart::BSC, Modellart::SW, Modellart::GE, Modellart::MC}) {
        if (!will(art) || f.abgebrochen()) continue;
        schritt(art);
        Rohanpassung r;
        if (art == Modellart::BSC) {
            r = bscAnpassen(folge);
        } else if (art == Modellart::SW) {
            r = swAnpassen(w, folge.rest, band.teil(), f);
        } else {
            std::vector<Zweiparameter> weitere;
            if (const Modellanpassung* ge = gefunden(a.modelle, Modellart::GE); ge && art == Modellart::MC)
                if (const auto t = mcAusGe(*ge)) weitere.push_back(*t);
            r = zweiAnpassen(art, w, folge.rest, zweiStarts(art, w, weitere), band.teil(), f);
        }
        if (f.abgebrochen()) break;
        if (!r.theta.empty()) a.modelle.push_back(auswerten(art, r, a, w, grenzen));
    }
    if (f.abgebrochen()) {
        a.abgebrochen = true;
        a.meldung = {TEXT_ANPASSUNG_ABGEBROCHEN, TITEL_ANPASSUNG, Symbol::Information};
        a.modelle.clear();
        return a;
    }
    gleichwertigeFinden(a, w);
    rangfolge(a.modelle);
    band.phase(1, 1);
    a.ok = true;
    return a;
}

}  // namespace

Anpassung anpassen(const Abstandsfolge& folge, const Anpassungsoptionen& o, Fortschritt& f) {
    try {
        return anpassenOhneGrenze(folge, o, f);
    } catch (const std::bad_alloc&) {
        Anpassung a;
        a.meldung = {TEXT_ZU_WENIG_SPEICHER, TITEL_ANPASSUNG, Symbol::Stopp};
        return a;
    }
}

void inParametersatz(ZorState& s, int satz, const Modellanpassung& m) {
    const auto uebernehmen = [&](auto& ziel, std::initializer_list<int> indizes) {
        for (const int i : indizes) ziel[static_cast<std::size_t>(i)] = m.werte[static_cast<std::size_t>(i)];
    };
    switch (m.art) {
    case Modellart::BSC: uebernehmen(bscWerte(s, satz), {bsc::p}); break;
    case Modellart::GE:
    case Modellart::MC:
        uebernehmen(m.art == Modellart::GE ? geWerte(s, satz) : mcWerte(s, satz),
                    {gemc::Good_From_Good, gemc::Bad_From_Bad, gemc::Good_From_Bad, gemc::Bad_From_Good, gemc::Good,
                     gemc::Bad});
        break;
    case Modellart::SW:
        uebernehmen(swWerte(s, satz), {sw::pZ3, sw::pZ1, sw::pZ2, sw::pFehlerZ1, sw::pFehlerZ2, sw::pFehlerZ3});
        break;
    default: return;
    }
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(m.art, satz));
    simVon(s, satz) = 1;
    if (m.art == Modellart::GE) (satz == 0 ? s.GE_sim1 : s.GE_sim2) = 1;
    if (m.art == Modellart::MC) (satz == 0 ? s.MC_sim1 : s.MC_sim2) = 1;
    s.Modell.inaktiv = 0;
    ungueltigMachen(s, satz);
}

}  // namespace zor
