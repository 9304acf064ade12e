#include "core/models/fav.h"

#include "core/models/abstandshistogramm.h"
#include "core/models/fehlerquellen.h"
#include "core/models/konfidenz.h"

#include <cmath>

namespace zor {

namespace {

// q^(k - 1), 1 for k = 1 also when q = 0.
double potenz(double q, int k) { return k == 1 ? 1.0 : std::pow(q, k - 1); }

// Fills x = k and y = sum of the terms w_i * q_i^(k - 1), each term rounded to single precision.
template <std::size_t M>
void mischung(Kurve ptGraph, const double (&w)[M], const double (&q)[M]) {
    for (std::size_t j = 0; j < ptGraph.size(); ++j) {
        const int k = static_cast<int>(j) + 1;
        float y = 0.0f;
        for (std::size_t i = 0; i < M; ++i) y += static_cast<float>(w[i] * potenz(q[i], k));
        ptGraph[j] = {static_cast<float>(k), y};
    }
}

double ohneNull(double v) { return v == 0.0 ? 1e-15 : v; }

int grenze(Kurve ptGraph) { return static_cast<int>(ptGraph.size()); }

// The batches of n simulated bits: one without a band.
Chargenabstaende zaehlung(Kurve ptGraph, std::uint64_t n, Konfidenz* k) {
    return Chargenabstaende(grenze(ptGraph), Chargenteilung(n, k ? chargenFuer(n, CHARGE_MINDESTBITS) : 1));
}

void normieren(Kurve ptGraph, const Chargenabstaende& c, Konfidenz* k) {
    const Abstandshistogramm h = c.gesamt();
    FAV_Normierung(ptGraph, h.anzahl, h.summe, h.ueberlauf);
    if (k) FAV_Konfidenz(c, ptGraph, *k);
}

}  // namespace

void FAV_BSC_THEORIE(float Wert, Kurve ptGraph) {
    mischung(ptGraph, {1.0}, {1.0 - static_cast<double>(Wert)});
}

void FAV_GE_THEORIE(const float* Wert, Kurve ptGraph) {
    const double eG = Wert[gemc::Good], eB = Wert[gemc::Bad];
    const double gb = Wert[gemc::Good_From_Bad], bg = Wert[gemc::Bad_From_Good];
    const double ugg = ohneNull((1 - eG) * Wert[gemc::Good_From_Good]);
    const double ubb = ohneNull((1 - eB) * Wert[gemc::Bad_From_Bad]);
    const double ubg = ohneNull((1 - eG) * gb);
    const double ugb = ohneNull((1 - eB) * bg);
    // The decay factors are the eigenvalues of [[ugg, ubg], [ugb, ubb]]. Their distances
    // to ubb are formed without cancellation: with transitions near 0 the plain
    // differences lose every digit and the weights become meaningless.
    const double d = ugg - ubb;
    const double D = std::sqrt(d * d + 4 * ugb * ubg);
    const double lqg = (D + (ugg + ubb)) * 0.5;
    const double lqb = (ugg * ubb - ugb * ubg) / lqg;
    const double lqgMinusUbb = d >= 0 ? (d + D) * 0.5 : 2 * ugb * ubg / (D - d);
    const double lqbMinusUbb = d >= 0 ? -2 * ugb * ubg / (D + d) : (d - D) * 0.5;
    const double xg = ubg / lqgMinusUbb;
    const double xb = ubg / lqbMinusUbb;
    const bool ohneUebergang = gb == 0.0 && bg == 0.0;
    const double mg = ohneUebergang ? 0.5 : gb / (gb + bg);
    const double mb = ohneUebergang ? 0.5 : bg / (gb + bg);
    const double pm = eG * mg + eB * mb;
    const double Z = (mg * eG + mb * eB * xg) * (xb - 1);
    const double N = (xb - xg) * pm;
    const double wg = N == 0.0 ? Z * 1e15 : Z / N;
    mischung(ptGraph, {wg, 1 - wg}, {lqg, lqb});
}

void FAV_MC_THEORIE(const float* Wert, Kurve ptGraph) {
    const float gb = Wert[gemc::Good_From_Bad], bg = Wert[gemc::Bad_From_Good];
    const bool ohneUebergang = gb == 0.0f && bg == 0.0f;
    const float wg = ohneUebergang ? 0.5f : gb / (gb + bg);
    const float wb = ohneUebergang ? 0.5f : bg / (gb + bg);
    mischung(ptGraph, {double{wg}, double{wb}},
             {1.0 - static_cast<double>(Wert[gemc::Good]), 1.0 - static_cast<double>(Wert[gemc::Bad])});
}

void FAV_SW_THEORIE(const float* Wert, Kurve ptGraph) {
    mischung(ptGraph, {double{Wert[sw::pZ1]}, double{Wert[sw::pZ2]}, double{Wert[sw::pZ3]}},
             {1.0 - static_cast<double>(Wert[sw::pFehlerZ1]), 1.0 - static_cast<double>(Wert[sw::pFehlerZ2]),
              1.0 - static_cast<double>(Wert[sw::pFehlerZ3])});
}

void FAV_BSC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int fabs, Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = zaehlung(ptGraph, n, k);
    if (fabs == 0) {
        Fortschrittsrahmen rahmen(f, FAV_TITEL_BSC, TEXT_WIRD_BERECHNET);
        BscBitQuelle q(Wert);
        bitsZaehlen(q, n, c, f);
    } else {
        BscAbstandQuelle q(Wert);
        abstaendeInnerhalb(q, n, c, f);
    }
    normieren(ptGraph, c, k);
}

