#include "core/models/optionseingabe.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/util/format.h"

namespace zor {
namespace {

// The edits read back at most this many characters.
constexpr std::size_t OPTION_ZEICHEN = 15;

std::string_view gelesen(std::string_view text) { return text.substr(0, std::min(text.size(), OPTION_ZEICHEN)); }

struct Skalierung {
    int abszisse = 0, a1 = 0, a2 = 0;
};

std::optional<Skalierung> lesen(const Skalierungstexte& t, Optionsfehler& f) {
    const auto a = abszisseEingabe(gelesen(t.abszisse));
    const auto o = ordinateEingabe(gelesen(t.a1), gelesen(t.a2));
    if (!a || !o) {
        f = a ? Optionsfehler::Ordinate : Optionsfehler::Abszisse;
        return std::nullopt;
    }
    f = Optionsfehler::Keiner;
    return Skalierung{*a, o->a1, o->a2};
}

// An edit shows a value stored as float and truncated to an integer.
std::string zahlText(double v) { return format("%d", static_cast<int>(static_cast<float>(v))); }

std::string dekaden(float grenze) { return zahlText(-std::log10(static_cast<double>(grenze))); }

// The logarithmic ordinate spans 12500 units over a1 - a2 decades.
void ordinateSetzen(const Skalierung& k, int& ynormLog, float& wertneg, float& wertpos) {
    ynormLog = 12500 / (k.a1 - k.a2);
    wertneg = static_cast<float>(std::pow(10.0, -k.a1));
    wertpos = static_cast<float>(std::pow(10.0, -k.a2));
}

}  // namespace

std::optional<Skalierungsfehler> skalierungsfehler(const Skalierungstexte& t) {
    using F = Skalierungsfeld;
    using R = Eingaberegel;
    if (!abszisseEingabe(gelesen(t.abszisse))) return Skalierungsfehler{F::Abszisse, R::Abszisse};
    if (!untereDekadeEingabe(gelesen(t.a1))) return Skalierungsfehler{F::UntereDekade, R::DekadeUnten};
    if (!obereDekadeEingabe(gelesen(t.a2))) return Skalierungsfehler{F::ObereDekade, R::DekadeOben};
    if (!ordinateEingabe(gelesen(t.a1), gelesen(t.a2))) return Skalierungsfehler{F::UntereDekade, R::DekadenFolge};
    return std::nullopt;
}

FkfOptionen fkfOptionen(const ZorState& s) {
    return {s.Cursor.FKFon, s.FKF_uhr, s.FKF.ordinate, s.FKF_erneuernd,
            {zahlText(s.FKF_defbereich), dekaden(s.FKF_wertneg), dekaden(s.FKF_wertpos)}, s.FKF_band};
}

FavOptionen favOptionen(const ZorState& s) {
    return {s.Cursor.FAVon, s.FAV_uhr, s.FAV.ordinate, s.FAV_abszisse, s.Modell.AB,
            {zahlText(s.FAV_xlindef), dekaden(s.FAV_wertneg), dekaden(s.FAV_wertpos)}, s.FAV_band};
}

Optionsfehler fkfOptionenAnwenden(ZorState& s, const FkfOptionen& o) {
    Optionsfehler f;
    const auto k = lesen(o.texte, f);
    if (!k) return f;
    s.Cursor.FKFon = o.cursor;
    s.FKF.ordinate = o.ordinate;
    s.FKF_uhr = o.uhr;
    s.FKF_band = o.band;
    if (o.erneuernd != s.FKF_erneuernd || k->abszisse > s.FKF_defbereich) s.FKF.ermittelt1 = s.FKF.ermittelt2 = 0;
    s.FKF_erneuernd = o.erneuernd;
    s.FKF_defbereich = k->abszisse;
    ordinateSetzen(*k, s.FKF_ynorm_log, s.FKF_wertneg, s.FKF_wertpos);
    s.FKF_xnorm = 16000 / s.FKF_defbereich;
    return f;
}

Optionsfehler favOptionenAnwenden(ZorState& s, const FavOptionen& o) {
    Optionsfehler f;
    const auto k = lesen(o.texte, f);
    if (!k) return f;
    s.Cursor.FAVon = o.cursor;
    s.FAV.ordinate = o.ordinate;
    s.FAV_abszisse = o.abszisse;
    s.FAV_uhr = o.uhr;
    s.FAV_band = o.band;
    s.Modell.AB = o.AB;
    s.FAV_xlindef = k->abszisse;
    // A logarithmic abscissa always spans 100 gaps.
    const int bereich = o.abszisse != 0 ? k->abszisse : 100;
    if (bereich > s.FAV_defbereich) s.FAV.ermittelt1 = s.FAV.ermittelt2 = 0;
    s.FAV_defbereich = bereich;
    ordinateSetzen(*k, s.FAV_ynorm_log, s.FAV_wertneg, s.FAV_wertpos);
    s.FAV_xnorm = 16000 / s.FAV_defbereich;
    return f;
}

}  // namespace zor
