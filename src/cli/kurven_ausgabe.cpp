#include "kurven_ausgabe.h"

#include "core/models/konfidenz.h"

#include <cstdio>
#include <type_traits>
#include <iostream>

namespace zorcli {

void csvDeHinzufuegen(CLI::App& sub, bool& deutsch) {
    sub.add_flag("--csv-de", deutsch,
                 "CSV für deutsche Tabellenkalkulation: Kopfzeile, \";\" als Trenner, Dezimalkomma")
        ->excludes("--json");
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
    std::vector<std::string> werte;
    for (std::size_t i = 0; i < punkte.size(); ++i)
        werte.push_back(jsonZahl(oben ? b.oben(i, punkte[i].y) : b.unten(i, punkte[i].y)));
    return jsonFeld(werte);
}

// One writer for float curves (with their band) and double curves (without one): each
// prints its numbers at its own precision.
template <class Punkt>
void ausgeben(std::span<const Punkt> punkte, Ausgabeform form,
              const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
              const std::vector<zor::Meldung>& warnungen, Bandspalten band) {
    constexpr bool mitBand = std::is_same_v<Punkt, zor::STRUCT_PUNKT>;
    if (!form.json) {
        std::string csv;
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const auto& p = punkte[i];
            csv += kurvenzahl(p.x) + ',' + kurvenzahl(p.y);
            if constexpr (mitBand) {
                if (band.an && band.band)
                    csv += ',' + kurvenzahl(band.band->unten(i, p.y)) + ',' + kurvenzahl(band.band->oben(i, p.y));
                else if (band.an)
                    csv += ",,";
            }
            csv += '\n';
        }
        // The spreadsheet form is the same text translated, so both carry the same numbers.
        if (form.deutsch)
            std::cout << form.spalten << (band.an ? ";unten;oben" : "") << '\n' << zor::csvDeutsch(csv);
        else
            std::cout << csv;
        return;
    }
    std::string warnung;
    for (const auto& w : warnungen) warnung += (warnung.empty() ? "" : "\n") + w.text;
    std::vector<std::string> punktliste;
    punktliste.reserve(punkte.size());
    for (const auto& p : punkte) punktliste.push_back(jsonFeld({jsonZahl(p.x), jsonZahl(p.y)}));
    JsonObjekt objekt;
    objekt.wert("points", jsonFeld(punktliste));
    if constexpr (mitBand) {
        if (band.an) {
            objekt.wert("lower", band.band ? bandfeld(punkte, *band.band, false) : "null");
            objekt.wert("upper", band.band ? bandfeld(punkte, *band.band, true) : "null");
        }
    }
    for (const auto& [name, wert] : weitere) objekt.wert(name, wert);
    objekt.wert("ms", std::to_string(ms)).wert("warnung", warnung.empty() ? "null" : jsonText(warnung));
    std::cout << objekt.json() << '\n';
}

}  // namespace

void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, Ausgabeform form,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen, Bandspalten band) {
    ausgeben(punkte, form, weitere, ms, warnungen, band);
}

void kurveAusgeben(std::span<const Wertepaar> punkte, Ausgabeform form,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen) {
    ausgeben(punkte, form, weitere, ms, warnungen, {});
}

bool meldungenAusgeben(const zor::Satzkurve& kurve) {
    for (const auto& m : kurve.meldungen) std::cerr << m.text << '\n';
    return !kurve.ok;
}

}  // namespace zorcli
