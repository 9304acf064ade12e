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

std::optional<std::uint64_t> durchlaeufeEingabe(std::string_view text) {
    const auto n = ganzeZahl(text);
    if (!n || *n == 0) return std::nullopt;
    return n;
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

}  // namespace zor
