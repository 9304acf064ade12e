#include "core/models/kurven_ermitteln.h"

#include "core/util/format.h"

#include "core/models/fkf.h"
#include "core/models/kurvenquelle_datei.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace zor {

namespace {

std::size_t favPunkte(const ZorState& s) { return static_cast<std::size_t>(std::clamp(s.FAV_defbereich, 1, FAV_PUNKTE)); }
std::size_t fkfPunkte(const ZorState& s) {
    return static_cast<std::size_t>(std::clamp(s.FKF_defbereich, 0, FKF_PUNKTE - 1)) + 1;
}

Meldung zeitbericht(std::uint32_t uhr1, std::uint32_t uhr2, const char* titel) {
    return {format("Parametersatz1:\t%.3f s\n\nParametersatz2:\t%.3f s", uhr1 * 0.001, uhr2 * 0.001), titel};
}

// Runs f for each set whose flag is clear: timed, then marked valid.
template <class F>
bool jeUngueltigerSatz(int& ermittelt1, int& ermittelt2, std::uint32_t& uhr1, std::uint32_t& uhr2, F&& f) {
    const bool neu = ermittelt1 == 0 || ermittelt2 == 0;
    int* flags[2] = {&ermittelt1, &ermittelt2};
    std::uint32_t* uhren[2] = {&uhr1, &uhr2};
    for (int satz = 0; satz < 2; ++satz) {
        if (*flags[satz] != 0) continue;
        const auto start = std::chrono::steady_clock::now();
        f(satz);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        *uhren[satz] = static_cast<std::uint32_t>(ms.count());
        *flags[satz] = 1;
    }
    return neu;
}

}  // namespace

Ergebnis FAV_Satz(const ZorState& s, int satz, Kurve ziel, Fortschritt& f, Konfidenz* k) {
    if (k) *k = {};
    const bool theorie = simVon(s, satz) == 0;
    const std::uint64_t n = durchlaeufe(s, satz);
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC:
        if (theorie)
            FAV_BSC_THEORIE(bscWerte(s, satz)[bsc::p], ziel);
        else
            FAV_BSC_SIMULATION(bscWerte(s, satz).data(), n, ziel, bscSimfabsVon(s, satz), f, k);
        break;
    case Modellart::GE:
        if (theorie)
            FAV_GE_THEORIE(geWerte(s, satz).data(), ziel);
        else
            FAV_GE_SIMULATION(geWerte(s, satz).data(), n, ziel, f, k);
        break;
    case Modellart::MC:
        if (theorie)
            FAV_MC_THEORIE(mcWerte(s, satz).data(), ziel);
        else
            FAV_MC_SIMULATION(mcWerte(s, satz).data(), n, ziel, k);
        break;
    case Modellart::SW:
        if (theorie)
            FAV_SW_THEORIE(swWerte(s, satz).data(), ziel);
        else
            FAV_SW_SIMULATION(swWerte(s, satz).data(), n, ziel, k);
        break;
    case Modellart::Datei:
        return FAV_DATEI(dateiVon(s, satz), ziel, f, k);
    case Modellart::Inaktiv:
        break;
    }
    return Ergebnis::Erfolg();
}

