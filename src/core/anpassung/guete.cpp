#include "core/anpassung/guete.h"

#include "core/anpassung/einzelmodelle.h"

#include "core/models/fav.h"
#include "core/models/fkf.h"
#include "core/models/fkf_packed.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zor {

Abstandsgesetz abstandsgesetz(Modellart art, const std::vector<double>& t) {
    switch (art) {
    case Modellart::GE:
    case Modellart::MC: {
        auto z = std::make_shared<Zweizustandsabstaende>(zweiModellVon(art, {t[0], t[1], t[2], t[3]}));
        return [z](std::uint64_t k) { return z->mindestens(k); };
    }
    case Modellart::SW:
        return [t](std::uint64_t k) {
            double s = 0;
            for (std::size_t i = 0; i < 3; ++i) s += t[i] * std::pow(1 - t[3 + i], static_cast<double>(k - 1));
            return s;
        };
    default:
        return [p = t[0]](std::uint64_t k) { return std::pow(1 - p, static_cast<double>(k - 1)); };
    }
}

double ksAbstand(const Abstandswerte& w, const Abstandsgesetz& modell) {
    double gesamt = 0;
    for (const std::uint64_t a : w.anzahl) gesamt += static_cast<double>(a);
    if (gesamt == 0) return 0;
    double d = 0, mindestens = gesamt;  // gaps >= the current value
    for (std::size_t i = 0; i < w.werte.size(); ++i) {
        const std::uint64_t g = w.werte[i];
        d = std::max(d, std::fabs(mindestens / gesamt - modell(g)));
        mindestens -= static_cast<double>(w.anzahl[i]);
        d = std::max(d, std::fabs(mindestens / gesamt - modell(g + 1)));
    }
    return d;
}

std::optional<double> fkfAbweichung(std::span<const STRUCT_PUNKT> folge, std::span<const STRUCT_PUNKT> modell) {
    double summe = 0;
    int n = 0;
    for (std::size_t k = 1; k < std::min(folge.size(), modell.size()); ++k) {
        const double m = modell[k].y;
        if (!(m > 0)) continue;
        const double r = (folge[k].y - m) / m;
        summe += r * r;
        ++n;
    }
    if (n == 0) return std::nullopt;
    return std::sqrt(summe / n);
}

std::vector<STRUCT_PUNKT> folgenFav(const Abstandswerte& w, int punkte) {
    std::vector<std::int64_t> anzahl(static_cast<std::size_t>(punkte), 0);
    long long summe = 0, ueberlauf = 0;
    for (std::size_t i = 0; i < w.werte.size(); ++i) {
        const auto a = static_cast<long long>(w.anzahl[i]);
        summe += a;
        if (w.werte[i] >= 1 && w.werte[i] <= static_cast<std::uint32_t>(punkte))
            anzahl[w.werte[i] - 1] += a;
        else
            ueberlauf += a;
    }
    std::vector<STRUCT_PUNKT> kurve(static_cast<std::size_t>(punkte));
    FAV_Normierung(kurve, anzahl, summe, ueberlauf);
    return kurve;
}

std::vector<STRUCT_PUNKT> folgenFkf(const Abstandsfolge& f, int lags) {
    Korrelator kor(lags, fkfPositionen(f.bits, lags));
    for (const std::uint32_t g : f.abstaende) {
        if (kor.fehlend() == 0) break;
        kor.nullen(g - 1u);
        kor.bit(1);
    }
    kor.nullen(f.rest);
    std::vector<STRUCT_PUNKT> kurve(static_cast<std::size_t>(lags) + 1);
    FKF_ausZaehlern(kor.zaehler(), f.bits, kurve);
    return kurve;
}

}  // namespace zor
