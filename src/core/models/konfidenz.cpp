#include "core/models/konfidenz.h"

#include "core/models/fkf.h"
#include "core/util/format.h"

#include <cmath>

namespace zor {

static_assert(BAND_PUNKTE == FKF_PUNKTE && FAV_PUNKTE <= BAND_PUNKTE);

namespace {

using Ohne = std::vector<std::array<double, FKF_PUNKTE>>;

// t * the jackknife standard error of the leave-one-out values x_j = wert(j).
template <class F>
double halbbreite(int B, F&& wert) {
    double mittel = 0;
    for (int j = 0; j < B; ++j) mittel += wert(j);
    mittel /= B;
    double quadrate = 0;
    for (int j = 0; j < B; ++j) quadrate += (wert(j) - mittel) * (wert(j) - mittel);
    return studentT975(B - 1) * std::sqrt(quadrate * (B - 1) / B);
}

void bandAus(const Ohne& ohne, std::size_t punkte, Kurvenband& band) {
    const int B = static_cast<int>(ohne.size());
    for (std::size_t i = 0; i < punkte; ++i)
        band.halb[i] = static_cast<float>(halbbreite(B, [&](int j) { return ohne[static_cast<std::size_t>(j)][i]; }));
}

Abstandshistogramm ohneCharge(Abstandshistogramm h, const Abstandshistogramm& c) {
    for (std::size_t i = 0; i < h.anzahl.size(); ++i) h.anzahl[i] -= c.anzahl[i];
    h.summe -= c.summe;
    h.ueberlauf -= c.ueberlauf;
    return h;
}

std::array<double, FKF_PUNKTE> werte(KurveLesen kurve) {
    std::array<double, FKF_PUNKTE> y{};
    for (std::size_t i = 0; i < kurve.size(); ++i) y[i] = kurve[i].y;
    return y;
}

// The drop of a curve from lag 1 to the mean of its upper half of lags.
template <class Y>
double abfall(const Y& y, std::size_t n) {
    double schwanz = 0;
    for (std::size_t i = (n - 1) / 2; i < n; ++i) schwanz += y[i];
    return y[1] - schwanz / static_cast<double>(n - (n - 1) / 2);
}

// The duration's interval and whether the decay stands out of the noise, from the
// curves without each batch (`ohne`, D + 1 points each) and the whole curve. A decay
// counts when the duration's numerator and denominator and the drop to the tail each
// lie above their band: numerator and denominator both subtract R(D), so one low
// noise value there lifts both at once, which the drop to the tail's mean does not
// follow. Without a decay the duration is 0.
void dauerAus(const Ohne& ohne, KurveLesen kurve, Konfidenz& k) {
    const std::size_t n = kurve.size();
    const int B = static_cast<int>(ohne.size());
    std::vector<Korrelationswerte> w;
    std::array<STRUCT_PUNKT, FKF_PUNKTE> p{};
    for (const auto& y : ohne) {
        for (std::size_t i = 0; i < n; ++i) p[i] = {static_cast<float>(i), static_cast<float>(y[i])};
        w.push_back(Korrelationsdauer(KurveLesen(p).first(n)));
    }
    auto je = [&](auto wert) { return halbbreite(B, [&](int j) { return wert(w[static_cast<std::size_t>(j)]); }); };
    const double hNenner = je([](const Korrelationswerte& x) { return x.nenner; });
    const double hZaehler = je([](const Korrelationswerte& x) { return x.zaehler; });
    const double hDauer = je([](const Korrelationswerte& x) { return x.DK; });
    const double hAbfall = halbbreite(B, [&](int j) { return abfall(ohne[static_cast<std::size_t>(j)], n); });
    const std::array<double, FKF_PUNKTE> ganz = werte(kurve);
    const Korrelationswerte mitte = Korrelationsdauer(kurve);
    k.abklingend = mitte.nenner > hNenner && mitte.zaehler > hZaehler && abfall(ganz, n) > hAbfall;
    const auto D = static_cast<float>(n - 1);
    k.dauerUnten = k.abklingend ? std::clamp(static_cast<float>(mitte.DK - hDauer), 0.0f, D) : 0.0f;
    k.dauerOben = k.abklingend ? std::clamp(static_cast<float>(mitte.DK + hDauer), 0.0f, D) : 0.0f;
}

}  // namespace

double studentT975(int f) {
    const double nu = std::max(f, 1);
    // P(|T| < t) for whole degrees of freedom by the finite series in theta = atan(t / sqrt(nu)).
    auto innen = [&](double t) {
        const double th = std::atan(t / std::sqrt(nu)), c2 = std::cos(th) * std::cos(th);
        const bool gerade = f % 2 == 0;
        double glied = gerade ? 1.0 : std::cos(th), summe = f == 1 ? 0.0 : glied;
        for (int i = gerade ? 2 : 3; i <= f - 2; i += 2) {
            glied *= c2 * (i - 1.0) / i;
            summe += glied;
        }
        return gerade ? std::sin(th) * summe : 2 / std::acos(-1.0) * (th + std::sin(th) * summe);
    };
    const double dichteFaktor =
        std::exp(std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2)) / std::sqrt(nu * std::acos(-1.0));
    // Newton from the normal quantile; P(|T| < t) grows with slope twice the density.
    double t = 1.959963984540054;
    for (int i = 0; i < 100; ++i) {
        const double schritt = (innen(t) - 0.95) / (2 * dichteFaktor * std::pow(1 + t * t / nu, -(nu + 1) / 2));
        t -= schritt;
        if (std::abs(schritt) < 1e-12 * t) break;
    }
    return t;
}