void FAV_GE_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = zaehlung(ptGraph, n, k);
    {
        Fortschrittsrahmen rahmen(f, FAV_TITEL_GE, TEXT_WIRD_BERECHNET);
        GeBitQuelle q(Wert);
        bitsZaehlen(q, n, c, f);
    }
    normieren(ptGraph, c, k);
}

void FAV_MC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = zaehlung(ptGraph, n, k);
    McAbstandQuelle q(Wert);
    abstaendeBisUeber(q, n, c, f);
    normieren(ptGraph, c, k);
}

void FAV_SW_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = zaehlung(ptGraph, n, k);
    SwAbstandQuelle q(Wert, SwStart::Zustand);
    abstaendeBisUeber(q, n, c, f);
    normieren(ptGraph, c, k);
}

void FAV_Normierung(Kurve ptGraph, std::span<const std::int64_t> anzahl, long long summe, long long ueberlauf) {
    // Summed from the top in integers: y(k - 1) = (gaps >= k) / summe exactly.
    const double n = summe == 0 ? 1.0 : static_cast<double>(summe);
    long long ab = summe == 0 ? 1 : ueberlauf;
    for (std::size_t j = ptGraph.size(); j-- > 0;) {
        ab += anzahl[j];
        ptGraph[j] = {static_cast<float>(j + 1), static_cast<float>(static_cast<double>(ab) / n)};
    }
}

void FAV_Punktwahrscheinlichkeiten(KurveLesen ptFAV, Kurve ptFAVa) {
    const std::size_t d = ptFAV.size();
    for (std::size_t j = 0; j + 1 < d; ++j) ptFAVa[j] = {ptFAV[j].x, ptFAV[j].y - ptFAV[j + 1].y};
    if (d >= 2)
        ptFAVa[d - 1] = {ptFAV[d - 1].x, ptFAVa[d - 2].y};
    else if (d == 1)
        ptFAVa[0] = ptFAV[0];
}

void FAV_Leer(Kurve ptGraph) {
    for (std::size_t j = 0; j < ptGraph.size(); ++j) ptGraph[j] = {static_cast<float>(j + 1), 1.0f};
}

}  // namespace zor
