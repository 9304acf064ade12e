#include "core/models/eingaberegeln.h"

#include "core/util/zahlpruefung.h"

#include <array>
#include <cmath>
#include <limits>

namespace zor {

std::optional<float> wahrscheinlichkeitEingabe(std::string_view text) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!(v >= 0.0f && v <= 1.0f)) return std::nullopt;
    return v;
}

std::optional<float> startwertEingabe(std::string_view text) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!(v >= 1.0f && v <= 9999.0f) || !ganzzahlig(v)) return std::nullopt;
    return v;
}

std::optional<float> durchlaeufeEingabe(std::string_view text) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!(v >= 1.0f) || !ganzzahlig(v)) return std::nullopt;
    return v;
}

namespace {

// A whole number within [von, bis] in the dialogs' syntax.
std::optional<int> ganzeZahl(std::string_view text, float von, float bis) {
    if (fehler(text) != 0) return std::nullopt;
    const float v = alsFloat(text);
    if (!ganzzahlig(v) || v < von || v > bis) return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

std::optional<int> abszisseEingabe(std::string_view text) { return ganzeZahl(text, 20.0f, 100.0f); }

std::optional<Ordinatenbereich> ordinateEingabe(std::string_view a1, std::string_view a2) {
    const auto unten = ganzeZahl(a1, 1.0f, 10.0f);
    const auto oben = ganzeZahl(a2, 0.0f, 9.0f);
    if (!unten || !oben || *unten <= *oben) return std::nullopt;
    return Ordinatenbereich{*unten, *oben};
}

bool geUebergangGueltig(double v) { return v > 0.0 && v <= 1.0; }

bool geUebergaengeGueltig(const ModellWerte& w) {
    return geUebergangGueltig(w[gemc::Good_From_Bad]) && geUebergangGueltig(w[gemc::Bad_From_Good]);
}

bool mcFehlerGueltig(const ModellWerte& w) { return w[gemc::Good] != 0.0f && w[gemc::Bad] != 0.0f; }

bool swWahlGueltig(const ModellWerte& w) {
    const float summe = w[sw::pZ1] + w[sw::pZ2] + w[sw::pZ3];
    return std::fabs(summe - 1.0f) <= 4.0f * std::numeric_limits<float>::epsilon();
}

void uebergaengeErgaenzen(ModellWerte& w) {
    w[gemc::Good_From_Good] = bleiben(w[gemc::Bad_From_Good]);
    w[gemc::Bad_From_Bad] = bleiben(w[gemc::Good_From_Bad]);
}

namespace {

using Regel = std::optional<float> (*)(std::string_view);

struct Eintrag {
    const std::string* text;
    int index;
    Regel regel;
    const char* hinweis;
};

Parameterpruefung abgelehnt(int index, const char* hinweis) {
    return {false, index, {hinweis, TITEL_EINGABEFEHLER, Symbol::Keins}};
}

// Reads the entries in order into `ziel`; the first refused one ends the check.
template <std::size_t N, std::size_t M>
Parameterpruefung eintraegeLesen(const std::array<Eintrag, N>& eintraege, std::array<float, M>& ziel) {
    for (const Eintrag& e : eintraege) {
        const auto v = e.regel(*e.text);
        if (!v) return abgelehnt(e.index, e.hinweis);
        ziel[static_cast<std::size_t>(e.index)] = *v;
    }
    return {};
}

Parameterpruefung geMcLesen(const GeMcTexte& t, ModellWerte& w) {
    const std::array<Eintrag, 6> eintraege = {{
        {&t.startwert, gemc::Startwert, startwertEingabe, TEXT_612},
        {&t.durchlaeufe, gemc::Durchlaeufe, durchlaeufeEingabe, TEXT_612},
        {&t.goodFromBad, gemc::Good_From_Bad, wahrscheinlichkeitEingabe, TEXT_613},
        {&t.badFromGood, gemc::Bad_From_Good, wahrscheinlichkeitEingabe, TEXT_613},
        {&t.good, gemc::Good, wahrscheinlichkeitEingabe, TEXT_613},
        {&t.bad, gemc::Bad, wahrscheinlichkeitEingabe, TEXT_613},
    }};
    return eintraegeLesen(eintraege, w);
}

}  // namespace

Parameterpruefung bscParameterPruefen(const BscTexte& t, BscWerte& w) {
    const std::array<Eintrag, 3> eintraege = {{
        {&t.p, bsc::p, wahrscheinlichkeitEingabe, TEXT_613},
        {&t.startwert, bsc::Startwert, startwertEingabe, TEXT_612},
        {&t.durchlaeufe, bsc::Durchlaeufe, durchlaeufeEingabe, TEXT_612},
    }};
    BscWerte neu = w;
    Parameterpruefung p = eintraegeLesen(eintraege, neu);
    if (p) w = neu;
    return p;
}

Parameterpruefung geParameterPruefen(const GeMcTexte& t, ModellWerte& w) {
    ModellWerte neu = w;
    if (Parameterpruefung p = geMcLesen(t, neu); !p) return p;
    if (!geUebergaengeGueltig(neu))
        return abgelehnt(geUebergangGueltig(neu[gemc::Good_From_Bad]) ? gemc::Bad_From_Good : gemc::Good_From_Bad,
                         TEXT_613);
    uebergaengeErgaenzen(neu);
    w = neu;
    return {};
}

Parameterpruefung mcParameterPruefen(const GeMcTexte& t, ModellWerte& w) {
    ModellWerte neu = w;
    if (Parameterpruefung p = geMcLesen(t, neu); !p) return p;
    if (!mcFehlerGueltig(neu)) return abgelehnt(neu[gemc::Good] == 0.0f ? gemc::Good : gemc::Bad, TEXT_613);
    uebergaengeErgaenzen(neu);
    w = neu;
    return {};
}

}  // namespace zor
