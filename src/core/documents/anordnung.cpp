#include "core/documents/anordnung.h"

#include <algorithm>

namespace zor {
namespace {

// Three documents after the third opened: the older pair, the new one, and who goes to
// 'u' (bottom), 'v' (upper left) and 'w' (upper right).
struct DreierZeile {
    char alt1, alt2, neu, u, v, w;
};
constexpr DreierZeile DREI_AUFBAU[] = {
    {'f', 'k', 'v', 'f', 'v', 'k'}, {'f', 'k', 'p', 'f', 'p', 'k'}, {'f', 'v', 'k', 'f', 'k', 'v'},
    {'f', 'v', 'p', 'f', 'p', 'v'}, {'f', 'p', 'k', 'f', 'k', 'p'}, {'f', 'p', 'v', 'f', 'v', 'p'},
    {'k', 'v', 'f', 'f', 'k', 'v'}, {'k', 'v', 'p', 'p', 'k', 'v'}, {'k', 'p', 'f', 'f', 'p', 'k'},
    {'k', 'p', 'v', 'p', 'v', 'k'}, {'v', 'p', 'f', 'f', 'p', 'v'}, {'v', 'p', 'k', 'p', 'k', 'v'},
};

// Three of the four remaining after one closed: the one left out, and the regions.
struct DreierRest {
    char fehlt, u, v, w;
};
constexpr DreierRest DREI_ABBAU[] = {
    {'p', 'f', 'k', 'v'},
    {'v', 'f', 'p', 'k'},
    {'k', 'f', 'p', 'v'},
    {'f', 'p', 'k', 'v'},
};

bool vonDenVier(std::string_view buchstaben) {
    return std::all_of(buchstaben.begin(), buchstaben.end(),
                       [](char z) { return VIER_DOKUMENTE.find(z) != std::string_view::npos; });
}

bool minimiertIst(const Minimiert& m, char z) { return m.find(z) != std::string::npos; }

std::string offene(const ZorState& s, std::string_view reihe, char ausser = 0) {
    std::string o;
    for (char z : reihe)
        if (offenFlag(s, z) && z != ausser) o += z;
    return o;
}

bool irgendeinMinimiert(const ZorState& s, std::string_view reihe, const Minimiert& m) {
    return std::any_of(reihe.begin(), reihe.end(), [&](char z) { return offenFlag(s, z) && minimiertIst(m, z); });
}

void zuRegion(Anordnung& a, char z, char code, const Flaeche& f) {
    if (auto r = region(code, f)) a.verschieben.push_back({z, *r});
}

// Four or more: the four in the quadrants by their place in the fixed order, whether
// open or not (open-all keeps the quadrant of each); more kinds share a grid the same way.
void nachPlatz(ZorState& s, std::string_view reihe) {
    const bool vier = reihe.size() <= 4;
    for (std::size_t i = 0; i < reihe.size(); ++i)
        tochter(s, reihe[i]).ort = static_cast<char>((vier ? 'a' : '0') + static_cast<int>(i));
}

// Three open: the tables for the four; any other trio puts the first in the fixed order
// at the bottom and the other two above it.
void dreiAufbau(ZorState& s, const std::string& alt, char neu) {
    if (vonDenVier(alt + neu)) {
        for (const DreierZeile& r : DREI_AUFBAU)
            if (r.alt1 == alt[0] && r.alt2 == alt[1] && r.neu == neu) {
                tochter(s, r.u).ort = 'u';
                tochter(s, r.v).ort = 'v';
                tochter(s, r.w).ort = 'w';
            }
        return;
    }
    tochter(s, alt[0]).ort = 'u';
    tochter(s, neu).ort = 'v';
    tochter(s, alt[1]).ort = 'w';
}

void dreiAbbau(ZorState& s, const std::string& offen) {
    if (vonDenVier(offen)) {
        for (const DreierRest& r : DREI_ABBAU)
            if (offen.find(r.fehlt) == std::string::npos) {
                tochter(s, r.u).ort = 'u';
                tochter(s, r.v).ort = 'v';
                tochter(s, r.w).ort = 'w';
            }
        return;
    }
    tochter(s, offen[0]).ort = 'u';
    tochter(s, offen[1]).ort = 'v';
    tochter(s, offen[2]).ort = 'w';
}

// Step 3 of the arrangement when some document is minimised: the visible ones share
// the area above the icons; nothing is recorded.
void mitMinimierten(const ZorState& s, std::string_view reihe, char neu, const Minimiert& m, const Flaeche& f,
                    Anordnung& a) {
    int minimiert = 0;
    for (char z : reihe) minimiert += offenFlag(s, z) && minimiertIst(m, z);
    const int n = s.Fenster.neu - minimiert;
    const auto sichtbar = [&](char z) { return z == neu || (offenFlag(s, z) && !minimiertIst(m, z)); };
    if (n == 1) {
        zuRegion(a, neu, 'g', f);
    } else if (n == 2) {
        zuRegion(a, neu, s.Fenster.aktuell == s.Fenster.neu ? 'e' : 'f', f);
        for (char z : reihe)
            if (z != neu && sichtbar(z)) zuRegion(a, z, 'f', f);
    } else if (n == 3) {
        const char drittel[] = {'h', 'i', 'j'};
        int i = 0;
        for (char z : reihe)
            if (sichtbar(z) && i < 3) zuRegion(a, z, drittel[i++], f);
    }
}

template <class S>
auto& weiteres(S& s, char z) {
    if constexpr (std::is_const_v<S>) {
        static const std::pair<int, STRUCT_TOCHTER> keines{};
        const auto it = s.weitereDokumente.find(z);
        return it == s.weitereDokumente.end() ? keines : it->second;
    } else {
        return s.weitereDokumente[z];
    }
}

template <class S>
auto& flagIn(S& s, char z) {
    switch (z) {
    case 'f': return s.Fenster.FF;
    case 'k': return s.Fenster.FKF;
    case 'v': return s.Fenster.FAV;
    case 'p': return s.Fenster.PAR;
    default: return weiteres(s, z).first;
    }
}

template <class S>
auto& tochterIn(S& s, char z) {
    switch (z) {
    case 'f': return s.FF;
    case 'k': return s.FKF;
    case 'v': return s.FAV;
    case 'p': return s.PAR;
    default: return weiteres(s, z).second;
    }
}

}  // namespace

int& offenFlag(ZorState& s, char z) { return flagIn(s, z); }
int offenFlag(const ZorState& s, char z) { return flagIn(s, z); }
STRUCT_TOCHTER& tochter(ZorState& s, char z) { return tochterIn(s, z); }
const STRUCT_TOCHTER& tochter(const ZorState& s, char z) { return tochterIn(s, z); }

bool modellDokumentOffen(const ZorState& s) {
    const auto& F = s.Fenster;
    return F.FF || F.FKF || F.FAV || F.PAR ||
           std::any_of(s.weitereDokumente.begin(), s.weitereDokumente.end(),
                       [](const auto& d) { return d.second.first != 0; });
}

std::optional<Bereich> region(char code, const Flaeche& f) {
    const int W = f.breite, H = f.hoehe, I = f.iconRaum;
    if (code >= '0' && code - '0' < f.raster) {
        const int spalten = (f.raster + 1) / 2, i = code - '0';
        return Bereich{i % spalten * W / spalten, i / spalten * H / 2, W / spalten, H / 2};
    }
    switch (code) {
    case 'a': return Bereich{0, 0, W / 2, H / 2};
    case 'b': return Bereich{W / 2, 0, W / 2, H / 2};
    case 'c': return Bereich{0, H / 2, W / 2, H / 2};
    case 'd': return Bereich{W / 2, H / 2, W / 2, H / 2};
    case 'e': return Bereich{0, 0, W / 2, H - I};
    case 'f': return Bereich{W / 2, 0, W / 2, H - I};
    case 'g': return Bereich{0, 0, W, H - I};
    case 'h': return Bereich{0, 0, W / 3, H - I};
    case 'i': return Bereich{W / 3, 0, W / 3, H - I};
    case 'j': return Bereich{2 * W / 3, 0, W / 3, H - I};
    case 'l': return Bereich{0, 0, W / 2, H};
    case 'm': return Bereich{0, 0, W, H};
    case 'r': return Bereich{W / 2, 0, W / 2, H};
    case 'u': return Bereich{0, 2 * H / 3, W, H / 3};
    case 'v': return Bereich{0, 0, W / 2, 2 * H / 3};
    case 'w': return Bereich{W / 2, 0, W / 2, 2 * H / 3};
    default: return std::nullopt;
    }
}

void FensterInit(ZorState& s, std::string_view reihe) {
    auto& F = s.Fenster;
    const auto alle = static_cast<std::int16_t>(reihe.size());
    ++F.aktuell;
    if (F.neu != alle) F.neu = F.aktuell;
    if (F.null == 1) F.null = 0;
    if (F.aktuell == alle) F.alle = 1;
}

void FensterDest(ZorState& s, std::string_view reihe) {
    auto& F = s.Fenster;
    --F.aktuell;
    if (F.neu != 0) F.neu = F.aktuell;
    if (F.alle == 1 && F.aktuell != static_cast<std::int16_t>(reihe.size())) F.alle = 0;
    if (F.aktuell == 0) F.null = 1;
}

Anordnung OrdnenAufbau(ZorState& s, std::string_view reihe, char neu, const Minimiert& m, const Flaeche& f) {
    Anordnung a;
    const bool minimiert = irgendeinMinimiert(s, reihe, m);
    const std::string alt = offene(s, reihe, neu);  // the older documents, in the fixed order
    switch (s.Fenster.neu) {
    case 1: tochter(s, neu).ort = 'm'; break;
    case 2:
        tochter(s, neu).ort = 'l';
        if (!alt.empty()) tochter(s, alt[0]).ort = 'r';
        break;
    case 3:
        if (alt.size() == 2) dreiAufbau(s, alt, neu);
        break;
    default:
        if (s.Fenster.neu >= 4) nachPlatz(s, reihe);
        break;
    }
    if (minimiert) {
        mitMinimierten(s, reihe, neu, m, f, a);
        return a;
    }
    zuRegion(a, neu, tochter(s, neu).ort, f);
    for (char z : reihe)
        if (offenFlag(s, z)) zuRegion(a, z, tochter(s, z).ort, f);
    return a;
}

Anordnung OrdnenAbbau(ZorState& s, std::string_view reihe, const Minimiert& m, const Flaeche& f) {
    const std::string offen = offene(s, reihe);
    if (offen.size() == 1) {
        tochter(s, offen[0]).ort = 'm';
    } else if (offen.size() == 2) {
        tochter(s, offen[0]).ort = 'l';
        tochter(s, offen[1]).ort = 'r';
    } else if (offen.size() == 3) {
        dreiAbbau(s, offen);
    } else if (offen.size() >= 4) {
        nachPlatz(s, reihe);
    }
    return Tile(s, reihe, m, f);
}

Anordnung Tile(const ZorState& s, std::string_view reihe, const Minimiert& m, const Flaeche& f) {
    Anordnung a;
    if (irgendeinMinimiert(s, reihe, m)) {
        a.kacheln = true;
        return a;
    }
    for (char z : reihe)
        if (offenFlag(s, z)) zuRegion(a, z, tochter(s, z).ort, f);
    return a;
}

std::vector<Bereich> kaskade(int breite, int hoehe, int anzahl, int versatz) {
    std::vector<Bereich> b;
    if (anzahl <= 0 || breite <= 0 || hoehe <= 0) return b;
    const int schritte = anzahl - 1;
    const int w = std::max(breite - schritte * versatz, breite * 3 / 5);
    const int h = std::max(hoehe - schritte * versatz, hoehe * 3 / 5);
    // Too many windows for the room left: the offsets shrink so the last still fits.
    const int dx = schritte == 0 ? 0 : std::min(versatz, (breite - w) / schritte);
    const int dy = schritte == 0 ? 0 : std::min(versatz, (hoehe - h) / schritte);
    for (int i = 0; i < anzahl; ++i) b.push_back({i * dx, i * dy, w, h});
    return b;
}

}  // namespace zor
