#include "app/media/rollzustand.h"

#include <algorithm>

namespace zor::app {

namespace {

__extension__ typedef unsigned __int128 Breit;

// Bars count in int; above this many positions the range is scaled.
constexpr std::uint64_t BALKEN_GRENZE = std::uint64_t{1} << 30;

std::int64_t klemme(std::int64_t schritt, std::uint64_t pos, std::uint64_t max) {
    const std::int64_t unten = -static_cast<std::int64_t>(pos);
    const std::int64_t oben = static_cast<std::int64_t>(max - std::min(pos, max));
    return std::clamp(schritt, unten, oben);
}

}  // namespace

void Rollzustand::setupScroll() {
    if (cy == 0 || cx == 0) return;
    const std::uint64_t sichtbar = static_cast<std::uint64_t>(yClient / cy);
    VScrollMax = ZeilenAnzahl + 1 > sichtbar ? ZeilenAnzahl + 1 - sichtbar : 0;
    VScrollPos = std::min(VScrollPos, VScrollMax);
    HScrollMax = std::max(0, maxwidth - xClient / cx);
    HScrollPos = std::min(HScrollPos, HScrollMax);
    ZeilenPerFenster = static_cast<int>(std::min<std::uint64_t>(sichtbar, ZeilenAnzahl));
}

void Rollzustand::groesse(int breite, int hoehe) {
    if (cynl == 0) return;
    xClient = breite;
    yClient = (hoehe / cynl + 1) * cynl;
    setupScroll();
}

std::int64_t Rollzustand::vSchritt(Rollanfrage a, std::uint64_t daumen) const {
    const std::int64_t seite = cy == 0 ? 1 : std::max(1, yClient / cy);
    const auto pos = static_cast<std::int64_t>(VScrollPos);
    std::int64_t s = 0;
    switch (a) {
    case Rollanfrage::ZeileZurueck: s = -1; break;
    case Rollanfrage::ZeileVor: s = 1; break;
    case Rollanfrage::SeiteZurueck: s = -seite; break;
    case Rollanfrage::SeiteVor: s = seite; break;
    case Rollanfrage::Ziehen: s = static_cast<std::int64_t>(std::min(daumen, VScrollMax)) - pos; break;
    case Rollanfrage::Anfang: s = -pos; break;
    case Rollanfrage::Ende: s = static_cast<std::int64_t>(VScrollMax) - pos; break;
    case Rollanfrage::Sonstige: break;
    }
    return klemme(s, VScrollPos, VScrollMax);
}

int Rollzustand::hSchritt(Rollanfrage a, int daumen) const {
    std::int64_t s = 0;
    switch (a) {
    case Rollanfrage::ZeileZurueck: s = -1; break;
    case Rollanfrage::ZeileVor: s = 1; break;
    case Rollanfrage::SeiteZurueck: s = -8; break;
    case Rollanfrage::SeiteVor: s = 8; break;
    case Rollanfrage::Ziehen: s = daumen - HScrollPos; break;
    default: break;
    }
    return static_cast<int>(klemme(s, static_cast<std::uint64_t>(HScrollPos), static_cast<std::uint64_t>(HScrollMax)));
}

bool Rollzustand::vRollen(std::int64_t schritt) {
    if (schritt == 0) return false;
    VScrollPos = static_cast<std::uint64_t>(static_cast<std::int64_t>(VScrollPos) + schritt);
    return true;
}

bool Rollzustand::hRollen(int schritt) {
    if (schritt == 0) return false;
    HScrollPos += schritt;
    return true;
}

void Rollzustand::zeigeZeile(std::uint64_t zeile) { VScrollPos = std::min(zeile, VScrollMax); }

int Rollzustand::balkenMax() const { return static_cast<int>(std::min(VScrollMax, BALKEN_GRENZE)); }

int Rollzustand::balkenWert() const {
    if (VScrollMax <= BALKEN_GRENZE) return static_cast<int>(VScrollPos);
    return static_cast<int>(static_cast<Breit>(VScrollPos) * BALKEN_GRENZE / VScrollMax);
}

std::uint64_t Rollzustand::zeileAusBalken(int wert) const {
    const auto w = static_cast<std::uint64_t>(std::max(0, wert));
    if (VScrollMax <= BALKEN_GRENZE) return std::min(w, VScrollMax);
    return static_cast<std::uint64_t>(static_cast<Breit>(std::min(w, BALKEN_GRENZE)) * VScrollMax /
                                      BALKEN_GRENZE);
}

}  // namespace zor::app
