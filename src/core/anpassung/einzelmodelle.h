#pragma once
// The fits of the single models, in their natural parameters (probabilities). Internal to
// the model fitting; the tests reach the likelihoods through here.

#include "core/anpassung/abstandsfolge.h"
#include "core/anpassung/zweizustand.h"
#include "core/models/zor_state.h"
#include "core/util/fortschritt.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zor {

// Fraction 0..1 of a fit done, for the progress bar.
using Teilfortschritt = std::function<void(double)>;

struct Rohanpassung {
    std::vector<double> theta;
    std::vector<std::optional<double>> standardfehler;
    std::vector<bool> amRand;
    double lnL = 0;
    bool konvergiert = false;
    int iterationen = 0;
};

// BSC: theta = {p}, closed form.
Rohanpassung bscAnpassen(const Abstandsfolge& f);

// GE: theta = {p(B|G), p(G|B), eG, eB}; MC: theta = {q(B|G), q(G|B), qG, qB}. GOOD is the
// state with the lower error probability.
using Zweiparameter = std::array<double, 4>;
Rohanpassung zweiAnpassen(Modellart art, const Abstandswerte& w, std::uint64_t rest,
                          const std::vector<Zweiparameter>& starts, const Teilfortschritt& melden, const Fortschritt& halt);
// Starting points for GE or MC from the gap histogram (a mixture of two geometric laws
// fitted first); `weitere` are added as they are (e.g. another model's fit).
std::vector<Zweiparameter> zweiStarts(Modellart art, const Abstandswerte& w, const std::vector<Zweiparameter>& weitere);
double zweiLnL(Modellart art, const Zweiparameter& theta, const Abstandswerte& w, std::uint64_t rest);
// The chain of a GE or MC parameter set, as its generator runs it.
Zweizustandsmodell<double> zweiModellVon(Modellart art, const Zweiparameter& theta);

// SW: fitted over {pZ1, pZ2, e1, e2, e3} (pZ3 = 1 - pZ1 - pZ2, e1 <= e2 <= e3); the
// result's theta is {pZ1, pZ2, pZ3, e1, e2, e3}.
using Swparameter = std::array<double, 5>;
Rohanpassung swAnpassen(const Abstandswerte& w, std::uint64_t rest, const Teilfortschritt& melden, const Fortschritt& halt);
double swLnL(const Swparameter& theta, const Abstandswerte& w, std::uint64_t rest);

// A mixture of k geometric gap laws by EM on the histogram, from the given error
// probabilities with equal weights: {weights..., error probabilities...}.
std::vector<double> geometrischeMischung(const Abstandswerte& w, std::vector<double> e, int schritte);

}  // namespace zor