int chargenFuer(std::uint64_t n, std::uint64_t mindestens) {
    return n / CHARGEN >= std::max<std::uint64_t>(mindestens, 1) ? CHARGEN : 1;
}

void FAV_Konfidenz(const Chargenabstaende& c, KurveLesen kurve, Konfidenz& k) {
    const Abstandshistogramm gesamt = c.gesamt();
    k = {};
    k.fehler = static_cast<std::uint64_t>(gesamt.summe);
    k.bits = c.alleBits();
    const int B = c.teilung.anzahl();
    if (B < 2) return;
    const std::size_t d = kurve.size();
    Ohne ab(static_cast<std::size_t>(B)), punkt(static_cast<std::size_t>(B));
    std::array<STRUCT_PUNKT, FAV_PUNKTE> y{}, p{};
    for (int j = 0; j < B; ++j) {
        const Abstandshistogramm h = ohneCharge(gesamt, c.charge[static_cast<std::size_t>(j)]);
        FAV_Normierung(Kurve(y).first(d), h.anzahl, h.summe, h.ueberlauf);
        FAV_Punktwahrscheinlichkeiten(KurveLesen(y).first(d), Kurve(p).first(d));
        ab[static_cast<std::size_t>(j)] = werte(KurveLesen(y).first(d));
        punkt[static_cast<std::size_t>(j)] = werte(KurveLesen(p).first(d));
    }
    bandAus(ab, d, k.band);
    bandAus(punkt, d, k.punktband);
    k.chargen = B;
}

void FKF_KonfidenzAllgemein(const Korrelator& kor, std::uint64_t bits, KurveLesen kurve, Konfidenz& k) {
    const auto& z = kor.chargenZaehler();
    const Chargenteilung& t = kor.teilung();
    Korrelationszaehler summe{};
    for (const auto& c : z)
        for (std::size_t i = 0; i < summe.size(); ++i) summe[i] += c[i];
    k = {};
    k.fehler = summe[0];
    k.bits = bits;
    const int B = t.anzahl();
    if (B < 2 || bits == 0) return;
    const std::size_t n = kurve.size();
    const auto P = static_cast<double>(t.laenge());
    Ohne ohne(static_cast<std::size_t>(B));
    for (int j = 0; j < B; ++j) {
        // Without batch j the sequence is shorter by the batch's share of the positions.
        const double anteil = static_cast<double>(t.grenze(j + 1) - t.grenze(j)) / P;
        const double rest = static_cast<double>(bits) * (1 - anteil);
        const auto& c = z[static_cast<std::size_t>(j)];
        for (std::size_t i = 0; i < n; ++i)
            ohne[static_cast<std::size_t>(j)][i] = rest > 0 ? static_cast<double>(summe[i] - c[i]) / rest : 0.0;
    }
    bandAus(ohne, n, k.band);
    dauerAus(ohne, kurve, k);
    k.chargen = B;
}