Kurvenbericht FKF_Satz(const ZorState& s, int satz, Kurve ziel, int erneuernd, Fortschritt& f, Konfidenz* k) {
    if (k) *k = {};
    Kurvenbericht bericht;
    auto warnen = [&](const char* text) {
        if (erneuernd) bericht.meldungen.push_back({text, FKF_MELDUNGSTITEL});
    };
    const bool theorie = simVon(s, satz) == 0;
    const std::uint64_t n = durchlaeufe(s, satz);
    switch (modellart(modellVon(s, satz))) {
    case Modellart::BSC:
        if (theorie)
            FKF_BSC_THEORIE(bscWerte(s, satz).data(), ziel);
        else
            FKF_BSC_SIMULATION(bscWerte(s, satz).data(), n, ziel, bscSimfabsVon(s, satz), erneuernd, f, k);
        break;
    case Modellart::GE:
        if (theorie) {
            FKF_GE_THEORIE(geWerte(s, satz).data(), ziel);
        } else {
            FKF_GE_SIMULATION(geWerte(s, satz).data(), n, ziel, erneuernd, f, k);
            warnen(FKF_WARNUNG_GE);
        }
        break;
    case Modellart::MC:
        if (theorie) {
            FKF_MC_THEORIE(mcWerte(s, satz).data(), ziel);
        } else {
            FKF_MC_SIMULATION(mcWerte(s, satz).data(), n, ziel, erneuernd, k);
            warnen(FKF_WARNUNG_MC);
        }
        break;
    case Modellart::SW:
        if (theorie)
            FKF_SW_THEORIE(swWerte(s, satz).data(), ziel);
        else
            FKF_SW_SIMULATION(swWerte(s, satz).data(), n, ziel, erneuernd, k);
        break;
    case Modellart::Datei: {
        const Ergebnis e = FKF_DATEI(dateiVon(s, satz), ziel, erneuernd, f, k);
        warnen(FKF_WARNUNG_DATEI);
        bericht.ok = e.ok;
        if (!e.meldung.text.empty()) bericht.meldungen.push_back(e.meldung);
        break;
    }
    case Modellart::Inaktiv:
        break;
    }
    return bericht;
}

Kurvenbericht FAV_Ermitteln(ZorState& s, Fortschritt& f) {
    Kurvenbericht bericht;
    const bool neu = jeUngueltigerSatz(s.FAV.ermittelt1, s.FAV.ermittelt2, s.FAV_uhr1, s.FAV_uhr2, [&](int satz) {
        auto& kurve = satz == 0 ? s.ptFAV1 : s.ptFAV2;
        const Ergebnis e = FAV_Satz(s, satz, Kurve(kurve).first(favPunkte(s)), f, &s.konfidenzFAV[static_cast<std::size_t>(satz)]);
        bericht.ok = bericht.ok && e.ok;
        if (!e.meldung.text.empty()) bericht.meldungen.push_back(e.meldung);
    });
    if (neu && s.FAV_uhr != 0) bericht.rechenzeit = zeitbericht(s.FAV_uhr1, s.FAV_uhr2, FAV_RECHENZEIT_TITEL);
    return bericht;
}

Kurvenbericht FKF_Ermitteln(ZorState& s, Fortschritt& f) {
    Kurvenbericht bericht;
    const bool neu = jeUngueltigerSatz(s.FKF.ermittelt1, s.FKF.ermittelt2, s.FKF_uhr1, s.FKF_uhr2, [&](int satz) {
        auto& kurve = satz == 0 ? s.ptFKF1 : s.ptFKF2;
        Kurvenbericht satzbericht = FKF_Satz(s, satz, Kurve(kurve).first(fkfPunkte(s)), s.FKF_erneuernd, f,
                                             &s.konfidenzFKF[static_cast<std::size_t>(satz)]);
        bericht.ok = bericht.ok && satzbericht.ok;
        for (auto& m : satzbericht.meldungen) bericht.meldungen.push_back(std::move(m));
        Korrelationsdauer(s, satz);
    });
    if (neu && s.FKF_uhr != 0)
        bericht.rechenzeit = zeitbericht(s.FKF_uhr1, s.FKF_uhr2,
                                         s.FKF_erneuernd ? FKF_RECHENZEIT_TITEL_ERNEUERND : FKF_RECHENZEIT_TITEL_ALLGEMEIN);
    return bericht;
}

void FAV_PunkteAbleiten(ZorState& s) {
    const std::size_t d = favPunkte(s);
    FAV_Punktwahrscheinlichkeiten(KurveLesen(s.ptFAV1).first(d), Kurve(s.ptFAVa1).first(d));
    FAV_Punktwahrscheinlichkeiten(KurveLesen(s.ptFAV2).first(d), Kurve(s.ptFAVa2).first(d));
}

}  // namespace zor
