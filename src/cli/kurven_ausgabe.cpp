#include "kurven_ausgabe.h"

#include <cstdio>
#include <iostream>

namespace zorcli {

void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, bool json,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen) {
    if (!json) {
        for (const auto& p : punkte) std::cout << kurvenzahl(p.x) << ',' << kurvenzahl(p.y) << '\n';
        return;
    }
    std::string warnung;
    for (const auto& w : warnungen) warnung += (warnung.empty() ? "" : "\n") + w.text;
    std::vector<std::string> punktliste;
    punktliste.reserve(punkte.size());
    for (const auto& p : punkte) punktliste.push_back(jsonFeld({jsonZahl(p.x), jsonZahl(p.y)}));
    JsonObjekt objekt;
    objekt.wert("points", jsonFeld(punktliste));
    for (const auto& [name, wert] : weitere) objekt.wert(name, wert);
    objekt.wert("ms", std::to_string(ms)).wert("warnung", warnung.empty() ? "null" : jsonText(warnung));
    std::cout << objekt.json() << '\n';
}

bool meldungenAusgeben(const zor::Satzkurve& kurve) {
    for (const auto& m : kurve.meldungen) std::cerr << m.text << '\n';
    return !kurve.ok;
}

}  // namespace zorcli
