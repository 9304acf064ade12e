#include "core/models/parametereingabe.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

#include "core/models/eingaberegeln.h"

namespace zor {
namespace {

enum class Regel { Startwert, Durchlaeufe, Wahrscheinlichkeit };

struct Eintrag {
    int index;
    Regel regel;
};

const std::vector<Eintrag>& reihenfolge(Modellart art) {
    using R = Regel;
    static const std::vector<Eintrag> bscFolge = {
        {bsc::p, R::Wahrscheinlichkeit}, {bsc::Startwert, R::Startwert}, {bsc::Durchlaeufe, R::Durchlaeufe}};
    static const std::vector<Eintrag> geMcFolge = {
        {gemc::Startwert, R::Startwert},           {gemc::Durchlaeufe, R::Durchlaeufe},
        {gemc::Good_From_Bad, R::Wahrscheinlichkeit}, {gemc::Bad_From_Good, R::Wahrscheinlichkeit},
        {gemc::Good, R::Wahrscheinlichkeit},       {gemc::Bad, R::Wahrscheinlichkeit}};
    static const std::vector<Eintrag> swFolge = {
        {sw::Startwert, R::Startwert},           {sw::Durchlaeufe, R::Durchlaeufe},
        {sw::pZ1, R::Wahrscheinlichkeit},        {sw::pZ2, R::Wahrscheinlichkeit},
        {sw::pZ3, R::Wahrscheinlichkeit},        {sw::pFehlerZ1, R::Wahrscheinlichkeit},
        {sw::pFehlerZ2, R::Wahrscheinlichkeit},  {sw::pFehlerZ3, R::Wahrscheinlichkeit}};
    static const std::vector<Eintrag> keine;
    switch (art) {
    case Modellart::BSC: return bscFolge;
    case Modellart::GE:
    case Modellart::MC: return geMcFolge;
    case Modellart::SW: return swFolge;
    default: return keine;
    }
}

// The value of an entry; the number of bits also exactly, into `bits`.
std::optional<float> lesen(Regel regel, std::string_view text, std::uint64_t& bits) {
    text = text.substr(0, std::min(text.size(), EINGABE_ZEICHEN));
    switch (regel) {
    case Regel::Startwert: return startwertEingabe(text);
    case Regel::Durchlaeufe: {
        const auto n = durchlaeufeEingabe(text);
        if (!n) return std::nullopt;
        bits = *n;
        return static_cast<float>(*n);
    }
    default: return wahrscheinlichkeitEingabe(text);
    }
}

// The rule a refused entry broke; a comma is named before the entry's own range.
Eingaberegel gebrochen(Regel regel, std::string_view text) {
    text = text.substr(0, std::min(text.size(), EINGABE_ZEICHEN));
    if (regel == Regel::Wahrscheinlichkeit) return wahrscheinlichkeitRegel(text);
    if (text.find(',') != std::string_view::npos) return Eingaberegel::Komma;
    return regel == Regel::Startwert ? Eingaberegel::Startwert : Eingaberegel::Durchlaeufe;
}

}  // namespace

ParameterPruefung werteGemeinsamPruefen(Modellart art, std::span<const float> w) {
    ModellWerte m{};
    std::copy_n(w.begin(), std::min(w.size(), m.size()), m.begin());
    if (art == Modellart::GE && !geUebergaengeGueltig(m))
        return {Ablehnung::Wahrscheinlichkeit,
                m[gemc::Good_From_Bad] == 0.0f ? gemc::Good_From_Bad : gemc::Bad_From_Good,
                Eingaberegel::GeUebergangNull};
    if (art == Modellart::MC && !mcFehlerGueltig(m))
        return {Ablehnung::Wahrscheinlichkeit, m[gemc::Good] == 0.0f ? gemc::Good : gemc::Bad,
                Eingaberegel::McFehlerNull};
    if (art != Modellart::SW) return {};
    if (!swWahlGueltig(m)) return {Ablehnung::Zustandssumme, sw::pZ1, Eingaberegel::SwSumme};
    // A state without errors would give an endless gap once chosen.
    constexpr int paare[3][2] = {{sw::pZ1, sw::pFehlerZ1}, {sw::pZ2, sw::pFehlerZ2}, {sw::pZ3, sw::pFehlerZ3}};
    for (const auto& [zustand, fehler] : paare)
        if (w[zustand] > 0.0f && w[fehler] == 0.0f)
            return {Ablehnung::Wahrscheinlichkeit, fehler, Eingaberegel::SwFehlerNull};
    return {};
}

std::string durchlaeufeText(std::uint64_t n) {
    std::string text = std::to_string(n);
    if (text.size() <= EINGABE_ZEICHEN) return text;
    int nullen = 0;
    while (text.back() == '0') {
        text.pop_back();
        ++nullen;
    }
    return text + "e" + std::to_string(nullen);
}

ParameterPruefung parameterPruefen(Modellart art, std::span<const std::string> texte, std::span<float> werte) {
    std::vector<float> neu(werte.begin(), werte.end());
    std::uint64_t bits = 0;
    for (const Eintrag& e : reihenfolge(art)) {
        const bool da = static_cast<std::size_t>(e.index) < texte.size();
        const std::string_view text = da ? std::string_view(texte[e.index]) : std::string_view();
        const auto wert = da ? lesen(e.regel, text, bits) : std::nullopt;
        if (!wert)
            return {e.regel == Regel::Wahrscheinlichkeit ? Ablehnung::Wahrscheinlichkeit : Ablehnung::Startwert,
                    e.index, gebrochen(e.regel, text)};
        neu[e.index] = *wert;
    }
    if (auto p = werteGemeinsamPruefen(art, neu); !p) return p;
    if (art == Modellart::GE || art == Modellart::MC) {
        ModellWerte m{};
        std::copy_n(neu.begin(), m.size(), m.begin());
        uebergaengeErgaenzen(m);
        std::copy(m.begin(), m.end(), neu.begin());
    }
    std::copy(neu.begin(), neu.end(), werte.begin());
    ParameterPruefung ok;
    ok.durchlaeufe = bits;
    return ok;
}

}  // namespace zor
