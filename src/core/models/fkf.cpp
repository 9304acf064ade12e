#include "core/models/fkf.h"

#include "core/models/abstandshistogramm.h"
#include "core/models/fehlerquellen.h"
#include "core/models/konfidenz.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zor {

namespace {

int lags(Kurve ptGraph) { return static_cast<int>(ptGraph.size()) - 1; }

// R(0) = r0; R(k) = sum over j = 1..k of f[j] R(k - j), in double, stored in single precision.
void erneuerung(double r0, const double* f, Kurve ptGraph) {
    std::array<double, FKF_PUNKTE> R{};
    R[0] = r0;
    ptGraph[0] = {0.0f, static_cast<float>(r0)};
    for (std::size_t k = 1; k < ptGraph.size(); ++k) {
        double r = 0;
        for (std::size_t j = 1; j <= k; ++j) r += f[j] * R[k - j];
        R[k] = r;
        ptGraph[k] = {static_cast<float>(k), static_cast<float>(r)};
    }
}

// Fills x = k and y = r(k).
template <class F>
void kurve(Kurve ptGraph, F&& r) {
    for (std::size_t k = 0; k < ptGraph.size(); ++k)
        ptGraph[k] = {static_cast<float>(k), static_cast<float>(r(static_cast<int>(k)))};
}

// Batches of the correlation's positions: one without a band.
int chargen(std::uint64_t positionen, Konfidenz* k) { return k ? chargenFuer(positionen, CHARGE_MINDESTBITS) : 1; }

void allgemeinFertig(Korrelator& kor, std::uint64_t bits, Kurve ptGraph, Konfidenz* k) {
    FKF_ausZaehlern(kor.zaehler(), bits, ptGraph);
    if (k) FKF_KonfidenzAllgemein(kor, bits, ptGraph, *k);
}

// General estimate over n bits of a bit source, packed 64 bits to a word.
template <class Quelle>
void allgemeinBits(Quelle& q, std::uint64_t n, Kurve ptGraph, Fortschritt& f, Konfidenz* k) {
    const std::uint64_t bits = n;
    const std::uint64_t positionen = fkfPositionen(bits, lags(ptGraph));
    Korrelator kor(lags(ptGraph), positionen, chargen(positionen, k));
    const std::uint64_t bedarf = kor.fehlend();
    Schritte::prozent(bits).ueber(0, bits, f, [&](std::uint64_t a, std::uint64_t b) {
        const std::uint64_t ende = std::min(b, bedarf);
        std::uint64_t i = a;
        for (; i < ende && !kor.anWortgrenze(); ++i) kor.bit(static_cast<unsigned>(q.bit()));
        for (; i + 64 <= ende; i += 64) {
            std::uint64_t w = 0;
            for (unsigned j = 0; j < 64; ++j) w |= static_cast<std::uint64_t>(q.bit()) << j;
            kor.wort(w);
        }
        for (; i < ende; ++i) kor.bit(static_cast<unsigned>(q.bit()));
    });
    allgemeinFertig(kor, bits, ptGraph, k);
}

// General estimate over n bits of a gap source: g - 1 correct bits, then an error.
template <class Quelle>
void allgemeinAbstaende(Quelle& q, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k) {
    const std::uint64_t bits = n;
    const std::uint64_t positionen = fkfPositionen(bits, lags(ptGraph));
    Korrelator kor(lags(ptGraph), positionen, chargen(positionen, k));
    Abbruchfrage abbruch(f);
    while (kor.fehlend() > 0 && !abbruch.jetzt()) {
        kor.nullen(static_cast<std::uint64_t>(q.naechster().g - 1));
        kor.bit(1);
    }
    allgemeinFertig(kor, bits, ptGraph, k);
}

void ausHistogramm(const Chargenabstaende& c, double bits, Kurve ptGraph, Konfidenz* k) {
    const Abstandshistogramm h = c.gesamt();
    ptGraph[0] = {0.0f, bits > 0 ? static_cast<float>(static_cast<double>(h.summe) / bits) : 0.0f};
    FKF_RENEWAL(h.summe, h.anzahl, ptGraph);
    if (k) FKF_KonfidenzErneuernd(c, ptGraph, *k);
}

Chargenabstaende bitchargen(int grenze, std::uint64_t n, Konfidenz* k) {
    return Chargenabstaende(grenze, Chargenteilung(n, k ? chargenFuer(n, CHARGE_MINDESTBITS) : 1));
}

template <class Quelle>
void erneuerndBits(Quelle& q, std::uint64_t n, Kurve ptGraph, Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = bitchargen(lags(ptGraph), n, k);
    bitsZaehlen(q, n, c, f);
    ausHistogramm(c, static_cast<double>(n), ptGraph, k);
}

template <class Quelle>
void erneuerndAbstaende(Quelle& q, std::uint64_t n, Kurve ptGraph, const Fortschritt& f, Konfidenz* k) {
    Chargenabstaende c = bitchargen(lags(ptGraph), n, k);
    abstaendeInnerhalb(q, n, c, f);
    ausHistogramm(c, static_cast<double>(n), ptGraph, k);
}

template <class Quelle>
void bitweise(Quelle& q, std::uint64_t n, Kurve ptGraph, int erneuernd, Fortschritt& f, const char* titel,
              Konfidenz* k) {
    Fortschrittsrahmen rahmen(f, titel, TEXT_WIRD_BERECHNET);
    if (erneuernd)
        erneuerndBits(q, n, ptGraph, f, k);
    else
        allgemeinBits(q, n, ptGraph, f, k);
}

template <class Quelle>
void abstandsweise(Quelle& q, std::uint64_t n, Kurve ptGraph, int erneuernd, const Fortschritt& f, Konfidenz* k) {
    if (erneuernd)
        erneuerndAbstaende(q, n, ptGraph, f, k);
    else
        allgemeinAbstaende(q, n, ptGraph, f, k);
}

}  // namespace

