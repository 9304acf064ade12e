#include "kurven_ausgabe.h"

#include "core/models/konfidenz.h"

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

std::string jsonTextOderNull(const std::string& text) { return text.empty() ? "null" : jsonText(text); }

bool gezaehlt(const zor::Satzparameter& p) { return p.sim != 0 || p.art == zor::Modellart::Datei; }

std::string bandHinweis(const zor::Konfidenz& k, std::span<const zor::STRUCT_PUNKT> kurve, std::size_t pos) {
    const std::string hinweis = zor::folgeZuKurz(k, kurve, pos);
    if (!hinweis.empty()) std::cerr << hinweis << '\n';
    return jsonTextOderNull(hinweis);
}

namespace {

// The band's lower or upper ends as a JSON array.
std::string bandfeld(std::span<const zor::STRUCT_PUNKT> punkte, const zor::Kurvenband& b, bool oben) {
    std::string j = "[";
    for (std::size_t i = 0; i < punkte.size(); ++i)
        j += (i ? ", " : "") + kurvenzahl(oben ? b.oben(i, punkte[i].y) : b.unten(i, punkte[i].y));
    return j + "]";
}

}  // namespace

void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, bool json,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen, Bandspalten band) {
    if (!json) {
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const auto& p = punkte[i];
            std::cout << kurvenzahl(p.x) << ',' << kurvenzahl(p.y);
            if (band.an && band.band)
                std::cout << ',' << kurvenzahl(band.band->unten(i, p.y)) << ',' << kurvenzahl(band.band->oben(i, p.y));
            else if (band.an)
                std::cout << ",,";
            std::cout << '\n';
        }
        return;
    }
    std::string warnung;
    for (const auto& w : warnungen) warnung += (warnung.empty() ? "" : "\n") + w.text;
    std::cout << "{\"points\": [";
    for (std::size_t i = 0; i < punkte.size(); ++i)
        std::cout << (i ? ", " : "") << '[' << kurvenzahl(punkte[i].x) << ", " << kurvenzahl(punkte[i].y) << ']';
    std::cout << ']';
    if (band.an) {
        std::cout << ", \"lower\": " << (band.band ? bandfeld(punkte, *band.band, false) : "null");
        std::cout << ", \"upper\": " << (band.band ? bandfeld(punkte, *band.band, true) : "null");
    }
    for (const auto& [name, wert] : weitere) std::cout << ", " << jsonText(name) << ": " << wert;
    std::cout << ", \"ms\": " << ms << ", \"warnung\": " << (warnung.empty() ? "null" : jsonText(warnung)) << "}\n";
}

bool meldungenAusgeben(const zor::Satzkurve& kurve) {
    for (const auto& m : kurve.meldungen) std::cerr << m.text << '\n';
    return !kurve.ok;
}

}  // namespace zorcli
