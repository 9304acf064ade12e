#include "core/documents/kurvenband.h"

#include <algorithm>

#include "core/models/konfidenz.h"
#include "core/util/format.h"

namespace zor {
namespace {

constexpr int HINWEIS_SCHRIFTHOEHE = 700;
constexpr int HINWEIS_RECHTS = 9300;
constexpr int HINWEIS_ZEILE = 800;

const Kurvenband* bandVon(const Konfidenz& k, bool aktiv, int option, bool punkte) {
    if (!option || !aktiv || !k) return nullptr;
    return punkte ? &k.punktband : &k.band;
}

}  // namespace

const Kurvenband* favBand(const ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    return bandVon(v.FAV_konfidenz, v.M != 0, s.FAV_band, s.Modell.AB == 1);
}

const Kurvenband* fkfBand(const ZorState& s, int satz) {
    const auto v = satzSicht(s, satz);
    return bandVon(v.FKF_konfidenz, v.M != 0, s.FKF_band, false);
}

Farbe bandfarbe(Farbe kurve) {
    auto hell = [](std::uint8_t c) { return static_cast<std::uint8_t>(c + (255 - c) * 3 / 4); };
    return {hell(kurve.rot), hell(kurve.gruen), hell(kurve.blau)};
}

void BandMalen(Canvas& dc, std::span<const STRUCT_PUNKT> kurve, const Kurvenband& band, const Kurvenlage& lage, int n,
               Farbe farbe) {
    const auto m = std::min(kurve.size(), static_cast<std::size_t>(std::max(n, 0)));
    std::vector<STRUCT_PUNKT> unten(m), oben(m);
    for (std::size_t i = 0; i < m; ++i) {
        unten[i] = {kurve[i].x, band.unten(i, kurve[i].y)};
        oben[i] = {kurve[i].x, band.oben(i, kurve[i].y)};
    }
    BandPaint(dc, unten, oben, lage, static_cast<int>(m), farbe);
}

bool gleichesModell(const Satzparameter& a, const Satzparameter& b) {
    if (a.art != b.art || a.art == Modellart::Inaktiv || a.art == Modellart::Datei) return false;
    if (a.art == Modellart::BSC) return a.Wert[bsc::p] == b.Wert[bsc::p];
    // Seed and length stand at indices 0 and 1 of the GE, MC and SW arrays.
    return std::equal(a.Wert.begin() + 2, a.Wert.end(), b.Wert.begin() + 2);
}

int theorieImBand(std::span<const STRUCT_PUNKT> theorie, std::span<const STRUCT_PUNKT> kurve, const Kurvenband& band,
                  std::size_t n) {
    n = std::min({n, theorie.size(), kurve.size()});
    int drin = 0;
    for (std::size_t i = 0; i < n; ++i)
        drin += band.unten(i, kurve[i].y) <= theorie[i].y && theorie[i].y <= band.oben(i, kurve[i].y);
    return drin;
}

std::vector<Bandhinweis> bandhinweise(const ZorState& s, bool fav, std::span<const STRUCT_PUNKT> kurve1,
                                      std::span<const STRUCT_PUNKT> kurve2, std::size_t n, std::size_t pruefpunkt,
                                      const std::array<Farbe, 2>& farben) {
    std::vector<Bandhinweis> h;
    if (!(fav ? s.FAV_band : s.FKF_band)) return h;
    const std::span<const STRUCT_PUNKT> kurven[2] = {kurve1.first(std::min(n, kurve1.size())),
                                                     kurve2.first(std::min(n, kurve2.size()))};
    for (int satz = 0; satz < 2; ++satz) {
        const auto v = satzSicht(s, satz);
        if (v.M == 0) continue;
        const std::string text = folgeZuKurz(fav ? v.FAV_konfidenz : v.FKF_konfidenz, kurven[satz], pruefpunkt);
        if (!text.empty()) h.push_back({text, farben[static_cast<std::size_t>(satz)]});
    }
    const Satzparameter p[2] = {satzparameter(s, 0), satzparameter(s, 1)};
    if (gleichesModell(p[0], p[1]) && p[0].sim != p[1].sim) {
        const int sim = p[0].sim != 0 ? 0 : 1;
        const Kurvenband* band = fav ? favBand(s, sim) : fkfBand(s, sim);
        if (band) {
            const auto m = std::min(kurven[0].size(), kurven[1].size());
            const int drin = theorieImBand(kurven[1 - sim], kurven[sim], *band, m);
            h.push_back({format("Theorie im Band: %d von %zu Punkten", drin, m), SCHWARZ});
        }
    }
    return h;
}

void HinweiseMalen(Canvas& dc, const std::vector<Bandhinweis>& hinweise, int ersteZeile, bool vonUnten) {
    if (hinweise.empty()) return;
    const Schrift schrift = dc.schrift();
    const Farbe textfarbe = dc.textfarbe();
    const Ausrichtung ausrichtung = dc.ausrichtung();
    const std::optional<Farbe> grund = dc.texthintergrund();
    dc.setzeSchrift({Schriftfamilie::Swiss, HINWEIS_SCHRIFTHOEHE});
    dc.setzeAusrichtung(Ausrichtung::Rechts);
    dc.setzeTexthintergrund(WEISS);
    const int n = static_cast<int>(hinweise.size());
    for (int i = 0; i < n; ++i) {
        const int y = vonUnten ? ersteZeile + (n - 1 - i) * HINWEIS_ZEILE : ersteZeile - i * HINWEIS_ZEILE;
        dc.setzeTextfarbe(hinweise[static_cast<std::size_t>(i)].farbe);
        dc.text({HINWEIS_RECHTS, y}, hinweise[static_cast<std::size_t>(i)].text);
    }
    dc.setzeSchrift(schrift);
    dc.setzeTextfarbe(textfarbe);
    dc.setzeAusrichtung(ausrichtung);
    dc.setzeTexthintergrund(grund);
}

}  // namespace zor
