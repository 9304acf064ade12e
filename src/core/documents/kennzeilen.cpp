#include "core/documents/kennzeilen.h"

#include "core/plot/plotzahlen.h"

#include <array>
#include <cmath>
#include <span>
#include <vector>

namespace zor {

namespace {

// The cells sit where the pictures print their values (left edges -9000 and 1000), in a
// smaller font: a narrow window still holds two side by side, and the last row stays
// clear of the next set's heading in the stacked layout.
constexpr int SPALTE[2] = {-9000, 1000};
constexpr int SCHRIFT = 481;
constexpr int ZEILE = 540;
constexpr int LETZTE_ZEILE = -8320;

// Cells in reading order, two a row: the shorter ones left, what belongs together in a row.
constexpr std::array<const char*, 7> MIT_BAD = {
    "Fehlerwahrscheinlichkeit", "Fehlerabstand",    "Anteil_BAD",       "Buendellaenge",
    "Verweildauer_GOOD",        "Verweildauer_BAD", "Korrelationsdauer"};
constexpr std::array<const char*, 10> OHNE_BAD = {
    "Fehlerwahrscheinlichkeit", "Fehlerabstand", "Anteil_Z1",       "Verweildauer_Z1", "Anteil_Z2",
    "Verweildauer_Z2",          "Anteil_Z3",     "Verweildauer_Z3", "Buendellaenge",   "Korrelationsdauer"};

std::string wertText(const Kennzeile& z, int stellen) {
    if (std::isinf(z.wert)) return "unendlich";
    return gcvtForm(z.wert, stellen) + (z.inBits ? " Bit" : "");
}

}  // namespace

std::string kennwertText(const Kennzeile& z) { return wertText(z, 7); }

std::string kennzeileText(const Kennzeile& z) { return z.name + " = " + kennwertText(z); }

std::string kennzeileKurz(const Kennzeile& z) { return z.kurz + " = " + wertText(z, 4); }

void PAR_Kenngroessen(Canvas& dc, const ZorState& s, int satz) {
    const auto k = kenngroessen(s, satz);
    if (!k) return;
    const auto alle = kennzeilen(*k);
    const std::span<const char* const> reihenfolge =
        k->zustaende.size() == 2 ? std::span<const char* const>(MIT_BAD) : std::span<const char* const>(OHNE_BAD);
    std::vector<const Kennzeile*> zellen;
    for (const char* schluessel : reihenfolge)
        for (const auto& z : alle)
            if (z.schluessel == schluessel) zellen.push_back(&z);

    const Schrift vorher = dc.schrift();
    const Farbe farbeVorher = dc.textfarbe();
    const Ausrichtung ausrichtungVorher = dc.ausrichtung();
    dc.setzeSchrift({Schriftfamilie::Swiss, SCHRIFT});
    dc.setzeTextfarbe(farbeAus(s.farbe[static_cast<std::size_t>(satz)]));
    dc.setzeAusrichtung(Ausrichtung::Links);
    const int zeilen = static_cast<int>((zellen.size() + 1) / 2);
    for (std::size_t i = 0; i < zellen.size(); ++i)
        dc.text({SPALTE[i % 2], LETZTE_ZEILE + (zeilen - 1 - static_cast<int>(i / 2)) * ZEILE},
                kennzeileKurz(*zellen[i]));
    dc.setzeSchrift(vorher);
    dc.setzeTextfarbe(farbeVorher);
    dc.setzeAusrichtung(ausrichtungVorher);
}

}  // namespace zor
