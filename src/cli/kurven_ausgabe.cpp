#include "kurven_ausgabe.h"

#include <cstdio>
#include <iostream>

namespace zorcli {

std::string jsonText(const std::string& text) {
    std::string j = "\"";
    for (char c : text) {
        switch (c) {
        case '"': j += "\\\""; break;
        case '\\': j += "\\\\"; break;
        case '\n': j += "\\n"; break;
        case '\t': j += "\\t"; break;
        default: j += c;
        }
    }
    return j + "\"";
}

void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, bool json,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen) {
    std::vector<Wertepaar> paare;
    for (const auto& p : punkte) paare.push_back({p.x, p.y});
    kurveAusgeben(paare, json, weitere, ms, warnungen);
}

void kurveAusgeben(std::span<const Wertepaar> punkte, bool json,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen) {
    if (!json) {
        for (const auto& p : punkte) std::cout << kurvenzahl(p.x) << ',' << kurvenzahl(p.y) << '\n';
        return;
    }
    std::string warnung;
    for (const auto& w : warnungen) warnung += (warnung.empty() ? "" : "\n") + w.text;
    std::cout << "{\"points\": [";
    for (std::size_t i = 0; i < punkte.size(); ++i)
        std::cout << (i ? ", " : "") << '[' << kurvenzahl(punkte[i].x) << ", " << kurvenzahl(punkte[i].y) << ']';
    std::cout << ']';
    for (const auto& [name, wert] : weitere) std::cout << ", " << jsonText(name) << ": " << wert;
    std::cout << ", \"ms\": " << ms << ", \"warnung\": " << (warnung.empty() ? "null" : jsonText(warnung)) << "}\n";
}

bool meldungenAusgeben(const zor::Satzkurve& kurve) {
    for (const auto& m : kurve.meldungen) std::cerr << m.text << '\n';
    return !kurve.ok;
}

}  // namespace zorcli
