#include "core/documents/anpassung_tabelle.h"

#include "core/util/format.h"

#include <algorithm>

namespace zor {

const std::array<const char*, ANPASSUNG_SPALTEN> ANPASSUNG_KOPF = {
    "Rang", "Modell", "Parameter ± Standardfehler", "ln L", "AIC", "BIC", "KS", "FKF-Abw."};

namespace {

std::string zahl(double v) { return format("%.6g", v); }

std::string modellZelle(const Modellanpassung& m) {
    std::string t = modellname(m.art);
    if (m.gleichwertig) t += format(" (≙ %s)", modellname(*m.gleichwertig));
    if (!m.konvergiert) t += "\nnicht konvergiert";
    return t;
}

// Display width of UTF-8 text: code points, not bytes.
std::size_t breite(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::vector<std::string> zeilen(const std::string& s) {
    std::vector<std::string> z;
    std::size_t a = 0;
    for (std::size_t e; (e = s.find('\n', a)) != std::string::npos; a = e + 1) z.push_back(s.substr(a, e - a));
    z.push_back(s.substr(a));
    return z;
}

std::string csvZelle(const std::string& s) {
    if (s.find_first_of(",\"\n") == std::string::npos) return s;
    std::string q = "\"";
    for (const char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

}  // namespace

std::string schaetzwertText(const Schaetzwert& s) {
    if (s.amRand) return format("%s = %s (am Rand)", s.name.c_str(), zahl(s.wert).c_str());
    if (!s.standardfehler) return format("%s = %s ± nicht bestimmbar", s.name.c_str(), zahl(s.wert).c_str());
    return format("%s = %s ± %.2g", s.name.c_str(), zahl(s.wert).c_str(), *s.standardfehler);
}

std::vector<std::array<std::string, ANPASSUNG_SPALTEN>> anpassungsTabelle(const Anpassung& a) {
    std::vector<std::array<std::string, ANPASSUNG_SPALTEN>> t;
    for (const Modellanpassung& m : a.modelle) {
        std::string parameter;
        for (const Schaetzwert& s : m.parameter) parameter += (parameter.empty() ? "" : "\n") + schaetzwertText(s);
        t.push_back({std::to_string(m.rang), modellZelle(m), parameter, format("%.10g", m.lnL), format("%.10g", m.AIC),
                     format("%.10g", m.BIC), format("%.4g", m.KS),
                     m.fkfAbweichung ? format("%.4g", *m.fkfAbweichung) : "–"});
    }
    return t;
}

std::string folgenZeile(const Anpassung& a) {
    return format("%llu Bits, %llu Fehler (Fehlerrate %s), %llu korrekte Bits nach dem letzten Fehler",
                  static_cast<unsigned long long>(a.bits), static_cast<unsigned long long>(a.fehler),
                  zahl(a.bits ? static_cast<double>(a.fehler) / static_cast<double>(a.bits) : 0.0).c_str(),
                  static_cast<unsigned long long>(a.rest));
}

std::string anpassungText(const Anpassung& a) {
    const auto tabelle = anpassungsTabelle(a);
    std::array<std::size_t, ANPASSUNG_SPALTEN> b{};
    for (std::size_t s = 0; s < ANPASSUNG_SPALTEN; ++s) {
        b[s] = breite(ANPASSUNG_KOPF[s]);
        for (const auto& z : tabelle)
            for (const std::string& teil : zeilen(z[s])) b[s] = std::max(b[s], breite(teil));
    }
    const auto zeile = [&](const std::array<std::string, ANPASSUNG_SPALTEN>& zellen) {
        std::array<std::vector<std::string>, ANPASSUNG_SPALTEN> teile;
        std::size_t hoehe = 1;
        for (std::size_t s = 0; s < ANPASSUNG_SPALTEN; ++s)
            hoehe = std::max(hoehe, (teile[s] = zeilen(zellen[s])).size());
        std::string text;
        for (std::size_t h = 0; h < hoehe; ++h) {
            std::string z;
            for (std::size_t s = 0; s < ANPASSUNG_SPALTEN; ++s) {
                const std::string zelle = h < teile[s].size() ? teile[s][h] : "";
                z += zelle + std::string(s + 1 < ANPASSUNG_SPALTEN ? b[s] - breite(zelle) + 2 : 0, ' ');
            }
            text += z.substr(0, z.find_last_not_of(' ') + 1) + "\n";
        }
        return text;
    };
    std::array<std::string, ANPASSUNG_SPALTEN> kopf;
    std::copy(ANPASSUNG_KOPF.begin(), ANPASSUNG_KOPF.end(), kopf.begin());
    std::string text = folgenZeile(a) + "\n\n" + zeile(kopf);
    for (const auto& z : tabelle) text += zeile(z);
    for (const std::string& h : a.hinweise) text += "\n" + h + "\n";
    return text;
}

std::string Anpassung_Csv(const Anpassung& a) {
    std::string text =
        "Rang,Modell,Parameter,Wert,Standardfehler,lnL,AIC,BIC,KS,FKF_Abweichung,konvergiert,gleichwertig\n";
    for (const Modellanpassung& m : a.modelle)
        for (const Schaetzwert& s : m.parameter) {
            const std::string zellen[] = {std::to_string(m.rang),
                                          modellname(m.art),
                                          s.name,
                                          kurvenzahl(s.wert),
                                          s.standardfehler ? kurvenzahl(*s.standardfehler) : "",
                                          kurvenzahl(m.lnL),
                                          kurvenzahl(m.AIC),
                                          kurvenzahl(m.BIC),
                                          kurvenzahl(m.KS),
                                          m.fkfAbweichung ? kurvenzahl(*m.fkfAbweichung) : "",
                                          m.konvergiert ? "ja" : "nein",
                                          m.gleichwertig ? modellname(*m.gleichwertig) : ""};
            std::string z;
            for (const std::string& c : zellen) z += (z.empty() ? "" : ",") + csvZelle(c);
            text += z + "\n";
        }
    return text;
}

}  // namespace zor
