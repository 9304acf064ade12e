#include "core/models/generatoren.h"

#include <array>

namespace zor {

const double* lnKehrwert() {
    static const std::array<double, 32768> tabelle = [] {
        std::array<double, 32768> t{};
        for (int k = 1; k < 32768; ++k) {
            const float u = static_cast<float>(k) * (1.0f / 32768.0f);
            t[static_cast<std::size_t>(k)] = std::log(1.0 / static_cast<double>(u));
        }
        return t;
    }();
    return tabelle.data();
}

Abstandsziehung::Abstandsziehung(float p) {
    if (p == 1.0f) {
        fest_ = 1;
        return;
    }
    if (p == 0.0f) {
        fest_ = KEIN_FEHLER_ABSTAND;
        return;
    }
    const float lambda = abstandsLambda(p);
    const double* ln = lnKehrwert();
    tabelle_.resize(32768);
    for (std::size_t k = 1; k < tabelle_.size(); ++k)
        tabelle_[k] = static_cast<std::int32_t>(abstandAus(ln[k], lambda));
}

void GE_Startzustand(int* zustand, const float* Wert, Zufall& z) {
    z.srand(startwert(Wert[0]));
    if (Wert[4] == 0.0f && Wert[5] == 0.0f) {
        *zustand = z.gleich() < 0.5f ? 1 : 0;
        return;
    }
    const double pGood = static_cast<double>(Wert[4]) / (static_cast<double>(Wert[4]) + Wert[5]);
    *zustand = pGood > z.gleich() ? 1 : 0;
}

void MC_Startzustand(int* zustand, const float* Wert, Zufall& z) {
    z.srand(startwert(Wert[0]));
    const double good = static_cast<double>(Wert[4]) * Wert[7];
    const double s = good + static_cast<double>(Wert[5]) * Wert[6];
    if (s == 0.0) {
        *zustand = z.gleich() < 0.5f ? 1 : 0;
        return;
    }
    *zustand = good / s > z.gleich() ? 1 : 0;
}

void SW_Startzustand(short* zustand, const float* Wert, Zufall& z) {
    const double w1 = static_cast<double>(Wert[3]) * Wert[6] * Wert[7];
    const double w2 = static_cast<double>(Wert[4]) * Wert[5] * Wert[7];
    const double w3 = static_cast<double>(Wert[2]) * Wert[5] * Wert[6];
    const float nenner = static_cast<float>(w1 + w2 + w3);
    z.srand(startwert(Wert[0]));
    const float u = z.gleich();
    if (nenner == 0.0f) {
        *zustand = u < 1.0 / 3.0 ? 1 : (u < 2.0 / 3.0 ? 2 : 3);
        return;
    }
    if (w1 / nenner > u)
        *zustand = 1;
    else if ((w1 + w2) / nenner > u)
        *zustand = 2;
    else
        *zustand = 3;
}

}  // namespace zor