void FKF_BSC_THEORIE(const float* Wert, Kurve ptGraph) {
    const double p = Wert[bsc::p];
    kurve(ptGraph, [&](int k) { return k == 0 ? p : p * p; });
}

void FKF_GE_THEORIE(const float* Wert, Kurve ptGraph) {
    const double eG = Wert[gemc::Good], eB = Wert[gemc::Bad];
    const double gb = Wert[gemc::Good_From_Bad], bg = Wert[gemc::Bad_From_Good];
    const double pm = gb == 0.0 && bg == 0.0 ? (eG + eB) * 0.5 : (gb * eG + bg * eB) / (gb + bg);
    kurve(ptGraph, [&](int k) {
        return k == 0 ? pm : pm * pm + (eB - pm) * (pm - eG) * std::pow(1 - gb - bg, k);
    });
}

void FKF_MC_THEORIE(const float* Wert, Kurve ptGraph) {
    const double eG = Wert[gemc::Good], eB = Wert[gemc::Bad];
    const double gb = Wert[gemc::Good_From_Bad], bg = Wert[gemc::Bad_From_Good];
    const double S = bg * eG + gb * eB;
    const double pm = S == 0.0 ? eG + eB : (gb + bg) * eG * eB / S;
    const double lambda = 1 - bg * eG - gb * eB;
    kurve(ptGraph, [&](int k) {
        if (k == 0) return pm;
        return pm * pm + (pm - eG) * (eB - pm) * (k == 1 ? 1.0 : std::pow(lambda, k - 1));
    });
}

