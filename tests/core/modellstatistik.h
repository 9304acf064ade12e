#pragma once
// The error rate the generation procedures must show over n bits, with its standard
// deviation, and the share of bits in the first state, derived from each model's chain for
// the 15-bit uniform draws: P(u <= p) = (floor(32768 p) + 1) / 32768,
// P(u < q) = ceil(32768 q) / 32768, and gap moments over the 32767 non-zero draws.

#include "core/models/generatoren.h"
#include "core/models/zor_state.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace modellstatistik {

inline double pKleinerGleich(double p) { return std::min(1.0, (std::floor(32768.0 * p) + 1.0) / 32768.0); }
inline double pKleiner(double q) { return std::min(1.0, std::ceil(32768.0 * q) / 32768.0); }

struct Momente {
    double m, v;  // mean and variance of one gap
};
inline Momente gapMomente(float p) {
    if (p == 1.0f) return {1.0, 0.0};
    zor::Abstandsziehung z(p);
    double s = 0, s2 = 0;
    for (int k = 1; k < 32768; ++k) {
        const double g = static_cast<double>(z.fuerZiehung(k));
        s += g;
        s2 += g * g;
    }
    const double m = s / 32767.0;
    return {m, s2 / 32767.0 - m * m};
}

struct Erwartung {
    double rate, rateSigma, anteil, anteilSigma;  // anteil: share of bits in GOOD resp. Z1
};

// Gap procedures: the state of each gap is a Markov chain with stationary law nu and,
// for two states, correlation lambda (0 for independent states, as with SW).
inline Erwartung markovErneuerung(const std::vector<double>& nu, const std::vector<Momente>& g, double lambda,
                                  double n) {
    double mu = 0;
    for (std::size_t s = 0; s < nu.size(); ++s) mu += nu[s] * g[s].m;
    const double anteil = nu[0] * g[0].m / mu;
    const double faktor = (1 + lambda) / (1 - lambda);
    double varM = 0, vIn = 0, varH = 0, vH = 0;
    for (std::size_t s = 0; s < nu.size(); ++s) {
        varM += nu[s] * (g[s].m - mu) * (g[s].m - mu);
        vIn += nu[s] * g[s].v;
        const double a = (s == 0 ? 1.0 : 0.0) - anteil;
        varH += nu[s] * (g[s].m * a) * (g[s].m * a);
        vH += nu[s] * a * a * g[s].v;
    }
    const double sigmaG2 = vIn + varM * faktor;
    return {1.0 / mu, std::sqrt(sigmaG2 / (mu * mu * mu * n)), anteil, std::sqrt((vH + varH * faktor) / (mu * n))};
}

inline Erwartung bscBits(const zor::BscWerte& w, double n) {
    const double q = pKleinerGleich(w[zor::bsc::p]);
    return {q, std::sqrt(q * (1 - q) / n), 1.0, 0.0};
}

inline Erwartung geBits(const zor::ModellWerte& w, double n) {
    const double gg = pKleiner(w[zor::gemc::Good_From_Good]), gb = pKleiner(w[zor::gemc::Good_From_Bad]);
    const double lambda = gg - gb;
    const double piG = gb / (gb + 1 - gg);
    const double eG = pKleinerGleich(w[zor::gemc::Good]), eB = pKleinerGleich(w[zor::gemc::Bad]);
    const double rate = piG * eG + (1 - piG) * eB;
    const double varE = piG * (1 - piG) * (eG - eB) * (eG - eB);
    return {rate, std::sqrt((rate * (1 - rate) + 2 * varE * lambda / (1 - lambda)) / n), piG,
            std::sqrt(piG * (1 - piG) * (1 + lambda) / (1 - lambda) / n)};
}

inline Erwartung mcBits(const zor::ModellWerte& w, double n) {
    const double gg = pKleiner(w[zor::gemc::Good_From_Good]), gb = pKleiner(w[zor::gemc::Good_From_Bad]);
    const double nuG = gb / (gb + 1 - gg);
    return markovErneuerung({nuG, 1 - nuG}, {gapMomente(w[zor::gemc::Good]), gapMomente(w[zor::gemc::Bad])}, gg - gb,
                            n);
}

inline Erwartung swBits(const zor::ModellWerte& w, double n) {
    const double p1 = pKleiner(w[zor::sw::pZ1]);
    const double p12 = pKleiner(static_cast<double>(w[zor::sw::pZ1]) + w[zor::sw::pZ2]);
    return markovErneuerung(
        {p1, p12 - p1, 1 - p12},
        {gapMomente(w[zor::sw::pFehlerZ1]), gapMomente(w[zor::sw::pFehlerZ2]), gapMomente(w[zor::sw::pFehlerZ3])}, 0.0, n);
}

}  // namespace modellstatistik