void FKF_KonfidenzErneuernd(const Chargenabstaende& c, KurveLesen kurve, Konfidenz& k) {
    const Abstandshistogramm gesamt = c.gesamt();
    const std::uint64_t bits = c.alleBits();
    k = {};
    k.fehler = static_cast<std::uint64_t>(gesamt.summe);
    k.bits = bits;
    const int B = c.teilung.anzahl();
    if (B < 2) return;
    const std::size_t n = kurve.size();
    Ohne ohne(static_cast<std::size_t>(B));
    std::array<STRUCT_PUNKT, FKF_PUNKTE> y{};
    for (int j = 0; j < B; ++j) {
        const auto u = static_cast<std::size_t>(j);
        const Abstandshistogramm h = ohneCharge(gesamt, c.charge[u]);
        const std::uint64_t b = bits - c.bits[u];
        y[0] = {0.0f, b > 0 ? static_cast<float>(static_cast<double>(h.summe) / static_cast<double>(b)) : 0.0f};
        FKF_RENEWAL(h.summe, h.anzahl, Kurve(y).first(n));
        ohne[u] = werte(KurveLesen(y).first(n));
    }
    bandAus(ohne, n, k.band);
    dauerAus(ohne, kurve, k);
    k.chargen = B;
}

std::string mitHalbbreite(float wert, float halb) {
    if (!(halb > 0)) return format("%.5g ± 0", static_cast<double>(wert));
    // The half-width to two significant digits, the value to the same decimal place.
    const int stellen = 1 - static_cast<int>(std::floor(std::log10(static_cast<double>(halb))));
    if (stellen < 0 || stellen > 8) return format("%.5g ± %.2g", static_cast<double>(wert), static_cast<double>(halb));
    std::string fest = format("%.*f ± %.*f", stellen, static_cast<double>(wert), stellen, static_cast<double>(halb));
    // The readout has room for about 15 characters right of "Ordinate:"; small values
    // share one power of ten instead: "(1.0 ± 2.4)e-4".
    if (fest.size() <= HALBBREITE_ZEICHEN || std::abs(wert) >= 1) return fest;
    const int hoch = static_cast<int>(std::floor(std::log10(std::max(std::abs(static_cast<double>(wert)),
                                                                      static_cast<double>(halb)))));
    const double teiler = std::pow(10.0, hoch);
    const int nach = std::max(stellen + hoch, 0);
    std::string kurz = format("(%.*f ± %.*f)e%d", nach, wert / teiler, nach, halb / teiler, hoch);
    return kurz.size() < fest.size() ? kurz : fest;
}

std::optional<std::uint64_t> noetigeLaenge(const Konfidenz& k, KurveLesen kurve, std::size_t pos) {
    if (k.bits == 0) return std::nullopt;  // a closed formula
    double faktor = 1;
    auto mindestens = [&](double f) { faktor = std::max(faktor, f); };
    if (k.fehler < BAND_MINDESTFEHLER)
        mindestens(static_cast<double>(BAND_MINDESTFEHLER) / static_cast<double>(std::max<std::uint64_t>(k.fehler, 1)));
    if (!k) {
        // Too short to cut into batches at all.
        mindestens(static_cast<double>(CHARGEN * CHARGE_MINDESTBITS) / static_cast<double>(k.bits));
    } else if (pos < kurve.size()) {
        double relativ = 0;
        if (kurve[pos].y > 0) {
            relativ = k.band.halb[pos] / kurve[pos].y;
        } else {
            // One event's relative half-width: t times one over the square root of one.
            const bool spaeter = std::any_of(kurve.begin() + static_cast<std::ptrdiff_t>(pos), kurve.end(),
                                             [](const STRUCT_PUNKT& p) { return p.y > 0; });
            if (spaeter) relativ = studentT975(k.chargen - 1);
        }
        if (relativ > BAND_HOECHSTE_HALBBREITE) mindestens((relativ / BAND_HOECHSTE_HALBBREITE) * (relativ / BAND_HOECHSTE_HALBBREITE));
    }
    if (faktor <= 1) return std::nullopt;
    // The factor comes from single-precision widths: a hair above a whole number is that number.
    double n = std::ceil(static_cast<double>(k.bits) * faktor * (1 - 1e-6));
    const double stufe = std::pow(10.0, std::max(0.0, std::floor(std::log10(n)) - 1));
    return static_cast<std::uint64_t>(std::ceil(n / stufe) * stufe);
}

std::string folgeZuKurz(std::optional<std::uint64_t> n) {
    if (!n) return {};
    return format("Folge zu kurz: N ≈ %llu nötig", static_cast<unsigned long long>(*n));
}

}  // namespace zor