void FKF_SW_THEORIE(const float* Wert, Kurve ptGraph) {
    const double c[3] = {Wert[sw::pZ1], Wert[sw::pZ2], Wert[sw::pZ3]};
    const double e[3] = {Wert[sw::pFehlerZ1], Wert[sw::pFehlerZ2], Wert[sw::pFehlerZ3]};
    const std::size_t D = ptGraph.size() - 1;
    // u[k]: probability of a gap longer than k; then f[j] = u[j - 1] - u[j], the gap law.
    std::array<double, FKF_PUNKTE + 1> u{}, f{};
    for (std::size_t k = 0; k <= D; ++k)
        for (int i = 0; i < 3; ++i) u[k] += c[i] * (k == 0 ? 1.0 : std::pow(1 - e[i], static_cast<double>(k)));
    for (std::size_t j = 1; j <= D; ++j) f[j] = u[j - 1] - u[j];
    double G = 0;
    for (int i = 0; i < 3; ++i) G += e[i] != 0.0 ? c[i] / e[i] : 0.0;
    // Without any error the mean gap is 0 here; the curve is then 0 rather than infinite.
    erneuerung(G != 0.0 ? 1 / G : 0.0, f.data(), ptGraph);
}

void FKF_BSC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int fabs, int erneuernd, Fortschritt& f,
                        Konfidenz* k) {
    if (fabs == 0) {
        BscBitQuelle q(Wert);
        bitweise(q, n, ptGraph, erneuernd, f, FKF_TITEL_BSC, k);
    } else {
        BscAbstandQuelle q(Wert);
        abstandsweise(q, n, ptGraph, erneuernd, f, k);
    }
}

void FKF_GE_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, Fortschritt& f, Konfidenz* k) {
    GeBitQuelle q(Wert);
    bitweise(q, n, ptGraph, erneuernd, f, FKF_TITEL_GE, k);
}

void FKF_MC_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, const Fortschritt& f,
                       Konfidenz* k) {
    McAbstandQuelle q(Wert);
    abstandsweise(q, n, ptGraph, erneuernd, f, k);
}

void FKF_SW_SIMULATION(const float* Wert, std::uint64_t n, Kurve ptGraph, int erneuernd, const Fortschritt& f,
                       Konfidenz* k) {
    SwAbstandQuelle q(Wert, SwStart::Zustand);
    abstandsweise(q, n, ptGraph, erneuernd, f, k);
}

void FKF_RENEWAL(long long summe, std::span<const std::int64_t> x, Kurve ptGraph) {
    std::array<double, FKF_PUNKTE + 1> f{};
    const double n = summe == 0 ? 1.0 : static_cast<double>(summe);
    for (std::size_t j = 1; j < ptGraph.size(); ++j) f[j] = static_cast<double>(x[j - 1]) / n;
    erneuerung(ptGraph[0].y, f.data(), ptGraph);
}

void FKF_ausZaehlern(const Korrelationszaehler& zaehler, std::uint64_t bits, Kurve ptGraph) {
    kurve(ptGraph, [&](int k) {
        return bits == 0 ? 0.0 : static_cast<double>(zaehler[static_cast<std::size_t>(k)]) / static_cast<double>(bits);
    });
}

void FKF_Leer(Kurve ptGraph) {
    kurve(ptGraph, [](int) { return 0.0; });
}

Korrelationswerte Korrelationsdauer(KurveLesen R) {
    const std::size_t D = R.size() - 1;
    if (D < 2) return {};
    double zaehler = 0;
    for (std::size_t k = 1; k <= D; ++k) zaehler += static_cast<double>(R[k].y) - R[D].y;
    const double nenner = 2.0 * R[1].y - R[2].y - R[D].y;
    // A curve that does not fall from lag 1 on has no duration: two negative noise values
    // would otherwise divide into a positive one.
    double DK = nenner > 0.0 ? zaehler / nenner : 0.0;
    DK = std::clamp(DK, 0.0, static_cast<double>(D));
    return {static_cast<float>(zaehler), static_cast<float>(nenner), static_cast<float>(DK)};
}

Korrelationswerte Korrelationsdauer(KurveLesen R, const Konfidenz& k) {
    Korrelationswerte w = Korrelationsdauer(R);
    if (k && !k.abklingend) w.DK = 0;
    return w;
}

}  // namespace zor
