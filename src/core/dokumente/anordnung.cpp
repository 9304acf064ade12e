#include "core/dokumente/anordnung.h"

#include <algorithm>
#include <string_view>

namespace zor {
namespace {

constexpr std::string_view BUCHSTABEN = "fkvp";

int index(Modelldokument d) { return static_cast<int>(d); }

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

// Three documents remaining after one closed: the one left out, and the regions.
struct DreierRest {
    char fehlt, u, v, w;
};
constexpr DreierRest DREI_ABBAU[] = {
    {'p', 'f', 'k', 'v'}, {'v', 'f', 'p', 'k'}, {'k', 'f', 'p', 'v'}, {'f', 'p', 'k', 'v'},
};

void ort(ZorState& s, char z, char o) {
    if (auto d = dokumentVon(z)) tochter(s, *d).ort = o;
}

bool irgendeinMinimiert(const ZorState& s, const Minimiert& m) {
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d) && m[index(d)]) return true;
    return false;
}

void zuRegion(Anordnung& a, Modelldokument d, char code, const Flaeche& f) {
    if (auto r = region(code, f)) a.verschieben.push_back({d, *r});
}

// Step 3 of the arrangement when some document is minimised: the visible ones share
// the area above the icons; nothing is recorded.
void mitMinimierten(const ZorState& s, Modelldokument neu, const Minimiert& m, const Flaeche& f, Anordnung& a) {
    int minimiert = 0;
    for (Modelldokument d : MODELLDOKUMENTE) minimiert += offenFlag(s, d) && m[index(d)];
    const int n = s.Fenster.neu - minimiert;
    const auto sichtbar = [&](Modelldokument d) { return d == neu || (offenFlag(s, d) && !m[index(d)]); };
    if (n == 1) {
        zuRegion(a, neu, 'g', f);
    } else if (n == 2) {
        zuRegion(a, neu, s.Fenster.aktuell == s.Fenster.neu ? 'e' : 'f', f);
        for (Modelldokument d : MODELLDOKUMENTE)
            if (d != neu && sichtbar(d)) zuRegion(a, d, 'f', f);
    } else if (n == 3) {
        const char drittel[] = {'h', 'i', 'j'};
        int i = 0;
        for (Modelldokument d : MODELLDOKUMENTE)
            if (sichtbar(d) && i < 3) zuRegion(a, d, drittel[i++], f);
    }
}

}  // namespace

char buchstabeVon(Modelldokument d) { return BUCHSTABEN[static_cast<std::size_t>(index(d))]; }

std::optional<Modelldokument> dokumentVon(char z) {
    const auto i = BUCHSTABEN.find(z);
    if (i == std::string_view::npos) return std::nullopt;
    return static_cast<Modelldokument>(i);
}

namespace {
template <class S>
auto& flagIn(S& s, Modelldokument d) {
    switch (d) {
    case Modelldokument::FF: return s.Fenster.FF;
    case Modelldokument::FKF: return s.Fenster.FKF;
    case Modelldokument::FAV: return s.Fenster.FAV;
    default: return s.Fenster.PAR;
    }
}
template <class S>
auto& tochterIn(S& s, Modelldokument d) {
    switch (d) {
    case Modelldokument::FF: return s.FF;
    case Modelldokument::FKF: return s.FKF;
    case Modelldokument::FAV: return s.FAV;
    default: return s.PAR;
    }
}
}  // namespace

int& offenFlag(ZorState& s, Modelldokument d) { return flagIn(s, d); }
int offenFlag(const ZorState& s, Modelldokument d) { return flagIn(s, d); }
STRUCT_TOCHTER& tochter(ZorState& s, Modelldokument d) { return tochterIn(s, d); }
const STRUCT_TOCHTER& tochter(const ZorState& s, Modelldokument d) { return tochterIn(s, d); }

bool modellDokumentOffen(const ZorState& s) {
    return std::any_of(MODELLDOKUMENTE.begin(), MODELLDOKUMENTE.end(), [&](auto d) { return offenFlag(s, d) != 0; });
}

std::optional<Bereich> region(char code, const Flaeche& f) {
    const int W = f.breite, H = f.hoehe, I = f.iconRaum;
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

Freigabe FensterInit(ZorState& s) {
    auto& F = s.Fenster;
    Freigabe g;
    ++F.aktuell;
    if (F.neu != 4) F.neu = F.aktuell;
    if (F.null == 1) {
        g.fensterBefehle = true;
        F.null = 0;
    }
    if (F.aktuell == 4) {
        g.alleOeffnen = false;
        F.alle = 1;
    }
    return g;
}

Freigabe FensterDest(ZorState& s) {
    auto& F = s.Fenster;
    Freigabe g;
    --F.aktuell;
    if (F.neu != 0) F.neu = F.aktuell;
    if (F.alle == 1 && F.aktuell != 4) {
        g.alleOeffnen = true;
        F.alle = 0;
    }
    if (F.aktuell == 0) {
        g.fensterBefehle = false;
        g.aktualisierenGrau = true;
        F.null = 1;
    }
    return g;
}

Anordnung OrdnenAufbau(ZorState& s, Modelldokument neu, const Minimiert& m, const Flaeche& f) {
    Anordnung a;
    const bool minimiert = irgendeinMinimiert(s, m);
    const char z = buchstabeVon(neu);
    std::vector<char> offen;  // the older documents, in the fixed order
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d) && d != neu) offen.push_back(buchstabeVon(d));

    switch (s.Fenster.neu) {
    case 1: ort(s, z, 'm'); break;
    case 2:
        ort(s, z, 'l');
        if (!offen.empty()) ort(s, offen[0], 'r');
        break;
    case 3:
        for (const DreierZeile& r : DREI_AUFBAU)
            if (offen.size() == 2 && r.alt1 == offen[0] && r.alt2 == offen[1] && r.neu == z) {
                ort(s, r.u, 'u');
                ort(s, r.v, 'v');
                ort(s, r.w, 'w');
            }
        break;
    case 4:
        for (Modelldokument d : MODELLDOKUMENTE) tochter(s, d).ort = static_cast<char>('a' + index(d));
        break;
    default: break;
    }
    if (minimiert) {
        mitMinimierten(s, neu, m, f, a);
        return a;
    }
    zuRegion(a, neu, tochter(s, neu).ort, f);
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d)) zuRegion(a, d, tochter(s, d).ort, f);
    return a;
}

Anordnung OrdnenAbbau(ZorState& s, const Minimiert& m, const Flaeche& f) {
    std::vector<char> offen;
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d)) offen.push_back(buchstabeVon(d));
    if (offen.size() == 1) {
        ort(s, offen[0], 'm');
    } else if (offen.size() == 2) {
        ort(s, offen[0], 'l');
        ort(s, offen[1], 'r');
    } else if (offen.size() == 3) {
        for (const DreierRest& r : DREI_ABBAU)
            if (std::find(offen.begin(), offen.end(), r.fehlt) == offen.end()) {
                ort(s, r.u, 'u');
                ort(s, r.v, 'v');
                ort(s, r.w, 'w');
            }
    }
    return Tile(s, m, f);
}

Anordnung Tile(const ZorState& s, const Minimiert& m, const Flaeche& f) {
    Anordnung a;
    if (irgendeinMinimiert(s, m)) {
        a.kacheln = true;
        return a;
    }
    for (Modelldokument d : MODELLDOKUMENTE)
        if (offenFlag(s, d)) zuRegion(a, d, tochter(s, d).ort, f);
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
