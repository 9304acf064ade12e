#include "core/models/kurven_ermitteln.h"

#include "core/util/format.h"

#include "core/models/kurvenquelle_datei.h"

#include <algorithm>
#include <chrono>

namespace zor {

namespace {

int favPunkte(const ZorState& s) { return std::clamp(s.FAV_defbereich, 1, FAV_PUNKTE); }
int fkfLags(const ZorState& s) { return std::clamp(s.FKF_defbereich, 0, FKF_PUNKTE - 1); }

Meldung zeitbericht(std::uint32_t uhr1, std::uint32_t uhr2, const char* titel) {
    return {format("Parametersatz1:\t%.3f s\n\nParametersatz2:\t%.3f s", uhr1 * 0.001, uhr2 * 0.001), titel};
}

// Runs f(ziel) for an active set, timed; an inactive set gives no points.
template <class E, class R>
E gemessen(const Satzparameter& p, std::size_t punkte, const Fortschritt& f, R&& rechnen) {
    E e;
    if (p.art == Modellart::Inaktiv) return e;
    e.kurve.resize(punkte);
    const auto start = std::chrono::steady_clock::now();
    rechnen(e, Kurve(e.kurve));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    e.ms = static_cast<std::uint32_t>(ms.count());
    e.abgebrochen = f.abgebrochen();
    return e;
}

void dateiErgebnis(Satzkurve& e, const Ergebnis& r) {
    e.ok = r.ok;
    if (!r.meldung.text.empty()) e.meldungen.push_back(r.meldung);
}

// The stale sets of a document record, as values.
std::array<std::optional<Satzparameter>, 2> veraltete(const ZorState& s, int ermittelt1, int ermittelt2) {
    std::array<std::optional<Satzparameter>, 2> a;
    if (ermittelt1 == 0) a[0] = satzparameter(s, 0);
    if (ermittelt2 == 0) a[1] = satzparameter(s, 1);
    return a;
}

// A result belongs to the state while its set still has the parameters it was computed for.
bool passt(const ZorState& s, const std::optional<Satzparameter>& p, int satz) {
    return p && *p == satzparameter(s, satz);
}

void melden(Kurvenbericht& b, const Satzkurve& e) {
    b.ok = b.ok && e.ok;
    for (const Meldung& m : e.meldungen) b.meldungen.push_back(m);
}

}  // namespace

FavErgebnis FAV_Satz(const Satzparameter& p, int punkte, Fortschritt& f) {
    const auto d = static_cast<std::size_t>(std::clamp(punkte, 1, FAV_PUNKTE));
    return gemessen<FavErgebnis>(p, d, f, [&](FavErgebnis& e, Kurve ziel) {
        Konfidenz* k = &e.konfidenz;
        const bool theorie = p.sim == 0;
        const float* w = p.Wert.data();
        const std::uint64_t n = p.Durchlaeufe;
        switch (p.art) {
        case Modellart::BSC:
            if (theorie)
                FAV_BSC_THEORIE(w[bsc::p], ziel);
            else
                FAV_BSC_SIMULATION(w, n, ziel, p.BSC_simfabs, f, k);
            break;
        case Modellart::GE: theorie ? FAV_GE_THEORIE(w, ziel) : FAV_GE_SIMULATION(w, n, ziel, f, k); break;
        case Modellart::MC: theorie ? FAV_MC_THEORIE(w, ziel) : FAV_MC_SIMULATION(w, n, ziel, f, k); break;
        case Modellart::SW: theorie ? FAV_SW_THEORIE(w, ziel) : FAV_SW_SIMULATION(w, n, ziel, f, k); break;
        case Modellart::Datei: dateiErgebnis(e, FAV_DATEI(p.Datei, ziel, f, k)); break;
        case Modellart::Inaktiv: break;
        }
    });
}

FkfErgebnis FKF_Satz(const Satzparameter& p, int D, int erneuernd, Fortschritt& f) {
    const auto punkte = static_cast<std::size_t>(std::clamp(D, 0, FKF_PUNKTE - 1)) + 1;
    FkfErgebnis ergebnis = gemessen<FkfErgebnis>(p, punkte, f, [&](FkfErgebnis& e, Kurve ziel) {
        auto warnen = [&](const char* text) {
            if (erneuernd) e.meldungen.push_back({text, FKF_MELDUNGSTITEL});
        };
        Konfidenz* k = &e.konfidenz;
        const bool theorie = p.sim == 0;
        const float* w = p.Wert.data();
        const std::uint64_t n = p.Durchlaeufe;
        switch (p.art) {
        case Modellart::BSC:
            if (theorie)
                FKF_BSC_THEORIE(w, ziel);
            else
                FKF_BSC_SIMULATION(w, n, ziel, p.BSC_simfabs, erneuernd, f, k);
            break;
        case Modellart::GE:
            if (theorie) {
                FKF_GE_THEORIE(w, ziel);
            } else {
                FKF_GE_SIMULATION(w, n, ziel, erneuernd, f, k);
                warnen(FKF_WARNUNG_GE);
            }
            break;
        case Modellart::MC:
            if (theorie) {
                FKF_MC_THEORIE(w, ziel);
            } else {
                FKF_MC_SIMULATION(w, n, ziel, erneuernd, f, k);
                warnen(FKF_WARNUNG_MC);
            }
            break;
        case Modellart::SW: theorie ? FKF_SW_THEORIE(w, ziel) : FKF_SW_SIMULATION(w, n, ziel, erneuernd, f, k); break;
        case Modellart::Datei: {
            const Ergebnis r = FKF_DATEI(p.Datei, ziel, erneuernd, f, k);
            warnen(FKF_WARNUNG_DATEI);
            dateiErgebnis(e, r);
            break;
        }
        case Modellart::Inaktiv: break;
        }
    });
    if (!ergebnis.kurve.empty()) ergebnis.dauer = Korrelationsdauer(ergebnis.kurve, ergebnis.konfidenz);
    return ergebnis;
}

FavAuftrag favAuftrag(const ZorState& s) {
    return {veraltete(s, s.FAV.ermittelt1, s.FAV.ermittelt2), favPunkte(s),
            s.FAV_uhr != 0 && (s.FAV.ermittelt1 == 0 || s.FAV.ermittelt2 == 0)};
}

FkfAuftrag fkfAuftrag(const ZorState& s) {
    return {veraltete(s, s.FKF.ermittelt1, s.FKF.ermittelt2), fkfLags(s), s.FKF_erneuernd,
            s.FKF_uhr != 0 && (s.FKF.ermittelt1 == 0 || s.FKF.ermittelt2 == 0)};
}

FavErgebnisse berechnen(const FavAuftrag& a, Fortschritt& f) {
    FavErgebnisse e;
    for (int satz = 0; satz < 2 && !f.abgebrochen(); ++satz)
        if (a.saetze[satz]) e[satz] = FAV_Satz(*a.saetze[satz], a.punkte, f);
    return e;
}

FkfErgebnisse berechnen(const FkfAuftrag& a, Fortschritt& f) {
    FkfErgebnisse e;
    for (int satz = 0; satz < 2 && !f.abgebrochen(); ++satz)
        if (a.saetze[satz]) e[satz] = FKF_Satz(*a.saetze[satz], a.D, a.erneuernd, f);
    return e;
}

Kurvenbericht eintragen(ZorState& s, const FavAuftrag& a, const FavErgebnisse& e) {
    Kurvenbericht bericht;
    // More points than ordered cannot come from this result.
    if (favPunkte(s) > a.punkte) return bericht;
    for (int satz = 0; satz < 2; ++satz) {
        if (!e[satz] || e[satz]->abgebrochen || !passt(s, a.saetze[satz], satz)) continue;
        const auto v = satzSicht(s, satz);
        std::copy(e[satz]->kurve.begin(), e[satz]->kurve.end(), v.ptFAV.begin());
        v.FAV_konfidenz = e[satz]->konfidenz;
        v.FAV_uhr = e[satz]->ms;
        v.FAV_ermittelt = 1;
        melden(bericht, *e[satz]);
    }
    if (a.rechenzeitFaellig) bericht.rechenzeit = zeitbericht(s.FAV_uhr1, s.FAV_uhr2, FAV_RECHENZEIT_TITEL);
    return bericht;
}

Kurvenbericht eintragen(ZorState& s, const FkfAuftrag& a, const FkfErgebnisse& e) {
    Kurvenbericht bericht;
    // Another method or more lags than ordered: the result does not answer the options.
    if (fkfLags(s) > a.D || s.FKF_erneuernd != a.erneuernd) return bericht;
    for (int satz = 0; satz < 2; ++satz) {
        if (!e[satz] || e[satz]->abgebrochen || !passt(s, a.saetze[satz], satz)) continue;
        const auto v = satzSicht(s, satz);
        std::copy(e[satz]->kurve.begin(), e[satz]->kurve.end(), v.ptFKF.begin());
        v.FKF_konfidenz = e[satz]->konfidenz;
        v.FKF_uhr = e[satz]->ms;
        v.FKF_ermittelt = 1;
        const Korrelationswerte w =
            Korrelationsdauer(KurveLesen(v.ptFKF).first(static_cast<std::size_t>(fkfLags(s)) + 1), v.FKF_konfidenz);
        v.zaehler = w.zaehler, v.nenner = w.nenner, v.DK = w.DK;
        melden(bericht, *e[satz]);
    }
    if (a.rechenzeitFaellig)
        bericht.rechenzeit = zeitbericht(s.FKF_uhr1, s.FKF_uhr2,
                                         a.erneuernd ? FKF_RECHENZEIT_TITEL_ERNEUERND : FKF_RECHENZEIT_TITEL_ALLGEMEIN);
    return bericht;
}

Kurvenbericht FAV_Ermitteln(ZorState& s, Fortschritt& f) {
    const FavAuftrag a = favAuftrag(s);
    return eintragen(s, a, berechnen(a, f));
}

Kurvenbericht FKF_Ermitteln(ZorState& s, Fortschritt& f) {
    const FkfAuftrag a = fkfAuftrag(s);
    return eintragen(s, a, berechnen(a, f));
}

void FAV_PunkteAbleiten(ZorState& s) {
    const auto d = static_cast<std::size_t>(favPunkte(s));
    for (int satz = 0; satz < 2; ++satz) {
        const auto v = satzSicht(s, satz);
        FAV_Punktwahrscheinlichkeiten(KurveLesen(v.ptFAV).first(d), Kurve(v.ptFAVa).first(d));
    }
}

}  // namespace zor
