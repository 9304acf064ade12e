#pragma once
// Minimising a smooth function of a few unbounded variables (quasi-Newton with the BFGS
// update and a backtracking line search), and the covariance of estimates from the
// curvature of ln L at its maximum.

#include "core/util/fortschritt.h"

#include <functional>
#include <optional>
#include <vector>

namespace zor {

// f(x), and its gradient into *gradient when that is not null. +inf where f is undefined.
using Zielfunktion = std::function<double(const std::vector<double>& x, std::vector<double>* gradient)>;

struct Minimum {
    std::vector<double> x;
    double f = 0;
    int iterationen = 0;
    // The predicted further decrease fell below `genauigkeit`: x is the minimum, not a
    // point where the search gave up.
    bool konvergiert = false;
    // The inverse Hessian as the search learnt it (row by row), to start a related search.
    std::vector<double> kruemmung;
};

// From x0; stops after `hoechstens` iterations or when `halt` says the user cancelled. `kruemmung`, if
// given, is the inverse Hessian to start from (else the search learns it from scratch).
Minimum minimieren(const Zielfunktion& f, std::vector<double> x0, int hoechstens, const Fortschritt& halt,
                   const std::vector<double>& kruemmung = {}, double genauigkeit = 1e-7);

// The covariance matrix (row by row) of the estimates theta, the inverse of minus the
// Hessian of ln L, the Hessian differenced from exact gradients at theta and theta + schritt.
// Nothing when minus the Hessian is not positive definite (the data do not determine the
// parameters).
std::optional<std::vector<double>> kovarianz(const Zielfunktion& gradientLnL, const std::vector<double>& theta,
                                             const std::vector<double>& schritt);

}  // namespace zor
