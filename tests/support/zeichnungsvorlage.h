#pragma once
// Compares everything a recording canvas received with a checked-in drawing under
// tests/data/zeichnungen/, one call per line. Run with ZOR_ZEICHNUNGEN_NEU=1 to write the
// files afresh after a deliberate change, then read the diff before committing it.

#include "core/plot/aufzeichnende_leinwand.h"
#include "temp_verzeichnis.h"

#include <cstdlib>
#include <string>

inline std::string zeichnungAlsText(const zor::AufzeichnendeLeinwand& dc) {
    using zor::Zeichenaufruf;
    static const char* const ARTEN[] = {"linie", "polylinie", "polygon", "ellipse",
                                        "rechteck", "text", "beschnitt", "invertiert"};
    static const char* const AUSRICHTUNG[] = {"links", "mitte", "rechts"};
    auto farbe = [](const zor::Farbe& f) {
        return std::to_string(f.rot) + "/" + std::to_string(f.gruen) + "/" + std::to_string(f.blau);
    };
    std::string t;
    for (const Zeichenaufruf& a : dc.aufrufe()) {
        t += ARTEN[static_cast<int>(a.art)];
        for (const auto& p : a.punkte) t += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        if (a.rechteck)
            t += " [" + std::to_string(a.rechteck->links) + "," + std::to_string(a.rechteck->oben) + "," +
                 std::to_string(a.rechteck->rechts) + "," + std::to_string(a.rechteck->unten) + "]";
        if (a.art == Zeichenaufruf::Art::Text) {
            t += " \"" + a.text + "\" " + (a.schrift.familie == zor::Schriftfamilie::Symbol ? "symbol " : "swiss ") +
                 std::to_string(a.schrift.hoehe) + " " + AUSRICHTUNG[static_cast<int>(a.ausrichtung)] + " " +
                 farbe(a.textfarbe) + (a.texthintergrund ? " auf " + farbe(*a.texthintergrund) : "");
        } else {
            t += " stift " + std::to_string(a.stift.breite) + " " + farbe(a.stift.farbe) +
                 (a.stift.art == zor::Strichart::Gepunktet ? " gepunktet" : "") + " pinsel " + farbe(a.pinsel);
        }
        t += "\n";
    }
    return t;
}

inline void wieVorlage(const zor::AufzeichnendeLeinwand& dc, const std::string& name) {
    const std::filesystem::path datei = std::filesystem::path(ZOR_TESTDATEN) / "zeichnungen" / (name + ".txt");
    const std::string ist = zeichnungAlsText(dc);
    if (std::getenv("ZOR_ZEICHNUNGEN_NEU")) dateiSchreiben(datei, ist);
    ASSERT_TRUE(std::filesystem::exists(datei)) << datei;
    EXPECT_EQ(ist, dateiLesen(datei)) << "Zeichnung weicht ab von " << datei;
}
